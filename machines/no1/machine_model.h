// Machine No.1: its machine record and the numbers the engine needs.
#pragma once
#include "machines/five_line/five_line_record.h"
#include "machine_identity.h"

static_assert(sizeof(MachineState) == MACHINE_RECORD_BYTES, "the record is the shop file's");

// Numbers of this model that the common machine step uses.
enum {
    kStartPayoutBalls = 6,      // balls paid for a ball in the start pocket
    kPrizePayoutBalls = 15,     // balls paid for a prize pocket or the attacker
    kIdleSteps = 480,           // mode 0 turns into mode 1 after this many steps
    kIdleAfterPlaySteps = 240,  // mode 1 turns back into mode 0 after this many
    kPathCount = 194,           // paths in the ball path table
    kWindmillPictureWidth = 36,   // picture 523
    kWaveSampleRate = 11025,
};
