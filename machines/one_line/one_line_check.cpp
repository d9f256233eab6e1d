// The one-line words of a record read from a file.
#include "one_line.h"

namespace {

bool within(int32_t v, int32_t lo, int32_t hi)
{
    return v >= lo && v <= hi;
}

enum {
    kMostTravel = 20000, // far beyond any spin's (the fast spin's is below 7000)
    kMostBoost = 72,     // No.4's right reel counts its performance pauses in it
    kMostSpin = 64,      // a kick is at most 26
    kMostChance = 9,     // the catch-up starts chance states of up to 9 prizes
};

} // namespace

bool oneLineWordsAreValid(MachineState& m, int maxPhase, int maxOutcome, int maxVHit)
{
    for (int r = 0; r < kOneLineReels; r++) {
        m.reelPos[r] = wrapPosition(m.reelPos[r]); // any position names a cell
        if (!within(m.reelTravel[r], -1, kMostTravel) || !within(m.reelBoost[r], 0, kMostBoost))
            return false;
    }
    for (int i = 0; i < kOneLine.windmillCount; i++)
        if (!within(m.spinner[kOneLine.windmills[i].spinner], -kMostSpin, kMostSpin))
            return false;
    // an open door outside the rounds would never close
    if (m.attackerOpen && !(m.mode == 3 && within(m.round, 1, 16)))
        return false;
    return within(m.spinPhase, 0, maxPhase) && within(m.drawOutcome, 0, maxOutcome)
           && within(m.reachSymbol, 0, kStripCells) && within(m.chanceCount, 0, kMostChance)
           && within(m.vHit, 0, maxVHit);
}
