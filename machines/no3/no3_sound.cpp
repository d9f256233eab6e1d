// Machine No.3's sounds: what the play screen plays for a request, on each
// of its drawing ticks.
#include "hallcore/gfx/sound.h"
#include "hallcore/machine/machine_words.h"
#include "no3.h"

enum { kDoorOpensAt = 80 };

void modelServeSound(MachineState& m, bool launchBeat)
{
    int request;
    if (!takeSoundRequest(m, request))
        return;
    if (m.mode == 3 && m.modeTick >= kDoorOpensAt && launchBeat && m.round >= 1 && m.round <= 16) {
        // The door is open: on each launch beat the round music is (re)started
        // unless something still plays; any other request is dropped.
        playSound(kWaveRoundMusic, kSoundLoop);
        return;
    }
    if (request < kWaveFirst || request > kWaveLast || request == kWaveRoundMusic)
        return;
    if (request == kWaveReelStop || request == kWaveRoundStart)
        stopAllSound();
    playSound(request, kSoundOnce);
}

static const ModelWave kWaves[] = {
    {kWaveSpinStart, 69, false},  // spin start
    {kWaveReelStop, 3, false},    // reel stop
    {kWaveLostSpin, 11, false},   // lost spin
    {kWaveReach, 245, false},     // reach
    {kWaveFanfare, 96, false},    // fever fanfare
    {kWaveRoundStart, 24, false}, // round start
    {kWaveRoundMusic, 61, true},  // round music, looped while the door is open
    {kWaveEnding, 90, false},     // fever ending
};

int modelWaveCount()
{
    return (int)(sizeof kWaves / sizeof kWaves[0]);
}

const ModelWave& modelWave(int i)
{
    return kWaves[i];
}
