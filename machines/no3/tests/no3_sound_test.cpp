// Machine No.3's sound table: what a request plays, and the round music
// while the door is open.
#include "sound_fixture.h"

using namespace soundtest;

TEST_F(Sound, RequestsPlayOnceAndStopsComeFirstForReelStopAndRoundStart)
{
    expectRequestsPlay({
        {701, {once(701)}},
        {702, {kStop, once(702)}},
        {703, {once(703)}},
        {704, {once(704)}},
        {705, {once(705)}},
        {706, {kStop, once(706)}},
        {707, {}}, // the round music only starts from the open door
        {708, {once(708)}},
        {709, {}},
        {700, {}},
        {0, {}},
        {-10000, {kStop}},
    }, {false});
}

TEST_F(Sound, OpenDoorLoopsRoundMusicOnLaunchBeatsAndDropsOtherRequests)
{
    m.mode = 3;
    m.round = 5;
    m.modeTick = 80;
    m.soundRequest = 702;
    modelServeSound(m, true);
    std::vector<Call> want = {looped(707)};
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
