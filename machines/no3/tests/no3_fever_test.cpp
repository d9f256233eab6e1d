// Machine No.3's fever rounds, the door and the pockets.
#include "hall_fixture.h"
#include "hallcore/machine/ball_flight.h"
#include "no3.h"

namespace {

MachineState machineInRound(int round, int modeTick)
{
    MachineState m = idleMachine();
    m.mode = 3;
    m.round = round;
    m.modeTick = modeTick;
    m.attackerOpen = modeTick >= 80;
    return m;
}

void feverSteps(MachineState& m, int steps)
{
    for (int i = 0; i < steps && m.mode == 3; i++) {
        m.modeTick += 1;
        feverStep(m);
    }
}

BallSlot ballAt(int state, int x, int y)
{
    BallSlot b{};
    b.state = state;
    setBallPosition(b, x, y);
    return b;
}

} // namespace

TEST(No3Fever, FanfareRoundsAndEndingTimes)
{
    MachineState m = machineInRound(0, 0);
    feverSteps(m, 1);
    EXPECT_EQ(m.soundRequest, 705);
    feverSteps(m, 191);
    EXPECT_EQ(m.round, 1);
    EXPECT_EQ(m.modeTick, 0);
    feverSteps(m, 1);
    EXPECT_EQ(m.soundRequest, 706);
    feverSteps(m, 78);
    EXPECT_EQ(m.attackerOpen, 0);
    feverSteps(m, 1); // step 80
    EXPECT_EQ(m.attackerOpen, 1);
    EXPECT_EQ(m.soundRequest, -10000);
    EXPECT_NE(m.dirty & 32, 0);
}

TEST(No3Fever, EmptyRoundClosesAt960AndEndsTheFever)
{
    MachineState m = machineInRound(3, 80);
    feverSteps(m, 879);
    EXPECT_EQ(m.attackerOpen, 1);
    feverSteps(m, 1);
    EXPECT_EQ(m.attackerOpen, 0);
    EXPECT_EQ(m.round, 17); // no V: the ending
    feverSteps(m, 2);
    EXPECT_EQ(m.soundRequest, 708);
    m.startsSincePrize = 9;
    feverSteps(m, 254);
    EXPECT_EQ(m.mode, 1);
    EXPECT_EQ(m.round, 0);
    EXPECT_EQ(m.startsSincePrize, 0);
    EXPECT_EQ(m.soundRequest, -10000);
}

TEST(No3Fever, TenDoorBallsCloseTheDoorEarlyAndAVCarriesOn)
{
    MachineState m = machineInRound(4, 100);
    m.attackerCount = 10;
    m.vHit = 1;
    m.ballSlot[0] = ballAt(3, 60, 96);  // in the mouth: taken, pays, does not count
    m.ballSlot[1] = ballAt(3, 60, 80);  // above the mouth: keeps flying
    m.ballSlot[2] = ballAt(3, 71, 96);  // beside the mouth
    feverSteps(m, 1);
    EXPECT_EQ(m.attackerOpen, 0);
    EXPECT_EQ(m.round, 5);
    EXPECT_EQ(m.attackerCount, 0);
    EXPECT_EQ(m.vHit, 0);
    EXPECT_EQ(m.pendingPrizePayouts, 1);
    EXPECT_EQ(m.ballSlot[0].state, 0);
    EXPECT_EQ(m.ballSlot[0].position, 0);
    EXPECT_EQ(m.ballSlot[1].state, 3);
    EXPECT_EQ(m.ballSlot[2].state, 3);
}

TEST(No3Board, TheVZoneCountsInRounds1To15Only)
{
    BallSlot door{};
    door.path = 193;
    for (int round : {1, 15, 16}) {
        MachineState m = machineInRound(round, 100);
        modelLandBall(m, door, 15);
        EXPECT_EQ(m.attackerCount, 1);
        EXPECT_EQ(m.pendingPrizePayouts, 1);
        EXPECT_EQ(m.vHit, round == 16 ? 0 : 1) << round;
    }
    // a V in round 16 is the end: the door closes into the ending
    MachineState m = machineInRound(16, 100);
    modelLandBall(m, door, 15);
    m.attackerCount = 10;
    feverSteps(m, 1);
    EXPECT_EQ(m.round, 17);
    // a leftward door ball never reaches the V
    m = machineInRound(2, 100);
    door.path = 192;
    modelLandBall(m, door, 15);
    EXPECT_EQ(m.vHit, 0);
    EXPECT_EQ(m.attackerCount, 1);
}

TEST(No3Board, StartPocketPaysEvenWithFourHeldStarts)
{
    MachineState m = idleMachine();
    BallSlot b{};
    b.path = 140;
    m.heldStarts = 3;
    modelLandBall(m, b, 7);
    EXPECT_EQ(m.heldStarts, 4);
    EXPECT_NE(m.dirty & 8, 0);
    m.dirty = 0;
    modelLandBall(m, b, 7);
    EXPECT_EQ(m.heldStarts, 4);
    EXPECT_EQ(m.pendingStartPayouts, 2);
    EXPECT_EQ(m.dirty, 0);
    modelLandBall(m, b, 0); // lost
    EXPECT_EQ(m.pendingStartPayouts, 2);
    EXPECT_EQ(m.pendingPrizePayouts, 0);
}

TEST(No3Board, DoorCaptureJoinsTheDoorPathsWhereTheBallIs)
{
    MachineState m = machineInRound(1, 100);
    struct {
        int x, y, path, step;
    } const rows[] = {
        {48, 96, 193, 1},  // even, not at the path's first point
        {47, 96, -1, -1},  // outside the mouth
        {70, 98, 193, 11}, // even and right of every point: joins at the last one
        {69, 96, 192, 1},  // odd: leftward, first point with x <= 69 is 68
        {49, 98, 192, 11}, // odd: x 48 is the only point not above it
        {60, 97, -1, -1},  // y 97 is not the mouth line
    };
    for (auto r : rows) {
        BallSlot b = ballAt(3, r.x, r.y);
        b.path = 150;
        b.step = 9;
        EXPECT_EQ(modelSecondStageBall(m, b), kBallGoesOn);
        if (r.path < 0) {
            EXPECT_EQ(b.path, 150) << r.x;
            continue;
        }
        EXPECT_EQ(b.path, r.path) << r.x;
        EXPECT_EQ(b.step, r.step) << r.x;
        EXPECT_FALSE(isPathEnd(b.path, b.step)) << r.x;
    }
}

TEST(No3Board, DoorBallFromTheRightEdgeStillLandsInTheDoor)
{
    MachineState m = machineInRound(1, 100);
    m.ballSlot[0] = ballAt(3, 70, 96);
    modelSecondStageBall(m, m.ballSlot[0]);
    for (int i = 0; i < 40 && m.attackerCount == 0; i++)
        advanceBalls(m);
    EXPECT_EQ(m.attackerCount, 1);
    EXPECT_EQ(m.pendingPrizePayouts, 1);
}

TEST(No3Board, VacatedMachineKeepsItsBallsFlyingAndPaying)
{
    MachineState m = idleMachine();
    m.occupant = 1;
    m.balls = 100;
    m.ballSlot[0].state = 3;
    m.ballSlot[0].path = 140; // zone 1's lucky path into the start pocket
    m.ballSlot[0].step = 3;
    resetMachineRecord(m, kResetVacate);
    EXPECT_EQ(m.ballSlot[0].state, 3);
    for (int i = 0; i < 40 && m.pendingStartPayouts == 0; i++)
        advanceBalls(m);
    EXPECT_EQ(m.pendingStartPayouts, 1);
    EXPECT_EQ(m.heldStarts, 1);
    animClock = AnimClock{}; // a launch beat
    machineStep(m);
    EXPECT_EQ(m.balls, 7);
}

TEST(No3Board, WindmillsTurnOnHitsAndSlowDown)
{
    MachineState m = idleMachine();
    modelUpperBoardHit(m, 30, 30);
    EXPECT_EQ(m.spinner[0], -18);
    modelUpperBoardHit(m, 36, 30); // towards, keeping the phase -18 % 3 = 0
    EXPECT_EQ(m.spinner[0], 18);
    m.spinner[0] = 20; // phase 2
    modelUpperBoardHit(m, 80, 30);
    EXPECT_EQ(m.spinner[1], -18);
    modelUpperBoardHit(m, 36, 30);
    EXPECT_EQ(m.spinner[0], 20);
    modelLowerBoardHit(m, 10, 55);
    EXPECT_EQ(m.spinner[2], -24);
    modelLowerBoardHit(m, 38, 62);
    EXPECT_EQ(m.spinner[4], 24);
    modelLowerBoardHit(m, 84, 65);
    EXPECT_EQ(m.spinner[5], 24);
    modelLowerBoardHit(m, 38, 66); // below every band
    EXPECT_EQ(m.spinner[4], 24);

    // beyond the limit a frame a step; within it one every second step
    m = idleMachine();
    m.spinner[0] = 7;
    m.spinner[2] = -9;
    animClock = AnimClock{};
    animClock.count64 = 32;
    modelSlowWindmills(m);
    EXPECT_EQ(m.spinner[0], 6);
    EXPECT_EQ(m.spinner[2], -8);
    modelSlowWindmills(m);
    EXPECT_EQ(m.spinner[0], 5);
    EXPECT_EQ(m.spinner[2], -8);
    modelSlowWindmills(m);
    EXPECT_EQ(m.spinner[0], 5);
    animClock.count64 = 0;
    modelSlowWindmills(m);
    EXPECT_EQ(m.spinner[0], 4);
    EXPECT_EQ(m.spinner[2], -7);
}

TEST(No3Board, LaunchTakesTheFirstFreeSlotWithinThePathRange)
{
    MachineState m = idleMachine();
    m.balls = 3;
    m.launchPower = 1;
    seedRandom(1);
    for (int i = 0; i < 3; i++)
        launchBall(m);
    EXPECT_EQ(m.balls, 0);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(m.ballSlot[i].state, 1);
        EXPECT_GE(m.ballSlot[i].path, 0);
        EXPECT_LE(m.ballSlot[i].path, 15);
    }
    launchBall(m); // no balls left
    EXPECT_EQ(m.ballSlot[3].state, 0);

    m = idleMachine();
    m.balls = 100;
    m.launchPower = 113;
    for (int i = 0; i < 20; i++)
        launchBall(m);
    EXPECT_EQ(m.balls, 92); // eight slots, then nothing and no ball used
    for (const BallSlot& b : m.ballSlot)
        EXPECT_LE(b.path, 127);

    for (int blocked = 0; blocked < 3; blocked++) {
        m = idleMachine();
        m.balls = 10;
        m.launchPower = 48;
        m.continueBarred = blocked == 0;
        m.handleState = blocked == 1 ? 3 : 0;
        if (blocked == 2)
            m.launchPower = 0;
        launchBall(m);
        EXPECT_EQ(m.balls, 10) << blocked;
    }
}

TEST(No3FeverKind, WinPatternDecidesTheRightToContinue)
{
    struct {
        int kind, mask, expected;
    } const rows[] = {
        {0, kLineAllTwos, 3},      {1, kLineAllTwos, 3},     {2, kLineMiddleRow, 2},
        {0, kLineMiddleColumn, 1}, {2, kLineMiddleColumn, 1}, {3, kLineMiddleColumn, 3},
        {0, kLineTopRow, 1},       {2, kLineTopRow, 2},       {1, kLineBottomRow, 1},
    };
    for (auto r : rows) {
        MachineState m = idleMachine();
        m.feverKind = r.kind;
        m.lineMask = r.mask;
        EXPECT_EQ(modelFeverKind(m), r.expected) << r.kind << " " << r.mask;
    }
}
