// Machine No.4's rules: its numbers for the one-line mechanism, the spin with
// its sudden stops and its two reach performances, the flash of the reels,
// the wing lottery, the resets and the check of its words in a record read
// from a file.
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/random.h"
#include "no4.h"
#include "no4_board_geometry.h"
#include "no4_lottery.h"

namespace {

namespace g = no4board;

const int kChanceSymbols[] = {4, 8};

enum {
    kSymbolFour = 4,
    kSymbolEight = 8,
    kLeftStopFour = 440,  // cell 11: symbol 4
    kLeftStopEight = 280, // cell 7: symbol 8
};

} // namespace

constexpr OneLineModel kOneLine = {
    40, 600, 40,          // 40 pixels a cell, 600 a turn, positions 40..639
    {2400, 3000, 3600},   // four, five and six turns
    {600, 1200, 1800},    // one, two and three
    0,                    // the middle's travel is whole turns
    5, 40, 4, 20,         // the rest below 5, 4 within a cell, else 20 a step
    15,                   // the settle
    kChanceSymbols, 2,
    &kLottery,
    128, 705,             // round 0 and its fanfare
    64, 0, 960, 10, 256,  // the door at 64, no early first round, closing at 960 or on the tenth ball
    false, false,         // the screen counts vHit on; the attacker redraws at opening and closing
    {g::kClosingSweep.x0, g::kClosingSweep.y0, g::kClosingSweep.x1, g::kClosingSweep.y1},
    g::kDoorPathLeftward, g::kDoorPathRightward,
    16,                   // the count's picture shows 0..16
    15,                   // the V counts in rounds 1..15
    {g::kLuckyOdds[0], g::kLuckyOdds[1], g::kLuckyOdds[2], g::kLuckyOdds[3], g::kLuckyOdds[4],
     g::kLuckyOdds[5], g::kLuckyOdds[6], g::kLuckyOdds[7]},
    g::kWindmills, g::kWindmillCount,
};

// ---------------------------------------------------------------- the lottery

// A reach or a win shows 4 (or 8, one in four of those) one spin in four
// while the reserve holds more than four; else any symbol.
int chooseReachSymbol(MachineState& m)
{
    if (m.luckReserve > kReserveFavouringChance && oneIn(4))
        return oneIn(4) ? kSymbolEight : kSymbolFour;
    return 1 + randomNext() % kStripCells;
}

int no4DrawOutcome(MachineState& m)
{
    switch (drawOneLineLottery(m)) {
    case kDrawWin:
        return randomNext() % 4 != 0 ? kNo4ActionWin : kNo4CreepWin;
    case kDrawReach:
        return randomNext() % 16 != 0 ? kNo4CreepLose : kNo4ActionLose;
    default:
        return kNo4NothingPlanned;
    }
}

void no4SetUpSpin(MachineState& m, int outcome)
{
    m.drawOutcome = outcome;
    setUpReels(m);
    for (int32_t& e : m.reelEffect)
        e = -kReelEffectFull; // the reels start 18 steps later
}

void no4StartSpin(MachineState& m)
{
    setSpinTravel(m);
    no4SetUpSpin(m, no4DrawOutcome(m));
}

// ---------------------------------------------------------------- spin phase 0

// Four cells before its stop, a left reel that will show 4 or 8, and a
// middle reel that will show the left's symbol, jump onto their cell with a
// flash and stop when it has run out.
static bool suddenStop(MachineState& m, int reel)
{
    if (m.reelTravel[reel] != kSuddenStopTravel)
        return false;
    if (reel == kReelLeft) {
        int coming = comingSymbol(m, kReelLeft);
        if (coming == kSymbolFour)
            m.reelPos[reel] = kLeftStopFour;
        else if (coming == kSymbolEight)
            m.reelPos[reel] = kLeftStopEight;
        else
            return false;
    } else if (reel == kReelMiddle) {
        if (comingSymbol(m, kReelMiddle) != comingSymbol(m, kReelLeft))
            return false;
        m.reelPos[reel] = m.reelPos[kReelLeft];
    } else {
        return false;
    }
    m.reelTravel[reel] = -1;
    m.reelBoost[reel] = 0;
    m.reelEffect[reel] = kReelEffectFull;
    return true;
}

static void requestReelStop(MachineState& m)
{
    if (m.soundRequest >= 0)
        m.soundRequest = kWaveReelStop;
}

void no4ReachSetUp(MachineState& m)
{
    int32_t& travel = m.reelTravel[kReelRight];
    m.reelPos[kReelRight] = roundToCell(m.reelPos[kReelRight]);
    m.reelBoost[kReelRight] = 0; // from here the performances' pause counter
    int k = cellsToSymbol(m.reelPos[kReelRight], m.reachSymbol);
    switch (m.drawOutcome) {
    case kNo4CreepWin:
        travel = 40 * k + 600; // a turn, then onto the symbol
        m.spinPhase = kNo4Creep;
        break;
    case kNo4ActionLose:
        travel = 40 * k + 640; // a cell past it, or (next draw even) a cell before
        if (randomNext() % 2 == 0)
            travel -= 80;
        m.spinPhase = kNo4Action;
        break;
    case kNo4ActionWin:
        travel = 40 * k + 600;
        m.spinPhase = kNo4Action;
        break;
    default: // a creep that loses: 8 to 14 cells off the symbol
        travel = 40 * (k + 8 + randomNext() % 7);
        m.spinPhase = kNo4Creep;
        break;
    }
}

static void runningStep(MachineState& m)
{
    for (int r = 0; r < kOneLineReels && m.spinPhase == kNo4Running; r++) {
        if (m.reelEffect[r] != 0)
            continue; // flashing: the reel waits
        if (m.reelTravel[r] > 0) {
            moveRunningReel(m, r, suddenStop);
        } else if (m.reelTravel[r] == -1) {
            m.reelTravel[r] = 0;
            requestReelStop(m);
            if (r == kReelMiddle && shownSymbol(m, kReelMiddle) == shownSymbol(m, kReelLeft)) {
                if (m.drawOutcome == kNo4NothingPlanned)
                    m.drawOutcome = kNo4CreepLose; // a reach the lottery did not plan
                no4ReachSetUp(m);
            } else if (r == kReelRight) {
                m.spinPhase = kNo4Settle;
                m.modeTick = 0;
            }
        }
        // (the loop ends once a stop has changed the phase: the right reel
        // does not move again on the step its performance was set up)
    }
    // a right reel standing in phase 0 (a record read from a file): settle
    if (m.spinPhase == kNo4Running && m.reelTravel[kReelRight] == 0 && m.reelEffect[kReelRight] == 0) {
        m.spinPhase = kNo4Settle;
        m.modeTick = 0;
    }
}

// ---------------------------------------------------------------- the reach performances

static void endPerformance(MachineState& m)
{
    m.modeTick = 0;
    m.spinPhase = kNo4Settle;
    requestReelStop(m);
}

// The right reel creeps eight pixels a step and pauses eight steps on the
// left reel's cell and the two before it.
static void creepStep(MachineState& m)
{
    int32_t& pause = m.reelBoost[kReelRight];
    int32_t& travel = m.reelTravel[kReelRight];
    if (pause > 0) {
        pause -= 1;
    } else if (travel > 0) {
        moveReel(m, kReelRight, travel < 8 ? travel : 8);
        int d = cellDifference(positionCell(m.reelPos[kReelRight]), positionCell(m.reelPos[kReelLeft]));
        if (onCellBoundary(m.reelPos[kReelRight]) && d <= 2)
            pause = kCreepPause;
    }
    if (travel <= 0) {
        travel = 0;
        pause = 0;
        endPerformance(m);
    }
}

// The right reel creeps and stops for 72 steps on each cell from two before
// the left reel's to one past it; it shakes during the pause, and the flash
// running out after it makes the next move a whole cell.
static void actionStep(MachineState& m)
{
    int32_t& pause = m.reelBoost[kReelRight];
    int32_t& travel = m.reelTravel[kReelRight];
    int32_t& effect = m.reelEffect[kReelRight];
    if (pause <= 0) {
        if (travel <= 0) { // nothing left to go and no pause to end it: end now
            travel = 0;
            effect = 0;
            endPerformance(m);
            return;
        }
        int move = effect != 0 ? 40 : 8;
        moveReel(m, kReelRight, travel < move ? travel : move);
        int d = cellDifference(positionCell(m.reelPos[kReelRight]), positionCell(m.reelPos[kReelLeft]));
        if (onCellBoundary(m.reelPos[kReelRight]) && (d <= 2 || d == 14))
            pause = kActionPause;
        return;
    }
    if (pause == kActionPause)
        effect = kReelEffectFull; // the shake
    if (pause == kActionPause / 2 && travel == 0) {
        pause = 1;
        effect = 0;
        endPerformance(m);
        return;
    }
    if (pause == kActionPause / 2 - 2)
        effect = -kReelEffectFull;
    pause -= 1;
}

void no4SpinStep(MachineState& m)
{
    switch (m.spinPhase) {
    case kNo4Running:
        runningStep(m);
        break;
    case kNo4Creep:
        creepStep(m);
        break;
    case kNo4Action:
        actionStep(m);
        break;
    default:
        settleSpin(m);
        break;
    }
}

// ---------------------------------------------------------------- the wing lottery

// The lamp runs for 480 steps, then shows a hit (7) or a miss (4..6). A hit
// flaps the wings open three times; a miss waits 32 steps. The next held
// start then runs the lamp again. In a chance state outside the big prize
// three draws in four hit.
void wingLotteryStep(MachineState& m)
{
    if (m.wingDrawTick < kWingDrawSteps)
        m.wingDrawTick += 1;
    const bool startHeld = m.wingDrawStarts > 0;
    if (m.wingDrawState < kWingsMiss) { // running
        if (m.wingDrawTick < kWingDrawSteps) {
            m.wingDrawState = m.wingDrawTick % 4;
            return;
        }
        m.wingDrawTick = 0;
        if (m.chanceCount <= 0 || m.mode == 3) {
            m.wingDrawState = randomNext() % 8 == 0 ? kWingsHit : kWingsMiss + randomNext() % 3;
        } else if (randomNext() % 3 != 0) {
            m.wingDrawState = kWingsHit;
        } else {
            m.wingDrawState = kWingsMiss + randomNext() % 4; // 7 a hit after all
        }
    } else if (m.wingDrawState == kWingsHit) {
        if (m.wingDrawTick < kWingDrawSteps) {
            m.wingsOpen = m.wingDrawTick % kWingOpeningPeriod >= kWingOpenFrom ? 1 : 0;
            return;
        }
        m.wingsOpen = 0; // the hit period is over: the wings close
        if (startHeld) {
            m.wingDrawStarts -= 1;
            m.wingDrawState = kWingsRunning;
            m.wingDrawTick = 0;
        }
    } else if (m.wingDrawTick >= kWingMissSteps && startHeld) { // a miss
        m.wingDrawStarts -= 1;
        m.wingDrawState = kWingsRunning;
        m.wingDrawTick = 0;
    }
}

// ---------------------------------------------------------------- the step hooks

void modelStartSpin(MachineState& m)
{
    no4StartSpin(m);
}

// The newest held-start lamp blinks for 16 steps; the flashes die away, two
// frames a step while the reels run.
void modelAfterModeTick(MachineState& m)
{
    if (m.heldLampTick < kHeldLampSteps) {
        m.heldLampTick += 1;
        if (m.heldLampTick == kHeldLampSteps)
            m.dirty |= kDirtyHeldStarts;
    }
    int32_t anyEffect = 0;
    for (int32_t e : m.reelEffect)
        anyEffect |= e;
    if (anyEffect == 0)
        return; // the usual case: no reel flashing
    const int decay = m.mode == 2 && m.spinPhase == kNo4Running ? 2 : 1;
    for (int32_t& e : m.reelEffect) {
        // the screen writes the flash too: keep it to the frames it has, and
        // step towards 0 without passing it, so an odd value stops at 0
        if (e > kReelEffectFull)
            e = kReelEffectFull;
        if (e < -kReelEffectFull)
            e = -kReelEffectFull;
        if (e > 0)
            e = e > decay ? e - decay : 0;
        else if (e < 0)
            e = e < -decay ? e + decay : 0;
    }
}

void modelSpinStep(MachineState& m)
{
    no4SpinStep(m);
}

void modelBeforeLaunchBeat(MachineState& m)
{
    wingLotteryStep(m);
}

// ---------------------------------------------------------------- resets

void modelResetDisplay(MachineState& m, int kind)
{
    resetOneLineReels(m);
    for (int32_t& e : m.reelEffect)
        e = 0;
    m.heldLampTick = kHeldLampSteps; // no newest lamp blinking
    m.wingsOpen = 0;
    m.wingDrawStarts = 0;
    m.wingDrawTick = 0;
    m.wingDrawState = kWingsMiss;
    if (kind == kResetNew || kind == kResetNewDay) {
        // a new day starts on 12, 14 and 15 (cell 0 stored at the strip's end)
        m.reelPos[kReelLeft] = wrapPosition(120);
        m.reelPos[kReelMiddle] = wrapPosition(40);
        m.reelPos[kReelRight] = wrapPosition(0);
    }
}

// ---------------------------------------------------------------- records

bool modelRecordIsValid(MachineState& m)
{
    for (int32_t& e : m.reelEffect) { // the screen's frames: -36..36
        if (e > kReelEffectFull)
            e = kReelEffectFull;
        if (e < -kReelEffectFull)
            e = -kReelEffectFull;
    }
    if (m.wingDrawState != kWingsHit)
        m.wingsOpen = 0; // only a hit period opens the wings
    if (!oneLineWordsAreValid(m, kNo4Settle, kNo4ActionWin, 72)) // the screen counts vHit to 72
        return false;
    if (m.spinPhase == kNo4Action && m.reelBoost[kReelRight] > kActionPause)
        return false;
    return m.heldLampTick >= 0 && m.heldLampTick <= kHeldLampSteps && m.wingDrawStarts >= 0
           && m.wingDrawStarts <= kMostWingStarts && m.wingDrawTick >= 0 && m.wingDrawTick <= kWingDrawSteps
           && m.wingDrawState >= 0 && m.wingDrawState <= kWingsHit && m.wingsOpen >= 0 && m.wingsOpen <= 1;
}
