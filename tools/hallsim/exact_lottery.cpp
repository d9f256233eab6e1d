#include "tools/hallsim/exact_lottery.h"

#include <cstdio>
#include <sstream>

#include "tools/odds/exact_odds.h"

double ExactLottery::prizeChance(int kind, int setting) const
{
    return states[kind][setting] ? (double)prizes[kind][setting] / (double)states[kind][setting] : 0;
}

double ExactLottery::reachChance(int kind, int setting) const
{
    return states[kind][setting]
               ? (double)(prizes[kind][setting] + reachesAfterMiss[kind][setting]) / (double)states[kind][setting]
               : 0;
}

int exactLotteryClass(uint32_t& state, const LotteryTable& t, int startSetting, int kind)
{
    odds::Lcg g{state};
    // the reserve sits between the bounds, so its growth forces nothing
    g.oneIn(t.reserveOdds);
    int setting = startSetting;
    if (g.oneIn(t.redrawOdds))
        setting = g.next() % kSettings;
    int prizeOdds = t.prizeOdds[setting];
    if (kind == kDrawQuick && setting != kSettingCold)
        prizeOdds = t.quickOdds;
    else if (kind == kDrawChance && t.chanceOdds > 0)
        prizeOdds = t.chanceOdds;
    bool prize = g.oneIn(prizeOdds);
    bool reach = !prize && g.oneIn(t.reachOdds[setting]);
    state = g.state;
    return setting * 4 + (prize ? 2 : 0) + (reach ? 1 : 0);
}

ExactLottery computeExactLottery(const LotteryTable& t, int jobs, bool withChance)
{
    ExactLottery e;
    for (int kind = 0; kind < kDrawKinds; kind++) {
        if (kind == kDrawChance && !withChance)
            continue;
        for (int s = 0; s < kSettings; s++) {
            odds::Tally tally = odds::exactChance(
                [&t, s, kind](odds::Lcg& g) {
                    uint32_t state = g.state;
                    return exactLotteryClass(state, t, s, kind);
                },
                jobs);
            for (int k = 0; k < 4; k++) {
                uint64_t c = tally.count[(size_t)(s * 4 + k)];
                e.states[kind][s] += c;
                if (k & 2)
                    e.prizes[kind][s] += c;
                if (k & 1)
                    e.reachesAfterMiss[kind][s] += c;
            }
        }
        e.computed[kind] = true;
    }
    return e;
}

static std::string tableLine(const LotteryTable& t)
{
    char line[256];
    std::snprintf(line, sizeof line, "table %d %d %d %d %d %d %d %d %d %d %d %d %d", t.prizeOdds[0], t.prizeOdds[1],
                  t.prizeOdds[2], t.reachOdds[0], t.reachOdds[1], t.reachOdds[2], t.quickOdds, t.quickStarts,
                  t.chanceOdds, t.redrawOdds, t.reserveOdds, t.hotAbove, t.coldBelow);
    return line;
}

std::string exactLotteryText(const LotteryTable& t, const ExactLottery& e)
{
    std::ostringstream out;
    out << "# The start lottery counted over all 2^32 states of the generator\n"
           "# (hallsim_<model> --write-exact-lottery); kind 0 plain, 1 quick, 2 chance;\n"
           "# per setting: states still in it after the redraw, prizes, reaches after a miss.\n";
    out << tableLine(t) << "\n";
    for (int kind = 0; kind < kDrawKinds; kind++) {
        if (!e.computed[kind])
            continue;
        for (int s = 0; s < kSettings; s++)
            out << "kind " << kind << " setting " << s << " " << e.states[kind][s] << " " << e.prizes[kind][s] << " "
                << e.reachesAfterMiss[kind][s] << "\n";
    }
    return out.str();
}

bool parseExactLottery(const std::string& text, const LotteryTable& t, ExactLottery* out)
{
    ExactLottery e;
    std::istringstream in(text);
    std::string line;
    bool tableSeen = false;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.compare(0, 6, "table ") == 0) {
            if (line != tableLine(t))
                return false; // counted for other numbers
            tableSeen = true;
            continue;
        }
        int kind, s;
        unsigned long long n, p, r;
        if (std::sscanf(line.c_str(), "kind %d setting %d %llu %llu %llu", &kind, &s, &n, &p, &r) != 5 || kind < 0
            || kind >= kDrawKinds || s < 0 || s >= kSettings || p > n || r > n)
            return false;
        e.states[kind][s] = n;
        e.prizes[kind][s] = p;
        e.reachesAfterMiss[kind][s] = r;
        e.computed[kind] = true;
        rows++;
    }
    if (!tableSeen || rows == 0)
        return false;
    *out = e;
    return true;
}
