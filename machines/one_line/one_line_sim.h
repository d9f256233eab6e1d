// The one-line machines in the hall simulator: what they share (the lottery
// table the rules draw with, a reach shown by the outcome a spin ends with,
// the chance state's count; the chance chains' figures from how likely a
// prize's symbol is a chance symbol). The model adds simChainFigures.
#pragma once

// The chain figures from p0 and p1, the chances that a prize's symbol is a
// chance symbol outside and inside the chance state. A chain starts with a
// prize on a chance symbol outside one (count 2); inside, a prize on a
// chance symbol sets the count to 2 again and any other takes one off, and
// the chain ends at 0. So from count 2 the prizes still to come are
// E2 = (2 - p1) / (1 - p1)^2, and a chain holds 1 + E2 in all; between chains
// 1 / p0 prizes come on average, so a chain starts with p0 / (1 + p0 E2) of
// all prizes.
void oneLineChainFigures(double p0, double p1, double* shareStarting, double* prizesPerChain);

// The chance that a prize's symbol is a chance symbol, when a share
// `favoured` of the prizes draw one outright with chance `outright` and
// every other symbol comes from 1 + rand mod 15, on a chance symbol with
// chance `byDraw`.
double chanceSymbolShare(double byDraw, double outright, double favoured);

// The share of the generator's 15-bit draws whose remainder mod 15 is k:
// 2185 of the 32768 values for k below 8, 2184 above.
double remainder15(int k);
