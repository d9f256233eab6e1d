// pathkit's table check on a small made-up board: a sound table passes, and
// each invariant a table must keep is reported when one path breaks it.
// Also the pin run's promise that it ends on its target.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pathkit.h"

using namespace pathkit;

namespace {

// No.3's field and centre feature; one lower windmill, one pocket of each
// kind, the door's mouth over the out hole.
Board testBoard()
{
    Board b;
    b.arcCentre = {59, 78};
    b.arcRadius = 72;
    b.fieldRadius = 73;
    b.leftEdge = 6;
    b.rightEdge = 112;
    b.topRow = 1;
    b.bottomRow = 107;
    b.railEnd = {10, 25};
    b.features = {{45, 24, 73, 64}};
    b.windmills = {{{86, 70, 96, 76}, 91, 2}};
    b.startPocket = {30, 80};
    b.prizePockets = {{100, 88}};
    b.outHole = {44, 104, 74, 106};
    b.hasMouth = true;
    b.mouth = {48, 70, 96, 98, 101};
    b.entries = {{12, 45}, {20, 45}, {28, 45}, {36, 45}, {82, 45}, {90, 45}, {98, 45}, {106, 48}};
    for (int p = 0; p < 128; p++)
        b.zoneDigits += char('0' + p / 16);
    b.codes = {0, 7, 15};
    b.firstStage = kFirstStageSteps;
    b.secondStage = kSecondStageSteps;
    return b;
}

// Straight steps from the last point of `p` to `to`, at most `most` units
// across or down a step.
void walk(Path& p, Pt to, int most)
{
    Pt a = p.back();
    int n = 1;
    while (iabs(to.x - a.x) > most * n || iabs(to.y - a.y) > most * n)
        n++;
    for (int i = 1; i <= n; i++)
        p.push_back({a.x + (to.x - a.x) * i / n, a.y + (to.y - a.y) * i / n});
}

Path firstStage(const Board& b, int zone)
{
    Pt entry = b.entries[zone];
    Path p = {{13, 22}};
    if (zone >= 4) { // over the centre feature
        walk(p, {59, 14}, 5);
        walk(p, {78, 18}, 5);
    }
    walk(p, {entry.x, entry.y - 2}, 5);
    return p;
}

// Zone z's path into the start pocket (left half), into the prize pocket
// through the windmill's band (right half), or out over the door's mouth.
Path secondStage(const Board& b, int zone, bool lucky, int& code)
{
    Path p = {b.entries[zone]};
    if (lucky && zone < 4) {
        walk(p, b.startPocket, 3);
        code = b.codes.start;
    } else if (lucky) {
        walk(p, {92, 72}, 3);
        walk(p, b.prizePockets[0], 3);
        code = b.codes.prize;
    } else {
        walk(p, {zone < 4 ? 40 : 80, 60}, 3); // above the windmill
        walk(p, {zone < 4 ? 40 : 80, 92}, 3);
        walk(p, {zone < 4 ? 50 : 66, 96}, 3); // in the mouth
        walk(p, {zone < 4 ? 52 : 64, 105}, 3);
        code = b.codes.lost;
    }
    return p;
}

struct TableCheck : ::testing::Test {
    Board board = testBoard();
    TableFormat format = {"test", 9, 194};
    Table table;

    void SetUp() override
    {
        for (int p = 0; p < 128; p++) {
            int zone = board.zoneOf(p);
            table.push_back({firstStage(board, zone), 8 * zone, "", Role::FirstStage, zone});
        }
        for (int zone = 0; zone < 8; zone++)
            for (int i = 0; i < 8; i++) {
                int code = 0;
                Path pts = secondStage(board, zone, i % 4 == 0, code);
                table.push_back({pts, code, "", Role::SecondStage, zone});
            }
        Path left, right;
        for (int x = 70; x >= 48; x -= 2)
            left.push_back({x, 97});
        for (int x = 47; x <= 69; x += 2)
            right.push_back({x, 97});
        table.push_back({left, 15, "", Role::Door, 0});
        table.push_back({right, 15, "", Role::Door, 0});
    }

    // What the check reports, one problem a line.
    std::string problems() const
    {
        std::vector<std::string> found;
        checkTable(board, format, table, found);
        std::string all;
        for (const std::string& s : found)
            all += s + "\n";
        return all;
    }
};

#define EXPECT_REPORTS(what) EXPECT_NE(problems().find(what), std::string::npos) << problems()

TEST_F(TableCheck, ASoundTablePasses)
{
    EXPECT_EQ(problems(), "");
}

TEST_F(TableCheck, ReportsTheTableAndZoneCounts)
{
    const Table whole = table;
    table.pop_back();
    EXPECT_REPORTS("the table has 193 paths, not 194");
    table = whole;
    board.zoneDigits.pop_back();
    EXPECT_REPORTS("127 first-stage paths, not 128");
    board.zoneDigits += '8';
    EXPECT_REPORTS("zone digit '8' names no entry zone");
}

TEST_F(TableCheck, ReportsPathsTooLongEmptyOrOffTheBoard)
{
    table[5].points.resize(31, table[5].points.back());
    table[6].points.clear();
    table[140].points[3] = {3, 60};   // left of the inner rail
    table[141].points[3] = {59, 108}; // under the bottom row
    table[150].code = 256;
    EXPECT_REPORTS("path 5: 31 points, not 1..30");
    EXPECT_REPORTS("path 6: 0 points");
    EXPECT_REPORTS("path 140: a point off the board");
    EXPECT_REPORTS("path 141: a point off the board");
    EXPECT_REPORTS("path 150: outcome code 256 is no byte");
}

TEST_F(TableCheck, ReportsFirstStagePathsOutOfTheirZone)
{
    table[20].code = 16;                              // zone 1's path with zone 2's code
    table[30].points.back().y -= 6;                   // stops short of the entry
    table[40].points.front() = {25, 22};              // not a step off the rail
    table[50].points.insert(table[50].points.begin() + 5, {58, 30}); // into the feature
    table[60].points[3].y += 10;                      // a step of 10 down
    EXPECT_REPORTS("path 20: code 16, not 8 x zone 1");
    EXPECT_REPORTS("path 30: ends at");
    EXPECT_REPORTS("path 40: its first point is no step off the rail");
    EXPECT_REPORTS("path 50: through the centre feature");
    EXPECT_REPORTS("path 60: step too long");
}

TEST_F(TableCheck, ReportsSecondStagePathsThatMissTheirEntryOrPocket)
{
    table[129].points.front() = {13, 45};  // zone 0 starts at (12, 45)
    table[128].points.back() = {31, 80};   // start code, not in the start pocket
    table[164].points.back() = {100, 87};  // prize code, no prize pocket there
    table[131].code = 3;
    table[133].points = {board.entries[0]}; // lost, left of the out hole
    walk(table[133].points, {20, 95}, 3);
    walk(table[133].points, {40, 106}, 3);
    EXPECT_REPORTS("path 129: starts at (13, 45), not at zone 0's entry");
    EXPECT_REPORTS("path 128: a start-pocket code ending at (31, 80)");
    EXPECT_REPORTS("path 164: a prize-pocket code ending at (100, 87)");
    EXPECT_REPORTS("path 131: code 3 is no second-stage outcome");
    EXPECT_REPORTS("path 133: lost elsewhere than the hole");
}

TEST_F(TableCheck, ReportsPocketsPassedWindmillsMissedAndTheDoorCrossedUncaught)
{
    // a lost ball brushing the start pocket on its way
    Path& passing = table[130].points;
    passing = {board.entries[0]};
    walk(passing, {30, 78}, 3);
    walk(passing, {44, 105}, 3);
    // a lucky ball over the windmill without touching its band (x 91 is the axle)
    Path& missing = table[164].points;
    missing = {board.entries[4]};
    walk(missing, {91, 68}, 3);
    walk(missing, {91, 78}, 3);
    walk(missing, board.prizePockets[0], 3);
    // a lost ball jumping the mouth's rows
    Path& jumping = table[135].points;
    jumping = {board.entries[0]};
    walk(jumping, {52, 95}, 3);
    jumping.push_back({53, 99});
    walk(jumping, {54, 105}, 3);
    EXPECT_REPORTS("path 130: through a pocket");
    EXPECT_REPORTS("path 164: past a windmill");
    EXPECT_REPORTS("path 135: over the door uncaught");
}

TEST_F(TableCheck, ReportsDoorRunsOffTheDoor)
{
    table[192].points[4] = {60, 90};
    table[193].code = 7;
    board.hasMouth = false;
    EXPECT_REPORTS("path 192: a door run on a board without a door");
    board.hasMouth = true;
    EXPECT_REPORTS("path 192: a door run leaving the door at (60, 90)");
    EXPECT_REPORTS("path 193: a door run ending in code 7");
}

TEST_F(TableCheck, LetsAModelsOwnPathsHideButNotMissTheirPocket)
{
    format.paths = 196;
    Path gate = {{0, 0}, {0, 0}, board.startPocket}; // hidden, then the start pocket
    Path wing = {{26, 76}, {28, 78}, board.startPocket}; // a wing into the start pocket
    table.push_back({gate, 7, "", Role::Special, 0});
    table.push_back({wing, 7, "", Role::Special, 0});
    EXPECT_EQ(problems(), "");
    table[195].points.back() = {32, 81};
    table[194].points.front() = {0, 40};
    EXPECT_REPORTS("path 195: a start-pocket code ending at (32, 81)");
    EXPECT_REPORTS("path 194: a point off the board");
}

// A made-up geometry header: the names PATHKIT_BOARD_OF reads, windmills of
// both kinds (with a stage, and without one, turned by both stages).
namespace madeup {
struct Point { int x, y; };
struct Box { int x0, y0, x1, y1; };
struct StagedWindmill { int stage, yMin, yMax, awayXMin, awayXMax, towardsXMin, towardsXMax; };
struct PlainWindmill { int yMin, yMax, awayXMin, awayXMax, towardsXMin, towardsXMax; };
struct Pocket { Point at; int code; };
constexpr Point kArcCentre = {59, 78}, kRailEnd = {10, 25};
constexpr int kArcRadius = 72, kFieldRadius = 73, kLeftEdge = 6, kRightEdge = 112, kTopRow = 1, kBottomRow = 107;
constexpr Box kCentreFeature = {45, 24, 73, 64}, kOutHole = {44, 104, 74, 106};
constexpr StagedWindmill kWindmills[] = {{1, 27, 35, 29, 33, 35, 39}, {2, 61, 65, 32, 35, 37, 40}};
constexpr int kCodeLost = 0, kCodeStartPocket = 7, kCodePrizePocket = 15;
constexpr Pocket kPockets[] = {{{59, 72}, kCodeStartPocket}, {{18, 71}, kCodePrizePocket}, {{40, 80}, 3},
                               {{100, 71}, kCodePrizePocket}};
constexpr Point kStartPocket = kPockets[0].at;
constexpr Point kEntryPoints[8] = {{12, 45}, {20, 45}, {28, 45}, {36, 45}, {82, 45}, {90, 45}, {98, 45}, {106, 48}};
constexpr const char* kZoneDigits = "0123";
} // namespace madeup

TEST(FromGeometry, TheBoardOfAGeometryNamespace)
{
    const Board b = PATHKIT_BOARD_OF(madeup, (Mouth{48, 70, 96, 98, 101}));
    EXPECT_EQ(b.arcCentre, (Pt{59, 78}));
    EXPECT_EQ(b.railEnd, (Pt{10, 25}));
    EXPECT_EQ(b.leftEdge, 6);
    EXPECT_EQ(b.bottomRow, 107);
    ASSERT_EQ(b.features.size(), 1u);
    EXPECT_EQ(b.features[0].y1, 64);
    ASSERT_EQ(b.windmills.size(), 2u);
    EXPECT_EQ(b.windmills[1].box.x0, 32); // away columns to towards columns
    EXPECT_EQ(b.windmills[1].box.x1, 40);
    EXPECT_EQ(b.windmills[1].box.y0, 61);
    EXPECT_EQ(b.windmills[1].axle, 36);
    EXPECT_EQ(b.windmills[0].stage, 1);
    EXPECT_EQ(b.windmills[1].stage, 2);
    EXPECT_EQ(b.startPocket, (Pt{59, 72}));
    // only the pockets of the prize code
    EXPECT_EQ(b.prizePockets, (std::vector<Pt>{{18, 71}, {100, 71}}));
    EXPECT_EQ(b.outHole.y1, 106);
    EXPECT_TRUE(b.hasMouth);
    EXPECT_EQ(b.mouth.lowerRow, 98);
    EXPECT_EQ(b.mouth.bottomRow, 101);
    ASSERT_EQ(b.entries.size(), 8u);
    EXPECT_EQ(b.entries[7], (Pt{106, 48}));
    EXPECT_EQ(b.zoneDigits, "0123");
    EXPECT_EQ(b.codes.start, 7);
    EXPECT_EQ(b.codes.prize, 15);
    EXPECT_EQ(b.secondStage.maxDy, kSecondStageSteps.maxDy);
}

TEST(FromGeometry, AWindmillWithoutAStageTurnsForBoth)
{
    const Windmill w = windmillOf(madeup::PlainWindmill{52, 60, 9, 12, 14, 17});
    EXPECT_EQ(w.stage, 0);
    EXPECT_EQ(w.axle, 13);
    EXPECT_TRUE(w.turnedBy(1));
    EXPECT_TRUE(w.turnedBy(2));
    EXPECT_EQ(windmillOf(madeup::kWindmills[0]).stage, 1);
}

// A second-stage slot: which half and zone's routes, the lucky path, and
// the pocket mirrored onto the right half with the code of its kind.
TEST(SecondStageSlot, MirrorsTheRightHalfAndCodesThePocket)
{
    const Board b = testBoard();
    SecondStageSlot left(2, 4, 118);
    EXPECT_FALSE(left.right);
    EXPECT_EQ(left.leftZone, 2);
    EXPECT_EQ(left.half, 1);
    EXPECT_EQ(left.k, 0);
    EXPECT_TRUE(left.lucky);
    EXPECT_EQ(left.what(), "zone 2, path 4");
    left.aim(b, &b.startPocket);
    EXPECT_EQ(left.code, 7);
    ASSERT_NE(left.target(), nullptr);
    EXPECT_EQ(*left.target(), b.startPocket);

    SecondStageSlot right(6, 0, 118);
    EXPECT_TRUE(right.right);
    EXPECT_EQ(right.leftZone, 1);
    const Pt sidePocket = {18, 71};
    right.aim(b, &sidePocket);
    EXPECT_EQ(right.code, 15);
    EXPECT_EQ(right.leftPocket, sidePocket);
    EXPECT_EQ(right.pocket, (Pt{100, 71}));
    EXPECT_EQ(*right.target(), (Pt{100, 71}));

    SecondStageSlot lost(7, 3, 118);
    EXPECT_FALSE(lost.lucky);
    EXPECT_EQ(lost.leftZone, 0);
    EXPECT_EQ(lost.k, 3);
    lost.aim(b, nullptr);
    EXPECT_EQ(lost.code, 0);
    EXPECT_EQ(lost.target(), nullptr);
}

// A run along a row goes either way, `step` columns apart, and never
// beyond its end.
TEST(RowRun, StepsTowardsItsEndAndStopsThere)
{
    EXPECT_EQ(rowRun(97, 70, 64, 2), (Path{{70, 97}, {68, 97}, {66, 97}, {64, 97}}));
    EXPECT_EQ(rowRun(97, 47, 52, 2), (Path{{47, 97}, {49, 97}, {51, 97}}));
    EXPECT_EQ(rowRun(101, 49, 51, 1), (Path{{49, 101}, {50, 101}, {51, 101}}));
    EXPECT_EQ(rowRun(101, 60, 60, 1), (Path{{60, 101}}));
}

// pickEach draws as the picks one after another would, area by area and
// x before y, so a route written either way draws the same table.
TEST(PickEach, DrawsAsPicksInTurn)
{
    Lcg a(0x4E6F3033u), b(0x4E6F3033u);
    Path each = {{1, 1}}, oneByOne = {{1, 1}};
    pickEach(each, a, {{26, 28, 52, 56}, {32, 34, 62, 64}, {30, 32, 76, 80}});
    oneByOne.push_back(pick(b, 26, 28, 52, 56));
    oneByOne.push_back(pick(b, 32, 34, 62, 64));
    oneByOne.push_back(pick(b, 30, 32, 76, 80));
    EXPECT_EQ(each, oneByOne);
    EXPECT_EQ(a.next(), b.next());
    ASSERT_EQ(each.size(), 4u);
    EXPECT_TRUE(each[2].x >= 32 && each[2].x <= 34 && each[2].y >= 62 && each[2].y <= 64);
}

// Whatever the random numbers, a pin run from a fixed point ends exactly on
// its target: the pockets and the mouth's rows are reached, not neared.
TEST(PinRun, EndsOnItsTarget)
{
    for (uint32_t seed = 1; seed <= 300; seed++) {
        Lcg rng(seed);
        Pt a = {30, 50}, b = {30 + rng.range(-12, 12), 50 + rng.range(0, 30)};
        Path out = {a};
        runRoute(out, a, 0, FP, {b}, kLowerRunStyles[seed % 3], 1, rng);
        EXPECT_EQ(out.back(), b) << "seed " << seed;
        EXPECT_LE(int(out.size()), 41) << "seed " << seed;
    }
}

} // namespace
