// Machine No.2's sound table: on each drawing tick of the play screen the
// first row that holds decides what the request plays, and the request is
// cleared in every case. The looping rows act only on launch beats; on the
// other ticks they still hold, so the request is dropped and nothing plays.
// A loop never cuts off a sound that is playing (kind 1), so the reach music
// and the round music start once the reel stop or the fanfare has ended.
#include "hallcore/gfx/sound.h"
#include "hallcore/machine/machine_words.h"
#include "no2_screen.h"
#include "no2_sound.h"

using namespace no2wave;

void modelServeSound(MachineState& m, bool launchBeat)
{
    int request;
    if (!takeSoundRequest(m, request))
        return;
    if (m.spinPhase == 1) { // the reach turn
        if (launchBeat)
            playSound(m.reachLine == 6 ? kDoubleReach : kReach, kSoundLoop);
        return;
    }
    if (m.mode == 3 && m.modeTick >= no2screen::kDoorOpensAt) { // the door open (or the fever's end)
        if (launchBeat && m.round >= 1 && m.round <= 15)
            playSound(kRoundMusic, kSoundLoop);
        else if (launchBeat && m.round == 16)
            playSound(kLastRound, kSoundLoop);
        return;
    }
    switch (request) {
    case kSpinStart:
    case kFanfare:
    case kEnding:
        playSound(request, kSoundOnce);
        break;
    case kReelStop:
    case kAction:
        stopAllSound();
        playSound(request, kSoundOnce);
        break;
    case kRoundStart:
        stopAllSound();
        playSound(request, kSoundLoop);
        break;
    default: // nothing, or a wave this table never plays
        break;
    }
}

static const ModelWave kWaves[] = {
    {kSpinStart, 70, false},  // the reels start: a running jingle until the left reel stops
    {kReelStop, 3, false},    // a reel stops
    {kReach, 32, true},       // reach: tension, looped through the reach turn
    {kDoubleReach, 32, true}, // double reach: the same, faster and higher
    {kAction, 66, false},     // the action: a drum roll that climbs to the stop
    {kFanfare, 62, false},    // the fever's fanfare
    {kRoundStart, 16, true},  // a round's call, looped until the door opens
    {kRoundMusic, 64, true},  // round music, looped while the door is open
    {kLastRound, 64, true},   // the last round's music
    {kEnding, 100, false},    // the fever's end
};

int modelWaveCount()
{
    return (int)(sizeof kWaves / sizeof kWaves[0]);
}

const ModelWave& modelWave(int i)
{
    return kWaves[i];
}
