// Machine No.1's ball path table against the board as its rules state it:
// this file keeps its own copy of the zone list, pockets, windmills and door
// on purpose, as a check independent of no1_board_geometry.h.
#include "machines/five_line/tests/five_line_path_checks.h"
#include "no1_paths.h"

using namespace five_line_path_checks;

namespace {

Expected no1()
{
    Expected e;
    e.table = no1PathTable;
    e.zoneDigits = "0023012300230023" "0223122302230223" "0233123302330233" "0233123302330233"
                   "7544654402237554" "7554655475547554" "7754765477547755" "7755765577757775";
    const Pt entry[8] = {{14, 50}, {25, 44}, {31, 52}, {39, 54}, {79, 54}, {87, 52}, {93, 44}, {104, 50}};
    const int lucky[8] = {15, 15, 6, 6, 6, 6, 15, 15};
    for (int z = 0; z < 8; z++) {
        e.entry[z] = entry[z];
        e.ownStart[z] = false;
        e.luckyCode[z] = lucky[z];
    }
    e.startPocket = {59, 70};
    const Pt prize[4] = {{16, 70}, {102, 70}, {36, 88}, {82, 88}};
    for (int i = 0; i < 4; i++)
        e.prizePockets[i] = prize[i];
    e.startCode = 6;
    e.windmills[0] = {1, {31, 26, 35, 34}, {37, 26, 41, 34}};
    e.windmills[1] = {1, {77, 26, 81, 34}, {83, 26, 87, 34}};
    e.windmills[2] = {2, {32, 59, 35, 67}, {37, 59, 40, 67}};
    e.windmills[3] = {2, {78, 59, 81, 67}, {83, 59, 86, 67}};
    e.catchX0 = 47, e.catchX1 = 71, e.catchRowA = e.catchRowB = 95, e.doorBottomRow = 100;
    for (int x = 70; x >= 48; x -= 2)
        e.leftward.push_back({x, 95});
    e.leftward.push_back({47, 95}); // "x 70 down to 47"
    for (int x = 47; x <= 71; x += 2)
        e.rightward.push_back({x, 95});
    e.reelWindow = {186, 180, 294, 260};
    return e;
}

} // namespace

TEST(No1PathTable, IsOneHundredNinetyFourBlocksOfThirtyPointsAtMost) { checkBlocks(no1()); }
TEST(No1PathTable, ZonesOutcomesAndPocketsAreTheRulesOnes) { checkZonesAndOutcomes(no1()); }
TEST(No1PathTable, BallsFallAFewUnitsAStepAndGoRoundTheReelWindow) { checkMotionAndWindow(no1()); }
TEST(No1PathTable, EveryWindmillTurnsBothWaysAndNoBallSlipsPastOne) { checkWindmills(no1()); }
TEST(No1PathTable, TheDoorCatchesEveryBallOverItAndRunsAsTheRulesSay) { checkDoor(no1()); }
