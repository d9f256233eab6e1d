// Machine No.2's sound table, row by row: the first row that holds decides,
// the looping rows play only on launch beats and drop the request on the
// other ticks, and the request is cleared in every case.
#include "no2_sound.h"
#include "sound_fixture.h"

using namespace soundtest;
using namespace no2wave;

TEST_F(Sound, No2RequestsPlayByTheirRow)
{
    expectRequestsPlay({
        {kSpinStart, {{kSpinStart, kOnce}}},
        {kFanfare, {{kFanfare, kOnce}}},
        {kEnding, {{kEnding, kOnce}}},
        {kReelStop, {kStop, {kReelStop, kOnce}}},
        {kAction, {kStop, {kAction, kOnce}}},
        {kRoundStart, {kStop, {kRoundStart, kLoop}}},
        // the loops are started by the state, never by a request
        {kReach, {}},
        {kDoubleReach, {}},
        {kRoundMusic, {}},
        {kLastRound, {}},
        {700, {}},
        {711, {}},
        {0, {}},
        {-10000, {kStop}},
        {-1, {}},
    });
}

TEST_F(Sound, No2ReachTurnLoopsItsMusicOnLaunchBeatsAndDropsRequests)
{
    m.mode = 2;
    m.spinPhase = 1;
    for (int line = 1; line <= 6; line++) {
        calls.clear();
        m.reachLine = line;
        modelServeSound(m, true);
        std::vector<Call> want = {{line == 6 ? kDoubleReach : kReach, kLoop}};
        EXPECT_EQ(calls, want) << "line " << line;
    }
    // between launch beats the row still holds: a request is dropped
    calls.clear();
    m.reachLine = 3;
    m.soundRequest = kReelStop;
    modelServeSound(m, false);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(m.soundRequest, 0);
    // and on a beat the loop wins over the request
    m.soundRequest = kSpinStart;
    modelServeSound(m, true);
    std::vector<Call> want = {{kReach, kLoop}};
    EXPECT_EQ(calls, want);
    // a stop still comes first
    calls.clear();
    m.soundRequest = -10000;
    modelServeSound(m, true);
    want = {kStop};
    EXPECT_EQ(calls, want);
    // the action phase has no loop: its request plays
    calls.clear();
    m.spinPhase = 2;
    m.soundRequest = kAction;
    modelServeSound(m, true);
    want = {kStop, {kAction, kOnce}};
    EXPECT_EQ(calls, want);
}

TEST_F(Sound, No2OpenDoorLoopsRoundMusicAndTheLastRoundsOwn)
{
    m.mode = 3;
    m.modeTick = 64;
    for (int round = 0; round <= 17; round++) {
        calls.clear();
        m.round = round;
        m.soundRequest = kReelStop; // dropped whatever the round
        modelServeSound(m, true);
        std::vector<Call> want;
        if (round >= 1 && round <= 15)
            want = {{kRoundMusic, kLoop}};
        else if (round == 16)
            want = {{kLastRound, kLoop}};
        EXPECT_EQ(calls, want) << "round " << round;
        EXPECT_EQ(m.soundRequest, 0);
        calls.clear();
        modelServeSound(m, false); // between beats: nothing
        EXPECT_TRUE(calls.empty()) << "round " << round;
    }
    // late in the ending a request is dropped too
    calls.clear();
    m.round = 17;
    m.modeTick = 200;
    m.soundRequest = kEnding;
    modelServeSound(m, true);
    EXPECT_TRUE(calls.empty());
    // before the door opens the requests play
    m.round = 3;
    m.modeTick = 1;
    m.soundRequest = kRoundStart;
    modelServeSound(m, true);
    std::vector<Call> want = {kStop, {kRoundStart, kLoop}};
    EXPECT_EQ(calls, want);
    calls.clear();
    m.modeTick = 63;
    modelServeSound(m, true);
    EXPECT_TRUE(calls.empty()) << "no music before step 64";
    calls.clear();
    m.round = 0;
    m.modeTick = 1;
    m.soundRequest = kFanfare;
    modelServeSound(m, true);
    want = {{kFanfare, kOnce}};
    EXPECT_EQ(calls, want);
}

TEST_F(Sound, No2SoundOffPlaysNothingButClearsTheRequest)
{
    soundOn = 0;
    for (int request : {(int)kSpinStart, (int)kReelStop, (int)kRoundStart, -10000}) {
        calls.clear();
        m.mode = 3;
        m.round = 5;
        m.modeTick = 100;
        m.soundRequest = request;
        modelServeSound(m, true);
        EXPECT_TRUE(calls.empty()) << request;
        EXPECT_EQ(m.soundRequest, 0) << request;
    }
}

TEST(No2Waves, TenWavesInOrderTheLoopsMarked)
{
    ASSERT_EQ(modelWaveCount(), 10);
    for (int i = 0; i < modelWaveCount(); i++) {
        const ModelWave& w = modelWave(i);
        EXPECT_EQ(w.id, 701 + i);
        EXPECT_GT(w.tenths, 0);
        bool looped = w.id == kReach || w.id == kDoubleReach || w.id == kRoundStart || w.id == kRoundMusic ||
                      w.id == kLastRound;
        EXPECT_EQ(w.looped, looped) << w.id;
    }
    EXPECT_EQ(kWaveSampleRate, 11025);
}
