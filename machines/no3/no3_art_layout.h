// Where machine No.3's artwork keeps its frames: the sizes of its DIBITMAP
// resources and the place of every piece inside them. Shared by the art
// generator (tools/artgen), which draws the sheets, and the No.3 play screen,
// which cuts them. Places on the play view are the play screen's; a piece's
// size here always matches its place there.
#pragma once

namespace no3art {

struct Piece {
    int x, y, w, h;
};

// ---- sizes of the resources ----
struct SheetSize {
    int id, width, height;
    bool sprite;
};

constexpr SheetSize kSheets[] = {
    {601, 420, 352, false}, // board parts: reel and demo strips, door, lamps
    {602, 176, 94, true},   // ornaments
    {603, 108, 160, false}, // round panel, rounds 1..6: intro, then normal
    {604, 108, 160, false}, // round panel, rounds 7..12
    {605, 108, 160, false}, // round panel, rounds 13..15
    {606, 108, 160, false}, // round panel, round 16
    {607, 108, 480, false}, // window pictures (kWindow* below)
    {608, 108, 80, true},   // fanfare picture
    {609, 108, 1280, true}, // round captions 1..16, 80 rows each
    {610, 16, 220, false},  // door counter digits 0..9, 22 rows each
};

// Engine pictures whose contents are the machine's (sizes fixed by the engine).
//  520 ball, 12 x 12 sprite.
//  521 frame lamps 152 x 272: unlit at x 0, lit at x 76; left-hand lamps
//      at rows 0 (76 x 34), 34 (37 x 29), 63 (49 x 73); the right-hand ones
//      136 rows lower. Every piece is left-aligned in its 76-pixel column.
constexpr Piece kFrameLampLeft[3] = {{0, 0, 76, 34}, {0, 34, 37, 29}, {0, 63, 49, 73}};
constexpr int kFrameLampLitX = 76, kFrameLampRightY = 136;
//  522 payout lamp 48 x 60: unlit rows 0..29, lit rows 30..59.
//  523 windmills 72 x 216 sprite: column 0 unlit, column 1 lit (x 36);
//      frames 0..2 of the upper windmills at rows 0, 36, 72, of the lower
//      ones at rows 108, 144, 180.
//  524 fever-kind indicator 90 x 120: kind 0..3 at rows 0, 30, 60, 90.

// ---- 601: board parts ----
// Reel strips: column 0 the 30-cell strip (reels 0, 1, 3, 5, 7, 8), column 1
// the 54-cell strip of reels 2 and 6, column 2 reel 4's; each cell 6 rows,
// the first 24 rows repeated after the last cell.
constexpr Piece kReelStrip[3] = {{0, 0, 26, 204}, {26, 0, 26, 348}, {52, 0, 26, 348}};
// Demo strip: two columns of 288 rows plus the first 24 repeated; column A
// for windows 0, 2, 7, column B for windows 1, 6, 8.
constexpr Piece kDemoStrip[2] = {{78, 0, 26, 312}, {104, 0, 26, 312}};
constexpr Piece kDoorClosed = {130, 0, 108, 36};
constexpr Piece kDoorOpen = {130, 36, 108, 36};
// V strip frames 0..5 (108 x 10) from row 72 down.
constexpr Piece kVStrip = {130, 72, 108, 10};
// Lamp strip under the reels, frames 0..3 (84 x 12) from row 0 down.
constexpr Piece kLampStrip = {238, 0, 84, 12};
// Held-start lamps: four of 24 x 16 side by side, unlit row then lit row.
constexpr Piece kHeldLamps = {238, 48, 96, 16};
constexpr int kHeldLampsLitY = 64;
// Pairs: the unlit piece, and the lit one `litDx` to its right. Lamps with a
// left and a right piece keep the right one `rightDx` further on.
struct LampPair {
    Piece unlit;
    int litDx;
    int rightDx;
};
constexpr LampPair kBottomLamp = {{322, 0, 42, 18}, 42, 0};
constexpr LampPair kTopLamp = {{130, 132, 72, 48}, 72, 0};
constexpr LampPair kPocketLamps = {{130, 180, 40, 40}, 40, 80};
constexpr LampPair kCornerLamps = {{130, 220, 72, 51}, 72, 144};
constexpr LampPair kSideLamps = {{130, 271, 28, 80}, 28, 56};
constexpr LampPair kReelSideLamps = {{242, 271, 13, 70}, 13, 26};

// ---- 602: ornaments (sprite) ----
// Top ornaments 44 x 66: left unlit, left lit, right unlit, right lit; the
// bottom ornament 142 x 28 below them.
constexpr Piece kTopOrnament[4] = {{0, 0, 44, 66}, {44, 0, 44, 66}, {88, 0, 44, 66}, {132, 0, 44, 66}};
constexpr Piece kBottomOrnament = {0, 66, 142, 28};

// ---- 603..606: round panels, 108 x 80 each: intro at row 0, normal at 80 ----
constexpr int kRoundPanelIntroY = 0, kRoundPanelY = 80;

// ---- 607: window pictures, 108 x 80 each ----
enum {
    kWindowBackdrop = 0, // behind the attract display
    kWindowFanfare = 1,  // the panel the fanfare picture slides into
    kWindowEndingA = 2,  // the ending, alternating with B
    kWindowEndingB = 3,
    kWindowVA = 4,       // the V picture, alternating with B
    kWindowVB = 5,
};
constexpr int kWindowHeight = 80;

// ---- 610: door counter digits, 16 x 22 each ----
constexpr int kDigitHeight = 22;

} // namespace no3art
