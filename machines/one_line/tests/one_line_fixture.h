// What the one-line tests share: a fresh machine, a step off the launch
// beat, and a spin run to its end with the phases it went through.
#pragma once
#include <cstring>
#include <vector>

#include "hall_fixture.h"
#include "machines/one_line/one_line.h"

// A new vacant machine from a seed, with no balls (so nothing is launched).
inline MachineState freshMachine(uint32_t seed)
{
    seedRandom(seed);
    MachineState m = idleMachine();
    resetMachineRecord(m, kResetNew);
    return m;
}

// One machine step off the launch beat.
inline void stepOffBeat(MachineState& m)
{
    animClock = AnimClock{};
    animClock.count512 = 256;
    machineStep(m);
}

inline bool positionInRange(int32_t p)
{
    return p >= kOneLine.positionFloor && p < kOneLine.positionFloor + kOneLine.turnPixels;
}

struct SpinRun {
    std::vector<int> phases; // the phases of mode 2, in the order entered
    int steps = 0;
    bool won = false;
    bool positionsInRange = true;
    int shown[3] = {};
    bool reachSetUpUntouched = true; // the right reel stood as the reach set-up left it (a cell, whole cells to go)
    std::vector<int> sounds;       // the requests left after each step (0 dropped)
};

// Runs a spin already in mode 2 until it ends (or `limit` steps).
inline SpinRun runSpin(MachineState& m, int limit = 5000)
{
    SpinRun r;
    r.phases.push_back(m.spinPhase);
    while (m.mode == 2 && r.steps < limit) {
        int phase = m.spinPhase;
        m.soundRequest = 0;
        stepOffBeat(m);
        r.steps++;
        if (m.soundRequest != 0)
            r.sounds.push_back(m.soundRequest);
        for (int32_t p : m.reelPos)
            r.positionsInRange = r.positionsInRange && positionInRange(p);
        if (m.mode == 2 && m.spinPhase != phase) {
            r.phases.push_back(m.spinPhase);
            if (phase == 0 && m.reelTravel[kReelRight] > 0) // a reach performance was set up
                r.reachSetUpUntouched = onCellBoundary(m.reelPos[kReelRight])
                                        && m.reelTravel[kReelRight] % kOneLine.cellPixels == 0;
        }
    }
    r.won = m.mode == 3;
    for (int k = 0; k < kOneLineReels; k++)
        r.shown[k] = shownSymbol(m, k);
    return r;
}

// A spin started as the engine starts one, with the model's set-up for a
// given outcome instead of the lottery.
template <class SetUp>
void startPlannedSpin(MachineState& m, int outcome, SetUp setUp, int heldAfter = 0)
{
    m.heldStarts = heldAfter;
    setSpinTravel(m);
    setUp(m, outcome);
    m.mode = 2;
    m.modeTick = 0;
    m.spinPhase = 0;
}
