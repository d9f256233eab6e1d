// Machine No.4 (MIRAKELLE): its rules, shared by its files and its tests.
// The reels, the chance state and the big prize are the one-line mechanism's
// (machines/one_line/one_line.h); what is No.4's own is here.
#pragma once
#include "machines/one_line/one_line.h"

// drawOutcome
enum {
    kNo4NothingPlanned = 0,
    kNo4CreepLose = 1,
    kNo4CreepWin = 2,
    kNo4ActionLose = 3,
    kNo4ActionWin = 4,
};

// spinPhase
enum {
    kNo4Running = 0,
    kNo4Creep = 1,
    kNo4Action = 2,
    kNo4Settle = 3,
};

// wingDrawState
enum {
    kWingsRunning = 0, // 0..3: the lamp runs for kWingDrawSteps
    kWingsMiss = 4,    // 4..6
    kWingsHit = 7,
    kWingDrawSteps = 480,
    kWingMissSteps = 32,
    kWingOpeningPeriod = 160, // the wings open at 112..159 of every 160 steps of a hit
    kWingOpenFrom = 112,
};

enum {
    kReelEffectFull = 36,    // the flash frames the picture holds: -36..36
    kSuddenStopTravel = 160, // the left and middle stop four cells early
    kCreepPause = 8,
    kActionPause = 72,
    kHeldLampSteps = 16,
    kMostWingStarts = 4,
};

// Start of a spin: the travel, the lottery and its set-up, the flash start.
void no4StartSpin(MachineState& m);
// The lottery up to No.4's outcome (drawOutcome's value).
int no4DrawOutcome(MachineState& m);
// The reels set up for an outcome, and their start flash.
void no4SetUpSpin(MachineState& m, int outcome);
// Mode 2, every step.
void no4SpinStep(MachineState& m);
// The wing lottery, every step.
void wingLotteryStep(MachineState& m);
// The reach set-up when the middle reel stops on the left reel's symbol.
void no4ReachSetUp(MachineState& m);
