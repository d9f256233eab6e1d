#include "tools/hallsim/hall_sim.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstring>
#include <memory>

#include <sys/wait.h>
#include <unistd.h>

#include "hallcore/hall/hall.h"
#include "hallcore/gfx/screens.h"
#include "hallcore/machine/random.h"
#include "hallcore/players/data_files.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/shell/startup.h"
#include "hallcore/shell/tick.h"
#include "null/sys_null.h"
#include "tools/hallsim/observer.h"

void Tally::merge(const Tally& o)
{
    plainDraws += o.plainDraws;
    plainPrizes += o.plainPrizes;
    plainReaches += o.plainReaches;
    quickDraws += o.quickDraws;
    quickPrizes += o.quickPrizes;
    chanceDraws += o.chanceDraws;
    chancePrizes += o.chancePrizes;
    chains += o.chains;
    favouredPrizes[0] += o.favouredPrizes[0];
    favouredPrizes[1] += o.favouredPrizes[1];
    fevers += o.fevers;
    feversKept += o.feversKept;
    rounds.merge(o.rounds);
    feverSeconds.merge(o.feverSeconds);
    fired += o.fired;
    paid += o.paid;
    payout.merge(o.payout);
    steps += o.steps;
}

Tally SimResult::total() const
{
    Tally t;
    for (int s = 0; s < kSettings; s++) {
        Tally b = bySetting[s];
        b.payout = RatioTally{};
        t.merge(b);
    }
    // the hall's ratio is batched by machine-hour, like each machine's
    for (const auto& shop : machines)
        for (const MachineResult& m : shop)
            t.payout.merge(m.tally.payout);
    return t;
}

bool readFileBytes(const char* path, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    std::FILE* f = std::fopen(path, "rb");
    if (!f)
        return false;
    uint8_t buffer[65536];
    size_t n;
    // a shop file is a few kilobytes: anything past 16 MiB is not one
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0 && bytes.size() < (1u << 24))
        bytes.insert(bytes.end(), buffer, buffer + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

static bool isRealDate(const BrokenDownTime& t)
{
    return t.year >= 70 && t.year < 200 && t.month >= 0 && t.month <= 11 && t.dayOfMonth >= 1
           && t.dayOfMonth <= 31 && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59
           && t.second >= 0 && t.second <= 59;
}

static bool isLater(const BrokenDownTime& a, const BrokenDownTime& b)
{
    return secondsBetween(b, a) > 0;
}

bool lastMomentOpen(const std::vector<uint8_t>& shopFile, BrokenDownTime& out)
{
    std::unique_ptr<ShopState[]> decoded(new ShopState[kShopCount]);
    if (!decodeShopFile(shopFile.data(), shopFile.size(), decoded.get()))
        return false;
    bool found = false;
    for (int s = 0; s < kShopCount; s++) {
        const BrokenDownTime& t = decoded[s].lastOpenStamp;
        if (!isRealDate(t))
            continue;
        if (!found || isLater(t, out))
            out = t;
        found = true;
    }
    if (found) // weekday and day of year from the date
        out = makeLocalTime(out.year + 1900, out.month + 1, out.dayOfMonth, out.hour, out.minute, out.second);
    return found;
}

static int daysInMonth(int yearsSince1900, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 1 && daysInYear(yearsSince1900) == 366 ? 29 : days[month];
}

void addSecond(BrokenDownTime& t)
{
    if (++t.second < 60)
        return;
    t.second = 0;
    if (++t.minute < 60)
        return;
    t.minute = 0;
    if (++t.hour < 24)
        return;
    int year = t.year + 1900, month = t.month + 1, day = t.dayOfMonth + 1;
    if (day > daysInMonth(t.year, t.month)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            year++;
        }
    }
    t = makeLocalTime(year, month, day, 0, 0, 0);
}

namespace {

class HallRun {
public:
    HallRun(const SimOptions& o, SimResult& r) : options(o), result(r) {}

    void run()
    {
        const int settings = kSettings;
        const int64_t totalTicks = (int64_t)(options.hours * 3600 * kTicksPerSecond + 0.5);
        const int64_t watchTicks = (int64_t)(options.watchHours * 3600 * kTicksPerSecond + 0.5);
        int64_t firedSoFar[kShopCount][kMachinesPerShop] = {}, paidSoFar[kShopCount][kMachinesPerShop] = {};

        const auto wallStart = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        auto lastReport = wallStart;
        int64_t tick = 0;
        prepare();
        if (!runningAt(now))
            tick = skipToSession(tick, totalTicks);
        if (tick < totalTicks)
            startProgram();
        int clockHour = now.hour;
        while (tick < totalTicks) {
            tick++;
            if (tick % kTicksPerSecond == 0) {
                addSecond(now);
                nullSetLocalTime(now);
                if (!runningAt(now)) { // the player quits; the program starts again at the next session
                    stopHall();
                    tick = skipToSession(tick, totalTicks);
                    if (tick >= totalTicks)
                        break;
                    startProgram();
                    continue; // its first tick comes 25 ms after the start, as on the first start-up
                }
            }
            onTick(); // the game's tick: clock, scene, hall pass, clock check
            if (animClock.halfPhase != 0)
                continue; // no pass on this tick

            if (now.hour != clockHour) {
                closeBatches();
                clockHour = now.hour;
                nullClearPosted(); // nobody reads the hall's notices here
            }
            const bool beat = isLaunchBeat();
            PassEvents e;
            for (int s = 0; s < kShopCount; s++) {
                HourResult& hour = result.hours[s][now.hour];
                hour.passes++;
                hour.seatedSum += shops[s].customerCount;
                for (int i = 0; i < kMachinesPerShop; i++) {
                    const MachineState& m = shops[s].machines[i];
                    if (m.setting != stepsSetting[s][i])
                        bookSettingSteps(s, i, m.setting);
                    if (!watches[s][i].pass(m, beat, e))
                        continue;
                    count(s, i, settingIndex(m.setting), e);
                    hour.arrivals += e.arrived;
                    firedSoFar[s][i] += e.fired;
                    paidSoFar[s][i] += e.paid;
                }
            }
            if (tick % (60 * kTicksPerSecond) == 0 && tick <= watchTicks)
                for (int sh = 0; sh < kShopCount; sh++)
                    for (int i = 0; i < kMachinesPerShop; i++) {
                        const MachineState& m = shops[sh].machines[i];
                        series[sh][i].push_back({(int32_t)(tick / (60 * kTicksPerSecond)), m.balls,
                                                 firedSoFar[sh][i], paidSoFar[sh][i], m.occupant != 0, m.mode == 3,
                                                 shops[sh].openState != kShopClosed});
                    }
            result.passes++;

            if ((tick & 0xFFFF) == 0 && options.progress) {
                auto t = std::chrono::steady_clock::now();
                if (t - lastReport >= std::chrono::seconds(1)) {
                    lastReport = t;
                    double wall = std::chrono::duration<double>(t - wallStart).count();
                    double machineHours = (double)result.passes / kPassesPerHour * kShopCount * kMachinesPerShop;
                    options.progress((double)tick / totalTicks, machineHours / wall);
                }
            }
        }
        for (int s = 0; s < kShopCount; s++)
            for (int i = 0; i < kMachinesPerShop; i++)
                bookSettingSteps(s, i, 0);
        result.ticks = totalTicks;
        result.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        result.cpuSeconds = (double)(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        closeBatches();
        result.end = now;
        result.watchMinutes = (int32_t)(std::min(watchTicks, totalTicks) / (60 * kTicksPerSecond));
        chooseWatchedMachine();
        for (int s = 0; s < kShopCount; s++)
            for (int i = 0; i < kMachinesPerShop; i++) {
                MachineResult& m = result.machines[s][i];
                m.tally.steps = result.passes;
                for (int k = 0; k < settings; k++)
                    result.bySetting[k].steps += m.stepsBySetting[k];
                m.finalSetting = shops[s].machines[i].setting;
                m.finalReserve = shops[s].machines[i].luckReserve;
            }
    }

private:
    const SimOptions& options;
    SimResult& result;
    BrokenDownTime now{};
    MachineWatch watches[kShopCount][kMachinesPerShop];
    std::vector<WatchPoint> series[kShopCount][kMachinesPerShop]; // once a simulated minute

    // The machine asked for, or else the one with the most fevers on the chart.
    void chooseWatchedMachine()
    {
        int shop = options.watchShop, machine = options.watchMachine;
        if (shop < 0) {
            int best = -1;
            for (int s = 0; s < kShopCount; s++)
                for (int i = 0; i < kMachinesPerShop; i++) {
                    const std::vector<WatchPoint>& w = series[s][i];
                    int fevers = 0;
                    for (size_t k = 1; k < w.size(); k++)
                        fevers += w[k].fever && !w[k - 1].fever;
                    if (fevers > best) {
                        best = fevers;
                        shop = s;
                        machine = i;
                    }
                }
        }
        result.watchShop = shop;
        result.watchMachine = machine;
        result.watch = std::move(series[shop][machine]);
    }
    // A machine's steps by setting (the tallies' steps are summed from
    // these), booked when its setting changes and at the end rather than
    // counted on every pass: the setting of its passes since `stepsSince`.
    int32_t stepsSetting[kShopCount][kMachinesPerShop] = {};
    int64_t stepsSince[kShopCount][kMachinesPerShop] = {};

    static int settingIndex(int32_t setting) { return setting >= 0 && setting < kSettings ? setting : 0; }

    void bookSettingSteps(int s, int i, int32_t setting)
    {
        result.machines[s][i].stepsBySetting[settingIndex(stepsSetting[s][i])] += result.passes - stepsSince[s][i];
        stepsSince[s][i] = result.passes;
        stepsSetting[s][i] = setting;
    }

    // this clock hour's balls, per machine and setting
    int64_t batchFired[kShopCount][kMachinesPerShop][kMaxSettings] = {};
    int64_t batchPaid[kShopCount][kMachinesPerShop][kMaxSettings] = {};

    // The data folder holds only the shop file (or nothing); the clock is
    // set to the start.
    void prepare()
    {
        nullClearPosted();
        nullFilesClear();
        if (!options.shopFile.empty())
            nullFilePut(kShopFileName, options.shopFile);
        now = options.start;
        if (!options.startGiven && !(options.shopFile.size() && lastMomentOpen(options.shopFile, now)))
            now = makeLocalTime(2026, 12, 8, 0, 0, 0);
        result.start = now;
        result.seed = options.seed;
        result.sessionStart = options.sessionStart;
        result.sessionEnd = options.sessionEnd;
        for (int s = 0; s < kShopCount; s++)
            for (int i = 0; i < kMachinesPerShop; i++) {
                result.machines[s][i].shop = s;
                result.machines[s][i].index = i;
            }
    }

    bool runningAt(const BrokenDownTime& t) const
    {
        if (options.sessionStart < 0)
            return true;
        int minute = t.hour * 60 + t.minute, from = options.sessionStart, to = options.sessionEnd;
        return from < to ? minute >= from && minute < to : minute >= from || minute < to;
    }

    // Moves the clock to the next session's start (or the end of the run).
    int64_t skipToSession(int64_t tick, int64_t totalTicks)
    {
        int secondOfDay = (now.hour * 60 + now.minute) * 60 + now.second;
        int64_t seconds = ((int64_t)options.sessionStart * 60 - secondOfDay + 86400) % 86400;
        for (int64_t k = 0; k < seconds && tick < totalTicks; k++) {
            addSecond(now);
            tick += kTicksPerSecond;
        }
        return tick < totalTicks ? tick : totalTicks;
    }

    // The program's start-up, as a new process does it: nothing in memory,
    // the data read from the folder, the clock checked, the absence caught
    // up, the tick clock started.
    void startProgram()
    {
        std::memset(shops, 0, sizeof shops);
        startAnimClock();
        uiBusy = 0;
        shutdownBegun = 0;
        tickRelease();
        hallDirty = 0;
        nullSetLocalTime(now);
        forgetClockMinute();
        startHall(options.seed + (uint32_t)result.sessions.size()); // the game seeds from the time
        SessionStart session{now, {}};
        for (int s = 0; s < kShopCount; s++)
            session.seated[s] = shops[s].customerCount;
        result.sessions.push_back(session);
        if (options.afterStart && result.sessions.size() == 1)
            options.afterStart();
        startAnimClock(); // the tick clock starts
        for (int s = 0; s < kShopCount; s++)
            for (int i = 0; i < kMachinesPerShop; i++)
                watches[s][i].begin(shops[s].machines[i]);
    }

    void count(int s, int i, int setting, const PassEvents& e)
    {
        MachineResult& machine = result.machines[s][i];
        Tally& mt = machine.tally;
        Tally& st = result.bySetting[setting];
        if (e.fired | e.paid) {
            st.fired += e.fired;
            st.paid += e.paid;
            mt.fired += e.fired;
            mt.paid += e.paid;
            batchFired[s][i][setting] += e.fired;
            batchPaid[s][i][setting] += e.paid;
        }
        result.unresolvedPayouts += e.unresolved;
        if (e.spinDone) {
            Tally& draw = result.bySetting[e.spin.setting];
            for (Tally* t : {&draw, &mt}) {
                if (e.spin.prize && e.spin.favoured)
                    t->favouredPrizes[e.spin.chance]++;
                if (e.spin.quick) {
                    t->quickDraws++;
                    t->quickPrizes += e.spin.prize;
                } else if (e.spin.chance) {
                    t->chanceDraws++;
                    t->chancePrizes += e.spin.prize;
                } else {
                    t->plainDraws++;
                    t->plainPrizes += e.spin.prize;
                    t->plainReaches += e.spin.reach;
                }
            }
        }
        if (e.chainStarted) { // booked under the setting of the draw that won it
            result.bySetting[e.chainSetting].chains++;
            mt.chains++;
        }
        if (e.feverDone) {
            Tally& won = result.bySetting[e.fever.setting];
            for (Tally* t : {&won, &mt}) {
                t->fevers++;
                t->feversKept += e.fever.kept;
                t->rounds.add(e.fever.rounds);
                t->feverSeconds.add(e.fever.steps / 20.0);
            }
        }
    }

    // An hour of each machine is one batch of its payout ratio (and of its
    // setting's).
    void closeBatches()
    {
        for (int s = 0; s < kShopCount; s++)
            for (int i = 0; i < kMachinesPerShop; i++) {
                int64_t fired = 0, paid = 0;
                for (int k = 0; k < kSettings; k++) {
                    int64_t& f = batchFired[s][i][k];
                    int64_t& p = batchPaid[s][i][k];
                    if (f | p)
                        result.bySetting[k].payout.addBatch((double)f, (double)p);
                    fired += f;
                    paid += p;
                    f = p = 0;
                }
                if (fired | paid)
                    result.machines[s][i].tally.payout.addBatch((double)fired, (double)paid);
            }
    }
};

} // namespace

bool runHall(const SimOptions& options, SimResult& result, std::string* error)
{
    result = SimResult{};
    if (!options.shopFile.empty()) {
        std::unique_ptr<ShopState[]> decoded(new ShopState[kShopCount]);
        if (!decodeShopFile(options.shopFile.data(), options.shopFile.size(), decoded.get())) {
            if (error)
                *error = "not a shop file of this machine (wrong size or checksum)";
            return false;
        }
    }
    if ((options.sessionStart < 0) != (options.sessionEnd < 0) || options.sessionStart >= 24 * 60
        || options.sessionEnd >= 24 * 60 || (options.sessionStart >= 0 && options.sessionStart == options.sessionEnd)) {
        if (error)
            *error = "a session runs from one time of day to another";
        return false;
    }
    if (options.watchShop >= kShopCount || options.watchMachine < 0 || options.watchMachine >= kMachinesPerShop
        || options.watchHours > kMostWatchHours) {
        if (error)
            *error = "no such machine to watch, or more than a week of it";
        return false;
    }
    HallRun(options, result).run();
    return true;
}

void mergeResult(SimResult& into, const SimResult& from)
{
    into.ticks += from.ticks;
    into.passes += from.passes;
    into.wallSeconds = std::max(into.wallSeconds, from.wallSeconds);
    into.cpuSeconds += from.cpuSeconds;
    for (int s = 0; s < kSettings; s++)
        into.bySetting[s].merge(from.bySetting[s]);
    for (int s = 0; s < kShopCount; s++) {
        for (int i = 0; i < kMachinesPerShop; i++) {
            MachineResult& m = into.machines[s][i];
            m.tally.merge(from.machines[s][i].tally);
            for (int k = 0; k < kSettings; k++)
                m.stepsBySetting[k] += from.machines[s][i].stepsBySetting[k];
        }
        for (int h = 0; h < 24; h++) {
            into.hours[s][h].passes += from.hours[s][h].passes;
            into.hours[s][h].seatedSum += from.hours[s][h].seatedSum;
            into.hours[s][h].arrivals += from.hours[s][h].arrivals;
        }
    }
    into.unresolvedPayouts += from.unresolvedPayouts;
    into.sessions.insert(into.sessions.end(), from.sessions.begin(), from.sessions.end());
    into.end = from.end;
}

namespace {

// A result over a pipe: the plain figures as they lie in memory (both ends
// are the same program), then the chart and the start-ups.
bool writeAll(int fd, const void* data, size_t size)
{
    const char* p = (const char*)data;
    while (size > 0) {
        ssize_t n = ::write(fd, p, size);
        if (n <= 0)
            return false;
        p += n;
        size -= (size_t)n;
    }
    return true;
}

bool readAll(int fd, void* data, size_t size)
{
    char* p = (char*)data;
    while (size > 0) {
        ssize_t n = ::read(fd, p, size);
        if (n <= 0)
            return false;
        p += n;
        size -= (size_t)n;
    }
    return true;
}

struct PlainFigures {
    BrokenDownTime start, end;
    int64_t ticks, passes, unresolvedPayouts;
    double wallSeconds, cpuSeconds;
    Tally bySetting[kMaxSettings];
    MachineResult machines[kShopCount][kMachinesPerShop];
    HourResult hours[kShopCount][24];
    int watchShop, watchMachine;
    int32_t watchMinutes;
    uint64_t watchPoints, sessions;
};

bool sendResult(int fd, const SimResult& r)
{
    std::unique_ptr<PlainFigures> f(new PlainFigures{});
    f->start = r.start;
    f->end = r.end;
    f->ticks = r.ticks;
    f->passes = r.passes;
    f->unresolvedPayouts = r.unresolvedPayouts;
    f->wallSeconds = r.wallSeconds;
    f->cpuSeconds = r.cpuSeconds;
    std::copy(r.bySetting, r.bySetting + kMaxSettings, f->bySetting);
    std::memcpy(f->machines, r.machines, sizeof f->machines);
    std::memcpy(f->hours, r.hours, sizeof f->hours);
    f->watchShop = r.watchShop;
    f->watchMachine = r.watchMachine;
    f->watchMinutes = r.watchMinutes;
    f->watchPoints = r.watch.size();
    f->sessions = r.sessions.size();
    return writeAll(fd, f.get(), sizeof *f) && writeAll(fd, r.watch.data(), r.watch.size() * sizeof(WatchPoint))
           && writeAll(fd, r.sessions.data(), r.sessions.size() * sizeof(SessionStart));
}

bool receiveResult(int fd, SimResult& r)
{
    std::unique_ptr<PlainFigures> f(new PlainFigures{});
    if (!readAll(fd, f.get(), sizeof *f) || f->watchPoints > (1u << 24) || f->sessions > (1u << 20))
        return false;
    r = SimResult{};
    r.start = f->start;
    r.end = f->end;
    r.ticks = f->ticks;
    r.passes = f->passes;
    r.unresolvedPayouts = f->unresolvedPayouts;
    r.wallSeconds = f->wallSeconds;
    r.cpuSeconds = f->cpuSeconds;
    std::copy(f->bySetting, f->bySetting + kMaxSettings, r.bySetting);
    std::memcpy(r.machines, f->machines, sizeof r.machines);
    std::memcpy(r.hours, f->hours, sizeof r.hours);
    r.watchShop = f->watchShop;
    r.watchMachine = f->watchMachine;
    r.watchMinutes = f->watchMinutes;
    r.watch.resize(f->watchPoints);
    r.sessions.resize(f->sessions);
    return readAll(fd, r.watch.data(), r.watch.size() * sizeof(WatchPoint))
           && readAll(fd, r.sessions.data(), r.sessions.size() * sizeof(SessionStart));
}

} // namespace

bool runHallJobs(const SimOptions& options, int jobs, SimResult& result, std::string* error)
{
    if (jobs <= 1)
        return runHall(options, result, error);
    // where the calendar starts, as a single run would start it
    BrokenDownTime start = options.start;
    if (!options.startGiven && !(options.shopFile.size() && lastMomentOpen(options.shopFile, start)))
        start = makeLocalTime(2026, 12, 8, 0, 0, 0);
    const double share = options.hours / jobs;
    std::vector<pid_t> children;
    std::vector<int> pipes;
    for (int k = 0; k < jobs; k++) {
        int fds[2];
        if (::pipe(fds) != 0) {
            if (error)
                *error = "cannot make a pipe for the jobs";
            return false;
        }
        pid_t pid = ::fork();
        if (pid < 0) {
            if (error)
                *error = "cannot start the jobs";
            return false;
        }
        if (pid == 0) { // a job: its slice of the calendar with its own seed
            ::close(fds[0]);
            SimOptions mine = options;
            mine.seed = options.seed + (uint32_t)k;
            mine.hours = share;
            mine.startGiven = true;
            mine.start = start;
            for (int64_t s = (int64_t)(k * share * 3600); s > 0; s--)
                addSecond(mine.start);
            if (k != 0)
                mine.progress = nullptr;
            SimResult mineResult;
            bool ok = runHall(mine, mineResult, nullptr) && sendResult(fds[1], mineResult);
            ::close(fds[1]);
            ::_exit(ok ? 0 : 1);
        }
        ::close(fds[1]);
        children.push_back(pid);
        pipes.push_back(fds[0]);
    }
    bool ok = true;
    for (int k = 0; k < jobs; k++) {
        SimResult part;
        if (!receiveResult(pipes[(size_t)k], part))
            ok = false;
        else if (k == 0)
            result = part;
        else
            mergeResult(result, part);
        ::close(pipes[(size_t)k]);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    if (!ok && error)
        *error = "a job of the run failed";
    result.start = start;
    return ok;
}
