// Machine No.4 in the hall simulator: the chance chains' figures from how
// its prizes pick their symbol (the rest is the one-line mechanism's,
// machines/one_line/one_line_sim.cpp).
#include "machines/one_line/one_line_sim.h"
#include "tools/hallsim/model_sim.h"
#include "tools/odds/exact_odds.h"

// A prize's symbol, with the chance symbols favoured: 1 in 4 a chance symbol
// (8 one time in four, else 4), otherwise 1 + rand mod 15, of which 4 and 8
// are the chance symbols too; not favoured: only the latter. The same inside
// and outside the chance state.
bool simChainFigures(double favouredOutside, double favouredInside, double* shareStarting, double* prizesPerChain)
{
    double q = (double)odds::exactOneIn(4).value();
    double byDraw = remainder15(3) + remainder15(7);
    oneLineChainFigures(chanceSymbolShare(byDraw, q, favouredOutside), chanceSymbolShare(byDraw, q, favouredInside),
                        shareStarting, prizesPerChain);
    return true;
}
