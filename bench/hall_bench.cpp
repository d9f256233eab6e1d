// One hall pass over both shops: 32 machine steps, the customers' turns and
// the occupancy checks. The tick has 25 ms, and the drawing needs most of it.
#include <benchmark/benchmark.h>

#include "hallcore/hall/hall.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/random.h"
#include "hallcore/machine/anim_clock.h"
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
BENCHMARK(BM_HallPass)->Name("BM_HallPassFixedCount")->Iterations(20000);

// One machine played by a customer: launching, spinning and fevers. The
// figure is machine steps a second; the hall needs 640 (32 machines at 20).
static void BM_MachineStepsPlaying(benchmark::State& state)
{
    seedRandom(99);
    MachineState m{};
    resetMachineRecord(m, kResetNew);
    m.occupant = 1;
    m.launchPower = 48;
    m.setting = 1; // hot: more spins and fevers per step
    m.luckReserve = 40;
    m.balls = 1000000;
    startAnimClock();
    for (auto _ : state) {
        advanceAnimClock();
        advanceAnimClock();
        machineStep(m);
        if (m.balls < 1000)
            m.balls = 1000000;
        benchmark::DoNotOptimize(m);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MachineStepsPlaying);
// A fixed count of the same steps, so that two builds can be compared by
// instruction counts (valgrind --tool=callgrind) on a busy machine.
BENCHMARK(BM_MachineStepsPlaying)->Name("BM_MachineStepsFixedCount")->Iterations(200000);

BENCHMARK_MAIN();
