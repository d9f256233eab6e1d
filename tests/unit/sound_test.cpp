// The sound service: kinds and flag words, the device switch, and No.3's
// play-screen rule that turns a machine's sound request into sounds.
#include <gtest/gtest.h>

#include <vector>

#include "hallcore/gfx/sound.h"
#include "null/sys_null.h"
#include "hallcore/shell/options.h"
#include "hallcore/machine/machine_module.h"

namespace {

struct Call {
    int id;
    uint32_t flags;
    bool operator==(const Call& o) const { return id == o.id && flags == o.flags; }
};
std::vector<Call> calls;
void record(int id, uint32_t flags) { calls.push_back({id, flags}); }

const Call kStop = {0, 0};

class Sound : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        nullSoundHook = record;
        soundAvailable = 1;
        soundOn = 1;
        m = MachineState{};
    }
    void TearDown() override
    {
        nullSoundHook = nullptr;
        soundAvailable = soundOn = 0;
    }
    MachineState m;
};

} // namespace

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

TEST_F(Sound, RequestsPlayOnceAndStopsComeFirstForReelStopAndRoundStart)
{
    struct Case {
        int request;
        std::vector<Call> want;
    };
    Case cases[] = {
        {701, {{701, 0x40007}}},
        {702, {kStop, {702, 0x40007}}},
        {703, {{703, 0x40007}}},
        {704, {{704, 0x40007}}},
        {705, {{705, 0x40007}}},
        {706, {kStop, {706, 0x40007}}},
        {707, {}}, // the round music only starts from the open door
        {708, {{708, 0x40007}}},
        {709, {}},
        {700, {}},
        {0, {}},
        {-10000, {kStop}},
    };
    for (const Case& c : cases) {
        calls.clear();
        m.mode = 2;
        m.soundRequest = c.request;
        modelServeSound(m, false);
        EXPECT_EQ(calls, c.want) << c.request;
        EXPECT_EQ(m.soundRequest, 0);
    }
}

TEST_F(Sound, OpenDoorLoopsRoundMusicOnLaunchBeatsAndDropsOtherRequests)
{
    m.mode = 3;
    m.round = 5;
    m.modeTick = 80;
    m.soundRequest = 702;
    modelServeSound(m, true);
    std::vector<Call> want = {{707, 0x4001F}};
    EXPECT_EQ(calls, want);
    EXPECT_EQ(m.soundRequest, 0);

    calls.clear();
    modelServeSound(m, false); // no request, not a launch beat: silence
    EXPECT_TRUE(calls.empty());

    // A stop still wins while the door is open.
    m.soundRequest = -10000;
    modelServeSound(m, true);
    want = {kStop};
    EXPECT_EQ(calls, want);

    // Before the door opens, and in the ending, no music is started.
    for (int round : {0, 17}) {
        calls.clear();
        m.round = round;
        m.modeTick = 120;
        modelServeSound(m, true);
        EXPECT_TRUE(calls.empty()) << round;
    }
    calls.clear();
    m.round = 16;
    m.modeTick = 79;
    modelServeSound(m, true);
    EXPECT_TRUE(calls.empty());
}
