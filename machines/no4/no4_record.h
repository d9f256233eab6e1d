// Machine No.4's record: 89 signed 32-bit words, 356 bytes, stored raw in
// the shop file. Its head has one word more than the family's (wingsOpen,
// after continueBarred), so its later head words lie one word further on.
#pragma once
#include <cstdint>

#include "hallcore/machine/ball_slot.h"
#include "hallcore/machine/machine_layout.h"

struct MachineState {
    MACHINE_HEAD_FIRST_WORDS
    int32_t wingsOpen; // 1 while the wings in front of the start pocket are open
    MACHINE_HEAD_LATER_WORDS
    // the three reels on the pay line, and the windmills
    int32_t reelPos[3];       // position in pixels, 40 a cell
    int32_t reelTravel[3];    // pixels still to travel; -1 stops on the next step
    int32_t reelBoost[3];     // extra cells (40 pixels, one a step); the right reel's is also the performances' pause counter
    int32_t reelEffect[3];    // flash animation, -36..36; a reel does not run while it is not 0
    int32_t spinner[8];       // the eight windmills
    // common tail, with No.4's words among the mode words
    MACHINE_TAIL_FIRST_WORDS
    int32_t spinPhase;           // 0 reels running, 1 creep reach, 2 action reach, 3 settle
    int32_t drawOutcome;         // 0 none, 1 creep lose, 2 creep win, 3 action lose, 4 action win
    int32_t modeTick;            // steps in the mode or round
    int32_t actionTick;          // zeroed when a fever starts and when the door opens
    int32_t reachSymbol;         // symbol of the reach or win, 1..15
    int32_t round;               // 0 intro, 1..16 rounds, 17 ending
    int32_t attackerCount;       // balls into the attacker this round
    int32_t vHit;                // 1 once a ball took the V this round; the screen counts it on
    int32_t chanceCount;         // big prizes still to come at raised odds, 0..2
    int32_t heldLampTick;        // 0..16, steps since the newest held start
    int32_t wingDrawStarts;      // held wing-lottery starts, 0..4
    int32_t wingDrawTick;        // 0..480
    int32_t wingDrawState;       // 0..3 running, 4..6 miss, 7 hit
    MACHINE_TAIL_LAST_WORDS
};

MACHINE_CHECK_FIRST_HEAD_WORDS(MachineState);
RECORD_FIELD_AT(MachineState, wingsOpen, 20);
MACHINE_CHECK_HEAD_FROM(MachineState, 24);
RECORD_FIELD_AT(MachineState, reelPos, 76);
RECORD_FIELD_AT(MachineState, reelTravel, 88);
RECORD_FIELD_AT(MachineState, reelBoost, 100);
RECORD_FIELD_AT(MachineState, reelEffect, 112);
RECORD_FIELD_AT(MachineState, spinner, 124);
RECORD_FIELD_AT(MachineState, heldStarts, 156);
RECORD_FIELD_AT(MachineState, pendingPrizePayouts, 160);
RECORD_FIELD_AT(MachineState, pendingStartPayouts, 164);
RECORD_FIELD_AT(MachineState, mode, 168);
RECORD_FIELD_AT(MachineState, spinPhase, 172);
RECORD_FIELD_AT(MachineState, drawOutcome, 176);
RECORD_FIELD_AT(MachineState, modeTick, 180);
RECORD_FIELD_AT(MachineState, actionTick, 184);
RECORD_FIELD_AT(MachineState, reachSymbol, 188);
RECORD_FIELD_AT(MachineState, round, 192);
RECORD_FIELD_AT(MachineState, attackerCount, 196);
RECORD_FIELD_AT(MachineState, vHit, 200);
RECORD_FIELD_AT(MachineState, chanceCount, 204);
RECORD_FIELD_AT(MachineState, heldLampTick, 208);
RECORD_FIELD_AT(MachineState, wingDrawStarts, 212);
RECORD_FIELD_AT(MachineState, wingDrawTick, 216);
RECORD_FIELD_AT(MachineState, wingDrawState, 220);
RECORD_FIELD_AT(MachineState, ballSlot, 224);
MACHINE_CHECK_TAIL(MachineState, 356);

inline int32_t& spinPhaseWord(MachineState& m) { return m.spinPhase; }
