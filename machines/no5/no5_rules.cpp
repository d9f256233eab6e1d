// Machine No.5's rules: its numbers for the one-line mechanism, the spin with
// its slow middle and its three right-reel performances, the digit lottery,
// the resets and the check of its words in a record read from a file.
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/random.h"
#include "no5.h"
#include "no5_board_geometry.h"
#include "no5_lottery.h"

namespace {

namespace g = no5board;

const int kChanceSymbols[] = {4, 8, 11, 13, 15};
constexpr int kChanceSymbolCount = sizeof kChanceSymbols / sizeof kChanceSymbols[0];

enum {
    kWaveReach = 703,
    kWaveRevivalCue = 709,
    kCell = 42,
};

} // namespace

constexpr OneLineModel kOneLine = {
    42, 630, 42,          // 42 pixels a cell, 630 a turn, positions 42..671
    {2520, 3066, 3612},   // four turns; the middle two cells, the right four short of whole turns
    {630, 1176, 1722},
    2,                    // the middle's boost makes up its two cells
    7, 42, 6, 21,         // the rest below 7, 6 within a cell, else 21 a step
    15,                   // the settle
    kChanceSymbols, kChanceSymbolCount,
    &kLottery,
    80, 706,              // round 0 and its fanfare
    64, 2, 960, 10, 256,  // the door at 64, in round 1 already at 2; closing at 960 or on the tenth ball
    true, true,           // vHit counts the V's show; the attacker redraws every open step
    {g::kClosingSweep.x0, g::kClosingSweep.y0, g::kClosingSweep.x1, g::kClosingSweep.y1},
    g::kLeftChannelPath, g::kRightChannelPath,
    0,                    // the count is not held
    15,                   // the V counts in rounds 1..15
    {g::kLuckyOdds[0], g::kLuckyOdds[1], g::kLuckyOdds[2], g::kLuckyOdds[3], g::kLuckyOdds[4],
     g::kLuckyOdds[5], g::kLuckyOdds[6], g::kLuckyOdds[7]},
    g::kWindmills, g::kWindmillCount,
};

// ---------------------------------------------------------------- the lottery

// While the reserve holds more than four, a reach or a win shows one of the
// five chance symbols one spin in three (in a chance state one in six);
// else any symbol.
int chooseReachSymbol(MachineState& m)
{
    if (m.luckReserve > kReserveFavouringChance && oneIn(m.chanceCount <= 0 ? 3 : 6))
        return kChanceSymbols[randomNext() % kChanceSymbolCount];
    return 1 + randomNext() % kStripCells;
}

int no5DrawOutcome(MachineState& m)
{
    switch (drawOneLineLottery(m)) {
    case kDrawWin:
        return randomNext() % 3 == 2 ? kNo5RevivalWin : kNo5FastWin;
    case kDrawReach:
        if (oneIn(6))
            return randomNext() % 3 == 0 ? kNo5FastLose : kNo5RevivalLose;
        return kNo5CreepLose;
    default:
        return kNo5NothingPlanned;
    }
}

void no5StartSpin(MachineState& m)
{
    setSpinTravel(m);
    m.creepRest = 0;
    no5SetUpSpin(m, no5DrawOutcome(m));
}

void no5SetUpSpin(MachineState& m, int outcome)
{
    m.drawOutcome = outcome;
    setUpReels(m);
    // the slow middle: its last five cells crept, the right reel a turn longer
    if (oneIn(m.drawOutcome >= 1 ? 2 : 32)) {
        m.reelTravel[kReelMiddle] -= kSlowMiddlePixels;
        m.reelTravel[kReelRight] += kOneLine.turnPixels;
        m.creepRest = kSlowMiddlePixels;
    }
}

// ---------------------------------------------------------------- spin phase 0

static void request(MachineState& m, int wave)
{
    if (m.soundRequest >= 0)
        m.soundRequest = wave;
}

static bool middleShowsLeft(const MachineState& m)
{
    return shownSymbol(m, kReelMiddle) == shownSymbol(m, kReelLeft);
}

void no5ReachSetUp(MachineState& m)
{
    int32_t& travel = m.reelTravel[kReelRight];
    m.reelPos[kReelRight] = roundToCell(m.reelPos[kReelRight]);
    m.reelBoost[kReelRight] = 0;
    const int k = cellsToSymbol(m.reelPos[kReelRight], m.reachSymbol);
    m.spinPhase = kNo5Creep;
    switch (m.drawOutcome) {
    case kNo5FastLose:
        travel = kCell * k + 672; // a cell past, or (next draw even) a cell before
        if (randomNext() % 2 == 0)
            travel -= 2 * kCell;
        travel += kFastSpinPixels;
        m.creepRest = kCell * (randomNext() % 8) + 294;
        break;
    case kNo5FastWin:
        travel = kCell * k + kOneLine.turnPixels + kFastSpinPixels;
        m.creepRest = kCell * (randomNext() % 8) + 294;
        break;
    case kNo5RevivalLose:
    case kNo5RevivalWin:
        travel = kCell * (k + 8 + randomNext() % 7) + kOneLine.turnPixels; // off the symbol first
        m.creepRest = kCell * (randomNext() % 8) + 294;
        break;
    default: // a creep that loses: 8 to 14 cells off the symbol
        travel = kCell * (k + 8 + randomNext() % 7);
        break;
    }
}

static void runningStep(MachineState& m)
{
    for (int r = 0; r < kOneLineReels && m.spinPhase == kNo5Running; r++) {
        if (m.reelTravel[r] > 0) {
            if (!moveRunningReel(m, r, nullptr))
                continue;
            if (r != kReelMiddle)
                request(m, kWaveReelStop);
            else if (m.creepRest <= 0) // a slow middle sounds after its creep
                request(m, middleShowsLeft(m) ? int(kWaveReach) : int(kWaveReelStop));
        } else if (m.reelTravel[r] == -1) {
            if (r == kReelMiddle && m.creepRest > 0) {
                int c = m.creepRest < 6 ? m.creepRest : 6;
                m.reelPos[r] = wrapPosition(int64_t(m.reelPos[r]) - c);
                m.creepRest -= c;
                if (m.creepRest == 0)
                    request(m, middleShowsLeft(m) ? int(kWaveReach) : int(kWaveReelStop));
                continue;
            }
            m.reelTravel[r] = 0;
            if (r == kReelMiddle && middleShowsLeft(m)) {
                if (m.drawOutcome == kNo5NothingPlanned)
                    m.drawOutcome = kNo5CreepLose; // a reach the lottery did not plan
                no5ReachSetUp(m);
            } else if (r == kReelRight) {
                m.modeTick = 0;
                m.spinPhase = kNo5Settle;
            }
        }
    }
    // a right reel standing in phase 0 (a record read from a file): settle
    if (m.spinPhase == kNo5Running && m.reelTravel[kReelRight] == 0) {
        m.modeTick = 0;
        m.spinPhase = kNo5Settle;
    }
}

// ---------------------------------------------------------------- the performances

// The right reel creeps six pixels a step; for the fast spin and the
// revival its creep ends after creepRest, when the performance breaks out.
static void creepStep(MachineState& m)
{
    int32_t& travel = m.reelTravel[kReelRight];
    if (travel > 0) {
        int move = travel < 6 ? travel : 6;
        moveReel(m, kReelRight, move);
        if (m.creepRest > 0) {
            m.creepRest -= move;
            if (m.creepRest <= 0) { // on the change only: a creep without a rest never breaks out
                m.creepRest = 0;
                if (m.drawOutcome == kNo5FastLose || m.drawOutcome == kNo5FastWin) {
                    m.modeTick = 0;
                    m.soundRequest = kSoundRequestStopAll;
                    m.spinPhase = kNo5FastSpin;
                    return;
                }
                if (m.drawOutcome == kNo5RevivalLose || m.drawOutcome == kNo5RevivalWin) {
                    m.modeTick = 0;
                    m.soundRequest = kSoundRequestStopAll;
                    m.spinPhase = kNo5Revival;
                    return;
                }
            }
        }
    }
    if (travel <= 0) {
        travel = 0;
        m.reelBoost[kReelRight] = 0;
        m.modeTick = 0;
        m.spinPhase = kNo5Settle;
        request(m, kWaveReelStop);
    }
}

// Runs the right reel `speed` pixels a step (the rest when `restWithin` or
// less is left); true on the step the travel is used up.
static bool runRight(MachineState& m, int speed, int restWithin)
{
    int32_t& travel = m.reelTravel[kReelRight];
    if (travel <= 0)
        return false;
    moveReel(m, kReelRight, travel <= restWithin ? travel : speed);
    if (travel > 0)
        return false;
    travel = -1;
    m.modeTick = 0;
    request(m, kWaveReelStop);
    return true;
}

// Eight turns at full speed, then it stands for 128 steps.
static void fastSpinStep(MachineState& m)
{
    if (m.reelTravel[kReelRight] > 0) {
        if (runRight(m, 21, 21))
            m.reelBoost[kReelRight] = 0;
        return;
    }
    if (m.modeTick > kStandAfterFastSpin) {
        m.reelTravel[kReelRight] = 0;
        m.spinPhase = kNo5Settle;
    }
}

// The reel stops off the symbol, waits, and spins once more: onto the
// symbol for a win, else 8 to 14 cells off it.
static void revivalStep(MachineState& m)
{
    int32_t& travel = m.reelTravel[kReelRight];
    if (m.creepRest != -1) { // the first stop
        if (travel > 0) {
            runRight(m, 6, 5);
            return;
        }
        if (m.modeTick == kRevivalCueAt)
            request(m, kWaveRevivalCue);
        if (m.modeTick >= kRevivalAt) {
            m.reelPos[kReelRight] = roundToCell(m.reelPos[kReelRight]);
            int k = cellsToSymbol(m.reelPos[kReelRight], m.reachSymbol);
            int f = m.drawOutcome == kNo5RevivalWin ? 0 : 8 + randomNext() % 7;
            travel = kCell * (f + k + 15);
            m.creepRest = -1;
        }
        return;
    }
    if (travel > 0) { // the revival spin
        runRight(m, 21, 20);
        return;
    }
    if (m.modeTick >= kStandAfterRevival) {
        travel = 0;
        m.reelBoost[kReelRight] = 0;
        m.creepRest = 0;
        m.spinPhase = kNo5Settle;
    }
}

void no5SpinStep(MachineState& m)
{
    switch (m.spinPhase) {
    case kNo5Running:
        runningStep(m);
        break;
    case kNo5Creep:
        creepStep(m);
        break;
    case kNo5FastSpin:
        fastSpinStep(m);
        break;
    case kNo5Revival:
        revivalStep(m);
        break;
    default:
        settleSpin(m);
        break;
    }
}

// ---------------------------------------------------------------- the digit lottery

// The digits run for 128 steps and stop on one; a 3 or a 7 opens the gate
// into the start pocket until step 256 or until it catches a ball. At 288 a
// held start begins the next run (in a chance state a shorter one, which
// also shows 3 or 7 seven times in eight).
void digitLotteryStep(MachineState& m)
{
    if (m.digitTick < kDigitIdle)
        m.digitTick += 1;
    if (m.digitTick < kDigitRunSteps) {
        m.digitShown = m.digitTick % 10;
    } else if (m.digitTick == kDigitRunSteps) {
        int digit;
        if (m.chanceCount <= 0 || m.mode == 3)
            digit = randomNext() % 10;
        else if (randomNext() % 8 == 0)
            digit = randomNext() % 10;
        else
            digit = randomNext() % 2 == 0 ? 7 : 3;
        m.digitShown = digit;
        if (digit == 3 || digit == 7)
            m.digitGate = kGateOpen;
        else
            m.digitTick = kDigitGateCloses;
    }
    if (m.digitTick >= kDigitGateCloses && m.digitGate != kGateClosed)
        m.digitGate = kGateClosed;
    if (m.digitTick >= kDigitIdle && m.digitStarts > 0) {
        m.digitStarts -= 1;
        m.digitShown = 0;
        m.digitTick = m.chanceCount > 0 && m.mode != 3 ? kDigitChanceStart : 0;
    }
}

// ---------------------------------------------------------------- the step hooks

void modelStartSpin(MachineState& m)
{
    no5StartSpin(m);
}

void modelAfterModeTick(MachineState&)
{
    // No.5 has no timers of its own outside the modes
}

void modelSpinStep(MachineState& m)
{
    no5SpinStep(m);
}

void modelBeforeLaunchBeat(MachineState& m)
{
    digitLotteryStep(m);
}

// ---------------------------------------------------------------- resets

void modelResetDisplay(MachineState& m, int kind)
{
    resetOneLineReels(m);
    m.digitStarts = 0;
    m.digitTick = kDigitIdle;
    m.digitGate = kGateClosed;
    m.digitShown = randomNext() % 10;
    m.creepRest = 0;
    m.spare = 0;
    if (kind == kResetNew || kind == kResetNewDay) {
        for (int32_t& p : m.reelPos)
            p = 294; // a new day shows 8 on all three (cell 7)
        m.digitShown = 7;
    }
}

// ---------------------------------------------------------------- records

bool modelRecordIsValid(MachineState& m)
{
    if (!oneLineWordsAreValid(m, kNo5Settle, kNo5RevivalWin, 32)) // vHit counts to 32
        return false;
    return m.creepRest >= -1 && m.creepRest <= kCreepRestMost && m.digitStarts >= 0
           && m.digitStarts <= kMostDigitStarts && m.digitTick >= 0 && m.digitTick <= kDigitIdle
           && m.digitGate >= kGateClosed && m.digitGate <= kGateCaught && m.digitShown >= 0 && m.digitShown <= 9;
}
