#include "machines/one_line/one_line_sim.h"

void oneLineChainFigures(double p0, double p1, double* shareStarting, double* prizesPerChain)
{
    double later = (2 - p1) / ((1 - p1) * (1 - p1));
    *prizesPerChain = 1 + later;
    *shareStarting = p0 / (1 + p0 * later);
}
