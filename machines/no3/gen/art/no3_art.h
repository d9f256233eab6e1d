// Machine No.3's art program (artgen_no3): its families of pictures and
// waves, drawn with artkit.
#pragma once
#include "artkit.h"

void makeBoard(ArtSet& out);               // 502, 520..524, 601, 602 (board.cpp)
void makeDisplay(ArtSet& out);             // 603..610 (display.cpp)
void makeSounds(ArtSet& out);              // waves 701..708 (sounds.cpp)
void drawReelAndDemoStrips(Canvas& sheet); // the strips of 601 (display.cpp)

// The board with every ball path over it (--paths).
Canvas boardWithPaths();
// The play view (--preview).
Previews no3Previews(const Pictures& pictures);
