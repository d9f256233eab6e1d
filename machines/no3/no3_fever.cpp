// Machine No.3's fever: the fanfare, up to sixteen rounds of the open door
// continued through the V zone, and the ending.
#include "hallcore/machine/big_prize.h"
#include "hallcore/machine/machine_words.h"
#include "no3.h"
#include "no3_board_geometry.h"

enum {
    kFanfareSteps = 192,
    kDoorOpensAt = 80,     // the round break before the door opens
    kDoorClosesAt = 960,   // at the latest
    kBallsPerRound = 10,
    kEndingSteps = 256,
    kLastRound = 16,
};

// A closing door takes the balls in its mouth: x 48..70, y 93..98.
static constexpr BoardBox kDoorSweep = {no3board::kMouthXMin, no3board::kDoorSweepTopRow, no3board::kMouthXMax,
                                        no3board::kMouthLowerRow};

static void closeDoor(MachineState& m)
{
    closeAttackerDoor(m, kDoorSweep, kDirtyAttacker);
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
        endingStep(m, kEndingSteps, kWaveEnding, kDirtyFrameLamps);
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
