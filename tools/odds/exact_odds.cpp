// The exact argument.
//
// Write a starting state as s = H * 2^17 + L, with L its low 17 bits and H
// its high 15. After k steps the state is
//
//     s_k = A_k * s + C_k  (mod 2^32),  A_k = 214013^k (odd), C_k a constant,
//
// and with t_k = A_k * L + C_k (mod 2^32), the state the same steps reach
// from L alone (H = 0):
//
//     s_k = t_k + A_k * H * 2^17  (mod 2^32).
//
// The second term is a multiple of 2^17, so
//  - the low 17 bits of s_k are those of t_k: they depend on L only. A draw's
//    lowest bit is bit 16 of the state, so every even/odd test oneIn makes,
//    and with it how many draws a call takes and whether it reaches its last
//    draw, is fixed by L;
//  - bits 17..30 of s_k, the rest of the draw, are (T_k + A_k * H) mod 2^14
//    with T_k = bits 17..30 of t_k. A_k is odd, so multiplying by it is a
//    bijection modulo 2^14: as H runs over its 2^15 values, these bits take
//    each of the 2^14 values exactly twice (bit 31 of the state never reaches
//    a draw).
//
// So given L, the last draw of oneIn(n) is 2u + b with b known and u uniform
// over 0..2^14-1, and the states among the 2^15 with these low bits that pass
// are 2 * #{u : (2u + b) % lastN == 0}. Summing over the 2^17 values of L
// gives the count out of 2^32 exactly.
//
// Two successive calls share H, so their last draws are not independent
// given L: u1 = (T1 + A1 H) and u2 = (T2 + A2 H) mod 2^14. The pair's count
// walks the values u1 (or u2) that pass, recovers H through the inverse of
// A1 modulo 2^14, and checks the other draw.
#include "tools/odds/exact_odds.h"

#include <cmath>
#include <limits>

namespace odds {

namespace {

constexpr uint32_t kLowStates = uint32_t(1) << 17;  // values of L
constexpr uint32_t kHighStates = uint32_t(1) << 15; // values of H
constexpr uint32_t kUMask = (uint32_t(1) << 14) - 1; // bits 17..30 of a state, shifted down

// The last draw of one oneIn call, run from L with the high bits zero.
struct LastDraw {
    bool reached = false; // every even/odd pair passed
    int lastN = 1;
    uint32_t t = 0;       // the state at the last draw (H = 0)
    uint32_t mult = 1;    // A_k at the last draw: how H moves that state
};

// One oneIn(n) on g, as Lcg::oneIn draws it; `mult` follows the steps taken.
LastDraw walk(int n, Lcg& g, uint32_t& mult)
{
    LastDraw d;
    while (n > 16) {
        int a = g.next();
        int b = g.next();
        mult *= Lcg::kMul * Lcg::kMul;
        if (((a ^ b) & 1) == 0)
            return d;
        n /= 2;
    }
    if (n < 1)
        n = 1;
    g.next();
    mult *= Lcg::kMul;
    d.reached = true;
    d.lastN = n;
    d.t = g.state;
    d.mult = mult;
    return d;
}

uint32_t lowBit(const LastDraw& d) { return (d.t >> 16) & 1; }
uint32_t upper(const LastDraw& d) { return (d.t >> 17) & kUMask; }

// #{u in 0..2^14-1 : (2u + b) % m == 0}
uint32_t passingUppers(int m, uint32_t b)
{
    uint32_t c = 0;
    for (uint32_t u = 0; u <= kUMask; u++)
        c += (2 * u + b) % static_cast<uint32_t>(m) == 0;
    return c;
}

// The inverse of an odd number modulo 2^32 (Newton's iteration).
uint32_t inverse(uint32_t a)
{
    uint32_t x = a; // right in the low 3 bits
    for (int i = 0; i < 4; i++)
        x *= 2 - a * x;
    return x;
}

int lastNOf(int n)
{
    while (n > 16)
        n /= 2;
    return n < 1 ? 1 : n;
}

// The values u whose last draw 2u + b passes % m, as a list and as a table.
struct Passing {
    std::vector<uint32_t> list;
    std::vector<uint8_t> table;

    Passing(int m, uint32_t b) : table(kUMask + 1)
    {
        for (uint32_t u = 0; u <= kUMask; u++)
            if ((2 * u + b) % static_cast<uint32_t>(m) == 0) {
                list.push_back(u);
                table[u] = 1;
            }
    }
};

class PairCounter {
public:
    PairCounter(int a, int b)
        : a_(a), b_(b),
          first_{Passing(lastNOf(a), 0), Passing(lastNOf(a), 1)},
          second_{Passing(lastNOf(b), 0), Passing(lastNOf(b), 1)}
    {
    }

    // counts among the 2^15 states with low bits L
    void add(uint32_t L, uint64_t count[2][2]) const
    {
        Lcg g{L};
        uint32_t mult = 1;
        LastDraw d1 = walk(a_, g, mult);
        LastDraw d2 = walk(b_, g, mult);
        uint64_t c1 = d1.reached ? 2 * first_[lowBit(d1)].list.size() : 0;
        uint64_t c2 = d2.reached ? 2 * second_[lowBit(d2)].list.size() : 0;
        uint64_t c11 = d1.reached && d2.reached ? 2 * both(d1, d2) : 0;
        count[1][1] += c11;
        count[1][0] += c1 - c11;
        count[0][1] += c2 - c11;
        count[0][0] += kHighStates - c1 - c2 + c11;
    }

private:
    // #{H in 0..2^14-1 : both last draws pass}
    uint64_t both(const LastDraw& d1, const LastDraw& d2) const
    {
        const Passing& p1 = first_[lowBit(d1)];
        const Passing& p2 = second_[lowBit(d2)];
        // walk the shorter list, look the other draw up
        bool walkFirst = p1.list.size() <= p2.list.size();
        const Passing& walked = walkFirst ? p1 : p2;
        const Passing& looked = walkFirst ? p2 : p1;
        const LastDraw& dw = walkFirst ? d1 : d2;
        const LastDraw& dl = walkFirst ? d2 : d1;
        uint32_t inv = inverse(dw.mult);
        uint32_t tw = upper(dw), tl = upper(dl), ml = dl.mult;
        uint64_t c = 0;
        for (uint32_t u : walked.list) {
            uint32_t h = (inv * (u - tw)) & kUMask;
            c += looked.table[(tl + ml * h) & kUMask];
        }
        return c;
    }

    int a_, b_;
    Passing first_[2];
    Passing second_[2];
};

} // namespace

double Chance::oneInX() const
{
    if (count == 0)
        return std::numeric_limits<double>::infinity();
    return static_cast<double>(kStates) / static_cast<double>(count);
}

uint64_t Chance::reducedNumerator() const
{
    uint64_t num = count, den = kStates;
    while (num != 0 && num % 2 == 0 && den > 1) {
        num /= 2;
        den /= 2;
    }
    return num;
}

uint64_t Chance::reducedDenominator() const
{
    if (count == 0)
        return 1;
    uint64_t num = count, den = kStates;
    while (num % 2 == 0 && den > 1) {
        num /= 2;
        den /= 2;
    }
    return den;
}

IdealOdds idealOneIn(int n)
{
    IdealOdds o;
    o.n = n;
    int m = n;
    while (m > 16) {
        m /= 2;
        o.halvings++;
    }
    o.lastN = m < 1 ? 1 : m;
    o.named = 1.0 / (n < 1 ? 1 : n);
    o.coins = std::ldexp(1.0 / o.lastN, -o.halvings);
    o.coinsCounted = std::ldexp((32767 / o.lastN + 1) / 32768.0, -o.halvings);
    return o;
}

uint32_t exactOneInGivenLow(int n, uint32_t low17)
{
    Lcg g{low17 & (kLowStates - 1)};
    uint32_t mult = 1;
    LastDraw d = walk(n, g, mult);
    return d.reached ? 2 * passingUppers(d.lastN, lowBit(d)) : 0;
}

Chance exactOneIn(int n)
{
    const int m = lastNOf(n);
    const uint64_t passing[2] = {2ull * passingUppers(m, 0), 2ull * passingUppers(m, 1)};
    Chance c;
    for (uint32_t L = 0; L < kLowStates; L++) {
        Lcg g{L};
        uint32_t mult = 1;
        LastDraw d = walk(n, g, mult);
        if (d.reached)
            c.count += passing[lowBit(d)];
    }
    return c;
}

Chance exactPairsPass(int n)
{
    Chance c;
    for (uint32_t L = 0; L < kLowStates; L++) {
        Lcg g{L};
        uint32_t mult = 1;
        if (walk(n, g, mult).reached)
            c.count += kHighStates;
    }
    return c;
}

PairOdds exactPairGivenLow(int a, int b, uint32_t low17)
{
    PairOdds p;
    p.a = a;
    p.b = b;
    PairCounter(a, b).add(low17 & (kLowStates - 1), p.count);
    return p;
}

PairOdds exactPair(int a, int b, int jobs)
{
    const PairCounter counter(a, b);
    jobs = std::max(1, std::min(jobs, 64));
    // interleaved low values, so each thread gets as many slow ones
    std::vector<PairOdds> part(static_cast<size_t>(jobs));
    auto work = [&](size_t j) {
        for (uint32_t L = static_cast<uint32_t>(j); L < kLowStates; L += static_cast<uint32_t>(jobs))
            counter.add(L, part[j].count);
    };
    std::vector<std::thread> threads;
    for (size_t j = 1; j < part.size(); j++)
        threads.emplace_back(work, j);
    work(0);
    for (auto& th : threads)
        th.join();
    PairOdds p;
    p.a = a;
    p.b = b;
    for (const PairOdds& q : part)
        for (int x = 0; x < 2; x++)
            for (int y = 0; y < 2; y++)
                p.count[x][y] += q.count[x][y];
    return p;
}

namespace {
double ratio(uint64_t k, uint64_t n) { return n ? static_cast<double>(k) / static_cast<double>(n) : 0; }
} // namespace

double PairOdds::first() const { return ratio(count[1][0] + count[1][1], total()); }
double PairOdds::second() const { return ratio(count[0][1] + count[1][1], total()); }
double PairOdds::both() const { return ratio(count[1][1], total()); }
double PairOdds::secondAfterPass() const { return ratio(count[1][1], count[1][0] + count[1][1]); }
double PairOdds::secondAfterMiss() const { return ratio(count[0][1], count[0][0] + count[0][1]); }

double PairOdds::lift() const
{
    double e = first() * second();
    return e > 0 ? both() / e : 0;
}

} // namespace odds
