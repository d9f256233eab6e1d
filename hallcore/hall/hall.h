// The hall loop and the start-up set-up of both shops.
#pragma once

// The hall view must redraw its cabinets: a box count changed, a customer
// came or went. Set by the hall, cleared by the hall view after a redraw.
extern int hallDirty;

// One pass of the hall loop, on every tick; works only when halfPhase is 0,
// i.e. every second tick: 32 machine steps and the customers' turns.
void hallStep();

// Start-up, after the data is loaded and the clock checked: brings both
// shops up to date with the time the program was not running, then puts
// the four player slots in the street with P1 active.
void daySetUp();
