// The hall loop and the start-up set-up of both shops.
#pragma once

// One pass of the hall loop, on every tick; works only when halfPhase is 0,
// i.e. every second tick: 32 machine steps and the customers' turns.
void hallStep();

// Start-up, after the data is loaded and the clock checked: brings both
// shops up to date with the time the program was not running, then puts
// the four player slots in the street with P1 active.
void daySetUp();
