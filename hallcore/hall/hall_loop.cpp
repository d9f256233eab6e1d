#include "hallcore/hall/customers.h"
#include "hallcore/hall/hall.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/shell/anim_clock.h"

void hallStep()
{
    if (animClock.halfPhase != 0)
        return;
    for (int s = 0; s < kShopCount; s++) {
        ShopState& shop = shops[s];
        for (int i = 0; i < kMachinesPerShop; i++) {
            MachineState& m = shop.machines[i];
            machineStep(m);
            if (m.occupant != 0)
                customerTurn(s, i);
            occupancyCheck(s, i);
        }
        if (shop.openState != kShopClosed)
            shop.lastOpenStamp = clockNow;
    }
}
