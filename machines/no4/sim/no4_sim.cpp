// Machine No.4 in the hall simulator: its lottery table, a reach shown by
// the outcome a spin ends with (an unplanned reach never comes in play, see
// machines/one_line/README.md), its chance state and the chance chains'
// figures from how its prizes pick their symbol.
#include "machines/one_line/one_line_sim.h"
#include "no4_lottery.h"
#include "tools/hallsim/model_sim.h"
#include "tools/odds/exact_odds.h"

const LotteryTable& simLottery()
{
    return kLottery;
}

bool simSpinShowedReach(const MachineState&, const MachineState& atEnd)
{
    return atEnd.drawOutcome != 0;
}

int simChanceCount(const MachineState& m)
{
    return m.chanceCount;
}

double simReachStillWinsShare()
{
    return 0;
}

// One 15-bit draw mod 15 is k: 2185 of the 32768 values for k below 8, 2184 above.
static double remainder15(int k)
{
    return (k < 8 ? 2185.0 : 2184.0) / 32768.0;
}

// A prize's symbol (with a reserve above 4): 1 in 4 a chance symbol (8 one
// time in four, else 4), otherwise 1 + rand mod 15, of which 4 and 8 are the
// chance symbols too. The same inside and outside the chance state.
bool simChainFigures(double* shareStarting, double* prizesPerChain)
{
    double q = (double)odds::exactOneIn(4).value();
    double p = q + (1 - q) * (remainder15(3) + remainder15(7));
    oneLineChainFigures(p, p, shareStarting, prizesPerChain);
    return true;
}
