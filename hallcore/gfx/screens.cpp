#include "hallcore/gfx/screens.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_module.h"
#include "hallcore/shell/anim_clock.h"
#include "hallcore/shell/handle.h"
#include "hallcore/shell/player_slots.h"
#include "hallcore/sys/sys_present.h"

int hallDirty = 0;

// The street is a still picture: its tick only keeps the palette realised.
void streetTick()
{
    if (animClock.count256 == 0)
        sysRealisePalette(kWindowStreet);
}

void paintStreet()
{
    copyPicture(sceneSurface, 0, 0, 480, 432, artPicture(501), 0, 0);
    sysPresent(kWindowStreet, 0, 0, 480, 432, sceneSurface, 0, 0);
}

void hallViewTick() {}

void paintHall()
{
    sysPresent(kWindowHall, 0, 0, 480, 432, sceneSurface, 0, 0);
}

void playTick()
{
    modelPlayTick(*activePlayerSlot().machine);
}

void paintPlay()
{
    modelPlayPaint(*activePlayerSlot().machine);
}

void panelTick()
{
    handleStep();
    if (animClock.count256 == 0)
        updateShopHours();
}

void paintPanel()
{
    copyPicture(panelSurface, 0, 0, 128, 432, artPicture(500), 0, 0);
    sysPresent(kWindowPanel, 0, 0, 128, 432, panelSurface, 0, 0);
}
