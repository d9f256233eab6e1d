// Machine No.5's sound table, row by row: the first row that holds decides,
// the looping rows play only on launch beats and drop any request, other
// requests are dropped, and the request is cleared in every case.
#include "no5_sound.h"
#include "sound_fixture.h"

using namespace soundtest;

TEST_F(Sound, RequestsOutsideThePerformancesAndTheRounds)
{
    expectRequestsPlay({
        {701, {kStop, looped(701)}}, // the reels running: stop, then loop
        {702, {kStop, once(702)}},
        {703, {kStop, once(703)}},
        {709, {kStop, once(709)}},
        {706, {once(706)}},        // the fanfare, without a stop
        {-10000, {kStop}},
        // the loops come from their states, never from a request; no wave of ours, no sound
        {704, {}}, {705, {}}, {707, {}}, {708, {}}, {700, {}}, {710, {}}, {0, {}}, {-1, {}},
    });
}

TEST_F(Sound, TheCreepLoopsItsWaveOnLaunchBeatsAndDropsRequests)
{
    m.mode = 2;
    m.spinPhase = 1;
    modelServeSound(m, true);
    EXPECT_EQ(calls, (std::vector<Call>{looped(704)}));
    calls.clear();
    modelServeSound(m, false);
    EXPECT_TRUE(calls.empty()) << "between the beats nothing";
    m.soundRequest = 702;
    modelServeSound(m, false);
    EXPECT_TRUE(calls.empty()) << "the request is dropped";
    EXPECT_EQ(m.soundRequest, 0);
    m.soundRequest = -10000; // the end of the creep stops it
    modelServeSound(m, true);
    EXPECT_EQ(calls, (std::vector<Call>{kStop}));
}

TEST_F(Sound, TheFastSpinAndTheRevivalLoopOnlyWhileTheRightReelTravels)
{
    m.mode = 2;
    for (int phase : {2, 3}) {
        calls.clear();
        m.spinPhase = phase;
        m.reelTravel[2] = 2000;
        m.soundRequest = 709;
        modelServeSound(m, true);
        EXPECT_EQ(calls, (std::vector<Call>{looped(705)})) << phase;
        EXPECT_EQ(m.soundRequest, 0);
        // the reel stands: the stop, the revival cue and the next stop are heard
        for (int request : {702, 709}) {
            calls.clear();
            m.reelTravel[2] = -1;
            m.soundRequest = request;
            modelServeSound(m, true);
            EXPECT_EQ(calls, (std::vector<Call>{kStop, once(request)})) << phase << " " << request;
        }
        calls.clear();
        m.reelTravel[2] = 0;
        modelServeSound(m, true);
        EXPECT_TRUE(calls.empty()) << phase;
    }
    // the settle and the first phase of a spin have no loop of their own
    for (int phase : {0, 4}) {
        calls.clear();
        m.spinPhase = phase;
        m.reelTravel[2] = 2000;
        modelServeSound(m, true);
        EXPECT_TRUE(calls.empty()) << phase;
    }
}

TEST_F(Sound, RoundsLoopTheMusicTheFanfareAndTheEndingDoNot)
{
    m.mode = 3;
    m.round = 0;
    m.soundRequest = 706;
    modelServeSound(m, true);
    EXPECT_EQ(calls, (std::vector<Call>{once(706)}));
    for (int round : {1, 9, 16}) {
        calls.clear();
        m.round = round;
        m.modeTick = 3; // the door shut or open alike
        m.soundRequest = 706;
        modelServeSound(m, true);
        EXPECT_EQ(calls, (std::vector<Call>{looped(707)})) << round;
        EXPECT_EQ(m.soundRequest, 0);
        calls.clear();
        modelServeSound(m, false);
        EXPECT_TRUE(calls.empty()) << round;
    }
    calls.clear();
    m.round = 17;
    modelServeSound(m, true);
    EXPECT_TRUE(calls.empty());
    m.soundRequest = -10000;
    modelServeSound(m, true);
    EXPECT_EQ(calls, (std::vector<Call>{kStop}));
}

TEST_F(Sound, WithTheSoundOffNothingPlaysAndTheRequestIsStillCleared)
{
    soundOn = 0;
    m.mode = 3;
    m.round = 5;
    for (int request : {701, 702, -10000, 0}) {
        m.soundRequest = request;
        modelServeSound(m, true);
        EXPECT_EQ(m.soundRequest, 0) << request;
    }
    EXPECT_TRUE(calls.empty());
}

TEST(No5Waves, EightWavesAtTheirIdsTheFourLoopsMarked)
{
    const int ids[] = {701, 702, 703, 704, 705, 706, 707, 709};
    ASSERT_EQ(modelWaveCount(), 8);
    for (int k = 0; k < 8; k++) {
        EXPECT_EQ(modelWave(k).id, ids[k]);
        bool loop = ids[k] == 701 || ids[k] == 704 || ids[k] == 705 || ids[k] == 707;
        EXPECT_EQ(modelWave(k).looped, loop) << ids[k];
        EXPECT_GT(modelWave(k).tenths, 0);
    }
}
