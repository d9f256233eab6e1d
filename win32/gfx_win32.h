// The Win32 side of the artwork: DIB sections as the core's bitmaps, the
// program's resources, and showing a composed surface in a window.
#pragma once
#include "hallcore/gfx/bitmap.h"
#include "win32/win32_app.h"

// Creation step 2: bitmaps as DIB sections, resources from the program,
// the sound call, then the core's artwork (palette from picture 500,
// surfaces, every picture) and the GDI palette made from it. False when a
// resource is missing or damaged; the main window's creation then fails.
bool createArtworkWin32();

// Shutdown: every bitmap, the scratch context and the palette.
void releaseArtworkWin32();

// Copies w x h from (sx, sy) of a picture to (x, y) of a device context
// with one blit, the program palette selected and realised around it.
void presentPicture(HDC target, int x, int y, int width, int height, const Picture& source, int sx, int sy);

// Selects the program palette into a device context and realises it;
// returns the palette to select back afterwards.
HPALETTE selectProgramPalette(HDC dc);

