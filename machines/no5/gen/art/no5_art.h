// Machine No.5's art program (artgen_no5): its families of pictures and
// waves, drawn with artkit, and the drawing helpers they share (the figure,
// the reel symbols, big lettering).
#pragma once
#include "artkit.h"
#include "lamps.h"

void makeBoard(ArtSet& out);   // 502, 520..524, 601, 603, 604, 605, 609 (board.cpp)
void makeReels(ArtSet& out);   // 602, 606, 610 (reels.cpp)
void makeDisplay(ArtSet& out); // 607, 608 (display.cpp)
void makeSounds(ArtSet& out);  // waves 701..707, 709 (sounds.cpp)

// The board with every ball path over it (--paths).
Canvas boardWithPaths();
// The play views (--preview).
Previews no5Previews(const Pictures& pictures);

// ---------------------------------------------------------------- shared drawing

// Text of the 5 x 7 font stretched by whole factors across and down, filled
// with a ramp (top to bottom) and outlined; (cx, top) is its top centre.
void bigText(Canvas& c, int cx, int top, const std::string& s, int scaleX, int scaleY, const Ramp& ramp,
             uint8_t outline);

// Reel symbol 1..15 in a 36 x 42 cell at (x, y): the numeral on its emblem,
// the chance symbols (4, 8, 11, 13, 15) on a golden sunburst; `highlighted`
// draws the chance state's colouring (a dark face, glowing symbols).
void reelSymbol(Canvas& c, int x, int y, int symbol, bool highlighted);
bool chanceSymbol(int symbol);

// The figure: a small samurai with a topknot, a red headband and a sword, in
// a 54 x 80 frame at (ox, oy) on a key-coloured canvas.
struct Pose {
    double lean = 0;      // body tilt, radians, positive forward (right)
    double lift = 0;      // pixels the figure is raised (a jump)
    double crouch = 0;    // 0..1: knees bent
    int stride = 0;       // walking: -1, 0, +1 which leg is forward
    double swordArm = 0.6; // angle of the sword arm from straight down, radians, forward positive
    double otherArm = -0.3;
    double sword = 0.0;   // angle of the blade relative to the arm
    int face = 0;         // 0 keen, 1 happy, 2 sad, 3 shouting
    bool aura = false;    // the revival's glow round him
    bool slash = false;   // a white arc where the blade has been
    bool sweat = false;   // a drop beside the head
    bool bow = false;     // bowing (thanks)
    bool flip = false;    // facing left
};
void drawFigure(Canvas& c, int ox, int oy, const Pose& p);
