// What the one-line tests share: a fresh machine, a step off the launch
// beat, a spin run to its end with the phases it went through, a point of
// the lower board's paths, and damaged records played on.
#pragma once
#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "hall_fixture.h"
#include "hallcore/machine/ball_flight.h"
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

// The step of a lower-board path whose point is p, and the path; false when
// no lower-board path passes there.
template <class Point>
bool findLowerBoardPoint(Point p, int& path, int& step)
{
    for (path = 128; path <= 191; path++)
        for (step = 0; step < 31 && !isPathEnd(path, step); step++)
            if (modelPathEntry(path, step)[0] == p.x && modelPathEntry(path, step)[1] == p.y)
                return true;
    return false;
}

// Records with the words of a spin, a big prize and the model's own lottery
// set at random within what the load accepts: `damage(m, any)` sets them on
// a fresh machine from `firstSeed` + trial, drawing each with any(lo, hi)
// from a generator seeded with `rngSeed`. Forty of those the load accepts
// are each played 100,000 steps: each must come back to idle play, with its
// reels in range, and never stand in one mode longer than the rules allow;
// `after(m, trial)` checks the model's own at the end.
template <class Damage, class After>
void expectAcceptedDamagePlaysOn(uint32_t rngSeed, uint32_t firstSeed, Damage damage, After after)
{
    std::mt19937 rng(rngSeed);
    auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int run = 0;
    for (int trial = 0; run < 40 && trial < 4000; trial++) {
        MachineState m = freshMachine(firstSeed + trial);
        damage(m, any);
        if (!modelRecordIsValid(m))
            continue;
        run++;
        long longest = 0, same = 0, idle = 0;
        int mode = m.mode;
        for (long step = 0; step < 100000; step++) {
            stepOffBeat(m);
            same = m.mode == mode ? same + 1 : 0;
            mode = m.mode;
            if (m.mode >= 2)
                longest = std::max(longest, same);
            idle += m.mode <= 1;
            for (int32_t p : m.reelPos)
                ASSERT_TRUE(positionInRange(p)) << "trial " << trial;
        }
        EXPECT_GT(idle, 0) << "trial " << trial;
        EXPECT_LT(longest, 17 * 1000 + 400) << "trial " << trial;
        after(m, trial);
    }
    EXPECT_EQ(run, 40);
}
