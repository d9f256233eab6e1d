// The one-line big prize: round 0 with its fanfare and the chance state, up
// to sixteen rounds of the open door continued through the V, and the
// ending.
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"
#include "one_line.h"

enum {
    kRoundIntro = 0,
    kFirstRound = 1,
    kLastRound = 16,
    kChanceStateLength = 2, // big prizes at raised odds after a win on a chance symbol
};

void bookChanceState(MachineState& m)
{
    if (isChanceSymbol(m.reachSymbol))
        m.chanceCount = kChanceStateLength;
    else if (m.chanceCount > 0)
        m.chanceCount -= 1;
}

void countAttackerBall(MachineState& m)
{
    m.attackerCount += 1;
    if (kOneLine.attackerCountCap > 0 && m.attackerCount > kOneLine.attackerCountCap)
        m.attackerCount = kOneLine.attackerCountCap;
}

void closeDoor(MachineState& m)
{
    closeAttackerDoor(m, kOneLine.closingSweep, kDirtyAttacker);
}

static void openDoor(MachineState& m)
{
    m.attackerOpen = 1;
    m.dirty |= kDirtyAttacker;
    m.actionTick = 0;
}

static void roundStep(MachineState& m)
{
    const OneLineModel& k = kOneLine;
    if (!m.attackerOpen) {
        // the timers are "at or past" their mark, so a record read from a
        // file with a later modeTick still opens its door
        if (m.round == kFirstRound && k.firstRoundOpensAt > 0 && m.modeTick >= k.firstRoundOpensAt
            && m.modeTick < k.doorOpensAt) {
            m.modeTick = k.doorOpensAt; // the first round skips the break
            openDoor(m);
        } else if (m.modeTick >= k.doorOpensAt) {
            openDoor(m);
        }
        return;
    }
    if (m.modeTick <= k.doorOpensAt)
        return;
    if (k.doorRedrawEveryStep)
        m.dirty |= kDirtyAttacker;
    if (k.vHitCountsUp && m.vHit >= 1 && m.vHit <= 31)
        m.vHit += 1;
    if (m.attackerCount >= k.ballsPerRound || m.modeTick >= k.doorClosesAt)
        closeDoor(m);
}

void oneLineFeverStep(MachineState& m)
{
    const OneLineModel& k = kOneLine;
    if (m.round == kRoundIntro) {
        if (m.modeTick == 1) {
            bookChanceState(m);
            m.soundRequest = k.introSound;
        }
        if (m.modeTick >= k.introSteps) {
            m.round = kFirstRound;
            m.modeTick = 0;
            m.actionTick = 0;
        }
        return;
    }
    if (m.round >= kFirstRound && m.round <= kLastRound) {
        roundStep(m);
        return;
    }
    // the ending (and a round no rule sets)
    if (endingStep(m, k.endingSteps, 0, kDirtyFrameLamps)) {
        m.actionTick = 0;
        m.attackerOpen = 0;
    }
}

void modelFeverStep(MachineState& m)
{
    oneLineFeverStep(m);
}
