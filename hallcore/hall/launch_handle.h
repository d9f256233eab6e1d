// The launch handle of the active player's machine: its buttons and the
// strength it fires with, moved one step a tick while up or down is held.
// The window layer only turns mouse and keys into these calls.
#pragma once
#include "machine_model.h"

// handleState of a machine.
enum {
    kHandleReleased = 0,
    kHandleRaising = 1, // the up button is held
    kHandleLowering = 2, // the down button is held
    kHandlePaused = 3,   // nothing is launched
    kHandleMaxPower = 113,
};

// The up (kHandleRaising) or down (kHandleLowering) button goes down; a
// second press while held (a key's repeat) changes nothing. Returns whether
// the handle changed and must be redrawn.
bool pressHandleButton(MachineState& m, int button);

// That button comes up again (or the pointer left it): released, unless
// another state has taken over meanwhile. Returns whether it changed.
bool releaseHandleButton(MachineState& m, int button);

// The pause button: every press toggles launching.
void toggleHandlePause(MachineState& m);

// A held up or down button lets go (the player went to the hall, or the
// program lost the keyboard, so its release will not come); a paused handle
// stays paused. Returns whether a button was held.
bool letGoOfHandle(MachineState& m);

// Every tick, first in the panel's tick: moves the active slot's machine's
// launchPower by one step while a button is held. Returns whether it moved.
bool handleStep();
