// Machine No.5's ball path table: the block format the engine reads, the
// zones and outcomes the launch and the second-stage choice rely on, and the
// board the paths must agree with (windmills, pockets, the digit lottery's
// points and gate, the attacker's channels, the display). The zone list is copied here on purpose, as a
// check of the geometry header's independent of it.
#include "machines/no5/no5_board_geometry.h"
#include "machines/no5/no5_paths.h"
#include "machines/one_line/tests/path_checks.h"

namespace {

using namespace pathchecks;
namespace g = no5board;

enum { kPaths = 196, kFirstStage = 128, kLeftChannel = 192, kVChannel = 193, kRightChannel = 194, kGate = 195 };

const char kZoneDigits[] = "0002001200020013"
                           "0203021302230213"
                           "0223021303232313"
                           "2323231323235413"
                           "7454026475547513"
                           "7554756475547564"
                           "7554756475547765"
                           "7777776577777765";

Pt pt(g::Point p) { return {p.x, p.y}; }

bool isLucky(int path) { return (path - kFirstStage) % 4 == 0; }
int zoneOf(int path) { return (path - kFirstStage) / 8; }

bool inMouth(Pt p)
{
    return p.x >= g::kMouthXMin && p.x <= g::kMouthXMax && p.y == g::kMouthRow;
}

TEST(No5PathTable, IsOneHundredNinetySixBlocksOfThirtyTwoEntries)
{
    EXPECT_EQ(sizeof no5PathTable, 196u * 64);
    expectBlockFormat(kPaths);
}

TEST(No5PathTable, PointsAreShownInsideTheBoardAndRoundTheDisplay)
{
    const Rect display = {g::kCentreFeature.x0, g::kCentreFeature.y0, g::kCentreFeature.x1, g::kCentreFeature.y1};
    for (int p = 0; p < kPaths; p++) {
        std::vector<Pt> pts = pointsOf(p);
        if (p == kGate) // runs hidden inside the board
            pts.erase(pts.begin(), pts.begin() + g::kGateHiddenPoints);
        for (size_t i = 0; i < pts.size(); i++) {
            Pt q = pts[i];
            EXPECT_TRUE(q.x >= 1 && q.x <= 119 && q.y >= 1 && q.y <= 107) << "path " << p << " at " << q;
            int dx = q.x - g::kArcCentre.x, dy = q.y - g::kArcCentre.y;
            EXPECT_LE(dx * dx + dy * dy, g::kFieldRadius * g::kFieldRadius) << "path " << p << " at " << q;
            EXPECT_FALSE(display.has(q)) << "path " << p << " at " << q;
            if (i > 0) {
                EXPECT_FALSE(segmentMeets(pts[i - 1], q, display)) << "path " << p << " to " << q;
            }
        }
        if (p != kGate)
            expectShortSteps(p);
    }
}

TEST(No5PathTable, FirstStagePathsComeOffTheRailAndEndAStepAboveTheirZone)
{
    ASSERT_EQ(sizeof kZoneDigits - 1, size_t(kFirstStage));
    for (int p = 0; p < kFirstStage; p++) {
        int zone = kZoneDigits[p] - '0';
        EXPECT_EQ(kZoneDigits[p], g::kZoneDigits[p]) << "path " << p;
        EXPECT_EQ(outcomeOf(p), 8 * zone) << "path " << p;
        std::vector<Pt> pts = pointsOf(p);
        Pt first = pts.front(), rail = pt(g::kRailEnd);
        EXPECT_TRUE(first.x > rail.x && first.x - rail.x <= 9 && first.y < rail.y && rail.y - first.y <= 9)
            << "path " << p << " starts at " << first;
        Pt last = pts.back(), entry = pt(g::kEntryPoints[zone]);
        EXPECT_TRUE(std::abs(last.x - entry.x) <= 4 && entry.y > last.y && entry.y - last.y <= 5)
            << "path " << p << " ends at " << last << ", zone " << zone << " begins at " << entry;
    }
}

TEST(No5PathTable, LuckyPathsEndInTheirPocketsAndTheOthersInTheHole)
{
    const Rect hole = {g::kOutHole.x0, g::kOutHole.y0, g::kOutHole.x1, g::kOutHole.y1};
    for (int p = kFirstStage; p < kLeftChannel; p++) {
        int zone = zoneOf(p);
        std::vector<Pt> pts = pointsOf(p);
        EXPECT_EQ(pts.front(), pt(g::kEntryPoints[zone])) << "path " << p;
        Pt last = pts.back();
        bool lostHalf = (zone == 1 || zone == 6) && (p - kFirstStage) % 8 == 4; // their second half's lucky path
        if (!isLucky(p) || lostHalf) {
            EXPECT_EQ(outcomeOf(p), 0) << "path " << p;
            EXPECT_TRUE(hole.has(last)) << "path " << p << " is lost at " << last;
        } else if (zone >= 2 && zone <= 5) { // the zones over the start pocket
            EXPECT_EQ(outcomeOf(p), 5) << "path " << p;
            EXPECT_EQ(last, pt(g::kStartPocket)) << "path " << p;
        } else {
            EXPECT_EQ(outcomeOf(p), 15) << "path " << p;
            bool prize = false;
            for (const g::Pocket& q : g::kPockets)
                prize = prize || (q.code == 15 && pt(q.at) == last);
            EXPECT_TRUE(prize) << "path " << p << " ends at " << last;
            EXPECT_EQ(last.x < 59, zone < 4) << "path " << p; // on the zone's own side
        }
        // no ball runs through a pocket it does not end in
        for (const g::Pocket& q : g::kPockets) {
            if (isLucky(p) && !lostHalf && pt(q.at) == last)
                continue;
            for (Pt r : pts)
                EXPECT_FALSE(std::abs(r.x - q.at.x) <= 2 && std::abs(r.y - q.at.y) <= 2)
                    << "path " << p << " runs through the pocket at " << pt(q.at);
        }
    }
}

TEST(No5PathTable, TheChannelsLieOnTheMouthsRowInTheClosingSweep)
{
    std::vector<Pt> left, v = {{59, 101}, {59, 101}}, right;
    for (int x = 68; x >= 49; x--)
        left.push_back({x, 101});
    for (int x = 49; x <= 69; x++)
        right.push_back({x, 101});
    EXPECT_EQ(pointsOf(kLeftChannel), left);
    EXPECT_EQ(pointsOf(kVChannel), v);
    EXPECT_EQ(pointsOf(kRightChannel), right);
    const Rect sweep = {g::kClosingSweep.x0, g::kClosingSweep.y0, g::kClosingSweep.x1, g::kClosingSweep.y1};
    for (int p : {kLeftChannel, kVChannel, kRightChannel}) {
        EXPECT_EQ(outcomeOf(p), 15);
        for (Pt q : pointsOf(p))
            EXPECT_TRUE(sweep.has(q)) << "path " << p << " at " << q; // no ball is left in the door
    }
}

TEST(No5PathTable, TheGateRunsHiddenIntoTheStartPocketAndBallsComeToItsPoints)
{
    std::vector<Pt> gate = pointsOf(kGate);
    ASSERT_EQ(gate.size(), size_t(g::kGateHiddenPoints + 1));
    for (int k = 0; k < g::kGateHiddenPoints; k++)
        EXPECT_EQ(gate[k], (Pt{0, 0}));
    EXPECT_EQ(gate.back(), pt(g::kStartPocket));
    EXPECT_EQ(outcomeOf(kGate), 5);
    // lost balls come to the gate and past every digit start point
    EXPECT_GE(lowerBoardPathsThrough(pt(g::kGatePoint), true), 4);
    for (const g::Point& d : g::kDigitStartPoints)
        EXPECT_GE(lowerBoardPathsThrough(pt(d)), 1) << pt(d);
    // and a good share of the balls over the mouth cross it at the V's column
    int mouth = 0, v = 0;
    for (int p = kFirstStage; p < kLeftChannel; p++)
        for (Pt q : pointsOf(p))
            if (inMouth(q)) {
                mouth++;
                v += q.x == g::kVColumn;
                break;
            }
    EXPECT_GT(mouth, 20);
    EXPECT_GT(v * 6, mouth);
}

TEST(No5PathTable, AnOpenDoorCatchesEveryBallThatGetsOverIt)
{
    int left = 0, right = 0;
    for (int p = kFirstStage; p < kLeftChannel; p++) {
        std::vector<Pt> pts = pointsOf(p);
        for (size_t i = 0; i < pts.size(); i++) {
            Pt b = pts[i];
            if (inMouth(b)) {
                (b.x < g::kVColumn ? left : right) += 1;
                break; // taken into the door here
            }
            bool overDoor = b.x >= g::kMouthXMin && b.x <= g::kMouthXMax && b.y >= g::kMouthRow
                            && b.y <= g::kDoorBottomRow;
            bool across = i > 0 && pts[i - 1].y < g::kMouthRow && b.y > g::kMouthRow
                          && segmentMeets(pts[i - 1], b, {g::kMouthXMin, g::kMouthRow, g::kMouthXMax, g::kMouthRow});
            EXPECT_FALSE(overDoor || across) << "path " << p << " passes the door at " << b;
        }
    }
    EXPECT_GT(left, 3); // into either side channel
    EXPECT_GT(right, 3);
}

TEST(No5PathTable, EveryWindmillIsTurnedBothWaysAndNoBallSlipsPastOne)
{
    for (const g::Windmill& w : g::kWindmills) {
        const Rect away = {w.awayXMin, w.yMin, w.awayXMax, w.yMax}, towards = {w.towardsXMin, w.yMin, w.towardsXMax, w.yMax};
        const Rect box = {w.awayXMin, w.yMin, w.towardsXMax, w.yMax};
        int a = 0, t = 0;
        for (int p = 0; p < kLeftChannel; p++) {
            std::vector<Pt> pts = pointsOf(p);
            Pt before = p < kFirstStage ? pt(g::kRailEnd) : pts.front();
            for (size_t i = 0; i < pts.size(); i++) {
                Pt from = i == 0 ? before : pts[i - 1], to = pts[i];
                a += away.has(to);
                t += towards.has(to);
                if (segmentMeets(from, to, box)) {
                    bool hit = away.has(from) || towards.has(from) || away.has(to) || towards.has(to);
                    EXPECT_TRUE(hit) << "path " << p << " from " << from << " to " << to << " past windmill "
                                     << w.spinner;
                }
            }
        }
        EXPECT_GT(a, 0) << "windmill " << w.spinner;
        EXPECT_GT(t, 0) << "windmill " << w.spinner;
    }
}

} // namespace
