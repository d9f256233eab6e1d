// Machine No.3's play screen: the rules that decide what is drawn, and the
// composition of the board, the reel window and the moving parts into the
// program's surfaces. The window layer only presents the finished view.
#pragma once
#include "hallcore/gfx/bitmap.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_words.h"
#include "no3.h"

namespace no3screen {

// Redraw bits of MachineState::dirty: the six lamp layers of the composed board.
enum {
    kLayerFrameLamps = kDirtyFrameLamps,
    kLayerFeverKind = kDirtyFeverKind,
    kLayerPayoutLamp = kDirtyPayoutLamp,
    kLayerHeldStarts = kDirtyHeldStarts,
    kLayerLampGroup = kDirtyLampGroup, // strip, side, corner, bottom, reel-side, top and pocket lamps, door counter
    kLayerDoor = kDirtyAttacker,
    kAllLayers = 63,
};

// The lamp group's state for one redraw, and the lit windmills and ornaments.
struct LampFlags {
    int strip;       // frame 0..3 of the lamp strip under the reels
    bool a, b, c, d, e; // side and corner lamps; bottom lamp; reel-side lamps; top lamp; pocket lamps
    bool f;          // upper windmills lit
    bool g;          // top ornaments lit
};
LampFlags lampFlags(const MachineState& m, const AnimClock& clock);

// The frame lamps are lit in a fever on the slow blink.
bool frameLampsLit(const MachineState& m, const AnimClock& clock);

// Frame 0..5 of the V strip over the open door.
int vStripFrame(const MachineState& m, const AnimClock& clock);

// Source row 0..287 of the demo strip in the attract display.
int demoStripRow(int modeTick);

// Visible height 0..80 of the round caption dropping into the window.
int captionHeight(int modeTick);

// The line marks flashed over the reels, as line bits of lineMask
// (kLineAllTwos expanded into the lines it stands for); 0 when none show.
int visibleMarks(const MachineState& m, const AnimClock& clock);

// What the reel window shows.
enum WindowContent {
    kShowDemo,       // attract display
    kShowReels,      // the nine reels (with their marks)
    kShowScroll,     // reels scrolling up out of the window onto a fever panel
    kShowFanfare,    // fanfare panel with the fanfare picture sliding in
    kShowEnding,     // ending panel
    kShowRoundPanel, // round panel with the dropping caption (door closed)
    kShowV,          // the V picture (door open, V animation running)
};
WindowContent windowContent(const MachineState& m);

// The round panel resource (603..606) and its row (intro or normal).
int roundPanelSheet(int round);
int roundPanelRow(int round, int modeTick);

// Redraws the lamp layers named by `layers` into the composed board.
void redrawLayers(const MachineState& m, const AnimClock& clock, int layers);

// Draws into `view` (a copy of the composed board): the reel window, the
// balls, the windmills and the ornaments. `countV` counts a V frame in vHit;
// a repaint draws the same picture without counting.
void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool countV);

// One drawing tick: sounds, redraw requests from the clock, dirty layers,
// the view, presented to the play window.
void drawPlayFrame(MachineState& m);

// The full repaint of the play window.
void paintPlayView(MachineState& m);

} // namespace no3screen
