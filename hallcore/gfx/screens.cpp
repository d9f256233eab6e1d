#include "hallcore/gfx/screens.h"

#include "hallcore/hall/shops.h"
#include "hallcore/shell/anim_clock.h"

int hallDirty = 0;

// The street, hall and play screens are composed here once their artwork is
// in; the shops already open and close on time through the panel's clock check.

void streetTick() {}

void hallViewTick() {}

void playTick() {}

void panelTick()
{
    if (animClock.count256 == 0)
        updateShopHours();
}
