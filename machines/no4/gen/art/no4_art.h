// Machine No.4's art program (artgen_no4): its families of pictures and
// waves, drawn with artkit.
#pragma once
#include <map>
#include <utility>

#include "artkit.h"

// The pictures of the families, written to the set in ascending id.
struct Sheets {
    std::map<int, std::pair<Canvas, bool>> byId;
    void add(int id, const Canvas& c, bool sprite) { byId[id] = {c, sprite}; }
    void writeTo(ArtSet& out) const
    {
        for (const auto& s : byId)
            out.picture(s.first, s.second.first, s.second.second);
    }
};

void makeBoard(Sheets& out);   // 502, 520..524, 601, 603..605, 609, 610 (board.cpp)
void makeFairy(Sheets& out);   // 602 (fairy.cpp)
void makeDisplay(Sheets& out); // 606..608 (display.cpp)
void makeSounds(ArtSet& out);  // waves 701..706 (sounds.cpp)

// The board with every ball path over it (--paths).
Canvas boardWithPaths();
// The play view in a few states (--preview).
Previews no4Previews(const Pictures& pictures);

// Reel symbol s (1..15) centred at (cx, cy), as on the strip.
void drawReelSymbol(Canvas& c, int cx, int cy, int s);
