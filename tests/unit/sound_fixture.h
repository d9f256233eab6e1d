// A recorder of the sound calls and a fixture with a device and sound on,
// for the sound service's tests and each model's sound table, with the
// table's two ways to play a wave and a check of requests row by row.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "hallcore/gfx/sound.h"
#include "hallcore/machine/machine_module.h"
#include "null/sys_null.h"

namespace soundtest {

struct Call {
    int id;
    uint32_t flags;
    bool operator==(const Call& o) const { return id == o.id && flags == o.flags; }
};
inline std::vector<Call> calls;
inline void record(int id, uint32_t flags) { calls.push_back({id, flags}); }

inline const Call kStop = {0, 0};

// The flags of a wave played once and of a looped one.
const uint32_t kOnce = 0x40007, kLoop = 0x4001F;
inline Call once(int id) { return {id, kOnce}; }
inline Call looped(int id) { return {id, kLoop}; }

// A request and what the table plays for it.
struct RequestCase {
    int request;
    std::vector<Call> want;
};

// Each case's request served by a machine spinning with nothing else set
// (mode 2), on each kind of tick in `beats` (between launch beats, on one):
// it plays what the case wants and is cleared.
inline void expectRequestsPlay(const std::vector<RequestCase>& cases,
                               std::initializer_list<bool> beats = {false, true})
{
    for (bool beat : beats)
        for (const RequestCase& c : cases) {
            calls.clear();
            MachineState m = MachineState{};
            m.mode = 2;
            m.soundRequest = c.request;
            modelServeSound(m, beat);
            EXPECT_EQ(calls, c.want) << c.request << (beat ? " on a launch beat" : "");
            EXPECT_EQ(m.soundRequest, 0) << c.request;
        }
}

} // namespace soundtest

class Sound : public ::testing::Test {
protected:
    void SetUp() override
    {
        soundtest::calls.clear();
        nullSoundHook = soundtest::record;
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

