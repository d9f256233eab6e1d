// Machine No.5's play screen: the rules that decide what is drawn, as small
// functions of the record and the animation clock, and the composition of
// the composed board and the view through the engine's play-screen frame
// (hallcore/gfx/play_screen.h). Every source rectangle these rules give lies
// inside its picture whatever the record's words hold.
#pragma once
#include "hallcore/gfx/bitmap.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/machine_words.h"
#include "machines/one_line/one_line_screen.h"
#include "no5.h"

namespace no5screen {

// Redraw bits of MachineState::dirty: the layers of the composed board.
enum {
    kLayerFrameLamps = kDirtyFrameLamps,
    kLayerSign = kDirtyFeverKind,
    kLayerPayoutLamp = kDirtyPayoutLamp,
    kLayerHeldStarts = kDirtyHeldStarts,
    kLayerLamps = kDirtyLampGroup, // decorative lamps and the chance plate, then the held-start lamps
    kLayerAttacker = kDirtyAttacker, // the attacker and its count digit
    kAllLayers = 0x3F,
};

// A reach, a fast spin and a revival tell their end this many steps after
// the right reel has stood.
enum { kResultShownAfter = 64 };

// ---------------------------------------------------------------- the composed board

// The frame lamps flash in a fever and in the chance state.
using one_line_screen::frameLampsLit;

// The decorative lamp groups lit (no5art::kL1..kL5 bits).
int litLampGroups(const MachineState& m, const AnimClock& clock);

// Held-start lamps lit, 0..4.
int heldLampsLit(const MachineState& m);

// The attacker's frame (no5art::kAttackerClosed, kAttackerOpen, kAttackerVLit)
// and its count digit, -1 while the door is shut.
int attackerFrame(const MachineState& m, const AnimClock& clock);
int attackerDigit(const MachineState& m);

// Frame 0..2 of the chance plate: the big prizes still to come at raised odds.
int chancePlateFrame(const MachineState& m);

// Redraws the layers named by `layers` into the composed board.
void redrawLayers(const MachineState& m, const AnimClock& clock, int layers);

// The redraw bits the clock adds on a drawing tick.
using one_line_screen::clockRedraws;

// ---------------------------------------------------------------- the moving parts

// The digit lottery's pictures: gate image 0..2, start-lamp image 0..4, digit 0..9.
int gateImage(const MachineState& m);
int startLampsImage(const MachineState& m);
int shownDigit(const MachineState& m);

// The upper spinners show their lit column.
bool upperSpinnersLit(const MachineState& m, const AnimClock& clock);

// Reel strip column of a reel (normal or highlighted, flickering in the
// fast spin and the revival) and the source row of a reel position.
int reelColumnX(const MachineState& m, int reel);
int reelSourceY(int32_t position);

// What the display window shows.
enum DisplayScene {
    kShowAttract,     // mode 0
    kShowReels,       // modes 1 and 2, and the first steps of a round
    kShowFanfare,     // round 0
    kShowEnding,      // round 17
    kShowV,           // the V just taken
    kShowRoundBackdrop, // a round with its number and the winning symbol
};
DisplayScene displayScene(const MachineState& m);

// One copy into the view: `id`'s w x h at (sx, sy) to (x, y), with its key
// colour left out when `sprite`.
struct Draw {
    int id;
    bool sprite;
    int x, y, w, h;
    int sx, sy;
};

// The display window's draws in order, each inside the window and its picture.
enum { kMostDisplayDraws = 8 };
struct DisplayPlan {
    Draw items[kMostDisplayDraws];
    int count;
};
DisplayPlan displayPlan(const MachineState& m, const AnimClock& clock);

// Size of a picture the screen draws from (its layout's, or the engine's).
bool pictureSize(int id, int* width, int* height);

// Draws into `view` (a copy of the composed board): the display, the digit
// lottery, the balls with the pieces they pass behind, the spinners.
void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool counting);

} // namespace no5screen
