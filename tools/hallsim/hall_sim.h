// The headless hall: the game's own tick, run at full speed on a simulated
// clock, with every machine watched pass by pass.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "hallcore/hall/clock.h"
#include "hallcore/hall/shops.h"
#include "tools/hallsim/odds.h"
#include "tools/hallsim/sim_stats.h"

enum {
    kTicksPerSecond = 40,       // 25 ms a tick
    kPassesPerHour = 72000,     // a hall pass every second tick: one machine-hour of steps
    kPassesPerMinute = 1200,
    kMostWatchHours = 168,
};

// Counts of one setting or one machine.
struct Tally {
    int64_t plainDraws = 0, plainPrizes = 0, plainReaches = 0; // draws at the setting's own odds
    int64_t quickDraws = 0, quickPrizes = 0;                   // draws at the quick chance
    int64_t chanceDraws = 0, chancePrizes = 0;                 // draws in a chance state (not quick)
    int64_t chains = 0;                                        // chance states a prize started
    int64_t favouredPrizes[2] = {}; // prizes whose symbol favoured the chance symbols: outside a chance state, in one
    int64_t fevers = 0, feversKept = 0;
    MeanTally rounds, feverSeconds;
    int64_t fired = 0, paid = 0;
    RatioTally payout; // paid over fired, in hourly batches
    int64_t steps = 0; // machine steps counted here

    int64_t spins() const { return plainDraws + quickDraws + chanceDraws; }
    // adds another run's counts (the payout batches too)
    void merge(const Tally& o);
    int64_t prizes() const { return plainPrizes + quickPrizes + chancePrizes; }
};

struct MachineResult {
    int shop = 0, index = 0;
    Tally tally;
    int64_t stepsBySetting[kMaxSettings] = {};
    int finalSetting = 0, finalReserve = 0;
};

// One hour of the clock (0..23) in one shop, over all the days run.
struct HourResult {
    int64_t passes = 0;
    double seatedSum = 0; // customers seated, summed over the passes
    int64_t arrivals = 0;

    double hoursRun() const { return (double)passes / kPassesPerHour; }
    double meanSeated() const { return passes > 0 ? seatedSum / passes : 0; }
    double arrivalsPerHour() const { return passes > 0 ? arrivals / hoursRun() : 0; }
};

// The watched machine, once a simulated minute.
struct WatchPoint {
    int32_t minute;       // since the start
    int32_t balls;        // in the tray
    int64_t fired, paid;  // since the start
    bool occupied, fever, shopOpen;
};

struct SimOptions {
    uint32_t seed = 1;
    std::vector<uint8_t> shopFile; // the bytes of a shop file; empty: a fresh hall
    bool startGiven = false;
    BrokenDownTime start{};        // default: the file's last moment open, or 2026-12-08 00:00
    double hours = 24;
    int watchShop = -1, watchMachine = 0; // shop -1: the machine with the most fevers on the chart
    double watchHours = 24;               // at most kMostWatchHours
    // Minutes of the day between which the program runs, each day (the end
    // may be past midnight); -1: it runs all the time. Outside them the hall
    // is saved (to the data folder in memory) and caught up on the next
    // start-up, as the game does.
    int sessionStart = -1, sessionEnd = -1;
    // about once a wall-clock second: share done and machine-hours per second
    std::function<void(double, double)> progress;
    // after start-up, before the first tick (the tests set machines up here)
    std::function<void()> afterStart;
};

// A start-up of the program: when, and the customers the catch-up seated.
struct SessionStart {
    BrokenDownTime time;
    int seated[kShopCount];
};

struct SimResult {
    std::string source;
    uint32_t seed = 0;
    BrokenDownTime start{}, end{};
    int64_t ticks = 0, passes = 0;
    double wallSeconds = 0;
    double cpuSeconds = 0; // the run's processor time: its speed on one core, whatever else runs
    Tally bySetting[kMaxSettings];
    MachineResult machines[kShopCount][kMachinesPerShop];
    HourResult hours[kShopCount][24];
    int watchShop = 0, watchMachine = 0;
    std::vector<WatchPoint> watch;
    int32_t watchMinutes = 0; // the chart's span: the points lie in it where the game ran
    int64_t unresolvedPayouts = 0;
    std::vector<SessionStart> sessions;
    int sessionStart = -1, sessionEnd = -1;

    double simulatedHours() const { return (double)passes / kPassesPerHour; } // with the program running
    double calendarHours() const { return (double)ticks / (3600 * kTicksPerSecond); }
    double machineHours() const { return simulatedHours() * kShopCount * kMachinesPerShop; }
    double machineHoursPerSecond() const { return cpuSeconds > 0 ? machineHours() / cpuSeconds : 0; }
    Tally total() const;
};

// The whole of a file, opened for reading only.
bool readFileBytes(const char* path, std::vector<uint8_t>& bytes);

// The start time a shop file leads to: the last moment its hall was seen
// open, when that is a real date; false otherwise.
bool lastMomentOpen(const std::vector<uint8_t>& shopFile, BrokenDownTime& out);

// The next second of the clock, over days, months and years.
void addSecond(BrokenDownTime& t);

// Runs the hall. False (with the reason) when the shop file cannot be read.
bool runHall(const SimOptions& options, SimResult& result, std::string* error);

// The same in `jobs` processes at once, each an independent hall with its
// own seed (seed + k) running its share of the time, the k-th share of the
// calendar; their figures are merged (the chart is the first one's). The
// game's state is global, so each job is a process of its own.
bool runHallJobs(const SimOptions& options, int jobs, SimResult& result, std::string* error);

// Adds another run's figures to a result.
void mergeResult(SimResult& into, const SimResult& from);
