#include "tools/hallsim/odds.h"

#include "tools/hallsim/exact_lottery.h"
#include "tools/odds/exact_odds.h"

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

static ExactLottery counted;
static bool countedLoaded;

bool loadExactLottery(const std::string& text)
{
    countedLoaded = parseExactLottery(text, simLottery(), &counted);
    return countedLoaded;
}

bool exactLotteryLoaded()
{
    return countedLoaded;
}

static double ruleChance(int n)
{
    return (double)odds::exactOneIn(n).value();
}

static int settingIn(int setting)
{
    return setting >= 0 && setting < kSettings ? setting : kSettingNormal;
}

double exactPrizeChance(int setting)
{
    setting = settingIn(setting);
    double drawn, reach;
    if (countedLoaded && counted.computed[kDrawPlain]) {
        drawn = counted.prizeChance(kDrawPlain, setting);
        reach = counted.reachChance(kDrawPlain, setting) - drawn;
    } else {
        drawn = ruleChance(simLottery().prizeOdds[setting]);
        reach = (1 - drawn) * ruleChance(simLottery().reachOdds[setting]);
    }
    return drawn + reach * simReachStillWinsShare(); // where the reels may still make one
}

double exactReachChance(int setting)
{
    setting = settingIn(setting);
    if (countedLoaded && counted.computed[kDrawPlain])
        return counted.reachChance(kDrawPlain, setting);
    double p = ruleChance(simLottery().prizeOdds[setting]);
    return p + (1 - p) * ruleChance(simLottery().reachOdds[setting]);
}

double exactQuickPrizeChance()
{
    if (countedLoaded && counted.computed[kDrawQuick])
        return counted.prizeChance(kDrawQuick, kSettingNormal);
    return ruleChance(simLottery().quickOdds);
}

double exactChancePrizeChance(int setting)
{
    const LotteryTable& t = simLottery();
    if (t.chanceOdds <= 0)
        return 0;
    if (countedLoaded && counted.computed[kDrawChance])
        return counted.prizeChance(kDrawChance, settingIn(setting));
    return ruleChance(t.chanceOdds);
}

double namedPrizeChance(int setting)
{
    return 1.0 / simLottery().prizeOdds[settingIn(setting)];
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
