// The program palette as a GDI logical palette, and its realisation. Made
// from the colour table of picture 500, which the core has read into
// programPalette.
#include "hallcore/gfx/palette.h"
#include "win32/gfx_win32.h"

static HPALETTE gdiPalette;

bool createProgramPalette()
{
    if (gdiPalette)
        return true;
    if (programPalette.count <= 0)
        return false;
    struct {
        LOGPALETTE head;
        PALETTEENTRY more[255];
    } lp;
    lp.head.palVersion = 0x300;
    lp.head.palNumEntries = (WORD)programPalette.count;
    PALETTEENTRY* e = lp.head.palPalEntry;
    for (int i = 0; i < programPalette.count; i++) {
        const PaletteColour& c = programPalette.entries[i];
        e[i].peRed = c.red;
        e[i].peGreen = c.green;
        e[i].peBlue = c.blue;
        e[i].peFlags = 0;
    }
    gdiPalette = CreatePalette(&lp.head);
    return gdiPalette != nullptr;
}

// Safe to call twice: a session end and the window's destruction both shut down.
void releaseProgramPalette()
{
    if (gdiPalette) {
        DeleteObject(gdiPalette);
        gdiPalette = nullptr;
    }
}

HPALETTE selectProgramPalette(HDC dc)
{
    if (!gdiPalette)
        return nullptr;
    HPALETTE old = SelectPalette(dc, gdiPalette, FALSE);
    RealizePalette(dc);
    return old;
}

int realisePalette(HWND window)
{
    if (!gdiPalette)
        return 0;
    HDC dc = GetDC(window);
    HPALETTE old = SelectPalette(dc, gdiPalette, FALSE);
    int remapped = (int)RealizePalette(dc);
    SelectPalette(dc, old, FALSE);
    ReleaseDC(window, dc);
    if (remapped > 0)
        InvalidateRect(window, nullptr, TRUE);
    return remapped;
}
