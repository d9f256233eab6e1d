// What the hall has to tell the player of the active slot: queued by the
// customer logic during a hall pass and delivered by the shell after it,
// which posts them to the window as commands. The hall knows nothing of
// windows or commands; the queue is all that passes between them.
#pragma once
#include <cstdint>

enum HallEventKind {
    kHallEventFeverStarted, // a machine's fever began (every machine, for the announcement)
    kHallEventOutOfBalls,   // the active player's machine has run dry
    kHallEventStandUp,      // the active player must stand up: `reason` is the customerState
};

struct HallEvent {
    int kind;
    int machine; // 0..15 in the shop
    int reason;
};

// Queues an event. The queue holds the last 32; older ones are dropped
// (nothing drains it when the hall runs without a window, as in the tools).
void postHallEvent(int kind, int machine, int reason);

// Takes the oldest queued event; false when there is none.
bool takeHallEvent(HallEvent* out);

void clearHallEvents();
