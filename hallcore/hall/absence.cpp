// The catch-up at start-up: what happened at a machine of an open shop while
// the program was not running, drawn in 20-minute periods.
#include <algorithm>
#include <cstdint>

#include "hallcore/hall/customers.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/random.h"

enum {
    kNewDayAfter = 43200,    // more than half a day away starts a new business day
    kSecondsPerDay = 86400,
    kMostDaysCounted = 3,    // a longer absence counts as three days
    kReserveDay = 10,        // reserve a machine gains per day away
    kMostPrizesADay = 32,
    kSecondsPerReserve = 2700,
    kSecondsPerPeriod = 1200,
};

// Adds and stops at the ends of the word: records from a file may hold
// anything, and a wrapped reserve or tray would turn a rich machine broke.
static void addClamped(int32_t& word, int64_t amount)
{
    int64_t v = (int64_t)word + amount;
    word = (int32_t)std::clamp<int64_t>(v, INT32_MIN, INT32_MAX);
}

// Seconds since the shop that is open now last opened: 10:00 or 22:00,
// whichever came last.
static int32_t secondsSinceOpening(const BrokenDownTime& t)
{
    int hour = ((t.hour + 14) % 12 + 12) % 12;
    return hour * 3600 + t.minute * 60 + t.second;
}

// The days that passed: each moves the prize history on by a day with a
// made-up count drawn against the machine's reserve. The count drawn for the
// last of them stands for the day that is starting now and is dropped.
static void passDays(MachineState& m, int64_t days)
{
    for (int64_t d = 0; d < days; d++) {
        addClamped(m.luckReserve, kReserveDay);
        int r = randomNext(); // drawn even with no reserve, so the stream stays in step
        int32_t p = m.luckReserve > 0 ? std::min<int32_t>(r % m.luckReserve, kMostPrizesADay) : 0;
        m.luckReserve -= p;
        m.prizesTwoDaysAgo = m.prizesYesterday;
        m.prizesYesterday = m.prizesToday;
        m.prizesToday = p;
    }
    m.prizesToday = 0;
}

static void customerPeriod(MachineState& m, int shop, int machine)
{
    if (oneIn(32)) { // the customer has gone
        resetMachine(shop, machine, kResetClear);
        return;
    }
    if (modelAbsencePrize(m))
        return;
    addClamped(m.startsSincePrize, randomNext() % 80 + 40);
    addClamped(m.balls, -modelAbsenceLostBalls());
    if (m.balls <= 0) // left broke
        resetMachine(shop, machine, kResetClear);
}

static void vacantPeriod(MachineState& m, int shop, int machine)
{
    if (!oneIn(3))
        return;
    resetMachine(shop, machine, kResetClear);
    m.occupant = kCustomer;
    addClamped(m.startsSincePrize, randomNext() % 80 + 40);
    m.balls = randomNext() % 125 + 25;
}

void simulateAbsence(int32_t elapsed, int shop, int machine)
{
    if (elapsed < 1)
        return; // the shop was seen open this very second: nothing to catch up
    MachineState& m = shops[shop].machines[machine];
    int64_t e = elapsed;
    if (e > kNewDayAfter) {
        resetMachine(shop, machine, kResetNewDay);
        passDays(m, std::min<int64_t>(e / kSecondsPerDay, kMostDaysCounted));
        e = secondsSinceOpening(clockNow);
    }
    addClamped(m.luckReserve, e / kSecondsPerReserve);

    const int64_t periods = e / kSecondsPerPeriod + 1;
    for (int64_t k = 0; k < periods; k++) {
        if (m.occupant != kVacant)
            customerPeriod(m, shop, machine);
        else
            vacantPeriod(m, shop, machine);
    }

    if (m.occupant != kVacant) {
        // Whoever sits here now is a customer who goes on playing. A player
        // from the last run cannot still be here: the slots start empty, and
        // a player's number left in the record would hold the machine forever.
        m.occupant = kCustomer;
        m.launchPower = kCustomerPower;
    } else if (m.startsSincePrize != 0) {
        resetMachine(shop, machine, kResetClear);
    }
}
