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

// The program palette as built at start-up from picture 500's colour table,
// with its three indices found by nearest-colour lookup.
struct ProgramPalette {
    PaletteColour entries[256];
    int count;
    int keyIndex;   // nearest to RGB 0,128,128: 20 with the delivered artwork
    int whiteIndex; // nearest to RGB 255,255,255: 255
    int blackIndex; // nearest to RGB 0,0,0: 0
};

extern ProgramPalette programPalette;

// The first entry closest to (r, g, b) by squared distance, as GDI's
// nearest-index lookup picks it.
int nearestPaletteIndex(const ProgramPalette& palette, int red, int green, int blue);

// Builds `programPalette` from the colour table of DIBITMAP resource `id`
// and looks up its key, white and black indices. Fails when the resource is
// missing or is not an 8-bit picture.
bool createPalette(int id);

// The program palette as a 256-entry colour table, blue, green, red, 0 each.
void paletteColourTable(uint8_t table[1024]);
