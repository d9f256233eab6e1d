#include "tools/hallsim/odds.h"

enum { kRandomValues = 32768 };

bool drawHasQuickChance(int continueBarred, int startsSincePrize, int setting)
{
    const LotteryTable& t = simLottery();
    return continueBarred != 0 && startsSincePrize <= t.quickStarts && setting != kSettingCold;
}

bool feverKeepsRight(int feverKind)
{
    return feverKind == 2 || feverKind == 3;
}

double remainderChance(int n, int k)
{
    if (n < 1 || k < 0 || k >= n)
        return 0;
    // values k, k + n, k + 2n, ... below 32768
    int count = (kRandomValues - 1 - k) / n + 1;
    return (double)count / kRandomValues;
}

double oneInChance(int n)
{
    double p = 1;
    while (n > 16) {
        p *= 0.5; // one value even and the other odd
        n /= 2;
    }
    if (n < 1)
        n = 1;
    return p * remainderChance(n, 0);
}

double exactPrizeChance(int setting)
{
    return oneInChance(simLottery().prizeOdds[setting]);
}

double exactReachChance(int setting)
{
    double p = exactPrizeChance(setting);
    return p + (1 - p) * oneInChance(simLottery().reachOdds[setting]);
}

double exactQuickPrizeChance()
{
    return oneInChance(simLottery().quickOdds);
}

double settingShareInMidReserve(int setting)
{
    return remainderChance(kSettings, setting);
}

double exactMixedPrizeChance()
{
    double p = 0;
    for (int s = 0; s < kSettings; s++)
        p += settingShareInMidReserve(s) * exactPrizeChance(s);
    return p;
}
