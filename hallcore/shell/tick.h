// The tick: everything that moves, moves here, 40 times a second.
#pragma once
#include <atomic>

// A tick message has been posted and not yet handled. The timer thread claims
// it, the window thread releases it, so at most one tick ever waits and a
// slow window slows the game down instead of bursting to catch up.
extern std::atomic<int> tickPending;

// Timer thread: true when this tick should be posted, false to drop it
// because the previous one is still waiting.
bool tickClaim();

// Window thread after handling a tick, and the timer thread when posting the
// claimed tick failed, so the clock can never stop for good.
void tickRelease();

// Timer thread, for a dropped tick: true once every `limit` drops in a row,
// meaning the waiting tick message was lost and should be posted again.
bool tickWaitTooLong(int limit);

// Set by a command handler while it changes scene state (and cleared by the
// scene windows' paint): a tick then only advances the animation clock.
extern int uiBusy;

// Set once shutdown begins: no tick draws or steps after that.
extern int shutdownBegun;

// The tick handler, on the window thread: the animation clock, then (unless
// busy) the active scene, the hall loop and the info panel, in that order.
void onTick();
