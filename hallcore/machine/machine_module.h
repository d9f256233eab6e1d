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
