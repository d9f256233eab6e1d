// Machine No.1's rules, shared by its files and its tests.
#pragma once
#include "machines/five_line/five_line.h"

// Spin phases beyond the shared run (0) and settle (4).
enum {
    kPhaseRun = 0,
    kPhaseReachTurn = 1,
    kPhaseSlow = 2,
    kPhaseStopGo = 3,
    kPhaseSettle = 4,
};

enum {
    kReachTurnStep = 4, // pixels a step of the reach turn and the slow creep
    kStopGoStep = 6,    // pixels a moving step of the stop-and-go creep
    kSlideBackStart = -32,
};

// (drawLottery, firstReachSetUp and spinStep: five_line.h)
// The middle reel's travel once its reach turn is over, for the actions
// (outcomes 3..8).
void secondReachSetUp(MachineState& m);

extern const SlideTable kSlideBack;
