// The lottery's odds as exact chances per spin, worked out from the rules
// and from how the game's generator turns "one in n" into draws.
#pragma once

#include "tools/hallsim/model_sim.h"

enum { kMaxSettings = kSettings };

// The quick chance applies to this draw (the words before the spin, the
// setting after the lottery's redraw).
bool drawHasQuickChance(int continueBarred, int startsSincePrize, int setting);

// Exact chance that oneIn(n) passes, taking randomNext as uniform on its 15
// bits: a coin-flip pair per halving of n above 16, then one value mod n.
double oneInChance(int n);

// Exact chance that randomNext() % n == k.
double remainderChance(int n, int k);

// Per spin, given the setting in force at the draw and no quick chance:
double exactPrizeChance(int setting);
// a reach or a prize (both show a reach line at the start of the spin)
double exactReachChance(int setting);
double exactQuickPrizeChance();

// With the reserve between the bounds, the setting is redrawn at random, so
// in the long run it is each setting as often as the redraw gives it; the
// chance per spin is then this mix.
double settingShareInMidReserve(int setting);
double exactMixedPrizeChance();

// After a fever's ending: the kind it left says whether the right to go on
// survived (kinds 0 and 1 lose it at the ending, in every model).
bool feverKeepsRight(int feverKind);
