// Where machine No.1's artwork keeps its frames: the sizes of its DIBITMAP
// resources and the place of every piece inside them. Read by the art
// generator (machines/no1/gen/art), which draws the sheets, and by the
// No.1 play screen, which cuts them; a piece's size here always matches the
// place the screen gives it on the play view.
#pragma once

namespace no1art {

struct Piece {
    int x, y, w, h;
};

// ---- sizes of the resources ----
struct SheetSize {
    int id, width, height;
    bool sprite;
};

constexpr SheetSize kSheets[] = {
    {601, 32, 10, false},   // held-start lamp: unlit, lit
    {602, 30, 60, false},   // lamps beside the display window
    {603, 84, 264, false},  // side lamps
    {604, 92, 124, false},  // lamps under the side pockets
    {605, 92, 116, false},  // lower corner lamps
    {606, 116, 80, false},  // attacker: closed, open
    {607, 324, 400, false}, // display pictures, 3 x 5 cells of 108 x 80
    {608, 324, 240, true},  // display overlays, marks and covers
    {609, 48, 624, true},   // the character, 12 frames of 48 x 52
    {610, 216, 480, false}, // reel strips, then the same in the second colour
    {611, 44, 480, false},  // round numbers 1..16
    {612, 15, 231, false},  // attacker-count digits 0..9 and a blank
};
constexpr int kSheetCount = sizeof kSheets / sizeof kSheets[0];

// Engine pictures whose contents are the machine's (sizes fixed by the engine):
//  520 ball, 12 x 12 sprite.
//  521 frame lamps 152 x 272, laid out as play_screen.h's kFrameLampPieces:
//      unlit at x 0, lit at x 76; the left-hand pieces at rows 0, 34, 63, the
//      right-hand ones 136 rows lower.
constexpr Piece kFrameLampLeft[3] = {{0, 0, 76, 34}, {0, 34, 37, 29}, {0, 63, 49, 73}};
constexpr int kFrameLampLit = 76, kFrameLampRight = 136;
// where the pieces stand on the play view, left side then right side
constexpr Piece kFrameLampPlaces[2][3] = {{{94, 0, 76, 34}, {54, 37, 37, 29}, {0, 68, 49, 73}},
                                          {{310, 0, 76, 34}, {389, 37, 37, 29}, {430, 68, 49, 73}}};
//  522 payout lamp 48 x 60: unlit rows 0..29, lit rows 30..59.
//  523 windmills 36 x 216 sprite: frames 0..2 of the upper windmills at rows
//      0, 36, 72, of the lower ones at rows 108, 144, 180.
//  524 machine-top sign 90 x 120: fever kind 0..3 at rows 0, 30, 60, 90.
constexpr int kWindmillUpperRow = 0, kWindmillLowerRow = 108;

// ---- 601: held-start lamp, 16 x 10, unlit at x 0, lit at x 16 ----
constexpr Piece kHeldLamp = {0, 0, 16, 10};
constexpr int kHeldLampLitX = 16;

// ---- 602..605: lamp pairs ----
// Each sheet holds two lamps of w x h: unlit in the left half, lit in the
// right half; the left-hand lamp in the top half, the right-hand lamp in
// the bottom half.
struct LampPair {
    int id;
    int w, h;
};
constexpr LampPair kReelLamps = {602, 15, 30};    // beside the display window
constexpr LampPair kSideLamps = {603, 42, 132};   // down both sides of the field
constexpr LampPair kPocketLamps = {604, 46, 62};  // under the side pockets
constexpr LampPair kCornerLamps = {605, 46, 58};  // either side of the attacker

// ---- 606: attacker 116 x 40, closed above, open below ----
constexpr Piece kAttackerClosed = {0, 0, 116, 40};
constexpr Piece kAttackerOpen = {0, 40, 116, 40};

// ---- 607: display pictures, cells of 108 x 80 ----
constexpr int kCellW = 108, kCellH = 80;
// Row 0 (all three cells) is one space panorama whose right third repeats
// its left third (it scrolls with period 216); the attract sequence shows
// its first cell.
constexpr int kPanoramaY = 0, kPanoramaPeriod = 216;
struct CellAt {
    int x, y;
};
constexpr CellAt kAttractPicture = {0, 0};
constexpr CellAt kVPicture[2] = {{0, 80}, {0, 160}};
constexpr CellAt kFanfarePicture[2] = {{108, 160}, {108, 80}}; // even modeTick, odd
constexpr CellAt kEndingPicture[2] = {{216, 160}, {216, 80}};  // slow blink off, on
// Backdrops of the walking rounds.
constexpr CellAt kBackdropRounds1to4 = {0, 240};
constexpr CellAt kBackdropRounds5to8 = {108, 240};
constexpr CellAt kBackdropRounds9to12 = {216, 240};
constexpr CellAt kBackdropFinal = {108, 320}; // rounds 13, 14 and 16
constexpr CellAt kBackdropRound15 = {0, 320};
constexpr CellAt kSpareCell = {216, 320};

// ---- 608: overlays (sprite) ----
constexpr Piece kTitleOverlay = {0, 0, 108, 80};     // the machine's name, rising into the attract picture
constexpr Piece kMessageOverlay[2] = {{108, 0, 108, 36}, {216, 0, 108, 36}}; // the attract's closing words
constexpr Piece kLineMark = {216, 48, 36, 32};       // frame round a cell of the marked line
constexpr Piece kCover = {252, 48, 36, 24};          // darkens a cell off the reach line
constexpr int kThinCoverH = 16;                      // the cover of the middle row for both diagonals
// Row 80..159: a band of stars and comets in front of the scrolling
// panorama, periodic like it (period 216).
constexpr int kStarBandY = 80;
constexpr Piece kAttractFront = {0, 160, 108, 80};  // over the attract picture
constexpr Piece kFanfareFront = {108, 160, 108, 80}; // over the fanfare picture

// ---- 609: the character, 48 x 52 a frame ----
// Six poses, each followed by its second (blink) frame 52 rows lower.
constexpr int kCharW = 48, kCharH = 52;
enum {
    kPoseWalkLeft = 0,
    kPoseWalkRight = 104,
    kPoseRunLeft = 208,
    kPoseRunRight = 312,
    kPoseCheer = 416, // the final rounds' standing pose
    kPoseStand = 520,
};

// ---- 610: reel strips ----
// Three 36-pixel columns (left, middle, right reel), then the same three in
// the second colour from x 108. Cell k of a strip is rows 24k..24k+23, the
// 14 cells repeated down to row 479, so 80 rows from any row 0..335 show the
// strip continuously.
constexpr int kReelColumnW = 36, kSecondColourX = 108, kStripCellH = 24, kStripCells = 14;
constexpr int kStripTurn = kStripCells * kStripCellH; // 336
// What the strips show, cell 0 first: symbols 1..6, and 7, 8, 9 the blank
// of the left, middle and right reel.
constexpr unsigned char kStripSymbols[3][kStripCells] = {
    {1, 7, 4, 7, 7, 2, 7, 6, 7, 3, 7, 7, 5, 7},
    {1, 8, 4, 8, 8, 2, 8, 6, 8, 3, 8, 8, 5, 8},
    {1, 9, 5, 9, 9, 3, 9, 6, 9, 2, 9, 9, 4, 9},
};

// ---- 611: round numbers 1..16, 44 x 30 each from row 0 ----
constexpr int kRoundNumberW = 44, kRoundNumberH = 30;

// ---- 612: attacker-count digits 0..9 and the blank (frame 10), 15 x 21 ----
constexpr int kDigitW = 15, kDigitH = 21, kDigitBlank = 10;

} // namespace no1art
