// The launch handle: the strength the active player fires with, moved one
// step a tick while the up or down button is held, and its drawing.
#pragma once
#include "machine_model.h"

enum {
    kHandleReleased = 0,
    kHandleRaising = 1,
    kHandleLowering = 2,
    kHandlePaused = 3,
    kHandleMaxPower = 113,
};

// Every tick, first in the panel's tick: moves the active slot's machine's
// launchPower by one step while a button is held, and redraws the handle
// when it moved. Returns whether it moved.
bool handleStep();

// A held up or down button lets go (the player went to the hall, or the
// program lost the keyboard, so its release will not come); a paused handle
// stays paused. Returns whether a button was held.
bool letGoOfHandle(MachineState& m);

// Top-left corner of knob k (0..2) of the handle at a strength, in the
// handle's 112 x 112 control: at launchPower + 290, + 20 and + 110 degrees
// clockwise from twelve o'clock, 42 pixels from the centre.
void handleKnobCorner(int launchPower, int knob, int* x, int* y);

// Composes the handle for the active slot's machine and shows it.
void drawHandle();
