// Machine No.5 in the hall simulator: the chance chains' figures from how
// its prizes pick their symbol (the rest is the one-line mechanism's,
// machines/one_line/one_line_sim.cpp).
#include "machines/one_line/one_line_sim.h"
#include "tools/hallsim/model_sim.h"
#include "tools/odds/exact_odds.h"

// A prize's symbol, with the chance symbols favoured: one of the five chance
// symbols 4, 8, 11, 13, 15 with 1 in 3 outside the chance state and 1 in 6
// inside, otherwise 1 + rand mod 15, which gives a chance symbol for 3, 7,
// 10, 12, 14; not favoured: only the latter.
bool simChainFigures(double favouredOutside, double favouredInside, double* shareStarting, double* prizesPerChain)
{
    double byDraw = remainder15(3) + remainder15(7) + remainder15(10) + remainder15(12) + remainder15(14);
    double out = (double)odds::exactOneIn(3).value(), in = (double)odds::exactOneIn(6).value();
    oneLineChainFigures(chanceSymbolShare(byDraw, out, favouredOutside), chanceSymbolShare(byDraw, in, favouredInside),
                        shareStarting, prizesPerChain);
    return true;
}
