// Machine No.4's art program (artgen_no4): its families of pictures and
// waves, drawn with artkit.
#pragma once
#include "artkit.h"

// The families; the program puts their pictures in ascending id.
void makeBoard(ArtSet& out);   // 502, 520..524, 601, 603..605, 609, 610 (board.cpp)
void makeFairy(ArtSet& out);   // 602 (fairy.cpp)
void makeDisplay(ArtSet& out); // 606..608 (display.cpp)
void makeSounds(ArtSet& out);  // waves 701..706 (sounds.cpp)

// The board with every ball path over it (--paths).
Canvas boardWithPaths();
// The play view in a few states (--preview).
Previews no4Previews(const Pictures& pictures);

// Reel symbol s (1..15) centred at (cx, cy), as on the strip.
void drawReelSymbol(Canvas& c, int cx, int cy, int s);
