// Machine No.4's record: 89 signed 32-bit words, 356 bytes, stored raw in
// the shop file. Its head has one word more than the family's (wingsOpen,
// after continueBarred), so its later head words lie one word further on.
#pragma once
#include <cstdint>

#include "hallcore/machine/ball_slot.h"
#include "hallcore/machine/machine_layout.h"

struct MachineState {
    // common head, with the wings' word inserted
    int32_t occupant;         // 0 vacant, 1 simulated customer, 2..5 player of slot 0..3
    int32_t reserved;         // kept in the file, never used
    int32_t payoutToggle;     // 1 after a paying launch beat: the next one pays nothing
    int32_t attackerOpen;     // 1 while the big-prize door is open
    int32_t continueBarred;   // 1: the occupant lost the right to go on; nothing is launched
    int32_t wingsOpen;        // 1 while the wings in front of the start pocket are open
    int32_t prizesTwoDaysAgo; // big prizes two business days ago
    int32_t prizesYesterday;  // big prizes on the previous business day
    int32_t prizesToday;      // big prizes today
    int32_t setting;          // lottery table: 0 normal, 1 hot, 2 cold
    int32_t customerState;    // 0 playing, 2 out of balls, 3 leaving (barred), 4 leaving (closed)
    int32_t dirty;            // play-screen redraw bits, cleared by the screen
    int32_t soundRequest;     // 0 none, 701..706 a sound to start, -10000 stop all
    int32_t feverKind;        // 0..3, kind of the last fever
    int32_t handleState;      // 0 released, 1 raising, 2 lowering, 3 paused
    int32_t launchPower;      // 0..113 for a player, 48 for customers
    int32_t boxes;            // full ball boxes shown in the hall: balls / 2400
    int32_t startsSincePrize; // spins since the last fever ended
    int32_t luckReserve;      // hidden reserve that steers the setting
    // the three reels on the pay line, and the windmills
    int32_t reelPos[3];       // position in pixels, 40 a cell
    int32_t reelTravel[3];    // pixels still to travel; -1 stops on the next step
    int32_t reelBoost[3];     // extra cells (40 pixels, one a step); the right reel's is also the performances' pause counter
    int32_t reelEffect[3];    // flash animation, -36..36; a reel does not run while it is not 0
    int32_t spinner[8];       // the eight windmills
    // common tail, with No.4's words among the mode words
    int32_t heldStarts;          // spins owed, 0..4
    int32_t pendingPrizePayouts; // payouts of 15 balls owed
    int32_t pendingStartPayouts; // payouts of 5 balls owed
    int32_t mode;                // 0 idle, 1 idle after play, 2 spinning, 3 fever
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
    BallSlot ballSlot[8];
    int32_t balls;               // balls in the tray
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
