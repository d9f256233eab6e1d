#include "hallcore/machine/lottery.h"

#include "hallcore/machine/random.h"

void lotteryPrelude(MachineState& m, const LotteryTable& t)
{
    if (oneIn(t.reserveOdds))
        m.luckReserve += 1;
    if (oneIn(t.redrawOdds))
        m.setting = randomNext() % kSettings;
    if (m.luckReserve > t.hotAbove)
        m.setting = kSettingHot;
    else if (m.luckReserve < t.coldBelow)
        m.setting = kSettingCold;
}

int lotteryPrizeOdds(const MachineState& m, const LotteryTable& t, bool inChanceState)
{
    if (m.continueBarred && m.startsSincePrize <= t.quickStarts && m.setting != kSettingCold)
        return t.quickOdds;
    if (t.chanceOdds > 0 && inChanceState)
        return t.chanceOdds;
    int s = m.setting >= 0 && m.setting < kSettings ? m.setting : kSettingNormal;
    return t.prizeOdds[s];
}

int drawLotteryResult(MachineState& m, const LotteryTable& t, bool inChanceState)
{
    lotteryPrelude(m, t);
    if (oneIn(lotteryPrizeOdds(m, t, inChanceState))) {
        if (m.luckReserve > 0)
            m.luckReserve -= 1;
        return kLotteryPrize;
    }
    int s = m.setting >= 0 && m.setting < kSettings ? m.setting : kSettingNormal;
    return oneIn(t.reachOdds[s]) ? kLotteryReach : kLotteryMiss;
}
