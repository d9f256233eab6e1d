#include "hallcore/machine/machine_check.h"

#include "hallcore/machine/ball_flight.h"

namespace {

bool within(int32_t v, int32_t lo, int32_t hi)
{
    return v >= lo && v <= hi;
}

void notNegative(int32_t& v)
{
    if (v < 0)
        v = 0;
}

// A ball slot must point at a point it can follow: the rail, a path of its
// stage before the path's end, or the end mark of a landed ball.
bool ballSlotIsValid(const BallSlot& b)
{
    switch (b.state) {
    case 0:
        return true;
    case 1:
        return within(b.step, 0, kRailSteps - 1);
    case 2:
    case 3: {
        bool firstStage = b.state == 2;
        if (!within(b.path, firstStage ? 0 : kFirstStagePaths, firstStage ? kFirstStagePaths - 1 : kPathCount - 1))
            return false;
        if (!within(b.step, 0, kPathEntries - 1))
            return false;
        for (int s = 0; s < b.step; s++) // the end mark must lie at or after the step
            if (isPathEnd(b.path, s))
                return false;
        return true;
    }
    case 4:
        return within(b.path, 0, kPathCount - 1) && within(b.step, 0, kPathEntries - 1) && isPathEnd(b.path, b.step);
    default: // a state of the model's own
        return modelBallSlotIsValid(b);
    }
}

} // namespace

bool repairMachineRecord(MachineState& m)
{
    notNegative(m.prizesTwoDaysAgo);
    notNegative(m.prizesYesterday);
    notNegative(m.prizesToday);
    notNegative(m.startsSincePrize);
    notNegative(m.luckReserve);
    notNegative(m.boxes);
    notNegative(m.balls);
    if (m.balls > 99999999)
        m.balls = 99999999; // far beyond any play, and payouts cannot overflow it
    if (m.soundRequest != 0 && m.soundRequest != -10000 && !within(m.soundRequest, 701, 799))
        m.soundRequest = 0;

    bool valid = within(m.occupant, 0, 5) && within(m.payoutToggle, 0, 1) && within(m.attackerOpen, 0, 1)
                 && within(m.continueBarred, 0, 1) && within(m.setting, 0, 2) && within(m.customerState, 0, 4)
                 && within(m.feverKind, 0, 3) && within(m.handleState, 0, 3) && within(m.launchPower, 0, 113)
                 && within(m.heldStarts, 0, 4) && within(m.pendingPrizePayouts, 0, 100000)
                 && within(m.pendingStartPayouts, 0, 100000) && within(m.mode, 0, 3)
                 && within(m.modeTick, 0, 1000000) && within(m.round, 0, 17)
                 && within(m.attackerCount, 0, 100000);
    for (const BallSlot& b : m.ballSlot)
        valid = valid && ballSlotIsValid(b);
    return valid && modelRecordIsValid(m); // the model's words, vHit's range among them
}
