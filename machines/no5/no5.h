// Machine No.5 (ZANPORO): its rules, shared by its files and its tests. The
// reels, the chance state and the big prize are the one-line mechanism's
// (machines/one_line/one_line.h); what is No.5's own is here.
#pragma once
#include "machines/one_line/one_line.h"

// drawOutcome
enum {
    kNo5NothingPlanned = 0,
    kNo5CreepLose = 1,
    kNo5FastLose = 2,
    kNo5FastWin = 3,
    kNo5RevivalLose = 4,
    kNo5RevivalWin = 5,
};

// spinPhase
enum {
    kNo5Running = 0,
    kNo5Creep = 1,
    kNo5FastSpin = 2,
    kNo5Revival = 3,
    kNo5Settle = 4,
};

// The digit lottery.
enum {
    kDigitRunSteps = 128,  // the digits run, then the result shows
    kDigitGateCloses = 256,
    kDigitIdle = 288,      // the run is over: the next start may begin one
    kDigitChanceStart = 64, // in a chance state a run starts here (shorter)
    kDigitCaught = 252,    // a ball through the gate: it closes four steps later
    kGateClosed = 0,
    kGateOpen = 1,
    kGateCaught = 2,
    kMostDigitStarts = 4,
};

enum {
    kSlowMiddlePixels = 210, // the middle creeps its last five cells
    kFastSpinPixels = 5040,  // eight turns
    kRevivalCueAt = 63,
    kRevivalAt = 64,
    kStandAfterFastSpin = 128,
    kStandAfterRevival = 128,
    kCreepRestMost = 630,
};

// Start of a spin: the travel, the lottery and its set-up.
void no5StartSpin(MachineState& m);
// The lottery up to No.5's outcome (drawOutcome's value).
int no5DrawOutcome(MachineState& m);
// The reels set up for an outcome, with the slow middle now and then.
void no5SetUpSpin(MachineState& m, int outcome);
void no5SpinStep(MachineState& m);
void no5ReachSetUp(MachineState& m);
// The digit lottery, every step.
void digitLotteryStep(MachineState& m);
