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
