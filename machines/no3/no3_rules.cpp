// Machine No.3's hooks into the common machine step, its resets and the
// check of its words in a record read from a file.
#include <cstring>

#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/random.h"
#include "no3.h"

void modelStartSpin(MachineState& m)
{
    drawLottery(m);
}

void modelAfterModeTick(MachineState&)
{
    // No.3 has no timers of its own outside the modes
}

void modelSpinStep(MachineState& m)
{
    spinStep(m);
}

void modelFeverStep(MachineState& m)
{
    feverStep(m);
}

void modelBeforeLaunchBeat(MachineState&)
{
    // and no side lottery
}

void modelResetDisplay(MachineState& m, int kind)
{
    showRandomMiss(m); // a fresh losing pattern, standing still
    m.reelPhase = 0;
    m.stopStage = 0;
    m.unused[0] = 0;
    m.unused[1] = 0;
    m.lineMask = 0;
    for (int32_t& s : m.spinner)
        s = 0;
    if (kind == 0 || kind == 1)
        std::memset(m.reelPos, 0, sizeof m.reelPos); // every reel at its prize symbol
}

int modelNewLuckReserve()
{
    return randomNext() % 16;
}

bool modelRecordIsValid(MachineState& m)
{
    for (int k = 0; k < kReels; k++) {
        int circumference = reelCells(k) * kCellUnits;
        if (m.reelPos[k] < 0 || m.reelPos[k] >= circumference || m.reelTravel[k] < -4 || m.reelTravel[k] > 20000
            || m.reelBoost[k] < 0 || m.reelBoost[k] > 200 || m.stopSymbol[k] < 1 || m.stopSymbol[k] > 3)
            return false;
    }
    for (int32_t s : m.spinner)
        if (s < -64 || s > 64)
            return false;
    return m.reelPhase >= 0 && m.reelPhase <= 3 && m.stopStage >= 0 && m.stopStage <= 6 && m.lineMask >= 0
           && m.lineMask <= 0x1FFF && m.vHit >= 0 && m.vHit <= 64; // the V animation counts vHit to 64
}

bool modelBallSlotIsValid(const BallSlot&)
{
    return false; // No.3's balls know only the engine's states
}

void modelOwnBallStep(MachineState&, BallSlot& ball)
{
    freeSlot(ball);
}
