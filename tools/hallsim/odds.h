// The lottery's odds as exact chances per spin, worked out from the rules
// and from how the game's generator turns "one in n" into draws.
#pragma once

#include <string>

#include "tools/hallsim/model_sim.h"

enum { kMaxSettings = kSettings };

// The quick chance applies to this draw (the words before the spin, the
// setting after the lottery's redraw).
bool drawHasQuickChance(int continueBarred, int startsSincePrize, int setting);

// The chance that oneIn(n) passes if every draw were an independent, uniform
// 15-bit value: a fair coin-flip pair per halving of n above 16, then one
// value mod n. The game's generator is not that (docs/random.md); the
// report shows this "coins" figure beside the exact one.
double oneInChance(int n);

// Exact chance that randomNext() % n == k, for one draw from a uniform state.
double remainderChance(int n, int k);

// The exact figures of the model's lottery: the whole lottery counted over
// the generator's 2^32 states when that count is loaded for this table
// (machines/<model>/sim/exact_lottery.txt, see exact_lottery.h), otherwise
// each rule's own exact odds from the generator (tools/odds), which leave
// out how the earlier draws of a spin bias the later ones.
bool loadExactLottery(const std::string& text);
bool exactLotteryLoaded();

// Per spin, given the setting in force at the draw:
double exactPrizeChance(int setting);       // at the setting's own odds
double exactReachChance(int setting);       // a reach or a prize
double exactQuickPrizeChance();             // at the quick chance (from the normal setting)
double exactChancePrizeChance(int setting); // in a chance state (0 when the model has none)
// The odds the rules name (1 in n).
double namedPrizeChance(int setting);

// With the reserve between the bounds, the setting is redrawn at random, so
// in the long run it is each setting as often as the redraw gives it; the
// chance per spin is then this mix.
double settingShareInMidReserve(int setting);
double exactMixedPrizeChance();

// After a fever's ending: the kind it left says whether the right to go on
// survived (kinds 0 and 1 lose it at the ending, in every model).
bool feverKeepsRight(int feverKind);
