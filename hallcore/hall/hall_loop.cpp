#include "hallcore/hall/customers.h"
#include "hallcore/hall/hall.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/anim_clock.h"

int hallDirty = 0;

void hallStep()
{
    if (animClock.halfPhase != 0)
        return;
    for (int s = 0; s < kShopCount; s++) {
        ShopState& shop = shops[s];
        for (int i = 0; i < kMachinesPerShop; i++) {
            MachineState& m = shop.machines[i];
            if (machineStep(m))
                hallDirty = 1;
            if (m.occupant != kVacant)
                customerTurn(s, i);
            occupancyCheck(s, i);
        }
        if (shop.openState != kShopClosed)
            shop.lastOpenStamp = clockNow;
    }
}
