// The street (a still picture) and the play screen, which belongs to the
// machine module. The hall view is in hall_screen.cpp, the info panel in
// panel_screen.cpp.
#include "hallcore/gfx/screens.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/sys/sys_present.h"

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

void playTick()
{
    modelPlayTick(*activePlayerSlot().machine);
}

void paintPlay()
{
    modelPlayPaint(*activePlayerSlot().machine);
}
