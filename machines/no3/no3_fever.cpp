// Machine No.3's fever: the fanfare, up to sixteen rounds of the open door
// continued through the V zone, and the ending.
#include "hallcore/machine/machine_words.h"
#include "no3.h"

enum {
    kFanfareSteps = 192,
    kDoorOpensAt = 80,     // the round break before the door opens
    kDoorClosesAt = 960,   // at the latest
    kBallsPerRound = 10,
    kEndingSteps = 256,
    kRoundEnding = 17,
    kLastRound = 16,
};

void sweepDoorMouth(MachineState& m)
{
    // balls in the mouth when the door closes are taken: they pay, but count
    // neither for the round nor for the V zone
    for (BallSlot& b : m.ballSlot) {
        if (b.state == 0)
            continue;
        int x = ballX(b), y = ballY(b);
        if (x >= 48 && x <= 70 && y >= 93 && y <= 98) {
            m.pendingPrizePayouts += 1;
            setBallPosition(b, 0, 0);
            b.state = 0;
        }
    }
}

static void closeDoor(MachineState& m)
{
    m.modeTick = 0;
    m.attackerOpen = 0;
    sweepDoorMouth(m);
    m.round = m.vHit > 0 ? m.round + 1 : kRoundEnding;
    m.dirty |= kDirtyAttacker;
    m.vHit = 0;
    m.attackerCount = 0;
}

void feverStep(MachineState& m)
{
    if (m.round == 0) { // fanfare
        if (m.modeTick == 1)
            m.soundRequest = kWaveFanfare;
        if (m.modeTick >= kFanfareSteps) {
            m.modeTick = 0;
            m.round = 1;
        }
    } else if (m.round >= 1 && m.round <= kLastRound) {
        if (m.modeTick == 1)
            m.soundRequest = kWaveRoundStart;
        if (m.modeTick == kDoorOpensAt) {
            m.attackerOpen = 1;
            m.dirty |= kDirtyAttacker;
            m.soundRequest = kSoundRequestStopAll;
        }
        if (m.modeTick > kDoorOpensAt && (m.attackerCount >= kBallsPerRound || m.modeTick >= kDoorClosesAt))
            closeDoor(m);
    } else { // the ending (and any round no rule sets)
        if (m.round != kRoundEnding) {
            m.round = kRoundEnding;
            m.modeTick = 1;
        }
        if (m.modeTick == 1)
            m.soundRequest = kSoundRequestStopAll;
        if (m.modeTick == 2)
            m.soundRequest = kWaveEnding;
        if (m.modeTick >= kEndingSteps) {
            m.dirty |= kDirtyFrameLamps;
            m.startsSincePrize = 0;
            m.modeTick = 0;
            m.round = 0;
            m.vHit = 0;
            m.attackerCount = 0;
            m.mode = 1;
            m.soundRequest = kSoundRequestStopAll;
        }
    }
}

// All 2s keeps the right for good; the middle row keeps it; the middle
// column (or a first fever on another line) takes it away at the ending;
// another line keeps the kind the machine had. Kind 3 stays.
int modelFeverKind(const MachineState& m)
{
    if (m.feverKind == 3)
        return 3;
    if (m.lineMask & kLineAllTwos)
        return 3;
    if (m.lineMask & kLineMiddleRow)
        return 2;
    if ((m.lineMask & kLineMiddleColumn) || m.feverKind == 0)
        return 1;
    return m.feverKind;
}
