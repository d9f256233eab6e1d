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

const uint64_t kSpins = 200000;    // the game's spins per case
const uint64_t kSamples = 2000000; // uniform states for the expected figure

void expectRates(const Start& s, uint32_t seed, int nominalPrizeOdds)
{
    Share expWin, expReach, win, reach;
    expectedShares(s, no5Kind, kSamples, seed, expWin, expReach);
    playedShares(s, no5Kind, kSpins, seed, win, reach);
    std::printf("No.%s setting %d chance %d barred %d: prize 1 in %.2f (played 1 in %.2f), reach 1 in %.3f (played 1 in %.3f)\n",
                "5", s.setting, s.chance, s.barred, 1 / expWin.p(), 1 / win.p(), 1 / expReach.p(), 1 / reach.p());
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

TEST(No5Lottery, EachSettingDrawsItsPrizesAndReaches)
{
    for (int setting = 0; setting < 3; setting++) {
        Start s;
        s.setting = setting;
        expectRates(s, 500 + setting, kLottery.prizeOdds[setting]);
    }
}

TEST(No5Lottery, TheChanceStateDrawsOneInThirtyTwoAlsoInTheColdSetting)
{
    for (int setting : {0, 2}) {
        Start s;
        s.setting = setting;
        s.chance = 2;
        expectRates(s, 510 + setting, kLottery.chanceOdds);
    }
}

TEST(No5Lottery, TheQuickChanceComesFirstButNotInTheColdSetting)
{
    Start s;
    s.barred = 1;
    s.chance = 2; // the quick chance comes before the chance state
    expectRates(s, 520, kLottery.quickOdds);
    s.setting = 2; // cold: the chance state's odds
    expectRates(s, 521, kLottery.chanceOdds);
    s.chance = 0; // cold and no chance state: the cold odds
    expectRates(s, 522, 0);
    s.setting = 0;
    s.startsSince = 5; // past the quick chance's four starts
    expectRates(s, 523, kLottery.prizeOdds[0]);
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

    ChainRun run = playChains(kSettingHot, 3000000, 532, no5Kind);
    ASSERT_GT(run.chains, 3000u);
    // share of prizes: binomial over the prizes, 5 sd; mean: 5 standard errors
    double s = want.startShare;
    EXPECT_NEAR(run.startShare(), s, 5 * std::sqrt(s * (1 - s) / double(run.prizes)));
    EXPECT_NEAR(run.meanPrizes(), want.meanPrizes, 5 * run.meanSd());
    std::printf("No.5 chains: %llu prizes, %llu chains, %.4f start one (exact %.4f), %.3f prizes a chain (exact %.3f)\n",
                (unsigned long long)run.prizes, (unsigned long long)run.chains, run.startShare(), s,
                run.meanPrizes(), want.meanPrizes);
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
