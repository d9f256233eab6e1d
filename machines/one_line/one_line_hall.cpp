// The one-line machines in the hall: the fever kind a big prize gives, the
// chance state the customers follow, a new machine's reserve, and the
// catch-up of the time the program was not running (the same rules on
// No.4 and No.5, read through the model's chance symbols).
#include <cstdint>

#include "hallcore/machine/random.h"
#include "one_line.h"

// 8 keeps the right for good; the other chance symbols keep it; 5 and 10
// take it away unless a chance state goes on (or the kind is 3); any other
// symbol takes it away on a machine that had none.
int modelFeverKind(const MachineState& m)
{
    const int kind = m.feverKind;
    switch (m.reachSymbol) {
    case 8:
        return 3;
    case 5:
    case 10:
        return m.chanceCount < 1 && kind != 3 ? 1 : kind;
    default:
        if (isChanceSymbol(m.reachSymbol))
            return kind == 0 ? 2 : kind;
        return kind == 0 ? 1 : kind;
    }
}

bool modelInChanceState(const MachineState& m)
{
    return m.chanceCount > 0;
}

int modelNewLuckReserve()
{
    return 16 + randomNext() % 32;
}

// A tray that came from a file may hold anything: the count stops at the top.
static void addBalls(MachineState& m, int64_t amount)
{
    int64_t balls = static_cast<int64_t>(m.balls) + amount;
    m.balls = balls > INT32_MAX ? INT32_MAX : static_cast<int32_t>(balls);
}

static void takeFromReserve(MachineState& m)
{
    if (m.luckReserve > 0)
        m.luckReserve -= 1;
}

// A period brings a big prize when the reserve holds more than ten and one
// draw in four passes; half of those start a chance state of 2 to 9 prizes,
// which the following periods pay out one a period.
bool modelAbsencePrize(MachineState& m)
{
    if (m.luckReserve > 10 && oneIn(4)) {
        m.prizesToday += 1;
        takeFromReserve(m);
        if (oneIn(2)) {
            m.chanceCount = randomNext() % 8 + 2;
            m.feverKind = (randomNext() % 2 == 0 && m.feverKind != 3) ? 2 : 3;
            int h = randomNext() % 16;
            addBalls(m, 2072 - 8 * h);
            m.startsSincePrize = h + 16;
        } else {
            m.startsSincePrize = randomNext() % 80 + 40;
            addBalls(m, randomNext() % 80 + 40);
        }
        return true;
    }
    if (m.chanceCount >= 1) {
        m.prizesToday += 1;
        takeFromReserve(m);
        m.chanceCount -= 1;
        addBalls(m, 2200);
        m.startsSincePrize = randomNext() % 16 + 16;
        return true;
    }
    return false;
}

int modelAbsenceLostBalls()
{
    return 500;
}
