#include "hallcore/machine/random.h"

uint32_t randomSeed = 1;

void seedRandom(uint32_t seed)
{
    randomSeed = seed;
}

int randomNext()
{
    randomSeed = randomSeed * 214013u + 2531011u;
    return static_cast<int>((randomSeed >> 16) & 0x7FFF);
}

bool oneIn(int n)
{
    while (n > 16) {
        int a = randomNext();
        int b = randomNext();
        // the pair passes only when one value is even and the other odd
        if (((a ^ b) & 1) == 0)
            return false;
        n /= 2;
    }
    if (n < 1)
        n = 1; // no rule asks for this; draw anyway so the stream stays in step
    return randomNext() % n == 0;
}
