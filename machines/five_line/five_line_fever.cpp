// The five-line fever: the intro, up to sixteen rounds of the open door
// continued through the V zone, and the ending.
#include "five_line.h"

#include "hallcore/machine/big_prize.h"
#include "hallcore/machine/machine_words.h"

enum {
    kWaveFanfare = 706,
    kWaveRoundStart = 707,
    kLastRound = 16,
};

// The door closes on the balls in flight in the mouth's sweep.
static void closeDoor(MachineState& m)
{
    const five_line::AttackerMouth& a = *kFiveLine.mouth;
    closeAttackerDoor(m, {a.sweepX0, a.sweepY0, a.sweepX1, a.sweepY1}, kFiveLine.closeDirty);
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
    } else if (endingStep(m, f.endingSteps, f.endingSound, f.endDirty)) {
        m.actionTick = 0; // the ending (and any round no rule sets) is over
    }
}

void modelFeverStep(MachineState& m)
{
    feverStep(m);
}
