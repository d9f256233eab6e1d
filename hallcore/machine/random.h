// The game's own random stream.
//
// Every rule of the machines and the hall draws from this one linear
// congruential generator (seed * 214013 + 2531011, 15-bit results), seeded
// once from the time at start-up. It is ours rather than the C library's so
// that a seed plays the same game on every platform, and nothing cosmetic may
// draw from it: an extra draw would change the game.
#pragma once
#include <cstdint>

extern uint32_t randomSeed;

void seedRandom(uint32_t seed);

// Next value 0..32767.
int randomNext();

// True with a chance of about 1 in n. Above 16 the chance is built by halving
// n on coin flips: pairs of draws, one even and one odd. Those pairs are not
// fair coins (a draw's lowest bit is bit 16 of the state), so the big rules
// pass less often than 1 in n: 80 by 1%, 240 by 2%, 480 by 3.5%, 1800 by 8%
// (1 in 1952, where fair coins would give 1 in 1792). docs/random.md has the
// exact odds; tools/odds works them out.
bool oneIn(int n);
