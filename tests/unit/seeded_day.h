// The seeded day of both shops the day tests and the day benchmark run: a
// fresh hall at 09:00 on 8 December 2026, caught up as after a long absence,
// then 24 hours of ticks with a hall pass every second tick and the info
// panel's clock check every 256. Free of any test framework, so the
// benchmark (bench/day_bench.cpp) runs the very same day.
#pragma once
#include <cstdint>

#include "hallcore/hall/hall.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/random.h"
#include "hallcore/shell/startup.h"
#include "null/sys_null.h"

namespace seededday {

const long kPassesADay = 1728000; // 24 hours of 50 ms
const uint32_t kSeed = 20261208;

// The clock `seconds` after 09:00 on 8 December 2026.
inline BrokenDownTime timeAt(long seconds)
{
    long s = 9 * 3600 + seconds;
    return makeLocalTime(2026, 12, 8 + (int)(s / 86400), (int)(s / 3600 % 24), (int)(s / 60 % 60),
                         (int)(s % 60));
}

// A fresh hall at 09:00, never saved: a long absence for the open night shop.
inline void openFreshHall()
{
    nullSetLocalTime(timeAt(0));
    forgetClockMinute();
    seedRandom(kSeed);
    for (int s = 0; s < kShopCount; s++) {
        shops[s].lastOpenStamp = BrokenDownTime{};
        for (int i = 0; i <= kSpareMachine; i++)
            resetMachine(s, i, kResetNew);
    }
    updateShopHours();
    daySetUp();
    startAnimClock();
}

// The day's ticks: `pass()` runs each hall pass, `clockChecked()` comes
// after each clock check has set the clock and the shops' hours.
template <class Pass, class ClockChecked>
inline void runDayTicks(Pass&& pass, ClockChecked&& clockChecked)
{
    for (long tick = 1; tick <= 2 * kPassesADay; tick++) {
        advanceAnimClock();
        if (animClock.halfPhase == 0)
            pass();
        if (animClock.count256 == 0) { // the info panel's clock check
            nullSetLocalTime(timeAt(tick / 40));
            updateShopHours();
            clockChecked();
        }
    }
}

} // namespace seededday
