// Machine No.3 in the hall: what its customers do while nobody watches.
#include <cstdint>

#include "hallcore/machine/random.h"
#include "no3.h"

// No.3 has no chance state: once a fever is over, its odds are the plain ones.
bool modelInChanceState(const MachineState&)
{
    return false;
}

// A prize period needs a reserve and a one-in-three draw. The fever kind
// comes out 2 on one draw in three (unless the machine already holds 3), 3
// otherwise. The fever leaves the customer 1248 to 1880 balls up, less the
// more spins the customer has played since.
bool modelAbsencePrize(MachineState& m)
{
    if (!(m.luckReserve > 0 && oneIn(3)))
        return false;
    m.prizesToday += 1;
    m.luckReserve -= 1;
    int r = randomNext() % 3;
    m.feverKind = (r == 0 && m.feverKind != 3) ? 2 : 3;
    int g = randomNext() % 80;
    // a tray that came from a file may hold anything: the count stops at the top
    int64_t balls = (int64_t)m.balls + 1880 - 8 * g;
    m.balls = balls > INT32_MAX ? INT32_MAX : (int32_t)balls;
    m.startsSincePrize = g + 40;
    return true;
}

int modelAbsenceLostBalls()
{
    return 500;
}
