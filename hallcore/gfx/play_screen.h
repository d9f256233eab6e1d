// What every machine's play screen shares: the frame of a drawing tick and
// of a repaint, and the pieces all five boards put in the same places (the
// frame lamps, the machine-top sign, the payout lamp, the balls, a
// windmill's frame). A model's screen gives its own layers and moving parts.
//
// A drawing tick (every second tick, before the hall loop steps the
// machines): the sounds; the redraw requests the clock makes; the lamp layers
// named by `dirty` redrawn into the composed board (picture 502); `dirty`
// cleared; the board copied into the scene surface; the moving parts drawn
// over it; the view presented. A repaint redraws every layer and draws the
// moving parts without counting an animation on.
#pragma once
#include "hallcore/gfx/bitmap.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_module.h"

struct PlayScreenParts {
    // dirty bits the clock adds on this drawing tick (blinking lamps)
    void (*clockRedraws)(MachineState& m, const AnimClock& clock);
    // redraws the lamp layers named by `layers` into the composed board
    void (*redrawLayers)(const MachineState& m, const AnimClock& clock, int layers);
    // draws into `view` (a copy of the composed board): the display, balls,
    // windmills...; `counting` is false on a repaint (no animation counts on)
    void (*composeMovingParts)(MachineState& m, const AnimClock& clock, Picture& view, bool counting);
    int allLayers; // every layer bit, for the repaint
};

// The model's modelPlayTick and modelPlayPaint, through its parts.
void playScreenTick(MachineState& m, const PlayScreenParts& parts);
void playScreenPaint(MachineState& m, const PlayScreenParts& parts);

// Picture 521's six frame-lamp pieces at their places: (94,0) 76x34,
// (54,37) 37x29, (0,68) 49x73 and the mirrored (310,0), (389,37), (430,68);
// the lit half when `lit`.
void drawFrameLamps(Picture& board, bool lit);

// Picture 524's sign for a fever kind at (386,4), 90 x 30.
void drawMachineTopSign(Picture& board, int feverKind);

// Picture 522's payout lamp at (4,38), 48 x 30, lit while a payout pays.
void drawPayoutLamp(Picture& board, bool lit);

// The three layers above, for the bits of `layers` that name them
// (kDirtyFrameLamps, kDirtyFeverKind, kDirtyPayoutLamp), in this order: the
// frame lamps, lit when `frameLampsLit`; the sign for the machine's fever
// kind; the payout lamp, lit on a paying launch beat's toggle.
void drawCabinetLayers(Picture& board, const MachineState& m, int layers, bool frameLampsLit);

// Every ball slot whose x is above 0: the ball (sprite 520) at (4x - 2, 4y - 4).
void drawBalls(Picture& view, const MachineState& m);

// Frame 0..2 of a windmill for its spin value: v mod 3 above 0,
// 2 - (-v mod 3) below, 1 standing.
int windmillFrame(int spin);

// One windmill (sprite 523, 36 x 36) at (x, y), from the frame column at
// `sourceX` and the set of three frames starting at row `firstRow`.
void drawWindmill(Picture& view, int x, int y, int sourceX, int firstRow, int spin);

// Piece layout of picture 521: each piece left-aligned in its 76-pixel half
// (unlit x 0, lit x 76), the left-hand pieces at rows 0, 34 and 63, the
// right-hand ones 136 rows lower. The art generators draw it this way.
struct FrameLampPiece {
    int x, y, w, h;
};
extern const FrameLampPiece kFrameLampPieces[3];
enum { kFrameLampLitX = 76, kFrameLampRightY = 136 };
