// The machine record of the three-reel, five-line machines (No.1 and No.2):
// 77 signed 32-bit words, 308 bytes, stored raw in the shop file. The engine
// reads the common words by name; the reel, windmill and spin words belong
// to the five-line mechanism and the models' rules and screens.
#pragma once
#include <cstdint>

#include "hallcore/machine/ball_slot.h"
#include "hallcore/machine/machine_layout.h"

struct MachineState {
    MACHINE_HEAD_FIRST_WORDS
    MACHINE_HEAD_LATER_WORDS
    // the three reels (left, middle, right) and the windmills
    int32_t reelPos[3];       // position in pixels, 24 a cell
    int32_t reelTravel[3];    // pixels still to travel; 0 stopped; below 0 a stop bounce
    int32_t reelBoost[3];     // extra cells still to add (a cell of 24 pixels a step)
    int32_t spinner[4];       // windmills: upper left, upper right, lower left, lower right
    // common tail
    MACHINE_TAIL_FIRST_WORDS
    int32_t spinPhase;           // phase of the spin (the model's phases)
    int32_t drawOutcome;         // the lottery's result (the model's outcomes)
    int32_t modeTick;            // steps since the mode or round began
    int32_t actionTick;          // rhythm of a reach action; zeroed at a fever's start and the door's opening
    int32_t reachSymbol;         // symbol of the reach or winning line; 0 none
    int32_t reachLine;           // line of the reach or win, 1..5; 6 both diagonals (reach only); 0 none
    int32_t round;               // 0 intro, 1..16 rounds, 17 ending
    int32_t attackerCount;       // balls through the attacker this round
    int32_t vHit;                // > 0 once a ball went through the V zone this round
    MACHINE_TAIL_LAST_WORDS
};

MACHINE_CHECK_FIRST_HEAD_WORDS(MachineState);
MACHINE_CHECK_HEAD_FROM(MachineState, 20);
RECORD_FIELD_AT(MachineState, reelPos, 72);
RECORD_FIELD_AT(MachineState, reelTravel, 84);
RECORD_FIELD_AT(MachineState, reelBoost, 96);
RECORD_FIELD_AT(MachineState, spinner, 108);
RECORD_FIELD_AT(MachineState, heldStarts, 124);
RECORD_FIELD_AT(MachineState, pendingPrizePayouts, 128);
RECORD_FIELD_AT(MachineState, pendingStartPayouts, 132);
RECORD_FIELD_AT(MachineState, mode, 136);
RECORD_FIELD_AT(MachineState, spinPhase, 140);
RECORD_FIELD_AT(MachineState, drawOutcome, 144);
RECORD_FIELD_AT(MachineState, modeTick, 148);
RECORD_FIELD_AT(MachineState, actionTick, 152);
RECORD_FIELD_AT(MachineState, reachSymbol, 156);
RECORD_FIELD_AT(MachineState, reachLine, 160);
RECORD_FIELD_AT(MachineState, round, 164);
RECORD_FIELD_AT(MachineState, attackerCount, 168);
RECORD_FIELD_AT(MachineState, vHit, 172);
RECORD_FIELD_AT(MachineState, ballSlot, 176);
MACHINE_CHECK_TAIL(MachineState, 308);

// The word that holds the phase of a spin.
inline int32_t& spinPhaseWord(MachineState& m) { return m.spinPhase; }
