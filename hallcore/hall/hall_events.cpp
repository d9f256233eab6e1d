#include "hallcore/hall/hall_events.h"

enum { kQueueSize = 32 };
static HallEvent queue[kQueueSize];
static int first, count;

void postHallEvent(int kind, int machine, int reason)
{
    if (count == kQueueSize) { // full: the oldest goes
        first = (first + 1) % kQueueSize;
        count--;
    }
    queue[(first + count) % kQueueSize] = {kind, machine, reason};
    count++;
}

bool takeHallEvent(HallEvent* out)
{
    if (count == 0)
        return false;
    *out = queue[first];
    first = (first + 1) % kQueueSize;
    count--;
    return true;
}

void clearHallEvents()
{
    first = count = 0;
}
