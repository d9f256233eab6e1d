// The shared animation clock: the one clock that paces blinking, drawing,
// the machine step and the customers, advanced once per 25 ms tick.
#pragma once
#include <cstdint>

struct AnimClock {
    int32_t halfPhase; // wraps at 32: 0 on every second tick
    int32_t count64;   // 0 every 4 ticks
    int32_t count128;  // 0 every 8 ticks
    int32_t count256;  // 0 every 16 ticks
    int32_t count512;  // 0 every 32 ticks: the launch beat
    int32_t count1024; // 0 every 64 ticks: customers come and go
    int32_t blink64;   // each blink flag holds its value 4, 8, 16, 32, 64 ticks
    int32_t blink128;
    int32_t blink256;
    int32_t blink512;
    int32_t blink1024;
};

extern AnimClock animClock;

// Added to every counter per tick; 16 once the tick clock runs, 0 before.
extern int32_t tickStep;

// Puts the clock at its start (all zero) with the running step of 16.
void startAnimClock();

// One tick. Returns true when count1024 wrapped, which is when the notice
// window gets its pacing command.
bool advanceAnimClock();

// The machine step on which count512 is 0: one step in 16.
inline bool isLaunchBeat() { return animClock.count512 == 0; }
