// Machine No.5's lottery over many spins: the prize and reach rates of each
// setting, the chance state's 1 in 32, the quick chance after a lost right,
// and the chance chains, each against the figures its own rules give with
// the real generator (machines/one_line/tests/lottery_stats.h says how).
#include "machines/no5/no5.h"
#include "machines/no5/no5_lottery.h"
#include "machines/one_line/tests/lottery_stats.h"

namespace {

using namespace lotterystats;

int no5Kind(int outcome)
{
    switch (outcome) {
    case kNo5FastWin:
    case kNo5RevivalWin:
        return kWin;
    case kNo5CreepLose:
    case kNo5FastLose:
    case kNo5RevivalLose:
        return kReach;
    default:
        return kMiss;
    }
}

const LotteryModel kModel = {"5", no5Kind, kLottery, 500};

TEST(No5Lottery, EachSettingDrawsItsPrizesAndReaches)
{
    expectEachSettingDrawsItsPrizesAndReaches(kModel);
}

TEST(No5Lottery, TheChanceStateDrawsOneInThirtyTwoAlsoInTheColdSetting)
{
    expectTheChanceStateDrawsItsOddsAlsoInTheColdSetting(kModel);
}

TEST(No5Lottery, TheQuickChanceComesFirstButNotInTheColdSetting)
{
    expectTheQuickChanceFirstButNotInTheColdSetting(kModel);
}

TEST(No5Lottery, ChanceChainsStartAndRunAsTheirSymbolsSay)
{
    // p0, p1: how often a prize's symbol is one of the five chance symbols
    // (1 in 3 of the prizes while the reserve holds more than four, 1 in 6
    // in a chance state, or any symbol: 1/3 + 2/3 x 5/15 = 5/9 and
    // 1/6 + 5/6 x 5/15 = 4/9), sampled from the model's own symbol draw;
    // the chains' figures follow (lottery_stats.h).
    double p0 = chanceSymbolShare(false, 4000000, 530), p1 = chanceSymbolShare(true, 4000000, 531);
    EXPECT_NEAR(p0, 5.0 / 9, 0.003);
    EXPECT_NEAR(p1, 4.0 / 9, 0.003);
    ChainFigures want = chainFigures(p0, p1);
    EXPECT_NEAR(want.meanPrizes, 6.04, 0.04);

    expectTheChainsRunAsFigured(kModel, want);
}

TEST(No5Lottery, OutcomesSplitAsTheRulesSay)
{
    // wins: the revival one in three (rand % 3 == 2), else the fast spin;
    // reaches: one in six a performance, the fast spin one in three of those
    seedRandom(540);
    uint64_t n[6] = {};
    for (int k = 0; k < 400000; k++) {
        MachineState m = idleMachine();
        m.setting = kSettingHot;
        m.luckReserve = 30;
        n[no5DrawOutcome(m)]++;
    }
    double wins = double(n[3] + n[5]), shows = double(n[2] + n[4]), reaches = double(n[1]) + shows;
    auto near = [](double k, double total, double p) { return std::fabs(k / total - p) <= 5 * std::sqrt(p * (1 - p) / total); };
    EXPECT_TRUE(near(double(n[5]), wins, 10922.0 / 32768)) << n[5] << " of " << wins;
    EXPECT_TRUE(near(shows, reaches, 1 / 6.0)) << shows << " of " << reaches;
    EXPECT_TRUE(near(double(n[2]), shows, 1 / 3.0)) << n[2] << " of " << shows;
}

} // namespace
