// Puts the whole hall into a known state for a test: fixed seed, fresh
// machines, a set clock, nothing posted.
#pragma once
#include <cstring>

#include <gtest/gtest.h>

#include "hallcore/gfx/screens.h"
#include "hallcore/hall/hall.h"
#include "hallcore/hall/hall_events.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/random.h"
#include "hallcore/players/data_files.h"
#include "hallcore/players/string_ids.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/shell/commands.h"
#include "hallcore/shell/startup.h"
#include "hallcore/shell/tick.h"
#include "null/sys_null.h"

class HallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(shops, 0, sizeof shops);
        startAnimClock();
        uiBusy = 0;
        shutdownBegun = 0;
        tickRelease();
        hallDirty = 0;
        nullClearPosted();
        clearHallEvents();
        nullFilesClear();
        nullSetLocalTime(makeLocalTime(2026, 12, 8, 12, 0, 0));
        forgetClockMinute();
        startHall(12345);
    }

    // Ticks until the next one on which the hall loop runs a launch beat.
    static void tickToLaunchBeat()
    {
        do
            advanceAnimClock();
        while (!(animClock.halfPhase == 0 && animClock.count512 == 0));
    }
};

// A machine record on its own, vacant and idle, for the machine step.
inline MachineState idleMachine()
{
    MachineState m;
    std::memset(&m, 0, sizeof m);
    return m;
}
