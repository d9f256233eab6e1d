// Machine No.1's art program (artgen_no1): its families of pictures and
// waves, drawn with artkit.
#pragma once
#include "artkit.h"

void makeBoard(ArtSet& out);     // 502, 520..524, 601..606 (board.cpp)
void makeDisplay(ArtSet& out);   // 607..612 (scenes.cpp, overlays.cpp, character.cpp, reels.cpp)
void makeSounds(ArtSet& out);    // waves 701..709 (sounds.cpp)

// Pictures of the display, for the others that draw with them.
Canvas displayPictures(); // 607
Canvas overlays();        // 608
Canvas character();       // 609
Canvas reelStrips();      // 610
Canvas roundNumbers();    // 611
Canvas countDigits();     // 612

// The board with every ball path over it (--paths).
Canvas boardWithPaths();
// The play views and a sheet of the display's scenes (--preview).
Previews no1Previews(const Pictures& pictures);
