// One hall pass over both shops: 32 machine steps, the customers' turns and
// the occupancy checks. The tick has 25 ms, and the drawing needs most of it.
#include <benchmark/benchmark.h>

#include "hallcore/hall/hall.h"
#include "hallcore/hall/shops.h"
#include "hallcore/shell/anim_clock.h"
#include "hallcore/shell/startup.h"
#include "null/sys_null.h"

static void BM_HallPass(benchmark::State& state)
{
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 18, 0, 0));
    forgetClockMinute();
    startHall(2026);
    startAnimClock();
    // every machine busy: a customer, balls in the tray and power on the handle
    for (ShopState& s : shops)
        for (MachineState& m : s.machines) {
            m.occupant = 1;
            m.balls = 2000;
            m.launchPower = 48;
        }
    for (auto _ : state) {
        // two ticks make one hall pass; the launch beat comes every 16th
        advanceAnimClock();
        advanceAnimClock();
        hallStep();
        benchmark::ClobberMemory();
    }
    state.SetLabel("one pass = 32 machine steps + hall work");
}
BENCHMARK(BM_HallPass);

BENCHMARK_MAIN();
