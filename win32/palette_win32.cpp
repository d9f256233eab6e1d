// The program palette as a GDI logical palette, and its realisation.
#include <cstdlib>

#include "hallcore/gfx/palette.h"
#include "win32/win32_app.h"

static HPALETTE programPalette;

bool createProgramPalette()
{
    if (programPalette)
        return true;
    struct {
        LOGPALETTE head;
        PALETTEENTRY more[255];
    } lp;
    lp.head.palVersion = 0x300;
    lp.head.palNumEntries = 256;
    PALETTEENTRY* e = lp.head.palPalEntry;
    for (int i = 0; i < 256; i++) {
        PaletteColour c = paletteColour(i);
        e[i].peRed = c.red;
        e[i].peGreen = c.green;
        e[i].peBlue = c.blue;
        e[i].peFlags = 0;
    }
    programPalette = CreatePalette(&lp.head);
    return programPalette != nullptr;
}

// Safe to call twice: a session end and the window's destruction both shut down.
void releaseProgramPalette()
{
    if (programPalette) {
        DeleteObject(programPalette);
        programPalette = nullptr;
    }
}

int realisePalette(HWND window)
{
    if (!programPalette)
        return 0;
    HDC dc = GetDC(window);
    HPALETTE old = SelectPalette(dc, programPalette, FALSE);
    int remapped = (int)RealizePalette(dc);
    SelectPalette(dc, old, FALSE);
    ReleaseDC(window, dc);
    if (remapped > 0)
        InvalidateRect(window, nullptr, TRUE);
    return remapped;
}
