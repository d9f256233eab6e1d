// The program palette: a 64-colour cube with the levels 0, 128, 192 and 255
// per channel, at indices 0..31 (blue 0 and 128) and 224..255 (blue 192 and
// 255). Black is 0, white 255, and the sprites' transparent key, RGB 0,128,128,
// is index 20. The 192 indices between are black and never drawn.
#pragma once
#include <cstdint>

struct PaletteColour {
    uint8_t red, green, blue;
};

enum {
    kPaletteBlack = 0,
    kPaletteKey = 20,
    kPaletteWhite = 255,
};

// Colour of palette index 0..255.
PaletteColour paletteColour(int index);

// Index of the colour with level indices 0..3 (for 0, 128, 192, 255) per channel.
int paletteIndex(int redLevel, int greenLevel, int blueLevel);
