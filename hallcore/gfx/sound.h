// The sound service: one wave at a time from the program's WAVE resources,
// played by the platform's sound call in the background.
#pragma once
#include <cstdint>

struct MachineState;

enum SoundKind {
    kSoundOnce = 0,          // play once, cutting off what is playing
    kSoundLoop = 1,          // loop, unless a sound is already playing
    kSoundUnlessPlaying = 2, // play once, unless a sound is already playing
    kSoundStop = 3,          // stop all sound
};

// Flag words of the sound call: resource 0x40004, asynchronous 1, no default
// sound 2, loop 8, no-stop 0x10.
enum : uint32_t {
    kSoundFlagsOnce = 0x40007,
    kSoundFlagsLoop = 0x4001F,
    kSoundFlagsUnlessPlaying = 0x40017,
};

extern int soundAvailable; // a wave output device was there at start-up
extern int soundOn;        // the Sound option; starts equal to soundAvailable

// Plays wave `id` in one of the four kinds. Does nothing without a wave
// device (soundAvailable 0), a stop included, and nothing for other kinds.
// It does not look at the Sound option: callers that start a sound check
// soundOn; stops go out regardless.
void playSound(int id, int kind);

// Kind 3. The shell stops all sound when it switches to another player
// slot, goes from the machine to the hall (40312), stops play (40313, and
// forced with 40101) and toggles the Sound option (40500).
void stopAllSound();

// The frame every model's sound table (modelServeSound) starts with: takes
// the machine's sound request and clears it, whatever comes after. False
// when nothing is left to serve: with the Sound option off (the request is
// dropped), or for a stop-all request, which it carries out. Otherwise the
// table goes on with `request` (kSoundRequestNone when none was made).
bool takeSoundRequest(MachineState& m, int& request);
