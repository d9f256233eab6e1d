// Machine No.3's hooks into the common machine step.
#include <cstring>

#include "no3.h"

void modelStartSpin(MachineState& m)
{
    drawLottery(m);
}

void modelSpinStep(MachineState& m)
{
    spinStep(m);
}

void modelFeverStep(MachineState& m)
{
    feverStep(m);
}

void modelResetDisplay(MachineState& m, int kind)
{
    showRandomMiss(m); // a fresh losing pattern, standing still
    m.reelPhase = 0;
    m.stopStage = 0;
    m.unused[0] = 0;
    m.unused[1] = 0;
    m.lineMask = 0;
    if (kind == 0 || kind == 1)
        std::memset(m.reelPos, 0, sizeof m.reelPos); // every reel at its prize symbol
}
