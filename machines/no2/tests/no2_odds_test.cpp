// Machine No.2's odds: the lottery's outcomes against the real lottery run
// over the generator's states, what the reels then show (the reels, not the
// lottery, decide a prize), the quick chance, the reserve's forced settings
// and its bookkeeping over a long run. All but what the reels decide are the
// tests every five-line model runs, with their tolerances
// (machines/five_line/tests/five_line_odds.h), on No.2's figures.
#include "machines/five_line/tests/five_line_odds.h"
#include "no2.h"
#include "no2_later_draws.h"
#include "no2_lottery.h"
#include "tools/odds/exact_odds.h"

using namespace five_line_testing;

namespace {

bool isWin(int outcome)
{
    return outcome >= kReachWin && outcome <= kRevivalWin;
}

const OddsModel kOdds = {"No.2", 480, 6, isWin, kLottery, drawLottery};

const std::vector<double>& prizeShareByOutcome()
{
    static const std::vector<double> share = prizeShares(kOdds, no2LaterDraws);
    return share;
}

} // namespace

// The reels decide: worked out over every value of the set-up's and the
// reach set-ups' draws (as independent 15-bit draws), from the new-day
// positions after a miss (reachSymbol 0) and after a fever on each symbol.
//  - A miss: a reach the boosts would stop on is broken by moving one reel a
//    cell, and on No.2's strips (numbers never in neighbouring cells, left
//    and right strips differing) that never makes another one: a spin drawn
//    as a miss is never a reach and never a prize.
//  - A losing reach: the middle reel stops 8 to 20 cells (8 to 18 on both
//    diagonals) past the symbol or one cell past it; no number of another
//    line ever stands there: never a prize.
// So on No.2 the lottery's win is exactly the prize.
TEST(No2Odds, TheReelsDecideAPrizeAndHowOftenALosingDrawStillWins)
{
    const std::vector<double>& share = prizeShareByOutcome();
    for (int o = 0; o <= 5; o++)
        EXPECT_DOUBLE_EQ(share[o], isWin(o) ? 1.0 : 0.0) << "outcome " << o;
    EXPECT_EQ(unplannedReachShare(480), 0.0);
    for (int stale = 1; stale <= 8; stale++)
        EXPECT_EQ(prizeShareOfOutcome(kNoReach, 480, stale, no2LaterDraws), 0.0) << stale;
}

TEST(No2Odds, LotteryAndPrizeRatesMatchTheRealLotteryInEverySetting)
{
    expectLotteryAndPrizeRatesOfTheRealLottery(kOdds, prizeShareByOutcome());
}

TEST(No2Odds, TheQuickChanceAfterALostRightIsOneInSixteenButNotCold)
{
    expectTheQuickChanceOneInSixteenButNotCold(kOdds);
}

TEST(No2Odds, TheReserveForcesTheSettingAndAnEmptyOneStaysEmpty)
{
    expectTheReserveForcesTheSettingAndAnEmptyOneStaysEmpty(kOdds);
}

TEST(No2Odds, TheReserveKeepsItsBooksOverALongRun)
{
    expectTheReserveKeepsItsBooksOverALongRun(kOdds);
}
