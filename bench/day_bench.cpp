// One whole day of both shops as fast as the core can run it: 1,728,000 hall
// passes of 50 ms from 09:00 to 09:00, through the night shop's closing, the
// day shop's opening and closing and the night shop's opening, with the
// customers coming and going and the clock check every 16 ticks. The goal is
// a day in at most 10 seconds on one core.
#include <benchmark/benchmark.h>

#include "hallcore/hall/hall.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/random.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/shell/startup.h"
#include "null/sys_null.h"

namespace {

const long kPassesADay = 1728000;

BrokenDownTime timeAt(long seconds)
{
    long s = 9 * 3600 + seconds;
    return makeLocalTime(2026, 12, 8 + (int)(s / 86400), (int)(s / 3600 % 24), (int)(s / 60 % 60),
                         (int)(s % 60));
}

// A fresh hall at 09:00, caught up as after a long absence.
void openFreshHall()
{
    nullSetLocalTime(timeAt(0));
    forgetClockMinute();
    seedRandom(20261208);
    for (int s = 0; s < kShopCount; s++) {
        shops[s].lastOpenStamp = BrokenDownTime{};
        for (int i = 0; i <= kSpareMachine; i++)
            resetMachine(s, i, kResetNew);
    }
    updateShopHours();
    daySetUp();
    startAnimClock();
}

} // namespace

static void BM_WholeDayOfBothShops(benchmark::State& state)
{
    long seated = 0;
    for (auto _ : state) {
        state.PauseTiming();
        openFreshHall();
        state.ResumeTiming();
        for (long tick = 1; tick <= 2 * kPassesADay; tick++) {
            advanceAnimClock();
            if (animClock.halfPhase == 0)
                hallStep();
            if (animClock.count256 == 0) { // the info panel's clock check
                nullSetLocalTime(timeAt(tick / 40));
                updateShopHours();
            }
        }
        benchmark::ClobberMemory();
        seated = shops[kDayShop].customerCount + shops[kNightShop].customerCount;
    }
    state.counters["passes"] = (double)kPassesADay;
    state.counters["seated at the end"] = (double)seated;
    state.SetLabel("24 h of both shops");
}
BENCHMARK(BM_WholeDayOfBothShops)->Unit(benchmark::kSecond)->Iterations(1);
