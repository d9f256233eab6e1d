// The core's sound call: PlaySoundA on the program's WAVE resources.
#include "win32/gfx_win32.h"

#include <mmsystem.h>

#include "hallcore/sys/sys_sound.h"

void sysPlaySound(int waveId, uint32_t flags)
{
    if (waveId == 0)
        PlaySoundA(nullptr, nullptr, 0); // stop whatever plays
    else
        PlaySoundA(MAKEINTRESOURCEA(waveId), appInstance, flags);
}
