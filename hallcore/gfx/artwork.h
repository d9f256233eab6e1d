// The program's artwork: the palette, the three off-screen surfaces, every
// picture and sprite of the DIBITMAP resources and the four composed
// pictures. Created once before the child windows exist, released once at
// shutdown after the tick clock stopped; nothing is loaded in between.
#pragma once
#include "hallcore/gfx/bitmap.h"
#include "hallcore/machine/machine_module.h"

// Surfaces every screen is composed on before it is copied to its window.
extern Picture panelSurface; // 128 x 432, the info panel
extern Picture sceneSurface; // 480 x 432, street, hall and play screens
extern Picture wideSurface;  // 672 x 432, the hall's slide and the handle

// Pictures composed at start-up from pieces of 500 and 508.
extern Picture panelTabs;   // 128 x 104: tab faces P1..P4, rows 0 / 26 / 52 / 78
extern Picture panelMiddle; // 128 x 188: face 0 (street) rows 0..93, face 1 rows 94..187
extern Picture sceneStrip;  // 128 x 48: the play scene's strip, one face of 24 rows per view
extern Picture mapIcons;    // 24 x 72: occupant icons 0..5, left-hand column then right-hand

// One entry of the artwork table: a DIBITMAP resource, its documented size
// and how it is loaded (the module's own pictures are entries of the same kind).
typedef ModelPicture ArtEntry;

// The pictures and sprites of step 7 of the creation, in their load order
// (the engine's, then this program's machine pictures, then the sprites).
int artworkLoadCount();
const ArtEntry& artworkLoadEntry(int i);

// Entry of resource `id`, or null when the program has no such picture.
const ArtEntry* artworkEntry(int id);

// A loaded picture (500, 501, 502 and every plain picture of the table) or
// sprite; an empty one for an id the program does not have.
Picture& artPicture(int id);
const Sprite& artSprite(int id);

// The machine's board background (picture 502), which the play screen draws
// its lamp layers into.
Picture& boardPicture();

// Palette from picture 500, surfaces, 500/501/502, the composed pictures and
// the table in order. Fails at the first resource that is missing, is not an
// 8-bit picture or has another size than documented; what was made so far
// is released again.
bool createArtwork();

// Frees everything createArtwork made; safe to call twice.
void releaseArtwork();
