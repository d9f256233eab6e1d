#include "hallcore/hall/customers.h"

#include "hallcore/hall/hall.h"
#include "hallcore/hall/hall_events.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/random.h"

int maxCustomers(int shop)
{
    switch (shops[shop].openState) {
    case kShopOpen:
        return 8;
    case kShopOpeningHour:
    case kShopEveningHour:
    case kShopRushHours:
        return 12;
    default: // closed, or a state no clock check sets: nobody comes in
        return 0;
    }
}

int crowdLimit(int shop)
{
    switch (shops[shop].openState) {
    case kShopOpen:
        return 4;
    case kShopOpeningHour:
    case kShopEveningHour:
    case kShopRushHours:
        return 8;
    default:
        return 0;
    }
}

// The machine the player of the active slot sits at: only that player is
// told about the machine at once; the others hear of it when the user
// switches to their slot.
static bool watchedByActivePlayer(const MachineState& m)
{
    return activePlayerSlot().machine == &m && m.occupant == activeSlot + 2;
}

static bool ballsInFlight(const MachineState& m)
{
    for (const BallSlot& b : m.ballSlot)
        if (b.state != 0)
            return true;
    return false;
}

// The customer goes home; balls still in the air land in the empty tray.
static void customerLeaves(int shop, int machine)
{
    resetMachine(shop, machine, kResetVacate);
    recountCustomers(shop);
    hallDirty = 1;
}

static bool idle(const MachineState& m)
{
    return m.heldStarts == 0 && m.mode <= 1;
}

// The books of a fever, kept on the first step of its fanfare, of its first
// round and of its ending.
static void feverMilestone(MachineState& m, int machine)
{
    switch (m.round) {
    case 0: // fanfare: the win decides the kind; the right to go on comes back
        m.feverKind = modelFeverKind(m);
        m.prizesToday += 1;
        m.dirty |= kDirtyFeverKind;
        m.continueBarred = 0;
        postHallEvent(kHallEventFeverStarted, machine, 0);
        break;
    case 1: // the payouts begin: a broke customer buys in again to play them
        if (m.occupant == kCustomer && m.customerState == kCustomerOutOfBalls) {
            m.customerState = kCustomerPlaying;
            m.balls = kCustomerBuys;
        }
        break;
    case 17: // ending: kinds 0 and 1 lose the right to go on
        if (m.feverKind == 0 || m.feverKind == 1) {
            m.continueBarred = 1;
            m.feverKind = 0;
        }
        m.dirty |= kDirtyFeverKind;
        break;
    default:
        break;
    }
}

void customerTurn(int shop, int machine)
{
    ShopState& s = shops[shop];
    MachineState& m = s.machines[machine];
    const bool watched = watchedByActivePlayer(m);

    // Out of balls: nothing in the tray, nothing in the air, nothing owed.
    // Only a machine in play runs out: a player already told to stand up
    // (states 3 and 4) stays told, or the stand-up would turn into a notice.
    if (m.balls <= 0 && m.customerState == kCustomerPlaying && !ballsInFlight(m)
        && m.pendingPrizePayouts <= 0 && m.pendingStartPayouts <= 0) {
        m.customerState = kCustomerOutOfBalls;
        if (watched)
            postHallEvent(kHallEventOutOfBalls, machine, 0);
    }

    if (m.mode == 3 && m.modeTick == 1)
        feverMilestone(m, machine);

    // Closing time: a fever (or a chance state) is played out first.
    if (s.openState == kShopClosed && m.mode != 3 && !modelInChanceState(m))
        m.continueBarred = 1;

    // Standing up, once the machine has nothing left to spin. A player out of
    // balls is stood up too: left seated, they could only buy balls at a
    // closed shop (or without the right to go on) and lose on the exchange.
    bool standing = m.customerState == kCustomerPlaying || (m.occupant >= kFirstPlayerSeat && m.customerState == kCustomerOutOfBalls);
    if (m.continueBarred == 1 && standing && idle(m)) {
        m.customerState = s.openState != kShopClosed ? kCustomerBarred : kCustomerClosing;
        if (m.occupant >= kFirstPlayerSeat) {
            // a player is stood up by the shell; a player in another slot
            // hears of it on switching there, and launches nothing meanwhile
            if (watched)
                postHallEvent(kHallEventStandUp, machine, m.customerState);
        } else if (s.openState != kShopClosed) {
            // a customer exchanges what fills whole units and starts over
            int32_t keep = m.balls % kExchangeUnit;
            resetMachine(shop, machine, kResetVacate);
            m.occupant = kCustomer;
            m.launchPower = kCustomerPower;
            m.balls = keep + kCustomerBuys;
        } else {
            customerLeaves(shop, machine);
        }
    }

    // A broke customer leaves a crowded shop one time in two, else buys again.
    if (m.customerState == kCustomerOutOfBalls && m.occupant == kCustomer && idle(m)) {
        if (oneIn(2) && s.customerCount > crowdLimit(shop)) {
            customerLeaves(shop, machine);
            return;
        }
        m.customerState = kCustomerPlaying;
        m.balls = kCustomerBuys;
    }
}

void occupancyCheck(int shop, int machine)
{
    if (animClock.count1024 != 0)
        return;
    ShopState& s = shops[shop];
    MachineState& m = s.machines[machine];
    if (m.occupant == kCustomer) {
        if (m.balls > kRichBalls && oneIn(1800) && !modelInChanceState(m))
            customerLeaves(shop, machine);
    } else if (m.occupant == kVacant) {
        if (s.customerCount >= maxCustomers(shop))
            return;
        // a machine left in its fever (or chance state) is taken at once
        bool arrives = oneIn(30);
        if (arrives || m.mode == 3 || modelInChanceState(m)) {
            m.occupant = kCustomer;
            m.launchPower = kCustomerPower;
            m.balls = kCustomerBuys;
            recountCustomers(shop);
            hallDirty = 1;
        }
    }
    // players' machines are the players' business
}
