// Machine No.5's ball path table: the block format the engine reads, the
// zones and outcomes the launch and the second-stage choice rely on, and the
// board the paths must agree with (windmills, pockets, the digit lottery's
// points and gate, the attacker's channels, the display). The zone list is
// copied here on purpose, as a check of the geometry header's independent
// of it.
#include "machines/no5/no5_board_geometry.h"
#include "machines/no5/no5_paths.h"
#include "machines/one_line/tests/path_checks.h"

namespace {

using namespace pathchecks;
namespace g = no5board;

enum { kLeftChannel = 192, kVChannel = 193, kRightChannel = 194, kGate = 195 };

const char kZoneDigits[] = "0002001200020013"
                           "0203021302230213"
                           "0223021303232313"
                           "2323231323235413"
                           "7454026475547513"
                           "7554756475547564"
                           "7554756475547765"
                           "7777776577777765";

// Prize pockets from zones 0 and 7 and the first half of 1 and 6 (their
// second half's lucky path is lost), the start pocket from 2 to 5.
int luckyCode(int zone, int half)
{
    if (zone >= 2 && zone <= 5)
        return 5;
    return (zone == 1 || zone == 6) && half == 1 ? 0 : 15;
}

Board no5Board()
{
    Board b{kZoneDigits, pt(g::kRailEnd), pt(g::kArcCentre), g::kFieldRadius, {}, rect(g::kCentreFeature),
            rect(g::kOutHole), {}, luckyCode, {}, g::kMouthXMin, g::kMouthXMax, g::kMouthRow,
            g::kMouthRow, g::kDoorBottomRow, kGate, g::kGateHiddenPoints};
    placeFromGeometry(b, g::kEntryPoints, g::kPockets, g::kWindmills);
    return b;
}

const Board kBoard = no5Board();

TEST(No5PathTable, IsOneHundredNinetySixBlocksOnTheBoardRoundTheDisplay)
{
    EXPECT_EQ(sizeof no5PathTable, 196u * 64);
    expectBlockFormat(kTablePaths);
    expectPointsOnTheBoard(kBoard);
}

TEST(No5PathTable, EachStageRunsFromWhereItBeginsToWhereItsCodeSays)
{
    ASSERT_EQ(sizeof kZoneDigits - 1, size_t(kFirstStageCount));
    expectFirstStage(kBoard, g::kZoneDigits);
    expectSecondStage(kBoard);
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
    const Rect sweep = rect(g::kClosingSweep);
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
}

TEST(No5PathTable, AnOpenDoorCatchesEveryBallThatGetsOverItOftenAtTheV)
{
    int left = 0, right = 0, v = 0;
    for (int x : expectTheMouthCatchesAll(kBoard))
        (x < g::kVColumn ? left : x > g::kVColumn ? right : v) += 1;
    EXPECT_GT(left, 3); // into either side channel
    EXPECT_GT(right, 3);
    EXPECT_GT(6 * v, left + right + v); // a good share of them at the V's column
}

TEST(No5PathTable, EveryWindmillIsTurnedBothWaysAndNoBallSlipsPastOne)
{
    expectWindmills(kBoard);
}

} // namespace
