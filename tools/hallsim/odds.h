// The lottery's odds as exact chances per spin, worked out from the rules
// and from how the game's generator turns "one in n" into draws.
#pragma once

enum { kMaxSettings = 4 };

// The rule numbers of a model's lottery (odds_<model>.cpp).
struct LotteryRules {
    int settings;                         // settings in use, 0..settings-1
    const char* settingName[kMaxSettings];
    int prizeOdds[kMaxSettings];          // one in n per spin, by the setting in force
    int reachOdds[kMaxSettings];          // one in n for a reach, drawn after a miss
    int quickOdds;                        // the quick chance after a lost right to go on
    int redrawOdds;                       // a spin redraws the setting one time in n
    int reserveOdds;                      // a spin adds to the reserve one time in n
    int hotAbove;                         // reserve above this: the hot setting for good
    int coldBelow;                        // reserve below this: the cold setting
    int hotSetting, coldSetting;
};

const LotteryRules& lotteryRules();

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
// survived.
bool feverKeepsRight(int feverKind);
