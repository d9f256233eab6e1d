// Machine No.3's hooks into the machine step.
//
// The lottery, the nine reels and the fever rounds come with No.3's rules;
// until then every spin is a plain miss that runs for three seconds, and the
// display stands on its last pattern.
#include <cstring>

#include "hallcore/machine/machine_module.h"

enum { kPlaceholderSpinSteps = 60 };

void modelStartSpin(MachineState& m)
{
    m.stopStage = 0; // a miss
}

void modelSpinStep(MachineState& m)
{
    if (m.modeTick >= kPlaceholderSpinSteps) {
        m.mode = 1;
        m.modeTick = 0;
    }
}

void modelFeverStep(MachineState& m)
{
    m.mode = 1;
    m.modeTick = 0;
}

void modelResetDisplay(MachineState& m, int kind)
{
    std::memset(m.reelTravel, 0, sizeof m.reelTravel);
    std::memset(m.reelBoost, 0, sizeof m.reelBoost);
    m.reelPhase = 0;
    m.stopStage = 0;
    m.unused[0] = 0;
    m.unused[1] = 0;
    m.lineMask = 0;
    if (kind == 0 || kind == 1)
        std::memset(m.reelPos, 0, sizeof m.reelPos); // every reel at its prize symbol
}
