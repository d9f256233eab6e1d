// Plain descriptions of a five-line machine's board, shared by the rules,
// the path recipes, the art generator and the tests. No engine types: a
// generator includes this without the machine record.
#pragma once
#include "hallcore/machine/board_field.h"

namespace five_line {

// A band where a passing ball kicks a windmill: a ball at x xMin..xMax,
// y yMin..yMax sets windmill `spinner` turning towards (or away).
struct WindmillZone {
    int xMin, xMax, yMin, yMax;
    int spinner;  // 0 upper left, 1 upper right, 2 lower left, 3 lower right
    bool towards; // true: value = base + phase; false: -(base + phase)
};

// A board point in path units (4 pixels).
using BoardPoint = ::BoardPoint;

// The attacker: the rows where an open door catches a lower-board ball, the
// mouth it sweeps when it closes, and the row its two runs follow.
struct AttackerMouth {
    int catchX0, catchX1;      // a ball at x catchX0..catchX1 ...
    int catchRowA, catchRowB;  // ... on one of these rows (the same when it has one) is caught
    int sweepX0, sweepX1;      // balls in flight here when the door closes are paid
    int sweepY0, sweepY1;
    int runRow;                // paths 192 and 193 run along this row
    int leftwardFrom, leftwardTo;   // path 192: x from .. down to (in steps of 2, the last included)
    int rightwardFrom, rightwardTo; // path 193: x from .. up to, ending in the V zone
};

} // namespace five_line
