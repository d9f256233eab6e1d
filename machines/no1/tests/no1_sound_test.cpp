// Machine No.1's sound table, row by row: what a request plays in which
// state, which rows wait for a launch beat, and the wave list.
#include <set>

#include "no1_sound.h"
#include "sound_fixture.h"

using namespace soundtest;

namespace {

struct Case {
    const char* what;
    int mode, phase, middleTravel, round, modeTick;
    int request;
    bool beat;
    std::vector<Call> want;
};

} // namespace

TEST_F(Sound, EachRowOfTheTableInItsOrder)
{
    const Case cases[] = {
        // a stop comes first, whatever else holds
        {"stop", 2, 1, 100, 0, 5, -10000, true, {kStop}},
        {"stop with the door open", 3, 0, 0, 4, 300, -10000, false, {kStop}},
        // the reach actions loop while the middle reel still runs, on launch beats
        {"reach turn", 2, 1, 100, 0, 5, 0, true, {looped(703)}},
        {"slow action", 2, 2, 24, 0, 5, 0, true, {looped(704)}},
        {"stop-and-go", 2, 3, 6, 0, 5, 0, true, {looped(705)}},
        {"a loop row drops the request", 2, 2, 24, 0, 5, 702, true, {looped(704)}},
        {"... and plays nothing between beats", 2, 2, 24, 0, 5, 702, false, {}},
        // the middle reel's stop (travel at or below 0) is no longer the action
        {"slow action's stop", 2, 2, 0, 0, 5, 702, false, {kStop, once(702)}},
        {"slide back", 2, 2, -20, 0, 5, 0, true, {}},
        {"plain run", 2, 0, 300, 0, 5, 0, true, {}},
        // the door open: round music, then the last round's
        {"round 1 open", 3, 0, 0, 1, 64, 0, true, {looped(708)}},
        {"round 15 open", 3, 0, 0, 15, 500, 0, true, {looped(708)}},
        {"round 16 open", 3, 0, 0, 16, 64, 0, true, {looped(709)}},
        {"ending", 3, 0, 0, 17, 64, 0, true, {looped(709)}},
        {"ending, between beats", 3, 0, 0, 17, 100, 0, false, {}},
        {"round 9 before the door", 3, 0, 0, 9, 63, 0, true, {}},
        {"ending's start", 3, 0, 0, 17, 10, 0, true, {}},
        // one-time requests, on any tick
        {"spin start", 2, 0, 300, 0, 0, 701, false, {once(701)}},
        {"fanfare", 3, 0, 0, 0, 1, 706, false, {once(706)}},
        {"reel stop", 2, 0, 300, 0, 40, 702, false, {kStop, once(702)}},
        {"round start on a beat", 3, 0, 0, 3, 1, 707, true, {kStop, looped(707)}},
        {"round start between beats", 3, 0, 0, 3, 1, 707, false, {kStop, looped(707)}},
        // nothing else is asked for by name
        {"703 by request", 2, 0, 0, 0, 5, 703, true, {}},
        {"708 by request", 1, 0, 0, 0, 5, 708, true, {}},
        {"709 by request", 1, 0, 0, 0, 5, 709, true, {}},
        {"710", 1, 0, 0, 0, 5, 710, true, {}},
        {"700", 1, 0, 0, 0, 5, 700, true, {}},
        {"no request", 1, 0, 0, 0, 5, 0, true, {}},
        // the fanfare plays out: from its step 64 nothing is played
        {"fanfare late, request", 3, 0, 0, 0, 64, 706, true, {}},
        {"fanfare late, reel stop", 3, 0, 0, 0, 127, 702, false, {}},
        {"fanfare early, reel stop", 3, 0, 0, 0, 63, 702, false, {kStop, once(702)}},
    };
    for (const Case& c : cases) {
        calls.clear();
        m = MachineState{};
        m.mode = c.mode;
        m.spinPhase = c.phase;
        m.reelTravel[1] = c.middleTravel;
        m.round = c.round;
        m.modeTick = c.modeTick;
        m.soundRequest = c.request;
        modelServeSound(m, c.beat);
        EXPECT_EQ(calls, c.want) << c.what;
        EXPECT_EQ(m.soundRequest, 0) << c.what;
    }
}

TEST_F(Sound, WithSoundOffNothingPlaysButRequestsAreCleared)
{
    soundOn = 0;
    for (int request : {701, 702, 707, -10000}) {
        m.mode = 3;
        m.round = 2;
        m.modeTick = 100;
        m.soundRequest = request;
        modelServeSound(m, true);
        EXPECT_TRUE(calls.empty()) << request;
        EXPECT_EQ(m.soundRequest, 0) << request;
    }
}

TEST_F(Sound, ARoundStartIsHeardWhicheverStepItComesOn)
{
    // The rules ask for 707 on a round's first step; a launch beat is one
    // step in 16. Every step of the sixteen must start it.
    for (int step = 0; step < 16; step++) {
        calls.clear();
        m = MachineState{};
        m.mode = 3;
        m.round = 5;
        m.modeTick = 1;
        m.soundRequest = 707;
        modelServeSound(m, step == 0);
        std::vector<Call> want = {kStop, looped(707)};
        EXPECT_EQ(calls, want) << step;
    }
}

TEST(No1Waves, TheListNamesEveryWaveOnceWithItsLoops)
{
    ASSERT_EQ(modelWaveCount(), 9);
    const std::set<int> looped = {703, 704, 705, 707, 708, 709};
    for (int i = 0; i < modelWaveCount(); i++) {
        const ModelWave& w = modelWave(i);
        EXPECT_EQ(w.id, 701 + i);
        EXPECT_EQ(w.looped, looped.count(w.id) == 1) << w.id;
        EXPECT_GE(w.tenths, 2) << w.id;
    }
}
