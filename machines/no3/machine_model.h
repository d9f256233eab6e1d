// Machine No.3 (BRAVOLT): its machine record and the numbers the engine needs.
//
// The record is 106 signed 32-bit words, stored raw in the shop file. The
// engine reads the common words by name; the reel, windmill and spin words
// belong to this module's rules and play screen.
#pragma once
#include <cstdint>

#include "hallcore/machine/ball_slot.h"
#include "hallcore/machine/machine_layout.h"
#include "machine_identity.h"

struct MachineState {
    MACHINE_HEAD_FIRST_WORDS
    MACHINE_HEAD_LATER_WORDS
    // No.3 display
    int32_t reelPos[9];       // reel positions in strip units, 6 a cell
    int32_t reelTravel[9];    // travel still to run; -4..-1 while bouncing to a stop
    int32_t reelBoost[9];     // steps on which a reel moves 6 units more
    int32_t stopSymbol[9];    // symbol each reel stops on, cell k = row * 3 + column
    int32_t spinner[6];       // spin values of the six windmills
    // common tail, with No.3's spin words among the mode words
    MACHINE_TAIL_FIRST_WORDS
    int32_t reelPhase;           // phase of the spin, 0..3
    int32_t stopStage;           // reel stop sequence stage; carries the lottery outcome
    int32_t modeTick;            // steps since the mode was entered
    int32_t unused[2];           // not used by No.3; 0 after a reset
    int32_t lineMask;            // reach or win line bits
    int32_t round;               // 0 fanfare, 1..16 rounds, 17 ending
    int32_t attackerCount;       // balls taken by the attacker this round
    int32_t vHit;                // > 0 once a ball went through the V zone this round
    MACHINE_TAIL_LAST_WORDS
};

MACHINE_CHECK_FIRST_HEAD_WORDS(MachineState);
MACHINE_CHECK_HEAD_FROM(MachineState, 20);
RECORD_FIELD_AT(MachineState, reelPos, 72);
RECORD_FIELD_AT(MachineState, reelTravel, 108);
RECORD_FIELD_AT(MachineState, reelBoost, 144);
RECORD_FIELD_AT(MachineState, stopSymbol, 180);
RECORD_FIELD_AT(MachineState, spinner, 216);
RECORD_FIELD_AT(MachineState, heldStarts, 240);
RECORD_FIELD_AT(MachineState, pendingPrizePayouts, 244);
RECORD_FIELD_AT(MachineState, pendingStartPayouts, 248);
RECORD_FIELD_AT(MachineState, mode, 252);
RECORD_FIELD_AT(MachineState, reelPhase, 256);
RECORD_FIELD_AT(MachineState, stopStage, 260);
RECORD_FIELD_AT(MachineState, modeTick, 264);
RECORD_FIELD_AT(MachineState, unused, 268);
RECORD_FIELD_AT(MachineState, lineMask, 276);
RECORD_FIELD_AT(MachineState, round, 280);
RECORD_FIELD_AT(MachineState, attackerCount, 284);
RECORD_FIELD_AT(MachineState, vHit, 288);
RECORD_FIELD_AT(MachineState, ballSlot, 292);
MACHINE_CHECK_TAIL(MachineState, MACHINE_RECORD_BYTES);
static_assert(MACHINE_RECORD_BYTES == 424, "No.3's record is 424 bytes");

// The word that holds the phase of a spin (named after No.3's reels).
inline int32_t& spinPhaseWord(MachineState& m) { return m.reelPhase; }

// Numbers of this model that the common machine step uses.
enum {
    kStartPayoutBalls = 7,     // balls paid for a ball in the start pocket
    kPrizePayoutBalls = 15,    // balls paid for a prize pocket or the door
    kIdleSteps = 512,          // mode 0 turns into mode 1 after this many steps
    kIdleAfterPlaySteps = 256, // mode 1 turns back into mode 0 after this many
    kPathCount = 194,          // paths in the ball path table
    kWindmillPictureWidth = 72, // picture 523: unlit and lit columns
    kWaveSampleRate = 11025,
};
