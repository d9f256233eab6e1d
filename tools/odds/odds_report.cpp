// odds_report: the exact odds of oneIn(n) for the n the rules use, next to
// what the rule's name promises and what independent coin flips would give;
// the joint odds of successive calls as the rules make them; and with
// --check, the exact argument checked against a brute force over all 2^32
// starting states, with its speed.
#include <chrono>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>
#include <utility>

#include "tools/odds/exact_odds.h"

using odds::Chance;
using odds::Lcg;

namespace {

const int kRuleOdds[] = {2, 3, 4, 6, 8, 12, 16, 24, 30, 32, 64, 80, 128, 240, 256, 480, 512, 1800};

// successive calls as the rules make them
struct Pair {
    int a, b;
    const char* where;
};
const Pair kPairs[] = {
    {240, 80, "lottery: reserve, then the setting's redraw"},
    {80, 64, "lottery: redraw missed, then the normal prize"},
    {64, 8, "lottery: normal prize, then the reach after a miss"},
    {32, 4, "lottery: hot prize, then its reach"},
    {480, 16, "lottery: cold prize, then its reach"},
    {16, 2, "symbols: all sevens, else three or two kinds"},
    {32, 3, "absence: customer gone, else an absence prize"},
    {30, 30, "occupancy: two vacant machines in a row"},
    {1800, 1800, "occupancy: two rich customers in a row"},
    {1800, 30, "occupancy: a rich customer, then a vacant machine"},
    {2, 2, "two coin flips"},
    {3, 3, "two one-in-threes"},
};

double seconds(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

std::string oneInText(double p)
{
    char buf[32];
    if (p <= 0)
        std::snprintf(buf, sizeof buf, "never");
    else
        std::snprintf(buf, sizeof buf, "1 in %.3f", 1 / p);
    return buf;
}

double percent(double p, double ref) { return ref > 0 ? 100 * (p / ref - 1) : 0; }

void printTable()
{
    std::printf("oneIn(n) from a uniform state (exact, out of all 2^32 states)\n\n");
    std::printf("%5s %6s %10s %16s %16s %16s %24s %9s %9s\n", "n", "pairs", "pass*2^k", "named", "coins", "exact",
                "exact as a fraction", "vs named", "vs coins");
    for (int n : kRuleOdds) {
        odds::IdealOdds ideal = odds::idealOneIn(n);
        Chance c = odds::exactOneIn(n);
        double p = static_cast<double>(c.value());
        char fraction[40];
        std::snprintf(fraction, sizeof fraction, "%" PRIu64 "/%" PRIu64, c.reducedNumerator(), c.reducedDenominator());
        double pass = std::ldexp(static_cast<double>(odds::exactPairsPass(n).value()), ideal.halvings);
        std::printf("%5d %6d %10.4f %16s %16s %16s %24s %+8.3f%% %+8.3f%%\n", n, ideal.halvings, pass,
                    oneInText(ideal.named).c_str(),
                    oneInText(ideal.coins).c_str(), oneInText(p).c_str(), fraction, percent(p, ideal.named),
                    percent(p, ideal.coins));
    }
    std::printf("\npairs: the k even/odd pairs drawn before the last draw; pass*2^k: the chance that all of them\n"
                "pass, over the 2^-k of fair coins; coins: those pairs as fair coins and the last draw exactly\n"
                "1 in (n after the halvings); vs: how far the exact chance is from each.\n");
}

void printPairs(int jobs)
{
    std::printf("\nSuccessive calls oneIn(a), then oneIn(b) from the state the first left (exact)\n\n");
    std::printf("%5s %5s %14s %14s %16s %16s %8s %14s %14s  %s\n", "a", "b", "P(a)", "P(b)", "P(a and b)", "P(a)P(b)",
                "lift", "P(b | a)", "P(b | not a)", "where");
    for (const Pair& q : kPairs) {
        odds::PairOdds p = odds::exactPair(q.a, q.b, jobs);
        std::printf("%5d %5d %14s %14s %16s %16s %8.4f %14s %14s  %s\n", q.a, q.b, oneInText(p.first()).c_str(),
                    oneInText(p.second()).c_str(), oneInText(p.both()).c_str(),
                    oneInText(p.first() * p.second()).c_str(), p.lift(), oneInText(p.secondAfterPass()).c_str(),
                    oneInText(p.secondAfterMiss()).c_str(), q.where);
    }
    std::printf("\nlift: P(a and b) / (P(a) P(b)), 1 for independent calls.\n");
}

// --- the check ---

// the brute force's states, wall-clock time and processor time (all threads)
struct Speed {
    uint64_t states = 0;
    double seconds = 0;
    double cpu = 0;
};

double cpuSeconds(std::clock_t c0) { return static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC; }

void checkOneIn(int n, int jobs, Speed& speed, int& faults)
{
    auto t0 = std::chrono::steady_clock::now();
    std::clock_t c0 = std::clock();
    odds::Tally t = odds::exactChance([n](Lcg& g) { return g.oneIn(n); }, jobs);
    double brute = seconds(t0);
    speed.cpu += cpuSeconds(c0);
    auto t1 = std::chrono::steady_clock::now();
    Chance exact = odds::exactOneIn(n);
    double argued = seconds(t1);
    bool same = t.count[1] == exact.count && t.count[0] + t.count[1] == odds::kStates;
    faults += !same;
    speed.states += t.states;
    speed.seconds += brute;
    std::printf("oneIn(%4d)  brute force %10" PRIu64 " of 2^32 (%s) in %6.2f s   exact argument %10" PRIu64
                " in %.4f s   %s\n",
                n, t.count[1], oneInText(t.share(1)).c_str(), brute, exact.count, argued, same ? "same" : "DIFFERENT");
}

void checkPair(int a, int b, int jobs, Speed& speed, int& faults)
{
    auto t0 = std::chrono::steady_clock::now();
    std::clock_t c0 = std::clock();
    odds::Tally t = odds::exactChance(
        [a, b](Lcg& g) {
            int x = g.oneIn(a);
            int y = g.oneIn(b);
            return 2 * x + y;
        },
        jobs);
    double brute = seconds(t0);
    speed.cpu += cpuSeconds(c0);
    auto t1 = std::chrono::steady_clock::now();
    odds::PairOdds p = odds::exactPair(a, b, jobs);
    double argued = seconds(t1);
    bool same = true;
    for (int x = 0; x < 2; x++)
        for (int y = 0; y < 2; y++)
            same = same && t.count[static_cast<size_t>(2 * x + y)] == p.count[x][y];
    faults += !same;
    speed.states += t.states;
    speed.seconds += brute;
    std::printf("oneIn(%d), oneIn(%d)  both: brute force %10" PRIu64 " in %6.2f s   exact argument %10" PRIu64
                " in %.4f s   all four outcomes %s\n",
                a, b, t.count[3], brute, p.count[1][1], argued, same ? "same" : "DIFFERENT");
}

// Machine No.3's lottery (drawLottery in machines/no3/no3_reels.cpp) from
// each setting, with the reserve well between its bounds so that only the
// redraw changes the setting, and no quick chance. Outcome class: setting
// after the redraw * 3 + (0 nothing, 1 reach, 2 prize).
void checkLottery(int jobs, Speed& speed)
{
    static const int kPrize[3] = {64, 32, 480};
    static const int kReach[3] = {8, 4, 16};
    static const char* const kName[3] = {"normal", "hot", "cold"};
    std::printf("\nNo.3's lottery, reserve between 8 and 32 (only the redraw changes the setting), no quick chance:\n"
                "exact (brute force), and as if its calls were independent with their exact marginals or as fair\n"
                "coins and 15-bit draws (the difference from the exact chance in brackets)\n\n");
    std::printf("%-8s %14s %25s %25s %14s %25s %8s\n", "from", "prize", "independent, marginals", "coins",
                "reach only", "coins", "time");
    for (int from = 0; from < 3; from++) {
        auto t0 = std::chrono::steady_clock::now();
        std::clock_t c0 = std::clock();
        odds::Tally t = odds::exactChance(
            [from](Lcg& g) {
                g.oneIn(240); // the reserve: no effect on the setting here
                int setting = from;
                if (g.oneIn(80))
                    setting = g.next() % 3;
                int outcome = 0;
                if (g.oneIn(kPrize[setting]))
                    outcome = 2;
                else if (g.oneIn(kReach[setting]))
                    outcome = 1;
                return setting * 3 + outcome;
            },
            jobs);
        double brute = seconds(t0);
        speed.cpu += cpuSeconds(c0);
        speed.states += t.states;
        speed.seconds += brute;

        double prize = 0, reach = 0;
        for (int s = 0; s < 3; s++) {
            prize += t.share(3 * s + 2);
            reach += t.share(3 * s + 1);
        }
        auto model = [from](auto p) {
            double redraw = p(80), pr = 0, re = 0;
            for (int s = 0; s < 3; s++) {
                double share = (s == from ? 1 - redraw : 0) + redraw * ((32767 - s) / 3 + 1) / 32768.0;
                pr += share * p(kPrize[s]);
                re += share * (1 - p(kPrize[s])) * p(kReach[s]);
            }
            return std::make_pair(pr, re);
        };
        auto exactModel = model([](int n) { return static_cast<double>(odds::exactOneIn(n).value()); });
        auto coinModel = model([](int n) { return odds::idealOneIn(n).coinsCounted; });
        char a[40], b[40], c[40];
        std::snprintf(a, sizeof a, "%s (%+.2f%%)", oneInText(exactModel.first).c_str(), percent(exactModel.first, prize));
        std::snprintf(b, sizeof b, "%s (%+.2f%%)", oneInText(coinModel.first).c_str(), percent(coinModel.first, prize));
        std::snprintf(c, sizeof c, "%s (%+.2f%%)", oneInText(coinModel.second).c_str(), percent(coinModel.second, reach));
        std::printf("%-8s %14s %25s %25s %14s %25s %6.1f s\n", kName[from], oneInText(prize).c_str(), a, b,
                    oneInText(reach).c_str(), c, brute);
    }
}

void usage()
{
    std::printf("usage: odds_report [--check] [--jobs N]\n"
                "  --check   check the exact argument against a brute force over all 2^32 states\n"
                "  --jobs N  threads for the brute force and the pair counts (default: every core)\n");
}

} // namespace

int main(int argc, char** argv)
{
    bool check = false;
    int jobs = static_cast<int>(std::thread::hardware_concurrency());
    if (jobs < 1)
        jobs = 1;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else if (std::strcmp(argv[i], "--jobs") == 0 && i + 1 < argc) {
            jobs = std::atoi(argv[++i]);
            if (jobs < 1) {
                usage();
                return 2;
            }
        } else {
            usage();
            return std::strcmp(argv[i], "--help") == 0 ? 0 : 2;
        }
    }

    printTable();
    printPairs(jobs);
    if (!check)
        return 0;

    std::printf("\nBrute force over all 2^32 starting states, %d thread%s\n\n", jobs, jobs == 1 ? "" : "s");
    Speed speed;
    int faults = 0;
    for (int n : {3, 32, 64, 480, 1800})
        checkOneIn(n, jobs, speed, faults);
    for (const Pair& q : {Pair{240, 80, ""}, Pair{64, 8, ""}, Pair{32, 3, ""}, Pair{3, 3, ""}})
        checkPair(q.a, q.b, jobs, speed, faults);
    checkLottery(jobs, speed);
    std::printf("\n%s\nbrute force: %.3g states per second over %.1f s, %.3g per second of processor time "
                "(%.1f s on %d thread%s)\n",
                faults ? "the exact argument and the brute force DIFFER" : "the exact argument and the brute force agree",
                speed.states / speed.seconds, speed.seconds, speed.states / speed.cpu, speed.cpu, jobs, jobs == 1 ? "" : "s");
    return faults ? 1 : 0;
}
