// The family's start lottery, up to its outcome. Every model draws the same
// way and keeps its numbers in a LotteryTable (machines/noN/noN_lottery.h,
// read by its rules and by the simulator's exact odds); what an outcome
// shows on the reels is the model's.
//
// A spin draws, in this order (each "1 in n" is oneIn):
//   1 in reserveOdds: luckReserve + 1; 1 in redrawOdds: setting = rand % 3;
//   a reserve above hotAbove forces the hot setting, below coldBelow the cold;
//   then the prize with the odds in force (lotteryPrizeOdds); the model books
//   a prize, or after a miss draws its reach with reachOdds[setting].
#pragma once
#include "hallcore/machine/machine_module.h"

struct LotteryTable {
    const char* settingName[3]; // 0 normal, 1 hot, 2 cold
    int prizeOdds[3];           // 1 in n per spin, by the setting in force
    int reachOdds[3];           // 1 in n for a reach after a miss
    int quickOdds;              // the quick chance after a lost right to go on ...
    int quickStarts;            // ... within this many starts of the last fever, not in the cold setting
    int chanceOdds;             // 1 in n in a chance state; 0: the model has none
    int redrawOdds;             // the setting is drawn again one spin in n
    int reserveOdds;            // the reserve grows one spin in n
    int hotAbove;               // a reserve above this forces the hot setting
    int coldBelow;              // ... below this the cold one
};

enum { kSettingNormal = 0, kSettingHot = 1, kSettingCold = 2, kSettings = 3 };

// Step 1: the reserve, the redraw and the forced settings.
void lotteryPrelude(MachineState& m, const LotteryTable& t);

// The prize odds in force after the prelude: the quick chance first, then
// the chance state, then the setting's.
int lotteryPrizeOdds(const MachineState& m, const LotteryTable& t, bool inChanceState);

enum { kLotteryMiss = 0, kLotteryReach = 1, kLotteryPrize = 2 };

// Steps 1 and 2 for the models whose prizes draw on the reserve: the
// prelude, then the prize with the odds in force, which takes one from the
// reserve (an empty reserve stays empty), and after a miss the reach with
// the setting's reachOdds. Draws in that order; the model maps the result
// to its outcome with its own draws after these.
int drawLotteryResult(MachineState& m, const LotteryTable& t, bool inChanceState);
