// The rules half of machine No.4's module until its rules come: every hook
// that is not the screen's, doing nothing. The machine stays idle, no spin
// starts, and a launched ball ends at once as lost.
#include "hallcore/machine/machine_module.h"

void modelStartSpin(MachineState&) {}
void modelAfterModeTick(MachineState&) {}
void modelSpinStep(MachineState& m) { m.mode = 1; }
void modelFeverStep(MachineState& m) { m.mode = 1; }
void modelBeforeLaunchBeat(MachineState&) {}
void modelResetDisplay(MachineState&, int) {}
int modelNewLuckReserve() { return 16; }
bool modelRecordIsValid(MachineState&) { return true; }
bool modelBallSlotIsValid(const BallSlot&) { return false; }

const unsigned char* modelPathEntry(int, int)
{
    static const unsigned char kEnd[2] = {0xFF, 0};
    return kEnd;
}

void modelChooseSecondStage(MachineState&, BallSlot&, int) {}
void modelUpperBoardHit(MachineState&, int, int) {}
void modelLowerBoardHit(MachineState&, int, int) {}
int modelSecondStageBall(MachineState&, BallSlot&) { return kBallGoesOn; }
void modelOwnBallStep(MachineState&, BallSlot& ball) { ball = BallSlot{}; }
void modelLandBall(MachineState&, const BallSlot&, int) {}
void modelSlowWindmills(MachineState&) {}
int modelFeverKind(const MachineState& m) { return m.feverKind; }
bool modelInChanceState(const MachineState&) { return false; }
bool modelAbsencePrize(MachineState&) { return false; }
int modelAbsenceLostBalls() { return 0; }
