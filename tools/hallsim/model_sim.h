// What the simulator asks of a machine model beyond the engine's contract:
// its lottery's numbers and how to tell what a spin showed. Each module
// gives these in machines/<model>/sim/.
#pragma once
#include "hallcore/machine/lottery.h"

// The model's lottery table (the one its rules draw with).
const LotteryTable& simLottery();

// A spin has ended (the machine left mode 2): whether it showed a reach,
// prizes included, from the record right after the spin's start pass and
// the record now.
bool simSpinShowedReach(const MachineState& atStart, const MachineState& atEnd);

// Big prizes still to come at raised odds (0 for models without a chance
// state).
int simChanceCount(const MachineState& m);

// On models whose reels, not the lottery, decide a prize: the share of the
// spins drawn as a reach without prize that still end in one (0 where the
// lottery's prize is the prize). The exact prize chance adds it.
double simReachStillWinsShare();

// Whether the spin starting with this record (right after the lottery's
// draw) chooses its symbol with the chance symbols favoured: the one-line
// machines favour them only while the luck reserve holds more than four.
// True on models without chance symbols.
bool simChanceSymbolsFavoured(const MachineState& atSpinStart);

// The chance chains of a model that has them, from its rules and the game's
// generator: the share of all prizes that start a chain and the prizes in a
// chain, the starting one included, when the given shares of the prizes
// outside and inside a chance state chose their symbol with the chance
// symbols favoured (1 and 1: always; 0 and 0: never). False for models
// without.
bool simChainFigures(double favouredOutside, double favouredInside, double* shareStarting,
                     double* prizesPerChain);
