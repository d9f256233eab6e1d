// Where machine No.5's artwork keeps its frames: the sizes of its DIBITMAP
// resources, the place of every piece inside them, and where each piece
// stands on the 480 x 432 play view. Read by the art generator
// (machines/no5/gen/art), which draws the sheets, and by the play screen,
// which cuts them; a piece's size here is always the size of its place.
#pragma once

namespace no5art {

struct Piece {
    int x, y, w, h;
};

struct Point {
    int x, y;
};

// ---------------------------------------------------------------- sizes

struct SheetSize {
    int id, width, height;
    bool sprite;
};

constexpr SheetSize kSheets[] = {
    {601, 8, 16, false},   // held-start lamp: unlit, lit
    {602, 108, 160, true}, // reel glass over the display: plain, pay line lit
    {603, 96, 229, false}, // decorative lamps L1..L5, unlit and lit
    {604, 108, 60, false}, // chance plate over the digit: no chance, one, two to come
    {605, 92, 96, false},  // attacker: closed, open, open with the V lit
    {606, 72, 756, false}, // reel strip: normal column, highlighted column
    {607, 324, 800, false}, // display pictures, 108 x 80 cells
    {608, 216, 480, true}, // display overlays and the figure
    {609, 34, 123, false}, // digit gate, digit-start lamps
    {610, 34, 256, false}, // digits 0..9, round numbers 1..16
};
constexpr int kSheetCount = sizeof kSheets / sizeof kSheets[0];

// Engine pictures whose contents are the machine's (sizes fixed by the engine):
//  520 ball 12 x 12 sprite; 521 frame lamps, 522 payout lamp and 524 the
//  machine-top sign as every board has them (hallcore/gfx/play_screen.h);
//  523 spinners 72 x 216 sprite, below.
//  521's pieces: unlit at x 0, lit at x 76; the left-hand ones at rows 0
//  (76 x 34), 34 (37 x 29) and 63 (49 x 73), the right-hand ones 136 lower.
constexpr Piece kFrameLampLeft[3] = {{0, 0, 76, 34}, {0, 34, 37, 29}, {0, 63, 49, 73}};
constexpr int kFrameLampLitX = 76, kFrameLampRightY = 136;
enum { kSpinnerLitX = 0, kSpinnerUnlitX = 36, kUpperSpinnerRow = 0, kLowerSpinnerRow = 108, kSpinnerSize = 36 };

// ---------------------------------------------------------------- the view

// The display window and the three reels in it.
constexpr Piece kDisplay = {186, 184, 108, 80};
constexpr int kReelWidth = 36;
constexpr int kReelX[3] = {186, 222, 258};

// Spinners (the corner of each 36 x 36 frame): two upper, four lower.
constexpr Point kSpinnerAt[6] = {{118, 132}, {326, 132}, {42, 236}, {402, 236}, {138, 236}, {306, 236}};

// Held-start lamps, 8 x 8 each.
constexpr Point kHeldLampAt[4] = {{221, 170}, {231, 170}, {241, 170}, {251, 170}};

// The digit lottery: digit, its start lamps round it, the gate in the out hole.
constexpr Point kDigitAt = {233, 141};
constexpr Point kDigitStartLampsAt = {223, 144};
constexpr Point kGateAt = {230, 416};

// The attacker and its count digit.
constexpr Point kAttackerAt = {194, 384};
constexpr Point kAttackerDigitAt = {206, 387};

// The chance plate above the digit.
constexpr Point kChancePlateAt = {186, 116};

// Pieces of the composed board copied back over the balls: the passages
// round the digit-start points, which the balls run behind.
constexpr Piece kBallCovers[2] = {{150, 316, 24, 22}, {306, 316, 24, 22}};

// In rounds 1..16 with the door open: the round number and the winning symbol.
constexpr Point kRoundNumberAt = {194, 193};
constexpr Point kWinningSymbolAt = {186, 222};

// ---------------------------------------------------------------- 601: held-start lamp

constexpr Piece kHeldLampUnlit = {0, 0, 8, 8};
constexpr Piece kHeldLampLit = {0, 8, 8, 8};

// ---------------------------------------------------------------- 602: reel glass

// Drawn over the reels: the curve of the drums, the seams between them and
// the pay-line marks at the window's edges, unlit (frame 0) or lit (frame 1).
constexpr Piece kGlass[2] = {{0, 0, 108, 80}, {0, 80, 108, 80}};

// ---------------------------------------------------------------- 603: decorative lamps

// A group of two lamps on the view, left and right, with their pieces in 603.
struct LampGroup {
    int w, h;
    Point left, right;          // places on the view
    Point leftUnlit, leftLit;   // in 603
    Point rightUnlit, rightLit; // in 603
};
enum { kLampGroupCount = 5 };
constexpr LampGroup kLampGroups[kLampGroupCount] = {
    {20, 50, {10, 216}, {450, 216}, {0, 0}, {20, 0}, {40, 0}, {60, 0}},         // L1 side lamps, upper
    {20, 50, {10, 266}, {450, 266}, {0, 50}, {20, 50}, {40, 50}, {60, 50}},     // L2 side lamps, lower
    {46, 33, {69, 363}, {365, 363}, {0, 100}, {46, 100}, {0, 100}, {46, 100}},  // L3 above the lower corners
    {48, 48, {130, 384}, {302, 384}, {0, 133}, {48, 133}, {0, 181}, {48, 181}}, // L4 either side of the attacker
    {12, 24, {170, 184}, {297, 184}, {80, 0}, {80, 24}, {80, 48}, {80, 72}},    // L5 beside the display
};
// Bits of a lit set: group Ln is bit n - 1.
enum { kL1 = 1, kL2 = 2, kL3 = 4, kL4 = 8, kL5 = 16 };

// ---------------------------------------------------------------- 604: chance plate

enum { kChancePlateW = 108, kChancePlateH = 20, kChancePlateFrames = 3 };

// ---------------------------------------------------------------- 605: attacker

enum { kAttackerW = 92, kAttackerH = 32 };
enum { kAttackerClosed = 0, kAttackerOpen = 1, kAttackerVLit = 2 }; // frame at row 32 x frame

// ---------------------------------------------------------------- 606: reel strip

// Cell c of the strip (symbol 15 - c) at rows 42 c .. 42 c + 41; the first
// three cells repeated after the fifteenth, so a window at any source row
// 0..629 + 19 sees 80 continuous rows.
enum {
    kCellPixels = 42,
    kStripCells = 15,
    kTurnPixels = kCellPixels * kStripCells,   // 630
    kStripRows = kTurnPixels + 3 * kCellPixels, // 756
    kReelNormalX = 0,
    kReelHighlightX = 36,
    kReelSourceAbove = 19, // the window shows a position's cell 19 rows below its top
    kWinningSymbolH = 42,
};

// ---------------------------------------------------------------- 607: display pictures

enum { kCellW = 108, kCellH = 80 };
// Rows of cells (y = 80 x row); the column is the alternate frame (x = 108 x column).
enum {
    kPictureAttract = 0,    // mode 0: column 0 while blink256 is on, 1 while off
    kPictureFanfare = 1,    // round 0, column blink64
    kPictureV = 2,          // the V, column blink64
    kPictureRoundFirst = 3, // rounds 1..3, 4..6, ... 16: row 3 + (round - 1) / 3
    kPictureEnding = 9,     // round 17, column chanceCount 0..2
    kRoundBackdrops = 6,
};
// Inside a round backdrop: the plate the round number sits on and the
// frame of the winning symbol (window coordinates).
constexpr Piece kRoundPlate = {kRoundNumberAt.x - kDisplay.x, kRoundNumberAt.y - kDisplay.y, 20, 16};
constexpr Piece kSymbolFrame = {kWinningSymbolAt.x - kDisplay.x, kWinningSymbolAt.y - kDisplay.y, 36, 42};

// ---------------------------------------------------------------- 608: overlays and the figure

enum { kFigureW = 54, kFigureH = 80 };
constexpr Piece kOverlayChanceReach = {0, 0, 108, 80};  // spinPhase 1 on a chance symbol
constexpr Piece kOverlaySpare = {108, 0, 108, 80};      // not shown by the screen
constexpr int kFigureFallingY = 80;                     // fast spin: falling 0, landed 54, slashing 108 / 162
constexpr Piece kOverlayNearStop = {0, 160, 108, 80};   // fast spin: the right reel about to stop
constexpr Piece kOverlayFastLost = {108, 160, 108, 80}; // fast spin lost
constexpr int kFigureWalkingY = 240;                    // revival: walking 54 / 0, waiting 162 / 108
constexpr int kFigureStandingY = 320;                   // revival: standing 0, the revival 54, walking on 162 / 108
constexpr int kOverlayRevivalLostY = 400;               // revival lost: 0 and 108 alternate

// ---------------------------------------------------------------- 609: gate and digit-start lamps

enum { kGateW = 34, kGateH = 16, kGateImages = 3 };                       // closed, open, caught, from y 0
enum { kStartLampsW = 34, kStartLampsH = 15, kStartLampsY = 48, kStartLampsImages = 5 }; // 0..4 lit

// ---------------------------------------------------------------- 610: digits and round numbers

enum { kDigitW = 14, kDigitH = 21 };               // 0..9 at x 0
enum { kRoundNumberX = 14, kRoundNumberW = 20, kRoundNumberH = 16 }; // 1..16

} // namespace no5art
