// Machine No.4's sounds: what the play screen plays for the machine on
// screen, on each of its drawing ticks, and the list of its waves.
#include "hallcore/gfx/sound.h"
#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/machine_words.h"

namespace {

enum {
    kWaveReelsRunning = kWaveSpinStart, // 701, looped while the reels run
    kWaveStop = kWaveReelStop,          // 702
    kWaveCreepReach = 703,              // looped through the creep
    kWaveActionReach = 704,             // looped through the action
    kWaveBigPrizeFanfare = 705,
    kWaveRounds = 706, // looped while the door opens round after round
    kDoorOpensAt = 64,
};

} // namespace

// The first row that holds decides; a looping row holds on launch beats
// only, and starts its wave unless something still plays. Requests no row
// takes are dropped, and the request is cleared in every case.
void modelServeSound(MachineState& m, bool launchBeat)
{
    int request;
    if (!takeSoundRequest(m, request))
        return;
    if (launchBeat && m.spinPhase == 1) {
        playSound(kWaveCreepReach, kSoundLoop);
        return;
    }
    if (launchBeat && m.spinPhase == 2) {
        playSound(kWaveActionReach, kSoundLoop);
        return;
    }
    if (m.mode == 3 && m.modeTick >= kDoorOpensAt) {
        if (m.round >= 1 && m.round <= 16) {
            if (launchBeat) {
                playSound(kWaveRounds, kSoundLoop);
                return;
            }
        } else if (m.round == 0 || m.round == 17) {
            return; // the fanfare and the ending play on undisturbed
        }
    }
    switch (request) {
    case kWaveReelsRunning:
        stopAllSound();
        playSound(kWaveReelsRunning, kSoundLoop);
        break;
    case kWaveStop:
        stopAllSound();
        playSound(kWaveStop, kSoundOnce);
        break;
    case kWaveBigPrizeFanfare: playSound(kWaveBigPrizeFanfare, kSoundOnce); break;
    default: break; // dropped
    }
}

static const ModelWave kWaves[] = {
    {kWaveReelsRunning, 16, true},    // reels running: a whirring loop of one bar
    {kWaveStop, 2, false},            // a reel stops: a click
    {kWaveCreepReach, 32, true},      // creep reach: a ticking climb
    {kWaveActionReach, 32, true},     // action reach: drums and a siren
    {kWaveBigPrizeFanfare, 64, false}, // the big prize's fanfare, as long as its intro
    {kWaveRounds, 64, true},          // the round music
};

int modelWaveCount()
{
    return (int)(sizeof kWaves / sizeof kWaves[0]);
}

const ModelWave& modelWave(int i)
{
    if (i < 0 || i >= modelWaveCount())
        i = 0;
    return kWaves[i];
}
