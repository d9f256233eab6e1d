#include "hallcore/gfx/handle_screen.h"

#include <cmath>

#include "hallcore/gfx/artwork.h"
#include "hallcore/hall/launch_handle.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/sys/sys_present.h"

void handleKnobCorner(int launchPower, int knob, int* x, int* y)
{
    static const int kOffsets[3] = {290, 20, 110};
    // drawing only: the simulation never sees these numbers
    double theta = (launchPower + kOffsets[knob]) * 0.017453292519444445;
    *x = 42 + (int)(42 * std::sin(theta));
    *y = 42 - (int)(42 * std::cos(theta));
}

void drawHandle()
{
    const Sprite& handle = artSprite(510);
    const MachineState& m = *activePlayerSlot().machine;
    Picture& work = wideSurface;
    copyPicture(work, 0, 0, 112, 112, artPicture(500), 8, 316); // the panel under the control
    drawSprite(work, 0, 0, 112, 112, 0, 0, handle);
    for (int k = 0; k < 3; k++) {
        int x, y;
        handleKnobCorner(m.launchPower, k, &x, &y);
        drawSprite(work, x, y, 28, 28, 84, 112, handle);
    }
    drawSprite(work, 14, 14, 84, 84, 0, 112, handle);
    switch (m.handleState) {
    case kHandleRaising: drawSprite(work, 20, 20, 72, 24, 6, 202, handle); break;
    case kHandleLowering: drawSprite(work, 20, 68, 72, 24, 6, 250, handle); break;
    case kHandlePaused: drawSprite(work, 20, 44, 72, 24, 6, 226, handle); break;
    default: break;
    }
    sysPresent(kWindowHandle, 0, 0, 112, 112, work, 0, 0);
}
