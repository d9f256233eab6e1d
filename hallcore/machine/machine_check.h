// Checks of a machine record read from a file: a checksum only proves the
// bytes arrived as written, not that they make sense to this program.
#pragma once
#include "hallcore/machine/machine_module.h"

// Puts negative counters (prize counts, spins, reserve, boxes, balls) to 0
// and clears a sound request no rule makes. Then true when every word used as
// an index, count, loop bound or frame number is in its range.
bool repairMachineRecord(MachineState& m);
