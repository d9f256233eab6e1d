#include "one_line_screen.h"

#include "hallcore/machine/machine_words.h"

namespace one_line_screen {

bool frameLampsLit(const MachineState& m, const AnimClock& clock)
{
    return clock.blink256 != 0 && (m.mode == 3 || m.chanceCount > 0);
}

void clockRedraws(MachineState& m, const AnimClock& clock)
{
    if (clock.count128 == 0)
        m.dirty |= kDirtyLampGroup;
    if (clock.count256 == 0 && (m.mode == 3 || m.chanceCount > 0))
        m.dirty |= kDirtyFrameLamps;
}

} // namespace one_line_screen
