// The simulator's questions a one-line model answers the same way: its
// lottery table, a reach shown by the outcome a spin ends with (an unplanned
// reach never comes in play, see README.md), the chance state's count, the
// reserve that favours the chance symbols, and no prize from a reach the
// lottery did not draw as one.
#include "machines/one_line/one_line_sim.h"

#include "machines/one_line/one_line.h"
#include "tools/hallsim/model_sim.h"

const LotteryTable& simLottery()
{
    return *kOneLine.lottery;
}

bool simSpinShowedReach(const MachineState&, const MachineState& atEnd)
{
    return atEnd.drawOutcome != 0;
}

bool simChanceSymbolsFavoured(const MachineState& atSpinStart)
{
    return atSpinStart.luckReserve > kReserveFavouringChance;
}

int simChanceCount(const MachineState& m)
{
    return m.chanceCount;
}

double simReachStillWinsShare()
{
    return 0;
}

double remainder15(int k)
{
    return (k < 8 ? 2185.0 : 2184.0) / 32768.0;
}

double chanceSymbolShare(double byDraw, double outright, double favoured)
{
    return byDraw + favoured * outright * (1 - byDraw);
}

void oneLineChainFigures(double p0, double p1, double* shareStarting, double* prizesPerChain)
{
    double later = (2 - p1) / ((1 - p1) * (1 - p1));
    *prizesPerChain = 1 + later;
    *shareStarting = p0 / (1 + p0 * later);
}
