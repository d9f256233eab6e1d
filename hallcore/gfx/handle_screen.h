// The launch handle control's picture: dial, three knobs at the strength,
// and the pressed face of the button held.
#pragma once

// Top-left corner of knob k (0..2) of the handle at a strength, in the
// handle's 112 x 112 control: at launchPower + 290, + 20 and + 110 degrees
// clockwise from twelve o'clock, 42 pixels from the centre.
void handleKnobCorner(int launchPower, int knob, int* x, int* y);

// Composes the handle for the active slot's machine and shows it.
void drawHandle();
