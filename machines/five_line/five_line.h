// The three-reel, five-line mechanism of machines No.1 and No.2, written
// once and read through each model's description (kFiveLine, defined by the
// model). The model keeps its lottery, its reach actions, its fever-kind
// rule and whatever its board has beyond the shared one.
//
// Reels: three reels (left, middle, right) of three visible rows. A reel at
// position P shows strip cell (P / 24 + row) mod cells in row 0 (top), 1
// (middle) and 2 (bottom). Travel lowers P, so the symbols move down through
// the window; a reel is kept in posMin..posMin + turn - 1 after every move.
// reelTravel > 0: pixels still to run; 0: standing; < 0: a stop bounce (or a
// slide) counting up to 0. reelBoost: cells still to add, one a step, while
// the reel runs.
//
// A spin, by spinPhase (the model names its action phases between):
//   0           all reels run; the right reel's stop checks for a reach, the
//               middle reel's stop ends the spin (fiveLineRunReels)
//   1..settle-1 the model's reach turn and actions on the middle reel
//   settle      48 steps standing, then the win check decides (fiveLineSettle)
// The prize is decided by what the reels show, not by drawOutcome.
#pragma once
#include "five_line_board_types.h"
#include "hallcore/machine/machine_module.h"

enum {
    kFiveLineReels = 3,
    kLeftReel = 0,
    kMiddleReel = 1,
    kRightReel = 2,
    kTopRow = 0,
    kMiddleRow = 1,
    kBottomRow = 2,
    kCellPixels = 24,
    kMaxStripCells = 21,
    kLineBothDiagonals = 6, // a reach on lines 1 and 5 at once (never a win)
    kBounceStart = -2,      // a plain stop bounce: -2 (position -4), -1 (+4)
};

// One row of a slide table: while the middle reel's travel (counting up by
// one a step towards 0) is from..to, its position changes by `move` a step.
struct SlideRow {
    int from, to;
    int move;
};

// A stop the middle reel makes after its action: the travel it is set to
// when its run ends, and what each value does on the way back up to 0.
struct SlideTable {
    int start;          // travel value the slide begins at (-2, -32, -106)
    const SlideRow* rows;
    int rowCount;
    int soundAt;        // on the step this value is read, the stop sound (unless a stop-all waits); 0: none
};

struct FiveLineModel {
    // the strips
    int cells;                                  // cells a strip: 14 or 21
    const unsigned char* strip[kFiveLineReels]; // cell 0 first
    int numberSymbols;                          // symbols 1..numberSymbols; the rest are each reel's blank
    int posMin;                                 // a reel is kept in posMin..posMin + turn - 1
    int turn;                                   // pixels in one full turn: cells * 24
    int newDayPos;                              // where resets of kinds 0 and 1 stand every reel
    // the run of phase 0
    int startTravel[kFiveLineReels]; // whole turns: the left reel stops first, then the right, the middle last
    int fastAbove, midAbove;         // travel above fastAbove moves fastMove, above midAbove midMove ...
    int fastMove, midMove, slowMove; // ... else slowMove pixels a step
    // the end of a spin
    int settlePhase; // the phase that stands and then checks for a win
    int maxPhase;    // the last phase play uses (the settle)
    int maxOutcome;  // drawOutcome 0..maxOutcome
    int settleSteps; // steps standing before the win check
    int deepestSlide; // most negative travel a slide starts at
    int slideFrom, slideTo; // the middle reel's travel is below -2 (a slide's) only in these phases
    int longestTravel; // the longest travel any set-up gives a reel
    // the fever
    int introSteps;        // round 0
    int doorOpensAt;       // modeTick of a round at which the door opens
    int doorClosesAt;      // ... and at which it closes at the latest
    int ballsPerRound;     // the door closes on this attacker ball
    int endingSteps;       // round 17
    int introDirty;        // redraw bits at the intro's first step
    int closeDirty;        // ... when the door closes
    int endDirty;          // ... when the ending is over
    int endingSound;       // wave requested at the ending's second step (0: none)
    // the board
    int startPocketCode;   // path outcome of the start pocket (the prize pocket is 15)
    int doorBallDirty;     // redraw bits when a door ball lands
    bool vOnRightwardDoor; // a ball landing from path 193 is the V (else the model's own V rule)
    const five_line::AttackerMouth* mouth;
    const five_line::WindmillZone* upperZones;
    int upperZoneCount;
    const five_line::WindmillZone* lowerZones;
    int lowerZoneCount;
    int upperBase, lowerBase;   // a kick sets a windmill to base + phase
    int upperLimit, lowerLimit; // within ±limit a windmill slows to a frame every second step
    // the hall: the fever kind by the winning symbol, and the catch-up
    int keepForGoodSymbol; // kind 3: the right to go on kept for good
    int keepSymbol;        // kind 2, unless the machine holds a kind already
    int takeAwaySymbol;    // kind 1, the right taken away at the ending, unless the machine holds kind 3
    int absenceLostBalls;  // what a customer loses in a period while nobody watches
};

// The model's description (machines/noN/noN_rules.cpp).
extern const FiveLineModel kFiveLine;

enum {
    kLucky = 0,         // the variant of a zone's lucky path
    kDoorLeftward = 192, // the attacker run from right to left
    kDoorRightward = 193, // ... from left to right, into the V zone
    kCodePrizePocket = 15,
};

// ---------------------------------------------------------------- reels

// Symbol of strip cell `cell` of a reel; any index wraps (a true modulo).
int stripSymbol(int reel, int cell);
// Position brought into posMin..posMin + turn - 1.
int normalisedPosition(int pos);
// Moves a reel by `delta` pixels (negative: the way travel goes) and keeps
// it in its range.
void moveReel(MachineState& m, int reel, int delta);
// Strip cell a reel shows in a row now.
int shownCell(const MachineState& m, int reel, int row);
// Strip cell a reel will show in a row once its travel and boost have run
// (for a standing reel, what it shows).
int stopCell(const MachineState& m, int reel, int row);
int stopSymbol(const MachineState& m, int reel, int row);
// Row of each reel on a line 1..5 (line 6, both diagonals, reads as line 1).
int lineRow(int line, int reel);
// The middle reel's row of a reach line: top for 2, bottom for 4, else middle.
int reachMiddleRow(int line);

// Reach check on the left and right reels' stop cells: sets reachLine only.
bool reachCheck(MachineState& m);
// Win check on all nine stop cells: sets reachSymbol and reachLine (0 and 0
// when nothing won).
bool winCheck(MachineState& m);
// The smallest k in 0..cells-1 for which the cell k cells down from the
// reel's row holds the symbol (a reel that runs its whole turns and k more
// cells then stops with it there); `cells` if the strip lacks it.
int cellsToSymbol(const MachineState& m, int reel, int symbol, int row);

// The reel set-up at a spin's start for drawOutcome: the whole turns; for a
// planned reach (outcome > 0) reachSymbol, reachLine and the boosts that
// bring it into the line, else random boosts that stop on no reach. Draws,
// in this order: symbol, line, middle boost (planned) or the three boosts
// and, on a reach, the parity that picks the reel to move.
void setUpReels(MachineState& m);

// Phase 0, one step: every reel moves, left, middle, right. Returns what
// happened, for the model's rules.
enum {
    kReachFound = 1,   // the right reel stopped on a reach: drawOutcome 0 became 1
    kMiddleStopped = 2, // the middle reel stopped: the spin is in its settle phase
};
int runReels(MachineState& m);
// One step of a reel running down its travel by at most `step` pixels (a
// damaged travel that is no multiple of it still ends). True when the travel
// is used up (0 already counts).
bool runMiddle(MachineState& m, int step);
// One step of the middle reel's stop: travel counts up by one and the
// position changes by the table's value in force. True when it reached 0.
bool slideMiddle(MachineState& m, const SlideTable& t);
// The plain stop bounce every reel makes.
extern const SlideTable kPlainBounce;
// The settle phase, one step: at settleSteps (or past) the win check; a win
// starts the fever, else the machine goes idle.
void settle(MachineState& m);
// Ends a spin whose phase no rule sets: straight to the settle.
void endDamagedSpin(MachineState& m);

// Resets of kinds 0, 1 and 3: a fresh losing pattern standing still.
void resetReels(MachineState& m, int kind);

// ---------------------------------------------------------------- fever

void feverStep(MachineState& m);

// ---------------------------------------------------------------- board

// The open door takes a lower-board ball crossing its mouth: odd x onto
// path 192, even x onto 193, at the first point at or beyond its x
// (catchAtDoorMouth). A ball already on a door path is left alone.
void doorCapture(BallSlot& ball);
// doorJoinStep (big_prize.h) on door path 192 (leftward) or 193.
int doorJoinStep(int path, int x);
bool onDoorPath(const BallSlot& ball);

// ---------------------------------------------------------------- records

// The mechanism's words of a record read from a file: true when every one
// is in a range play produces.
bool reelWordsAreValid(const MachineState& m);

// ---------------------------------------------------------------- the spin

// Mode 2, every step (modelSpinStep): phase 0 runs the reels and, when the
// right reel stops on a reach, calls firstReachSetUp; the settle phase
// settles; the phases between are the model's (reachStep); a phase no rule
// sets (a damaged record) ends the spin.
void spinStep(MachineState& m);

// ---------------------------------------------------------------- the model's part

// The start lottery and the reel set-up (modelStartSpin).
void drawLottery(MachineState& m);
// The middle reel's travel once the right reel stopped on a reach.
void firstReachSetUp(MachineState& m);
// One step of the model's reach phases, 1 .. settlePhase - 1; false for a
// phase the model has none of.
bool reachStep(MachineState& m);
