#include "hallcore/gfx/sound.h"

#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/sys/sys_sound.h"

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

bool takeSoundRequest(MachineState& m, int& request)
{
    request = m.soundRequest;
    m.soundRequest = kSoundRequestNone;
    if (!soundOn)
        return false;
    if (request == kSoundRequestStopAll) {
        stopAllSound();
        return false;
    }
    return true;
}
