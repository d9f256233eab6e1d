// Where machine No.4's artwork keeps its frames: the sizes of its DIBITMAP
// resources, the place of every piece inside them and where each piece
// stands on the play view. Read by the art generator (machines/no4/gen/art),
// which draws the sheets by cutting them from renderings of the board, and
// by the play screen, which cuts them again; so a piece's size always
// matches its place.
#pragma once

namespace no4art {

struct Piece {
    int x, y, w, h;
};
struct Spot {
    int x, y;
};

// ---- sizes of the resources ----
struct SheetSize {
    int id, width, height;
    bool sprite;
};

constexpr SheetSize kSheets[] = {
    {601, 12, 36, false},   // held-start lamp: off, newest, on
    {602, 48, 192, true},   // the fairy on the display's crown, four poses
    {603, 190, 484, false}, // decorative lamps A, C, D, G, H
    {604, 84, 60, false},   // chance meter: no, one, two raised-odds prizes to come
    {605, 100, 126, false}, // attacker: closed, open, open with V
    {606, 84, 816, false},  // reel strip; round and count numbers in two colours
    {607, 84, 1728, true},  // flash frames (+, -) and V frames
    {608, 536, 192, false}, // big-prize panoramas
    {609, 66, 72, false},   // wings closed, open
    {610, 10, 56, false},   // wing-lottery lamp, four images
};

// ---- engine pictures whose contents are the machine's ----
//  520 ball, 12 x 12 sprite.
//  521 frame lamps 152 x 272 (hallcore/gfx/play_screen.h: kFrameLampPieces).
//  522 payout lamp 48 x 60: unlit rows 0..29, lit rows 30..59, at (4,38).
//  523 spinners 36 x 216 sprite: frames 0..2 of spinners 0 and 1 at rows
//      0, 36, 72; of spinners 2..7 at rows 108, 144, 180.
//  524 machine-top sign 90 x 120: fever kind 0..3 at rows 0, 30, 60, 90, at (386,4).
constexpr int kSpinnerSmallRow = 0, kSpinnerBigRow = 108;
constexpr Spot kSpinnerPlaces[8] = {{202, 412}, {242, 412}, {126, 104}, {318, 104},
                                    {142, 212}, {302, 212}, {50, 220},  {394, 220}};
constexpr int kSpinnerSize = 36;

// ---- 601: held-start lamps, 12 x 12 each ----
enum { kHeldOff = 0, kHeldNewest = 1, kHeldOn = 2 };
constexpr int kHeldLampSize = 12;
constexpr Spot kHeldLampPlaces[4] = {{210, 228}, {226, 228}, {242, 228}, {258, 228}};

// ---- 602: the fairy (sprite), 48 x 48 poses ----
enum { kFairyRest = 0, kFairyBlink = 1, kFairyCheerA = 2, kFairyCheerB = 3 };
constexpr int kFairySize = 48;
constexpr Spot kFairyPlace = {216, 70};

// ---- 603: decorative lamps ----
// Each lamp's unlit piece and its lit one; a group of two lamps keeps both.
struct LampPiece {
    Piece unlit;
    int litX, litY; // where the lit image of the same size lies
    Spot place;     // on the play view
};
constexpr LampPiece kLampA[2] = {{{0, 0, 38, 74}, 38, 0, {7, 203}}, {{95, 0, 38, 74}, 133, 0, {435, 203}}};
constexpr LampPiece kLampC[1] = {{{0, 74, 78, 52}, 95, 74, {201, 112}}};
constexpr LampPiece kLampD[2] = {{{0, 174, 95, 95}, 95, 174, {50, 336}}, {{0, 269, 95, 95}, 95, 269, {335, 336}}};
constexpr LampPiece kLampG[2] = {{{0, 126, 26, 48}, 26, 126, {178, 146}}, {{95, 126, 26, 48}, 121, 126, {276, 146}}};
constexpr LampPiece kLampH[1] = {{{0, 364, 124, 60}, 0, 424, {178, 197}}};

// ---- 604: chance meter, 84 x 20 each, by chanceCount 0..2 ----
constexpr int kChanceW = 84, kChanceH = 20;
constexpr Spot kChancePlace = {198, 257}; // under the display block, above the wings

// ---- 605: attacker, 100 x 42 each ----
enum { kAttackerClosed = 0, kAttackerOpen = 1, kAttackerV = 2 };
constexpr int kAttackerW = 100, kAttackerH = 42;
constexpr Spot kAttackerPlace = {190, 360};

// ---- 606: reel strip and numbers ----
// Column 0: the strip, cell c (40 rows from row 40 c) showing symbol 15 - c,
// symbol centred 20 rows into its cell, cells 0..5 repeated after cell 14 so
// that a window at any position 40..639 shows 48 continuous rows. Columns
// at x 28 (before the V) and 56 (after it): the numbers 0..16, 48 rows each.
constexpr int kStripX = 0, kStripW = 28, kStripRows = 816;
constexpr int kCellRows = 40, kStripCells = 15, kTurnRows = kCellRows * kStripCells;
constexpr int kNumbersX = 28, kNumbersAfterVX = 56, kNumberCount = 17;

// ---- the display: three windows of 28 x 48 ----
constexpr int kWindowW = 28, kWindowH = 48, kWindowY = 180;
constexpr int kWindowX[3] = {194, 226, 258};

// ---- 607: flash frames (sprite), 28 x 48, 36 per column ----
constexpr int kFlashPlusX = 0, kFlashMinusX = 28, kFlashVX = 56, kFlashFrames = 36, kFlashRows = 1728;

// ---- 608: panoramas, 536 x 48 each ----
enum { kPanoramaFourWin = 0, kPanoramaFourEnd = 48, kPanoramaEightWin = 96, kPanoramaEightEnd = 144 };
constexpr int kPanoramaW = 536;
// The still picture after a win on any other symbol: the first panorama
// seen at these source columns through the three windows.
constexpr int kStillX[3] = {92, 124, 156};

// ---- 609: wings, 66 x 36 each: closed at row 0, open at row 36 ----
constexpr int kWingsW = 66, kWingsH = 36;
constexpr Spot kWingsPlace = {207, 277};

// ---- 610: wing-lottery lamp, 10 x 14 each: images 0..2 plain colours, 3 the hit ----
constexpr int kWingLampW = 10, kWingLampH = 14;
constexpr Spot kWingLampPlace = {235, 281};

// ---- pieces of the composed board copied back over the balls ----
// The fronts of the two wing-lottery gates: balls pass behind them.
constexpr Piece kGateFronts[2] = {{126, 176, 24, 12}, {330, 176, 24, 12}};

} // namespace no4art
