// Machine No.2's art program (artgen_no2): its families of pictures and
// waves, drawn with artkit.
#pragma once
#include "artkit.h"

void makeBoard(ArtSet& out);  // 502, 520..524, 601..605 (board.cpp)
void makeReels(ArtSet& out);  // 606, 608 (reels.cpp)
void makeSounds(ArtSet& out); // waves 701..710 (sounds.cpp)

// The sprite of the reel window's six lamps (602), drawn apart from the board
// because it lies over the reels (board.cpp).
Canvas windowLampSheet();
// Reel strip sheet 606 (reels.cpp).
Canvas reelStripSheet();

// The board with every ball path over it (--paths).
Canvas boardWithPaths();
// The play view in a few states (--preview).
Previews no2Previews(const Pictures& pictures);
