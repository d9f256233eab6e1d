#include "tools/hallsim/odds.h"

enum { kRandomValues = 32768 };

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
    return oneInChance(lotteryRules().prizeOdds[setting]);
}

double exactReachChance(int setting)
{
    double p = exactPrizeChance(setting);
    return p + (1 - p) * oneInChance(lotteryRules().reachOdds[setting]);
}

double exactQuickPrizeChance()
{
    return oneInChance(lotteryRules().quickOdds);
}

double settingShareInMidReserve(int setting)
{
    return remainderChance(lotteryRules().settings, setting);
}

double exactMixedPrizeChance()
{
    double p = 0;
    for (int s = 0; s < lotteryRules().settings; s++)
        p += settingShareInMidReserve(s) * exactPrizeChance(s);
    return p;
}
