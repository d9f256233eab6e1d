#include "hallcore/hall/shops.h"

#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/sys/sys_time.h"

ShopState shops[kShopCount];

int openStateForHour(int h)
{
    static const int8_t byHour[24] = {
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // 0-9 closed
        2,                            // 10 opening hour
        1, 1, 1, 1, 1, 1,             // 11-16 open
        4, 4,                         // 17-18 rush hours
        3,                            // 19 evening hour
        1, 1,                         // 20-21 open
        0, 0,                         // 22-23 closed
    };
    if (h < 0 || h > 23)
        return kShopClosed;
    return byHour[h];
}

bool updateShopHours()
{
    BrokenDownTime now;
    sysLocalTime(now);
    // only the minute is compared: the shops change at the first check after it turns
    if (now.minute == clockNow.minute)
        return false;
    clockNow = now;
    shops[kDayShop].openState = openStateForHour(now.hour);
    shops[kNightShop].openState = openStateForHour((now.hour + 12) % 24);
    return true;
}

int recountCustomers(int shop)
{
    ShopState& s = shops[shop];
    int n = 0;
    for (const MachineState& m : s.machines)
        if (m.occupant != kVacant)
            n++;
    s.customerCount = n;
    return n;
}

int machineNumber(int index)
{
    // one number in five is skipped: 4, 9, 14 and 19
    return index + 1 + (index + 1) / 4;
}

void resetMachine(int shop, int machine, int kind)
{
    resetMachineRecord(shopMachine(shop, machine), kind);
}
