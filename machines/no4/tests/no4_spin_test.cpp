// Machine No.4's spin: the travel by held starts, the sudden stops with their
// flash, the two reach performances from start to stop, the flash's decay,
// and the resets.
#include <set>

#include "hallcore/machine/math_util.h"
#include "machines/no4/no4.h"
#include "machines/one_line/tests/one_line_fixture.h"

namespace {

void setUp4(MachineState& m, int outcome)
{
    no4SetUpSpin(m, outcome);
}

MachineState machineFor(uint32_t seed)
{
    MachineState m = freshMachine(seed);
    m.luckReserve = 30;
    return m;
}

TEST(No4Spin, AtMostOneHeldStartLeftGivesTheLongTravel)
{
    const int expected[5][3] = {{2400, 3000, 3600}, {2400, 3000, 3600}, {2400, 3000, 3600},
                                {600, 1200, 1800},  {600, 1200, 1800}};
    for (int held = 0; held <= 4; held++) {
        MachineState m = machineFor(10 + held);
        m.heldStarts = held;
        if (held == 0)
            m.heldStarts = 1; // the start taken leaves none
        startSpin(m);
        for (int r = 0; r < 3; r++)
            EXPECT_EQ(m.reelTravel[r], expected[held][r]) << held << " held before, reel " << r;
        for (int32_t e : m.reelEffect)
            EXPECT_EQ(e, -36); // the reels start after the flash
        EXPECT_EQ(m.mode, 2);
    }
}

// A left reel four cells (160 pixels) before its stop, showing `coming` then.
MachineState leftReelComingTo(int coming)
{
    MachineState m = machineFor(20);
    m.mode = 2;
    m.reelPos[kReelLeft] = wrapPosition(int64_t(symbolCell(coming) + 5) * 40); // 5 cells to go: 200 pixels
    m.reelTravel[kReelLeft] = 200;
    m.reelTravel[kReelMiddle] = 3000;
    m.reelTravel[kReelRight] = 3600;
    m.reelPos[kReelMiddle] = m.reelPos[kReelRight] = 600;
    return m;
}

TEST(No4Spin, ALeftReelComingToFourOrEightJumpsOntoItWithAFlash)
{
    for (int coming : {4, 8, 5}) {
        MachineState m = leftReelComingTo(coming);
        ASSERT_EQ(comingSymbol(m, kReelLeft), coming);
        stepOffBeat(m); // 180 to go
        EXPECT_EQ(m.reelTravel[kReelLeft], 180);
        stepOffBeat(m); // 160: four cells early
        if (coming == 5) {
            EXPECT_EQ(m.reelTravel[kReelLeft], 160) << "an ordinary symbol runs on";
            continue;
        }
        EXPECT_EQ(m.reelPos[kReelLeft], coming == 4 ? 440 : 280);
        EXPECT_EQ(m.reelTravel[kReelLeft], -1);
        EXPECT_EQ(m.reelEffect[kReelLeft], 36);
        int steps = 0;
        while (m.reelTravel[kReelLeft] != 0 && steps < 100) {
            stepOffBeat(m);
            steps++;
        }
        EXPECT_EQ(steps, 18); // the flash dies two frames a step; the reel stops as it ends
        EXPECT_EQ(shownSymbol(m, kReelLeft), coming);
    }
}

TEST(No4Spin, AMiddleReelCompletingAReachTakesTheLeftReelsPlace)
{
    MachineState m = machineFor(21);
    m.mode = 2;
    m.reelPos[kReelLeft] = wrapPosition(int64_t(symbolCell(6)) * 40); // the left stands on 6
    m.reelPos[kReelMiddle] = wrapPosition(int64_t(symbolCell(6) + 5) * 40);
    m.reelTravel[kReelMiddle] = 200;
    m.reelTravel[kReelRight] = 3600;
    m.reelPos[kReelRight] = 600;
    m.drawOutcome = kNo4CreepLose;
    m.reachSymbol = 6;
    stepOffBeat(m);
    stepOffBeat(m);
    EXPECT_EQ(m.reelPos[kReelMiddle], m.reelPos[kReelLeft]);
    EXPECT_EQ(m.reelEffect[kReelMiddle], 36);
    EXPECT_EQ(m.reelTravel[kReelMiddle], -1);
    // the reach performance starts once it has flashed and stopped
    int steps = 0;
    while (m.spinPhase == kNo4Running && steps < 100) {
        stepOffBeat(m);
        steps++;
    }
    EXPECT_EQ(m.spinPhase, kNo4Creep);
}

struct OutcomeCase {
    int outcome;
    std::vector<int> phases;
    bool won;
};

TEST(No4Spin, EachOutcomePlaysItsPerformanceToItsStop)
{
    const OutcomeCase cases[] = {
        {kNo4NothingPlanned, {kNo4Running, kNo4Settle}, false},
        {kNo4CreepLose, {kNo4Running, kNo4Creep, kNo4Settle}, false},
        {kNo4CreepWin, {kNo4Running, kNo4Creep, kNo4Settle}, true},
        {kNo4ActionLose, {kNo4Running, kNo4Action, kNo4Settle}, false},
        {kNo4ActionWin, {kNo4Running, kNo4Action, kNo4Settle}, true},
    };
    for (const OutcomeCase& c : cases) {
        std::set<int> offsets;
        for (int trial = 0; trial < 60; trial++) {
            MachineState m = machineFor(1000 + 100 * c.outcome + trial);
            startPlannedSpin(m, c.outcome, setUp4, trial % 3); // long and short travel
            SpinRun run = runSpin(m);
            ASSERT_EQ(run.phases, c.phases) << "outcome " << c.outcome << " trial " << trial;
            EXPECT_EQ(run.won, c.won) << "outcome " << c.outcome << " trial " << trial;
            EXPECT_TRUE(run.positionsInRange) << "outcome " << c.outcome;
            EXPECT_TRUE(run.reachSetUpUntouched) << "outcome " << c.outcome;
            if (c.outcome == kNo4NothingPlanned) {
                EXPECT_NE(run.shown[0], run.shown[1]); // no reach
                continue;
            }
            EXPECT_EQ(run.shown[0], m.reachSymbol);
            EXPECT_EQ(run.shown[1], m.reachSymbol);
            int off = cellDifference(symbolCell(m.reachSymbol), symbolCell(run.shown[2]));
            offsets.insert(off);
            EXPECT_GE(m.reelBoost[kReelRight], 0);
            for (int32_t e : m.reelEffect)
                EXPECT_TRUE(e >= -36 && e <= 36);
        }
        if (c.outcome == kNo4CreepLose) { // 8 to 14 cells on: never the symbol
            EXPECT_EQ(offsets, (std::set<int>{8, 9, 10, 11, 12, 13, 14}));
        } else if (c.outcome == kNo4ActionLose) { // one cell past or one before
            EXPECT_EQ(offsets, (std::set<int>{1, 14}));
        } else if (c.won) {
            EXPECT_EQ(offsets, (std::set<int>{0}));
        }
    }
}

// Steps a spin until its performance begins; the right reel's path from
// there is recorded, a position a step.
std::vector<int32_t> performancePath(MachineState& m, std::vector<int32_t>* effects = nullptr, int* k = nullptr)
{
    while (m.spinPhase == kNo4Running)
        stepOffBeat(m);
    if (k) // cells from the right reel's start to the left reel's
        *k = cellDifference(positionCell(m.reelPos[kReelRight]), positionCell(m.reelPos[kReelLeft]));
    std::vector<int32_t> path;
    while (m.mode == 2 && m.spinPhase != kNo4Settle) {
        stepOffBeat(m);
        path.push_back(m.reelPos[kReelRight]);
        if (effects)
            effects->push_back(m.reelEffect[kReelRight]);
    }
    return path;
}

TEST(No4Spin, TheCreepPausesEightStepsOnTheLeftReelsCellAndTheTwoBefore)
{
    MachineState m = machineFor(50);
    startPlannedSpin(m, kNo4CreepWin, setUp4);
    int k = 0;
    std::vector<int32_t> path = performancePath(m, nullptr, &k);
    const int left = positionCell(m.reelPos[kReelLeft]);
    std::vector<int> pauses; // cell difference of each standstill
    for (size_t i = 0; i < path.size();) {
        size_t j = i;
        while (j + 1 < path.size() && path[j + 1] == path[i])
            j++;
        if (j > i) {
            EXPECT_EQ(j - i, 8u) << "a pause of " << j - i << " steps";
            pauses.push_back(cellDifference(positionCell(path[i]), left));
        }
        i = j + 1;
    }
    // the first pass pauses on the cells of 2, 1 and 0 it lands on, the
    // second (after a turn) on 2 and 1, and stops on the symbol
    std::vector<int> expected;
    for (int d : {2, 1, 0})
        if (d < k)
            expected.push_back(d);
    expected.push_back(2);
    expected.push_back(1);
    EXPECT_EQ(pauses, expected) << "k " << k;
}

TEST(No4Spin, TheActionShakesInLongPausesAndJumpsACellAfterEach)
{
    MachineState m = machineFor(51);
    startPlannedSpin(m, kNo4ActionWin, setUp4);
    std::vector<int32_t> effects;
    std::vector<int32_t> path = performancePath(m, &effects);
    const int left = positionCell(m.reelPos[kReelLeft]);
    std::vector<int> pauseCells;
    bool jumped = false;
    for (size_t i = 1; i < path.size(); i++) {
        int moved = wrapIndex(path[i - 1] - path[i], 600);
        EXPECT_TRUE(moved == 0 || moved == 8 || moved == 40) << "moved " << moved;
        jumped = jumped || moved == 40;
        if (effects[i] == 36 && effects[i - 1] != 36)
            pauseCells.push_back(cellDifference(positionCell(path[i]), left));
    }
    EXPECT_TRUE(jumped);
    // shakes on each cell from two before the left reel's to one past it, on both passes
    for (int d : pauseCells)
        EXPECT_TRUE(d <= 2 || d == 14) << d;
    EXPECT_GE(pauseCells.size(), 4u);
    EXPECT_EQ(pauseCells.back(), 0); // the last shake is on the symbol, where it ends
    EXPECT_EQ(m.reelEffect[kReelRight], 0);
}

TEST(No4Spin, TheFlashStepsTowardsZeroWithoutPassingIt)
{
    MachineState m = machineFor(52);
    m.mode = 2; // running: two frames a step
    m.spinPhase = kNo4Running;
    m.reelTravel[0] = m.reelTravel[1] = m.reelTravel[2] = 3000;
    m.reelEffect[0] = 35;
    m.reelEffect[1] = -35;
    m.reelEffect[2] = 70; // written by the screen beyond the picture's frames
    modelAfterModeTick(m);
    EXPECT_EQ(m.reelEffect[0], 33);
    EXPECT_EQ(m.reelEffect[1], -33);
    EXPECT_EQ(m.reelEffect[2], 34);
    for (int k = 0; k < 20; k++)
        modelAfterModeTick(m);
    EXPECT_EQ(m.reelEffect[0], 0); // an odd value stops at 0
    EXPECT_EQ(m.reelEffect[1], 0);
    m.mode = 3; // the big prize: one frame a step
    m.reelEffect[0] = -36;
    modelAfterModeTick(m);
    EXPECT_EQ(m.reelEffect[0], -35);
}

TEST(No4Spin, AnOutcomeZeroNeverShowsAReach)
{
    // outcome 0's boosts move one reel on by one cell when the left and
    // middle would agree, so they never do: no unplanned reach
    seedRandom(53);
    for (int trial = 0; trial < 20000; trial++) {
        MachineState m = idleMachine();
        for (int32_t& p : m.reelPos)
            p = wrapPosition(int64_t(randomNext() % 15) * 40);
        m.heldStarts = trial % 3;
        setSpinTravel(m);
        no4SetUpSpin(m, kNo4NothingPlanned);
        ASSERT_NE(comingSymbol(m, kReelLeft), comingSymbol(m, kReelMiddle)) << trial;
    }
}

TEST(No4Spin, AReachFoundAtTheMiddlesStopBecomesACreepAndAWinBooksItsSymbol)
{
    // a record read mid-spin whose middle stops on the left's symbol with
    // nothing planned: a creep that loses, aimed off the old reach symbol,
    // which may be the one showing: then the big prize books what showed
    int wins = 0;
    for (int trial = 0; trial < 300; trial++) {
        MachineState m = machineFor(2000 + trial);
        m.mode = 2;
        m.drawOutcome = kNo4NothingPlanned;
        m.reachSymbol = trial % 16; // 0 after a reset
        int s = 1 + trial % 15;
        m.reelPos[kReelLeft] = m.reelPos[kReelMiddle] = wrapPosition(int64_t(symbolCell(s)) * 40);
        m.reelTravel[kReelMiddle] = -1;
        m.reelPos[kReelRight] = wrapPosition(int64_t(trial % 15) * 40);
        m.reelTravel[kReelRight] = 1000;
        SpinRun run = runSpin(m);
        EXPECT_EQ(run.phases, (std::vector<int>{kNo4Running, kNo4Creep, kNo4Settle}));
        if (run.won) {
            wins++;
            EXPECT_EQ(m.reachSymbol, s);
        }
    }
    EXPECT_GT(wins, 0);
    EXPECT_LT(wins, 60);
}

TEST(No4Reset, EachKindPutsTheReelsAndWingsWhereItSays)
{
    MachineState m = machineFor(60);
    m.chanceCount = 2;
    m.wingsOpen = 1;
    m.wingDrawState = 7;
    m.wingDrawStarts = 3;
    m.reelEffect[1] = 20;
    resetMachineRecord(m, kResetVacate); // kind 2 keeps the machine as it is
    EXPECT_EQ(m.chanceCount, 2);
    EXPECT_EQ(m.wingsOpen, 1);

    for (int kind : {kResetNew, kResetNewDay, kResetClear}) {
        m.chanceCount = 2;
        m.wingsOpen = 1;
        m.wingDrawState = 7;
        m.wingDrawStarts = 3;
        m.reelEffect[1] = 20;
        m.reelTravel[2] = 500;
        resetMachineRecord(m, kind);
        EXPECT_EQ(m.wingsOpen, 0) << kind;
        EXPECT_EQ(m.wingDrawState, kWingsMiss) << kind;
        EXPECT_EQ(m.wingDrawStarts, 0) << kind;
        EXPECT_EQ(m.chanceCount, 0) << kind;
        EXPECT_EQ(m.reelEffect[1] + m.reelTravel[2] + m.reachSymbol, 0) << kind;
        for (int32_t p : m.reelPos) {
            EXPECT_TRUE(positionInRange(p)) << kind;
            EXPECT_TRUE(onCellBoundary(p)) << kind;
        }
        EXPECT_FALSE(shownSymbol(m, 0) == shownSymbol(m, 1) && shownSymbol(m, 1) == shownSymbol(m, 2));
        if (kind != kResetClear) { // 120, 40 and 0, which is kept at the strip's end
            EXPECT_EQ(m.reelPos[0], 120);
            EXPECT_EQ(m.reelPos[1], 40);
            EXPECT_EQ(m.reelPos[2], 600);
        }
        if (kind == kResetNew) {
            EXPECT_TRUE(m.luckReserve >= 16 && m.luckReserve < 48);
        }
    }
    // kind 3 puts the reels on random cells, three of a kind never standing
    std::set<int> cells;
    for (int k = 0; k < 300; k++) {
        resetMachineRecord(m, kResetClear);
        cells.insert(positionCell(m.reelPos[k % 3]));
        EXPECT_FALSE(shownSymbol(m, 0) == shownSymbol(m, 1) && shownSymbol(m, 1) == shownSymbol(m, 2));
    }
    EXPECT_EQ(cells.size(), 15u);
}

} // namespace
