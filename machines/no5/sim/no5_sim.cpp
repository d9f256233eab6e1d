// Machine No.5 in the hall simulator: its lottery table, a reach shown by
// the outcome a spin ends with (an unplanned reach never comes in play, see
// machines/one_line/README.md), its chance state and the chance chains'
// figures from how its prizes pick their symbol.
#include "machines/one_line/one_line_sim.h"
#include "no5_lottery.h"
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

// A prize's symbol (with a reserve above 4): one of the five chance symbols
// 4, 8, 11, 13, 15 with 1 in 3 outside the chance state and 1 in 6 inside,
// otherwise 1 + rand mod 15, which gives a chance symbol for 3, 7, 10, 12, 14.
bool simChainFigures(double* shareStarting, double* prizesPerChain)
{
    double byDraw = remainder15(3) + remainder15(7) + remainder15(10) + remainder15(12) + remainder15(14);
    double out = (double)odds::exactOneIn(3).value(), in = (double)odds::exactOneIn(6).value();
    oneLineChainFigures(out + (1 - out) * byDraw, in + (1 - in) * byDraw, shareStarting, prizesPerChain);
    return true;
}
