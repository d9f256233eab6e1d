#include "hallcore/players/money.h"

#include "hallcore/machine/machine_words.h"

#include <cstdio>
#include <cstring>

#include "hallcore/players/registry.h"
#include "hallcore/players/sjis_text.h"

const int32_t ballPrices[kPurchaseChoices] = {100, 500, 1000};
int rememberedPurchase = 0;

// Adds without wrapping: money and results saturate at the 32-bit limits.
static int32_t addSaturated(int32_t a, int64_t b)
{
    int64_t s = (int64_t)a + b;
    if (s > INT32_MAX)
        return INT32_MAX;
    if (s < INT32_MIN)
        return INT32_MIN;
    return (int32_t)s;
}

int buyBalls(int slot, int choice)
{
    PlayerSlot& s = playerSlots[slot];
    PlayerRecord* p = findPlayer(s.name);
    if (!p || choice < 0 || choice >= kPurchaseChoices)
        return STR_NOT_ENOUGH_MONEY;
    int32_t price = ballPrices[choice];
    if (p->money < price)
        return STR_NOT_ENOUGH_MONEY;
    MachineState& m = *s.machine;
    m.balls = addSaturated(m.balls, price / 4);
    p->money -= price;
    p->history[0].amount = addSaturated(p->history[0].amount, -price);
    if (m.customerState == kCustomerOutOfBalls)
        m.customerState = kCustomerPlaying; // has balls again
    rememberedPurchase = choice;
    return 0;
}

void sitDown(int slot)
{
    PlayerSlot& s = playerSlots[slot];
    PlayerRecord* p = findPlayer(s.name);
    MachineState& m = *s.machine;
    m.balls = p ? p->leftoverBalls : 0;
    if (p)
        p->leftoverBalls = 0;
    if (m.balls <= 0)
        m.customerState = kCustomerOutOfBalls; // must buy balls first
}

bool cashOut(int slot, CashOut* out)
{
    PlayerSlot& s = playerSlots[slot];
    int32_t b = s.heldBalls;
    if (b <= 0)
        return false;
    int32_t yen = (b / kBallsPerExchange) * kYenPerExchange;
    if (b / kBallsPerExchange > INT32_MAX / kYenPerExchange)
        yen = INT32_MAX;
    int32_t rest = b % kBallsPerExchange;
    PlayerRecord* p = findPlayer(s.name);
    if (p) {
        p->money = addSaturated(p->money, yen);
        p->history[0].amount = addSaturated(p->history[0].amount, yen);
        p->leftoverBalls = rest;
    }
    s.heldBalls = 0;
    if (out)
        *out = {b, yen, rest};
    return true;
}

int32_t closeVisit(int slot)
{
    PlayerSlot& s = playerSlots[slot];
    PlayerRecord* p = findPlayer(s.name);
    if (!p)
        return 0;
    int32_t r = p->history[0].amount;
    if (r > 0 && p->wins < INT32_MAX)
        p->wins += 1;
    if (r < 0 && p->losses < INT32_MAX)
        p->losses += 1;

    // the shop's five best: the first place whose amount is strictly less
    ResultEntry* table = s.shopState->highScores;
    for (int k = 0; k < 5; k++) {
        if (table[k].amount >= r)
            continue;
        for (int i = 4; i > k; i--)
            table[i] = table[i - 1];
        ResultEntry& e = table[k];
        std::memset(&e, 0, sizeof e);
        formatMonthDay(clockNow, e.dateText);
        copyShiftJis(e.label, p->name, sizeof e.label - 1);
        e.amount = r;
        break;
    }

    if (p->best.amount < r) {
        std::memcpy(p->best.dateText, p->history[0].dateText, sizeof p->best.dateText);
        std::memcpy(p->best.label, p->history[0].label, sizeof p->best.label);
        p->best.amount = r;
    }
    return r;
}
