// Where machine No.2's artwork keeps its frames and where the play screen
// puts them: the sizes of its DIBITMAP resources, the place of every piece
// inside them, and the place of every piece on the play view. Read by the
// play screen, which cuts the sheets, and by the art generator
// (machines/no2/gen/art), which draws the board and cuts the pieces from it
// at the same places, so a piece's size always matches its place and a lamp
// layer copied over the board never shows a seam.
#pragma once

namespace no2art {

struct Piece {
    int x, y, w, h;
};

// A piece of a sheet and where the play view shows it.
struct Placed {
    int x, y;   // on the view
    Piece from; // in the sheet (its first frame)
};

// ---- sizes of the resources ----
struct SheetSize {
    int id, width, height;
    bool sprite;
};

constexpr SheetSize kSheets[] = {
    {601, 40, 54, false},   // held-start lamps
    {602, 192, 228, true},  // reel window lamps, four states side by side
    {603, 264, 427, false}, // side decorations
    {604, 100, 84, false},  // bottom corner lamps
    {605, 116, 126, false}, // attacker: closed, open, its lamp and its V part
    {606, 144, 632, false}, // reel strips and the shading band
    {608, 16, 242, false},  // round digits 0..9 and a blank
};

// Engine pictures whose contents are the machine's (sizes fixed by the engine).
//  520 ball, 12 x 12 sprite.
//  521 frame lamps 152 x 272: unlit x 0, lit x 76 (the engine's layout,
//      play_screen.h: kFrameLampPieces).
//  522 payout lamp 48 x 60: unlit rows 0..29, lit 30..59.
//  523 windmills 72 x 216 sprite: frames 0..2 of the upper windmills at
//      rows 0, 36, 72 (unlit column x 0, lit x 36), of the lower ones at
//      rows 108, 144, 180 (column x 0; x 36 repeats them).
//  524 machine-top sign 90 x 120: fever kind 0..3 at rows 0, 30, 60, 90.
constexpr int kUpperWindmillLitX = 36, kLowerWindmillRow = 108;
// The windmills on the view (36 x 36): upper left, upper right, lower left, lower right.
constexpr int kWindmillAt[4][2] = {{90, 120}, {354, 120}, {98, 240}, {346, 240}};

// ---- 601: held-start lamps, 20 x 18 ----
// Lamp i (0..3) at (197 + 22 i, 160); unlit column x 0, lit x 20; lamp 0
// uses row 0, lamps 1 and 2 row 1, lamp 3 row 2.
constexpr int kHeldLampX = 197, kHeldLampStep = 22, kHeldLampY = 160;
constexpr int kHeldLampW = 20, kHeldLampH = 18, kHeldLampLitX = 20;

// ---- 602: the reel window's six lamps (sprite) ----
// State columns of 48 pixels: off, lit, and the two colours.
enum { kLampOff = 0, kLampLit = 48, kLampColourA = 96, kLampColourB = 144 };
enum { kUpperLeft, kUpperRight, kSideLeft, kSideRight, kLowerLeft, kLowerRight, kWindowLampCount };
// Each lamp's piece in the off column (the others are 48, 96 and 144 to the
// right); the two side lamps share one piece.
constexpr Placed kWindowLamp[kWindowLampCount] = {
    {141, 162, {0, 0, 48, 48}},   // upper left
    {291, 162, {0, 48, 48, 48}},  // upper right
    {141, 210, {0, 96, 14, 36}},  // side left
    {325, 210, {0, 96, 14, 36}},  // side right
    {141, 246, {0, 132, 48, 48}}, // lower left
    {291, 246, {0, 180, 48, 48}}, // lower right
};

// ---- 603: side decorations ----
// Upper side lamps 52 x 78: left unlit, left lit, right unlit, right lit.
constexpr Placed kUpperSide[2] = {{9, 130, {0, 0, 52, 78}}, {419, 130, {104, 0, 52, 78}}};
constexpr int kUpperSideLitDx = 52;
// Small side pieces 24 x 59: left, left's other face, right, right's other face.
constexpr Placed kSmallSide[2] = {{9, 218, {0, 78, 24, 59}}, {447, 218, {48, 78, 24, 59}}};
constexpr int kSmallSideOtherDx = 24;
// Lower side pieces 88 x 145: columns unlit (x 0), lit in a spin (88), lit in a fever (176).
constexpr Placed kLowerSide[2] = {{6, 255, {0, 137, 88, 145}}, {386, 255, {0, 282, 88, 145}}};
constexpr int kLowerSideSpinX = 88, kLowerSideFeverX = 176;

// ---- 604: bottom corner lamps, 50 x 42: unlit x 0, lit x 50 ----
constexpr Placed kCornerLamp[2] = {{95, 381, {0, 0, 50, 42}}, {335, 381, {0, 42, 50, 42}}};
constexpr int kCornerLampLitX = 50;

// ---- 605: the attacker ----
constexpr Placed kDoorClosed = {182, 388, {0, 0, 116, 42}};
constexpr Placed kDoorOpen = {182, 388, {0, 42, 116, 42}};
// The open door's lamp: dark (x 22) and lit (x 0).
constexpr Placed kDoorLamp = {185, 390, {22, 84, 22, 24}};
constexpr int kDoorLampLitX = 0;
// The V part: x 44 dark or 76 lit; row 84 before the V is hit, 104 after.
constexpr Placed kDoorV = {224, 392, {44, 84, 32, 20}};
constexpr int kDoorVLitX = 76, kDoorVHitY = 104;

// ---- 608: round digits, 16 x 22: 0..9, then a blank ----
constexpr Placed kRoundDigit = {278, 391, {0, 0, 16, 22}};
constexpr int kDigitBlank = 10;

// ---- 606: reel strips ----
// Three 48-pixel columns (left, middle, right reel), cell c of 24 rows at
// row 24 c; after the 21 cells the first 120 rows again, so a 96-row window
// from any row 0..503 shows continuous strip. A reel at position P shows
// rows P - 12 .. P + 83 at (158 + 58 i, 180), strip cell P / 24 in its top
// row (y 192..215).
constexpr int kReelCells = 21, kCellRows = 24, kStripRows = kReelCells * kCellRows; // 504
constexpr int kReelW = 48, kReelH = 96;
constexpr int kReelX = 158, kReelStep = 58, kReelY = 180, kReelViewOffset = 12;
// The shading band, 48 x 8 per column, ANDed over each reel's top and bottom edge.
constexpr int kBandY = 624, kBandH = 8, kBandTopAt = 180, kBandBottomAt = 268;
// The symbol painted in each cell (1..8 numbers; 9, 10, 11 each reel's blank).
constexpr unsigned char kStrip[3][kReelCells] = {
    {1, 9, 6, 9, 9, 3, 9, 9, 7, 9, 9, 2, 9, 8, 9, 9, 5, 9, 9, 4, 9},
    {1, 10, 6, 10, 10, 3, 10, 10, 7, 10, 10, 2, 10, 8, 10, 10, 5, 10, 10, 4, 10},
    {1, 11, 4, 11, 11, 3, 11, 11, 7, 11, 11, 8, 11, 2, 11, 11, 5, 11, 11, 6, 11},
};

} // namespace no2art
