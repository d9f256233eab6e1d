#include "hallcore/machine/machine_step.h"

#include <cstring>

#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/random.h"

void startSpin(MachineState& m)
{
    m.heldStarts -= 1;
    m.dirty |= kDirtyHeldStarts;
    modelStartSpin(m);
    m.startsSincePrize += 1; // after the lottery: the first spin after a fever sees 0
    m.mode = 2;
    m.modeTick = 0;
    spinPhaseWord(m) = 0;
    if (m.soundRequest >= 0)
        m.soundRequest = kWaveSpinStart; // never replaces a pending stop-all
}

void payOut(MachineState& m)
{
    if (m.payoutToggle == 1) {
        m.payoutToggle = 0;
        m.dirty |= kDirtyPayoutLamp;
        return;
    }
    if (m.pendingStartPayouts > 0) {
        m.balls += kStartPayoutBalls;
        m.pendingStartPayouts -= 1;
        m.dirty |= kDirtyPayoutLamp;
        m.payoutToggle = 1;
    }
    if (m.pendingPrizePayouts > 0) {
        m.balls += kPrizePayoutBalls;
        m.pendingPrizePayouts -= 1;
        m.dirty |= kDirtyPayoutLamp;
        m.payoutToggle = 1;
    }
}

bool updateBoxCount(MachineState& m)
{
    int32_t full = m.balls / 2400;
    // rises as soon as balls reach a multiple of 2400, falls only once they
    // are more than 125 below it
    if (m.boxes == full || m.boxes == (m.balls + 125) / 2400)
        return false;
    m.boxes = full;
    return true;
}

bool machineStep(MachineState& m)
{
    bool boxesChanged = false;
    m.modeTick += 1;
    modelAfterModeTick(m);
    switch (m.mode) {
    case 0: // idle: the attract display
        if (m.modeTick >= kIdleSteps) {
            m.mode = 1;
            m.modeTick = 0;
        }
        if (m.heldStarts > 0)
            startSpin(m);
        break;
    case 1: // idle after play
        if (m.modeTick == 1)
            m.dirty |= kDirtyLampGroup;
        if (m.modeTick >= kIdleAfterPlaySteps) {
            m.mode = 0;
            m.modeTick = 0;
        }
        if (m.heldStarts > 0)
            startSpin(m);
        break;
    case 2:
        modelSpinStep(m);
        break;
    case 3:
        modelFeverStep(m);
        break;
    default: // a mode no rule sets (a foreign record): the machine stands still
        break;
    }
    modelBeforeLaunchBeat(m);

    if (isLaunchBeat()) {
        launchBall(m);
        payOut(m);
        boxesChanged = updateBoxCount(m);
    }
    if (anyBallInFlight(m))
        advanceBalls(m);
    if (anyWindmillTurning(m))
        slowWindmills(m);
    return boxesChanged;
}

void resetMachineRecord(MachineState& m, int kind)
{
    m.occupant = 0;
    m.continueBarred = 0;
    m.customerState = kCustomerPlaying;
    m.feverKind = 0;
    m.dirty = 0;
    m.soundRequest = 0;
    m.handleState = 0;
    m.launchPower = 0;
    m.boxes = 0;
    m.balls = 0;
    if (kind == kResetVacate)
        return; // the machine keeps its lottery, reels, starts and balls in flight

    modelResetDisplay(m, kind); // the windmills and the model's own words too
    m.payoutToggle = 0;
    m.attackerOpen = 0;
    m.heldStarts = 0;
    m.pendingPrizePayouts = 0;
    m.pendingStartPayouts = 0;
    m.mode = 0;
    m.modeTick = 0;
    m.round = 0;
    m.attackerCount = 0;
    m.vHit = 0;
    std::memset(m.ballSlot, 0, sizeof m.ballSlot);

    if (kind == kResetNew || kind == kResetNewDay) {
        m.setting = randomNext() % 3;
        m.startsSincePrize = 0;
    }
    if (kind == kResetNew) {
        m.prizesTwoDaysAgo = 0;
        m.prizesYesterday = 0;
        m.prizesToday = 0;
        m.luckReserve = modelNewLuckReserve();
    }
}
