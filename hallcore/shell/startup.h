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

// Once the window shows: the user is told of a data file start-up could not
// use (set aside, or left alone and not saved this time).
void reportDataFiles();

// Shutdown after the tick clock stopped: no tick steps or draws any more, and
// the data is saved (again, on a second shutdown). When saving fails and
// `mayAsk`, the user is asked whether to try again (after freeing the disk,
// say) rather than lose what was played. Returns true when all was saved.
bool stopHall(bool mayAsk = false);
