// Machine No.1's odds: the lottery's outcomes against the real lottery run
// over the generator's states, what the reels then show (the reels, not the
// lottery, decide a prize), the quick chance, the reserve's forced settings
// and its bookkeeping over a long run. All but what the reels decide are the
// tests every five-line model runs, with their tolerances
// (machines/five_line/tests/five_line_odds.h), on No.1's figures.
#include "machines/five_line/tests/five_line_odds.h"
#include "no1.h"
#include "no1_lottery.h"
#include "tools/odds/exact_odds.h"

using namespace five_line_testing;

namespace {

// The draws No.1's reach set-ups make: a losing reach's offset (rand % 14),
// the actions' losing side (rand % 2); the winning ones draw nothing.
std::vector<DrawCase> laterDraws(int outcome, int)
{
    static const std::vector<DrawCase> offset = oneDrawCases(14), side = oneDrawCases(2), none = {{1, 1.0}};
    if (outcome == kReachLose)
        return offset;
    if (outcome == kSlowLose || outcome == kStopGoLose)
        return side;
    return none;
}

bool isWin(int outcome)
{
    return outcome == kReachWin || outcome == kSlowWin || outcome == kSlowSlideBackWin || outcome == kStopGoWin
           || outcome == kStopGoSlideBackWin;
}

const OddsModel kOdds = {"No.1", 312, 9, isWin, kLottery, drawLottery};

const std::vector<double>& prizeShareByOutcome()
{
    static const std::vector<double> share = prizeShares(kOdds, laterDraws);
    return share;
}

} // namespace

// The reels decide: worked out over every value of the set-up's and the
// reach set-ups' draws (as independent 15-bit draws), from the new-day
// positions after a miss (reachSymbol 0).
//  - A miss: No.1's numbers never stand in neighbouring cells and its left
//    and right strips differ, so a miss's boosts never stop on a reach once
//    the fix-up moved a reel: a spin drawn as a miss is never a prize (also
//    after a fever, with its symbol still in reachSymbol).
//  - A losing action (3, 6) stops the middle reel a cell before or past the
//    symbol, where the middle strip has a blank: never a prize.
//  - A plain losing reach (1) can be one: both diagonals may be a reach at
//    once (symbol 1, 2, 5 or 6 planned on a diagonal makes the other one
//    agree too), and the middle reel, kept off the planned symbol, may stop
//    on the other diagonal's: 2/105 of them (1 in 52.5).
TEST(No1Odds, TheReelsDecideAPrizeAndHowOftenALosingDrawStillWins)
{
    const std::vector<double>& share = prizeShareByOutcome();
    for (int o = 0; o <= 8; o++) {
        if (isWin(o)) {
            EXPECT_DOUBLE_EQ(share[o], 1.0) << "a planned win always shows, outcome " << o;
        }
        std::printf("No.1 outcome %d: prize %.7f\n", o, share[o]);
    }
    EXPECT_EQ(share[kNoReach], 0.0);
    EXPECT_EQ(unplannedReachShare(312), 0.0);
    EXPECT_EQ(share[kSlowLose], 0.0);
    EXPECT_EQ(share[kStopGoLose], 0.0);
    EXPECT_NEAR(share[kReachLose], 2.0 / 105, 2e-5); // the 15-bit draws' rounding is below 1e-5
    for (int stale = 1; stale <= 6; stale++)
        EXPECT_EQ(prizeShareOfOutcome(kNoReach, 312, stale, laterDraws), 0.0) << stale;
}

TEST(No1Odds, LotteryAndPrizeRatesMatchTheRealLotteryInEverySetting)
{
    expectLotteryAndPrizeRatesOfTheRealLottery(kOdds, prizeShareByOutcome());
}

TEST(No1Odds, TheQuickChanceAfterALostRightIsOneInSixteenButNotCold)
{
    expectTheQuickChanceOneInSixteenButNotCold(kOdds);
}

TEST(No1Odds, TheReserveForcesTheSettingAndAnEmptyOneStaysEmpty)
{
    expectTheReserveForcesTheSettingAndAnEmptyOneStaysEmpty(kOdds, [](const MachineState& m) {
        EXPECT_NE(m.drawOutcome, kSlowWin); // cold wins show as a plain reach win
        EXPECT_NE(m.drawOutcome, kStopGoSlideBackWin);
    });
}

TEST(No1Odds, TheReserveKeepsItsBooksOverALongRun)
{
    expectTheReserveKeepsItsBooksOverALongRun(kOdds);
}
