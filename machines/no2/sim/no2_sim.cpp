// Machine No.2 in the hall simulator: its lottery table, and a reach shown
// by the outcome a spin ends with (an unplanned reach turns 0 into 1). Its
// reels never make a prize the lottery did not draw
// (machines/five_line/README.md).
#include "no2_lottery.h"
#include "tools/hallsim/model_sim.h"

const LotteryTable& simLottery()
{
    return kLottery;
}

bool simSpinShowedReach(const MachineState&, const MachineState& atEnd)
{
    return atEnd.drawOutcome != 0;
}

int simChanceCount(const MachineState&)
{
    return 0;
}

double simReachStillWinsShare()
{
    return 0;
}

bool simChanceSymbolsFavoured(const MachineState&)
{
    return true; // no chance symbols
}

bool simChainFigures(double, double, double*, double*)
{
    return false; // no chance state
}
