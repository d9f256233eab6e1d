// Options of the running program; not saved.
#pragma once

extern int soundAvailable; // a wave output device was there at start-up
extern int soundOn;        // the Sound option; starts equal to soundAvailable
extern int announceOn;     // the Announce option; starts on
