// The five-line fever: the intro, up to sixteen rounds of the open door
// continued through the V zone, and the ending.
#include "five_line.h"

#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"

enum {
    kWaveFanfare = 706,
    kWaveRoundStart = 707,
    kLastRound = 16,
    kRoundEnding = 17,
};

void sweepAttackerMouth(MachineState& m)
{
    // paid, but counted neither for the round nor for the V zone
    const five_line::AttackerMouth& a = *kFiveLine.mouth;
    for (BallSlot& b : m.ballSlot) {
        if (b.state == 0)
            continue;
        int x = ballX(b), y = ballY(b);
        if (x >= a.sweepX0 && x <= a.sweepX1 && y >= a.sweepY0 && y <= a.sweepY1) {
            m.pendingPrizePayouts += 1;
            freeSlot(b);
        }
    }
}

static void closeDoor(MachineState& m)
{
    m.modeTick = 0;
    m.attackerOpen = 0;
    sweepAttackerMouth(m);
    m.round = m.vHit > 0 ? m.round + 1 : kRoundEnding; // a V in round 16 leads to the ending too
    m.dirty |= kFiveLine.closeDirty;
    m.vHit = 0;
    m.attackerCount = 0;
}

// Timers test "at or past" their mark, so a record loaded past one still
// moves on; the one-shot requests keep their exact steps.
void feverStep(MachineState& m)
{
    const FiveLineModel& f = kFiveLine;
    if (m.round == 0) { // the intro
        if (m.modeTick == 1) {
            m.dirty |= f.introDirty;
            m.soundRequest = kWaveFanfare;
        }
        if (m.modeTick >= f.introSteps) {
            m.round = 1;
            m.modeTick = 0;
        }
    } else if (m.round >= 1 && m.round <= kLastRound) {
        if (m.modeTick == 1)
            m.soundRequest = kWaveRoundStart;
        if (m.modeTick == f.doorOpensAt) {
            m.attackerOpen = 1;
            m.dirty |= kDirtyAttacker;
            m.actionTick = 0;
            m.soundRequest = kSoundRequestStopAll;
        }
        if (m.modeTick > f.doorOpensAt && (m.attackerCount >= f.ballsPerRound || m.modeTick >= f.doorClosesAt))
            closeDoor(m);
    } else { // the ending (and any round no rule sets)
        if (m.round != kRoundEnding) {
            m.round = kRoundEnding;
            m.modeTick = 1;
        }
        // the round music stops when the ending starts and when it is over
        if (m.modeTick == 1)
            m.soundRequest = kSoundRequestStopAll;
        if (m.modeTick == 2 && f.endingSound != 0)
            m.soundRequest = f.endingSound;
        if (m.modeTick >= f.endingSteps) {
            m.dirty |= f.endDirty;
            m.startsSincePrize = 0;
            m.modeTick = 0;
            m.actionTick = 0;
            m.round = 0;
            m.vHit = 0;
            m.attackerCount = 0;
            m.mode = 1;
            m.soundRequest = kSoundRequestStopAll;
        }
    }
}

void modelFeverStep(MachineState& m)
{
    feverStep(m);
}
