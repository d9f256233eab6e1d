// The rules half of machine No.5's module until its rules come: the machine
// stands idle (no spin is ever started, no fever), every ball path ends at
// once as a lost ball, and a record is taken as it is. Just enough for the
// play screen, its pictures and sounds to be built, run and looked at.
#include "hallcore/machine/machine_module.h"

void modelStartSpin(MachineState& m)
{
    m.heldStarts = 0;
}

void modelAfterModeTick(MachineState&) {}

void modelSpinStep(MachineState& m)
{
    m.mode = 1;
    m.modeTick = 0;
}

void modelFeverStep(MachineState& m)
{
    m.mode = 1;
    m.modeTick = 0;
}

void modelBeforeLaunchBeat(MachineState&) {}

void modelResetDisplay(MachineState& m, int)
{
    for (int r = 0; r < 3; r++) {
        m.reelPos[r] = 42 * (3 + 4 * r);
        m.reelTravel[r] = 0;
        m.reelBoost[r] = 0;
    }
    for (int32_t& s : m.spinner)
        s = 0;
    m.creepRest = 0;
    m.digitStarts = 0;
    m.digitTick = 288;
    m.digitGate = 0;
    m.digitShown = 7;
}

int modelNewLuckReserve()
{
    return 32;
}

bool modelRecordIsValid(MachineState&)
{
    return true;
}

bool modelBallSlotIsValid(const BallSlot&)
{
    return false;
}

const unsigned char* modelPathEntry(int, int)
{
    static const unsigned char end[2] = {0xFF, 0}; // the path ends here, lost
    return end;
}

void modelChooseSecondStage(MachineState&, BallSlot& ball, int)
{
    ball.path = 128;
}

void modelUpperBoardHit(MachineState&, int, int) {}
void modelLowerBoardHit(MachineState&, int, int) {}

int modelSecondStageBall(MachineState&, BallSlot&)
{
    return kBallGoesOn;
}

void modelOwnBallStep(MachineState&, BallSlot& ball)
{
    ball = BallSlot{};
}

void modelLandBall(MachineState&, const BallSlot&, int) {}
void modelSlowWindmills(MachineState&) {}

int modelFeverKind(const MachineState& m)
{
    return m.feverKind == 0 ? 1 : m.feverKind;
}

bool modelInChanceState(const MachineState& m)
{
    return m.chanceCount > 0;
}

bool modelAbsencePrize(MachineState&)
{
    return false;
}

int modelAbsenceLostBalls()
{
    return 0;
}
