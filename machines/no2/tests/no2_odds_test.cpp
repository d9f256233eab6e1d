// Machine No.2's odds: the lottery's outcomes against the real lottery run
// over the generator's states, what the reels then show (the reels, not the
// lottery, decide a prize), the quick chance, the reserve's forced settings
// and its bookkeeping over a long run.
//
// Tolerances: a count over N spins is held to N p within 5 binomial standard
// deviations, sqrt(N p (1 - p)), plus 5 of the estimate of p where p itself
// comes from a sample (odds::sampleChance over 2^21 uniform states).
#include <cmath>

#include "machines/five_line/tests/five_line_testing.h"
#include "no2.h"
#include "no2_lottery.h"
#include "tools/odds/exact_odds.h"

using namespace five_line_testing;

namespace {

const int kSpins = 100000;
const uint64_t kSamples = uint64_t(1) << 21;

// The draws No.2's reach set-ups make: a losing reach's second set-up, one
// draw % 11 on both diagonals, else oneIn(8) and on its miss one draw % 13;
// the winning ones draw nothing.
std::vector<DrawCase> laterDraws(int outcome, int line)
{
    static const std::vector<DrawCase> bothDiagonals = oneDrawCases(11), none = {{1, 1.0}};
    static const std::vector<DrawCase> other = [] {
        std::vector<DrawCase> c = {{seedForDraws(8, 0), drawShare(8, 0)}};
        for (int r = 0; r < 13; r++)
            c.push_back({seedForDraws(8, 1, 13, r), (1 - drawShare(8, 0)) * drawShare(13, r)});
        return c;
    }();
    if (outcome != kReachLose)
        return none;
    return line == kLineBothDiagonals ? bothDiagonals : other;
}

// The share of each outcome of the real lottery from a uniform state, a
// machine in `setting` with the reserve between the marks.
odds::Tally lotteryShares(int setting, bool barred)
{
    return odds::sampleChance(
        [setting, barred](odds::Lcg& g) {
            seedRandom(g.state);
            MachineState m = standingMachine(480);
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
    return outcome >= kReachWin && outcome <= kRevivalWin;
}

const double (&prizeShareByOutcome())[6]
{
    static double share[6];
    static bool done = false;
    if (!done) {
        for (int o = 0; o <= 5; o++)
            share[o] = prizeShareOfOutcome(o, 480, 0, laterDraws);
        done = true;
    }
    return share;
}

} // namespace

// The reels decide: worked out over every value of the set-up's and the
// reach set-ups' draws (as independent 15-bit draws), from the new-day
// positions after a miss (reachSymbol 0) and after a fever on each symbol.
//  - A miss: a reach the boosts would stop on is broken by moving one reel a
//    cell, and on No.2's strips (numbers never in neighbouring cells, left
//    and right strips differing) that never makes another one: a spin drawn
//    as a miss is never a reach and never a prize.
//  - A losing reach: the middle reel stops 8 to 20 cells (8 to 18 on both
//    diagonals) past the symbol or one cell past it; no number of another
//    line ever stands there: never a prize.
// So on No.2 the lottery's win is exactly the prize.
TEST(No2Odds, TheReelsDecideAPrizeAndHowOftenALosingDrawStillWins)
{
    const double (&share)[6] = prizeShareByOutcome();
    for (int o = 0; o <= 5; o++)
        EXPECT_DOUBLE_EQ(share[o], isWin(o) ? 1.0 : 0.0) << "outcome " << o;
    EXPECT_EQ(unplannedReachShare(480), 0.0);
    for (int stale = 1; stale <= 8; stale++)
        EXPECT_EQ(prizeShareOfOutcome(kNoReach, 480, stale, laterDraws), 0.0) << stale;
}

TEST(No2Odds, LotteryAndPrizeRatesMatchTheRealLotteryInEverySetting)
{
    const double (&share)[6] = prizeShareByOutcome();
    for (int setting = 0; setting < 3; setting++) {
        odds::Tally t = lotteryShares(setting, false);
        double pWin = 0, pReach = 0, pPrize = 0;
        for (int o = 0; o <= 5; o++) {
            double p = t.share(o);
            (isWin(o) ? pWin : pReach) += o == 0 ? 0 : p;
            pPrize += p * share[o];
        }
        // 100,000 spins in a row on one machine, its setting and reserve put back each spin
        seedRandom(20261209u + setting);
        long wins = 0, reaches = 0, prizes = 0;
        for (int i = 0; i < kSpins; i++) {
            MachineState m = standingMachine(480);
            m.setting = setting;
            m.luckReserve = 20;
            drawLottery(m);
            wins += isWin(m.drawOutcome);
            reaches += m.drawOutcome != 0 && !isWin(m.drawOutcome);
            prizes += runSpin(m).finalMode == 3;
        }
        std::printf("No.2 setting %d: win 1 in %.2f (%ld), reach 1 in %.2f (%ld), prize 1 in %.2f (%ld)\n", setting,
                    1 / pWin, wins, 1 / pReach, reaches, 1 / pPrize, prizes);
        EXPECT_NEAR(wins, kSpins * pWin, tolerance(kSpins, pWin, kSamples)) << setting;
        EXPECT_NEAR(reaches, kSpins * pReach, tolerance(kSpins, pReach, kSamples)) << setting;
        EXPECT_NEAR(prizes, kSpins * pPrize, tolerance(kSpins, pPrize, kSamples)) << setting;
        EXPECT_GE(prizes, wins); // every planned win shows; a losing reach may win too
    }
}

TEST(No2Odds, TheQuickChanceAfterALostRightIsOneInSixteenButNotCold)
{
    odds::Tally t = lotteryShares(0, true);
    double pWin = 0;
    for (int o = 1; o <= 5; o++)
        pWin += isWin(o) ? t.share(o) : 0;
    EXPECT_NEAR(1 / pWin, 16.0, 0.5); // a single draw of 1 in 16, the reach drawn after it
    seedRandom(77);
    long wins = 0;
    for (int i = 0; i < kSpins; i++) {
        MachineState m = standingMachine(480);
        m.luckReserve = 20;
        m.continueBarred = 1;
        m.startsSincePrize = 4;
        drawLottery(m);
        wins += isWin(m.drawOutcome);
    }
    EXPECT_NEAR(wins, kSpins * pWin, tolerance(kSpins, pWin, kSamples));
    // five starts on, or cold, the plain odds are back
    MachineState m = standingMachine(480);
    m.continueBarred = 1;
    m.startsSincePrize = 5;
    EXPECT_EQ(lotteryPrizeOdds(m, kLottery, false), 64);
    m.startsSincePrize = 0;
    m.setting = kSettingCold;
    EXPECT_EQ(lotteryPrizeOdds(m, kLottery, false), 480);
}

TEST(No2Odds, TheReserveForcesTheSettingAndAnEmptyOneStaysEmpty)
{
    for (uint32_t seed = 0; seed < 2000; seed++) {
        seedRandom(seed);
        MachineState m = standingMachine(480);
        m.luckReserve = 40;
        drawLottery(m);
        ASSERT_EQ(m.setting, kSettingHot);
        m.luckReserve = 3;
        m.setting = kSettingNormal;
        drawLottery(m);
        ASSERT_EQ(m.setting, kSettingCold);
    }
    // a win with nothing in reserve: the reserve stays 0
    int found = 0;
    for (uint32_t seed = 0; seed < 200000 && found < 3; seed++) {
        seedRandom(seed);
        MachineState m = standingMachine(480);
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

TEST(No2Odds, TheReserveKeepsItsBooksOverALongRun)
{
    seedRandom(4242);
    MachineState m = standingMachine(480);
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
    std::printf("No.2 long run: %ld wins, reserve %d, setting %d\n", wins, m.luckReserve, m.setting);
}
