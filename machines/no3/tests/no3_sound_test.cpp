// Machine No.3's sound table: what a request plays, and the round music
// while the door is open.
#include "sound_fixture.h"

using namespace soundtest;

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
