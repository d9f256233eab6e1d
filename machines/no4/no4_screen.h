// Machine No.4's play screen: the rules that decide what is drawn (small
// pure functions of the record and the animation clock), and the
// composition of the board, the display and the moving parts into the
// program's surfaces. The window layer only presents the finished view.
#pragma once
#include "hallcore/gfx/bitmap.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/machine_words.h"
#include "machines/one_line/one_line_screen.h"

namespace no4screen {

// Redraw bits of MachineState::dirty: the six layers of the composed board.
enum {
    kLayerFrameLamps = kDirtyFrameLamps,
    kLayerSign = kDirtyFeverKind,
    kLayerPayoutLamp = kDirtyPayoutLamp,
    kLayerHeldStarts = kDirtyHeldStarts,
    kLayerLamps = kDirtyLampGroup, // decorative lamps, the chance meter, then the held-start lamps
    kLayerAttacker = kDirtyAttacker,
    kAllLayers = 63,
};

// ---------------------------------------------------------------- lamps

// The decorative lamp groups, as bits.
enum { kGroupA = 1, kGroupC = 2, kGroupD = 4, kGroupG = 8, kGroupH = 16 };
int litGroups(const MachineState& m, const AnimClock& clock);

// The frame lamps flash on the slow blink in a big prize and in a chance state.
using one_line_screen::frameLampsLit;

// Image of held-start lamp i (0..3): no4art::kHeldOff, kHeldNewest, kHeldOn.
int heldLampImage(const MachineState& m, int i);

// Image of the attacker: closed, open, open with V.
int attackerImage(const MachineState& m);

// Image of the chance meter: chanceCount held to 0..2.
int chanceImage(const MachineState& m);

// Images of the wings (0 closed, 1 open) and of the wing-lottery lamp (0..3).
int wingsImage(const MachineState& m);
int wingLampImage(const MachineState& m);

// Pose of the fairy on the display's crown (no4art::kFairy*).
int fairyPose(const MachineState& m, const AnimClock& clock);

// ---------------------------------------------------------------- display

// What one of the display's three windows shows, every source already held
// inside its picture. The base fills the window (or nothing: the board's
// glass shows); a picture may hang from the window's top over it, `slideRows`
// rows of its lower part; a flash or V frame of 607 may be drawn over both.
struct WindowView {
    int baseSheet; // 606 or 608, 0 for none
    int baseX, baseY;
    int slideRows; // 0..48
    int slideX, slideY; // in 606: the top of the sliding picture (its lower rows show)
    int overlayY;       // -1 none, else the row of a frame of 607
    int overlayX;
};
struct DisplayView {
    WindowView window[3];
};
DisplayView displayView(const MachineState& m, const AnimClock& clock);

// Source row in 606 of a reel at `position` (any value: wrapped into one turn).
int stripRow(int position);
// Source row in 607 of the flash frame for a reel effect (-36..36, held), -1 for 0.
int flashRow(int effect);
int flashColumn(int effect);
// Source row in 606 of number n (held to 0..16).
int numberRow(int n);
// Source row in 607 of the V frame for vHit 1..72.
int vFrameRow(int vHit);
// Source column in 608 of window w for the panning panoramas.
int winPanOffset(int modeTick);
int endPanOffset(int modeTick);
// A big prize won on one of the two chance symbols (4 or 8).
bool chanceSymbolWin(const MachineState& m);

// What the display writes into the record on a drawn frame: the flash of a
// big prize won on an ordinary symbol and of its ending.
void displayWritesEffects(MachineState& m);
// After a drawn frame: the V animation counts on.
void countVFrame(MachineState& m);

// ---------------------------------------------------------------- drawing

// Redraws the layers named by `layers` into the composed board.
void redrawLayers(const MachineState& m, const AnimClock& clock, int layers);
// The redraws the clock asks for on this drawing tick.
using one_line_screen::clockRedraws;
// Into `view` (a copy of the composed board): the display, the wings and
// their lamp, the balls, the gate fronts back over them, the spinners and
// the fairy. `counting` is false on a repaint (nothing counts on).
void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool counting);

} // namespace no4screen
