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

// The start lottery and the reel set-up.
void drawLottery(MachineState& m);
// The middle reel's travel once the right reel stopped on a reach.
void firstReachSetUp(MachineState& m);
// ... and once its reach turn is over, for the actions (outcomes 3..8).
void secondReachSetUp(MachineState& m);
// Mode 2, every step.
void spinStep(MachineState& m);

extern const SlideTable kSlideBack;
