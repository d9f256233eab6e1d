// Machine No.1's play screen: the rules that decide what is drawn (small
// pure functions of the record and the animation clock) and the
// composition of the composed board, the display window and the moving
// parts into the program's surfaces. The window layer only presents the
// finished view.
#pragma once
#include "hallcore/gfx/bitmap.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/machine_words.h"

namespace no1screen {

// Redraw bits of MachineState::dirty: the seven static layers of the composed board.
enum {
    kLayerFrameLamps = kDirtyFrameLamps,
    kLayerSign = kDirtyFeverKind,
    kLayerPayoutLamp = kDirtyPayoutLamp,
    kLayerHeldStarts = kDirtyHeldStarts,
    kLayerDecorLamps = kDirtyLampGroup, // 602..605
    kLayerAttacker = kDirtyAttacker,
    kLayerCountDigit = 0x40,
    kAllLayers = 0x7F,
};

// Places on the play view.
enum {
    kWindowX = 186,
    kWindowY = 180,
    kWindowW = 108,
    kWindowH = 80,
    kDoorOpensAt = 64, // modeTick of a round at which the door opens
    kAttractSteps = 480,
};

// ---- the state the lamps follow ----

// The middle reel still has distance to run (a stop bounce does not count).
bool middleTravelling(const MachineState& m);
// The reels are busy: a fever, or a spin whose middle reel still runs.
bool reelsBusy(const MachineState& m);
// The machine performs: busy reels in a fever or past the plain run.
bool performing(const MachineState& m);

struct DecorLamps {
    bool reel;   // 602, beside the display window
    bool side;   // 603
    bool pocket; // 604
    bool corner; // 605
};
DecorLamps decorLamps(const MachineState& m, const AnimClock& clock);

bool frameLampsLit(const MachineState& m, const AnimClock& clock);
// Held-start lamps lit, 0..4.
int heldLampsLit(const MachineState& m);
// Frame of 612: attackerCount mod 10 in a fever, else the blank.
int countDigitFrame(const MachineState& m);

// The redraw bits the clock adds on a drawing tick.
int clockRedrawBits(const MachineState& m, const AnimClock& clock);

// ---- the display window ----

enum WindowContent {
    kShowReels,    // the three reels, with marks and covers
    kShowAttract,  // mode 0: the attract sequence
    kShowFanfare,  // round 0
    kShowEnding,   // round 17
    kShowV,        // the V picture while vHit runs 1..63
    kShowSkyRound, // rounds 1-2, 5-6, 9-10, 13-14 with the door open: the scrolling panorama
    kShowWalkRound, // rounds 3-4, 7-8, 11-12, 15-16 with the door open: the character walks
};
WindowContent windowContent(const MachineState& m);

// Source row 0..335 of a reel's strip for its position (position - 4, wrapped
// onto the strip's turn, so no position reads past the picture).
int reelSourceRow(int reelPos);
// The reels are drawn from the second-colour columns (the slow action's blink).
bool secondColourReels(const MachineState& m, const AnimClock& clock);

struct Place {
    int x, y;
};
struct Rect {
    int x, y, w, h;
};
// The line marks flash: the blink128's dark half during a reach action, or
// in a fever.
bool marksShown(const MachineState& m, const AnimClock& clock);
// The 36 x 32 marks of line 1..6 (view places); the count, 0 for no line.
int lineMarks(int line, Place out[6]);
// The stop-and-go action darkens the cells off the reach line.
bool coversShown(const MachineState& m);
// The covers of a reach line 1..6 (view rectangles); the count.
int lineCovers(int line, Rect out[4]);

// A frame of the character (609) at a view place; `shown` false: none.
struct CharacterAt {
    bool shown;
    int x, y;   // in the window's coordinates of the view
    int frame;  // source row in 609
};

// Attract sequence, t = modeTick 0..479.
// Row of the work buffer (reels at 180, the picture at 260) the window shows from.
int attractWindowRow(int t);
// The character running across the attract picture (work-buffer place).
CharacterAt attractCharacter(int t, const AnimClock& clock);
enum AttractWords {
    kAttractNoWords,
    kAttractTitle,    // the title overlay, at titleRise() rows below its place
    kAttractMessages, // the two closing overlays, by the slow blink
};
AttractWords attractWords(int t);
int titleRise(int t); // 80 (below the picture) down to 0 (in place)

// Round scenes (door open), t = modeTick.
int panoramaX(int t);          // source x in 607's top row, 0..215
int starBandX(int t);          // source x in 608's star band, 0..214
CharacterAt standingCharacter(const MachineState& m, const AnimClock& clock);
CharacterAt walkingCharacter(const MachineState& m, const AnimClock& clock);
int standingPose(int round);   // 609 row of the standing frames
Place walkBackdrop(int round); // 607 cell of a walking round's backdrop
int roundNumberRow(int round); // 611 source row, round clamped to 1..16

// 607 cells of the fever pictures.
Place fanfarePicture(int modeTick);
Place endingPicture(const AnimClock& clock);
Place vPicture(int vHit);

// ---- composition ----

// Redraws the static layers named by `layers` into the composed board.
void redrawLayers(const MachineState& m, const AnimClock& clock, int layers);

// Draws into `view` (a copy of the composed board): the display window, the
// balls and the windmills. `counting` counts a V frame in vHit; a repaint
// draws the same picture without counting.
void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool counting);

// One drawing tick and the full repaint, through the engine's frame.
void drawPlayFrame(MachineState& m);
void paintPlayView(MachineState& m);

} // namespace no1screen
