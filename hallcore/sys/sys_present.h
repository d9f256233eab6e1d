// Platform: showing a composed surface in a window. The core composes every
// screen into its 8-bit surfaces (hallcore/gfx); the window layer only copies
// a rectangle of one to a window, with the program palette realised.
#pragma once
#include "hallcore/gfx/bitmap.h"

enum {
    kWindowStreet = 0,
    kWindowHall = 1,
    kWindowPlay = 2,
    kWindowPanel = 3,
    kWindowHandle = 4, // the launch handle control inside the panel
};

// Copies w x h from (sx, sy) of `source` to (x, y) of the window's client
// area. Inside a paint of that window it draws into the paint's context.
void sysPresent(int window, int x, int y, int width, int height, const Picture& source, int sx, int sy);

// Realises the program palette on a window whose screen draws nothing this
// tick (the still street).
void sysRealisePalette(int window);
