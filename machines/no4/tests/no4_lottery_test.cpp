// Machine No.4's lottery over many spins: the prize and reach rates of each
// setting, the chance state's 1 in 32, the quick chance after a lost right,
// and the chance chains, each against the figures its own rules give with
// the real generator (machines/one_line/tests/lottery_stats.h says how).
#include "machines/no4/no4.h"
#include "machines/no4/no4_lottery.h"
#include "machines/one_line/tests/lottery_stats.h"

namespace {

using namespace lotterystats;

int no4Kind(int outcome)
{
    switch (outcome) {
    case kNo4CreepWin:
    case kNo4ActionWin:
        return kWin;
    case kNo4CreepLose:
    case kNo4ActionLose:
        return kReach;
    default:
        return kMiss;
    }
}

const LotteryModel kModel = {"4", no4Kind, kLottery, 400};

TEST(No4Lottery, EachSettingDrawsItsPrizesAndReaches)
{
    expectEachSettingDrawsItsPrizesAndReaches(kModel);
}

TEST(No4Lottery, TheChanceStateDrawsOneInThirtyTwoAlsoInTheColdSetting)
{
    expectTheChanceStateDrawsItsOddsAlsoInTheColdSetting(kModel);
}

TEST(No4Lottery, TheQuickChanceComesFirstButNotInTheColdSetting)
{
    expectTheQuickChanceFirstButNotInTheColdSetting(kModel);
}

TEST(No4Lottery, ChanceChainsStartAndRunAsTheirSymbolsSay)
{
    // p0, p1: how often a prize's symbol is 4 or 8 (1 in 4 of the prizes
    // while the reserve holds more than four, then 8 one in four of those,
    // or any symbol: 0.25 + 0.75 x 2/15 = 0.35), sampled from the model's
    // own symbol draw; the chains' figures follow (lottery_stats.h).
    double p0 = chanceSymbolShare(false, 4000000, 430), p1 = chanceSymbolShare(true, 4000000, 431);
    EXPECT_NEAR(p0, 0.35, 0.003);
    EXPECT_NEAR(p1, p0, 0.003); // No.4 draws its symbol the same in a chance state
    ChainFigures want = chainFigures(p0, p1);
    EXPECT_NEAR(want.meanPrizes, 4.905, 0.03);

    expectTheChainsRunAsFigured(kModel, want);
}

TEST(No4Lottery, OutcomesSplitAsTheRulesSay)
{
    // wins: the action three times in four; reaches: the creep fifteen in sixteen
    seedRandom(440);
    uint64_t n[5] = {};
    for (int k = 0; k < 400000; k++) {
        MachineState m = idleMachine();
        m.setting = kSettingHot;
        m.luckReserve = 30;
        n[no4DrawOutcome(m)]++;
    }
    double wins = double(n[2] + n[4]), reaches = double(n[1] + n[3]);
    EXPECT_NEAR(n[4] / wins, 0.75, 5 * std::sqrt(0.1875 / wins));
    EXPECT_NEAR(n[1] / reaches, 15.0 / 16, 5 * std::sqrt(15.0 / 256 / reaches));
}

} // namespace
