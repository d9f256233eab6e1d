#include "tools/hallsim/report.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "machine_model.h"
#include "tools/hallsim/svg.h"

namespace {

// "1 in x" of a share, and its interval turned round.
std::string oneIn(double p)
{
    return p > 0 ? format("%.1f", 1 / p) : std::string("-");
}

std::string oneInRange(const Interval& i)
{
    std::string high = i.low > 0 ? format("%.1f", 1 / i.low) : std::string("inf");
    return format("%.1f", 1 / i.high) + ".." + high;
}

double share(int64_t k, int64_t n)
{
    return n > 0 ? (double)k / n : 0;
}

std::string thousands(int64_t v)
{
    std::string digits = std::to_string(v < 0 ? -v : v), out;
    for (size_t i = 0; i < digits.size(); i++) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return v < 0 ? "-" + out : out;
}

// The chance chains' exact figures, a model's that has them: with the chance
// symbols favoured at the measured share of prizes (the one-line machines
// favour them only while the reserve is high), always, and never.
struct ChainExact {
    double favouredOutside, favouredInside;
    double share, perChain;                     // at the measured shares
    double shareAll, perChainAll;               // every prize favoured
    double shareNone, perChainNone;             // none
};

bool exactChains(const Tally& t, ChainExact* c)
{
    c->favouredOutside = share(t.favouredPrizes[0], t.plainPrizes + t.quickPrizes);
    c->favouredInside = share(t.favouredPrizes[1], t.chancePrizes);
    return simChainFigures(c->favouredOutside, c->favouredInside, &c->share, &c->perChain) &&
           simChainFigures(1, 1, &c->shareAll, &c->perChainAll) &&
           simChainFigures(0, 0, &c->shareNone, &c->perChainNone);
}

std::string settingLabel(int s)
{
    return format("%d %s", s, simLottery().settingName[s]);
}

std::string ratioWithInterval(const RatioTally& t)
{
    if (t.x <= 0)
        return "-";
    double h = t.halfWidth();
    return format("%.3f [%.3f..%.3f]", t.ratio(), t.ratio() - h, t.ratio() + h);
}

std::string meanWithHalf(const MeanTally& t, const char* f)
{
    if (t.n == 0)
        return "-";
    return format(f, t.mean()) + " +- " + format(f, t.halfWidth());
}

std::string keptShare(const Tally& t)
{
    if (t.fevers == 0)
        return "-";
    Interval i = wilsonInterval(t.feversKept, t.fevers);
    return format("%.1f%% [%.1f..%.1f]", 100 * share(t.feversKept, t.fevers), 100 * i.low, 100 * i.high);
}

// One row of an odds table: hits in draws as 1 in x with its interval, next
// to the exact chance, and whether the interval holds it.
void printOddsRow(std::FILE* out, const char* label, int64_t hits, int64_t draws, double exact)
{
    Interval i = wilsonInterval(hits, draws);
    std::fprintf(out, "%-10s %10s %8s %10s %16s %10.2f  %s\n", label, thousands(draws).c_str(),
                 thousands(hits).c_str(), oneIn(share(hits, draws)).c_str(), oneInRange(i).c_str(), 1 / exact,
                 draws == 0 ? "-" : i.contains(exact) ? "yes" : "NO");
}

} // namespace

std::string machineName(int shop, int index)
{
    return format("%s %d", shop == kDayShop ? "day" : "night", machineNumber(index));
}

std::string formatTime(const BrokenDownTime& t)
{
    return format("%04d-%02d-%02d %02d:%02d:%02d", t.year + 1900, t.month + 1, t.dayOfMonth, t.hour, t.minute,
                  t.second);
}

void writeTable(std::FILE* out, const SimResult& r)
{
    const LotteryTable& rules = simLottery();
    const Tally total = r.total();
    std::fprintf(out, "Hall simulation of machine No.%d (%s, %s)\n", MACHINE_NUMBER, MACHINE_TITLE,
                 MACHINE_PROGRAM);
    std::fprintf(out, "source: %s\n", r.source.c_str());
    std::fprintf(out, "from %s to %s: %.1f hours, %s hall passes, %s machine-hours\n", formatTime(r.start).c_str(),
                 formatTime(r.end).c_str(), r.simulatedHours(), thousands(r.passes).c_str(),
                 thousands((int64_t)std::llround(r.machineHours())).c_str());
    if (r.sessionStart >= 0)
        std::fprintf(out,
                     "the game ran from %02d:%02d to %02d:%02d each day: %d start-ups, %.1f of %.1f hours; in between\n"
                     "the hall was saved and caught up at the next start-up\n",
                     r.sessionStart / 60, r.sessionStart % 60, r.sessionEnd / 60, r.sessionEnd % 60,
                     (int)r.sessions.size(), r.simulatedHours(), r.calendarHours());
    std::fprintf(out, "\n");

    std::fprintf(out, "Big prizes by the setting in force at the draw (simulated, 95%% interval; exact: %s)\n",
                 exactLotteryLoaded() ? "the start lottery counted over all 2^32 states of the generator"
                                      : "each rule's exact odds from the generator");
    std::fprintf(out, "%-10s %10s %8s %10s %16s %10s  %s\n", "setting", "draws", "prizes", "1 in", "95% interval",
                 "exact 1 in", "inside");
    for (int s = 0; s < kSettings; s++) {
        const Tally& t = r.bySetting[s];
        printOddsRow(out, settingLabel(s).c_str(), t.plainPrizes, t.plainDraws, exactPrizeChance(s));
    }
    {
        printOddsRow(out, "quick", total.quickPrizes, total.quickDraws, exactQuickPrizeChance());
        std::fprintf(out, "  quick: the first %d spins after a fever that lost the right to go on, not cold\n",
                     rules.quickStarts);
    }
    if (simLottery().chanceOdds > 0) {
        printOddsRow(out, "chance", total.chancePrizes, total.chanceDraws, exactChancePrizeChance(kSettingNormal));
        std::fprintf(out, "  chance: spins in a chance state (not at the quick chance), from the normal setting\n");
    }
    {
        Interval i = wilsonInterval(total.prizes(), total.spins());
        std::fprintf(out, "%-10s %10s %8s %10s %16s\n", "all spins", thousands(total.spins()).c_str(),
                     thousands(total.prizes()).c_str(), oneIn(share(total.prizes(), total.spins())).c_str(),
                     oneInRange(i).c_str());
    }
    std::string mix;
    for (int s = 0; s < kSettings; s++)
        mix += format("%s%.2f%%", s ? "/" : "", 100 * settingShareInMidReserve(s));
    std::fprintf(out,
                 "  a reserve of %d..%d redraws the setting one spin in %d (shares %s): exact 1 in %.2f per spin;\n"
                 "  above %d the machine stays hot (1 in %.2f), below %d cold (1 in %.2f); a spin adds one to it\n"
                 "  one time in %d\n\n",
                 rules.coldBelow, rules.hotAbove, rules.redrawOdds, mix.c_str(), 1 / exactMixedPrizeChance(),
                 rules.hotAbove, 1 / exactPrizeChance(kSettingHot), rules.coldBelow,
                 1 / exactPrizeChance(kSettingCold), rules.reserveOdds);

    ChainExact c;
    if (exactChains(total, &c)) {
        int64_t prizes = total.prizes();
        std::fprintf(out,
                     "Chance chains: %s started by a prize, %.4f of all prizes (exact %.4f); %s prizes a chain "
                     "(exact %.3f)\n"
                     "  exact at the measured share of prizes whose symbol favoured the chance symbols (%.1f%% outside\n"
                     "  a chance state, %.1f%% in one); with all favoured %.4f and %.3f, with none %.4f and %.3f\n\n",
                     thousands(total.chains).c_str(), share(total.chains, prizes), c.share,
                     total.chains ? format("%.3f", (double)(total.chains + total.chancePrizes) / total.chains).c_str()
                                  : "-",
                     c.perChain, 100 * c.favouredOutside, 100 * c.favouredInside, c.shareAll, c.perChainAll,
                     c.shareNone, c.perChainNone);
    }

    std::fprintf(out, "Reaches (a reach line at the start of the spin, prizes included)\n");
    std::fprintf(out, "%-10s %10s %8s %10s %16s %10s  %s\n", "setting", "draws", "reaches", "1 in", "95% interval",
                 "exact 1 in", "inside");
    for (int s = 0; s < kSettings; s++) {
        const Tally& t = r.bySetting[s];
        printOddsRow(out, settingLabel(s).c_str(), t.plainReaches, t.plainDraws, exactReachChance(s));
    }

    std::fprintf(out, "\nFevers and balls by setting (a fever counts for the setting that drew it; balls for the "
                      "setting in force)\n");
    std::fprintf(out, "%-10s %6s %7s %14s %16s %22s %13s %13s  %s\n", "setting", "time", "fevers", "rounds/fever",
                 "fever seconds", "right kept", "balls fired", "balls paid", "paid / fired [95%]");
    auto feverRow = [&](const std::string& label, const Tally& t) {
        std::fprintf(out, "%-10s %5.1f%% %7s %14s %16s %22s %13s %13s  %s\n", label.c_str(),
                     100 * share(t.steps, total.steps), thousands(t.fevers).c_str(),
                     meanWithHalf(t.rounds, "%.2f").c_str(), meanWithHalf(t.feverSeconds, "%.0f").c_str(),
                     keptShare(t).c_str(), thousands(t.fired).c_str(), thousands(t.paid).c_str(),
                     ratioWithInterval(t.payout).c_str());
    };
    for (int s = 0; s < kSettings; s++)
        feverRow(settingLabel(s), r.bySetting[s]);
    feverRow("all", total);

    std::fprintf(out, "\nMachines (time in each setting; all spins)\n");
    std::string timeHeader;
    for (int s = 0; s < kSettings; s++)
        timeHeader += format("%s%d", s ? "/" : "time% ", s);
    std::fprintf(out, "%-9s %4s %4s %-14s %7s %6s %7s %7s %7s %7s %6s %10s %10s  %s\n", "machine", "set", "res",
                 timeHeader.c_str(), "spins", "prizes", "1 in", "reaches", "rounds", "fever s", "kept", "fired", "paid",
                 "paid / fired [95%]");
    for (int s = 0; s < kShopCount; s++)
        for (int i = 0; i < kMachinesPerShop; i++) {
            const MachineResult& m = r.machines[s][i];
            const Tally& t = m.tally;
            std::string times;
            for (int k = 0; k < kSettings; k++)
                times += format("%s%.0f", k ? "/" : "", 100 * share(m.stepsBySetting[k], t.steps));
            std::fprintf(out, "%-9s %4d %4d %-14s %7s %6s %7s %7s %7s %7s %6s %10s %10s  %s\n",
                         machineName(s, i).c_str(), m.finalSetting, m.finalReserve, times.c_str(),
                         thousands(t.spins()).c_str(), thousands(t.prizes()).c_str(),
                         oneIn(share(t.prizes(), t.spins())).c_str(), thousands(t.plainReaches).c_str(),
                         t.rounds.n ? format("%.1f", t.rounds.mean()).c_str() : "-",
                         t.feverSeconds.n ? format("%.0f", t.feverSeconds.mean()).c_str() : "-",
                         t.fevers ? format("%.0f%%", 100 * share(t.feversKept, t.fevers)).c_str() : "-",
                         thousands(t.fired).c_str(), thousands(t.paid).c_str(), ratioWithInterval(t.payout).c_str());
        }
    std::fprintf(out, "  set, res: the setting and the reserve at the end\n");

    std::fprintf(out, "\nCustomers by the hour of the day (mean seated; arrivals per hour)\n");
    std::fprintf(out, "%4s %10s %10s %10s %10s\n", "hour", "day seated", "arrivals", "night", "arrivals");
    for (int h = 0; h < 24; h++) {
        const HourResult& d = r.hours[kDayShop][h];
        const HourResult& n = r.hours[kNightShop][h];
        if (d.passes == 0 && n.passes == 0)
            continue;
        std::fprintf(out, "%02d   %10.2f %10.1f %10.2f %10.1f\n", h, d.meanSeated(), d.arrivalsPerHour(),
                     n.meanSeated(), n.arrivalsPerHour());
    }
    if (r.unresolvedPayouts)
        std::fprintf(out, "\n%s payouts at a closing door could not be told apart and were not counted\n",
                     thousands(r.unresolvedPayouts).c_str());
}

void writeCsv(std::FILE* out, const SimResult& r)
{
    static const char* const kColumns[] = {
        "scope",         "shop",         "machine",     "setting",     "hour",
        "steps",         "draws",        "prizes",      "one_in",      "one_in_low",
        "one_in_high",   "exact_one_in", "named_one_in", "reaches",    "exact_reach_one_in",
        "fevers",        "rounds_per_fever", "rounds_half", "fever_seconds", "fever_seconds_half",
        "kept_share",    "kept_low",     "kept_high",   "fired",       "paid",
        "payout_ratio",  "payout_half",  "mean_seated", "arrivals_per_hour",
        "chains",        "chain_share",  "exact_chain_share", "prizes_per_chain", "exact_prizes_per_chain",
        "favoured_outside", "favoured_inside", "exact_prizes_per_chain_all_favoured",
        "exact_prizes_per_chain_none_favoured",
    };
    const size_t kChainColumns = 9; // the last nine: only the chains row of a model with a chance state
    const size_t columns = sizeof kColumns / sizeof kColumns[0];
    auto emit = [&](const std::vector<std::string>& cells) {
        for (size_t k = 0; k < columns; k++)
            std::fprintf(out, "%s%s", k ? "," : "", k < cells.size() ? cells[k].c_str() : "");
        std::fprintf(out, "\n");
    };
    emit(std::vector<std::string>(kColumns, kColumns + columns));

    auto number = [](double v, const char* f) { return format(f, v); };
    auto row = [&](const char* scope, const std::string& shop, const std::string& machine, const std::string& setting,
                   const Tally& t, int64_t draws, int64_t prizes, double exact, double exactReach, double named) {
        std::vector<std::string> c = {scope, shop, machine, setting, "", std::to_string(t.steps),
                                      std::to_string(draws), std::to_string(prizes)};
        Interval i = wilsonInterval(prizes, draws);
        c.push_back(prizes > 0 ? number((double)draws / prizes, "%.4f") : "");
        c.push_back(prizes > 0 ? number(1 / i.high, "%.4f") : "");
        c.push_back(i.low > 0 ? number(1 / i.low, "%.4f") : "");
        c.push_back(exact > 0 ? number(1 / exact, "%.4f") : "");
        c.push_back(named > 0 ? number(1 / named, "%.4f") : "");
        c.push_back(std::to_string(t.plainReaches));
        c.push_back(exactReach > 0 ? number(1 / exactReach, "%.4f") : "");
        c.push_back(std::to_string(t.fevers));
        if (t.fevers > 0) {
            Interval k = wilsonInterval(t.feversKept, t.fevers);
            for (std::string v : {number(t.rounds.mean(), "%.4f"), number(t.rounds.halfWidth(), "%.4f"),
                                  number(t.feverSeconds.mean(), "%.2f"), number(t.feverSeconds.halfWidth(), "%.2f"),
                                  number(share(t.feversKept, t.fevers), "%.4f"), number(k.low, "%.4f"),
                                  number(k.high, "%.4f")})
                c.push_back(v);
        } else {
            c.resize(c.size() + 7);
        }
        c.push_back(std::to_string(t.fired));
        c.push_back(std::to_string(t.paid));
        c.push_back(t.payout.x > 0 ? number(t.payout.ratio(), "%.5f") : "");
        c.push_back(t.payout.x > 0 ? number(t.payout.halfWidth(), "%.5f") : "");
        emit(c);
    };
    for (int s = 0; s < kSettings; s++) {
        const Tally& t = r.bySetting[s];
        row("setting", "", "", std::to_string(s), t, t.plainDraws, t.plainPrizes, exactPrizeChance(s),
            exactReachChance(s), namedPrizeChance(s));
    }
    const Tally total = r.total();
    row("quick", "", "", "", total, total.quickDraws, total.quickPrizes, exactQuickPrizeChance(), 0,
        1.0 / simLottery().quickOdds);
    if (simLottery().chanceOdds > 0)
        row("chance", "", "", "", total, total.chanceDraws, total.chancePrizes, exactChancePrizeChance(kSettingNormal),
            0, 1.0 / simLottery().chanceOdds);
    row("all", "", "", "", total, total.spins(), total.prizes(), 0, 0, 0);
    ChainExact ch;
    if (exactChains(total, &ch)) {
        std::vector<std::string> c = {"chains", "", "", "", "", std::to_string(total.steps),
                                      std::to_string(total.spins()), std::to_string(total.prizes())};
        c.resize(columns - kChainColumns);
        c.push_back(std::to_string(total.chains));
        c.push_back(number(share(total.chains, total.prizes()), "%.6f"));
        c.push_back(number(ch.share, "%.6f"));
        c.push_back(total.chains ? number((double)(total.chains + total.chancePrizes) / total.chains, "%.4f") : "");
        c.push_back(number(ch.perChain, "%.4f"));
        c.push_back(number(ch.favouredOutside, "%.4f"));
        c.push_back(number(ch.favouredInside, "%.4f"));
        c.push_back(number(ch.perChainAll, "%.4f"));
        c.push_back(number(ch.perChainNone, "%.4f"));
        emit(c);
    }
    for (int s = 0; s < kShopCount; s++)
        for (int i = 0; i < kMachinesPerShop; i++) {
            const MachineResult& m = r.machines[s][i];
            row("machine", s == kDayShop ? "day" : "night", std::to_string(machineNumber(i)),
                std::to_string(m.finalSetting), m.tally, m.tally.spins(), m.tally.prizes(), 0, 0, 0);
        }
    for (int s = 0; s < kShopCount; s++)
        for (int h = 0; h < 24; h++) {
            const HourResult& hr = r.hours[s][h];
            if (hr.passes == 0)
                continue;
            std::vector<std::string> c = {"hour", s == kDayShop ? "day" : "night", "", "", std::to_string(h),
                                          std::to_string(hr.passes)};
            c.resize(columns - kChainColumns - 2);
            c.push_back(number(hr.meanSeated(), "%.4f"));
            c.push_back(number(hr.arrivalsPerHour(), "%.3f"));
            emit(c);
        }
}

// --- the chart ---

namespace {

const char* kSettingColour[kMaxSettings] = {"#4c78a8", "#e45756", "#72b7b2"};


// Payout ratio by setting, with the hall's figure and the break-even line.
void ratioPanel(Svg& g, const SimResult& r, double top)
{
    const double left = 80, width = 820, height = 230, bottom = top + 40 + height;
    g.text(left, top + 18, "Balls paid per ball fired, by the setting in force (bars: 95% interval)", "start", 15,
           "font-weight=\"bold\"");
    std::vector<std::pair<std::string, RatioTally>> bars;
    std::vector<std::string> notes;
    for (int s = 0; s < kSettings; s++) {
        bars.push_back({settingLabel(s), r.bySetting[s].payout});
        const Tally& t = r.bySetting[s];
        notes.push_back(t.plainPrizes ? format("prize 1 in %.1f (exact %.1f)", share(t.plainDraws, t.plainPrizes),
                                               1 / exactPrizeChance(s))
                                      : format("exact prize 1 in %.1f", 1 / exactPrizeChance(s)));
    }
    const Tally total = r.total();
    bars.push_back({"whole hall", total.payout});
    notes.push_back(total.prizes() ? format("prize 1 in %.1f", share(total.spins(), total.prizes())) : "");

    double maxY = 1.2;
    for (auto& b : bars)
        maxY = std::max(maxY, (b.second.ratio() + b.second.halfWidth()) * 1.1);
    double step = niceStep(maxY, 6);
    maxY = std::ceil(maxY / step) * step;
    auto y = [&](double v) { return bottom - v / maxY * height; };
    for (double v = 0; v <= maxY + 1e-9; v += step) {
        g.line(left, y(v), left + width, y(v), "stroke:#e6e6e6");
        g.text(left - 8, y(v) + 4, format("%.2f", v), "end", 11);
    }
    g.line(left, y(1), left + width, y(1), "stroke:#333;stroke-dasharray:6,4");
    g.line(left + width - 250, top + 30, left + width - 220, top + 30, "stroke:#333;stroke-dasharray:6,4");
    g.text(left + width - 214, top + 34, "break-even: as many paid as fired", "start", 11);
    const double slot = width / bars.size(), barWidth = slot * 0.45;
    for (size_t k = 0; k < bars.size(); k++) {
        const RatioTally& t = bars[k].second;
        double cx = left + slot * (k + 0.5);
        const char* colour = k < (size_t)kSettings ? kSettingColour[k] : "#888";
        if (t.x > 0) {
            double v = t.ratio(), h = t.halfWidth();
            g.rect(cx - barWidth / 2, y(v), barWidth, bottom - y(v), format("fill:%s", colour).c_str());
            g.line(cx, y(v + h), cx, y(std::max(0.0, v - h)), "stroke:#000;stroke-width:1.5");
            g.line(cx - 8, y(v + h), cx + 8, y(v + h), "stroke:#000;stroke-width:1.5");
            g.line(cx - 8, y(std::max(0.0, v - h)), cx + 8, y(std::max(0.0, v - h)), "stroke:#000;stroke-width:1.5");
            g.text(cx + barWidth / 2 + 4, y(v) + 4, format("%.3f", v), "start", 12, "font-weight=\"bold\"");
        } else {
            g.text(cx, bottom - 6, "no balls", "middle", 11);
        }
        g.text(cx, bottom + 18, bars[k].first, "middle", 13);
        g.text(cx, bottom + 34, notes[k], "middle", 11, "fill=\"#555\"");
    }
    g.line(left, bottom, left + width, bottom, "stroke:#000");
}

// Balls over the day for the watched machine.
void watchPanel(Svg& g, const SimResult& r, double top)
{
    const double left = 80, width = 820, height = 250, bottom = top + 40 + height;
    g.text(left, top + 18,
           format("Balls over the day at machine %s (from %s)", machineName(r.watchShop, r.watchMachine).c_str(),
                  formatTime(r.start).c_str()),
           "start", 15, "font-weight=\"bold\"");
    if (r.watch.size() < 2) {
        g.text(left, top + 60, "the run was too short to draw", "start", 12);
        return;
    }
    const double minutes = std::max<double>({(double)r.watchMinutes, (double)r.watch.back().minute, 1.0});
    double maxY = 1;
    for (const WatchPoint& p : r.watch)
        maxY = std::max({maxY, (double)p.balls, (double)p.fired, (double)p.paid});
    double step = niceStep(maxY, 5);
    maxY = std::ceil(maxY / step) * step;
    auto x = [&](double minute) { return left + minute / minutes * width; };
    auto y = [&](double v) { return bottom - v / maxY * height; };

    // the shop's closed hours and the machine's fevers, as bands
    auto bands = [&](bool (*on)(const WatchPoint&), const char* style) {
        size_t k = 0;
        while (k < r.watch.size()) {
            if (!on(r.watch[k])) {
                k++;
                continue;
            }
            size_t e = k;
            while (e + 1 < r.watch.size() && on(r.watch[e + 1]))
                e++;
            g.rect(x(r.watch[k].minute), top + 40, std::max(1.5, x(r.watch[e].minute + 1) - x(r.watch[k].minute)),
                   height, style);
            k = e + 1;
        }
    };
    bands([](const WatchPoint& p) { return !p.shopOpen; }, "fill:#eeeeee");
    bands([](const WatchPoint& p) { return p.fever; }, "fill:#ffd9a8");
    // a stretch of minutes with no point: the game was not running (the
    // first point is a minute in)
    bool gaps = false;
    for (size_t k = 0; k <= r.watch.size(); k++) {
        double from = k == 0 ? 0 : r.watch[k - 1].minute;
        double to = k < r.watch.size() ? r.watch[k].minute : minutes;
        if (to - from > 1) {
            g.rect(x(from), top + 40, x(to) - x(from), height, "fill:#d0d0d0");
            gaps = true;
        }
    }
    for (double v = 0; v <= maxY + 1e-9; v += step) {
        g.line(left, y(v), left + width, y(v), "stroke:#e0e0e0");
        g.text(left - 8, y(v) + 4, thousands((int64_t)v), "end", 11);
    }
    int hourStep = minutes > 12 * 60 ? 2 : 1;
    for (int m = 0; m <= minutes; m += 60 * hourStep) {
        int clock = (r.start.hour * 60 + r.start.minute + m) / 60 % 24;
        g.line(x(m), bottom, x(m), bottom + 5, "stroke:#000");
        g.text(x(m), bottom + 18, format("%02d:%02d", clock, r.start.minute), "middle", 11);
    }
    // one line per stretch the game ran
    auto series = [&](int64_t (*value)(const WatchPoint&), const char* colour) {
        std::string points;
        for (size_t k = 0; k < r.watch.size(); k++) {
            const WatchPoint& p = r.watch[k];
            points += format("%.1f,%.1f ", x(p.minute), y((double)value(p)));
            if (k + 1 == r.watch.size() || r.watch[k + 1].minute != p.minute + 1) {
                g.add(format("<polyline fill=\"none\" stroke=\"%s\" stroke-width=\"1.6\" points=\"%s\"/>",
                             colour, points.c_str()));
                points.clear();
            }
        }
    };
    series([](const WatchPoint& p) { return p.fired; }, "#555555");
    series([](const WatchPoint& p) { return p.paid; }, "#e45756");
    series([](const WatchPoint& p) { return (int64_t)p.balls; }, "#4c78a8");
    g.line(left, bottom, left + width, bottom, "stroke:#000");
    g.line(left, top + 40, left, bottom, "stroke:#000");

    const WatchPoint& last = r.watch.back();
    double lx = left + 10, ly = top + 56;
    struct Key {
        const char* colour;
        std::string label;
    } keys[] = {
        {"#555555", format("balls fired since the start (%s)", thousands(last.fired).c_str())},
        {"#e45756", format("balls paid since the start (%s)", thousands(last.paid).c_str())},
        {"#4c78a8", "balls in the tray"},
    };
    for (const Key& k : keys) {
        g.rect(lx, ly - 9, 14, 10, format("fill:%s", k.colour).c_str());
        g.text(lx + 20, ly, k.label, "start", 11);
        ly += 16;
    }
    g.rect(lx, ly - 9, 14, 10, "fill:#ffd9a8");
    g.text(lx + 20, ly, "fever", "start", 11);
    g.rect(lx + 80, ly - 9, 14, 10, "fill:#eeeeee;stroke:#ccc");
    g.text(lx + 100, ly, "shop closed", "start", 11);
    if (gaps) {
        g.rect(lx + 190, ly - 9, 14, 10, "fill:#d0d0d0");
        g.text(lx + 210, ly, "game not running", "start", 11);
    }
}

// Customers seated by the hour of the day, both shops.
void customerPanel(Svg& g, const SimResult& r, double top)
{
    const double left = 80, width = 820, height = 150, bottom = top + 40 + height;
    g.text(left, top + 18, "Customers seated by the hour of the day (mean; 16 machines a shop)", "start", 15,
           "font-weight=\"bold\"");
    const double maxY = 16;
    auto y = [&](double v) { return bottom - v / maxY * height; };
    for (double v = 0; v <= maxY; v += 4) {
        g.line(left, y(v), left + width, y(v), "stroke:#e6e6e6");
        g.text(left - 8, y(v) + 4, format("%.0f", v), "end", 11);
    }
    const double slot = width / 24;
    const char* colours[kShopCount] = {"#f58518", "#54a24b"};
    for (int h = 0; h < 24; h++) {
        for (int s = 0; s < kShopCount; s++) {
            const HourResult& hr = r.hours[s][h];
            if (hr.passes == 0)
                continue;
            double v = hr.meanSeated(), bx = left + slot * h + 3 + s * (slot - 6) / 2;
            g.rect(bx, y(v), (slot - 6) / 2, bottom - y(v), format("fill:%s", colours[s]).c_str());
        }
        if (h % 2 == 0)
            g.text(left + slot * (h + 0.5), bottom + 16, format("%02d", h), "middle", 11);
    }
    g.line(left, bottom, left + width, bottom, "stroke:#000");
    g.rect(left + width - 200, top + 8, 12, 10, "fill:#f58518");
    g.text(left + width - 183, top + 17, "day shop", "start", 11);
    g.rect(left + width - 110, top + 8, 12, 10, "fill:#54a24b");
    g.text(left + width - 93, top + 17, "night shop", "start", 11);
}

} // namespace

std::string svgChart(const SimResult& r)
{
    const double width = 960, height = 960;
    Svg g;
    g.add(format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" viewBox=\"0 0 %.0f %.0f\" "
                 "font-family=\"DejaVu Sans, Arial, sans-serif\">",
                 width, height, width, height));
    g.rect(0, 0, width, height, "fill:#ffffff");
    g.text(40, 30,
           format("Machine No.%d %s: %.0f simulated hours, %s machine-hours, %s", MACHINE_NUMBER, MACHINE_TITLE,
                  r.simulatedHours(), thousands((int64_t)std::llround(r.machineHours())).c_str(), r.source.c_str()),
           "start", 16, "font-weight=\"bold\"");
    ratioPanel(g, r, 50);
    watchPanel(g, r, 380);
    customerPanel(g, r, 730);
    g.add("</svg>");
    return g.s;
}
