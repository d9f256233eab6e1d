// Machine No.5's board: the digit lottery and its gate into the start
// pocket, the attacker's three channels with the V in the centre, the fever
// kinds, and damaged records that must not stop a machine.
#include <cmath>

#include "hallcore/machine/ball_flight.h"
#include "machines/no5/no5.h"
#include "machines/no5/no5_board_geometry.h"
#include "machines/one_line/tests/one_line_fixture.h"

namespace {

namespace g = no5board;

// ---------------------------------------------------------------- the digit lottery

TEST(No5Digits, ARunShowsTheDigitsThenItsResultAndItsGate)
{
    MachineState m = freshMachine(80);
    ASSERT_EQ(m.digitTick, kDigitIdle);
    digitLotteryStep(m);
    EXPECT_EQ(m.digitTick, kDigitIdle); // nothing held: it stays
    m.digitStarts = 2;
    digitLotteryStep(m);
    EXPECT_EQ(m.digitStarts, 1);
    EXPECT_EQ(m.digitTick, 0);
    EXPECT_EQ(m.digitShown, 0);
    for (int t = 1; t < kDigitRunSteps; t++) {
        digitLotteryStep(m);
        ASSERT_EQ(m.digitShown, t % 10) << t;
    }
    digitLotteryStep(m); // 128: the result
    int digit = m.digitShown;
    bool opens = digit == 3 || digit == 7;
    EXPECT_EQ(m.digitGate, opens ? kGateOpen : kGateClosed);
    EXPECT_EQ(m.digitTick, opens ? kDigitRunSteps : kDigitGateCloses); // a miss skips to 256
    while (m.digitTick < kDigitGateCloses)
        digitLotteryStep(m);
    EXPECT_EQ(m.digitGate, kGateClosed);
    EXPECT_EQ(m.digitShown, digit);
    while (m.digitTick < kDigitIdle - 1)
        digitLotteryStep(m);
    EXPECT_EQ(m.digitStarts, 1);
    digitLotteryStep(m); // 288: the next held start
    EXPECT_EQ(m.digitStarts, 0);
    EXPECT_EQ(m.digitTick, 0);
}

TEST(No5Digits, InAChanceStateRunsAreShorterAndThreeOrSevenComeSevenInEight)
{
    // rand % 8 != 0 (28,672 of 32,768 values) gives 3 or 7; else rand % 10,
    // 3 and 7 each 3,277 of the values. Outside, or in the big prize, only
    // the latter. 40,000 results each, within 5 binomial sd.
    struct Case {
        int chance, mode;
        double p;
    } const cases[] = {
        {0, 0, 6554.0 / 32768},
        {1, 0, 28672.0 / 32768 + 4096.0 / 32768 * 6554.0 / 32768},
        {2, 3, 6554.0 / 32768},
    };
    seedRandom(81);
    for (const Case& c : cases) {
        const int n = 40000;
        int opened = 0;
        for (int k = 0; k < n; k++) {
            MachineState m = idleMachine();
            m.chanceCount = c.chance;
            m.mode = c.mode;
            m.digitTick = kDigitRunSteps - 1;
            digitLotteryStep(m);
            opened += m.digitGate == kGateOpen;
        }
        EXPECT_NEAR(double(opened) / n, c.p, 5 * std::sqrt(c.p * (1 - c.p) / n)) << c.chance << " " << c.mode;
    }
    MachineState m = idleMachine();
    m.chanceCount = 1;
    m.digitTick = kDigitIdle;
    m.digitStarts = 1;
    digitLotteryStep(m);
    EXPECT_EQ(m.digitTick, kDigitChanceStart);
    m.mode = 3; // not during the big prize
    m.digitTick = kDigitIdle;
    m.digitStarts = 1;
    digitLotteryStep(m);
    EXPECT_EQ(m.digitTick, 0);
}

TEST(No5Digits, BallsPastTheStartPointsAddDigitStartsUpToFour)
{
    for (const g::Point& p : g::kDigitStartPoints) {
        int path, step;
        ASSERT_TRUE(findLowerBoardPoint(p, path, step)) << p.x << " " << p.y;
        MachineState m = idleMachine();
        for (int k = 0; k < 6; k++) {
            BallSlot b{3, step, path, 0};
            modelSecondStageBall(m, b);
        }
        EXPECT_EQ(m.digitStarts, kMostDigitStarts);
    }
}

TEST(No5Digits, AnOpenGateCatchesABallIntoTheStartPocketAndClosesSoonAfter)
{
    int path, step;
    ASSERT_TRUE(findLowerBoardPoint(g::kGatePoint, path, step));
    MachineState m = idleMachine();
    BallSlot closed{3, step, path, 0};
    modelSecondStageBall(m, closed);
    EXPECT_EQ(closed.path, path); // a closed gate lets it go

    m.digitGate = kGateOpen;
    m.digitTick = 150;
    m.ballSlot[0] = BallSlot{3, step, path, 0};
    modelSecondStageBall(m, m.ballSlot[0]);
    EXPECT_EQ(m.ballSlot[0].path, g::kGatePath);
    EXPECT_EQ(m.ballSlot[0].step, 0);
    EXPECT_EQ(m.digitGate, kGateCaught);
    EXPECT_EQ(m.digitTick, kDigitCaught);
    BallSlot second{3, step, path, 0}; // the gate has caught its ball
    modelSecondStageBall(m, second);
    EXPECT_EQ(second.path, path);
    // the ball runs hidden and pays as the start pocket does
    m.spare = 5;
    for (int k = 0; k < 10 && m.ballSlot[0].state != 0; k++) {
        advanceBalls(m);
        if (m.ballSlot[0].state == 3 && m.ballSlot[0].step <= g::kGateHiddenPoints) {
            EXPECT_EQ(ballX(m.ballSlot[0]), 0); // out of sight
        }
    }
    EXPECT_EQ(m.pendingStartPayouts, 1);
    EXPECT_EQ(m.heldStarts, 1);
    EXPECT_EQ(m.spare, 0);
    for (int k = 0; k < 4; k++)
        digitLotteryStep(m);
    EXPECT_EQ(m.digitGate, kGateClosed);
}

// ---------------------------------------------------------------- the attacker

TEST(No5Attacker, AnOpenDoorTakesMouthBallsIntoTheirChannels)
{
    for (int x = g::kMouthXMin; x <= g::kMouthXMax; x++) {
        MachineState m = idleMachine();
        m.mode = 3;
        m.round = 4;
        BallSlot b{3, 1, 140, 0};
        setBallPosition(b, x, g::kMouthRow);
        modelSecondStageBall(m, b);
        EXPECT_EQ(b.path, 140) << "a closed door takes nothing";
        m.attackerOpen = 1;
        modelSecondStageBall(m, b);
        if (x == g::kVColumn) {
            EXPECT_EQ(b.path, g::kVChannelPath);
            EXPECT_EQ(b.step, 0);
            continue;
        }
        ASSERT_EQ(b.path, x > g::kVColumn ? g::kRightChannelPath : g::kLeftChannelPath) << x;
        EXPECT_EQ(modelPathEntry(b.path, b.step)[0], x) << "joins at its own column";
        // and is not taken again on its way
        for (int k = 0; k < 25 && !isPathEnd(b.path, b.step); k++) {
            int p = b.path, s = b.step + 1;
            const unsigned char* q = modelPathEntry(b.path, b.step);
            setBallPosition(b, q[0], q[1]);
            b.step = s;
            modelSecondStageBall(m, b);
            ASSERT_EQ(b.path, p);
            ASSERT_EQ(b.step, s);
        }
    }
}

TEST(No5Attacker, TheCentreChannelIsTheVOnceARoundNeverInRoundSixteen)
{
    for (int round : {1, 9, 15, 16}) {
        MachineState m = idleMachine();
        m.mode = 3;
        m.round = round;
        m.attackerOpen = 1;
        BallSlot v{4, g::kVChannelPoints, g::kVChannelPath, 0};
        BallSlot side{4, 0, g::kLeftChannelPath, 0};
        while (!isPathEnd(side.path, side.step))
            side.step++;
        modelLandBall(m, side, g::kCodePrizePocket);
        EXPECT_EQ(m.vHit, 0) << "only the centre is the V";
        modelLandBall(m, v, g::kCodePrizePocket);
        EXPECT_EQ(m.vHit, round == 16 ? 0 : 1) << round;
        m.vHit = 5;
        modelLandBall(m, v, g::kCodePrizePocket);
        EXPECT_EQ(m.vHit, 5); // once a round: the count goes on as it was
        EXPECT_EQ(m.attackerCount, 3);
        EXPECT_EQ(m.pendingPrizePayouts, 3);
    }
}

TEST(No5Attacker, TheVCountsUpWhileTheDoorIsOpenAndNoBallIsLeftInTheDoorAtTheClose)
{
    MachineState m = idleMachine();
    m.mode = 3;
    m.round = 3;
    m.modeTick = 100;
    m.attackerOpen = 1;
    m.vHit = 1;
    for (int k = 0; k < 40; k++)
        stepOffBeat(m);
    EXPECT_EQ(m.vHit, 32); // the screen shows the V up to 31, then holds
    // balls in every channel when the door closes are swept out as prize entries
    for (int path = g::kLeftChannelPath; path <= g::kRightChannelPath; path++) {
        BallSlot& b = m.ballSlot[path - g::kLeftChannelPath];
        b = BallSlot{3, 1, path, 0};
        setBallPosition(b, modelPathEntry(path, 0)[0], modelPathEntry(path, 0)[1]);
    }
    m.modeTick = kOneLine.doorClosesAt - 1;
    stepOffBeat(m);
    EXPECT_EQ(m.attackerOpen, 0);
    EXPECT_EQ(m.round, 4);
    EXPECT_EQ(m.pendingPrizePayouts, 3);
    for (const BallSlot& b : m.ballSlot)
        EXPECT_EQ(b.state, 0) << "a door ball would land in the next round";
}

// ---------------------------------------------------------------- the fever kind

TEST(No5Hall, EachRowOfTheFeverKindRule)
{
    struct Row {
        int symbol, chance, before, after;
    } const rows[] = {
        {8, 0, 0, 3}, {8, 2, 2, 3},
        {4, 0, 0, 2}, {11, 0, 0, 2}, {13, 1, 0, 2}, {15, 2, 0, 2}, {4, 0, 1, 1}, {15, 0, 3, 3},
        {5, 0, 0, 1}, {10, 0, 2, 1}, {5, 0, 3, 3}, {10, 1, 2, 2}, {5, 2, 0, 0},
        {1, 0, 0, 1}, {9, 1, 0, 1}, {14, 0, 2, 2}, {12, 0, 3, 3},
    };
    for (const Row& r : rows) {
        MachineState m = idleMachine();
        m.reachSymbol = r.symbol;
        m.chanceCount = r.chance;
        m.feverKind = r.before;
        EXPECT_EQ(modelFeverKind(m), r.after) << r.symbol << " " << r.chance << " " << r.before;
    }
}

// ---------------------------------------------------------------- damaged records

TEST(No5Record, ValuesOutOfTheirRangesAreRefused)
{
    auto refused = [](void (*edit)(MachineState&)) {
        MachineState m = freshMachine(82);
        edit(m);
        return !modelRecordIsValid(m);
    };
    EXPECT_FALSE(refused([](MachineState& d) { d.vHit = 32; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.vHit = 33; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.creepRest = -2; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.creepRest = 1000; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.digitTick = 289; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.digitGate = 3; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.digitShown = 10; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.digitStarts = 5; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.spinPhase = 5; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.drawOutcome = 6; }));
    EXPECT_TRUE(refused([](MachineState& d) {
        d.attackerOpen = 1; // open outside rounds 1..16
        d.mode = 3;
    }));
}

TEST(No5Record, AcceptedDamageNeverStopsAMachineOver100000Steps)
{
    // Records with the words of a spin, a big prize and the digit lottery
    // set at random within what the load accepts, each played on as
    // expectAcceptedDamagePlaysOn says (one_line_fixture.h).
    expectAcceptedDamagePlaysOn(
        83, 84,
        [](MachineState& m, auto& any) {
            m.mode = any(2, 3);
            m.spinPhase = any(0, 4);
            m.drawOutcome = any(0, 5);
            m.modeTick = any(0, 100000);
            m.creepRest = any(-1, 630);
            for (int r = 0; r < 3; r++) {
                m.reelPos[r] = any(-5000, 5000);
                m.reelTravel[r] = any(-1, 8000);
                m.reelBoost[r] = any(0, 72);
            }
            m.reachSymbol = any(0, 15);
            m.chanceCount = any(0, 9);
            m.round = any(0, 17);
            m.attackerOpen = any(0, 1);
            m.attackerCount = any(0, 30);
            m.vHit = any(0, 32);
            m.digitTick = any(0, 288);
            m.digitGate = any(0, 2);
            m.digitStarts = any(0, 4);
            m.heldStarts = any(0, 4);
        },
        [](const MachineState&, int) {});
}

} // namespace
