// Options of the running program; not saved.
#pragma once

extern int announceOn;     // the Announce option; starts on
