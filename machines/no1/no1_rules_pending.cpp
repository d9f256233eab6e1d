// The rules' hooks until No.1's rules are in: nothing is launched anywhere,
// no spin starts, the reels stand where a new day puts them and the machine
// stays idle. The rules' author replaces this file.
#include <cstring>

#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_module.h"

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
    m.round = 0;
}

void modelBeforeLaunchBeat(MachineState&) {}

void modelResetDisplay(MachineState& m, int)
{
    std::memset(m.reelTravel, 0, sizeof m.reelTravel);
    std::memset(m.reelBoost, 0, sizeof m.reelBoost);
    std::memset(m.spinner, 0, sizeof m.spinner);
    for (int32_t& p : m.reelPos)
        p = 312;
}

int modelNewLuckReserve() { return 16; }
bool modelRecordIsValid(MachineState&) { return true; }
bool modelBallSlotIsValid(const BallSlot&) { return false; }

const unsigned char* modelPathEntry(int, int)
{
    static const unsigned char end[2] = {kPathEnd, 0}; // every path ends at once, lost
    return end;
}

void modelChooseSecondStage(MachineState&, BallSlot&, int) {}
void modelUpperBoardHit(MachineState&, int, int) {}
void modelLowerBoardHit(MachineState&, int, int) {}
int modelSecondStageBall(MachineState&, BallSlot&) { return kBallGoesOn; }
void modelOwnBallStep(MachineState&, BallSlot& ball) { freeSlot(ball); }
void modelLandBall(MachineState&, const BallSlot&, int) {}
void modelSlowWindmills(MachineState&) {}
int modelFeverKind(const MachineState& m) { return m.feverKind; }
bool modelInChanceState(const MachineState&) { return false; }
bool modelAbsencePrize(MachineState&) { return false; }
int modelAbsenceLostBalls() { return 0; }
