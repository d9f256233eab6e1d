#include "hallcore/hall/launch_handle.h"

#include "hallcore/hall/player_slots.h"

bool pressHandleButton(MachineState& m, int button)
{
    if (m.handleState == button)
        return false;
    m.handleState = button;
    return true;
}

bool releaseHandleButton(MachineState& m, int button)
{
    if (m.handleState != button)
        return false;
    m.handleState = kHandleReleased;
    return true;
}

void toggleHandlePause(MachineState& m)
{
    m.handleState = m.handleState == kHandlePaused ? kHandleReleased : kHandlePaused;
}

bool letGoOfHandle(MachineState& m)
{
    if (m.handleState != kHandleRaising && m.handleState != kHandleLowering)
        return false;
    m.handleState = kHandleReleased;
    return true;
}

bool handleStep()
{
    MachineState& m = *activePlayerSlot().machine;
    if (m.handleState == kHandleRaising && m.launchPower < kHandleMaxPower) {
        m.launchPower += 1;
        return true;
    }
    if (m.handleState == kHandleLowering && m.launchPower > 0) {
        m.launchPower -= 1;
        return true;
    }
    return false;
}
