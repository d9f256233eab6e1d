#include <cstring>
#include <utility>
#include <vector>

#include "hall_fixture.h"
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/band_rows.h"

// Steps a machine on the launch beat (the hall clock at count512 0); true
// when the box count changed.
static bool launchBeatStep(MachineState& m)
{
    animClock = AnimClock{};
    return machineStep(m);
}

// Steps a machine off the launch beat.
static void ordinaryStep(MachineState& m)
{
    animClock = AnimClock{};
    animClock.count512 = 256;
    machineStep(m);
}

TEST(MachineStep, PayoutsAlternateWithAnEmptyBeat)
{
    MachineState m = idleMachine();
    m.pendingStartPayouts = 2;
    m.pendingPrizePayouts = 2;
    const int both = kStartPayoutBalls + kPrizePayoutBalls;
    const int expected[] = {both, 0, both, 0, 0};
    for (int gain : expected) {
        int before = m.balls;
        launchBeatStep(m);
        EXPECT_EQ(m.balls - before, gain);
    }
    EXPECT_EQ(m.pendingStartPayouts, 0);
    EXPECT_EQ(m.pendingPrizePayouts, 0);
    EXPECT_NE(m.dirty & 4, 0);

    // nothing is paid between launch beats
    m.pendingPrizePayouts = 1;
    ordinaryStep(m);
    EXPECT_EQ(m.balls, 2 * both);
}

TEST(MachineStep, PrizePayoutAloneAlsoTakesABeatOff)
{
    MachineState m = idleMachine();
    m.pendingPrizePayouts = 2;
    launchBeatStep(m);
    EXPECT_EQ(m.balls, kPrizePayoutBalls);
    EXPECT_EQ(m.payoutToggle, 1);
    launchBeatStep(m);
    EXPECT_EQ(m.balls, kPrizePayoutBalls);
    EXPECT_EQ(m.payoutToggle, 0);
}

TEST(MachineStep, BoxCountRisesAtOnceAndFallsLate)
{
    MachineState m = idleMachine();
    struct {
        int balls, boxes;
        bool redraw;
    } const rows[] = {
        {2399, 0, false}, {2400, 1, true}, {2399, 1, false}, {2275, 1, false},
        {2274, 0, true},  {4800, 2, true}, {0, 0, true},     {0, 0, false},
    };
    for (auto r : rows) {
        m.balls = r.balls;
        bool redraw = launchBeatStep(m);
        EXPECT_EQ(m.boxes, r.boxes) << r.balls;
        EXPECT_EQ(redraw, r.redraw) << r.balls;
    }
}

TEST(MachineStep, IdleModesTimeOutAndTakeHeldStarts)
{
    MachineState m = idleMachine();
    for (int i = 0; i < kIdleSteps - 1; i++)
        ordinaryStep(m);
    EXPECT_EQ(m.mode, 0);
    ordinaryStep(m);
    EXPECT_EQ(m.mode, 1);
    EXPECT_EQ(m.modeTick, 0);
    m.dirty = 0;
    ordinaryStep(m);
    EXPECT_EQ(m.dirty, 16); // first step of mode 1 lights the board again
    for (int i = 0; i < kIdleAfterPlaySteps - 1; i++)
        ordinaryStep(m);
    EXPECT_EQ(m.mode, 0);

    // at the timeout with a start waiting: mode 1 first, then the spin, same step
    m = idleMachine();
    m.modeTick = kIdleSteps - 1;
    m.heldStarts = 2;
    m.soundRequest = 0;
    ordinaryStep(m);
    EXPECT_EQ(m.mode, 2);
    EXPECT_EQ(m.modeTick, 0);
    EXPECT_EQ(m.heldStarts, 1);
    EXPECT_EQ(m.startsSincePrize, 1);
    EXPECT_EQ(m.soundRequest, 701);
    EXPECT_NE(m.dirty & 8, 0);
}

TEST(MachineStep, SpinStartNeverReplacesAPendingStop)
{
    MachineState m = idleMachine();
    m.heldStarts = 1;
    m.soundRequest = -10000;
    ordinaryStep(m);
    EXPECT_EQ(m.mode, 2);
    EXPECT_EQ(m.soundRequest, -10000);
}

TEST(MachineStep, BallsAndWindmillsMoveWhateverSlotOrWindmillHoldsThem)
{
    // the step skips the balls and the windmills of a machine with none in
    // flight and none turning: a ball in the last slot, or a turn of the last
    // windmill only, must still move
    MachineState m = idleMachine();
    BallSlot& last = m.ballSlot[sizeof m.ballSlot / sizeof m.ballSlot[0] - 1];
    last.state = 1; // on the launch rail
    last.step = 0;
    int32_t& lastSpin = m.spinner[sizeof m.spinner / sizeof m.spinner[0] - 1];
    lastSpin = 40;
    ordinaryStep(m);
    EXPECT_EQ(last.step, 1);
    EXPECT_EQ(lastSpin, 39);
    EXPECT_TRUE(anyBallInFlight(m));
    EXPECT_TRUE(anyWindmillTurning(m));
    m = idleMachine();
    EXPECT_FALSE(anyBallInFlight(m));
    EXPECT_FALSE(anyWindmillTurning(m));
    const MachineState before = m;
    ordinaryStep(m);
    EXPECT_EQ(std::memcmp(m.ballSlot, before.ballSlot, sizeof m.ballSlot), 0);
    EXPECT_EQ(std::memcmp(m.spinner, before.spinner, sizeof m.spinner), 0);
}

TEST(MachineStep, BandRowsTellEveryBandOfARowInOrder)
{
    struct Band {
        int yMin, yMax;
    };
    const Band bands[] = {{10, 12}, {12, 14}, {-3, 0}, {250, 300}, {5, 4}};
    BandRows rows(bands, 5);
    EXPECT_EQ(rows.at(9), 0u);
    EXPECT_EQ(rows.at(10), 1u);
    EXPECT_EQ(rows.at(12), 3u) << "overlapping bands both hold the row";
    EXPECT_EQ(rows.at(14), 2u);
    EXPECT_EQ(rows.at(0), 4u);
    EXPECT_EQ(rows.at(-1), 0u) << "rows off the board hold no band";
    EXPECT_EQ(rows.at(255), 8u);
    EXPECT_EQ(rows.at(256), 0u);
    EXPECT_EQ(rows.at(4), 0u) << "an empty band holds nothing";
    std::vector<int> order;
    for (unsigned in = rows.at(12); in != 0; in = BandRows::rest(in))
        order.push_back(BandRows::first(in));
    EXPECT_EQ(order, (std::vector<int>{0, 1}));

    // a seventeenth band is never told
    std::vector<Band> many(17, Band{50, 50});
    BandRows full(many.data(), 17);
    EXPECT_EQ(full.at(50), 0xFFFFu);
}

TEST_F(HallTest, ResetKindsKeepWhatEachKindKeeps)
{
    MachineState& m = shops[0].machines[5];
    auto dirtyUp = [&] {
        m.occupant = 3;
        m.continueBarred = 1;
        m.customerState = 2;
        m.feverKind = 2;
        m.dirty = 63;
        m.soundRequest = 705;
        m.handleState = 1;
        m.launchPower = 80;
        m.boxes = 1;
        m.balls = 3000;
        m.heldStarts = 3;
        m.pendingPrizePayouts = 4;
        m.pendingStartPayouts = 2;
        m.mode = 3;
        m.modeTick = 99;
        m.round = 7;
        m.attackerCount = 5;
        m.vHit = 1;
        m.spinner[2] = -20;
        m.ballSlot[3].state = 3;
        m.ballSlot[3].position = 0x4030;
        m.setting = 1;
        m.luckReserve = 77;
        m.startsSincePrize = 321;
        m.prizesToday = 4;
        m.prizesYesterday = 5;
    };
    auto vacated = [&] {
        EXPECT_EQ(m.occupant, 0);
        EXPECT_EQ(m.continueBarred, 0);
        EXPECT_EQ(m.customerState, 0);
        EXPECT_EQ(m.feverKind, 0);
        EXPECT_EQ(m.dirty, 0);
        EXPECT_EQ(m.soundRequest, 0);
        EXPECT_EQ(m.handleState, 0);
        EXPECT_EQ(m.launchPower, 0);
        EXPECT_EQ(m.boxes, 0);
        EXPECT_EQ(m.balls, 0);
    };

    // kind 2: the occupant goes, the machine goes on as it was
    dirtyUp();
    resetMachine(0, 5, kResetVacate);
    vacated();
    EXPECT_EQ(m.heldStarts, 3);
    EXPECT_EQ(m.mode, 3);
    EXPECT_EQ(m.ballSlot[3].state, 3); // balls in flight keep flying
    EXPECT_EQ(m.spinner[2], -20);

    // kind 3: fresh idle play, setting and statistics stay
    dirtyUp();
    resetMachine(0, 5, kResetClear);
    vacated();
    EXPECT_EQ(m.heldStarts, 0);
    EXPECT_EQ(m.pendingPrizePayouts + m.pendingStartPayouts, 0);
    EXPECT_EQ(m.mode, 0);
    EXPECT_EQ(m.modeTick, 0);
    EXPECT_EQ(m.round + m.attackerCount + m.vHit, 0);
    EXPECT_EQ(m.spinner[2], 0);
    EXPECT_EQ(m.ballSlot[3].state, 0);
    EXPECT_EQ(m.ballSlot[3].position, 0);
    EXPECT_EQ(m.setting, 1);
    EXPECT_EQ(m.luckReserve, 77);
    EXPECT_EQ(m.startsSincePrize, 321);
    EXPECT_EQ(m.prizesToday, 4);

    // The display's fresh pattern draws first, then the setting, then the
    // model's reserve: replay the draws on a copy to know what they gave.
    auto replayDraws = [&](int kind, int draws) {
        MachineState copy = m;
        uint32_t seed = randomSeed;
        modelResetDisplay(copy, kind);
        int values[2] = {randomNext(), draws > 1 ? modelNewLuckReserve() : 0};
        seedRandom(seed);
        return std::make_pair(values[0], values[1]);
    };

    // kind 1: a new business day draws the setting, keeps the reserve
    dirtyUp();
    auto drawn = replayDraws(kResetNewDay, 1);
    resetMachine(0, 5, kResetNewDay);
    EXPECT_EQ(m.setting, drawn.first % 3);
    EXPECT_EQ(m.startsSincePrize, 0);
    EXPECT_EQ(m.luckReserve, 77);
    EXPECT_EQ(m.prizesToday, 4);

    // kind 0: a new machine: setting, then reserve, and no history
    dirtyUp();
    drawn = replayDraws(kResetNew, 2);
    resetMachine(0, 5, kResetNew);
    EXPECT_EQ(m.setting, drawn.first % 3);
    EXPECT_EQ(m.luckReserve, drawn.second);
    EXPECT_EQ(m.prizesToday + m.prizesYesterday + m.prizesTwoDaysAgo, 0);
}

TEST_F(HallTest, FreshHallHasSettingsAndReservesInRange)
{
    std::memset(shops, 0, sizeof shops);
    loadData(); // no files: a fresh hall
    for (const ShopState& s : shops)
        for (const MachineState& m : s.machines) {
            EXPECT_GE(m.setting, 0);
            EXPECT_LE(m.setting, 2);
            EXPECT_GE(m.luckReserve, 0);
            EXPECT_LE(m.luckReserve, 47); // 0..15, or 16..47 on the models that start higher
            EXPECT_EQ(m.occupant, 0);
        }
}
