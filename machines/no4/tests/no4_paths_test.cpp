// Machine No.4's ball path table: the block format the engine reads, the
// zones and outcomes the launch and the second-stage choice rely on, and the
// board the paths must agree with (windmills, pockets, wings, the attacker
// and its V, the display). The zone list is copied here on purpose, as a
// check of the geometry header's independent of it.
#include "machines/no4/no4_board_geometry.h"
#include "machines/no4/no4_paths.h"
#include "machines/one_line/tests/path_checks.h"

namespace {

using namespace pathchecks;
namespace g = no4board;

enum { kPaths = 196, kFirstStage = 128, kDoorLeftward = 192, kDoorRightward = 193, kLeftWing = 194, kRightWing = 195 };

const char kZoneDigits[] = "0001001100110001"
                           "2113113321331133"
                           "2133113321331133"
                           "2333133323331333"
                           "2333163426346644"
                           "5644664456441644"
                           "5644664456447766"
                           "7766777677767776";

Pt pt(g::Point p) { return {p.x, p.y}; }

bool isLucky(int path) { return (path - kFirstStage) % 4 == 0; }
int zoneOf(int path) { return (path - kFirstStage) / 8; }

bool inMouth(Pt p)
{
    return p.x >= g::kMouthXMin && p.x <= g::kMouthXMax && (p.y == g::kMouthUpperRow || p.y == g::kMouthLowerRow);
}

TEST(No4PathTable, IsOneHundredNinetySixBlocksOfThirtyTwoEntries)
{
    EXPECT_EQ(sizeof no4PathTable, 196u * 64);
    expectBlockFormat(kPaths);
}

TEST(No4PathTable, PointsAreShownInsideTheBoardAndRoundTheDisplay)
{
    const Rect display = {g::kCentreFeature.x0, g::kCentreFeature.y0, g::kCentreFeature.x1, g::kCentreFeature.y1};
    for (int p = 0; p < kPaths; p++) {
        std::vector<Pt> pts = pointsOf(p);
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
        expectShortSteps(p);
    }
}

TEST(No4PathTable, FirstStagePathsComeOffTheRailAndEndAStepAboveTheirZone)
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

TEST(No4PathTable, LuckyPathsEndInTheirPocketsAndTheOthersInTheHole)
{
    const Rect hole = {g::kOutHole.x0, g::kOutHole.y0, g::kOutHole.x1, g::kOutHole.y1};
    for (int p = kFirstStage; p < kDoorLeftward; p++) {
        int zone = zoneOf(p);
        std::vector<Pt> pts = pointsOf(p);
        EXPECT_EQ(pts.front(), pt(g::kEntryPoints[zone])) << "path " << p;
        Pt last = pts.back();
        if (!isLucky(p)) {
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
            if (isLucky(p) && pt(q.at) == last)
                continue;
            for (Pt r : pts)
                EXPECT_FALSE(std::abs(r.x - q.at.x) <= 2 && std::abs(r.y - q.at.y) <= 2)
                    << "path " << p << " runs through the pocket at " << pt(q.at);
        }
    }
}

TEST(No4PathTable, TheAttackersRunsLieInTheClosingSweepAndPassTheV)
{
    std::vector<Pt> leftward, rightward;
    for (int x = 70; x >= 48; x -= 2)
        leftward.push_back({x, 94});
    for (int x = 48; x <= 70; x += 2)
        rightward.push_back({x, 94});
    EXPECT_EQ(pointsOf(kDoorLeftward), leftward);
    EXPECT_EQ(pointsOf(kDoorRightward), rightward);
    const Rect sweep = {g::kClosingSweep.x0, g::kClosingSweep.y0, g::kClosingSweep.x1, g::kClosingSweep.y1};
    for (int p : {kDoorLeftward, kDoorRightward}) {
        EXPECT_EQ(outcomeOf(p), 15);
        int inV = 0;
        for (Pt q : pointsOf(p)) {
            EXPECT_TRUE(sweep.has(q)) << "path " << p << " at " << q; // no ball is left in the door
            inV += q.x >= g::kVXMin && q.x <= g::kVXMax;
        }
        EXPECT_GE(inV, 2) << "path " << p;
    }
}

TEST(No4PathTable, TheWingsRunFromTheirCatchPointsIntoTheStartPocket)
{
    for (int p : {kLeftWing, kRightWing}) {
        std::vector<Pt> pts = pointsOf(p);
        EXPECT_EQ(outcomeOf(p), 5) << "path " << p;
        EXPECT_EQ(pts.back(), pt(g::kStartPocket)) << "path " << p;
        const g::Point* catches = p == kLeftWing ? g::kLeftWingCatch : g::kRightWingCatch;
        for (int k = 0; k < 2; k++) { // the first point is a step from either catch point
            EXPECT_LE(std::abs(pts.front().x - catches[k].x), 4) << "path " << p;
            EXPECT_LE(std::abs(pts.front().y - catches[k].y), 3) << "path " << p;
        }
    }
    // lost balls come past every catch point, so open wings have balls to take
    for (const g::Point& c : {g::kLeftWingCatch[0], g::kLeftWingCatch[1], g::kRightWingCatch[0], g::kRightWingCatch[1]})
        EXPECT_GE(lowerBoardPathsThrough(pt(c), true), 1) << pt(c);
}

TEST(No4PathTable, AnOpenDoorCatchesEveryBallThatGetsOverItAtBothParities)
{
    int odd = 0, even = 0;
    for (int p = kFirstStage; p < kDoorLeftward; p++) {
        std::vector<Pt> pts = pointsOf(p);
        for (size_t i = 0; i < pts.size(); i++) {
            Pt b = pts[i];
            if (inMouth(b)) {
                (b.x % 2 ? odd : even) += 1;
                break; // taken into the door here
            }
            bool overDoor = b.x >= g::kMouthXMin && b.x <= g::kMouthXMax && b.y >= g::kMouthUpperRow
                            && b.y <= g::kDoorBottomRow;
            bool across = i > 0 && pts[i - 1].y < g::kMouthUpperRow && b.y > g::kMouthLowerRow
                          && segmentMeets(pts[i - 1], b, {g::kMouthXMin, g::kMouthUpperRow, g::kMouthXMax, g::kMouthLowerRow});
            EXPECT_FALSE(overDoor || across) << "path " << p << " passes the door at " << b;
        }
    }
    EXPECT_GT(odd, 3); // odd columns join the leftward run, even ones the rightward
    EXPECT_GT(even, 3);
}

TEST(No4PathTable, EveryWindmillIsTurnedBothWaysAndNoBallSlipsPastOne)
{
    for (const g::Windmill& w : g::kWindmills) {
        const Rect away = {w.awayXMin, w.yMin, w.awayXMax, w.yMax}, towards = {w.towardsXMin, w.yMin, w.towardsXMax, w.yMax};
        const Rect box = {w.awayXMin, w.yMin, w.towardsXMax, w.yMax};
        int a = 0, t = 0;
        for (int p = 0; p < kDoorLeftward; p++) {
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
