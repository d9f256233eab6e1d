// Test helpers of the five-line machines, shared by No.1's and No.2's tests:
// running a spin to its end, forcing the generator's next draws, a machine
// in a fever and its steps, and the exact enumeration of what the reels show
// for each lottery outcome.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

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

// A machine in round `round` of a fever at step `tick`, its reels standing
// at `pos`.
inline MachineState inFever(int pos, int round, int tick)
{
    MachineState m = standingMachine(pos);
    m.mode = 3;
    m.round = round;
    m.modeTick = tick;
    return m;
}

// Up to n fever steps, while the fever lasts.
inline void feverSteps(MachineState& m, int n)
{
    for (int i = 0; i < n && m.mode == 3; i++) {
        m.modeTick += 1;
        feverStep(m);
    }
}

// --- what the reels decide

// One value of the draws a spin makes after its set-up (in the reach
// set-ups), and its chance.
struct DrawCase {
    uint32_t seed;
    double weight;
};
// The cases of those draws for a reach of this outcome on this line.
using LaterDraws = std::function<std::vector<DrawCase>(int outcome, int line)>;

// The chance that a spin set up as `m` ends in a prize, over the draws its
// reach set-ups make (each value forced in turn, weighted by its chance).
inline double prizeShare(const MachineState& m, const LaterDraws& later)
{
    MachineState c = m;
    // the right reel's stop finds what the set-up predicts: its travel is whole turns
    bool reach = reachCheck(c);
    int outcome = m.drawOutcome == 0 && reach ? 1 : m.drawOutcome;
    std::vector<DrawCase> cases = reach ? later(outcome, c.reachLine) : std::vector<DrawCase>{{1, 1.0}};
    double p = 0;
    for (const DrawCase& d : cases)
        p += d.weight * (runForced(m, d.seed) == 3 ? 1 : 0);
    return p;
}

// Exact under independent 15-bit draws: the chance that a spin the lottery
// drew as `outcome` ends in a prize, from reels standing at `pos` with
// `stale` in reachSymbol (what the last spin left: 0 after a miss).
// Outcome 0 enumerates the three boosts and the fix-up's parity; a planned
// outcome the symbol and the line (its middle boost changes nothing).
inline double prizeShareOfOutcome(int outcome, int pos, int stale, const LaterDraws& later)
{
    const FiveLineModel& f = kFiveLine;
    const int n = f.cells;
    double p = 0;
    if (outcome == 0) {
        for (int bl = 0; bl < n; bl++)
            for (int bm = 0; bm < n; bm++)
                for (int br = 0; br < n; br++) {
                    MachineState m = standingMachine(pos);
                    m.reachSymbol = stale;
                    for (int r = 0; r < 3; r++)
                        m.reelTravel[r] = f.startTravel[r];
                    m.reelBoost[0] = bl;
                    m.reelBoost[1] = bm;
                    m.reelBoost[2] = br;
                    double w = drawShare(n, bl) * drawShare(n, bm) * drawShare(n, br);
                    MachineState c = m;
                    if (!reachCheck(c)) {
                        p += w * prizeShare(m, later);
                        continue;
                    }
                    // the set-up's fix-up: the right reel a cell on (even draw) or the left
                    MachineState right = m, left = m;
                    right.reelBoost[2] += 1;
                    left.reelBoost[0] += 1;
                    p += w * 0.5 * (prizeShare(right, later) + prizeShare(left, later));
                }
        return p;
    }
    for (int symbol = 1; symbol <= f.numberSymbols; symbol++)
        for (int line = 1; line <= 5; line++) {
            MachineState m = standingMachine(pos);
            m.drawOutcome = outcome;
            seedRandom(seedForDraws(f.numberSymbols, symbol - 1, 5, line - 1));
            setUpReels(m);
            p += drawShare(f.numberSymbols, symbol - 1) * drawShare(5, line - 1) * prizeShare(m, later);
        }
    return p;
}

// The chance that a spin drawn as a miss stops on a reach all the same
// (the fix-up's moved reel making another one), over its boosts and parity.
inline double unplannedReachShare(int pos)
{
    const FiveLineModel& f = kFiveLine;
    const int n = f.cells;
    double p = 0;
    for (int bl = 0; bl < n; bl++)
        for (int bm = 0; bm < n; bm++)
            for (int br = 0; br < n; br++) {
                MachineState m = standingMachine(pos);
                for (int r = 0; r < 3; r++)
                    m.reelTravel[r] = f.startTravel[r];
                m.reelBoost[0] = bl;
                m.reelBoost[1] = bm;
                m.reelBoost[2] = br;
                double w = drawShare(n, bl) * drawShare(n, bm) * drawShare(n, br);
                MachineState c = m;
                if (!reachCheck(c))
                    continue;
                MachineState right = m, left = m;
                right.reelBoost[2] += 1;
                left.reelBoost[0] += 1;
                p += w * 0.5 * ((reachCheck(right) ? 1 : 0) + (reachCheck(left) ? 1 : 0));
            }
    return p;
}

// Draw cases of one draw taken modulo mod.
inline std::vector<DrawCase> oneDrawCases(int mod)
{
    std::vector<DrawCase> cases;
    for (int r = 0; r < mod; r++)
        cases.push_back({seedForDraws(mod, r), drawShare(mod, r)});
    return cases;
}

} // namespace five_line_testing
