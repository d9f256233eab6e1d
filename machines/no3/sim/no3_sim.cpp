// Machine No.3 in the hall simulator: its lottery table, and a reach shown
// by the line bits its spin starts with (a prize's included).
#include "no3_lottery.h"
#include "tools/hallsim/model_sim.h"

const LotteryTable& simLottery()
{
    return kLottery;
}

bool simSpinShowedReach(const MachineState& atStart, const MachineState&)
{
    return atStart.lineMask != 0;
}

int simChanceCount(const MachineState&)
{
    return 0;
}

double simReachStillWinsShare()
{
    return 0; // No.3's reels stop on the symbols the lottery chose
}

bool simChanceSymbolsFavoured(const MachineState&)
{
    return true; // no chance symbols
}

bool simChainFigures(double, double, double*, double*)
{
    return false; // no chance state
}
