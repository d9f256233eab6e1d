// Machine No.2's lottery numbers: read by its rules (drawLottery) and by the
// simulator's exact odds.
#pragma once
#include "hallcore/machine/lottery.h"

constexpr LotteryTable kLottery = {
    {"normal", "hot", "cold"},
    {64, 32, 480}, // prize, 1 in n by setting
    {8, 4, 16},    // reach after a miss
    16, 4,         // the quick chance: 1 in 16 within four starts
    0,             // no chance state
    80,            // the setting is redrawn one spin in 80
    240,           // the reserve grows one spin in 240
    32, 8,         // above 32 the hot setting, below 8 the cold
};

// drawOutcome: what the lottery planned for the middle reel.
enum {
    kNoReach = 0,
    kReachLose = 1,
    kReachWin = 2,
    kSlideBackWin = 3,
    kSlideForwardWin = 4,
    kRevivalWin = 5,
};

// A prize: rand % 8 picks how it is shown (every setting alike).
constexpr int kPrizeOutcomeByDraw[8] = {kReachWin, kReachWin, kReachWin, kSlideBackWin,
                                        kSlideBackWin, kSlideForwardWin, kSlideForwardWin, kRevivalWin};
