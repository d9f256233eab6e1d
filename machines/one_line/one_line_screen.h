// What the one-line play screens share: the frame lamps and the redraws the
// clock asks for, both following the chance state. Each model's screen
// names them in its own namespace (using one_line_screen::...).
#pragma once
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_module.h"

namespace one_line_screen {

// The frame lamps flash on the slow blink in a big prize and in a chance state.
bool frameLampsLit(const MachineState& m, const AnimClock& clock);

// The redraws the clock asks for on a drawing tick: the lamp layer on every
// quick beat, the frame lamps on every slow one while they flash.
void clockRedraws(MachineState& m, const AnimClock& clock);

} // namespace one_line_screen
