// The contract between the engine and a machine module: everything a model
// provides, in one list.
//
// Each program links the engine with exactly one module (machines/noN/). The
// module's folder is on the include path, so "machine_model.h" is its record
// and numbers and "machine_identity.h" its names; the engine reads the
// record's words by name and calls the hooks below, with no tables of
// offsets and no virtual calls. A module keeps only its numbers, tables,
// rules, pictures and sounds; a mechanism two models share lives in a
// machines/<mechanism>/ folder compiled into both.
//
// What machine_model.h must define, besides MachineState with the common
// head and tail words at their documented places (machine_layout.h):
//   kStartPayoutBalls, kPrizePayoutBalls  balls paid per owed payout
//   kIdleSteps, kIdleAfterPlaySteps       the timers of modes 0 and 1
//   kPathCount                            paths in the ball path table
//   kWindmillPictureWidth                 width of picture 523 (36 or 72)
//   kWaveSampleRate                       its waves' sample rate
//   spinPhaseWord(m)                      the word holding the spin's phase
#pragma once
#include "hallcore/machine/ball_slot.h"
#include "machine_model.h"

enum {
    kFirstStagePaths = 128, // paths 0..127 carry a launched ball to an entry zone
};

// ---------------------------------------------------------------- the step
//
// Every step, in this order (machine_step.cpp): modeTick += 1;
// modelAfterModeTick; the mode handler (modes 0 and 1 are the engine's, and
// start a spin through modelStartSpin; mode 2 is modelSpinStep, mode 3
// modelFeverStep); modelBeforeLaunchBeat; on the launch beat the launch,
// the payout and the box count; the balls; modelSlowWindmills.

// Start of a spin: the lottery and the display set-up. Called with the held
// start already taken, before startsSincePrize is counted and the mode,
// phase and spin sound are set.
void modelStartSpin(MachineState& m);

// Right after modeTick is counted, before the mode handler (lamp timers,
// reel effects). Models with nothing to do there leave it empty.
void modelAfterModeTick(MachineState& m);

// One step of mode 2; ends the spin in mode 1 (no prize) or mode 3 (big prize).
void modelSpinStep(MachineState& m);

// One step of mode 3; ends the fever in mode 1.
void modelFeverStep(MachineState& m);

// After the mode handler, before the launch beat (side lotteries that run on
// every step whatever the mode).
void modelBeforeLaunchBeat(MachineState& m);

// ---------------------------------------------------------------- resets

// Resets of kinds 0, 1 and 3: put the display into a fresh losing pattern,
// standing still, and clear the model's own display, spin and board words
// (windmills included). Kinds 0 and 1 then put the reels where a new day
// starts them. Called before any other word of the reset is drawn, so its
// random draws come first.
void modelResetDisplay(MachineState& m, int kind);

// The luck reserve of a new machine (reset kind 0), drawn after its setting.
int modelNewLuckReserve();

// ---------------------------------------------------------------- records

// A record read from a file: repairs what may be repaired in the model's own
// words, then true when every one of them (and every tail word whose range
// is the model's, like vHit) is in the range play produces. The engine has
// checked the common words; a record that fails starts as a new machine.
bool modelRecordIsValid(MachineState& m);

// A ball slot in a state beyond the engine's 0..4 (a model's own, like a
// stage): whether its words can be followed.
bool modelBallSlotIsValid(const BallSlot& b);

// ---------------------------------------------------------------- the board

// The model's path table (its generated noN_paths.cpp); see ball_flight.h
// for the block format. Every ball in flight reads it every step, so the
// lookup is inline.
extern const unsigned char (*const modelPathTable)[32][2];

// Entry (x, y) of a path of the model's path table: path 0..kPathCount-1,
// step 0..31.
inline const unsigned char* modelPathEntry(int path, int step)
{
    return modelPathTable[path][step];
}

// A first-stage ball reached the end of its path with that outcome code
// (8 x entry zone): choose its second stage. The slot is already at step 0,
// state 3; the model may send it elsewhere (another state of its own).
void modelChooseSecondStage(MachineState& m, BallSlot& ball, int code);

// A ball moved to (x, y) on the upper (first stage) or lower (second stage)
// board: windmills it passes start turning.
void modelUpperBoardHit(MachineState& m, int x, int y);
void modelLowerBoardHit(MachineState& m, int x, int y);

// Every step, a second-stage ball has just moved (its next point is entry
// `step` of its path): the door, wings, gates and the V may take it. Returns
// kBallRemoved when the ball ends here without landing (the engine frees the
// slot), else kBallGoesOn; the ball may have been put on another path.
enum { kBallGoesOn = 0, kBallRemoved = 1 };
int modelSecondStageBall(MachineState& m, BallSlot& ball);

// Every step, a ball in a state beyond the engine's 0..4 (a stage).
// Models with no such state free the slot.
void modelOwnBallStep(MachineState& m, BallSlot& ball);

// A ball landed with its path's outcome code: payouts, held starts, the door.
void modelLandBall(MachineState& m, const BallSlot& ball, int code);

// Every step after the balls: turning windmills slow down.
void modelSlowWindmills(MachineState& m);

// ---------------------------------------------------------------- the hall

// The fever kind a fever that just started gives the machine, by the
// model's rule (from what won and the kind it had).
int modelFeverKind(const MachineState& m);

// A chance state: big prizes at raised odds are still to come. Its customer
// plays on after closing and does not leave rich, a vacated machine in one
// is taken at the next occupancy check, and the hall flashes its lamp.
// Models without chance states return false.
bool modelInChanceState(const MachineState& m);

// One 20-minute period of the start-up catch-up for a customer who stayed at
// the machine: draws, in the model's order, whether the period brought a big
// prize and books it (prizesToday, luckReserve, feverKind, balls,
// startsSincePrize and the model's own words). False for a losing period,
// which the hall then books with modelAbsenceLostBalls.
bool modelAbsencePrize(MachineState& m);

// Balls a customer loses in a losing 20-minute period of the catch-up.
int modelAbsenceLostBalls();

// ---------------------------------------------------------------- presentation

// One DIBITMAP of the module: its id, documented size and whether it is
// loaded as a sprite (with a mask made from the key colour).
struct ModelPicture {
    int id;
    int width, height;
    bool sprite;
};

// The machine's own pictures (601..612), in ascending id; the engine loads
// the plain ones after its pictures and the sprites after its sprites.
int modelPictureCount();
const ModelPicture& modelPicture(int i);

// The machine's waves (701..), in ascending id: how long each is, and
// whether it is played looped (its end must join its start without a click).
struct ModelWave {
    int id;
    int tenths; // length in tenths of a second
    bool looped;
};
int modelWaveCount();
const ModelWave& modelWave(int i);

// On each drawing tick of the play screen: turns the machine's soundRequest
// into sounds by the model's table (only while soundOn) and clears it.
// `launchBeat` is true on the ticks where count512 is 0.
void modelServeSound(MachineState& m, bool launchBeat);

// The seated machine's screen, every tick while it is shown: lamps on their
// redraw bits, reels, balls, windmills, the door; the sounds it asks for.
void modelPlayTick(MachineState& m);

// Its full repaint.
void modelPlayPaint(MachineState& m);
