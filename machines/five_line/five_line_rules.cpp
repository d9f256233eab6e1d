// The five-line machines' step hooks: the spin's phases around the model's
// reach, the hooks neither model has a use for, the resets and the record
// check (the model adds its lottery and its reach phases).
#include "five_line.h"

void spinStep(MachineState& m)
{
    if (m.spinPhase == 0) {
        if (runReels(m) & kReachFound)
            firstReachSetUp(m);
    } else if (m.spinPhase == kFiveLine.settlePhase) {
        settle(m);
    } else if (!reachStep(m)) {
        endDamagedSpin(m); // a phase no rule sets (a damaged record): the spin ends
    }
}

void modelStartSpin(MachineState& m)
{
    drawLottery(m);
}

void modelSpinStep(MachineState& m)
{
    spinStep(m);
}

void modelAfterModeTick(MachineState&)
{
    // no timers of their own outside the modes
}

void modelBeforeLaunchBeat(MachineState&)
{
    // and no side lottery
}

void modelResetDisplay(MachineState& m, int kind)
{
    resetReels(m, kind);
}

bool modelRecordIsValid(MachineState& m)
{
    if (!reelWordsAreValid(m))
        return false;
    // a travel below -2 is a slide's, on the middle reel in the model's action
    for (int r = 0; r < kFiveLineReels; r++)
        if (m.reelTravel[r] < kBounceStart
            && !(r == kMiddleReel && m.spinPhase >= kFiveLine.slideFrom && m.spinPhase <= kFiveLine.slideTo))
            return false;
    return true;
}
