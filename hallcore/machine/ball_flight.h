// Balls on their recorded paths: launch, flight, landing and the windmills.
#pragma once
#include "hallcore/machine/machine_module.h"

// Launch beat only: one ball at most leaves the handle.
void launchBall(MachineState& m);

// Every step: the eight ball slots move one point each, in slot order.
void advanceBalls(MachineState& m);

// Every step after the balls: turning windmills slow down.
void slowWindmills(MachineState& m);
