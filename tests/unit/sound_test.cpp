// The sound service: kinds and flag words, the device switch, and the rule
// every model's sound table keeps: a request is cleared whatever is played.
#include "sound_fixture.h"

using namespace soundtest;

TEST_F(Sound, KindsMakeTheDocumentedCalls)
{
    playSound(705, kSoundOnce);
    playSound(707, kSoundLoop);
    playSound(708, kSoundUnlessPlaying);
    playSound(701, kSoundStop);
    playSound(701, 4);
    playSound(701, -1);
    std::vector<Call> want = {{705, 0x40007}, {707, 0x4001F}, {708, 0x40017}, kStop};
    EXPECT_EQ(calls, want);
}

TEST_F(Sound, NoDeviceMeansNoCallsNotEvenStops)
{
    soundAvailable = 0;
    playSound(701, kSoundOnce);
    stopAllSound();
    m.soundRequest = 705;
    modelServeSound(m, true);
    EXPECT_TRUE(calls.empty());
}

TEST_F(Sound, ServiceIgnoresTheSoundOptionButTheRequestStepDoesNot)
{
    soundOn = 0;
    stopAllSound(); // shell stops go out with the option off
    m.soundRequest = 705;
    modelServeSound(m, true);
    EXPECT_EQ(m.soundRequest, 0) << "cleared even with sound off";
    std::vector<Call> want = {kStop};
    EXPECT_EQ(calls, want);
}
