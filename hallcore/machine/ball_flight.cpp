#include "hallcore/machine/ball_flight.h"

// Ball flight comes with the machine's path table; until then no ball leaves
// the handle, so the tray keeps its balls and no payout is owed.

void launchBall(MachineState&) {}

void advanceBalls(MachineState&) {}

void slowWindmills(MachineState&) {}
