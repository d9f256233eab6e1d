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
// n on coin flips, so the odds are exact only for the values the rules use:
// 2..16, 30, 32, 64, 80, 240, 480, and 1800, which gives 1/1792.
bool oneIn(int n);
