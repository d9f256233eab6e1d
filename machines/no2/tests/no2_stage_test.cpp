// Machine No.2's board: the stage from its entry to its exits, the door's
// capture on its two rows, the V ball taken unpaid and uncounted, the tenth
// counted ball; its fever's steps and sounds; fever kinds, resets and
// records from a file (saved mid-stage or mid-revival, or damaged).
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_check.h"
#include "machines/five_line/tests/five_line_testing.h"
#include "no2.h"
#include "no2_board_geometry.h"
#include "no2_lottery.h"

using namespace five_line_testing;
using namespace no2board;

namespace {

MachineState inRound(int round, int tick) { return inFever(480, round, tick); }

// A ball's life on the stage: where it was each step until it dropped.
struct StageRun {
    int dropStep = -1, dropX = -1, dropPath = -1;
    int firstShown = -1, firstX = -1;
    int passes = 0; // steps over a drop point in its direction
};

StageRun rollOnStage(int code, uint32_t seed)
{
    seedRandom(seed);
    MachineState m = standingMachine(480);
    BallSlot b = {3, 0, 0, 0};
    modelChooseSecondStage(m, b, code);
    EXPECT_EQ(b.state, kStageState);
    StageRun r;
    for (int step = 1; step <= 200 && b.state == kStageState; step++) {
        int x = ballX(b);
        bool right = b.path == kStageRightward;
        if (b.step >= kStageFirstRunSteps && ((right && x == kStageDropRight) || (!right && x == kStageDropLeft)))
            r.passes++;
        modelOwnBallStep(m, b);
        if (r.firstShown < 0 && ballX(b) != 0) {
            r.firstShown = step;
            r.firstX = ballX(b);
        }
        if (b.state == kStageState) {
            EXPECT_TRUE(modelBallSlotIsValid(b)) << "step " << step; // a save here loads
            if (ballX(b) != 0) {
                EXPECT_EQ(ballY(b), kStageRow);
                EXPECT_GE(ballX(b), kStageLeft);
                EXPECT_LE(ballX(b), kStageRight);
            }
        } else {
            r.dropStep = step;
            r.dropX = x;
            r.dropPath = b.path;
            EXPECT_EQ(b.state, 3);
            EXPECT_EQ(b.step, 0);
        }
    }
    return r;
}

} // namespace

TEST(No2Stage, BallsOfTheMiddleZonesRollOnTheStageAndDropOverItsMiddle)
{
    int drops[2] = {0, 0}, early = 0;
    for (int code : {kStageRightward, kStageLeftward})
        for (uint32_t seed = 0; seed < 400; seed++) {
            StageRun r = rollOnStage(code, seed);
            ASSERT_GT(r.dropStep, 0) << "a stage ball that never dropped";
            EXPECT_EQ(r.firstShown, kStageHiddenSteps); // hidden for seven steps
            EXPECT_EQ(r.firstX, code == kStageRightward ? kStageLeft : kStageRight);
            EXPECT_TRUE(r.dropX == kStageDropRight || r.dropX == kStageDropLeft);
            int direction = r.dropX == kStageDropRight ? kStageRightward : kStageLeftward;
            // the exit paths of the direction it rolled: 152..159 rolling right, 160..167 left
            EXPECT_GE(r.dropPath, 128 + direction);
            EXPECT_LE(r.dropPath, 128 + direction + 7);
            EXPECT_LE(r.dropStep, kStageForcedDrop + 17); // the first pass after step 64 at the latest
            drops[direction == kStageLeftward]++;
            early += r.dropStep < kStageForcedDrop;
        }
    EXPECT_GT(drops[0], 0);
    EXPECT_GT(drops[1], 0);
    EXPECT_GT(early, 400); // most drop on a chance of 1 in 3 before the forced drop
}

TEST(No2Stage, ABallLeftOnTheStageLongPastTheForcedDropGoesDownAtOnce)
{
    MachineState m = standingMachine(480);
    BallSlot b = {kStageState, kStageGiveUp - 1, kStageRightward, 0};
    setBallPosition(b, 54, kStageRow); // an even column never over a drop point
    modelOwnBallStep(m, b);
    EXPECT_EQ(b.state, 3);
    EXPECT_GE(b.path, 152);
    EXPECT_LE(b.path, 159);
    // one that cannot be followed is freed
    b = {kStageState, 20, 40, 0};
    EXPECT_FALSE(modelBallSlotIsValid(b));
    modelOwnBallStep(m, b);
    EXPECT_EQ(b.state, 0);
}

TEST(No2Stage, AStageBallKeepsRollingThroughAVacateAndFinishesAfterALoad)
{
    HallTest::SetUpTestSuite();
    std::memset(shops, 0, sizeof shops);
    MachineState& m = shops[0].machines[3];
    resetMachineRecord(m, kResetNew);
    BallSlot& b = m.ballSlot[2];
    modelChooseSecondStage(m, b, kStageLeftward);
    for (int i = 0; i < 20; i++)
        advanceBalls(m);
    ASSERT_EQ(b.state, kStageState);
    resetMachine(0, 3, kResetVacate);
    EXPECT_EQ(b.state, kStageState);
    MachineState saved = m;
    ASSERT_TRUE(repairMachineRecord(saved));
    int landed = 0;
    for (int i = 0; i < 200 && saved.ballSlot[2].state != 0; i++) {
        landed = saved.pendingStartPayouts;
        advanceBalls(saved);
    }
    EXPECT_EQ(saved.ballSlot[2].state, 0);
    (void)landed;
}

TEST(No2Board, TheOpenDoorCatchesOnItsTwoRowsOddAndEven)
{
    MachineState m = inRound(1, 100);
    m.attackerOpen = 1;
    m.vHit = 1; // the V taken already: balls run their whole way
    for (int row : {100, 102})
        for (int x : {47, 48, 55, 66, 71}) {
            BallSlot b = {3, 5, 150, 0};
            setBallPosition(b, x, row);
            EXPECT_EQ(modelSecondStageBall(m, b), kBallGoesOn);
            EXPECT_EQ(b.path, x % 2 ? kDoorLeftward : kDoorRightward) << x << " " << row;
            int joined = modelPathEntry(b.path, b.step)[0];
            EXPECT_TRUE(x % 2 ? joined <= x : joined >= x) << x;
            EXPECT_LE(std::abs(joined - x), 2) << x; // at its x or the next point on
        }
    BallSlot b = {3, 5, 150, 0};
    setBallPosition(b, 55, 101);
    modelSecondStageBall(m, b);
    EXPECT_EQ(b.path, 150); // between the rows: not caught
    // door run 192 ends at 47, 193 at 71, along row 101
    EXPECT_EQ(modelPathEntry(kDoorLeftward, doorJoinStep(kDoorLeftward, 47))[0], 47);
    EXPECT_EQ(modelPathEntry(kDoorRightward, doorJoinStep(kDoorRightward, 90))[0], 71);
    EXPECT_EQ(modelPathEntry(kDoorLeftward, 0)[1], 101);
}

TEST(No2Board, TheFirstBallOverTheVIsTakenUnpaidAndTheTenthCountedClosesTheDoor)
{
    MachineState m = inRound(4, 64);
    m.attackerOpen = 1;
    m.dirty = 0;
    BallSlot b = {3, 0, kDoorRightward, 0};
    int removedAt = -1;
    for (int i = 0; i < 20 && b.state == 3; i++) {
        const unsigned char* p = modelPathEntry(b.path, b.step);
        setBallPosition(b, p[0], p[1]);
        b.step += 1;
        if (modelSecondStageBall(m, b) == kBallRemoved) {
            removedAt = modelPathEntry(b.path, b.step)[0];
            break;
        }
    }
    EXPECT_GE(removedAt, kVZoneX0);
    EXPECT_LE(removedAt, kVZoneX1);
    EXPECT_EQ(m.vHit, 1);
    EXPECT_NE(m.dirty & 0x20, 0);
    EXPECT_EQ(m.pendingPrizePayouts + m.attackerCount, 0);
    // the next one runs on over the V and pays at the end
    b = {3, 0, kDoorLeftward, 0};
    for (int i = 0; i < 20; i++) {
        const unsigned char* p = modelPathEntry(b.path, b.step);
        setBallPosition(b, p[0], p[1]);
        b.step += 1;
        ASSERT_EQ(modelSecondStageBall(m, b), kBallGoesOn);
        if (isPathEnd(b.path, b.step))
            break;
    }
    modelLandBall(m, b, no2board::kCodePrizePocket);
    EXPECT_EQ(m.pendingPrizePayouts, 1);
    EXPECT_EQ(m.attackerCount, 1);
    m.attackerCount = 10;
    feverSteps(m, 1);
    EXPECT_EQ(m.attackerOpen, 0);
    EXPECT_EQ(m.round, 5);
    EXPECT_EQ(m.dirty & 0x20, 0x20);
}

TEST(No2Board, StartPocketPaysSevenAtFourHeldStartsAndWindmillsTurn)
{
    MachineState m = standingMachine(480);
    m.heldStarts = 4;
    BallSlot b = {4, 0, 152, 0};
    modelLandBall(m, b, kCodeStartPocket);
    EXPECT_EQ(m.heldStarts, 4);
    payOut(m);
    EXPECT_EQ(m.balls, 7);
    modelUpperBoardHit(m, 23, 29);
    EXPECT_EQ(m.spinner[0], -18);
    modelUpperBoardHit(m, 95, 37);
    EXPECT_EQ(m.spinner[1], 18);
    modelLowerBoardHit(m, 30, 60);
    EXPECT_EQ(m.spinner[2], 24);
    modelLowerBoardHit(m, 86, 68);
    EXPECT_EQ(m.spinner[3], -24);
    modelLowerBoardHit(m, 90, 64); // the axle
    EXPECT_EQ(m.spinner[3], -24);
}

TEST(No2Fever, IntroRoundsAndEndingKeepTheirStepsDirtyBitsAndSounds)
{
    MachineState m = inRound(0, 0);
    feverSteps(m, 1);
    EXPECT_EQ(m.soundRequest, 706);
    EXPECT_EQ(m.dirty, 0); // no redraw at the intro
    feverSteps(m, 128);
    EXPECT_EQ(m.soundRequest, 707);
    feverSteps(m, 959);
    EXPECT_EQ(m.round, 17); // the time limit without a V
    feverSteps(m, 1);
    EXPECT_EQ(m.soundRequest, kSoundRequestStopAll);
    feverSteps(m, 1);
    EXPECT_EQ(m.soundRequest, 710);
    feverSteps(m, 254);
    EXPECT_EQ(m.mode, 1);
    EXPECT_EQ(m.soundRequest, kSoundRequestStopAll);
    EXPECT_EQ(m.dirty & 1, 1);
}

TEST(No2Hall, FeverKindsBySymbolAndTheCatchUp)
{
    struct {
        int symbol, before, after;
    } const rows[] = {{1, 0, 3}, {1, 1, 3}, {2, 0, 2}, {2, 1, 1}, {2, 3, 3}, {3, 0, 1},
                      {3, 2, 1}, {3, 3, 3}, {4, 0, 1}, {8, 2, 2}, {5, 3, 3}, {7, 1, 1}};
    for (auto r : rows) {
        MachineState m = standingMachine(480);
        m.reachSymbol = r.symbol;
        m.feverKind = r.before;
        EXPECT_EQ(modelFeverKind(m), r.after) << r.symbol << " " << r.before;
    }
    EXPECT_EQ(modelAbsenceLostBalls(), 500);
    // a prize period: kind 2 on an even draw unless the machine holds 3
    int kinds[4] = {};
    for (uint32_t seed = 0; seed < 3000; seed++) {
        seedRandom(seed);
        MachineState m = standingMachine(480);
        m.luckReserve = 5;
        m.balls = 100;
        if (!modelAbsencePrize(m))
            continue;
        kinds[m.feverKind]++;
        EXPECT_EQ(m.luckReserve, 4);
        EXPECT_GE(m.balls, 100 + 1880 - 8 * 79);
        EXPECT_LE(m.balls, 100 + 1880);
        EXPECT_GE(m.startsSincePrize, 40);
    }
    EXPECT_GT(kinds[2], 0);
    EXPECT_GT(kinds[3], 0);
}

TEST(No2Hall, ResetsStandTheReelsOnCellsInRange)
{
    for (uint32_t seed = 0; seed < 300; seed++) {
        seedRandom(seed);
        MachineState m = inRound(3, 9);
        resetMachineRecord(m, kResetClear);
        MachineState c = m;
        EXPECT_FALSE(winCheck(c)) << "seed " << seed;
        for (int r = 0; r < 3; r++) {
            EXPECT_GE(m.reelPos[r], 25);
            EXPECT_LE(m.reelPos[r], 528);
            EXPECT_EQ(m.reelPos[r] % 24, 0);
        }
        resetMachineRecord(m, kResetNew);
        for (int r = 0; r < 3; r++)
            EXPECT_EQ(m.reelPos[r], 480);
    }
}

TEST(No2Records, SavedMidRevivalLoadsAndFinishesAndDamagedOnesNeverFreeze)
{
    MachineState m = standingMachine(480);
    m.drawOutcome = kRevivalWin;
    seedRandom(seedForDraws(8, 5, 5, 0)); // symbol 6 on line 1
    setUpReels(m);
    bool saw = false;
    for (int guard = 0; guard < 4000 && m.mode == 2; guard++) {
        MachineState saved = m;
        ASSERT_TRUE(repairMachineRecord(saved)) << guard;
        if (m.reelTravel[kMiddleReel] == -90 || m.reelTravel[kMiddleReel] == -40) {
            saw = true;
            EXPECT_EQ(runSpin(saved).finalMode, 3);
            EXPECT_EQ(saved.reachSymbol, 6);
        }
        m.modeTick += 1;
        spinStep(m);
    }
    EXPECT_TRUE(saw);
    // refused: what would freeze or index outside
    auto valid = [](void (*spoil)(MachineState&)) {
        MachineState x = standingMachine(480);
        spoil(x);
        return repairMachineRecord(x);
    };
    EXPECT_TRUE(valid([](MachineState& x) { x.reelPos[1] = 528; }));
    EXPECT_FALSE(valid([](MachineState& x) { x.reelPos[1] = 24; }));
    EXPECT_FALSE(valid([](MachineState& x) { x.spinPhase = 4; }));
    EXPECT_FALSE(valid([](MachineState& x) { x.drawOutcome = 6; }));
    EXPECT_FALSE(valid([](MachineState& x) { x.reachSymbol = 9; }));
    EXPECT_FALSE(valid([](MachineState& x) { x.reelTravel[1] = -107; }));
    EXPECT_FALSE(valid([](MachineState& x) { x.spinner[2] = -2147483647 - 1; }));
    EXPECT_FALSE(valid([](MachineState& x) { x.ballSlot[1] = {kStageState, 10, 33, 0}; }));
    EXPECT_FALSE(valid([](MachineState& x) { x.ballSlot[1] = {kStageState, 500, 24, 0}; }));
    EXPECT_TRUE(valid([](MachineState& x) { x.ballSlot[1] = {kStageState, 3, 32, 0}; }));
    // accepted damage plays on
    seedRandom(7);
    for (int trial = 0; trial < 300; trial++) {
        MachineState x = standingMachine(480);
        x.mode = 2 + randomNext() % 2;
        x.spinPhase = randomNext() % 4;
        x.drawOutcome = randomNext() % 6;
        x.reachLine = randomNext() % 7;
        x.reachSymbol = randomNext() % 9;
        x.modeTick = randomNext() % 2000;
        x.round = randomNext() % 18;
        for (int r = 0; r < 3; r++) {
            x.reelPos[r] = 25 + randomNext() % 504;
            x.reelTravel[r] = randomNext() % 6000 - (r == 1 ? 106 : 2);
            x.reelBoost[r] = randomNext() % 22;
        }
        x.ballSlot[0] = {kStageState, randomNext() % 100, randomNext() % 2 ? 24 : 32, 0};
        setBallPosition(x.ballSlot[0], 47 + randomNext() % 25, kStageRow);
        if (!repairMachineRecord(x))
            continue;
        int steps = 0;
        while ((x.mode >= 2 || x.ballSlot[0].state != 0) && steps < 100000) {
            machineStep(x);
            steps++;
        }
        EXPECT_LT(steps, 100000) << trial;
    }
}
