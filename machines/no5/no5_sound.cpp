// Machine No.5's sounds: what the play screen plays on each of its drawing
// ticks, by the first row of the table that holds, and its list of waves.
//
//   stop requested                         stop all
//   the right reel creeping                704 looped, on launch beats
//   fast spin or revival, the reel racing  705 looped, on launch beats
//   rounds 1..16 of a big prize            707 looped, on launch beats
//   701                                    stop, then 701 looped
//   702, 703, 709                          stop, then once
//   706                                    once
//
// A looping row holds on every tick of its state and plays only on launch
// beats (kind 1 waits for a sound still playing, so a loop follows the
// reach or the fanfare instead of cutting it off); while it holds, a request
// is dropped. Any other request is dropped too, and the request is cleared
// in every case, with the sound off as well.
#include "hallcore/gfx/sound.h"
#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/machine_words.h"
#include "no5.h"
#include "no5_sound.h"

namespace {

// The wave a looping row keeps going, or 0 when no looping row holds.
int loopingWave(const MachineState& m)
{
    if (m.spinPhase == kNo5Creep)
        return kNo5WaveCreep;
    if ((m.spinPhase == kNo5FastSpin || m.spinPhase == kNo5Revival) && m.reelTravel[2] > 0)
        return kNo5WaveFastSpin;
    if (m.mode == 3 && m.round >= 1 && m.round <= 16)
        return kNo5WaveRoundMusic;
    return 0;
}

} // namespace

void modelServeSound(MachineState& m, bool launchBeat)
{
    int request;
    if (!takeSoundRequest(m, request))
        return;
    if (int loop = loopingWave(m)) {
        if (launchBeat)
            playSound(loop, kSoundLoop);
        return;
    }
    switch (request) {
    case kNo5WaveReelsRunning:
        stopAllSound();
        playSound(request, kSoundLoop);
        break;
    case kNo5WaveReelStop:
    case kNo5WaveReach:
    case kNo5WaveRevivalCue:
        stopAllSound();
        playSound(request, kSoundOnce);
        break;
    case kNo5WaveFanfare: playSound(request, kSoundOnce); break;
    default: break; // 704, 705, 707 come from their states; anything else is no wave of ours
    }
}

static const ModelWave kWaves[] = {
    {kNo5WaveReelsRunning, 24, true}, // reels running
    {kNo5WaveReelStop, 3, false},     // reel stop
    {kNo5WaveReach, 16, false},       // reach
    {kNo5WaveCreep, 16, true},        // the right reel creeping
    {kNo5WaveFastSpin, 12, true},     // fast spin, revival spin
    {kNo5WaveFanfare, 46, false},     // fanfare
    {kNo5WaveRoundMusic, 64, true},   // round music
    {kNo5WaveRevivalCue, 10, false},  // revival cue
};

int modelWaveCount()
{
    return (int)(sizeof kWaves / sizeof kWaves[0]);
}

const ModelWave& modelWave(int i)
{
    return kWaves[i < 0 ? 0 : i >= modelWaveCount() ? modelWaveCount() - 1 : i];
}
