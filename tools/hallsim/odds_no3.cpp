// Machine No.3's lottery numbers, as drawLottery (machines/no3/no3_reels.cpp)
// applies them. The tests draw the real lottery against these.
#include "tools/hallsim/odds.h"

const LotteryRules& lotteryRules()
{
    static const LotteryRules rules = {
        3,
        {"normal", "hot", "cold"},
        {64, 32, 480},
        {8, 4, 16},
        16,
        80,
        240,
        32,
        8,
        1,
        2,
    };
    return rules;
}

bool drawHasQuickChance(int continueBarred, int startsSincePrize, int setting)
{
    return continueBarred != 0 && startsSincePrize <= 4 && setting != 2;
}

bool feverKeepsRight(int feverKind)
{
    return feverKind == 2 || feverKind == 3; // kinds 0 and 1 lose it at the ending
}
