// Machine No.1's waves by name, and the looping rows of its sound table.
#pragma once
#include "hallcore/machine/machine_module.h"

namespace no1sound {

enum {
    kWaveSpinStart = 701,  // the reels start
    kWaveReelStop = 702,   // a reel stops
    kWaveReach = 703,      // the reach turn (looped)
    kWaveSlowAction = 704, // the slow creep (looped)
    kWaveStopAndGo = 705,  // the stop-and-go creep (looped)
    kWaveFanfare = 706,    // the big prize's fanfare
    kWaveRoundStart = 707, // a round starts (looped until the door opens)
    kWaveRoundMusic = 708, // rounds 1..15, door open (looped)
    kWaveLastRound = 709,  // round 16 and the ending (looped)
    kDoorOpensAt = 64,
};

// The waves: id, length in tenths of a second, looped (modelWave's list,
// and what the art generator synthesises).
struct WaveLength {
    int id, tenths;
    bool looped;
};
constexpr WaveLength kWaveList[] = {
    {kWaveSpinStart, 60, false},  // a sweep and a running jingle while the reels race
    {kWaveReelStop, 3, false},    // a click
    {kWaveReach, 32, true},       // the reach turn of the middle reel
    {kWaveSlowAction, 40, true},  // the slow creep
    {kWaveStopAndGo, 32, true},   // the stop-and-go creep
    {kWaveFanfare, 64, false},    // the big prize's fanfare (the 128 intro steps)
    {kWaveRoundStart, 16, true},  // a round starts, until the door opens
    {kWaveRoundMusic, 64, true},  // rounds 1..15 with the door open
    {kWaveLastRound, 64, true},   // the last round and the ending
};
constexpr int kWaveCount = sizeof kWaveList / sizeof kWaveList[0];

// The wave a looping row of the table plays for the machine's state, or 0
// when none of them holds.
int loopingWave(const MachineState& m);

} // namespace no1sound
