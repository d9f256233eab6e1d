// Platform: the sound call. Implemented by win32/sound_win32.cpp (PlaySoundA
// on the program's WAVE resources) and by null/sys_null.cpp (a hook a test
// may set). Only the sound service (hallcore/gfx/sound.h) calls it.
#pragma once
#include <cstdint>

// Plays wave resource `waveId` of the program with the sound call's flag
// word; waveId 0 with flags 0 is the call with no sound, which stops.
void sysPlaySound(int waveId, uint32_t flags);
