// Machine No.5's lottery numbers: read by its rules (drawOneLineLottery) and
// by the simulator's exact odds.
#pragma once
#include "hallcore/machine/lottery.h"

constexpr LotteryTable kLottery = {
    {"normal", "hot", "cold"},
    {256, 128, 512}, // prize, 1 in n by setting
    {12, 8, 16},     // reach after a miss
    16, 4,           // the quick chance: 1 in 16 within four starts
    32,              // the chance state: 1 in 32 for the next two prizes
    80,              // the setting is redrawn one spin in 80
    240,             // the reserve grows one spin in 240
    64, 8,           // above 64 the hot setting, below 8 the cold
};
