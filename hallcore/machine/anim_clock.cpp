#include "hallcore/machine/anim_clock.h"

AnimClock animClock;
int32_t tickStep = 0;

void startAnimClock()
{
    animClock = AnimClock{};
    tickStep = 16;
}

// Adds the step and wraps the counter at its limit; returns true on a wrap.
static bool advanceCounter(int32_t& counter, int32_t limit)
{
    counter += tickStep;
    if (counter >= limit) {
        counter = 0;
        return true;
    }
    return false;
}

bool advanceAnimClock()
{
    advanceCounter(animClock.halfPhase, 32);
    if (advanceCounter(animClock.count64, 64))
        animClock.blink64 ^= 1;
    if (advanceCounter(animClock.count128, 128))
        animClock.blink128 ^= 1;
    if (advanceCounter(animClock.count256, 256))
        animClock.blink256 ^= 1;
    if (advanceCounter(animClock.count512, 512))
        animClock.blink512 ^= 1;
    if (advanceCounter(animClock.count1024, 1024)) {
        animClock.blink1024 ^= 1;
        return true;
    }
    return false;
}
