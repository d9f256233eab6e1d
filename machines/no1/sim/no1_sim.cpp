// Machine No.1 in the hall simulator: its lottery table; a spin showed a
// reach when it ends with an outcome (an unplanned reach turns 0 into 1 when
// the right reel stops); and what its reels add to the lottery's prizes.
#include "hallcore/machine/random.h"
#include "no1_lottery.h"
#include "tools/hallsim/model_sim.h"
#include "tools/odds/exact_odds.h"

const LotteryTable& simLottery()
{
    return kLottery;
}

bool simSpinShowedReach(const MachineState&, const MachineState& atEnd)
{
    return atEnd.drawOutcome != kNoReach;
}

int simChanceCount(const MachineState&)
{
    return 0;
}

// A plain losing reach (outcome 1) ends in a prize 2 times in 105: a symbol
// 1, 2, 5 or 6 planned on a diagonal makes both diagonals a reach, and the
// middle reel, kept off the planned symbol, lands on the other diagonal's one
// time in 14 (machines/five_line/README.md). The reach draw gives outcome 1
// when neither the stop-and-go (1 in 12) nor the slow action (1 in 6) is drawn.
double simReachStillWinsShare()
{
    double stopGo = (double)odds::exactOneIn(kStopGoReachOdds).value();
    double slow = (double)odds::exactOneIn(kSlowReachOdds).value();
    return (1 - stopGo) * (1 - slow) * 2.0 / 105.0;
}

bool simChanceSymbolsFavoured(const MachineState&)
{
    return true; // no chance symbols
}

bool simChainFigures(double, double, double*, double*)
{
    return false; // no chance state
}
