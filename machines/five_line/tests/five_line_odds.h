// The odds tests of a five-line model (no1_odds_test.cpp, no2_odds_test.cpp):
// the lottery's outcomes against the real lottery run over the generator's
// states and what the reels then show, the quick chance, the reserve's
// forced settings and its bookkeeping over a long run. Each model gives its
// own figures (OddsModel) and keeps its own test of what its reels decide.
//
// Tolerances: a count over N spins is held to N p within 5 binomial standard
// deviations, sqrt(N p (1 - p)), plus 5 of the estimate of p where p itself
// comes from a sample (odds::sampleChance over 2^21 uniform states).
#pragma once
#include <cmath>
#include <cstdio>
#include <vector>

#include "hallcore/machine/lottery.h"
#include "machines/five_line/tests/five_line_testing.h"
#include "tools/odds/exact_odds.h"

namespace five_line_testing {

// What a model's odds tests need of it.
struct OddsModel {
    const char* name;            // "No.1", as the figures are printed
    int pos;                     // where the reels stand on a new day
    int outcomes;                // the lottery's outcomes, 0 (no reach) to outcomes - 1
    bool (*isWin)(int outcome);  // the outcomes the lottery plans as a win
    const LotteryTable& lottery; // the model's lottery table
    void (*drawLottery)(MachineState& m); // the model's start lottery
};

const int kOddsSpins = 100000;
const uint64_t kOddsSamples = uint64_t(1) << 21;

inline double tolerance(double n, double p, double samples)
{
    return 5 * std::sqrt(n * p * (1 - p)) + 5 * n * std::sqrt(p * (1 - p) / samples);
}

// The share of each outcome of the real lottery from a uniform state, a
// machine in `setting` with the reserve between the marks.
inline odds::Tally lotteryShares(const OddsModel& o, int setting, bool barred)
{
    return odds::sampleChance(
        [&o, setting, barred](odds::Lcg& g) {
            seedRandom(g.state);
            MachineState m = standingMachine(o.pos);
            m.setting = setting;
            m.luckReserve = 20;
            m.continueBarred = barred;
            o.drawLottery(m);
            return m.drawOutcome;
        },
        kOddsSamples, 0x51A7 + setting);
}

// The chance of a prize for each outcome, from the new-day positions after a
// miss (what the model's test keeps, worked out once).
inline std::vector<double> prizeShares(const OddsModel& o, const LaterDraws& later)
{
    std::vector<double> share(o.outcomes);
    for (int k = 0; k < o.outcomes; k++)
        share[k] = prizeShareOfOutcome(k, o.pos, 0, later);
    return share;
}

// Wins, reaches and prizes of 100,000 spins in each setting against the
// lottery's shares and the prize share of each outcome.
inline void expectLotteryAndPrizeRatesOfTheRealLottery(const OddsModel& o, const std::vector<double>& share)
{
    for (int setting = 0; setting < 3; setting++) {
        odds::Tally t = lotteryShares(o, setting, false);
        double pWin = 0, pReach = 0, pPrize = 0;
        for (int k = 0; k < o.outcomes; k++) {
            double p = t.share(k);
            (o.isWin(k) ? pWin : pReach) += k == 0 ? 0 : p;
            pPrize += p * share[k];
        }
        // 100,000 spins in a row on one machine, its setting and reserve put back each spin
        seedRandom(20261209u + setting);
        long wins = 0, reaches = 0, prizes = 0;
        for (int i = 0; i < kOddsSpins; i++) {
            MachineState m = standingMachine(o.pos);
            m.setting = setting;
            m.luckReserve = 20;
            o.drawLottery(m);
            wins += o.isWin(m.drawOutcome);
            reaches += m.drawOutcome != 0 && !o.isWin(m.drawOutcome);
            prizes += runSpin(m).finalMode == 3;
        }
        std::printf("%s setting %d: win 1 in %.2f (%ld), reach 1 in %.2f (%ld), prize 1 in %.2f (%ld)\n", o.name,
                    setting, 1 / pWin, wins, 1 / pReach, reaches, 1 / pPrize, prizes);
        EXPECT_NEAR(wins, kOddsSpins * pWin, tolerance(kOddsSpins, pWin, kOddsSamples)) << setting;
        EXPECT_NEAR(reaches, kOddsSpins * pReach, tolerance(kOddsSpins, pReach, kOddsSamples)) << setting;
        EXPECT_NEAR(prizes, kOddsSpins * pPrize, tolerance(kOddsSpins, pPrize, kOddsSamples)) << setting;
        EXPECT_GE(prizes, wins); // every planned win shows; a losing reach may win too
    }
}

// After a lost right the quick chance draws a win 1 in 16 for four starts
// (not in the cold setting).
inline void expectTheQuickChanceOneInSixteenButNotCold(const OddsModel& o)
{
    odds::Tally t = lotteryShares(o, 0, true);
    double pWin = 0;
    for (int k = 1; k < o.outcomes; k++)
        pWin += o.isWin(k) ? t.share(k) : 0;
    EXPECT_NEAR(1 / pWin, 16.0, 0.5); // a single draw of 1 in 16, the reach drawn after it
    seedRandom(77);
    long wins = 0;
    for (int i = 0; i < kOddsSpins; i++) {
        MachineState m = standingMachine(o.pos);
        m.luckReserve = 20;
        m.continueBarred = 1;
        m.startsSincePrize = 4;
        o.drawLottery(m);
        wins += o.isWin(m.drawOutcome);
    }
    EXPECT_NEAR(wins, kOddsSpins * pWin, tolerance(kOddsSpins, pWin, kOddsSamples));
    // five starts on, or cold, the plain odds are back
    MachineState m = standingMachine(o.pos);
    m.continueBarred = 1;
    m.startsSincePrize = 5;
    EXPECT_EQ(lotteryPrizeOdds(m, o.lottery, false), 64);
    m.startsSincePrize = 0;
    m.setting = kSettingCold;
    EXPECT_EQ(lotteryPrizeOdds(m, o.lottery, false), 480);
}

// A full reserve forces the hot setting, a low one the cold (`alsoWhenCold`
// checks the cold draw further); a win with nothing in reserve leaves it at
// 0 or 1.
inline void expectTheReserveForcesTheSettingAndAnEmptyOneStaysEmpty(
    const OddsModel& o, void (*alsoWhenCold)(const MachineState& m) = nullptr)
{
    for (uint32_t seed = 0; seed < 2000; seed++) {
        seedRandom(seed);
        MachineState m = standingMachine(o.pos);
        m.luckReserve = 40;
        o.drawLottery(m);
        ASSERT_EQ(m.setting, kSettingHot);
        m.luckReserve = 3;
        m.setting = kSettingNormal;
        o.drawLottery(m);
        ASSERT_EQ(m.setting, kSettingCold);
        if (alsoWhenCold)
            alsoWhenCold(m);
    }
    // a win with nothing in reserve: the reserve stays 0
    int found = 0;
    for (uint32_t seed = 0; seed < 200000 && found < 3; seed++) {
        seedRandom(seed);
        MachineState m = standingMachine(o.pos);
        m.luckReserve = 0;
        m.continueBarred = 1; // the quick chance, so wins come often
        m.setting = kSettingHot;
        o.drawLottery(m);
        if (!o.isWin(m.drawOutcome))
            continue;
        EXPECT_GE(m.luckReserve, 0);
        EXPECT_LE(m.luckReserve, 1); // 0, or 1 when the 1 in 240 came first (then 1 - 1 + 1)
        found++;
    }
    EXPECT_EQ(found, 3);
}

// 200,000 spins of one machine: the reserve moves by at most one a spin,
// grows one spin in about 245 and holds the forced settings.
inline void expectTheReserveKeepsItsBooksOverALongRun(const OddsModel& o)
{
    seedRandom(4242);
    MachineState m = standingMachine(o.pos);
    m.luckReserve = 12;
    m.setting = 0;
    long wins = 0, grown = 0;
    for (int i = 0; i < 200000; i++) {
        int before = m.luckReserve;
        o.drawLottery(m);
        bool win = o.isWin(m.drawOutcome);
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
    std::printf("%s long run: %ld wins, reserve %d, setting %d\n", o.name, wins, m.luckReserve, m.setting);
}

} // namespace five_line_testing
