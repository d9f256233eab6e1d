// The contract between the engine and a machine module.
//
// Each program links the engine with exactly one module (machines/noN/), whose
// machine_model.h gives the MachineState record and its numbers. The module
// implements the hooks below; the engine's machine step calls them in its
// fixed order.
#pragma once
#include "machine_model.h"

// Start of a spin: the lottery and the display set-up (called with the held
// start already taken, before startsSincePrize is counted).
void modelStartSpin(MachineState& m);

// One step of mode 2; ends the spin in mode 1 (no prize) or mode 3 (big prize).
void modelSpinStep(MachineState& m);

// One step of mode 3; ends the fever in mode 1.
void modelFeverStep(MachineState& m);

// Resets of kinds 0, 1 and 3: put the display into a fresh losing pattern,
// standing still, and clear the model's own display and spin words. Kinds 0
// and 1 then put every reel at its first cell. Called before any other word
// of the reset is drawn, so its random draws come first.
void modelResetDisplay(MachineState& m, int kind);

// --- the board: ball paths, windmills, pockets and the door ---

// Entry (x, y) of a path of the model's path table; see ball_flight.h for the
// block format.
const unsigned char* modelPathEntry(int path, int step);

// A first-stage ball reached the end of its path with that outcome code:
// choose its second-stage path (the slot is already at step 0, state 3).
void modelChooseSecondStage(MachineState& m, BallSlot& ball, int code);

// A ball moved to (x, y) on the upper (first stage) or lower (second stage)
// board: windmills it passes start turning.
void modelUpperBoardHit(MachineState& m, int x, int y);
void modelLowerBoardHit(MachineState& m, int x, int y);

// A second-stage ball moved while the door is open: it may enter the door.
void modelDoorCapture(MachineState& m, BallSlot& ball);

// A ball landed with its path's outcome code: payouts, held starts, the door.
void modelLandBall(MachineState& m, const BallSlot& ball, int code);

// Every step after the balls: turning windmills slow down.
void modelSlowWindmills(MachineState& m);

// --- the fever bookkeeping ---

// The fever kind a fever that just started gives the machine, by the
// model's rule (from its win pattern and the kind it had).
int modelFeverKind(const MachineState& m);

// --- the hall: customers and the catch-up at start-up ---

// A chance state: big prizes at raised odds are still to come. Its customer
// plays on after closing and does not leave rich, and a vacated machine in
// one is taken at the next occupancy check. Models without chance states
// return false.
bool modelInChanceState(const MachineState& m);

// One 20-minute period of the start-up catch-up for a customer who stayed at
// the machine: draws, in the model's order, whether the period brought a big
// prize and books it (prizesToday, luckReserve, feverKind, balls,
// startsSincePrize and the model's own words). False for a losing period,
// which the hall then books with modelAbsenceLostBalls.
bool modelAbsencePrize(MachineState& m);

// Balls a customer loses in a losing 20-minute period of the catch-up.
int modelAbsenceLostBalls();

// --- the play screen ---

// The seated machine's screen, every tick while it is shown: lamps on their
// redraw bits, reels, balls, windmills, the door; the sounds it asks for.
void modelPlayTick(MachineState& m);

// Its full repaint.
void modelPlayPaint(MachineState& m);
