// The lottery statistics of a one-line model, against figures worked out
// from its own rules and the game's real generator.
//
// The expected share of an outcome is what the model's real start of a spin
// (modelStartSpin: the prelude, the prize, the reach, the outcome's own
// draws and the reel set-up) gives from starting states of the generator
// drawn uniformly (odds::sampleChance, its own independent sampler). The
// observed share is the game's: successive spins drawn one after another
// from one seeded stream, as a machine plays them. The two agree within
// 5 standard deviations of the two binomial estimates together unless the
// rule is wired wrong (or successive spins are far less independent than
// docs/random.md finds).
#pragma once
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "hallcore/machine/lottery.h"
#include "hallcore/machine/random.h"
#include "machines/one_line/tests/one_line_fixture.h"
#include "tools/odds/exact_odds.h"

namespace lotterystats {

// What a spin's outcome counts as in a test.
enum { kMiss = 0, kReach = 1, kWin = 2 };

struct Share {
    uint64_t hits = 0, n = 0;
    double p() const { return n ? double(hits) / double(n) : 0; }
};

// The machine a spin starts from: a setting, a reserve that forces nothing,
// a chance count and a lost right to go on, reset before every spin.
struct Start {
    int setting = 0, reserve = 30, chance = 0, barred = 0, startsSince = 0;
    void apply(MachineState& m) const
    {
        m.setting = setting;
        m.luckReserve = reserve;
        m.chanceCount = chance;
        m.continueBarred = barred;
        m.startsSincePrize = startsSince;
        m.heldStarts = 0;
    }
};

// One spin's start from the generator at `state`, classified (kMiss, kReach
// or kWin) by `kind` from the drawOutcome it set.
inline int spinFrom(odds::Lcg& g, const Start& s, int (*kind)(int outcome))
{
    MachineState m = idleMachine();
    s.apply(m);
    randomSeed = g.state; // the rules draw from the game's stream: run it from this state
    modelStartSpin(m);
    g.state = randomSeed;
    return kind(m.drawOutcome);
}

// The expected shares of kWin and kReach, from `samples` uniform states.
inline void expectedShares(const Start& s, int (*kind)(int), uint64_t samples, uint64_t seed, Share& win,
                           Share& reach)
{
    odds::Tally t = odds::sampleChance([&](odds::Lcg& g) { return spinFrom(g, s, kind); }, samples, seed);
    win = {t.count[kWin], t.states};
    reach = {t.count[kReach], t.states};
}

// The game's shares over `spins` successive spins from one seed.
inline void playedShares(const Start& s, int (*kind)(int), uint64_t spins, uint32_t seed, Share& win, Share& reach)
{
    seedRandom(seed);
    win = {0, spins};
    reach = {0, spins};
    for (uint64_t k = 0; k < spins; k++) {
        MachineState m = idleMachine();
        s.apply(m);
        modelStartSpin(m);
        int c = kind(m.drawOutcome);
        win.hits += c == kWin;
        reach.hits += c == kReach;
    }
}

// Two estimates of one chance agree within 5 standard deviations of their
// difference.
inline ::testing::AssertionResult agree(const Share& played, const Share& expected)
{
    double p = (double(played.hits) + double(expected.hits)) / double(played.n + expected.n);
    double sd = std::sqrt(p * (1 - p) * (1.0 / double(played.n) + 1.0 / double(expected.n)));
    double d = played.p() - expected.p();
    if (std::fabs(d) <= 5 * sd)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "played 1 in " << 1 / played.p() << " (" << played.hits << " of "
                                         << played.n << "), expected 1 in " << 1 / expected.p() << ", off by "
                                         << d / sd << " sd";
}

// ---------------------------------------------------------------- chains

// The share of prizes that are chance symbols, from the model's own symbol
// draw (chooseReachSymbol) in or out of a chance state.
inline double chanceSymbolShare(bool inChanceState, uint64_t samples, uint64_t seed)
{
    odds::Tally t = odds::sampleChance(
        [&](odds::Lcg& g) {
            MachineState m = idleMachine();
            m.luckReserve = 30;
            m.chanceCount = inChanceState ? 1 : 0;
            randomSeed = g.state;
            int symbol = chooseReachSymbol(m);
            g.state = randomSeed;
            return isChanceSymbol(symbol) ? 1 : 0;
        },
        samples, seed);
    return t.share(1);
}

// A chain: a prize outside the chance state on a chance symbol, and every
// prize after it until the count is spent. From a count of 2 each prize
// either renews it (chance symbol, p1) or uses one; two in a row that do
// not end it. With q1 = 1 - p1, the prizes after the first number
// E = (1 + q1) / q1^2, so a chain holds 1 + E prizes; between chains come
// (1 - p0) / p0 lone prizes.
struct ChainFigures {
    double meanPrizes;  // prizes per chain, the first included
    double startShare;  // of all prizes, those that start a chain
};

inline ChainFigures chainFigures(double p0, double p1)
{
    double q1 = 1 - p1;
    double mean = 1 + (1 + q1) / (q1 * q1);
    return {mean, 1 / ((1 - p0) / p0 + mean)};
}

struct ChainRun {
    uint64_t spins = 0, prizes = 0, chains = 0, chainPrizes = 0;
    double sumSquares = 0; // of the chain lengths, for their spread
    double meanPrizes() const { return double(chainPrizes) / double(chains); }
    double startShare() const { return double(chains) / double(prizes); }
    double meanSd() const // standard error of the mean chain length
    {
        double m = meanPrizes();
        return std::sqrt((sumSquares / double(chains) - m * m) / double(chains));
    }
};

// Plays `spins` successive spins from one seed with the chance state kept as
// the big prize keeps it (bookChanceState at each prize), the setting and
// reserve held.
inline ChainRun playChains(int setting, uint64_t spins, uint32_t seed, int (*kind)(int))
{
    seedRandom(seed);
    MachineState m = idleMachine();
    ChainRun r;
    uint64_t length = 0;
    for (uint64_t k = 0; k < spins; k++) {
        m.setting = setting;
        m.luckReserve = 30;
        m.continueBarred = 0;
        m.heldStarts = 0;
        modelStartSpin(m);
        r.spins++;
        if (kind(m.drawOutcome) != kWin)
            continue;
        r.prizes++;
        bool inChain = m.chanceCount > 0;
        bookChanceState(m); // what round 0 of the big prize does
        if (!inChain && m.chanceCount > 0) {
            r.chains++;
            length = 1;
        } else if (inChain) {
            length++;
        }
        if (inChain && m.chanceCount == 0) {
            r.chainPrizes += length;
            r.sumSquares += double(length) * double(length);
        }
    }
    if (m.chanceCount > 0) // the last chain did not end: not counted
        r.chains--;
    return r;
}

// ---------------------------------------------------------------- a model's rate tests

// What the rate tests need of a model: its number as printed, how its
// outcomes count, its lottery table, and the first of its seeds (each test
// takes its own from there: the settings +0, the chance state +10, the quick
// chance +20, the chains +32).
struct LotteryModel {
    const char* number;
    int (*kind)(int outcome);
    const LotteryTable& lottery;
    uint32_t seeds;
};

const uint64_t kSpins = 200000;    // the game's spins per case
const uint64_t kSamples = 2000000; // uniform states for the expected figure

// The played prize and reach rates from `s` against the expected ones, and
// the expected prize rate against the rule's nominal odds.
inline void expectRates(const LotteryModel& l, const Start& s, uint32_t seed, int nominalPrizeOdds)
{
    Share expWin, expReach, win, reach;
    expectedShares(s, l.kind, kSamples, seed, expWin, expReach);
    playedShares(s, l.kind, kSpins, seed, win, reach);
    std::printf("No.%s setting %d chance %d barred %d: prize 1 in %.2f (played 1 in %.2f), reach 1 in %.3f (played 1 in %.3f)\n",
                l.number, s.setting, s.chance, s.barred, 1 / expWin.p(), 1 / win.p(), 1 / expReach.p(), 1 / reach.p());
    EXPECT_TRUE(agree(win, expWin)) << "prize, setting " << s.setting;
    EXPECT_TRUE(agree(reach, expReach)) << "reach, setting " << s.setting;
    // the expected figure is the rule's own: within 4% of its oneIn (the
    // prelude's redraw now and then puts another setting in force); 0 where
    // the redraw changes more (cold and barred: a redraw to another setting
    // brings the quick chance, a third more prizes)
    if (nominalPrizeOdds == 0)
        return;
    double exact = odds::exactOneIn(nominalPrizeOdds).value();
    EXPECT_NEAR(expWin.p() / exact, 1.0, 0.04) << "setting " << s.setting;
}

inline void expectEachSettingDrawsItsPrizesAndReaches(const LotteryModel& l)
{
    for (int setting = 0; setting < 3; setting++) {
        Start s;
        s.setting = setting;
        expectRates(l, s, l.seeds + setting, l.lottery.prizeOdds[setting]);
    }
}

inline void expectTheChanceStateDrawsItsOddsAlsoInTheColdSetting(const LotteryModel& l)
{
    for (int setting : {0, 2}) {
        Start s;
        s.setting = setting;
        s.chance = 2;
        expectRates(l, s, l.seeds + 10 + setting, l.lottery.chanceOdds);
    }
}

inline void expectTheQuickChanceFirstButNotInTheColdSetting(const LotteryModel& l)
{
    Start s;
    s.barred = 1;
    s.chance = 2; // the quick chance comes before the chance state
    expectRates(l, s, l.seeds + 20, l.lottery.quickOdds);
    s.setting = 2; // cold: the chance state's odds
    expectRates(l, s, l.seeds + 21, l.lottery.chanceOdds);
    s.chance = 0; // cold and no chance state: the cold odds
    expectRates(l, s, l.seeds + 22, 0);
    s.setting = 0;
    s.startsSince = 5; // past the quick chance's four starts
    expectRates(l, s, l.seeds + 23, l.lottery.prizeOdds[0]);
}

// The chains of 3,000,000 spins on the hot setting against the figures
// worked out from the model's symbol shares.
inline void expectTheChainsRunAsFigured(const LotteryModel& l, const ChainFigures& want)
{
    ChainRun run = playChains(kSettingHot, 3000000, l.seeds + 32, l.kind);
    ASSERT_GT(run.chains, 3000u);
    // share of prizes: binomial over the prizes, 5 sd; mean: 5 standard errors
    double s = want.startShare;
    EXPECT_NEAR(run.startShare(), s, 5 * std::sqrt(s * (1 - s) / double(run.prizes)));
    EXPECT_NEAR(run.meanPrizes(), want.meanPrizes, 5 * run.meanSd());
    std::printf("No.%s chains: %llu prizes, %llu chains, %.4f start one (exact %.4f), %.3f prizes a chain (exact %.3f)\n",
                l.number, (unsigned long long)run.prizes, (unsigned long long)run.chains, run.startShare(), s,
                run.meanPrizes(), want.meanPrizes);
}

} // namespace lotterystats
