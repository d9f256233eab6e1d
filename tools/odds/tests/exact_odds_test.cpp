// The exact odds against the game's own generator and against brute force.
//
// The full brute force over 2^32 states takes seconds per rule, so it runs in
// `odds_report --check`. Here the argument is held to the brute force in two
// cheaper ways: exactly, for chosen values of the low 17 bits with all 2^15
// high parts each (the argument's claim is per value of the low bits), and
// statistically, over a random sample of a million whole states.
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "hallcore/machine/random.h"
#include "tools/odds/exact_odds.h"

using odds::Lcg;

namespace {

const int kRuleOdds[] = {2, 3, 4, 6, 8, 12, 16, 24, 30, 32, 64, 80, 128, 240, 256, 480, 512, 1800};
// odd shapes no rule uses: n = 1, halvings that leave 8 or 9, a huge n
const int kOtherOdds[] = {1, 5, 7, 17, 33, 100, 1000, 4095, 65535, 1 << 30};

constexpr uint32_t kLowMask = (1u << 17) - 1;

// low 17-bit values to check exactly: both ends and a spread of others
std::vector<uint32_t> lowValues(int count)
{
    std::vector<uint32_t> v = {0, 1, kLowMask};
    uint64_t x = 12345;
    while (static_cast<int>(v.size()) < count)
        v.push_back(static_cast<uint32_t>(odds::detail::mix64(x)) & kLowMask);
    return v;
}

// The sample counts a binomial(N, p) number of passes: N independent uniform
// starting states, each passing with the exact chance p. A correct argument
// is off by more than 6 standard deviations with a chance below 1e-8 per
// comparison; a wrong one is off by that much once its error exceeds about
// 6 sqrt(p / N) relative, 0.6% at p = 1/3 and 25% at p = 1/1800.
void expectWithinSample(uint64_t passes, uint64_t samples, double p)
{
    double mean = p * static_cast<double>(samples);
    double sd = std::sqrt(mean * (1 - p));
    EXPECT_LE(std::fabs(static_cast<double>(passes) - mean), 6 * sd + 0.5)
        << passes << " of " << samples << ", expected " << mean;
}

constexpr uint64_t kSamples = 1000000;

} // namespace

// --- the generator ---

TEST(Generator, DrawsAsTheGameDoes)
{
    for (uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu, 20261208u}) {
        seedRandom(seed);
        Lcg g{seed};
        for (int i = 0; i < 100000; i++) {
            ASSERT_EQ(g.next(), randomNext()) << "seed " << seed << ", draw " << i;
            ASSERT_EQ(g.state, randomSeed);
        }
    }
}

TEST(Generator, OneInDrawsAsTheGameDoes)
{
    // every n a rule uses, n below 1 (drawn as 1), and huge n, in a random
    // order so that calls start from every kind of state
    std::vector<int> ns(std::begin(kRuleOdds), std::end(kRuleOdds));
    ns.insert(ns.end(), std::begin(kOtherOdds), std::end(kOtherOdds));
    ns.insert(ns.end(), {0, -1, INT_MIN, INT_MAX});
    seedRandom(99);
    Lcg g{99};
    uint64_t x = 7;
    int passes = 0;
    for (int i = 0; i < 200000; i++) {
        int n = ns[odds::detail::mix64(x) % ns.size()];
        bool mine = g.oneIn(n);
        ASSERT_EQ(mine, oneIn(n)) << "call " << i << ", n " << n;
        ASSERT_EQ(g.state, randomSeed) << "call " << i << ", n " << n;
        passes += mine;
    }
    EXPECT_GT(passes, 0);
}

// --- one call ---

TEST(ExactOneIn, UpToSixteenIsTheCountOfFifteenBitValues)
{
    // no halvings: the one draw is uniform over its 32768 values
    for (int n = 1; n <= 16; n++)
        EXPECT_EQ(odds::exactOneIn(n).count, (32767u / n + 1) * (uint64_t(1) << 17)) << n;
    odds::Chance three = odds::exactOneIn(3);
    EXPECT_EQ(three.reducedNumerator(), 10923u);
    EXPECT_EQ(three.reducedDenominator(), 32768u);
    EXPECT_EQ(odds::exactOneIn(0).count, odds::kStates);
    EXPECT_EQ(odds::exactOneIn(-7).count, odds::kStates);
}

TEST(ExactOneIn, EachLowValueCountsAsTheBruteForceOverItsHighParts)
{
    std::vector<int> ns(std::begin(kRuleOdds), std::end(kRuleOdds));
    ns.insert(ns.end(), std::begin(kOtherOdds), std::end(kOtherOdds));
    for (uint32_t low : lowValues(40))
        for (int n : ns) {
            uint32_t passes = 0;
            for (uint32_t high = 0; high < (1u << 15); high++) {
                Lcg g{high << 17 | low};
                passes += g.oneIn(n);
            }
            ASSERT_EQ(odds::exactOneInGivenLow(n, low), passes) << "n " << n << ", low bits " << low;
        }
}

TEST(ExactOneIn, MatchesASampleOfWholeStates)
{
    uint64_t seed = 1;
    for (int n : kRuleOdds) {
        odds::Tally t = odds::sampleChance([n](Lcg& g) { return g.oneIn(n); }, kSamples, seed++);
        ASSERT_EQ(t.states, kSamples);
        expectWithinSample(t.count[1], kSamples, static_cast<double>(odds::exactOneIn(n).value()));
    }
}

TEST(ExactOneIn, TheLastDrawIsFairOnceThePairsPass)
{
    // docs/random.md: the whole difference from 1/n is the pairs' chain
    for (int n : kRuleOdds) {
        odds::IdealOdds o = odds::idealOneIn(n);
        uint64_t lastShare = 32767u / o.lastN + 1; // of 32768
        EXPECT_EQ(odds::exactOneIn(n).count * 32768, odds::exactPairsPass(n).count * lastShare) << n;
    }
    EXPECT_EQ(odds::exactPairsPass(16).count, odds::kStates);
    EXPECT_LT(odds::exactPairsPass(1800).count, odds::kStates >> 7);
}

TEST(ExactOneIn, IdealOddsFollowTheHalvings)
{
    struct Case {
        int n, halvings, lastN;
        double coinsOneIn;
    };
    const Case cases[] = {
        {16, 0, 16, 16},  {17, 1, 8, 16},     {24, 1, 12, 24},    {30, 1, 15, 30},   {80, 3, 10, 80},
        {240, 4, 15, 240}, {480, 5, 15, 480}, {1800, 7, 14, 1792}, {512, 5, 16, 512}, {0, 0, 1, 1},
    };
    for (const Case& c : cases) {
        odds::IdealOdds o = odds::idealOneIn(c.n);
        EXPECT_EQ(o.halvings, c.halvings) << c.n;
        EXPECT_EQ(o.lastN, c.lastN) << c.n;
        EXPECT_DOUBLE_EQ(1 / o.coins, c.coinsOneIn) << c.n;
    }
    EXPECT_DOUBLE_EQ(odds::idealOneIn(1800).named, 1.0 / 1800);
    // 15-bit last draw: 2341 of 32768 values are multiples of 14
    EXPECT_DOUBLE_EQ(odds::idealOneIn(1800).coinsCounted, 2341.0 / 32768 / 128);
}

// --- two calls ---

TEST(ExactPair, EachLowValueCountsAsTheBruteForceOverItsHighParts)
{
    const int pairs[][2] = {{240, 80}, {64, 8}, {32, 3}, {16, 2}, {2, 2}, {3, 3},   {1800, 30},
                            {30, 30},  {5, 7},  {7, 5},  {17, 1}, {1, 1}, {80, 64}, {480, 16}};
    for (uint32_t low : lowValues(24))
        for (const auto& ab : pairs) {
            uint64_t count[2][2] = {};
            for (uint32_t high = 0; high < (1u << 15); high++) {
                Lcg g{high << 17 | low};
                int x = g.oneIn(ab[0]);
                int y = g.oneIn(ab[1]);
                count[x][y]++;
            }
            odds::PairOdds p = odds::exactPairGivenLow(ab[0], ab[1], low);
            for (int x = 0; x < 2; x++)
                for (int y = 0; y < 2; y++)
                    ASSERT_EQ(p.count[x][y], count[x][y])
                        << ab[0] << " then " << ab[1] << ", low bits " << low << ", outcome " << x << y;
        }
}

TEST(ExactPair, FirstCallSeesAUniformState)
{
    for (const auto& ab : {std::pair<int, int>{64, 8}, {240, 80}, {32, 3}, {1800, 30}}) {
        odds::PairOdds p = odds::exactPair(ab.first, ab.second, 2);
        EXPECT_EQ(p.total(), odds::kStates);
        EXPECT_EQ(p.count[1][0] + p.count[1][1], odds::exactOneIn(ab.first).count) << ab.first;
    }
}

TEST(ExactPair, MatchesASampleOfWholeStates)
{
    uint64_t seed = 100;
    for (const auto& ab : {std::pair<int, int>{64, 8}, {240, 80}, {32, 3}, {16, 2}}) {
        odds::Tally t = odds::sampleChance(
            [ab](Lcg& g) {
                int x = g.oneIn(ab.first);
                int y = g.oneIn(ab.second);
                return 2 * x + y;
            },
            kSamples, seed++);
        odds::PairOdds p = odds::exactPair(ab.first, ab.second, 2);
        for (int x = 0; x < 2; x++)
            for (int y = 0; y < 2; y++)
                expectWithinSample(t.count[static_cast<size_t>(2 * x + y)], kSamples,
                                   static_cast<double>(p.count[x][y]) / odds::kStates);
    }
}

// --- the brute force ---

TEST(BruteForce, ThreadsSplitASpanExactly)
{
    // a span that wraps past 2^32 and ends inside a block
    const uint32_t first = 0xFFFFFFFFu - (1u << 21);
    const uint64_t count = 3 * (uint64_t(1) << 22) + 12345;
    auto f = [](Lcg& g) {
        int x = g.next();
        return (x ^ g.next() >> 3) & 15;
    };
    for (odds::Order order : {odds::Order::Consecutive, odds::Order::LowBitsOuter}) {
        bool rotated = order == odds::Order::LowBitsOuter;
        uint64_t expected[16] = {};
        uint32_t index = first;
        for (uint64_t i = 0; i < count; i++, index++) {
            Lcg g{rotated ? (index << 17 | index >> 15) : index};
            expected[f(g)]++;
        }
        for (int jobs : {1, 3}) {
            odds::Tally t = odds::chanceOverStates(f, first, count, jobs, order);
            EXPECT_EQ(t.states, count);
            EXPECT_EQ(t.outOfRange, 0u);
            for (int k = 0; k < 16; k++)
                EXPECT_EQ(t.count[static_cast<size_t>(k)], expected[k])
                    << "rotated " << rotated << ", jobs " << jobs << ", outcome " << k;
        }
    }
}

TEST(BruteForce, ReturnsOutsideTheClassesAreCountedApart)
{
    odds::Tally t = odds::chanceOverStates([](Lcg& g) { return g.next() % 4 == 0 ? -1 : 16 + g.next() % 2; }, 0,
                                           1u << 16, 2);
    EXPECT_EQ(t.outOfRange, 1u << 16);
    for (uint64_t c : t.count)
        EXPECT_EQ(c, 0u);
}
