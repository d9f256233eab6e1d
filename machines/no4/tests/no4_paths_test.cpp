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

enum { kDoorLeftward = 192, kDoorRightward = 193, kLeftWing = 194, kRightWing = 195 };

const char kZoneDigits[] = "0001001100110001"
                           "2113113321331133"
                           "2133113321331133"
                           "2333133323331333"
                           "2333163426346644"
                           "5644664456441644"
                           "5644664456447766"
                           "7766777677767776";

// Prize pockets from zones 0, 1, 6 and 7, the start pocket from 2 to 5.
int luckyCode(int zone, int) { return zone >= 2 && zone <= 5 ? 5 : 15; }

Board no4Board()
{
    Board b{kZoneDigits, pt(g::kRailEnd), pt(g::kArcCentre), g::kFieldRadius, {}, rect(g::kCentreFeature),
            rect(g::kOutHole), {}, luckyCode, {}, g::kMouthXMin, g::kMouthXMax, g::kMouthUpperRow,
            g::kMouthLowerRow, g::kDoorBottomRow, -1, 0};
    placeFromGeometry(b, g::kEntryPoints, g::kPockets, g::kWindmills);
    return b;
}

const Board kBoard = no4Board();

TEST(No4PathTable, IsOneHundredNinetySixBlocksOnTheBoardRoundTheDisplay)
{
    EXPECT_EQ(sizeof no4PathTable, 196u * 64);
    expectBlockFormat(kTablePaths);
    expectPointsOnTheBoard(kBoard);
}

TEST(No4PathTable, EachStageRunsFromWhereItBeginsToWhereItsCodeSays)
{
    ASSERT_EQ(sizeof kZoneDigits - 1, size_t(kFirstStageCount));
    expectFirstStage(kBoard, g::kZoneDigits);
    expectSecondStage(kBoard);
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
    const Rect sweep = rect(g::kClosingSweep);
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
    for (int x : expectTheMouthCatchesAll(kBoard))
        (x % 2 ? odd : even) += 1;
    EXPECT_GT(odd, 3); // odd columns join the leftward run, even ones the rightward
    EXPECT_GT(even, 3);
}

TEST(No4PathTable, EveryWindmillIsTurnedBothWaysAndNoBallSlipsPastOne)
{
    expectWindmills(kBoard);
}

} // namespace
