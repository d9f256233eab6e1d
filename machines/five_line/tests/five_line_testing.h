// Test helpers of the five-line machines, shared by No.1's and No.2's tests:
// running a spin to its end, forcing the generator's next draws, and the
// exact enumeration of what the reels show for each lottery outcome.
#pragma once
#include <cstdint>
#include <functional>

#include "hall_fixture.h"
#include "hallcore/machine/machine_words.h"
#include "machines/five_line/five_line.h"

namespace five_line_testing {

// What a spin did, step by step (steps counted from its start).
struct SpinTrace {
    int steps = 0;           // steps until the spin left mode 2
    int stopStep[3] = {-1, -1, -1}; // the step each reel's stop bounce ended (the middle's last stop)
    int reachStep = -1;      // the step the reach turn began
    int stopSounds = 0;      // steps that asked for the stop sound
    int finalMode = -1;
};

// One spin from the state it is in (mode 2), through the model's rules.
inline SpinTrace runSpin(MachineState& m, int guard = 20000)
{
    SpinTrace t;
    m.mode = 2;
    while (m.mode == 2 && t.steps < guard) {
        int before[3] = {m.reelTravel[0], m.reelTravel[1], m.reelTravel[2]};
        int phase = m.spinPhase;
        m.soundRequest = 0;
        m.modeTick += 1;
        modelSpinStep(m);
        t.steps++;
        for (int r = 0; r < 3; r++)
            if (before[r] < 0 && m.reelTravel[r] == 0)
                t.stopStep[r] = t.steps;
        if (phase == 0 && m.spinPhase == 1)
            t.reachStep = t.steps;
        t.stopSounds += m.soundRequest == kWaveReelStop;
    }
    t.finalMode = m.mode;
    return t;
}

// --- forcing draws

// The generator's step and its inverse (214013 is odd, so it has one mod 2^32).
inline uint32_t inverseMultiplier()
{
    uint32_t a = 214013u, x = a; // Newton: x = x (2 - a x) doubles the correct bits
    for (int i = 0; i < 5; i++)
        x *= 2u - a * x;
    return x;
}
inline uint32_t stateBefore(uint32_t next) { return (next - 2531011u) * inverseMultiplier(); }

// A seed after which the next draw is congruent to r1 modulo m1 and (m2 > 0)
// the one after it to r2 modulo m2.
inline uint32_t seedForDraws(int m1, int r1, int m2 = 0, int r2 = 0)
{
    for (uint32_t high = 0; high < 0x8000u; high++) {
        if ((int)high % m1 != r1)
            continue;
        for (uint32_t low = 0; low < 0x20000u; low++) {
            // the state after the first draw: its draw bits and any of the rest
            uint32_t s1 = (high << 16) | (low & 0xFFFFu) | ((low >> 16) << 31);
            if (m2 > 0) {
                uint32_t s2 = s1 * 214013u + 2531011u;
                if ((int)((s2 >> 16) & 0x7FFF) % m2 != r2)
                    continue;
            }
            return stateBefore(s1);
        }
    }
    return 0;
}

// Chance that a 15-bit draw is r modulo m.
inline double drawShare(int m, int r)
{
    int n = 32768 / m + (r < 32768 % m ? 1 : 0);
    return n / 32768.0;
}

// A spin run with every step's draws forced by `seed`: exact enumeration runs
// a spin once for each value of the one step that draws after the set-up.
inline int runForced(MachineState m, uint32_t seed, MachineState* out = nullptr)
{
    m.mode = 2;
    for (int guard = 0; guard < 20000 && m.mode == 2; guard++) {
        seedRandom(seed);
        m.modeTick += 1;
        modelSpinStep(m);
    }
    if (out)
        *out = m;
    return m.mode;
}

// A machine standing still at new-day positions, ready for a spin's set-up.
inline MachineState standingMachine(int pos)
{
    MachineState m = idleMachine();
    for (int r = 0; r < 3; r++)
        m.reelPos[r] = pos;
    m.mode = 2;
    return m;
}

} // namespace five_line_testing
