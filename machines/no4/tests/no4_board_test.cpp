// Machine No.4's board: the wing lottery and its wings, the attacker and the
// V inside it, the pockets, and the fever kinds its big prizes give.
#include <cmath>

#include "hallcore/hall/customers.h"
#include "hallcore/machine/ball_flight.h"
#include "machines/no4/no4.h"
#include "machines/no4/no4_board_geometry.h"
#include "machines/one_line/tests/one_line_fixture.h"

namespace {

namespace g = no4board;

// ---------------------------------------------------------------- the wing lottery

TEST(No4Wings, AHeldStartRunsTheLampForItsTimeThenShowsTheResult)
{
    MachineState m = freshMachine(70); // a reset leaves a miss (4), standing
    ASSERT_EQ(m.wingDrawState, kWingsMiss);
    for (int k = 0; k < 40; k++)
        wingLotteryStep(m);
    EXPECT_EQ(m.wingDrawState, kWingsMiss); // nothing held: it stays
    m.wingDrawStarts = 2;
    wingLotteryStep(m);
    EXPECT_EQ(m.wingDrawState, kWingsRunning);
    EXPECT_EQ(m.wingDrawStarts, 1);
    for (int k = 1; k < kWingDrawSteps; k++) {
        wingLotteryStep(m);
        ASSERT_EQ(m.wingDrawState, k % 4) << k; // the lamp runs
    }
    wingLotteryStep(m); // 480: the result
    EXPECT_TRUE(m.wingDrawState == kWingsHit || (m.wingDrawState >= 4 && m.wingDrawState <= 6));
    EXPECT_EQ(m.wingDrawTick, 0);
}

TEST(No4Wings, AHitOpensTheWingsThreeTimesAndClosesThemAtTheEnd)
{
    MachineState m = freshMachine(71);
    m.wingDrawState = kWingsHit;
    m.wingDrawTick = 0;
    int opened = 0;
    for (int t = 1; t < kWingDrawSteps; t++) {
        wingLotteryStep(m);
        ASSERT_EQ(m.wingsOpen, t % 160 >= 112 ? 1 : 0) << t;
        opened += m.wingsOpen;
    }
    EXPECT_EQ(opened, 3 * 48);
    EXPECT_EQ(m.wingsOpen, 1);
    wingLotteryStep(m); // the end of the hit period, with no start held
    EXPECT_EQ(m.wingsOpen, 0);
    EXPECT_EQ(m.wingDrawState, kWingsHit);
    for (int k = 0; k < 100; k++)
        wingLotteryStep(m);
    EXPECT_EQ(m.wingsOpen, 0); // closed for good until a start runs the lamp
    m.wingDrawStarts = 1;
    wingLotteryStep(m);
    EXPECT_EQ(m.wingDrawState, kWingsRunning);
}

TEST(No4Wings, TheLotteryHitsOneInEightAndThreeInFourInAChanceState)
{
    // The draws are single 15-bit ones: hit on rand % 8 == 0 (4096 of 32768
    // values); in a chance state a hit unless rand % 3 == 0 (10923 values),
    // else on rand % 4 == 3 (one in four). 40,000 results each, within 5
    // binomial standard deviations.
    struct Case {
        int chance, mode;
        double p;
    } const cases[] = {
        {0, 0, 4096.0 / 32768},
        {2, 0, 21845.0 / 32768 + 10923.0 / 32768 / 4},
        {2, 3, 4096.0 / 32768}, // not during the big prize
    };
    seedRandom(72);
    for (const Case& c : cases) {
        const int n = 40000;
        int hits = 0;
        for (int k = 0; k < n; k++) {
            MachineState m = idleMachine();
            m.chanceCount = c.chance;
            m.mode = c.mode;
            m.wingDrawState = 0;
            m.wingDrawTick = kWingDrawSteps - 1;
            wingLotteryStep(m);
            hits += m.wingDrawState == kWingsHit;
        }
        EXPECT_NEAR(double(hits) / n, c.p, 5 * std::sqrt(c.p * (1 - c.p) / n)) << c.chance << " " << c.mode;
    }
}

TEST(No4Wings, TheGatesOfZonesTwoAndFiveAddStartsUpToFour)
{
    MachineState m = idleMachine();
    seedRandom(73);
    for (int code = 0; code <= 56; code += 8) {
        BallSlot b{};
        modelChooseSecondStage(m, b, code);
    }
    EXPECT_EQ(m.wingDrawStarts, 2);
    for (int k = 0; k < 10; k++) {
        BallSlot b{};
        modelChooseSecondStage(m, b, 16);
    }
    EXPECT_EQ(m.wingDrawStarts, kMostWingStarts);
}

TEST(No4Wings, OpenWingsCatchLowerBoardBallsAtTheirPointsIntoTheStartPocket)
{
    for (const g::Point& p : {g::kLeftWingCatch[0], g::kLeftWingCatch[1], g::kRightWingCatch[0], g::kRightWingCatch[1]}) {
        int path, step;
        ASSERT_TRUE(findLowerBoardPoint(p, path, step)) << "no lower-board path passes (" << p.x << ", " << p.y << ")";
        MachineState m = idleMachine();
        m.wingDrawState = kWingsHit;
        m.wingsOpen = 1;
        BallSlot b{3, step, path, 0};
        for (int tick : {158, 159}) { // closing: they let it by
            m.wingDrawTick = tick;
            BallSlot c = b;
            modelSecondStageBall(m, c);
            EXPECT_EQ(c.path, path);
        }
        m.wingDrawTick = 112 + 160;
        modelSecondStageBall(m, b);
        bool left = p.x < 59;
        EXPECT_EQ(b.path, left ? g::kLeftWingPath : g::kRightWingPath);
        EXPECT_EQ(b.step, 0);
        // the wing's path ends in the start pocket: a start paid, a start held
        m.ballSlot[0] = b;
        m.heldStarts = 0;
        for (int k = 0; k < 10 && m.ballSlot[0].state != 0; k++)
            advanceBalls(m);
        EXPECT_EQ(m.pendingStartPayouts, 1);
        EXPECT_EQ(m.heldStarts, 1);
        EXPECT_EQ(m.heldLampTick, 0); // the newest lamp blinks
    }
}

TEST(No4Wings, BallsOnTheWingsOrDoorPathsAreNeverCaughtAgain)
{
    MachineState m = idleMachine();
    m.wingDrawState = kWingsHit;
    m.wingsOpen = 1;
    m.wingDrawTick = 120;
    m.attackerOpen = 1;
    m.mode = 3;
    m.round = 16; // no V, so door balls run their paths
    for (int path = 192; path <= 195; path++) {
        for (int step = 1; !isPathEnd(path, step - 1); step++) {
            BallSlot b{3, step, path, 0};
            const unsigned char* q = modelPathEntry(path, step - 1);
            setBallPosition(b, q[0], q[1]);
            EXPECT_EQ(modelSecondStageBall(m, b), kBallGoesOn);
            EXPECT_EQ(b.path, path);
            EXPECT_EQ(b.step, step);
        }
    }
}

TEST(No4Wings, TheNewestHeldStartLampBlinksSixteenSteps)
{
    MachineState m = freshMachine(74);
    BallSlot b{4, 0, g::kLeftWingPath, 0};
    while (!isPathEnd(b.path, b.step))
        b.step++;
    modelLandBall(m, b, g::kCodeStartPocket);
    EXPECT_EQ(m.heldLampTick, 0);
    m.dirty = 0;
    for (int k = 1; k < kHeldLampSteps; k++)
        modelAfterModeTick(m);
    EXPECT_EQ(m.dirty & 8, 0);
    modelAfterModeTick(m);
    EXPECT_NE(m.dirty & 8, 0);
    EXPECT_EQ(m.heldLampTick, kHeldLampSteps);
    // four held: still paid, no fifth
    m.heldStarts = 4;
    modelLandBall(m, b, g::kCodeStartPocket);
    EXPECT_EQ(m.heldStarts, 4);
    EXPECT_EQ(m.pendingStartPayouts, 2);
}

// ---------------------------------------------------------------- the attacker and the V

TEST(No4Attacker, AnOpenDoorTakesMouthBallsOntoTheRunOfTheirColumnsParity)
{
    for (int x = g::kMouthXMin; x <= g::kMouthXMax; x++) {
        for (int y : {g::kMouthUpperRow, g::kMouthLowerRow, g::kMouthLowerRow + 1}) {
            MachineState m = idleMachine();
            m.mode = 3;
            m.round = 16; // no V in the last round
            BallSlot b{3, 1, 130, 0};
            setBallPosition(b, x, y);
            modelSecondStageBall(m, b);
            EXPECT_EQ(b.path, 130) << "a closed door takes nothing";
            m.attackerOpen = 1;
            modelSecondStageBall(m, b);
            if (y == g::kMouthLowerRow + 1) {
                EXPECT_EQ(b.path, 130);
                continue;
            }
            ASSERT_EQ(b.path, x % 2 ? g::kDoorPathLeftward : g::kDoorPathRightward) << x;
            int px = modelPathEntry(b.path, b.step)[0];
            EXPECT_TRUE(x % 2 ? px <= x : px >= x) << x; // at or beyond its column
            if (b.step > 0) { // the first such point
                int before = modelPathEntry(b.path, b.step - 1)[0];
                EXPECT_TRUE(x % 2 ? before > x : before < x) << x;
            }
        }
    }
}

// A ball run along a door path from its start, the door open in `round`.
void runDoorBall(MachineState& m, int path)
{
    m.ballSlot[0] = BallSlot{3, 0, path, 0};
    for (int k = 0; k < 40 && m.ballSlot[0].state != 0; k++)
        advanceBalls(m);
}

TEST(No4Attacker, TheVTakesTheRoundsFirstBallOnceAndNeverInRoundSixteen)
{
    for (int path : {g::kDoorPathLeftward, g::kDoorPathRightward}) {
        MachineState m = idleMachine();
        m.mode = 3;
        m.round = 3;
        m.attackerOpen = 1;
        runDoorBall(m, path);
        EXPECT_EQ(m.vHit, 1);
        EXPECT_EQ(m.pendingPrizePayouts, 1); // counted once: it lands nowhere else
        EXPECT_EQ(m.attackerCount, 1);
        EXPECT_NE(m.dirty & 0x20, 0);
        runDoorBall(m, path); // the V is taken: the next ball runs to the end
        EXPECT_EQ(m.vHit, 1);
        EXPECT_EQ(m.pendingPrizePayouts, 2);
        EXPECT_EQ(m.attackerCount, 2);

        m = idleMachine();
        m.mode = 3;
        m.round = 16;
        m.attackerOpen = 1;
        runDoorBall(m, path);
        EXPECT_EQ(m.vHit, 0);
        EXPECT_EQ(m.pendingPrizePayouts, 1);
        EXPECT_EQ(m.attackerCount, 1);
    }
}

TEST(No4Attacker, TheTenthBallClosesTheDoorAndTheCountStaysInThePicture)
{
    MachineState m = idleMachine();
    m.mode = 3;
    m.round = 2;
    m.modeTick = 200;
    m.attackerOpen = 1;
    m.vHit = 1;
    m.attackerCount = 9;
    runDoorBall(m, g::kDoorPathLeftward);
    EXPECT_EQ(m.attackerCount, 10);
    stepOffBeat(m);
    EXPECT_EQ(m.attackerOpen, 0);
    EXPECT_EQ(m.round, 3);
    // however many land at once, the count stays within the picture's 0..16
    m.attackerCount = 16;
    BallSlot b{4, 0, g::kDoorPathRightward, 0};
    modelLandBall(m, b, g::kCodePrizePocket);
    EXPECT_EQ(m.attackerCount, 16);
}

// ---------------------------------------------------------------- the fever kind

TEST(No4Hall, EachRowOfTheFeverKindRule)
{
    struct Row {
        int symbol, chance, before, after;
    } const rows[] = {
        {8, 0, 0, 3}, {8, 2, 1, 3}, {8, 0, 2, 3}, // 8 keeps the right for good
        {4, 0, 0, 2}, {4, 2, 1, 1}, {4, 0, 3, 3}, // 4 keeps it on a machine that had none
        {5, 0, 0, 1}, {5, 0, 2, 1}, {5, 0, 3, 3}, {5, 1, 0, 0}, {5, 2, 2, 2}, // in a chance state it stays
        {10, 0, 2, 1}, {10, 1, 2, 2},
        {1, 0, 0, 1}, {7, 2, 0, 1}, {15, 0, 2, 2}, {12, 1, 3, 3}, // any other symbol
    };
    for (const Row& r : rows) {
        MachineState m = idleMachine();
        m.reachSymbol = r.symbol;
        m.chanceCount = r.chance;
        m.feverKind = r.before;
        EXPECT_EQ(modelFeverKind(m), r.after) << r.symbol << " " << r.chance << " " << r.before;
    }
}

TEST_F(HallTest, TheFanfareBooksTheKindAfterTheChanceStateIsBooked)
{
    MachineState& m = shops[kDayShop].machines[4];
    m = idleMachine();
    m.occupant = 1;
    m.launchPower = 48;
    m.mode = 3;
    m.reachSymbol = 5;
    m.chanceCount = 1; // the last of the chance state: this win uses it up
    animClock = AnimClock{};
    animClock.count512 = 256;
    machineStep(m);
    ASSERT_EQ(m.modeTick, 1);
    EXPECT_EQ(m.chanceCount, 0);
    customerTurn(kDayShop, 4);
    EXPECT_EQ(m.feverKind, 1); // so the right is lost at the ending
}

// ---------------------------------------------------------------- records

TEST(No4Record, ScreenWordsAreAcceptedAndWhatWouldStickIsRepairedOrRefused)
{
    auto load = [](void (*edit)(MachineState&), MachineState* out = nullptr) {
        MachineState m = freshMachine(75);
        edit(m);
        bool ok = modelRecordIsValid(m);
        if (out)
            *out = m;
        return ok;
    };
    MachineState m;
    EXPECT_TRUE(load([](MachineState& d) { d.vHit = 72; })); // the screen's V counts to 72
    EXPECT_FALSE(load([](MachineState& d) { d.vHit = 73; }));
    EXPECT_TRUE(load([](MachineState& d) { d.reelEffect[0] = 90; }, &m));
    EXPECT_EQ(m.reelEffect[0], 36);
    EXPECT_TRUE(load([](MachineState& d) { d.wingsOpen = 1; }, &m)); // open wings outside a hit
    EXPECT_EQ(m.wingsOpen, 0);
    EXPECT_FALSE(load([](MachineState& d) { d.wingDrawState = 8; }));
    EXPECT_FALSE(load([](MachineState& d) { d.wingDrawTick = 481; }));
    EXPECT_FALSE(load([](MachineState& d) { d.wingDrawStarts = 5; }));
    EXPECT_FALSE(load([](MachineState& d) { d.heldLampTick = 17; }));
    EXPECT_FALSE(load([](MachineState& d) { d.spinPhase = 4; }));
    EXPECT_FALSE(load([](MachineState& d) {
        d.mode = 2;
        d.spinPhase = kNo4Action;
        d.reelBoost[2] = 73; // a pause no performance sets
    }));
}

TEST(No4Record, AcceptedDamageNeverStopsAMachineOver100000Steps)
{
    // Records with the words of a spin, a big prize and the wing lottery set
    // at random within what the load accepts, each played on as
    // expectAcceptedDamagePlaysOn says (one_line_fixture.h).
    expectAcceptedDamagePlaysOn(
        76, 77,
        [](MachineState& m, auto& any) {
            m.mode = any(2, 3);
            m.spinPhase = any(0, 3);
            m.drawOutcome = any(0, 4);
            m.modeTick = any(0, 100000);
            for (int r = 0; r < 3; r++) {
                m.reelPos[r] = any(-5000, 5000);
                m.reelTravel[r] = any(-1, 8000);
                m.reelBoost[r] = any(0, 72);
                m.reelEffect[r] = any(-60, 60);
            }
            m.reachSymbol = any(0, 15);
            m.chanceCount = any(0, 9);
            m.round = any(0, 17);
            m.attackerOpen = any(0, 1);
            m.attackerCount = any(0, 30);
            m.vHit = any(0, 72);
            m.wingDrawState = any(0, 7);
            m.wingDrawTick = any(0, 480);
            m.wingDrawStarts = any(0, 4);
            m.wingsOpen = any(0, 1);
            m.heldStarts = any(0, 4);
        },
        [](const MachineState& m, int trial) {
            EXPECT_TRUE(m.wingsOpen == 0 || m.wingDrawState == kWingsHit) << "trial " << trial;
        });
}

} // namespace
