// Machine No.1 (ORBITEX): its reels' numbers, its lottery's outcomes and its
// three reach actions (the slow creep, the stop-and-go creep and the
// slide-back). The spin's frame, the resets and the record check are the
// five-line mechanism's (five_line_rules.cpp).
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/math_util.h"
#include "hallcore/machine/random.h"
#include "no1.h"
#include "no1_board_geometry.h"
#include "no1_lottery.h"

// Strips, cell 0 first: 1..6 the numbers, 7/8/9 the left/middle/right blank.
static const unsigned char kLeftStrip[14] = {1, 7, 4, 7, 7, 2, 7, 6, 7, 3, 7, 7, 5, 7};
static const unsigned char kMiddleStrip[14] = {1, 8, 4, 8, 8, 2, 8, 6, 8, 3, 8, 8, 5, 8};
static const unsigned char kRightStrip[14] = {1, 9, 5, 9, 9, 3, 9, 6, 9, 2, 9, 9, 4, 9};

const FiveLineModel kFiveLine = {
    14, {kLeftStrip, kMiddleStrip, kRightStrip}, 6,
    1, 336, // kept in 1..336: position 336 shows cell 0
    312,    // a new day stands every reel at cell 13
    {3024, 4368, 3696}, // 9, 13 and 11 turns: left, then right, then middle
    192, 72, 24, 12, 8,
    kPhaseSettle, kPhaseSettle, kStopGoSlideBackWin, 48,
    kSlideBackStart, kPhaseSlow, kPhaseStopGo, // the slide-back ends either action
    4368,
    128, 64, 960, 10, 256,
    0x40, 0x60, 0x41, 0, // the intro lights the count, the door's closing the door and count
    no1board::kCodeStartPocket, 0x40, true, &no1board::kMouth,
    no1board::kUpperWindmills, 4, no1board::kLowerWindmills, 4,
    no1board::kUpperKick, no1board::kLowerKick, no1board::kUpperSlowLimit, no1board::kLowerSlowLimit,
    1, 3, 4, 600, // 1 keeps the right for good, 3 keeps it, 4 takes it away; 600 balls lost a period
};

// The slide-back: the middle reel stopped one cell past the symbol; the
// travel counts up from -32 to 0, one row a step.
static const SlideRow kSlideBackRows[] = {
    {-32, -32, -4}, // the stop's bounce down ...
    {-31, -31, +4}, // ... and back
    {-30, -9, 0},   // a pause of 22 steps on the cell past the symbol
    {-8, -3, +4},   // one cell back in six steps (the stop sound at -3)
    {-2, -2, +4},   // a bounce up past the symbol ...
    {-1, -1, -4},   // ... and onto it
};
const SlideTable kSlideBack = {kSlideBackStart, kSlideBackRows, 6, -3};

// ---------------------------------------------------------------- lottery

void drawLottery(MachineState& m)
{
    m.drawOutcome = kNoReach;
    int result = drawLotteryResult(m, kLottery, false);
    if (result == kLotteryPrize) {
        m.drawOutcome = kPrizeOutcomeByDraw[randomNext() % 8];
        if (m.setting == kSettingCold)
            m.drawOutcome = kReachWin;
    } else if (result == kLotteryReach) {
        if (oneIn(kStopGoReachOdds))
            m.drawOutcome = kStopGoLose;
        else if (oneIn(kSlowReachOdds))
            m.drawOutcome = kSlowLose;
        else
            m.drawOutcome = kReachLose;
    }
    setUpReels(m);
}

// ---------------------------------------------------------------- reach

void firstReachSetUp(MachineState& m)
{
    int32_t& travel = m.reelTravel[kMiddleReel];
    travel = wrapIndex(travel, kCellPixels); // only the part of a cell still to run
    int k = cellsToSymbol(m, kMiddleReel, m.reachSymbol, reachMiddleRow(m.reachLine));
    if (m.drawOutcome == kReachLose) {
        int d = randomNext() % 14;
        if (d == 0)
            d = 15; // never onto the symbol: 1..13 cells short of it, or one past
        travel += kCellPixels * k + 336 + kCellPixels * d;
    } else if (m.drawOutcome == kReachWin) {
        travel += kCellPixels * k + 672;
    } else {
        travel += 336; // one creeping turn before the action
    }
    m.spinPhase = kPhaseReachTurn;
    m.actionTick = 0;
}

void secondReachSetUp(MachineState& m)
{
    int k = cellsToSymbol(m, kMiddleReel, m.reachSymbol, reachMiddleRow(m.reachLine));
    int32_t& travel = m.reelTravel[kMiddleReel];
    travel = kCellPixels * k + 336;
    switch (m.drawOutcome) {
    case kSlowLose:
    case kStopGoLose:
        travel += (randomNext() % 2) ? kCellPixels * 15 : kCellPixels * 13; // a cell past, or a cell before
        break;
    case kSlowSlideBackWin:
    case kStopGoSlideBackWin:
        travel += 360; // one cell past, to slide back
        break;
    default:
        travel += 336; // onto the symbol
        break;
    }
    m.actionTick = 0;
    m.spinPhase = m.drawOutcome <= kSlowSlideBackWin ? kPhaseSlow : kPhaseStopGo;
}

static bool slidesBack(const MachineState& m)
{
    return (m.spinPhase == kPhaseSlow && m.drawOutcome == kSlowSlideBackWin)
           || (m.spinPhase == kPhaseStopGo && m.drawOutcome == kStopGoSlideBackWin);
}

// The middle reel's stop at the end of a phase: the slide-back or the plain
// bounce, with the stop sound.
static void stopMiddle(MachineState& m)
{
    m.reelTravel[kMiddleReel] = slidesBack(m) ? int(kSlideBackStart) : int(kBounceStart);
    if (m.soundRequest >= 0)
        m.soundRequest = kWaveReelStop;
}

static void toSettle(MachineState& m)
{
    m.spinPhase = kPhaseSettle;
    m.modeTick = 0;
}

static void reachTurnStep(MachineState& m)
{
    if (m.reelTravel[kMiddleReel] < 0) {
        if (slideMiddle(m, kPlainBounce))
            toSettle(m);
        return;
    }
    if (!runMiddle(m, kReachTurnStep))
        return;
    if (m.drawOutcome >= kSlowLose) {
        secondReachSetUp(m);
        m.soundRequest = kSoundRequestStopAll; // the reach sound stops before the action
    } else {
        stopMiddle(m);
    }
}

static void actionStep(MachineState& m)
{
    int move = kReachTurnStep;
    if (m.spinPhase == kPhaseStopGo) {
        int beat = m.actionTick;
        m.actionTick = beat + 1;
        move = wrapIndex(beat, 8) < 4 ? kStopGoStep : 0; // four steps on, four standing
    }
    if (m.reelTravel[kMiddleReel] < 0) {
        if (slideMiddle(m, slidesBack(m) ? kSlideBack : kPlainBounce))
            toSettle(m);
        return;
    }
    if (move == 0 && m.reelTravel[kMiddleReel] > 0)
        return;
    if (runMiddle(m, move))
        stopMiddle(m);
}

bool reachStep(MachineState& m)
{
    switch (m.spinPhase) {
    case kPhaseReachTurn:
        reachTurnStep(m);
        return true;
    case kPhaseSlow:
    case kPhaseStopGo:
        actionStep(m);
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------- the rest

bool modelBallSlotIsValid(const BallSlot&)
{
    return false; // No.1's balls know only the engine's states
}

void modelOwnBallStep(MachineState&, BallSlot& ball)
{
    freeSlot(ball);
}
