// hallsim_<model>: the hall of one machine model run headless at full speed,
// reporting how each setting and each machine really pays.
//
//   hallsim_no3 --days 30 --seed 7 --csv run.csv --svg run.svg
//   hallsim_no3 --shop-file Qm4103.dat --hours 48
//
// The shop file is only read: the run keeps its data folder in memory.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "machine_model.h"
#include "null/sys_null.h"
#include "tools/hallsim/exact_lottery.h"
#include "tools/hallsim/hall_sim.h"
#include "tools/hallsim/odds.h"
#include "tools/hallsim/report.h"

namespace {

void usage(std::FILE* out)
{
    std::fprintf(out,
                 "usage: hallsim_no%d [options]\n"
                 "  --seed N            seed of the game's random stream (default 1)\n"
                 "  --shop-file PATH    start from a copy of a shop file (%s.dat), read only\n"
                 "  --start 'YYYY-MM-DD HH:MM[:SS]'\n"
                 "                      the clock at start-up (default: the file's last moment\n"
                 "                      open, or 2026-12-08 00:00 for a fresh hall)\n"
                 "  --hours H | --days D  how long to run (default 1 day)\n"
                 "  --watch day:N|night:N  the machine whose balls are charted (default: the\n"
                 "                      one with the most fevers on the chart)\n"
                 "  --watch-hours H     how much of the run the chart shows (default 24,\n"
                 "                      at most 168)\n"
                 "  --session HH:MM-HH:MM  the game runs only then, each day; between sessions\n"
                 "                      the hall is saved (in memory) and caught up on start-up\n"
                 "  --csv PATH          the figures as CSV\n"
                 "  --svg PATH          the chart\n"
                 "  --quiet             no progress line\n"
                 "  --write-exact-lottery [PATH]  count the start lottery over all 2^32 states\n"
                 "                      of the generator (minutes) and write the figures the\n"
                 "                      report's exact columns use (default: the model's file)\n"
                 "  --jobs N            run N independent halls at once (seeds seed..seed+N-1),\n"
                 "                      each a share of the time, and merge their figures;\n"
                 "                      threads for --write-exact-lottery (default 1, and 2 there)\n",
                 MACHINE_NUMBER, MACHINE_PROGRAM);
}

bool parseStart(const char* text, BrokenDownTime& out)
{
    int y, mo, d, h = 0, mi = 0, s = 0;
    int n = std::sscanf(text, "%d-%d-%d%*[ T]%d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    if (n != 3 && n < 5)
        return false;
    if (y < 1970 || y > 2099 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59
        || s < 0 || s > 59)
        return false;
    out = makeLocalTime(y, mo, d, h, mi, s);
    return true;
}

bool parseSession(const char* text, int& from, int& to)
{
    int h1, m1, h2, m2;
    char end;
    if (std::sscanf(text, "%d:%d-%d:%d%c", &h1, &m1, &h2, &m2, &end) != 4)
        return false;
    if (h1 < 0 || h1 > 23 || m1 < 0 || m1 > 59 || h2 < 0 || h2 > 24 || m2 < 0 || m2 > 59)
        return false;
    from = h1 * 60 + m1;
    to = (h2 * 60 + m2) % (24 * 60);
    return from != to;
}

bool parseWatch(const char* text, int& shop, int& index)
{
    char name[16];
    int number;
    if (std::sscanf(text, "%15[a-z]:%d", name, &number) != 2)
        return false;
    if (std::strcmp(name, "day") == 0)
        shop = kDayShop;
    else if (std::strcmp(name, "night") == 0)
        shop = kNightShop;
    else
        return false;
    for (int i = 0; i < kMachinesPerShop; i++)
        if (machineNumber(i) == number) {
            index = i;
            return true;
        }
    return false;
}

bool writeText(const char* path, const std::string& text)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    const char* shopPath = nullptr;
    const char* csvPath = nullptr;
    const char* svgPath = nullptr;
    bool quiet = false;
    const char* exactPath = nullptr;
    bool writeExact = false;
    int jobs = 0;
    for (int k = 1; k < argc; k++) {
        std::string a = argv[k];
        auto value = [&]() -> const char* {
            if (k + 1 >= argc) {
                std::fprintf(stderr, "hallsim: %s needs a value\n", a.c_str());
                std::exit(2);
            }
            return argv[++k];
        };
        if (a == "--seed") {
            options.seed = (uint32_t)std::strtoul(value(), nullptr, 0);
        } else if (a == "--shop-file") {
            shopPath = value();
        } else if (a == "--start") {
            if (!parseStart(value(), options.start)) {
                std::fprintf(stderr, "hallsim: --start wants 'YYYY-MM-DD HH:MM[:SS]'\n");
                return 2;
            }
            options.startGiven = true;
        } else if (a == "--hours" || a == "--days") {
            double v = std::atof(value());
            options.hours = a == "--days" ? v * 24 : v;
            if (!(options.hours > 0 && options.hours <= 24 * 3650)) {
                std::fprintf(stderr, "hallsim: the run must last more than 0 and at most 3650 days\n");
                return 2;
            }
        } else if (a == "--watch") {
            if (!parseWatch(value(), options.watchShop, options.watchMachine)) {
                std::fprintf(stderr, "hallsim: --watch wants day:N or night:N with a machine number\n");
                return 2;
            }
        } else if (a == "--watch-hours") {
            options.watchHours = std::atof(value());
        } else if (a == "--session") {
            if (!parseSession(value(), options.sessionStart, options.sessionEnd)) {
                std::fprintf(stderr, "hallsim: --session wants HH:MM-HH:MM, two different times\n");
                return 2;
            }
        } else if (a == "--csv") {
            csvPath = value();
        } else if (a == "--svg") {
            svgPath = value();
        } else if (a == "--quiet") {
            quiet = true;
        } else if (a == "--write-exact-lottery") {
            writeExact = true;
            if (k + 1 < argc && argv[k + 1][0] != '-')
                exactPath = argv[++k];
        } else if (a == "--jobs") {
            jobs = std::atoi(value());
            if (jobs < 1 || jobs > 64) {
                std::fprintf(stderr, "hallsim: --jobs wants 1 to 64\n");
                return 2;
            }
        } else if (a == "--help" || a == "-h") {
            usage(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "hallsim: unknown option %s\n", a.c_str());
            usage(stderr);
            return 2;
        }
    }

    if (writeExact) {
        const LotteryTable& t = simLottery();
        std::fprintf(stderr, "hallsim: counting the start lottery over all 2^32 states on %d threads...\n",
                     jobs > 0 ? jobs : 2);
        ExactLottery e = computeExactLottery(t, jobs > 0 ? jobs : 2, t.chanceOdds > 0);
        const char* path = exactPath ? exactPath : HALLSIM_EXACT_LOTTERY;
        if (!writeText(path, exactLotteryText(t, e))) {
            std::fprintf(stderr, "hallsim: cannot write %s\n", path);
            return 1;
        }
        std::printf("hallsim: the start lottery's exact figures are in %s\n", path);
        return 0;
    }
    {
        std::vector<uint8_t> counted;
        if (readFileBytes(HALLSIM_EXACT_LOTTERY, counted))
            loadExactLottery(std::string(counted.begin(), counted.end()));
    }

    if (shopPath && !readFileBytes(shopPath, options.shopFile)) {
        std::fprintf(stderr, "hallsim: cannot read %s: %s\n", shopPath, std::strerror(errno));
        return 1;
    }
    if (shopPath && options.shopFile.empty()) {
        std::fprintf(stderr, "hallsim: %s is empty\n", shopPath);
        return 1;
    }

    const bool terminal = isatty(2);
    int tenthsShown = 0;
    if (!quiet)
        options.progress = [&](double done, double rate) {
            if (terminal) {
                std::fprintf(stderr, "\rhallsim: %5.1f%% of %.1f hours, %.0f machine-hours/s   ", 100 * done,
                             options.hours, rate);
            } else if ((int)(done * 10) > tenthsShown) { // a line a tenth into a log
                tenthsShown = (int)(done * 10);
                std::fprintf(stderr, "hallsim: %d0%% of %.1f hours, %.0f machine-hours/s\n", tenthsShown,
                             options.hours, rate);
            }
        };

    SimResult result;
    std::string error;
    if (!runHallJobs(options, jobs > 0 ? jobs : 1, result, &error)) {
        std::fprintf(stderr, "hallsim: %s%s%s\n", shopPath ? shopPath : "", shopPath ? ": " : "", error.c_str());
        return 1;
    }
    if (!quiet && terminal)
        std::fprintf(stderr, "\r%60s\r", "");
    result.source = shopPath ? std::string("shop file ") + shopPath + ", seed " + std::to_string(options.seed)
                             : "fresh hall, seed " + std::to_string(options.seed);
    if (jobs > 1)
        result.source += " (" + std::to_string(jobs) + " halls at once, seeds " + std::to_string(options.seed) +
                         ".." + std::to_string(options.seed + jobs - 1) + ", each a share of the time)";

    writeTable(stdout, result);
    if (csvPath) {
        std::FILE* f = std::fopen(csvPath, "wb");
        if (!f) {
            std::fprintf(stderr, "hallsim: cannot write %s\n", csvPath);
            return 1;
        }
        writeCsv(f, result);
        std::fclose(f);
    }
    if (svgPath && !writeText(svgPath, svgChart(result))) {
        std::fprintf(stderr, "hallsim: cannot write %s\n", svgPath);
        return 1;
    }
    std::printf("\nspeed: %.0f machine-hours in %.2f s of processor time (%.2f s elapsed) = %.1f machine-hours "
                "per second on one core (a machine-hour is %d steps)",
                result.machineHours(), result.cpuSeconds, result.wallSeconds, result.machineHoursPerSecond(),
                kPassesPerHour);
    if (jobs > 1 && result.wallSeconds > 0)
        std::printf(", %.1f per second elapsed on %d jobs", result.machineHours() / result.wallSeconds, jobs);
    std::printf("\n");
    return 0;
}
