// Machine No.3's ball path table: the block format the engine reads, the
// zones and outcomes the launch and the second-stage choice rely on, and the
// board the paths must agree with (windmills, pockets, the door, the reel
// window).
#include <cstdlib>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "no3_paths.h"

namespace {

struct Pt {
    int x, y;
    bool operator==(const Pt& o) const { return x == o.x && y == o.y; }
};
std::ostream& operator<<(std::ostream& os, const Pt& p) { return os << "(" << p.x << ", " << p.y << ")"; }

enum { kPaths = 194, kEntries = 32, kEnd = 0xFF, kFirstStage = 128, kDoorLeftward = 192, kDoorRightward = 193 };

// Index of the end mark, or -1 when the block has none.
int endOf(int path)
{
    for (int i = 0; i < kEntries; i++)
        if (no3PathTable[path][i][0] == kEnd)
            return i;
    return -1;
}

int outcomeOf(int path) { return no3PathTable[path][endOf(path)][1]; }

std::vector<Pt> pointsOf(int path)
{
    std::vector<Pt> pts;
    for (int i = 0; i < kEntries && no3PathTable[path][i][0] != kEnd; i++)
        pts.push_back({no3PathTable[path][i][0], no3PathTable[path][i][1]});
    return pts;
}

bool isFirstStage(int path) { return path < kFirstStage; }
int zoneOfSecondStage(int path) { return (path - kFirstStage) / 8; }
bool isLucky(int path) { return (path - kFirstStage) % 4 == 0; }

// Entry zone of each first-stage path.
const char kZoneDigits[] = "0001000100010001"
                           "1223122312231223"
                           "12331233123312331233123312331233"
                           "1223125465546554"
                           "6554655465546554"
                           "6554655476557765"
                           "7765776577657765";

const Pt kEntry[8] = {{14, 50}, {25, 43}, {32, 52}, {37, 53}, {81, 53}, {86, 52}, {93, 43}, {104, 50}};
// Outcome of each zone's lucky paths, first half then second.
const int kLuckyCodes[8][2] = {{15, 15}, {15, 7}, {15, 15}, {7, 7}, {7, 7}, {15, 15}, {15, 7}, {15, 15}};

const Pt kRailEnd = {10, 25};
const Pt kStartPocket = {59, 73};
const Pt kPrizePockets[4] = {{18, 71}, {100, 71}, {37, 89}, {81, 89}};

struct Rect {
    int x0, y0, x1, y1;
    bool has(Pt p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

// Hit bands of the windmills: first-stage balls turn 0 and 1, second-stage
// balls 2 to 5.
struct Windmill {
    int stage;
    Rect away, towards;
    Rect box() const { return {away.x0, away.y0, towards.x1, towards.y1}; }
    bool hit(Pt p) const { return away.has(p) || towards.has(p); }
};
const Windmill kWindmills[6] = {
    {1, {29, 27, 33, 35}, {35, 27, 39, 35}},     {1, {79, 27, 83, 35}, {85, 27, 89, 35}},
    {2, {9, 52, 12, 60}, {14, 52, 17, 60}},      {2, {101, 52, 104, 60}, {106, 52, 109, 60}},
    {2, {32, 61, 35, 65}, {37, 61, 40, 65}},     {2, {78, 61, 81, 65}, {83, 61, 86, 65}},
};

bool inDoorMouth(Pt p) { return p.x >= 48 && p.x <= 70 && (p.y == 96 || p.y == 98); }

// Whether the segment a-b passes through r, sampled at eighths of the way.
bool segmentMeets(Pt a, Pt b, const Rect& r)
{
    for (int k = 0; k <= 8; k++) {
        int x8 = 8 * a.x + (b.x - a.x) * k, y8 = 8 * a.y + (b.y - a.y) * k;
        if (x8 >= 8 * r.x0 && x8 <= 8 * r.x1 && y8 >= 8 * r.y0 && y8 <= 8 * r.y1)
            return true;
    }
    return false;
}

// Where a ball at p is drawn: its 12x12 sprite at (4x - 2, 4y - 4).
bool spriteOverlaps(Pt p, int left, int top, int width, int height)
{
    int x = 4 * p.x - 2, y = 4 * p.y - 4;
    return x + 12 > left && x < left + width && y + 12 > top && y < top + height;
}

// ---------------------------------------------------------------- block format

TEST(No3PathTable, IsOneHundredNinetyFourBlocksOfThirtyTwoEntries)
{
    EXPECT_EQ(sizeof no3PathTable, 12416u);
    EXPECT_EQ(sizeof no3PathTable / sizeof no3PathTable[0], size_t(kPaths));
}

TEST(No3PathTable, EveryPathEndsWithinThirtyPointsAndIsZeroAfterItsEnd)
{
    for (int p = 0; p < kPaths; p++) {
        int end = endOf(p);
        ASSERT_GE(end, 1) << "path " << p << " has no points or no end mark";
        EXPECT_LE(end, 30) << "path " << p;
        for (int i = end + 1; i < kEntries; i++) {
            EXPECT_EQ(no3PathTable[p][i][0], 0) << "path " << p << " entry " << i;
            EXPECT_EQ(no3PathTable[p][i][1], 0) << "path " << p << " entry " << i;
        }
    }
}

TEST(No3PathTable, PointsAreShownAndInsideTheBoard)
{
    for (int p = 0; p < kPaths; p++)
        for (Pt q : pointsOf(p)) {
            // x 0 would hide the ball; the play view is 120 x 108 units
            EXPECT_TRUE(q.x >= 1 && q.x <= 119 && q.y >= 1 && q.y <= 107) << "path " << p << " at " << q;
            // under the rail arc over the top of the board
            int dx = q.x - 59, dy = q.y - 78;
            EXPECT_LE(dx * dx + dy * dy, 73 * 73) << "path " << p << " at " << q;
        }
}

// ---------------------------------------------------------------- stages and outcomes

TEST(No3PathTable, FirstStagePathsComeOffTheRailAndReachTheirListedZone)
{
    ASSERT_EQ(sizeof kZoneDigits - 1, size_t(kFirstStage));
    for (int p = 0; p < kFirstStage; p++) {
        int zone = kZoneDigits[p] - '0';
        EXPECT_EQ(outcomeOf(p), 8 * zone) << "path " << p;
        std::vector<Pt> pts = pointsOf(p);
        // the first point carries on up the arc from the rail's last position
        Pt first = pts.front();
        EXPECT_TRUE(first.x > kRailEnd.x && first.x - kRailEnd.x <= 9 && first.y < kRailEnd.y &&
                    kRailEnd.y - first.y <= 9)
            << "path " << p << " starts at " << first;
        // the last point is just above the zone's entry point, where the
        // second stage goes on
        Pt last = pts.back(), entry = kEntry[zone];
        EXPECT_TRUE(std::abs(last.x - entry.x) <= 2 && entry.y - last.y >= 0 && entry.y - last.y <= 3)
            << "path " << p << " ends at " << last << ", zone " << zone << " begins at " << entry;
    }
}

TEST(No3PathTable, SecondStagePathsStartAtTheirZonesEntryPoint)
{
    for (int p = kFirstStage; p < kDoorLeftward; p++)
        EXPECT_EQ(pointsOf(p).front(), kEntry[zoneOfSecondStage(p)]) << "path " << p;
}

TEST(No3PathTable, LuckyPathsEndInTheirPocketsAndTheOthersAtTheBottom)
{
    for (int p = kFirstStage; p < kDoorLeftward; p++) {
        int zone = zoneOfSecondStage(p), half = (p - kFirstStage) % 8 / 4;
        Pt last = pointsOf(p).back();
        if (!isLucky(p)) {
            EXPECT_EQ(outcomeOf(p), 0) << "path " << p;
            EXPECT_GE(last.y, 100) << "path " << p << " is lost at " << last;
            continue;
        }
        int code = kLuckyCodes[zone][half];
        EXPECT_EQ(outcomeOf(p), code) << "path " << p;
        if (code == 7) {
            EXPECT_EQ(last, kStartPocket) << "path " << p;
        } else {
            bool inPrizePocket = false;
            for (Pt pocket : kPrizePockets)
                inPrizePocket = inPrizePocket || last == pocket;
            EXPECT_TRUE(inPrizePocket) << "path " << p << " ends at " << last;
            // a pocket on the zone's own side of the board
            EXPECT_EQ(last.x < 59, zone < 4) << "path " << p << " ends at " << last;
        }
    }
}

TEST(No3PathTable, LostBallsKeepClearOfThePockets)
{
    std::vector<Pt> pockets(kPrizePockets, kPrizePockets + 4);
    pockets.push_back(kStartPocket);
    for (int p = kFirstStage; p < kDoorLeftward; p++) {
        std::vector<Pt> pts = pointsOf(p);
        for (Pt pocket : pockets) {
            if (isLucky(p) && pts.back() == pocket)
                continue; // its own pocket
            for (Pt q : pts)
                EXPECT_FALSE(std::abs(q.x - pocket.x) <= 2 && std::abs(q.y - pocket.y) <= 2)
                    << "path " << p << " runs through the pocket at " << pocket;
        }
    }
}

// ---------------------------------------------------------------- documented rows

void expectPath(int path, const std::vector<Pt>& points, int code)
{
    EXPECT_EQ(pointsOf(path), points) << "path " << path;
    EXPECT_EQ(outcomeOf(path), code) << "path " << path;
}

TEST(No3PathTable, TellingRowsAndDoorRunsAreExact)
{
    expectPath(3,
               {{16, 20}, {19, 18}, {22, 18}, {25, 20}, {26, 22}, {24, 25}, {22, 29}, {23, 28},
                {24, 29}, {24, 32}, {24, 34}, {22, 35}, {23, 37}, {24, 38}, {25, 40}, {25, 41}},
               8);
    expectPath(128,
               {{14, 50}, {14, 53}, {16, 56}, {15, 59}, {14, 62}, {15, 65}, {16, 67}, {17, 66},
                {18, 67}, {18, 69}, {18, 71}},
               15);
    expectPath(140,
               {{25, 43}, {25, 47}, {25, 51}, {28, 52}, {31, 54}, {34, 55}, {37, 58}, {40, 61}, {42, 64}, {44, 68},
                {47, 68}, {50, 69}, {53, 72}, {55, 70}, {57, 70}, {59, 71}, {59, 70}, {59, 72}, {59, 73}},
               7);
    std::vector<Pt> leftward, rightward;
    for (int x = 70; x >= 48; x -= 2)
        leftward.push_back({x, 97});
    for (int x = 47; x <= 69; x += 2)
        rightward.push_back({x, 97});
    expectPath(kDoorLeftward, leftward, 15);
    expectPath(kDoorRightward, rightward, 15);
}

// ---------------------------------------------------------------- motion

TEST(No3PathTable, BallsMoveOnlyAFewUnitsAStep)
{
    for (int p = 0; p < kPaths; p++) {
        std::vector<Pt> pts = pointsOf(p);
        // faster along the rail arc; slower in the lower pins, where a ball
        // bounces up off a pin by two units at most
        int maxDx = isFirstStage(p) ? 6 : 4, maxDy = isFirstStage(p) ? 6 : 5, maxRise = isFirstStage(p) ? 5 : 2;
        for (size_t i = 1; i < pts.size(); i++) {
            int dx = pts[i].x - pts[i - 1].x, dy = pts[i].y - pts[i - 1].y;
            EXPECT_TRUE(std::abs(dx) <= maxDx && std::abs(dy) <= maxDy && -dy <= maxRise)
                << "path " << p << " jumps from " << pts[i - 1] << " to " << pts[i];
        }
    }
}

TEST(No3PathTable, BallsGoRoundTheReelWindowAndTheTopLamp)
{
    for (int p = 0; p < kPaths; p++) {
        std::vector<Pt> pts = pointsOf(p);
        for (size_t i = 0; i < pts.size(); i++) {
            EXPECT_FALSE(spriteOverlaps(pts[i], 186, 176, 108, 80)) << "path " << p << " at " << pts[i];
            EXPECT_FALSE(spriteOverlaps(pts[i], 204, 104, 72, 48)) << "path " << p << " at " << pts[i];
            // nor cuts through between two points
            if (i > 0) {
                EXPECT_FALSE(segmentMeets(pts[i - 1], pts[i], {46, 44, 72, 64}))
                    << "path " << p << " from " << pts[i - 1] << " to " << pts[i];
            }
        }
    }
}

// ---------------------------------------------------------------- windmills

TEST(No3PathTable, EveryWindmillIsTurnedBothWaysByBallsOfItsStage)
{
    for (int w = 0; w < 6; w++) {
        int away = 0, towards = 0;
        for (int p = 0; p < kDoorLeftward; p++) {
            if ((kWindmills[w].stage == 1) != isFirstStage(p))
                continue;
            for (Pt q : pointsOf(p)) {
                away += kWindmills[w].away.has(q);
                towards += kWindmills[w].towards.has(q);
            }
        }
        EXPECT_GT(away, 0) << "windmill " << w;
        EXPECT_GT(towards, 0) << "windmill " << w;
    }
}

TEST(No3PathTable, NoBallSlipsPastAWindmillWithoutTurningIt)
{
    for (int p = 0; p < kDoorLeftward; p++) {
        std::vector<Pt> pts = pointsOf(p);
        Pt before = isFirstStage(p) ? kRailEnd : pts.front();
        for (size_t i = 0; i < pts.size(); i++) {
            Pt a = i == 0 ? before : pts[i - 1], b = pts[i];
            for (int w = 0; w < 6; w++) {
                const Windmill& mill = kWindmills[w];
                bool ownStage = (mill.stage == 1) == isFirstStage(p);
                if (!ownStage) {
                    // the other stage's windmills would not turn for it
                    EXPECT_FALSE(mill.box().has(b)) << "path " << p << " at " << b << " in windmill " << w;
                    continue;
                }
                if (segmentMeets(a, b, mill.box())) {
                    EXPECT_TRUE(mill.hit(a) || mill.hit(b))
                        << "path " << p << " goes from " << a << " to " << b << " across windmill " << w;
                }
            }
        }
    }
}

// ---------------------------------------------------------------- the door

TEST(No3PathTable, SecondStageBallsCrossTheDoorsMouthAtBothParities)
{
    int odd = 0, even = 0;
    for (int p = kFirstStage; p < kDoorLeftward; p++)
        for (Pt q : pointsOf(p))
            if (inDoorMouth(q)) {
                (q.x % 2 ? odd : even) += 1;
                break;
            }
    // odd x join the leftward door run, even x the rightward one
    EXPECT_GT(odd, 0);
    EXPECT_GT(even, 0);
}

TEST(No3PathTable, AnOpenDoorCatchesEveryBallThatGetsOverIt)
{
    for (int p = kFirstStage; p < kDoorLeftward; p++) {
        std::vector<Pt> pts = pointsOf(p);
        for (size_t i = 1; i < pts.size(); i++) {
            Pt a = pts[i - 1], b = pts[i];
            if (inDoorMouth(a) || inDoorMouth(b))
                break; // taken into the door here
            bool overDoor = b.x >= 48 && b.x <= 70 && b.y >= 96 && b.y <= 101;
            bool across = a.y < 96 && b.y > 98 && segmentMeets(a, b, {48, 96, 70, 98});
            EXPECT_FALSE(overDoor || across) << "path " << p << " passes the door at " << b;
        }
    }
}

} // namespace
