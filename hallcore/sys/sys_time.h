// Platform: the wall clock. Implemented by win32/sys_win32.cpp for the
// programs and by null/sys_null.cpp (a clock the caller sets) for tests,
// benchmarks and the headless tools.
#pragma once
#include <cstdint>

#include "hallcore/hall/clock.h"

// The local time now, every field filled. Read by the clock check at most
// once per 16 ticks and once at start-up.
void sysLocalTime(BrokenDownTime& out);

// Seconds since 1970, to seed the random stream once at start-up.
uint32_t sysSeedSeconds();
