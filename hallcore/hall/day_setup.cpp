#include "hallcore/hall/customers.h"
#include "hallcore/hall/hall.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/hall/player_slots.h"

void daySetUp()
{
    for (int s = 0; s < kShopCount; s++) {
        ShopState& shop = shops[s];
        shop.customerCount = 0;
        if (shop.openState == kShopClosed) {
            // every machine vacant and idle; settings, reserves and the
            // prize statistics stay
            for (int i = 0; i < kMachinesPerShop; i++)
                resetMachine(s, i, kResetClear);
            continue;
        }
        int32_t elapsed = secondsBetween(shop.lastOpenStamp, clockNow);
        if (elapsed >= 1) {
            for (int i = 0; i < kMachinesPerShop; i++)
                simulateAbsence(elapsed, s, i);
            recountCustomers(s);
        }
    }
    for (int i = 0; i < kPlayerSlots; i++)
        initPlayerSlot(i);
    activeSlot = 0;
}
