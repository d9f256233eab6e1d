// Machine No.2's rules, shared by its files and its tests.
#pragma once
#include "machines/five_line/five_line.h"

// Spin phases beyond the shared run (0) and settle (3).
enum {
    kPhaseRun = 0,
    kPhaseReachTurn = 1,
    kPhaseAction = 2,
    kPhaseSettle = 3,
};

enum {
    kReachTurnStep = 6, // pixels a step of the reach turn
    kActionStep = 4,    // ... and of the action's run
    kSlideStart = -32,
    kRevivalStart = -106,
    kStageState = 5,    // a ball slot's state while the ball is on the stage
};

// (drawLottery, firstReachSetUp and spinStep: five_line.h)
void secondReachSetUp(MachineState& m);

// The middle reel's stop after the action, by drawOutcome.
const SlideTable& actionStop(int outcome);
extern const SlideTable kSlideBack, kSlideForward, kRevival;

// A ball of zone 24 or 32 goes onto the stage; one step of a ball there.
void enterStage(BallSlot& ball, int code);
void stageStep(MachineState& m, BallSlot& ball);
