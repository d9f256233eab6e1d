#include "hallcore/shell/tick.h"

#include "hallcore/gfx/screens.h"
#include "hallcore/shell/commands.h"
#include "hallcore/hall/hall.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/sys/sys_events.h"

std::atomic<int> tickPending{0};
static std::atomic<int> ticksDropped{0}; // in a row, since the last handled tick
int uiBusy = 0;
int shutdownBegun = 0;

bool tickClaim()
{
    return tickPending.exchange(1) == 0;
}

void tickRelease()
{
    ticksDropped.store(0);
    tickPending.store(0);
}

bool tickWaitTooLong(int limit)
{
    return (ticksDropped.fetch_add(1) + 1) % limit == 0;
}

void onTick()
{
    if (shutdownBegun)
        return;
    if (advanceAnimClock())
        sysPostNoticePacing();
    if (uiBusy)
        return;

    switch (activePlayerSlot().scene) {
    case kSceneStreet:
        streetTick();
        break;
    case kSceneHall:
    case kSceneHallKeeping:
        hallViewTick();
        break;
    case kScenePlaying:
        playTick();
        break;
    default: // no scene draws
        break;
    }
    hallStep();
    deliverHallEvents();
    panelTick();
}
