// Machine No.2 (JOLVINA): its reels' numbers, its lottery's outcomes and its
// reach actions (the slide-back, the slide-forward and the revival). The
// spin's frame, the resets and the record check are the five-line
// mechanism's (five_line_rules.cpp).
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/math_util.h"
#include "hallcore/machine/random.h"
#include "no2.h"
#include "no2_board_geometry.h"
#include "no2_lottery.h"

// Strips, cell 0 first: 1..8 the numbers, 9/10/11 the left/middle/right blank.
static const unsigned char kLeftStrip[21] = {1, 9, 6, 9, 9, 3, 9, 9, 7, 9, 9, 2, 9, 8, 9, 9, 5, 9, 9, 4, 9};
static const unsigned char kMiddleStrip[21] = {1, 10, 6, 10, 10, 3, 10, 10, 7, 10, 10,
                                               2, 10, 8, 10, 10, 5, 10, 10, 4, 10};
static const unsigned char kRightStrip[21] = {1, 11, 4, 11, 11, 3, 11, 11, 7, 11, 11,
                                              8, 11, 2, 11, 11, 5, 11, 11, 6, 11};

const FiveLineModel kFiveLine = {
    21, {kLeftStrip, kMiddleStrip, kRightStrip}, 8,
    25, 504, // kept in 25..528: a position of 24 or less has 504 added
    480,     // a new day stands every reel at cell 20
    {3528, 5544, 4536}, // 7, 11 and 9 turns: left, then right, then middle
    192, 72, 24, 12, 8,
    kPhaseSettle, kPhaseSettle, kRevivalWin, 48,
    kRevivalStart, kPhaseAction, kPhaseAction, // the action's stops slide
    5544,
    128, 64, 960, 10, 256,
    0, 0x20, 0x01, 710, // no redraw at the intro; the door's closing redraws the door; the ending's own music
    no2board::kCodeStartPocket, 0, false, &no2board::kMouth,
    no2board::kUpperWindmills, 4, no2board::kLowerWindmills, 4,
    no2board::kUpperKick, no2board::kLowerKick, no2board::kUpperSlowLimit, no2board::kLowerSlowLimit,
    1, 2, 3, 500, // 1 keeps the right for good, 2 keeps it, 3 takes it away; 500 balls lost a period
};

// The middle reel's stops after the action; the travel counts up to 0, one
// row a step. Outcomes 1 and 2 make the plain bounce.
static const SlideRow kSlideBackRows[] = {
    {-32, -32, -4}, // the stop's bounce down ...
    {-31, -31, +4}, // ... and back, one cell past the symbol
    {-30, -9, 0},   // a pause of 22 steps
    {-8, -3, +4},   // one cell back in six steps (the stop sound as it ends)
    {-2, -2, +4},   // a bounce up past the symbol ...
    {-1, -1, -4},   // ... and onto it
};
static const SlideRow kSlideForwardRows[] = {
    {-32, -32, -4}, // the stop's bounce down ...
    {-31, -31, +4}, // ... and back, one cell before the symbol
    {-30, -9, 0},   // a pause of 22 steps
    {-8, -3, -4},   // one cell on in six steps (the stop sound as it ends)
    {-2, -2, +4},   // a bounce up ...
    {-1, -1, -4},   // ... and onto the symbol
};
static const SlideRow kRevivalRows[] = {
    {-106, -106, -4}, // the stop's bounce down ...
    {-105, -105, +4}, // ... and back, one cell past the symbol: a lost reach, it seems
    {-104, -83, 0},   // a pause of 22 steps
    {-82, -3, -6},    // then 80 steps of 6 pixels: 20 cells on, round onto the symbol
    {-2, -2, +4},     // a bounce up ...
    {-1, -1, -4},     // ... and onto it
};
const SlideTable kSlideBack = {kSlideStart, kSlideBackRows, 6, -3};
const SlideTable kSlideForward = {kSlideStart, kSlideForwardRows, 6, -3};
const SlideTable kRevival = {kRevivalStart, kRevivalRows, 6, -3};

const SlideTable& actionStop(int outcome)
{
    switch (outcome) {
    case kSlideBackWin: return kSlideBack;
    case kSlideForwardWin: return kSlideForward;
    case kRevivalWin: return kRevival;
    default: return kPlainBounce;
    }
}

// ---------------------------------------------------------------- lottery

void drawLottery(MachineState& m)
{
    m.drawOutcome = kNoReach;
    int result = drawLotteryResult(m, kLottery, false);
    if (result == kLotteryPrize)
        m.drawOutcome = kPrizeOutcomeByDraw[randomNext() % 8];
    else if (result == kLotteryReach)
        m.drawOutcome = kReachLose;
    setUpReels(m);
}

// ---------------------------------------------------------------- reach

void firstReachSetUp(MachineState& m)
{
    // two more turns, then the symbol stands in the line's middle row
    int k = cellsToSymbol(m, kMiddleReel, m.reachSymbol, reachMiddleRow(m.reachLine));
    m.reelTravel[kMiddleReel] = wrapIndex(m.reelTravel[kMiddleReel], kCellPixels) + kCellPixels * k + 1008;
    m.spinPhase = kPhaseReachTurn;
    m.actionTick = 0;
}

void secondReachSetUp(MachineState& m)
{
    int32_t& travel = m.reelTravel[kMiddleReel];
    switch (m.drawOutcome) {
    case kReachWin:
        travel = 504; // one turn, onto the symbol
        break;
    case kSlideBackWin:
    case kRevivalWin:
        travel = 528; // one cell past
        break;
    case kSlideForwardWin:
        travel = 480; // one cell before
        break;
    default: // a losing reach: 8 to 18 cells on (both diagonals), else 8 to 20, or one past
        if (m.reachLine == kLineBothDiagonals)
            travel = kCellPixels * (8 + randomNext() % 11);
        else if (oneIn(8))
            travel = 528;
        else
            travel = kCellPixels * (8 + randomNext() % 13);
        break;
    }
    m.spinPhase = kPhaseAction;
    m.actionTick = 0;
}

static void reachTurnStep(MachineState& m)
{
    if (m.reelTravel[kMiddleReel] < 0) { // a bounce from a damaged record
        if (slideMiddle(m, kPlainBounce))
            endDamagedSpin(m);
        return;
    }
    if (!runMiddle(m, kReachTurnStep))
        return;
    secondReachSetUp(m);
    m.soundRequest = 705; // the action
}

static void actionStep(MachineState& m)
{
    int32_t& travel = m.reelTravel[kMiddleReel];
    if (travel < 0) {
        if (slideMiddle(m, actionStop(m.drawOutcome))) {
            m.spinPhase = kPhaseSettle;
            m.modeTick = 0;
        }
        return;
    }
    if (runMiddle(m, kActionStep)) {
        travel = actionStop(m.drawOutcome).start;
        m.soundRequest = kWaveReelStop;
    }
}

bool reachStep(MachineState& m)
{
    switch (m.spinPhase) {
    case kPhaseReachTurn:
        reachTurnStep(m);
        return true;
    case kPhaseAction:
        actionStep(m);
        return true;
    default:
        return false;
    }
}
