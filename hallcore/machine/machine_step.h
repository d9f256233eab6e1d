// The machine step shared by every model: modes, payouts, box count, resets.
#pragma once
#include "hallcore/machine/machine_module.h"

// One 50 ms step of one machine, vacant or not. The launch beat (one step in
// 16, when the animation clock's count512 is 0) launches, pays and counts boxes.
// Returns true when the box count changed, which the hall view shows.
bool machineStep(MachineState& m);

// Start of a spin from an idle mode, using one held start.
void startSpin(MachineState& m);

// Launch-beat payout: at most one start payout and one prize payout, then a
// beat that pays nothing.
void payOut(MachineState& m);

// Launch-beat box count, with hysteresis so the hall view does not flicker
// between two counts. True when it changed.
bool updateBoxCount(MachineState& m);

// Reset kinds: 0 a new machine, 1 a new business day after a long absence,
// 2 vacate (only the occupant's words), 3 cleared for new play.
enum {
    kResetNew = 0,
    kResetNewDay = 1,
    kResetVacate = 2,
    kResetClear = 3,
};
void resetMachineRecord(MachineState& m, int kind);
