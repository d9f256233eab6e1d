// Machine No.2's play screen: the rules that decide what is drawn, as small
// pure functions of the record and the animation clock, and the composition
// of the board's lamp layers and of the moving parts (the reel window with
// its lamps, the balls, the windmills) into the program's surfaces. The
// window layer only presents the finished view.
//
// Every rule keeps its choice inside its sheet whatever a word holds (a
// damaged file, a count past its last row): a reel position wraps round its
// strip, a round digit is the last digit of any round, a line that is none
// of the six lights nothing.
#pragma once
#include "hallcore/gfx/bitmap.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/machine_words.h"
#include "no2_art_layout.h"

namespace no2screen {

// Redraw bits of MachineState::dirty: the six lamp layers of the composed board.
enum {
    kLayerFrameLamps = kDirtyFrameLamps,
    kLayerSign = kDirtyFeverKind,
    kLayerPayoutLamp = kDirtyPayoutLamp,
    kLayerHeldStarts = kDirtyHeldStarts,
    kLayerSides = kDirtyLampGroup, // upper and lower side pieces, small side pieces, bottom corner lamps
    kLayerAttacker = kDirtyAttacker, // the door, its lamp, its V part and the round digit
    kAllLayers = 0x3F,
};

enum {
    kDoorOpensAt = 64, // modeTick of a round at which the door opens
};

// The redraw bits the clock adds on a drawing tick: on the slow blink's
// turns (count256 0) the frame lamps and the door in a fever, the side
// decorations in a spin or a fever.
int clockRedrawBits(const MachineState& m, const AnimClock& clock);

// The frame lamps are lit in a fever on the slow blink.
bool frameLampsLit(const MachineState& m, const AnimClock& clock);

// Held-start lamp i (0..3): lit while i < heldStarts; its row in 601 (lamp 0
// row 0, lamps 1 and 2 row 1, lamp 3 row 2).
bool heldLampLit(const MachineState& m, int i);
int heldLampRow(int i);

// The state column (no2art::kLampOff .. kLampColourB) of each of the reel
// window's six lamps, by the first rule of the lamp table that applies.
struct WindowLamps {
    int column[no2art::kWindowLampCount];
};
WindowLamps windowLamps(const MachineState& m, const AnimClock& clock);
// The lamps that mark a line (1..6, 6 both diagonals), as bits 1 << lamp; 0 for any other value.
int lineLamps(int line);

// The side decorations' frames.
struct SideLook {
    bool upperLit;   // the upper side lamps
    int lowerX;      // the lower side pieces' column: 0, kLowerSideSpinX or kLowerSideFeverX
    bool smallOther; // the small side pieces' other face
    bool cornersLit; // the bottom corner lamps
};
SideLook sideLook(const MachineState& m, const AnimClock& clock);

// The attacker's pieces.
struct DoorLook {
    bool open;
    bool lampLit;  // the open door's lamp
    bool vLit;     // the V part's lit column
    bool vHit;     // the V part's hit row: a ball went through the V this round
    int digit;     // the round digit's frame in 608, or -1 when none is drawn
};
DoorLook doorLook(const MachineState& m, const AnimClock& clock);

// First row of 606 shown for a reel at this position: P - 12 wrapped round
// the strip, so any position reads inside the sheet.
int reelSourceRow(int position);

// The upper windmills' column in 523: lit on the slow blink in a fever.
int upperWindmillColumn(const MachineState& m, const AnimClock& clock);

// Redraws the lamp layers named by `layers` into the composed board.
void redrawLayers(const MachineState& m, const AnimClock& clock, int layers);

// Draws into `view` (a copy of the composed board): the reels with their
// shading, the window's lamps, the balls and the windmills. No.2's screen
// counts nothing on, so a repaint draws what the tick drew.
void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool counting);

// One drawing tick: sounds, redraw requests from the clock, dirty layers,
// the view, presented to the play window.
void drawPlayFrame(MachineState& m);

// The full repaint of the play window.
void paintPlayView(MachineState& m);

} // namespace no2screen
