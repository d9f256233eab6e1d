// Exact odds of the game's random rules.
//
// Every rule draws from one linear congruential generator (see
// hallcore/machine/random.h). Its outputs are not independent coin flips, so
// "one in n" is only roughly one in n. This library works out how often a
// rule really passes when the generator's state before it is uniform over all
// 2^32 states, which is what a long game sees: the generator has full period
// 2^32, so every state is the current one equally often.
//
// Two ways to get the figures:
//  - an exact argument for oneIn(n) and for two successive calls, which needs
//    only the state's low 17 bits (2^17 cases) and counts the rest;
//  - a brute force over all 2^32 starting states for any short chain of
//    draws (exactChance), used to check the argument and for composite rules
//    whose early exits change which state the next rule sees.
//
// Chances are kept as integer counts of starting states out of 2^32, so the
// two ways can be compared for equality rather than within a tolerance.
#pragma once
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace odds {

// The game's generator as a value: the same step and the same oneIn as
// hallcore/machine/random.cpp, without its global state, so that many copies
// can run at once and the compiler can keep one in a register.
struct Lcg {
    static constexpr uint32_t kMul = 214013u;
    static constexpr uint32_t kAdd = 2531011u;

    uint32_t state;

    int next()
    {
        state = state * kMul + kAdd;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }

    bool oneIn(int n)
    {
        while (n > 16) {
            int a = next();
            int b = next();
            if (((a ^ b) & 1) == 0)
                return false;
            n /= 2;
        }
        if (n < 1)
            n = 1;
        return next() % n == 0;
    }
};

constexpr uint64_t kStates = uint64_t(1) << 32;

// A chance as a count of starting states out of 2^32.
struct Chance {
    uint64_t count = 0;

    long double value() const { return static_cast<long double>(count) / kStates; }
    // x in "1 in x"; infinity for a chance of zero
    double oneInX() const;
    // count / 2^32 in lowest terms: the denominator is a power of two
    uint64_t reducedNumerator() const;
    uint64_t reducedDenominator() const;
};

// What oneIn(n) promises and what it would give if every draw were an
// independent, uniform 15-bit value.
struct IdealOdds {
    int n = 0;               // as asked (below 1 it acts as 1)
    int halvings = 0;        // coin-flip pairs drawn before the last draw
    int lastN = 1;           // n after the halvings: the last draw is taken % lastN
    double named = 0;        // 1/n, what the rule's name says
    double coins = 0;        // 2^-halvings / lastN: fair coins and an ideal last draw
    double coinsCounted = 0; // 2^-halvings * (15-bit values divisible by lastN) / 32768
};

IdealOdds idealOneIn(int n);

// The exact chance that oneIn(n) passes from a uniform state.
Chance exactOneIn(int n);

// The chance that every even/odd pair of oneIn(n) passes, so that the last
// draw decides (1 for n up to 16; 2^-halvings if the pairs were fair coins).
Chance exactPairsPass(int n);

// Of the 2^15 states whose low 17 bits are low17, how many pass oneIn(n).
uint32_t exactOneInGivenLow(int n, uint32_t low17);

// Two successive calls, oneIn(a) and then oneIn(b) from the state the first
// one left, from a uniform state. count[x][y]: states where the first call
// returned x and the second y; the four sum to the states counted (2^32, or
// 2^15 for one value of the low 17 bits).
struct PairOdds {
    int a = 0, b = 0;
    uint64_t count[2][2] = {};

    uint64_t total() const { return count[0][0] + count[0][1] + count[1][0] + count[1][1]; }
    double first() const;       // P(first passes)
    double second() const;      // P(second passes), whatever the first did
    double both() const;        // P(both pass)
    double secondAfterPass() const; // P(second passes | first passed)
    double secondAfterMiss() const; // P(second passes | first missed)
    // P(both) / (P(first) P(second)): 1 when the two calls are independent
    double lift() const;
};

PairOdds exactPair(int a, int b, int jobs = 1);
PairOdds exactPairGivenLow(int a, int b, uint32_t low17);

// --- brute force ---

enum { kMaxOutcomes = 16 };

// How often a callback returned each outcome class 0..15.
struct Tally {
    std::array<uint64_t, kMaxOutcomes> count{};
    uint64_t outOfRange = 0; // returns outside 0..15: a fault in the callback
    uint64_t states = 0;

    Chance chance(int outcome) const { return Chance{count[static_cast<size_t>(outcome)]}; }
    double share(int outcome) const
    {
        return states ? static_cast<double>(count[static_cast<size_t>(outcome)]) / static_cast<double>(states) : 0;
    }
    void add(const Tally& t)
    {
        for (size_t k = 0; k < count.size(); k++)
            count[k] += t.count[k];
        outOfRange += t.outOfRange;
        states += t.states;
    }
};

// The order a span of indices visits the states in.
//  - Consecutive: index i is state i.
//  - LowBitsOuter: index i is state i rotated left by 17 bits, so 2^15
//    successive indices share the state's low 17 bits and differ in the high
//    15. Every even/odd test a rule makes depends on the low 17 bits only
//    (see exact_odds.cpp), so in this order those branches go the same way
//    for 2^15 states in a row and the processor predicts them: three to five
//    times faster than consecutive states, whose tests go either way at
//    random. It is only an order: each state is still run from scratch, and
//    over all 2^32 indices every state is run once.
enum class Order { Consecutive, LowBitsOuter };

namespace detail {

template <Order order, class F>
void runSpan(F& f, uint32_t firstIndex, uint64_t n, Tally& t)
{
    // Outcome counters in a local array (the last slot for out-of-range
    // returns) so the loop keeps them off the shared tally.
    uint64_t c[kMaxOutcomes + 1] = {};
    uint32_t index = firstIndex;
    for (uint64_t i = 0; i < n; i++, index++) {
        Lcg g{order == Order::Consecutive ? index : (index << 17 | index >> 15)};
        unsigned k = static_cast<unsigned>(f(g));
        c[k < unsigned(kMaxOutcomes) ? k : unsigned(kMaxOutcomes)]++;
    }
    for (int k = 0; k < kMaxOutcomes; k++)
        t.count[static_cast<size_t>(k)] += c[k];
    t.outOfRange += c[kMaxOutcomes];
    t.states += n;
}

// splitmix64: the sampler's own stream, unrelated to the game's generator
inline uint64_t mix64(uint64_t& x)
{
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace detail

// Runs f(Lcg&) from the starting state of each of the `count` indices first,
// first+1, ... (modulo 2^32; see Order) and tallies what it returns. f draws
// from the generator it is given and returns an outcome class 0..15 (a bool
// will do); it must not keep state between calls, since each thread runs its
// own copy. The span is cut into blocks that the `jobs` threads take in turn.
template <class F>
Tally chanceOverStates(F f, uint64_t first, uint64_t count, int jobs = 1, Order order = Order::Consecutive)
{
    constexpr uint64_t kBlock = uint64_t(1) << 22;
    jobs = std::max(1, jobs);
    const uint64_t blocks = (count + kBlock - 1) / kBlock;
    if (static_cast<uint64_t>(jobs) > blocks)
        jobs = static_cast<int>(std::max<uint64_t>(1, blocks));
    std::atomic<uint64_t> nextBlock{0};
    std::vector<Tally> part(static_cast<size_t>(jobs));
    auto work = [&](size_t j) {
        F local = f;
        Tally t;
        for (;;) {
            uint64_t b = nextBlock.fetch_add(1, std::memory_order_relaxed);
            if (b >= blocks)
                break;
            uint64_t lo = b * kBlock;
            uint64_t n = std::min(count - lo, kBlock);
            if (order == Order::Consecutive)
                detail::runSpan<Order::Consecutive>(local, static_cast<uint32_t>(first + lo), n, t);
            else
                detail::runSpan<Order::LowBitsOuter>(local, static_cast<uint32_t>(first + lo), n, t);
        }
        part[j] = t;
    };
    std::vector<std::thread> threads;
    for (size_t j = 1; j < part.size(); j++)
        threads.emplace_back(work, j);
    work(0);
    for (auto& th : threads)
        th.join();
    Tally all;
    for (const Tally& t : part)
        all.add(t);
    return all;
}

// The exact tally over every one of the 2^32 starting states.
template <class F>
Tally exactChance(F f, int jobs = 1)
{
    return chanceOverStates(f, 0, kStates, jobs, Order::LowBitsOuter);
}

// The tally over `samples` starting states drawn uniformly and independently
// (with replacement) from a sampler seeded with `seed`.
template <class F>
Tally sampleChance(F f, uint64_t samples, uint64_t seed)
{
    Tally t;
    uint64_t c[kMaxOutcomes + 1] = {};
    uint64_t x = seed;
    for (uint64_t i = 0; i < samples; i++) {
        Lcg g{static_cast<uint32_t>(detail::mix64(x) >> 32)};
        unsigned k = static_cast<unsigned>(f(g));
        c[k < unsigned(kMaxOutcomes) ? k : unsigned(kMaxOutcomes)]++;
    }
    for (int k = 0; k < kMaxOutcomes; k++)
        t.count[static_cast<size_t>(k)] = c[k];
    t.outOfRange = c[kMaxOutcomes];
    t.states = samples;
    return t;
}

} // namespace odds
