// Machine No.3's lottery drawn at high volume against the odds the
// simulator reports as exact, and the one payout the simulator has to work
// out from the tray: a door closing on a launch beat.
#include <cstring>

#include <gtest/gtest.h>

#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/random.h"
#include "hallcore/machine/anim_clock.h"
#include "no3.h"
#include "tools/hallsim/observer.h"
#include "tools/hallsim/odds.h"
#include "tools/hallsim/sim_stats.h"

namespace {

constexpr double kZ999 = 3.290526731491926;

struct Draws {
    int64_t n[kMaxSettings] = {}, prizes[kMaxSettings] = {}, reaches[kMaxSettings] = {};
    int64_t total = 0, redrawn = 0, reserveUp = 0;
};

// Draws from a machine set to `setting` with `reserve` each time, and books
// each draw under the setting in force after the lottery's own redraw.
Draws draw(int setting, int reserve, int barred, int64_t count, uint32_t seed)
{
    seedRandom(seed);
    MachineState m;
    std::memset(&m, 0, sizeof m);
    resetMachineRecord(m, kResetNew);
    Draws d;
    for (int64_t k = 0; k < count; k++) {
        m.setting = setting;
        m.luckReserve = reserve;
        m.continueBarred = barred;
        m.startsSincePrize = 0;
        drawLottery(m);
        int s = m.setting;
        d.total++;
        d.redrawn += s != setting;
        d.reserveUp += m.luckReserve != reserve;
        d.n[s]++;
        d.reaches[s] += m.lineMask != 0;
        MachineState end = m;
        d.prizes[s] += winMask(end);
    }
    return d;
}

bool near(int64_t k, int64_t n, double p)
{
    return wilsonInterval(k, n, kZ999).contains(p);
}

} // namespace

TEST(No3Lottery, EachSettingDrawsPrizesAndReachesAtItsExactChance)
{
    const LotteryTable& rules = simLottery();
    for (int s = 0; s < kSettings; s++) {
        Draws d = draw(s, 20, 0, 400000, 3000 + s);
        for (int t = 0; t < kSettings; t++) {
            if (d.n[t] == 0)
                continue;
            EXPECT_TRUE(near(d.prizes[t], d.n[t], exactPrizeChance(t)))
                << "from " << s << ", in force " << t << ": " << d.prizes[t] << " in " << d.n[t];
            EXPECT_TRUE(near(d.reaches[t], d.n[t], exactReachChance(t))) << s << " " << t;
        }
        ASSERT_GT(d.n[s], 380000);
        // the odds of the other settings are told apart at this volume
        for (int t = 0; t < kSettings; t++) {
            if (t != s) {
                EXPECT_FALSE(near(d.prizes[s], d.n[s], exactPrizeChance(t))) << s << " vs " << t;
            }
        }
        // the redraw: one spin in 80, to another setting two times in three
        EXPECT_TRUE(near(d.redrawn, d.total, oneInChance(rules.redrawOdds) * (1 - settingShareInMidReserve(s))));
        EXPECT_TRUE(near(d.reserveUp, d.total, oneInChance(rules.reserveOdds)));
    }
}

TEST(No3Lottery, TheReserveForcesTheSettingAtItsBounds)
{
    const LotteryTable& rules = simLottery();
    Draws hot = draw(0, rules.hotAbove + 1, 0, 20000, 11);
    EXPECT_EQ(hot.n[kSettingHot], hot.total);
    Draws cold = draw(0, rules.coldBelow - 2, 0, 20000, 12); // a spin may add one first
    EXPECT_EQ(cold.n[kSettingCold], cold.total);
    Draws mid = draw(kSettingHot, rules.hotAbove, 0, 20000, 13); // the bound itself is not above it
    EXPECT_LT(mid.n[kSettingHot], mid.total);
}

TEST(No3Lottery, TheQuickChanceAppliesExactlyWhereTheSimulatorSaysItDoes)
{
    for (int s = 0; s < kSettings; s++) {
        Draws d = draw(s, 20, 1, 200000, 5000 + s);
        for (int t = 0; t < kSettings; t++) {
            if (d.n[t] < 1000)
                continue;
            double exact = drawHasQuickChance(1, 0, t) ? exactQuickPrizeChance() : exactPrizeChance(t);
            EXPECT_TRUE(near(d.prizes[t], d.n[t], exact)) << "barred, in force " << t;
        }
    }
    EXPECT_FALSE(drawHasQuickChance(0, 0, 0));
    EXPECT_FALSE(drawHasQuickChance(1, 5, 0));
    EXPECT_TRUE(drawHasQuickChance(1, 4, 1));
}

TEST(No3Observer, APayoutAtADoorClosingOnALaunchBeatIsCountedFromTheTray)
{
    // a round whose door has taken its ten balls, with one ball still in its
    // mouth: the closing sweeps it into a prize payout just before the payout
    auto roundAtItsEnd = [] {
        MachineState m;
        std::memset(&m, 0, sizeof m);
        m.occupant = 1;
        m.launchPower = 48;
        m.mode = 3;
        m.round = 3;
        m.modeTick = 200;
        m.attackerOpen = 1;
        m.attackerCount = 10;
        m.vHit = 1;
        m.balls = 500;
        m.ballSlot[0].state = 3;
        m.ballSlot[0].path = 150;
        setBallPosition(m.ballSlot[0], 60, 95);
        return m;
    };
    startAnimClock();
    do
        advanceAnimClock();
    while (!(animClock.halfPhase == 0 && animClock.count512 == 0));

    for (int owedStarts : {0, 1}) {
        MachineState m = roundAtItsEnd();
        m.pendingStartPayouts = owedStarts;
        MachineWatch watch;
        watch.begin(m);
        int32_t tray = m.balls;
        machineStep(m);
        ASSERT_EQ(m.round, 4) << "the door closed";
        PassEvents e = watch.pass(m, true);
        EXPECT_FALSE(e.unresolved);
        EXPECT_EQ(e.paid, owedStarts * kStartPayoutBalls + kPrizePayoutBalls);
        EXPECT_EQ(m.balls - tray, e.paid - e.fired);
    }

    // the customer's side moved the tray in the same pass: said so, not guessed
    MachineState m = roundAtItsEnd();
    m.pendingStartPayouts = 1;
    MachineWatch watch;
    watch.begin(m);
    machineStep(m);
    m.occupant = 0; // left rich
    m.balls = 0;
    PassEvents e = watch.pass(m, true);
    EXPECT_TRUE(e.unresolved);
}
