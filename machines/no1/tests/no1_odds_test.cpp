// Machine No.1's odds: the lottery's outcomes against the real lottery run
// over the generator's states, what the reels then show (the reels, not the
// lottery, decide a prize), the quick chance, the reserve's forced settings
// and its bookkeeping over a long run.
//
// Tolerances: a count over N spins is held to N p within 5 binomial standard
// deviations, sqrt(N p (1 - p)), plus 5 of the estimate of p where p itself
// comes from a sample (odds::sampleChance over 2^21 uniform states).
#include <cmath>

#include "machines/five_line/tests/five_line_testing.h"
#include "no1.h"
#include "no1_lottery.h"
#include "tools/odds/exact_odds.h"

using namespace five_line_testing;

namespace {

const int kSpins = 100000;
const uint64_t kSamples = uint64_t(1) << 21;

// The draws No.1's reach set-ups make: a losing reach's offset (rand % 14),
// the actions' losing side (rand % 2); the winning ones draw nothing.
std::vector<DrawCase> laterDraws(int outcome, int)
{
    static const std::vector<DrawCase> offset = oneDrawCases(14), side = oneDrawCases(2), none = {{1, 1.0}};
    if (outcome == kReachLose)
        return offset;
    if (outcome == kSlowLose || outcome == kStopGoLose)
        return side;
    return none;
}

// The share of each outcome of the real lottery from a uniform state, a
// machine in `setting` with the reserve between the marks.
odds::Tally lotteryShares(int setting, bool barred)
{
    return odds::sampleChance(
        [setting, barred](odds::Lcg& g) {
            seedRandom(g.state);
            MachineState m = standingMachine(312);
            m.setting = setting;
            m.luckReserve = 20;
            m.continueBarred = barred;
            drawLottery(m);
            return m.drawOutcome;
        },
        kSamples, 0x51A7 + setting);
}

double tolerance(double n, double p, double samples)
{
    return 5 * std::sqrt(n * p * (1 - p)) + 5 * n * std::sqrt(p * (1 - p) / samples);
}

bool isWin(int outcome)
{
    return outcome == kReachWin || outcome == kSlowWin || outcome == kSlowSlideBackWin || outcome == kStopGoWin
           || outcome == kStopGoSlideBackWin;
}

const double (&prizeShareByOutcome())[9]
{
    static double share[9];
    static bool done = false;
    if (!done) {
        for (int o = 0; o <= 8; o++)
            share[o] = prizeShareOfOutcome(o, 312, 0, laterDraws);
        done = true;
    }
    return share;
}

} // namespace

// The reels decide: worked out over every value of the set-up's and the
// reach set-ups' draws (as independent 15-bit draws), from the new-day
// positions after a miss (reachSymbol 0).
//  - A miss: No.1's numbers never stand in neighbouring cells and its left
//    and right strips differ, so a miss's boosts never stop on a reach once
//    the fix-up moved a reel: a spin drawn as a miss is never a prize (also
//    after a fever, with its symbol still in reachSymbol).
//  - A losing action (3, 6) stops the middle reel a cell before or past the
//    symbol, where the middle strip has a blank: never a prize.
//  - A plain losing reach (1) can be one: both diagonals may be a reach at
//    once (symbol 1, 2, 5 or 6 planned on a diagonal makes the other one
//    agree too), and the middle reel, kept off the planned symbol, may stop
//    on the other diagonal's: 2/105 of them (1 in 52.5).
TEST(No1Odds, TheReelsDecideAPrizeAndHowOftenALosingDrawStillWins)
{
    const double (&share)[9] = prizeShareByOutcome();
    for (int o = 0; o <= 8; o++) {
        if (isWin(o)) {
            EXPECT_DOUBLE_EQ(share[o], 1.0) << "a planned win always shows, outcome " << o;
        }
        std::printf("No.1 outcome %d: prize %.7f\n", o, share[o]);
    }
    EXPECT_EQ(share[kNoReach], 0.0);
    EXPECT_EQ(unplannedReachShare(312), 0.0);
    EXPECT_EQ(share[kSlowLose], 0.0);
    EXPECT_EQ(share[kStopGoLose], 0.0);
    EXPECT_NEAR(share[kReachLose], 2.0 / 105, 2e-5); // the 15-bit draws' rounding is below 1e-5
    for (int stale = 1; stale <= 6; stale++)
        EXPECT_EQ(prizeShareOfOutcome(kNoReach, 312, stale, laterDraws), 0.0) << stale;
}

TEST(No1Odds, LotteryAndPrizeRatesMatchTheRealLotteryInEverySetting)
{
    const double (&share)[9] = prizeShareByOutcome();
    for (int setting = 0; setting < 3; setting++) {
        odds::Tally t = lotteryShares(setting, false);
        double pWin = 0, pReach = 0, pPrize = 0;
        for (int o = 0; o <= 8; o++) {
            double p = t.share(o);
            (isWin(o) ? pWin : pReach) += o == 0 ? 0 : p;
            pPrize += p * share[o];
        }
        // 100,000 spins in a row on one machine, its setting and reserve put back each spin
        seedRandom(20261209u + setting);
        long wins = 0, reaches = 0, prizes = 0;
        for (int i = 0; i < kSpins; i++) {
            MachineState m = standingMachine(312);
            m.setting = setting;
            m.luckReserve = 20;
            drawLottery(m);
            wins += isWin(m.drawOutcome);
            reaches += m.drawOutcome != 0 && !isWin(m.drawOutcome);
            prizes += runSpin(m).finalMode == 3;
        }
        std::printf("No.1 setting %d: win 1 in %.2f (%ld), reach 1 in %.2f (%ld), prize 1 in %.2f (%ld)\n", setting,
                    1 / pWin, wins, 1 / pReach, reaches, 1 / pPrize, prizes);
        EXPECT_NEAR(wins, kSpins * pWin, tolerance(kSpins, pWin, kSamples)) << setting;
        EXPECT_NEAR(reaches, kSpins * pReach, tolerance(kSpins, pReach, kSamples)) << setting;
        EXPECT_NEAR(prizes, kSpins * pPrize, tolerance(kSpins, pPrize, kSamples)) << setting;
        EXPECT_GE(prizes, wins); // every planned win shows; a losing reach may win too
    }
}

TEST(No1Odds, TheQuickChanceAfterALostRightIsOneInSixteenButNotCold)
{
    odds::Tally t = lotteryShares(0, true);
    double pWin = 0;
    for (int o = 1; o <= 8; o++)
        pWin += isWin(o) ? t.share(o) : 0;
    EXPECT_NEAR(1 / pWin, 16.0, 0.5); // a single draw of 1 in 16, the reach drawn after it
    seedRandom(77);
    long wins = 0;
    for (int i = 0; i < kSpins; i++) {
        MachineState m = standingMachine(312);
        m.luckReserve = 20;
        m.continueBarred = 1;
        m.startsSincePrize = 4;
        drawLottery(m);
        wins += isWin(m.drawOutcome);
    }
    EXPECT_NEAR(wins, kSpins * pWin, tolerance(kSpins, pWin, kSamples));
    // five starts on, or cold, the plain odds are back
    MachineState m = standingMachine(312);
    m.continueBarred = 1;
    m.startsSincePrize = 5;
    EXPECT_EQ(lotteryPrizeOdds(m, kLottery, false), 64);
    m.startsSincePrize = 0;
    m.setting = kSettingCold;
    EXPECT_EQ(lotteryPrizeOdds(m, kLottery, false), 480);
}

TEST(No1Odds, TheReserveForcesTheSettingAndAnEmptyOneStaysEmpty)
{
    for (uint32_t seed = 0; seed < 2000; seed++) {
        seedRandom(seed);
        MachineState m = standingMachine(312);
        m.luckReserve = 40;
        drawLottery(m);
        ASSERT_EQ(m.setting, kSettingHot);
        m.luckReserve = 3;
        m.setting = kSettingNormal;
        drawLottery(m);
        ASSERT_EQ(m.setting, kSettingCold);
        EXPECT_NE(m.drawOutcome, kSlowWin); // cold wins show as a plain reach win
        EXPECT_NE(m.drawOutcome, kStopGoSlideBackWin);
    }
    // a win with nothing in reserve: the reserve stays 0
    int found = 0;
    for (uint32_t seed = 0; seed < 200000 && found < 3; seed++) {
        seedRandom(seed);
        MachineState m = standingMachine(312);
        m.luckReserve = 0;
        m.continueBarred = 1; // the quick chance, so wins come often
        m.setting = kSettingHot;
        uint32_t before = randomSeed;
        drawLottery(m);
        if (!isWin(m.drawOutcome))
            continue;
        (void)before;
        EXPECT_GE(m.luckReserve, 0);
        EXPECT_LE(m.luckReserve, 1); // 0, or 1 when the 1 in 240 came first (then 1 - 1 + 1)
        found++;
    }
    EXPECT_EQ(found, 3);
}

TEST(No1Odds, TheReserveKeepsItsBooksOverALongRun)
{
    seedRandom(4242);
    MachineState m = standingMachine(312);
    m.luckReserve = 12;
    m.setting = 0;
    long wins = 0, grown = 0;
    for (int i = 0; i < 200000; i++) {
        int before = m.luckReserve;
        drawLottery(m);
        bool win = isWin(m.drawOutcome);
        wins += win;
        int change = m.luckReserve - before;
        // one spin moves the reserve by +1 (the 1 in 240), -1 (a win) or both
        ASSERT_TRUE(change >= -1 && change <= 1) << i;
        ASSERT_GE(m.luckReserve, 0);
        if (!win && change == 1)
            grown++;
        if (!win) {
            // the forced settings hold after the prelude
            if (m.luckReserve > 32) {
                ASSERT_EQ(m.setting, kSettingHot);
            }
            if (m.luckReserve < 8) {
                ASSERT_EQ(m.setting, kSettingCold);
            }
        }
    }
    // the reserve grows about one spin in 245 (oneIn(240)'s real odds); wins take it down
    EXPECT_NEAR(grown, 200000.0 / 245.156, 5 * std::sqrt(200000.0 / 245.156) + 40);
    EXPECT_GT(wins, 0);
    std::printf("No.1 long run: %ld wins, reserve %d, setting %d\n", wins, m.luckReserve, m.setting);
}
