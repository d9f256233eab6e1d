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

const uint64_t kSpins = 200000;    // the game's spins per case
const uint64_t kSamples = 2000000; // uniform states for the expected figure

void expectRates(const Start& s, uint32_t seed, int nominalPrizeOdds)
{
    Share expWin, expReach, win, reach;
    expectedShares(s, no4Kind, kSamples, seed, expWin, expReach);
    playedShares(s, no4Kind, kSpins, seed, win, reach);
    std::printf("No.%s setting %d chance %d barred %d: prize 1 in %.2f (played 1 in %.2f), reach 1 in %.3f (played 1 in %.3f)\n",
                "4", s.setting, s.chance, s.barred, 1 / expWin.p(), 1 / win.p(), 1 / expReach.p(), 1 / reach.p());
    EXPECT_TRUE(agree(win, expWin)) << "prize, setting " << s.setting;
    EXPECT_TRUE(agree(reach, expReach)) << "reach, setting " << s.setting;
    // the expected figure is the rule's own: within 4% of its oneIn (the
    // prelude's redraw now and then puts another setting in force); 0 where
    // the redraw changes more (cold and barred: a redraw to another setting
    // brings the quick chance, a third more prizes)
    if (nominalPrizeOdds == 0)
        return;
    double exact = odds::exactOneIn(nominalPrizeOdds).value();
    EXPECT_NEAR(expWin.p() / exact, 1.0, 0.04) << "setting " << s.setting;
}

TEST(No4Lottery, EachSettingDrawsItsPrizesAndReaches)
{
    for (int setting = 0; setting < 3; setting++) {
        Start s;
        s.setting = setting;
        expectRates(s, 400 + setting, kLottery.prizeOdds[setting]);
    }
}

TEST(No4Lottery, TheChanceStateDrawsOneInThirtyTwoAlsoInTheColdSetting)
{
    for (int setting : {0, 2}) {
        Start s;
        s.setting = setting;
        s.chance = 2;
        expectRates(s, 410 + setting, kLottery.chanceOdds);
    }
}

TEST(No4Lottery, TheQuickChanceComesFirstButNotInTheColdSetting)
{
    Start s;
    s.barred = 1;
    s.chance = 2; // the quick chance comes before the chance state
    expectRates(s, 420, kLottery.quickOdds);
    s.setting = 2; // cold: the chance state's odds
    expectRates(s, 421, kLottery.chanceOdds);
    s.chance = 0; // cold and no chance state: the cold odds
    expectRates(s, 422, 0);
    s.setting = 0;
    s.startsSince = 5; // past the quick chance's four starts
    expectRates(s, 423, kLottery.prizeOdds[0]);
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

    ChainRun run = playChains(kSettingHot, 3000000, 432, no4Kind);
    ASSERT_GT(run.chains, 3000u);
    // share of prizes: binomial over the prizes, 5 sd; mean: 5 standard errors
    double s = want.startShare;
    EXPECT_NEAR(run.startShare(), s, 5 * std::sqrt(s * (1 - s) / double(run.prizes)));
    EXPECT_NEAR(run.meanPrizes(), want.meanPrizes, 5 * run.meanSd());
    std::printf("No.4 chains: %llu prizes, %llu chains, %.4f start one (exact %.4f), %.3f prizes a chain (exact %.3f)\n",
                (unsigned long long)run.prizes, (unsigned long long)run.chains, run.startShare(), s,
                run.meanPrizes(), want.meanPrizes);
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
