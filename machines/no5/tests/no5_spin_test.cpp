// Machine No.5's spin: each outcome's phases and stops (the creep, the fast
// spin of eight turns, the revival that stops, waits and spins once more),
// the slow middle, and the resets.
#include <cmath>
#include <set>

#include "machines/no5/no5.h"
#include "machines/one_line/tests/one_line_fixture.h"

namespace {

void setUp5(MachineState& m, int outcome)
{
    m.creepRest = 0;
    no5SetUpSpin(m, outcome);
}

// The spin of `outcome` without the slow middle (which the set-up draws one
// spin in two): travel and creep as if the draw had failed.
void setUp5Plain(MachineState& m, int outcome)
{
    setUp5(m, outcome);
    if (m.creepRest > 0) {
        m.reelTravel[kReelMiddle] += m.creepRest;
        m.reelTravel[kReelRight] -= kOneLine.turnPixels;
        m.creepRest = 0;
    }
}

MachineState machineFor(uint32_t seed)
{
    MachineState m = freshMachine(seed);
    m.luckReserve = 30;
    return m;
}

struct OutcomeCase {
    int outcome;
    std::vector<int> phases;
    bool won;
    std::set<int> offsets; // cells from the reach symbol to the right reel's stop
};

TEST(No5Spin, EachOutcomePlaysItsPhasesToItsStop)
{
    const std::set<int> off = {8, 9, 10, 11, 12, 13, 14};
    const OutcomeCase cases[] = {
        {kNo5NothingPlanned, {kNo5Running, kNo5Settle}, false, {}},
        {kNo5CreepLose, {kNo5Running, kNo5Creep, kNo5Settle}, false, off},
        {kNo5FastLose, {kNo5Running, kNo5Creep, kNo5FastSpin, kNo5Settle}, false, {1, 14}},
        {kNo5FastWin, {kNo5Running, kNo5Creep, kNo5FastSpin, kNo5Settle}, true, {0}},
        {kNo5RevivalLose, {kNo5Running, kNo5Creep, kNo5Revival, kNo5Settle}, false, off},
        {kNo5RevivalWin, {kNo5Running, kNo5Creep, kNo5Revival, kNo5Settle}, true, {0}},
    };
    for (const OutcomeCase& c : cases) {
        std::set<int> offsets;
        for (int trial = 0; trial < 60; trial++) {
            MachineState m = machineFor(3000 + 100 * c.outcome + trial);
            startPlannedSpin(m, c.outcome, setUp5, trial % 3);
            SpinRun run = runSpin(m);
            ASSERT_EQ(run.phases, c.phases) << "outcome " << c.outcome << " trial " << trial;
            EXPECT_EQ(run.won, c.won) << "outcome " << c.outcome << " trial " << trial;
            EXPECT_TRUE(run.positionsInRange) << "outcome " << c.outcome;
            EXPECT_TRUE(run.reachSetUpUntouched) << "outcome " << c.outcome;
            EXPECT_EQ(m.creepRest, 0);
            if (c.outcome == kNo5NothingPlanned) {
                EXPECT_NE(run.shown[0], run.shown[1]);
                continue;
            }
            EXPECT_EQ(run.shown[0], m.reachSymbol);
            EXPECT_EQ(run.shown[1], m.reachSymbol);
            offsets.insert(cellDifference(symbolCell(m.reachSymbol), symbolCell(run.shown[2])));
        }
        if (c.outcome != kNo5NothingPlanned) {
            EXPECT_EQ(offsets, c.offsets) << "outcome " << c.outcome;
        }
    }
}

// The right reel's moves, a step each, from the performance's start.
struct RightRun {
    std::vector<int> moved, phase;
    std::vector<int> sounds;
    int firstStopSymbol = 0;
};

RightRun rightRun(MachineState& m)
{
    while (m.spinPhase == kNo5Running)
        stepOffBeat(m);
    RightRun r;
    while (m.mode == 2) {
        int before = m.reelPos[kReelRight], phase = m.spinPhase;
        m.soundRequest = 0;
        stepOffBeat(m);
        r.moved.push_back((before - m.reelPos[kReelRight] + 630) % 630);
        r.phase.push_back(phase);
        r.sounds.push_back(m.soundRequest);
        if (phase == kNo5Revival && m.creepRest == 0 && m.reelTravel[kReelRight] == -1 && !r.firstStopSymbol)
            r.firstStopSymbol = shownSymbol(m, kReelRight);
    }
    return r;
}

TEST(No5Spin, TheFastSpinRunsEightTurnsAfterTheCreepThenStands)
{
    MachineState m = machineFor(60);
    startPlannedSpin(m, kNo5FastWin, setUp5Plain);
    RightRun r = rightRun(m);
    int crept = 0, fast = 0, stood = 0;
    for (size_t i = 0; i < r.moved.size(); i++) {
        if (r.phase[i] == kNo5Creep) {
            EXPECT_LE(r.moved[i], 6);
            crept += r.moved[i];
        } else if (r.phase[i] == kNo5FastSpin) {
            EXPECT_LE(r.moved[i], 21);
            fast += r.moved[i];
            stood += r.moved[i] == 0;
        }
    }
    EXPECT_TRUE(crept >= 7 * 42 && crept <= 14 * 42) << crept; // 7 to 14 cells
    EXPECT_TRUE(fast >= 5040 && fast < 5040 + 2 * 630) << fast; // eight turns, then on to the symbol
    EXPECT_GE(stood, 128);                                     // then it stands
    EXPECT_TRUE(m.mode == 3);
}

TEST(No5Spin, TheRevivalStopsOffTheSymbolWaitsAndSpinsOnceMore)
{
    for (int outcome : {kNo5RevivalLose, kNo5RevivalWin}) {
        for (int trial = 0; trial < 10; trial++) {
            MachineState m = machineFor(61 + 10 * outcome + trial);
            startPlannedSpin(m, outcome, setUp5Plain);
            RightRun r = rightRun(m);
            EXPECT_NE(r.firstStopSymbol, 0);
            EXPECT_NE(r.firstStopSymbol, m.reachSymbol) << "both stop off the symbol first";
            // the wait: 64 steps standing, the cue on the 63rd
            size_t i = 0;
            while (i < r.moved.size() && !(r.phase[i] == kNo5Revival && r.sounds[i] == 702))
                i++;
            ASSERT_LT(i, r.moved.size());
            size_t wait = 0;
            while (i + 1 + wait < r.moved.size() && r.moved[i + 1 + wait] == 0)
                wait++;
            EXPECT_EQ(wait, 64u);
            EXPECT_EQ(r.sounds[i + 63], 709);
            int revival = 0;
            for (size_t k = i + 1 + wait; k < r.moved.size(); k++)
                revival += r.moved[k];
            EXPECT_GE(revival, 15 * 42); // at least a turn
            EXPECT_EQ(m.mode == 3, outcome == kNo5RevivalWin);
        }
    }
}

TEST(No5Spin, ASlowMiddleCreepsItsLastFiveCellsAndSoundsOnlyThen)
{
    MachineState m = machineFor(62);
    startPlannedSpin(m, kNo5CreepLose, setUp5Plain);
    m.reelTravel[kReelMiddle] -= kSlowMiddlePixels; // the slow middle, as the set-up draws it
    m.reelTravel[kReelRight] += kOneLine.turnPixels;
    m.creepRest = kSlowMiddlePixels;
    int stopAt = -1, soundAt = -1, step = 0, creepSteps = 0;
    while (m.spinPhase == kNo5Running && step < 2000) {
        m.soundRequest = 0;
        int before = m.reelPos[kReelMiddle];
        stepOffBeat(m);
        step++;
        if (m.reelTravel[kReelMiddle] == -1 && stopAt < 0)
            stopAt = step;
        if (stopAt >= 0 && step > stopAt && m.reelTravel[kReelMiddle] == -1 && before != m.reelPos[kReelMiddle]) {
            EXPECT_LE(before - m.reelPos[kReelMiddle] + (before < m.reelPos[kReelMiddle] ? 630 : 0), 6);
            creepSteps++;
        }
        if (m.soundRequest == 703 && soundAt < 0)
            soundAt = step;
    }
    EXPECT_EQ(creepSteps, kSlowMiddlePixels / 6);
    EXPECT_EQ(soundAt, stopAt + kSlowMiddlePixels / 6); // the reach sound as the creep ends
    EXPECT_EQ(m.spinPhase, kNo5Creep);
    EXPECT_EQ(shownSymbol(m, kReelMiddle), m.reachSymbol);
}

TEST(No5Spin, TheSlowMiddleComesOneSpinInTwoOnAReachAndOneInThirtyTwoElse)
{
    // the slow middle's draw is the last of the set-up: oneIn(2) a single
    // draw (exactly 1/2), oneIn(32) a coin pair and a draw % 16 (1 in 32.003,
    // docs/random.md); 40,000 set-ups each, within 5 binomial sd
    MachineState m = machineFor(64);
    const int n = 40000;
    for (int outcome : {kNo5NothingPlanned, kNo5CreepLose}) {
        int slow = 0;
        for (int k = 0; k < n; k++) {
            m.heldStarts = 0;
            setSpinTravel(m);
            setUp5(m, outcome);
            slow += m.creepRest == kSlowMiddlePixels;
        }
        double p = outcome == kNo5NothingPlanned ? 1 / 32.003 : 0.5;
        EXPECT_NEAR(double(slow) / n, p, 5 * std::sqrt(p * (1 - p) / n)) << outcome;
    }
}

TEST(No5Spin, AnOutcomeZeroNeverShowsAReach)
{
    seedRandom(65);
    for (int trial = 0; trial < 20000; trial++) {
        MachineState m = idleMachine();
        for (int32_t& p : m.reelPos)
            p = wrapPosition(int64_t(randomNext() % 15) * 42);
        m.heldStarts = trial % 3;
        setSpinTravel(m);
        setUp5(m, kNo5NothingPlanned);
        m.reelTravel[kReelMiddle] += m.creepRest; // a slow middle creeps the rest of its way
        ASSERT_NE(comingSymbol(m, kReelLeft), comingSymbol(m, kReelMiddle)) << trial;
    }
}

TEST(No5Reset, EachKindPutsTheReelsAndTheDigitWhereItSays)
{
    MachineState m = machineFor(66);
    auto dirtyUp = [&] {
        m.creepRest = 100;
        m.spare = 9;
        m.chanceCount = 2;
        m.digitStarts = 3;
        m.digitTick = 40;
        m.digitGate = 1;
        m.reachSymbol = 4;
        m.drawOutcome = 3;
        m.spinPhase = 2;
        m.reelTravel[1] = 700;
    };
    dirtyUp();
    resetMachineRecord(m, kResetVacate);
    EXPECT_EQ(m.chanceCount, 2); // kind 2 keeps the machine as it is
    EXPECT_EQ(m.digitTick, 40);
    for (int kind : {kResetNew, kResetNewDay, kResetClear}) {
        dirtyUp();
        resetMachineRecord(m, kind);
        EXPECT_EQ(m.creepRest + m.spare + m.chanceCount + m.digitStarts + m.digitGate, 0) << kind;
        EXPECT_EQ(m.reachSymbol + m.drawOutcome + m.spinPhase + m.reelTravel[1], 0) << kind;
        EXPECT_EQ(m.digitTick, kDigitIdle) << kind;
        if (kind == kResetClear) {
            EXPECT_TRUE(m.digitShown >= 0 && m.digitShown <= 9);
            EXPECT_FALSE(shownSymbol(m, 0) == shownSymbol(m, 1) && shownSymbol(m, 1) == shownSymbol(m, 2));
        } else {
            EXPECT_EQ(m.digitShown, 7);
            for (int32_t p : m.reelPos)
                EXPECT_EQ(p, 294);
        }
        for (int32_t p : m.reelPos)
            EXPECT_TRUE(positionInRange(p));
    }
}

} // namespace
