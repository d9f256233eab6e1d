// Machine No.5's record: 85 signed 32-bit words, 340 bytes, stored raw in
// the shop file.
#pragma once
#include <cstdint>

#include "hallcore/machine/ball_slot.h"
#include "hallcore/machine/machine_layout.h"

struct MachineState {
    MACHINE_HEAD_FIRST_WORDS
    MACHINE_HEAD_LATER_WORDS
    // the three reels on the pay line, and the windmills
    int32_t reelPos[3];       // position in pixels, 42 a cell
    int32_t reelTravel[3];    // pixels still to travel; -1 stopped this step
    int32_t reelBoost[3];     // extra cells, 42 pixels each, one a step
    int32_t spinner[6];       // two upper and four lower windmills
    int32_t creepRest;        // pixels still to creep before the next stage; -1 during the revival spin
    // common tail, with No.5's words among the mode words
    MACHINE_TAIL_FIRST_WORDS
    int32_t spinPhase;           // 0 reels running, 1 creep, 2 fast spin, 3 revival, 4 settle
    int32_t drawOutcome;         // 0..5
    int32_t modeTick;            // steps in the mode, round or stage
    int32_t actionTick;          // zeroed at a fever's start, at round 1 and when the door opens
    int32_t reachSymbol;         // 1..15
    int32_t round;               // 0 intro, 1..16 rounds, 17 ending
    int32_t attackerCount;       // balls into the attacker this round
    int32_t vHit;                // 0, else counts from 1 up to 32 while the door is open
    int32_t chanceCount;         // big prizes still to come at raised odds
    int32_t spare;               // set to 0 when a start is held; nothing reads it
    int32_t digitStarts;         // held digit-lottery starts, 0..4
    int32_t digitTick;           // 0..288
    int32_t digitGate;           // 0 closed, 1 open, 2 has caught a ball
    int32_t digitShown;          // digit 0..9 on show
    MACHINE_TAIL_LAST_WORDS
};

MACHINE_CHECK_FIRST_HEAD_WORDS(MachineState);
MACHINE_CHECK_HEAD_FROM(MachineState, 20);
RECORD_FIELD_AT(MachineState, reelPos, 72);
RECORD_FIELD_AT(MachineState, reelTravel, 84);
RECORD_FIELD_AT(MachineState, reelBoost, 96);
RECORD_FIELD_AT(MachineState, spinner, 108);
RECORD_FIELD_AT(MachineState, creepRest, 132);
RECORD_FIELD_AT(MachineState, heldStarts, 136);
RECORD_FIELD_AT(MachineState, pendingPrizePayouts, 140);
RECORD_FIELD_AT(MachineState, pendingStartPayouts, 144);
RECORD_FIELD_AT(MachineState, mode, 148);
RECORD_FIELD_AT(MachineState, spinPhase, 152);
RECORD_FIELD_AT(MachineState, drawOutcome, 156);
RECORD_FIELD_AT(MachineState, modeTick, 160);
RECORD_FIELD_AT(MachineState, actionTick, 164);
RECORD_FIELD_AT(MachineState, reachSymbol, 168);
RECORD_FIELD_AT(MachineState, round, 172);
RECORD_FIELD_AT(MachineState, attackerCount, 176);
RECORD_FIELD_AT(MachineState, vHit, 180);
RECORD_FIELD_AT(MachineState, chanceCount, 184);
RECORD_FIELD_AT(MachineState, spare, 188);
RECORD_FIELD_AT(MachineState, digitStarts, 192);
RECORD_FIELD_AT(MachineState, digitTick, 196);
RECORD_FIELD_AT(MachineState, digitGate, 200);
RECORD_FIELD_AT(MachineState, digitShown, 204);
RECORD_FIELD_AT(MachineState, ballSlot, 208);
MACHINE_CHECK_TAIL(MachineState, 340);

inline int32_t& spinPhaseWord(MachineState& m) { return m.spinPhase; }
