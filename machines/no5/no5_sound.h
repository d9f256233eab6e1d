// Machine No.5's waves, by name (701 and 702 are every model's:
// kWaveSpinStart, kWaveReelStop in machine_words.h).
#pragma once

enum {
    kNo5WaveReelsRunning = 701, // looped while the reels run
    kNo5WaveReelStop = 702,
    kNo5WaveReach = 703,
    kNo5WaveCreep = 704,      // looped while the right reel creeps
    kNo5WaveFastSpin = 705,   // looped in the fast spin and the revival spin
    kNo5WaveFanfare = 706,
    kNo5WaveRoundMusic = 707, // looped in rounds 1..16
    kNo5WaveRevivalCue = 709,
};
