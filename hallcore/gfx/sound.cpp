#include "hallcore/gfx/sound.h"

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
