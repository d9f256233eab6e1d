// Machine No.1's spins played out step by step: the run and its stops, each
// reach action with its pauses and sounds, planned wins and losses on every
// symbol and line, and the reels' arithmetic at the strip's end.
#include <string>

#include "machines/five_line/tests/five_line_testing.h"
#include "no1.h"
#include "no1_lottery.h"

using namespace five_line_testing;

namespace {

// A spin of this outcome with the planned symbol and line (the set-up's
// first two draws forced), from the new-day positions.
MachineState plannedSpin(int outcome, int symbol, int line)
{
    MachineState m = standingMachine(312);
    m.drawOutcome = outcome;
    seedRandom(seedForDraws(6, symbol - 1, 5, line - 1));
    setUpReels(m);
    return m;
}

int middleRowSymbol(const MachineState& m, int line)
{
    return stripSymbol(kMiddleReel, shownCell(m, kMiddleReel, reachMiddleRow(line)));
}

} // namespace

TEST(No1Reels, PositionsWrapIntoOneTo336WithATrueModulo)
{
    EXPECT_EQ(normalisedPosition(0), 336);
    EXPECT_EQ(normalisedPosition(-4), 332);
    EXPECT_EQ(normalisedPosition(340), 4); // the slide-back passes the strip's end
    EXPECT_EQ(normalisedPosition(336), 336);
    EXPECT_EQ(normalisedPosition(-3360), 336);
    MachineState m = standingMachine(336);
    EXPECT_EQ(shownCell(m, kLeftReel, kTopRow), 0); // position 336 shows cell 0
    EXPECT_EQ(stripSymbol(kLeftReel, -1), 7);       // cell 13, not outside the strip
    EXPECT_EQ(stripSymbol(kRightReel, -14 * 5 + 2), 5);
    // cells to a symbol count down the strip; a symbol the strip lacks is 14
    m.reelPos[kLeftReel] = 24; // cell 1 at the top
    EXPECT_EQ(cellsToSymbol(m, kLeftReel, 1, kTopRow), 1);
    EXPECT_EQ(cellsToSymbol(m, kLeftReel, 5, kTopRow), 3); // cell 12
    EXPECT_EQ(cellsToSymbol(m, kLeftReel, 0, kTopRow), 14);
}

TEST(No1Reels, ReachAndWinChecksReadLinesInTheirOrder)
{
    MachineState m = standingMachine(336);
    // left 1 7 4 / right 1 9 5 (cells 0..2): the top row agrees
    EXPECT_TRUE(reachCheck(m));
    EXPECT_EQ(m.reachLine, 2);
    // left cells 0..2 (1 7 4), right cells 12, 13, 0 (4 9 1): top-left = bottom-right,
    // bottom-left = top-right: both diagonals
    m.reelPos[kRightReel] = 288;
    EXPECT_TRUE(reachCheck(m));
    EXPECT_EQ(m.reachLine, kLineBothDiagonals);
    EXPECT_FALSE(winCheck(m));
    EXPECT_EQ(m.reachSymbol, 0);
    m.reelPos[kMiddleReel] = 336 - 24; // middle cells 13, 0, 1: 1 in its middle row
    EXPECT_TRUE(winCheck(m));
    EXPECT_EQ(m.reachLine, 1);
    EXPECT_EQ(m.reachSymbol, 1);
    // blanks never make a reach
    m.reelPos[kLeftReel] = 3 * 24; // 7 7 2
    m.reelPos[kRightReel] = 3 * 24; // 9 9 3
    EXPECT_FALSE(reachCheck(m));
}

TEST(No1Spin, AMissStopsLeftRightMiddleAndSettlesFortyEightStepsLater)
{
    for (uint32_t seed = 1; seed < 40; seed++) {
        MachineState m = standingMachine(312);
        seedRandom(seed);
        setUpReels(m);
        if (reachCheck(m))
            continue; // the set-up's fix-up can make a reach; we want a plain miss
        SpinTrace t = runSpin(m);
        // 3024 in 118 steps of 24, 10 of 12, 9 of 8, then the 2-step bounce
        EXPECT_EQ(t.stopStep[kLeftReel], 139);
        EXPECT_EQ(t.stopStep[kRightReel], 167);
        EXPECT_EQ(t.stopStep[kMiddleReel], 195);
        EXPECT_EQ(t.steps, 195 + 48);
        EXPECT_EQ(t.reachStep, -1);
        EXPECT_EQ(t.stopSounds, 3);
        EXPECT_EQ(t.finalMode, 1);
        EXPECT_EQ(m.reachLine, 0);
        for (int r = 0; r < 3; r++)
            EXPECT_EQ(m.reelPos[r] % 24, 0) << "reel " << r << " stands on a cell";
        return;
    }
    FAIL() << "no plain miss among the seeds";
}

TEST(No1Spin, PlannedWinsEndOnTheirSymbolOnEveryLine)
{
    const int wins[] = {kReachWin, kSlowWin, kSlowSlideBackWin, kStopGoWin, kStopGoSlideBackWin};
    for (int outcome : wins)
        for (int symbol = 1; symbol <= 6; symbol++)
            for (int line = 1; line <= 5; line++) {
                MachineState m = plannedSpin(outcome, symbol, line);
                ASSERT_EQ(m.reachSymbol, symbol);
                ASSERT_EQ(m.reachLine, line);
                SpinTrace t = runSpin(m);
                EXPECT_EQ(t.finalMode, 3) << outcome << " " << symbol << " " << line;
                EXPECT_EQ(m.reachSymbol, symbol) << outcome << " " << symbol << " " << line;
                EXPECT_EQ(middleRowSymbol(m, line), symbol);
                EXPECT_GT(t.reachStep, 0);
            }
}

TEST(No1Spin, APlannedLosingReachNeverShowsItsSymbolInTheLinesMiddleRow)
{
    const int losses[] = {kReachLose, kSlowLose, kStopGoLose};
    for (int outcome : losses)
        for (int symbol = 1; symbol <= 6; symbol++)
            for (int line = 1; line <= 5; line++)
                for (int d = 0; d < 14; d++) {
                    MachineState m = plannedSpin(outcome, symbol, line), end;
                    runForced(m, seedForDraws(14, d), &end);
                    EXPECT_NE(middleRowSymbol(end, line), symbol) << outcome << " " << symbol << " " << line << " " << d;
                    if (outcome != kReachLose && d == 1)
                        break; // the actions draw one parity: two cases
                }
}

TEST(No1Spin, SlowCreepRunsFourPixelsAStepAfterItsTurn)
{
    MachineState m = plannedSpin(kSlowWin, 3, 3);
    int prev = -1, slowSteps = 0, turnSteps = 0;
    for (int guard = 0; guard < 3000 && m.mode == 2; guard++) {
        int pos = m.reelPos[kMiddleReel], phase = m.spinPhase, travel = m.reelTravel[kMiddleReel];
        m.modeTick += 1;
        m.soundRequest = 0;
        spinStep(m);
        if (phase == kPhaseReachTurn && travel > 0)
            turnSteps++;
        if (phase == kPhaseReachTurn && m.spinPhase == kPhaseSlow) {
            EXPECT_EQ(m.soundRequest, kSoundRequestStopAll); // the reach sound stops for the action
        }
        if (phase == kPhaseSlow && travel > 0) {
            EXPECT_EQ(normalisedPosition(pos - 4), m.reelPos[kMiddleReel]);
            slowSteps++;
        }
        prev = phase;
    }
    (void)prev;
    EXPECT_EQ(turnSteps, 336 / 4); // one creeping turn (the right reel stops on a cell boundary)
    EXPECT_GE(slowSteps, 336 / 4);
    EXPECT_EQ(m.mode, 3);
}

TEST(No1Spin, StopAndGoMovesSixPixelsFourStepsThenStandsFour)
{
    MachineState m = plannedSpin(kStopGoWin, 2, 4);
    std::string rhythm;
    for (int guard = 0; guard < 4000 && m.mode == 2; guard++) {
        int pos = m.reelPos[kMiddleReel], phase = m.spinPhase, travel = m.reelTravel[kMiddleReel];
        m.modeTick += 1;
        spinStep(m);
        if (phase == kPhaseStopGo && travel > 0 && rhythm.size() < 16)
            rhythm += pos == m.reelPos[kMiddleReel] ? '.' : (normalisedPosition(pos - 6) == m.reelPos[kMiddleReel] ? 'm' : '?');
    }
    EXPECT_EQ(rhythm, "mmmm....mmmm....");
    EXPECT_EQ(m.mode, 3);
    EXPECT_EQ(middleRowSymbol(m, 4), 2);
}

TEST(No1Spin, SlideBackStopsACellPastPausesAndSlidesBackWithItsSound)
{
    MachineState m = plannedSpin(kSlowSlideBackWin, 6, 5);
    int pauseSteps = 0, soundAt = 0, past = -1;
    for (int guard = 0; guard < 4000 && m.mode == 2; guard++) {
        int travel = m.reelTravel[kMiddleReel], pos = m.reelPos[kMiddleReel];
        m.modeTick += 1;
        m.soundRequest = 0;
        spinStep(m);
        if (m.spinPhase == kPhaseSlow && travel == -31)
            past = middleRowSymbol(m, 5); // standing a cell past the symbol
        if (m.spinPhase == kPhaseSlow && travel >= -30 && travel <= -9) {
            EXPECT_EQ(m.reelPos[kMiddleReel], pos);
            pauseSteps++;
        }
        if (m.soundRequest == kWaveReelStop)
            soundAt = travel;
    }
    EXPECT_NE(past, 6);
    EXPECT_EQ(pauseSteps, 22);
    EXPECT_EQ(soundAt, -3);
    EXPECT_EQ(m.mode, 3);
    EXPECT_EQ(middleRowSymbol(m, 5), 6);
    EXPECT_EQ(m.reelPos[kMiddleReel] % 24, 0);
}

TEST(No1Spin, DamagedSpinWordsStillEnd)
{
    // a middle reel standing while it should run, in every phase
    for (int phase = 0; phase <= 4; phase++)
        for (int outcome = 0; outcome <= 8; outcome++) {
            MachineState m = standingMachine(312);
            m.spinPhase = phase;
            m.drawOutcome = outcome;
            m.reelTravel[kMiddleReel] = 0;
            m.reachLine = 3;
            m.reachSymbol = 2;
            SpinTrace t = runSpin(m, 5000);
            EXPECT_NE(t.finalMode, 2) << phase << " " << outcome;
        }
    // a phase beyond the rules, and a travel that is no multiple of the step
    MachineState m = standingMachine(312);
    m.spinPhase = 9;
    EXPECT_NE(runSpin(m, 100).finalMode, 2);
    m = standingMachine(312);
    m.spinPhase = kPhaseStopGo;
    m.drawOutcome = kStopGoWin;
    m.reelTravel[kMiddleReel] = 7;
    EXPECT_NE(runSpin(m, 1000).finalMode, 2);
}
