#include "hallcore/gfx/palette.h"

static const uint8_t kLevels[4] = {0, 128, 192, 255};

int paletteIndex(int r, int g, int b)
{
    if (b < 2)
        return 16 * b + 4 * g + r;
    return 224 + 16 * (b - 2) + 4 * g + r;
}

PaletteColour paletteColour(int index)
{
    int cube;
    if (index >= 0 && index < 32)
        cube = index;
    else if (index >= 224 && index < 256)
        cube = index - 224 + 32;
    else
        return {0, 0, 0};
    return {kLevels[cube & 3], kLevels[(cube >> 2) & 3], kLevels[cube >> 4]};
}

#include "hallcore/gfx/bitmap.h"

ProgramPalette programPalette;

int nearestPaletteIndex(const ProgramPalette& palette, int red, int green, int blue)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < palette.count; i++) {
        const PaletteColour& c = palette.entries[i];
        long dr = c.red - red, dg = c.green - green, db = c.blue - blue;
        long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

bool createPalette(int id)
{
    uint32_t size = 0;
    const uint8_t* data = findResource("DIBITMAP", id, &size);
    DibView v;
    if (!data || !decodeDib(data, size, &v))
        return false;
    ProgramPalette p = {};
    p.count = v.colours;
    for (int i = 0; i < v.colours; i++) {
        const uint8_t* e = v.colourTable + 4 * i;
        p.entries[i] = {e[2], e[1], e[0]};
    }
    p.keyIndex = nearestPaletteIndex(p, 0, 128, 128);
    p.whiteIndex = nearestPaletteIndex(p, 255, 255, 255);
    p.blackIndex = nearestPaletteIndex(p, 0, 0, 0);
    programPalette = p;
    return true;
}

void paletteColourTable(uint8_t table[1024])
{
    for (int i = 0; i < 256; i++) {
        PaletteColour c = i < programPalette.count ? programPalette.entries[i] : PaletteColour{0, 0, 0};
        table[4 * i] = c.blue;
        table[4 * i + 1] = c.green;
        table[4 * i + 2] = c.red;
        table[4 * i + 3] = 0;
    }
}
