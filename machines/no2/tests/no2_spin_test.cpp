// Machine No.2's spins played out step by step: the run and its stops, the
// reach turn and each action (slide-back, slide-forward, revival) with its
// pauses and sounds, planned wins on every symbol and line, losing reaches
// that never win on their line, the reels at the top of their range.
#include "hallcore/machine/math_util.h"
#include "machines/five_line/tests/five_line_testing.h"
#include "no2.h"
#include "no2_later_draws.h"
#include "no2_lottery.h"

using namespace five_line_testing;

namespace {

MachineState plannedSpin(int outcome, int symbol, int line)
{
    MachineState m = standingMachine(480);
    m.drawOutcome = outcome;
    seedRandom(seedForDraws(8, symbol - 1, 5, line - 1));
    setUpReels(m);
    return m;
}

int middleRowSymbol(const MachineState& m, int line)
{
    return stripSymbol(kMiddleReel, shownCell(m, kMiddleReel, reachMiddleRow(line)));
}

} // namespace

TEST(No2Reels, PositionsWrapInto25To528BothWays)
{
    EXPECT_EQ(normalisedPosition(24), 528);
    EXPECT_EQ(normalisedPosition(0), 504);
    EXPECT_EQ(normalisedPosition(529), 25);
    EXPECT_EQ(normalisedPosition(532), 28); // a slide past the top of the range
    EXPECT_EQ(normalisedPosition(-504 * 3 + 100), 100);
    MachineState m = standingMachine(528);
    EXPECT_EQ(shownCell(m, kLeftReel, kTopRow), 1);
    EXPECT_EQ(shownCell(m, kLeftReel, kBottomRow), 3);
    // the stop cells count the travel and boost still to run
    m.reelTravel[kLeftReel] = 3528 + 48; // whole turns and two cells
    m.reelBoost[kLeftReel] = 1;
    EXPECT_EQ(stopCell(m, kLeftReel, kTopRow), wrapIndex(1 - 3, 21));
    EXPECT_EQ(stripSymbol(kRightReel, -2), 6);
}

TEST(No2Spin, AMissStopsLeftRightMiddleAndSettlesFortyEightStepsLater)
{
    for (uint32_t seed = 1; seed < 60; seed++) {
        MachineState m = standingMachine(480);
        seedRandom(seed);
        setUpReels(m);
        if (reachCheck(m))
            continue;
        SpinTrace t = runSpin(m);
        EXPECT_EQ(t.stopStep[kLeftReel], 160);
        EXPECT_EQ(t.stopStep[kRightReel], 202);
        EXPECT_EQ(t.stopStep[kMiddleReel], 244);
        EXPECT_EQ(t.steps, 244 + 48);
        EXPECT_EQ(t.reachStep, -1);
        EXPECT_EQ(t.finalMode, 1);
        for (int r = 0; r < 3; r++) {
            EXPECT_EQ(m.reelPos[r] % 24, 0);
            EXPECT_GE(m.reelPos[r], 25);
            EXPECT_LE(m.reelPos[r], 528);
        }
        return;
    }
    FAIL() << "no plain miss among the seeds";
}

TEST(No2Spin, PlannedWinsEndOnTheirSymbolOnEveryLine)
{
    for (int outcome = kReachWin; outcome <= kRevivalWin; outcome++)
        for (int symbol = 1; symbol <= 8; symbol++)
            for (int line = 1; line <= 5; line++) {
                MachineState m = plannedSpin(outcome, symbol, line);
                ASSERT_EQ(m.reachSymbol, symbol);
                SpinTrace t = runSpin(m);
                EXPECT_EQ(t.finalMode, 3) << outcome << " " << symbol << " " << line;
                EXPECT_EQ(m.reachSymbol, symbol);
                EXPECT_EQ(middleRowSymbol(m, line), symbol);
            }
}

TEST(No2Spin, ALosingReachNeverWinsOnItsLine)
{
    for (int symbol = 1; symbol <= 8; symbol++)
        for (int line = 1; line <= 5; line++) {
            MachineState m = plannedSpin(kReachLose, symbol, line), c = m;
            reachCheck(c);
            for (const DrawCase& d : no2LaterDraws(kReachLose, c.reachLine)) {
                MachineState end;
                runForced(m, d.seed, &end);
                EXPECT_NE(middleRowSymbol(end, line), symbol) << symbol << " " << line;
                if (end.mode == 3) {
                    EXPECT_NE(end.reachLine, line);
                }
            }
        }
}

TEST(No2Spin, TheReachTurnsTwiceAtSixPixelsThenTheActionCallsItsSound)
{
    MachineState m = plannedSpin(kSlideBackWin, 3, 3);
    int turnSteps = 0, actionSound = -1, step = 0;
    for (int guard = 0; guard < 4000 && m.mode == 2; guard++) {
        int phase = m.spinPhase;
        m.modeTick += 1;
        m.soundRequest = 0;
        spinStep(m);
        step++;
        turnSteps += phase == kPhaseReachTurn;
        if (phase == kPhaseReachTurn && m.spinPhase == kPhaseAction)
            actionSound = m.soundRequest;
    }
    EXPECT_GE(turnSteps, 1008 / 6);
    EXPECT_LE(turnSteps, (1008 + 20 * 24) / 6);
    EXPECT_EQ(actionSound, 705);
    EXPECT_EQ(m.mode, 3);
}

// The stop of each action: where it stands first, how long it pauses, how
// far it then goes, and the step of its second stop sound.
struct ActionStop {
    int firstOffset; // cells from the symbol after the first stop (+1 past, -1 before)
    int pause, run;  // steps standing, steps moving after it
    int runMove;     // pixels a step of the run
};

ActionStop watchAction(int outcome, int symbol, int line)
{
    MachineState m = plannedSpin(outcome, symbol, line);
    ActionStop s = {0, 0, 0, 0};
    int soundTravel = 0;
    bool stopped = false;
    for (int guard = 0; guard < 4000 && m.mode == 2; guard++) {
        int pos = m.reelPos[kMiddleReel], travel = m.reelTravel[kMiddleReel], phase = m.spinPhase;
        m.modeTick += 1;
        m.soundRequest = 0;
        spinStep(m);
        if (phase != kPhaseAction || travel >= 0)
            continue;
        int moved = m.reelPos[kMiddleReel] - pos;
        if (moved > 300)
            moved -= 504;
        if (moved < -300)
            moved += 504;
        if (!stopped && travel == actionStop(outcome).start + 1) {
            stopped = true; // its first stop's bounce is over: where does it stand?
            for (int k = -1; k <= 1; k++)
                if (stripSymbol(kMiddleReel, shownCell(m, kMiddleReel, reachMiddleRow(line)) + k) == symbol)
                    s.firstOffset = k; // the symbol a row lower down the strip: the reel ran a cell past
        } else if (travel == actionStop(outcome).start) {
            continue; // the first stop's bounce
        } else if (travel < -2 && moved == 0) {
            s.pause++;
        } else if (travel < -2) {
            s.run++;
            s.runMove = moved;
        }
        if (m.soundRequest == 702)
            soundTravel = travel;
    }
    EXPECT_EQ(m.mode, 3);
    EXPECT_EQ(soundTravel, -3);
    return s;
}

TEST(No2Spin, SlideBackSlideForwardAndRevivalPauseAndRunAsTheirTables)
{
    ActionStop back = watchAction(kSlideBackWin, 4, 2);
    EXPECT_EQ(back.firstOffset, 1);
    EXPECT_EQ(back.pause, 22);
    EXPECT_EQ(back.run, 6);
    EXPECT_EQ(back.runMove, 4); // back up the strip

    ActionStop forward = watchAction(kSlideForwardWin, 7, 4);
    EXPECT_EQ(forward.firstOffset, -1);
    EXPECT_EQ(forward.pause, 22);
    EXPECT_EQ(forward.run, 6);
    EXPECT_EQ(forward.runMove, -4);

    ActionStop revival = watchAction(kRevivalWin, 1, 5);
    EXPECT_EQ(revival.firstOffset, 1); // a cell past: it looks lost
    EXPECT_EQ(revival.pause, 22);
    EXPECT_EQ(revival.run, 80); // 80 steps of 6 pixels: 20 cells, round onto the symbol
    EXPECT_EQ(revival.runMove, -6);
}

TEST(No2Spin, DamagedSpinWordsStillEnd)
{
    for (int phase = 0; phase <= 3; phase++)
        for (int outcome = 0; outcome <= 5; outcome++) {
            MachineState m = standingMachine(480);
            m.spinPhase = phase;
            m.drawOutcome = outcome;
            m.reelTravel[kMiddleReel] = 0;
            m.reachLine = 6;
            EXPECT_NE(runSpin(m, 5000).finalMode, 2) << phase << " " << outcome;
        }
    // a travel that is no multiple of the step
    MachineState m = standingMachine(480);
    m.spinPhase = kPhaseAction;
    m.drawOutcome = kRevivalWin;
    m.reelTravel[kMiddleReel] = 7;
    EXPECT_EQ(runSpin(m, 1000).steps, 2 + 106 + 48);
    m = standingMachine(480);
    m.spinPhase = kPhaseReachTurn;
    m.drawOutcome = kReachWin;
    m.reelTravel[kMiddleReel] = 5;
    EXPECT_NE(runSpin(m, 1000).finalMode, 2);
    m = standingMachine(480);
    m.spinPhase = 7;
    EXPECT_NE(runSpin(m, 100).finalMode, 2);
}
