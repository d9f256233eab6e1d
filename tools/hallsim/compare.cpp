// hallsim_compare: the family side by side, from each machine's simulator CSV.
//
//   hallsim_compare [--csv OUT.csv] [--svg OUT.svg] NAME=RUN.csv ...
//
// NAME is how the machine is shown ("No.1 ORBITEX"); RUN.csv is what
// `hallsim_noN --csv` wrote. The table goes to standard output: per machine
// and setting the prize odds (measured with their 95% interval, the exact
// chance from the game's generator and the odds the rules name), reaches,
// rounds and seconds a fever, the share keeping the right to go on, the
// chance chains where a machine has them, balls paid per ball fired; then
// the customers seated by the hour. The CSV is every machine's rows with
// its name in front; the SVG puts the machines side by side on one page.
// tools/compare.sh runs the five simulators and this.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tools/hallsim/svg.h"

namespace {

typedef std::map<std::string, std::string> Row;

struct Run {
    std::string name;
    std::vector<std::string> columns;
    std::vector<Row> rows;

    // the first row of a scope (and setting, when given)
    const Row* find(const std::string& scope, const std::string& setting = "") const
    {
        for (const Row& r : rows)
            if (r.at("scope") == scope && (setting.empty() || r.at("setting") == setting))
                return &r;
        return nullptr;
    }
};

std::vector<std::string> splitCsv(const std::string& line)
{
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, ','))
        cells.push_back(cell);
    if (!line.empty() && line.back() == ',')
        cells.push_back("");
    return cells;
}

bool readRun(const std::string& name, const std::string& path, Run& run, std::string& why)
{
    std::ifstream in(path);
    if (!in) {
        why = "cannot read " + path;
        return false;
    }
    run.name = name;
    std::string line;
    if (!std::getline(in, line) || line.compare(0, 6, "scope,") != 0) {
        why = path + " is not a simulator CSV";
        return false;
    }
    run.columns = splitCsv(line);
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        std::vector<std::string> cells = splitCsv(line);
        Row r;
        for (size_t k = 0; k < run.columns.size(); k++)
            r[run.columns[k]] = k < cells.size() ? cells[k] : "";
        run.rows.push_back(r);
    }
    return true;
}

std::string cell(const Row* r, const char* column, const char* empty = "-")
{
    if (!r)
        return empty;
    auto it = r->find(column);
    return it == r->end() || it->second.empty() ? std::string(empty) : it->second;
}

double number(const Row* r, const char* column)
{
    std::string v = cell(r, column, "");
    return v.empty() ? NAN : std::atof(v.c_str());
}

std::string fixed(double v, const char* f)
{
    return std::isnan(v) ? std::string("-") : format(f, v);
}

const char* kSettingNames[3] = {"normal", "hot", "cold"};
const char* kMachineColour[] = {"#4c78a8", "#f58518", "#54a24b", "#e45756", "#b279a2", "#72b7b2", "#9d755d"};

void writeTable(const std::vector<Run>& runs)
{
    std::printf("The machines of the family side by side (each its own simulated hall)\n\n");
    std::printf("%-16s %-8s %9s %7s %10s %15s %9s %9s %8s %11s %9s %7s %7s %18s\n", "machine", "setting", "draws",
                "prizes", "1 in", "95% interval", "exact", "named", "reaches", "reach exact", "rounds", "fever s",
                "kept", "paid/fired [95%]");
    for (const Run& run : runs) {
        auto line = [&](const std::string& label, const Row* r) {
            if (!r)
                return;
            double half = number(r, "payout_half"), ratio = number(r, "payout_ratio");
            std::printf("%-16s %-8s %9s %7s %10s %15s %9s %9s %8s %11s %9s %7s %7s %18s\n", run.name.c_str(),
                        label.c_str(), cell(r, "draws").c_str(), cell(r, "prizes").c_str(),
                        fixed(number(r, "one_in"), "%.1f").c_str(),
                        (fixed(number(r, "one_in_low"), "%.1f") + ".." +
                         (std::isnan(number(r, "one_in_high")) ? std::string("inf")
                                                                : fixed(number(r, "one_in_high"), "%.1f")))
                            .c_str(),
                        fixed(number(r, "exact_one_in"), "%.2f").c_str(), fixed(number(r, "named_one_in"), "%.0f").c_str(),
                        cell(r, "reaches").c_str(), fixed(number(r, "exact_reach_one_in"), "%.2f").c_str(),
                        fixed(number(r, "rounds_per_fever"), "%.2f").c_str(),
                        fixed(number(r, "fever_seconds"), "%.0f").c_str(),
                        fixed(100 * number(r, "kept_share"), "%.0f%%").c_str(),
                        std::isnan(ratio) ? "-" : format("%.3f [%.3f..%.3f]", ratio, ratio - half, ratio + half).c_str());
        };
        for (int s = 0; s < 3; s++)
            line(format("%d %s", s, kSettingNames[s]), run.find("setting", std::to_string(s)));
        line("quick", run.find("quick"));
        line("chance", run.find("chance"));
        line("all", run.find("all"));
        if (const Row* c = run.find("chains"))
            std::printf("%-16s chance chains: %s, started by %s of all prizes (exact %s), %s prizes a chain (exact %s;\n"
                        "%-16s %.0f%% and %.0f%% of prizes outside and in a chance state favoured its symbols;"
                        " all favoured %s, none %s)\n",
                        run.name.c_str(), cell(c, "chains").c_str(), fixed(number(c, "chain_share"), "%.4f").c_str(),
                        fixed(number(c, "exact_chain_share"), "%.4f").c_str(),
                        fixed(number(c, "prizes_per_chain"), "%.3f").c_str(),
                        fixed(number(c, "exact_prizes_per_chain"), "%.3f").c_str(), "",
                        100 * number(c, "favoured_outside"), 100 * number(c, "favoured_inside"),
                        fixed(number(c, "exact_prizes_per_chain_all_favoured"), "%.3f").c_str(),
                        fixed(number(c, "exact_prizes_per_chain_none_favoured"), "%.3f").c_str());
    }
    std::printf("  exact: the chance from the game's own generator (the start lottery counted over its 2^32\n"
                "  states where the model has the count); named: the 1 in n the rules name; chains exact: from\n"
                "  the symbol draws, at the measured share of prizes that chose their symbol with the chance symbols\n"
                "  favoured (a one-line machine favours them only while its luck reserve holds more than four)\n");

    std::printf("\nCustomers seated in the day shop (day) and the night shop (night), mean by the hour\n%4s", "hour");
    for (const Run& run : runs)
        std::printf(" %16s", run.name.c_str());
    std::printf("\n");
    for (int h = 0; h < 24; h++) {
        std::printf("%4d", h);
        for (const Run& run : runs) {
            double day = NAN, night = NAN;
            for (const Row& r : run.rows)
                if (r.at("scope") == "hour" && r.at("hour") == std::to_string(h)) {
                    (r.at("shop") == "day" ? day : night) = std::atof(r.at("mean_seated").c_str());
                }
            std::printf(" %7s/%-8s", fixed(day, "%.1f").c_str(), fixed(night, "%.1f").c_str());
        }
        std::printf("\n");
    }
}

bool writeCsv(const char* path, const std::vector<Run>& runs)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    // the union of the runs' columns, in the first run's order
    std::vector<std::string> columns;
    for (const Run& run : runs)
        for (const std::string& c : run.columns) {
            bool seen = false;
            for (const std::string& have : columns)
                seen = seen || have == c;
            if (!seen)
                columns.push_back(c);
        }
    std::fprintf(f, "machine");
    for (const std::string& c : columns)
        std::fprintf(f, ",%s", c.c_str());
    std::fprintf(f, "\n");
    for (const Run& run : runs)
        for (const Row& r : run.rows) {
            std::fprintf(f, "%s", run.name.c_str());
            for (const std::string& c : columns) {
                auto it = r.find(c);
                std::fprintf(f, ",%s", it == r.end() ? "" : it->second.c_str());
            }
            std::fprintf(f, "\n");
        }
    return std::fclose(f) == 0;
}

// One panel of bars: for each machine a group of bars (one a setting), a
// value with its interval and an optional mark (the exact figure).
struct Bar {
    double value = NAN, low = NAN, high = NAN, mark = NAN;
};

void barPanel(Svg& g, double top, const std::string& title, const std::string& unit,
              const std::vector<std::string>& machineNames, const std::vector<std::vector<Bar>>& bars, bool logScale)
{
    const double left = 90, width = 1000, height = 220;
    g.text(left, top + 18, title, "start", 15, "font-weight=\"bold\"");
    double lo = INFINITY, hi = 0;
    for (const auto& group : bars)
        for (const Bar& b : group)
            for (double v : {b.value, b.high, b.mark, b.low})
                if (!std::isnan(v) && v > 0 && std::isfinite(v)) {
                    lo = std::min(lo, v);
                    hi = std::max(hi, v);
                }
    if (!(hi > 0))
        return;
    if (!logScale)
        lo = 0;
    const double y0 = top + 40, y1 = top + 40 + height;
    auto yOf = [&](double v) {
        if (logScale) {
            double a = std::log10(lo / 1.3), b = std::log10(hi * 1.3);
            return y1 - (std::log10(std::max(v, lo / 1.3)) - a) / (b - a) * height;
        }
        return y1 - v / (hi * 1.1) * height;
    };
    g.line(left, y1, left + width, y1, "stroke:#444");
    g.line(left, y0, left, y1, "stroke:#444");
    if (logScale) {
        for (double d = std::pow(10, std::floor(std::log10(lo / 1.3))); d <= hi * 1.3; d *= 10)
            for (double m : {1.0, 2.0, 5.0}) {
                double v = d * m;
                if (v < lo / 1.3 || v > hi * 1.3)
                    continue;
                g.line(left - 4, yOf(v), left + width, yOf(v), "stroke:#ddd");
                g.text(left - 8, yOf(v) + 4, format("%g", v), "end", 11);
            }
    } else {
        double step = niceStep(hi * 1.1, 5);
        for (double v = 0; v <= hi * 1.1; v += step) {
            g.line(left - 4, yOf(v), left + width, yOf(v), "stroke:#ddd");
            g.text(left - 8, yOf(v) + 4, format("%g", v), "end", 11);
        }
    }
    g.text(left - 60, (y0 + y1) / 2, unit, "middle", 12, format("transform=\"rotate(-90 %.0f %.0f)\"", left - 60, (y0 + y1) / 2).c_str());
    const double groupWidth = width / std::max<size_t>(1, bars.size());
    for (size_t m = 0; m < bars.size(); m++) {
        double gx = left + m * groupWidth;
        g.text(gx + groupWidth / 2, y1 + 18, machineNames[m], "middle", 12);
        const size_t n = bars[m].size();
        double bw = (groupWidth - 30) / std::max<size_t>(1, n);
        for (size_t k = 0; k < n; k++) {
            const Bar& b = bars[m][k];
            double x = gx + 15 + k * bw;
            if (!std::isnan(b.value) && b.value > 0) {
                g.rect(x + 2, yOf(b.value), bw - 4, y1 - yOf(b.value),
                       format("fill:%s;opacity:0.8", k < 3 ? kMachineColour[k] : "#888").c_str());
                if (!std::isnan(b.low) && !std::isnan(b.high))
                    g.line(x + bw / 2, yOf(b.low), x + bw / 2, yOf(std::min(b.high, hi * 1.3)), "stroke:#000");
            }
            if (!std::isnan(b.mark) && b.mark > 0)
                g.line(x, yOf(b.mark), x + bw, yOf(b.mark), "stroke:#000;stroke-width:2;stroke-dasharray:4,2");
        }
    }
    for (int k = 0; k < 3; k++) {
        g.rect(left + width - 300 + 100 * k, top + 6, 12, 12, format("fill:%s", kMachineColour[k]).c_str());
        g.text(left + width - 284 + 100 * k, top + 16, kSettingNames[k], "start", 12);
    }
}

std::string writeSvg(const std::vector<Run>& runs)
{
    Svg g;
    const double pageWidth = 1120, pageHeight = 1280;
    g.add(format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" font-family=\"sans-serif\">",
                 pageWidth, pageHeight));
    g.rect(0, 0, pageWidth, pageHeight, "fill:#fff");
    g.text(40, 34, "The family of machines side by side: each its own simulated hall", "start", 20,
           "font-weight=\"bold\"");
    std::vector<std::string> names;
    std::vector<std::vector<Bar>> odds, payout, rounds;
    for (const Run& run : runs) {
        names.push_back(run.name);
        std::vector<Bar> o, p, r;
        for (int s = 0; s < 3; s++) {
            const Row* row = run.find("setting", std::to_string(s));
            Bar a;
            a.value = number(row, "one_in");
            a.low = number(row, "one_in_low");
            a.high = number(row, "one_in_high");
            a.mark = number(row, "exact_one_in");
            o.push_back(a);
            Bar b;
            b.value = number(row, "payout_ratio");
            double half = number(row, "payout_half");
            b.low = b.value - half;
            b.high = b.value + half;
            b.mark = 1;
            p.push_back(b);
            Bar c;
            c.value = number(row, "rounds_per_fever");
            double rh = number(row, "rounds_half");
            c.low = c.value - rh;
            c.high = c.value + rh;
            r.push_back(c);
        }
        odds.push_back(o);
        payout.push_back(p);
        rounds.push_back(r);
    }
    barPanel(g, 60, "Big prizes: 1 in x spins by the setting in force (bars: 95% interval; dashes: exact)", "1 in x",
             names, odds, true);
    barPanel(g, 360, "Balls paid per ball fired, by the setting in force (dashes: break-even)", "paid / fired", names,
             payout, false);
    barPanel(g, 660, "Rounds a fever, by the setting that drew it", "rounds", names, rounds, false);

    // customers by the hour: a line per machine
    const double left = 90, top = 960, width = 1000, height = 220;
    g.text(left, top + 18, "Customers seated in the open shop, mean by the hour of the day", "start", 15,
           "font-weight=\"bold\"");
    const double y1 = top + 40 + height;
    g.line(left, y1, left + width, y1, "stroke:#444");
    g.line(left, top + 40, left, y1, "stroke:#444");
    for (int v = 0; v <= 12; v += 2) {
        double y = y1 - v / 12.0 * height;
        g.line(left - 4, y, left + width, y, "stroke:#ddd");
        g.text(left - 8, y + 4, std::to_string(v), "end", 11);
    }
    for (int h = 0; h < 24; h += 2)
        g.text(left + (h + 0.5) * width / 24, y1 + 16, std::to_string(h), "middle", 11);
    for (size_t m = 0; m < runs.size(); m++) {
        std::string points;
        for (int h = 0; h < 24; h++) {
            double seated = 0;
            for (const Row& r : runs[m].rows)
                if (r.at("scope") == "hour" && r.at("hour") == std::to_string(h))
                    seated = std::max(seated, std::atof(r.at("mean_seated").c_str())); // the shop that is open
            points += format("%.1f,%.1f ", left + (h + 0.5) * width / 24, y1 - seated / 12.0 * height);
        }
        const char* colour = kMachineColour[m % 7];
        g.add(format("<polyline points=\"%s\" style=\"fill:none;stroke:%s;stroke-width:2\"/>", points.c_str(), colour));
        g.rect(left + 20 + 170 * m, top + 26, 12, 12, format("fill:%s", colour).c_str());
        g.text(left + 36 + 170 * m, top + 36, runs[m].name, "start", 12);
    }
    g.add("</svg>");
    return g.s;
}

} // namespace

int main(int argc, char** argv)
{
    const char* csvPath = nullptr;
    const char* svgPath = nullptr;
    std::vector<Run> runs;
    for (int k = 1; k < argc; k++) {
        std::string a = argv[k];
        if ((a == "--csv" || a == "--svg") && k + 1 < argc) {
            (a == "--csv" ? csvPath : svgPath) = argv[++k];
            continue;
        }
        size_t eq = a.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::fprintf(stderr, "usage: hallsim_compare [--csv OUT] [--svg OUT] NAME=RUN.csv ...\n");
            return 2;
        }
        Run run;
        std::string why;
        if (!readRun(a.substr(0, eq), a.substr(eq + 1), run, why)) {
            std::fprintf(stderr, "hallsim_compare: %s\n", why.c_str());
            return 1;
        }
        runs.push_back(run);
    }
    if (runs.empty()) {
        std::fprintf(stderr, "hallsim_compare: no runs given\n");
        return 2;
    }
    writeTable(runs);
    if (csvPath && !writeCsv(csvPath, runs)) {
        std::fprintf(stderr, "hallsim_compare: cannot write %s\n", csvPath);
        return 1;
    }
    if (svgPath) {
        std::ofstream out(svgPath, std::ios::binary);
        out << writeSvg(runs);
        if (!out) {
            std::fprintf(stderr, "hallsim_compare: cannot write %s\n", svgPath);
            return 1;
        }
    }
    return 0;
}
