// Machine No.1's fever, board and hall: the rounds and the door, the ending
// and its sounds, the door's capture and landing, the windmills, the fever
// kinds, resets, and records from a file (saved mid-action, or damaged).
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_check.h"
#include "machines/five_line/tests/five_line_testing.h"
#include "no1.h"
#include "no1_board_geometry.h"
#include "no1_lottery.h"

using namespace five_line_testing;

namespace {

MachineState inRound(int round, int tick) { return inFever(312, round, tick); }

} // namespace

TEST(No1Fever, IntroRoundsAndEndingKeepTheirStepsDirtyBitsAndSounds)
{
    MachineState m = inRound(0, 0);
    feverSteps(m, 1);
    EXPECT_EQ(m.soundRequest, 706);
    EXPECT_EQ(m.dirty, 0x40);
    feverSteps(m, 127);
    EXPECT_EQ(m.round, 1);
    EXPECT_EQ(m.modeTick, 0);
    feverSteps(m, 1);
    EXPECT_EQ(m.soundRequest, 707); // the round's first step
    feverSteps(m, 63);
    EXPECT_EQ(m.attackerOpen, 1);
    EXPECT_EQ(m.soundRequest, kSoundRequestStopAll);
    EXPECT_NE(m.dirty & 0x20, 0);
    // the time limit, no V: straight to the ending
    m.dirty = 0;
    feverSteps(m, 960 - 64 - 1);
    EXPECT_EQ(m.attackerOpen, 1);
    feverSteps(m, 1);
    EXPECT_EQ(m.attackerOpen, 0);
    EXPECT_EQ(m.round, 17);
    EXPECT_EQ(m.dirty, 0x60);
    // the ending stops the round music as it starts and when it is over
    feverSteps(m, 1);
    EXPECT_EQ(m.soundRequest, kSoundRequestStopAll);
    m.soundRequest = 0;
    feverSteps(m, 254);
    EXPECT_EQ(m.mode, 3);
    m.startsSincePrize = 9;
    feverSteps(m, 1);
    EXPECT_EQ(m.mode, 1);
    EXPECT_EQ(m.soundRequest, kSoundRequestStopAll);
    EXPECT_EQ(m.dirty & 0x41, 0x41);
    EXPECT_EQ(m.startsSincePrize, 0);
    EXPECT_EQ(m.round + m.modeTick + m.vHit + m.attackerCount + m.actionTick, 0);
}

TEST(No1Fever, TheDoorClosesOnItsTenthBallAndAVContinues)
{
    MachineState m = inRound(3, 100);
    m.attackerOpen = 1;
    m.attackerCount = 9;
    feverSteps(m, 1);
    EXPECT_EQ(m.attackerOpen, 1);
    m.attackerCount = 10;
    m.vHit = 1;
    feverSteps(m, 1);
    EXPECT_EQ(m.attackerOpen, 0);
    EXPECT_EQ(m.round, 4);
    EXPECT_EQ(m.attackerCount + m.vHit + m.modeTick, 0);
    // a V in round 16 still ends the fever
    m = inRound(16, 500);
    m.attackerOpen = 1;
    m.attackerCount = 10;
    m.vHit = 1;
    feverSteps(m, 1);
    EXPECT_EQ(m.round, 17);
}

TEST(No1Fever, ClosingDoorPaysTheBallsInItsMouth)
{
    MachineState m = inRound(2, 959);
    m.attackerOpen = 1;
    setBallPosition(m.ballSlot[0], 50, 95); // on a door run
    m.ballSlot[0].state = 3;
    m.ballSlot[0].path = kDoorLeftward;
    setBallPosition(m.ballSlot[1], 46, 92); // beside the mouth
    m.ballSlot[1].state = 3;
    setBallPosition(m.ballSlot[2], 71, 90);
    m.ballSlot[2].state = 3;
    feverSteps(m, 1);
    EXPECT_EQ(m.pendingPrizePayouts, 2);
    EXPECT_EQ(m.ballSlot[0].state, 0);
    EXPECT_EQ(m.ballSlot[1].state, 3);
    EXPECT_EQ(m.ballSlot[2].state, 0);
    EXPECT_EQ(m.attackerCount, 0); // paid, not counted
}

TEST(No1Fever, LoadedTimersPastTheirMarkStillMoveOn)
{
    MachineState m = inRound(0, 5000);
    feverSteps(m, 1);
    EXPECT_EQ(m.round, 1);
    m = inRound(7, 5000);
    feverSteps(m, 1);
    EXPECT_EQ(m.round, 17);
    m = inRound(17, 5000);
    feverSteps(m, 1);
    EXPECT_EQ(m.mode, 1);
    m = inRound(23, 3); // a round no rule sets: the ending, from its start
    feverSteps(m, 1);
    EXPECT_EQ(m.round, 17);
    EXPECT_EQ(m.soundRequest, kSoundRequestStopAll);
}

TEST(No1Board, TheOpenDoorCatchesOddAndEvenColumnsOnceAndJoinsAtTheirX)
{
    MachineState m = inRound(1, 100);
    m.attackerOpen = 1;
    struct {
        int x, path, joinX;
    } const rows[] = {{71, kDoorLeftward, 70}, {57, kDoorLeftward, 56}, {47, kDoorLeftward, 47},
                      {48, kDoorRightward, 49}, {70, kDoorRightward, 71}, {47 + 1, kDoorRightward, 49}};
    for (auto r : rows) {
        BallSlot b = {3, 5, 150, 0};
        setBallPosition(b, r.x, 95);
        EXPECT_EQ(modelSecondStageBall(m, b), kBallGoesOn);
        EXPECT_EQ(b.path, r.path) << r.x;
        EXPECT_EQ(modelPathEntry(b.path, b.step)[0], r.joinX) << r.x;
    }
    // a ball already in the door is not taken again
    BallSlot b = {3, 4, kDoorRightward, 0};
    setBallPosition(b, 55, 95);
    modelSecondStageBall(m, b);
    EXPECT_EQ(b.path, kDoorRightward);
    EXPECT_EQ(b.step, 4);
    // off the row, or the door shut: nothing
    b = {3, 5, 150, 0};
    setBallPosition(b, 55, 94);
    modelSecondStageBall(m, b);
    EXPECT_EQ(b.path, 150);
    m.attackerOpen = 0;
    setBallPosition(b, 55, 95);
    modelSecondStageBall(m, b);
    EXPECT_EQ(b.path, 150);
    // past the run's end the search stops at the end mark: the last point
    EXPECT_EQ(modelPathEntry(kDoorRightward, doorJoinStep(kDoorRightward, 90))[0], 71);
    EXPECT_EQ(modelPathEntry(kDoorLeftward, doorJoinStep(kDoorLeftward, 10))[0], 47);
}

TEST(No1Board, LandingPaysCountsTheDoorAndTheV)
{
    MachineState m = inRound(1, 100);
    m.heldStarts = 4;
    BallSlot b = {4, 0, 140, 0};
    modelLandBall(m, b, no1board::kCodeStartPocket);
    EXPECT_EQ(m.pendingStartPayouts, 1); // paid at four held starts too
    EXPECT_EQ(m.heldStarts, 4);
    payOut(m);
    EXPECT_EQ(m.balls, 6);
    b.path = kDoorLeftward;
    modelLandBall(m, b, kCodePrizePocket);
    EXPECT_EQ(m.attackerCount, 1);
    EXPECT_EQ(m.vHit, 0);
    EXPECT_NE(m.dirty & 0x40, 0);
    b.path = kDoorRightward;
    modelLandBall(m, b, kCodePrizePocket);
    EXPECT_EQ(m.vHit, 1);
    EXPECT_EQ(m.pendingPrizePayouts, 2);
    modelLandBall(m, b, 0);
    EXPECT_EQ(m.pendingPrizePayouts, 2);
}

TEST(No1Board, WindmillsTurnInTheirZonesAndSlowDown)
{
    MachineState m = standingMachine(312);
    modelUpperBoardHit(m, 33, 30);
    EXPECT_EQ(m.spinner[0], -18);
    modelUpperBoardHit(m, 84, 26);
    EXPECT_EQ(m.spinner[1], 18);
    modelUpperBoardHit(m, 36, 30); // the axle
    EXPECT_EQ(m.spinner[0], -18);
    m.spinner[2] = 4;
    modelLowerBoardHit(m, 38, 67);
    EXPECT_EQ(m.spinner[2], 25); // the phase (4 % 3) kept
    modelLowerBoardHit(m, 80, 60);
    EXPECT_EQ(m.spinner[3], -24);
    modelLowerBoardHit(m, 80, 58); // above the band
    EXPECT_EQ(m.spinner[3], -24);
    animClock = AnimClock{};
    animClock.count64 = 16;
    m.spinner[0] = 6;
    m.spinner[2] = 8;
    modelSlowWindmills(m);
    EXPECT_EQ(m.spinner[0], 5); // beyond its limit: every step
    EXPECT_EQ(m.spinner[2], 8); // within: only when count64 is 0
}

TEST(No1Hall, FeverKindsBySymbol)
{
    struct {
        int symbol, before, after;
    } const rows[] = {{1, 0, 3}, {1, 2, 3}, {3, 0, 2}, {3, 1, 1}, {3, 3, 3}, {4, 0, 1},
                      {4, 2, 1}, {4, 3, 3}, {2, 0, 1}, {5, 2, 2}, {6, 3, 3}, {6, 1, 1}};
    for (auto r : rows) {
        MachineState m = standingMachine(312);
        m.reachSymbol = r.symbol;
        m.feverKind = r.before;
        EXPECT_EQ(modelFeverKind(m), r.after) << r.symbol << " " << r.before;
    }
    EXPECT_EQ(modelAbsenceLostBalls(), 600);
    EXPECT_FALSE(modelInChanceState(standingMachine(312)));
}

TEST(No1Hall, ResetsStandTheReelsStillOnNoWin)
{
    for (uint32_t seed = 0; seed < 300; seed++) {
        seedRandom(seed);
        MachineState m = inRound(5, 40);
        m.spinPhase = 3;
        m.drawOutcome = 7;
        m.spinner[1] = 20;
        m.reelTravel[1] = 100;
        resetMachineRecord(m, kResetClear);
        MachineState c = m;
        for (int r = 0; r < 3; r++) {
            EXPECT_EQ(m.reelTravel[r], 0);
            EXPECT_GE(m.reelPos[r], 1);
            EXPECT_LE(m.reelPos[r], 336);
            EXPECT_EQ(m.reelPos[r] % 24, 0);
        }
        EXPECT_EQ(m.spinPhase + m.drawOutcome + m.spinner[1] + m.reachLine + m.reachSymbol, 0);
        if (winCheck(c))
            ADD_FAILURE() << "seed " << seed << " shows a win after the reset";
        resetMachineRecord(m, kResetNewDay);
        for (int r = 0; r < 3; r++)
            EXPECT_EQ(m.reelPos[r], 312);
    }
    // kind 2 keeps the display as it is
    MachineState m = inRound(5, 40);
    m.reelPos[1] = 100;
    m.spinner[3] = -7;
    resetMachineRecord(m, kResetVacate);
    EXPECT_EQ(m.reelPos[1], 100);
    EXPECT_EQ(m.spinner[3], -7);
    EXPECT_EQ(m.mode, 3);
}

TEST(No1Records, SavedMidSlideAndMidActionLoadAndFinish)
{
    MachineState m = standingMachine(312);
    m.drawOutcome = kStopGoSlideBackWin;
    seedRandom(seedForDraws(6, 4, 5, 1)); // symbol 5 on line 2
    setUpReels(m);
    bool sawSlide = false, sawStopGo = false;
    for (int guard = 0; guard < 3000 && m.mode == 2; guard++) {
        MachineState saved = m; // what a save at this step writes
        ASSERT_TRUE(repairMachineRecord(saved)) << "step " << guard << " phase " << m.spinPhase;
        if (m.reelTravel[kMiddleReel] == -20 || (m.spinPhase == kPhaseStopGo && m.actionTick == 5)) {
            sawSlide |= m.reelTravel[kMiddleReel] == -20;
            sawStopGo |= m.spinPhase == kPhaseStopGo && m.reelTravel[kMiddleReel] > 0;
            MachineState loaded = saved;
            EXPECT_EQ(runSpin(loaded).finalMode, 3);
            EXPECT_EQ(loaded.reachSymbol, 5);
        }
        m.modeTick += 1;
        spinStep(m);
    }
    EXPECT_TRUE(sawSlide);
    EXPECT_TRUE(sawStopGo);
    EXPECT_EQ(m.mode, 3);
}

TEST(No1Records, TheCheckRefusesWordsThatWouldFreezeOrIndexOutside)
{
    auto valid = [](void (*spoil)(MachineState&)) {
        MachineState m = standingMachine(312);
        spoil(m);
        return repairMachineRecord(m);
    };
    EXPECT_TRUE(valid([](MachineState&) {}));
    EXPECT_TRUE(valid([](MachineState& m) { m.reelPos[0] = 336; }));
    EXPECT_TRUE(valid([](MachineState& m) { m.reelPos[0] = 1; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.reelPos[0] = 0; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.reelPos[2] = 337; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.spinPhase = 5; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.drawOutcome = 9; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.reachSymbol = 7; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.reachLine = 7; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.reelTravel[1] = 1 << 30; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.reelTravel[0] = -32; })); // a slide only on the middle reel in its action
    EXPECT_TRUE(valid([](MachineState& m) { m.spinPhase = kPhaseSlow; m.reelTravel[1] = -32; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.spinner[0] = INT32_MIN; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.reelBoost[0] = 15; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.vHit = 65; }));
    EXPECT_FALSE(valid([](MachineState& m) { m.ballSlot[0].state = 5; }));
}

TEST(No1Records, DamagedButAcceptedRecordsNeverFreezeAMachine)
{
    // every record the check accepts plays on: within 100,000 steps it is
    // idle again (mode 0 or 1) or has started a new spin
    seedRandom(99);
    for (int trial = 0; trial < 300; trial++) {
        MachineState m = standingMachine(312);
        m.mode = 2 + randomNext() % 2;
        m.spinPhase = randomNext() % 5;
        m.drawOutcome = randomNext() % 9;
        m.reachLine = randomNext() % 7;
        m.reachSymbol = randomNext() % 7;
        m.modeTick = randomNext() % 2000;
        m.round = randomNext() % 18;
        m.attackerCount = randomNext() % 12;
        m.actionTick = randomNext() % 50;
        for (int r = 0; r < 3; r++) {
            m.reelPos[r] = 1 + randomNext() % 336;
            m.reelTravel[r] = randomNext() % 5000 - (r == 1 ? 32 : 2);
            m.reelBoost[r] = randomNext() % 15;
        }
        if (!repairMachineRecord(m))
            continue;
        int steps = 0;
        while (m.mode >= 2 && steps < 100000) {
            machineStep(m);
            steps++;
        }
        EXPECT_LT(steps, 100000) << "trial " << trial << " still in mode " << m.mode;
    }
}
