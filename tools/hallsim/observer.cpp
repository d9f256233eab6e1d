#include "tools/hallsim/observer.h"

#include "tools/hallsim/odds.h"

void MachineWatch::begin(const MachineState& m)
{
    keepWords(m);
    drawKnown = false;
    feverKnown = false;
}

int MachineWatch::launchedThisPass(const MachineState& m)
{
    int n = 0;
    for (const BallSlot& b : m.ballSlot)
        n += b.state == 1 && b.step == 1;
    return n;
}

int MachineWatch::paidThisPass(const Words& b, const MachineState& m, int launched, bool& unresolved)
{
    if (b.payoutToggle == 1)
        return 0; // the beat after a paying one pays nothing
    int start = b.pendingStart > 0 ? kStartPayoutBalls : 0;
    if (b.pendingPrize > 0)
        return start + kPrizePayoutBalls;
    // Nothing owed before the pass: only a door closing in this step can have
    // swept balls from its mouth into the prize payouts before the payout.
    bool doorClosed = b.mode == 3 && m.mode == 3 && b.round >= 1 && b.round <= 16 && m.round != b.round;
    if (!doorClosed)
        return start;
    if (start == 0)
        return m.payoutToggle == 1 ? kPrizePayoutBalls : 0;
    // both may have paid: the tray tells, unless the customer's side moved it
    if (m.occupant == b.occupant && m.customerState == b.customerState) {
        int tray = m.balls - b.balls + launched;
        if (tray == start || tray == start + kPrizePayoutBalls)
            return tray;
    }
    unresolved = true;
    return start;
}

bool MachineWatch::passWithEvents(const MachineState& m, bool beat, PassEvents& e)
{
    const Words& b = before;
    e = PassEvents{};
    if (beat) {
        e.fired = launchedThisPass(m);
        e.paid = paidThisPass(b, m, e.fired, e.unresolved);
    }
    e.arrived = b.occupant == 0 && m.occupant != 0;

    // a spin starts: the lottery has drawn (and maybe redrawn the setting)
    if (b.mode != 2 && m.mode == 2) {
        drawKnown = true;
        draw.setting = m.setting;
        draw.quick = drawHasQuickChance(b.continueBarred, b.startsSincePrize, m.setting);
        draw.chance = !draw.quick && b.chanceCount > 0;
        draw.reach = false;
        draw.prize = false;
        draw.favoured = simChanceSymbolsFavoured(m);
        atSpinStart = m; // what the lottery set up, for telling the reach at the end
    }
    // a spin ends, in a fever or not
    if (b.mode == 2 && m.mode != 2) {
        if (drawKnown) {
            e.spinDone = true;
            e.spin = draw;
            e.spin.reach = simSpinShowedReach(atSpinStart, m);
            e.spin.prize = m.mode == 3;
        }
        if (m.mode == 3) {
            feverKnown = drawKnown;
            fever = FeverDone{draw.setting, 0, 0, false};
        }
        drawKnown = false;
    }
    // the fever's first step books the chance state: a machine in none that
    // now is one has started a chain
    if (m.mode == 3 && b.mode == 3 && b.chanceCount <= 0 && simChanceCount(m) > 0 && feverKnown) {
        e.chainStarted = true;
        e.chainSetting = fever.setting;
    }
    if (m.mode == 3) {
        fever.steps++;
        if (m.round != b.round && m.round >= 1 && m.round <= 16)
            fever.rounds++;
    }
    // the fever is over; the ending has kept the right or taken it
    if (b.mode == 3 && m.mode != 3) {
        if (feverKnown) {
            e.feverDone = true;
            e.fever = fever;
            e.fever.kept = feverKeepsRight(m.feverKind);
        }
        feverKnown = false;
    }
    keepWords(m);
    return true;
}
