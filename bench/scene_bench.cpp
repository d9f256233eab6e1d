// A whole tick of the program in the play scene (the play frame, the hall
// pass every second tick, the panel), with the real pictures on the null
// platform. The tick has 25 ms; the figure that matters is the slow end:
// the 99th percentile of single ticks, reported beside the mean.
#include <algorithm>
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/screens.h"
#include "hallcore/players/registry.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/shell/startup.h"
#include "hallcore/shell/tick.h"
#include "null/sys_null.h"

static void BM_PlaySceneTick(benchmark::State& state)
{
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 18, 0, 0));
    forgetClockMinute();
    startHall(2026);
    startAnimClock();
    if (!nullUseArtFolders(TAMAROW_SOURCE_DIR "/programs/art", TAMAROW_SOURCE_DIR "/machines/" TAMAROW_MODEL "/art")
        || !createArtwork()) {
        state.SkipWithError("no pictures in programs/art and machines/<model>/art");
        return;
    }
    registerPlayer("Bench");
    if (!nullWalkToScene(kScenePlaying, 0)) {
        state.SkipWithError("could not sit down");
        return;
    }
    nullPaintScene();
    const int kTicks = 40000; // over 16 minutes of play
    std::vector<double> micros(kTicks);
    for (auto _ : state) {
        for (int i = 0; i < kTicks; i++) {
            auto start = std::chrono::steady_clock::now();
            onTick();
            micros[i] = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            if (activePlayerSlot().machine->balls < 500)
                activePlayerSlot().machine->balls = 3000;
        }
    }
    std::sort(micros.begin(), micros.end());
    double sum = 0;
    for (double m : micros)
        sum += m;
    state.counters["mean_us"] = sum / kTicks;
    state.counters["p99_us"] = micros[kTicks * 99 / 100];
    state.counters["max_us"] = micros.back();
    releaseArtwork();
}
BENCHMARK(BM_PlaySceneTick)->Iterations(1)->Unit(benchmark::kMillisecond);
