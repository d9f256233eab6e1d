// One whole day of both shops as fast as the core can run it: 1,728,000 hall
// passes of 50 ms from 09:00 to 09:00, through the night shop's closing, the
// day shop's opening and closing and the night shop's opening, with the
// customers coming and going and the clock check every 16 ticks. The goal is
// a day in at most 10 seconds on one core.
#include <benchmark/benchmark.h>

#include "tests/unit/seeded_day.h"

static void BM_WholeDayOfBothShops(benchmark::State& state)
{
    long seated = 0;
    for (auto _ : state) {
        state.PauseTiming();
        seededday::openFreshHall();
        state.ResumeTiming();
        seededday::runDayTicks([] { hallStep(); }, [] {});
        benchmark::ClobberMemory();
        seated = shops[kDayShop].customerCount + shops[kNightShop].customerCount;
    }
    state.counters["passes"] = (double)seededday::kPassesADay;
    state.counters["seated at the end"] = (double)seated;
    state.SetLabel("24 h of both shops");
}
BENCHMARK(BM_WholeDayOfBothShops)->Unit(benchmark::kSecond)->Iterations(1);
