// No.2's rules until they are written: every hook of the module contract
// that is not the play screen's, doing nothing a screen could trip over.
// The machine stays idle, launched balls leave the rail and are gone, the
// reels stand where a new day puts them. The rules' author replaces this
// file with the real rules.
#include "hallcore/machine/machine_module.h"

namespace {
const unsigned char kNoPath[2] = {0xFF, 0}; // every path ends at once, lost
}

void modelStartSpin(MachineState&) {}
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
        m.reelPos[r] = 480;
        m.reelTravel[r] = 0;
        m.reelBoost[r] = 0;
    }
    for (int32_t& s : m.spinner)
        s = 0;
    m.spinPhase = m.drawOutcome = m.actionTick = m.reachSymbol = m.reachLine = 0;
    m.round = m.attackerCount = m.vHit = 0;
}
int modelNewLuckReserve() { return 16; }

bool modelRecordIsValid(MachineState&) { return true; }
bool modelBallSlotIsValid(const BallSlot&) { return false; }

const unsigned char* modelPathEntry(int, int) { return kNoPath; }
void modelChooseSecondStage(MachineState&, BallSlot& ball, int) { ball.state = 0; }
void modelUpperBoardHit(MachineState&, int, int) {}
void modelLowerBoardHit(MachineState&, int, int) {}
int modelSecondStageBall(MachineState&, BallSlot&) { return kBallGoesOn; }
void modelOwnBallStep(MachineState&, BallSlot& ball) { ball.state = 0; }
void modelLandBall(MachineState&, const BallSlot&, int) {}
void modelSlowWindmills(MachineState&) {}

int modelFeverKind(const MachineState& m) { return m.feverKind; }
bool modelInChanceState(const MachineState&) { return false; }
bool modelAbsencePrize(MachineState&) { return false; }
int modelAbsenceLostBalls() { return 500; }
