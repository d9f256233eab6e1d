// Machine No.2's ball path table against the board as its rules state it:
// this file keeps its own copy of the zone list, pockets, windmills, stage
// exits and door on purpose, as a check independent of no2_board_geometry.h.
#include "machines/five_line/tests/five_line_path_checks.h"
#include "no2_paths.h"

using namespace five_line_path_checks;

namespace {

Expected no2()
{
    Expected e;
    e.table = no2PathTable;
    e.zoneDigits = "0112011201120112" "1122011211221122" "1223122212231222" "1223122212231222"
                   "1223655412556554" "6655665566556655" "6655665566556655" "7665766576657665";
    const Pt entry[8] = {{12, 50}, {22, 46}, {30, 52}, {37, 41}, {81, 41}, {88, 52}, {96, 46}, {106, 50}};
    const int lucky[8] = {15, 15, 7, 7, 7, 7, 15, 15};
    for (int z = 0; z < 8; z++) {
        e.entry[z] = entry[z];
        e.ownStart[z] = z == 3 || z == 4; // off the stage: rolling right at x 57, left at x 61
        e.ownStartAt[z] = z == 3 ? Pt{58, 73} : Pt{60, 73};
        e.luckyCode[z] = lucky[z];
    }
    e.startPocket = {59, 77};
    const Pt prize[4] = {{14, 72}, {104, 72}, {34, 90}, {84, 90}};
    for (int i = 0; i < 4; i++)
        e.prizePockets[i] = prize[i];
    e.startCode = 7;
    e.windmills[0] = {1, {21, 29, 25, 37}, {27, 29, 31, 37}};
    e.windmills[1] = {1, {87, 29, 91, 37}, {93, 29, 97, 37}};
    e.windmills[2] = {2, {24, 60, 27, 68}, {29, 60, 32, 68}};
    e.windmills[3] = {2, {86, 60, 89, 68}, {91, 60, 94, 68}};
    e.catchX0 = 47, e.catchX1 = 71, e.catchRowA = 100, e.catchRowB = 102, e.doorBottomRow = 103;
    for (int x = 70; x >= 48; x -= 2)
        e.leftward.push_back({x, 101});
    e.leftward.push_back({47, 101}); // "x 70 down to 47", 47 included
    for (int x = 47; x <= 71; x += 2)
        e.rightward.push_back({x, 101});
    e.reelWindow = {158, 180, 322, 276};
    return e;
}

} // namespace

TEST(No2PathTable, IsOneHundredNinetyFourBlocksOfThirtyPointsAtMost) { checkBlocks(no2()); }
TEST(No2PathTable, ZonesOutcomesAndPocketsAreTheRulesOnes) { checkZonesAndOutcomes(no2()); }
TEST(No2PathTable, BallsFallAFewUnitsAStepAndGoRoundTheReelWindow) { checkMotionAndWindow(no2()); }
TEST(No2PathTable, EveryWindmillTurnsBothWaysAndNoBallSlipsPastOne) { checkWindmills(no2()); }
TEST(No2PathTable, TheDoorCatchesEveryBallOverItAndRunsAsTheRulesSay) { checkDoor(no2()); }

// The stage's exits lead down from the shelf: the lucky ones straight into
// the start pocket under it, the others round it and out.
TEST(No2PathTable, StageExitsLeaveTheShelfDownwards)
{
    for (int p = 152; p < 168; p++) {
        std::vector<Pt> pts = pointsOf(no2PathTable, p);
        EXPECT_GT(pts.front().y, 71) << "path " << p;
        for (Pt q : pts)
            EXPECT_FALSE(q.x >= 45 && q.x <= 73 && q.y >= 70 && q.y <= 72) << "path " << p << " on the shelf at " << q;
    }
}
