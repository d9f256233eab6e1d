#include "hallcore/gfx/sound.h"

#include "hallcore/sys/sys_sound.h"
#include "machine_model.h"

int soundAvailable = 0;
int soundOn = 0;

void playSound(int id, int kind)
{
    if (!soundAvailable)
        return;
    switch (kind) {
    case kSoundOnce: sysPlaySound(id, kSoundFlagsOnce); break;
    case kSoundLoop: sysPlaySound(id, kSoundFlagsLoop); break;
    case kSoundUnlessPlaying: sysPlaySound(id, kSoundFlagsUnlessPlaying); break;
    case kSoundStop: sysPlaySound(0, 0); break;
    default: break;
    }
}

void stopAllSound()
{
    playSound(0, kSoundStop);
}

enum {
    kWaveFirst = 701,
    kWaveReelStop = 702,
    kWaveRoundStart = 706,
    kWaveRoundMusic = 707,
    kWaveLast = 708,
    kRequestStopAll = -10000,
};

void serveSoundRequest(MachineState& m, bool launchBeat)
{
    int request = m.soundRequest;
    m.soundRequest = 0;
    if (!soundOn)
        return;
    if (request == kRequestStopAll) {
        stopAllSound();
        return;
    }
    if (m.mode == 3 && m.modeTick >= 80 && launchBeat && m.round >= 1 && m.round <= 16) {
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
