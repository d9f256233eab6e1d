// Machine No.4's sound table, row by row: the first row that holds decides,
// a looping row holds on launch beats only, other requests are dropped and
// the request is cleared in every case.
#include "sound_fixture.h"

using namespace soundtest;

TEST_F(Sound, RequestsOutsideThePerformancesAndTheOpenDoor)
{
    expectRequestsPlay({
        {701, {kStop, looped(701)}}, // the reels run: a loop, after whatever played
        {702, {kStop, once(702)}}, // a reel stops
        {705, {once(705)}},        // the fanfare
        {703, {}},                  // the performances' and the rounds' waves only come from their rows
        {704, {}},
        {706, {}},
        {700, {}},
        {707, {}},
        {0, {}},
        {-10000, {kStop}},
    });
}

TEST_F(Sound, PerformancesLoopTheirWaveOnLaunchBeats)
{
    for (int phase : {1, 2}) {
        int wave = phase == 1 ? 703 : 704;
        calls.clear();
        m = MachineState{};
        m.mode = 2;
        m.spinPhase = phase;
        m.soundRequest = 702; // on a beat the row holds and the request is dropped
        modelServeSound(m, true);
        EXPECT_EQ(calls, std::vector<Call>{looped(wave)}) << phase;
        EXPECT_EQ(m.soundRequest, 0);

        calls.clear();
        m.soundRequest = 702; // between beats the row does not hold: the reel stop plays
        modelServeSound(m, false);
        EXPECT_EQ(calls, (std::vector<Call>{kStop, once(702)})) << phase;

        calls.clear();
        m.soundRequest = -10000; // a stop comes first
        modelServeSound(m, true);
        EXPECT_EQ(calls, std::vector<Call>{kStop});
    }
}

TEST_F(Sound, TheOpenDoorLoopsTheRoundMusicAndTheIntroAndEndingAreLeftAlone)
{
    m.mode = 3;
    m.round = 4;
    m.modeTick = 64;
    m.soundRequest = 705;
    modelServeSound(m, true);
    EXPECT_EQ(calls, std::vector<Call>{looped(706)});
    EXPECT_EQ(m.soundRequest, 0);

    calls.clear();
    modelServeSound(m, false);
    EXPECT_TRUE(calls.empty());

    calls.clear();
    m.modeTick = 63; // the door is not open yet
    modelServeSound(m, true);
    EXPECT_TRUE(calls.empty());

    for (int round : {0, 17}) {
        calls.clear();
        m.round = round;
        m.modeTick = 100;
        m.soundRequest = 705; // dropped: the row holds with nothing to play
        modelServeSound(m, true);
        EXPECT_TRUE(calls.empty()) << round;
        EXPECT_EQ(m.soundRequest, 0);
        calls.clear();
        m.modeTick = 1; // early in the intro the fanfare is played
        m.soundRequest = 705;
        modelServeSound(m, true);
        EXPECT_EQ(calls, std::vector<Call>{once(705)}) << round;
    }
    calls.clear();
    m.round = 16;
    m.modeTick = 500;
    m.soundRequest = -10000;
    modelServeSound(m, true);
    EXPECT_EQ(calls, std::vector<Call>{kStop});
}

TEST_F(Sound, WithSoundOffRequestsAreClearedAndNothingPlays)
{
    soundOn = 0;
    for (int request : {701, 702, 705, -10000}) {
        m.soundRequest = request;
        m.spinPhase = 1;
        modelServeSound(m, true);
        EXPECT_EQ(m.soundRequest, 0);
    }
    EXPECT_TRUE(calls.empty());
}

TEST(No4Waves, SixWavesOfWhichTheRunningOnesLoop)
{
    ASSERT_EQ(modelWaveCount(), 6);
    const bool looped[6] = {true, false, true, true, false, true};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(modelWave(i).id, 701 + i);
        EXPECT_EQ(modelWave(i).looped, looped[i]) << 701 + i;
        EXPECT_GT(modelWave(i).tenths, 0);
    }
    EXPECT_EQ(kWaveSampleRate, 11025);
}
