// Machine No.1's sounds: what the play screen plays on each of its drawing
// ticks, by the first row of its table that holds, and the wave list.
//
//   soundRequest -10000                          stop all
//   spin phase 1, 2 or 3, middle reel running    703, 704, 705 looped
//   fever, door open (modeTick >= 64), rounds 1..15   708 looped
//   ... rounds 16 and 17                          709 looped
//   request 701 or 706                           played once
//   request 702                                  stop, then once
//   request 707                                  stop, then looped
//
// Only the looping rows wait for a launch beat: on other ticks they drop the
// request and play nothing, and a loop never cuts off a sound still
// playing. A one-time request is played on whatever tick it comes, so the
// round start (707, asked for on the round's first step) is heard whether
// or not that step is a launch beat. In the fanfare from modeTick 64 on,
// nothing is played and requests are dropped.
#include "hallcore/gfx/sound.h"
#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/machine_words.h"
#include "no1_sound.h"

namespace no1sound {

int loopingWave(const MachineState& m)
{
    bool middleRuns = m.reelTravel[1] > 0;
    if (middleRuns && m.spinPhase == 1)
        return kWaveReach;
    if (middleRuns && m.spinPhase == 2)
        return kWaveSlowAction;
    if (middleRuns && m.spinPhase == 3)
        return kWaveStopAndGo;
    if (m.mode == 3 && m.modeTick >= kDoorOpensAt) {
        if (m.round >= 1 && m.round <= 15)
            return kWaveRoundMusic;
        if (m.round == 16 || m.round == 17)
            return kWaveLastRound;
    }
    return 0;
}

} // namespace no1sound

namespace w = no1sound;

void modelServeSound(MachineState& m, bool launchBeat)
{
    int request;
    if (!takeSoundRequest(m, request))
        return;
    if (int loop = w::loopingWave(m)) {
        if (launchBeat)
            playSound(loop, kSoundLoop);
        return;
    }
    if (m.mode == 3 && m.round == 0 && m.modeTick >= w::kDoorOpensAt)
        return; // the fanfare plays out
    switch (request) {
    case w::kWaveSpinStart:
    case w::kWaveFanfare: playSound(request, kSoundOnce); break;
    case w::kWaveReelStop:
        stopAllSound();
        playSound(request, kSoundOnce);
        break;
    case w::kWaveRoundStart:
        stopAllSound();
        playSound(request, kSoundLoop);
        break;
    default: break;
    }
}

int modelWaveCount()
{
    return w::kWaveCount;
}

const ModelWave& modelWave(int i)
{
    static ModelWave table[w::kWaveCount];
    const w::WaveLength& wave = w::kWaveList[i < 0 ? 0 : i >= w::kWaveCount ? w::kWaveCount - 1 : i];
    ModelWave& out = table[&wave - w::kWaveList];
    out = {wave.id, wave.tenths, wave.looped};
    return out;
}
