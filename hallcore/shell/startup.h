// The hall's part of start-up and shutdown, shared by the program and the
// headless tools.
#pragma once
#include <cstdint>

// Entry, before any window: no clock reading has been seen yet, so the first
// one counts as a new minute.
void forgetClockMinute();

// Window creation, after artwork and windows: seed the random stream with the
// time, load the data, check the clock, bring the shops up to date and put
// the players in the street.
void startHall(uint32_t seedSeconds);

// Shutdown after the tick clock stopped: no tick steps or draws any more, and
// the data is saved (again, on a second shutdown).
void stopHall();
