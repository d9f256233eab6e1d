// A recorder of the sound calls and a fixture with a device and sound on,
// for the sound service's tests and each model's sound table.
#pragma once
#include <gtest/gtest.h>

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

