// What one hall pass did at one machine, told by comparing its record with
// the one before the pass.
//
// Balls fired are the balls launched: a launch puts a ball on the rail, and
// the same step moves it one point on, so after the pass a new ball is the
// one at rail step 1. Balls paid are what the machine's payouts put into
// the tray: on a launch beat that does not follow a paying one, 7 if a
// start payout was owed and 15 if a prize payout was owed. What a customer
// buys or exchanges also changes the tray, and is neither.
#pragma once
#include <cstdint>

#include "hallcore/machine/machine_module.h"

struct SpinDone {
    int setting;   // in force at the draw, after any redraw
    bool quick;    // drawn at the quick chance's odds
    bool chance;   // drawn in a chance state (and not at the quick chance)
    bool reach;    // the spin showed a reach (prizes included), by the model's rule
    bool prize;    // ended in a fever
};

struct FeverDone {
    int setting;   // of the draw that won it
    int rounds;    // rounds begun, 1..16
    int64_t steps; // from the win to the end of the ending
    bool kept;     // the right to go on survived the ending
};

struct PassEvents {
    int fired = 0;
    int paid = 0;
    bool unresolved = false; // a door closed and the payout could not be told
    bool spinDone = false;
    SpinDone spin{};
    bool feverDone = false;
    FeverDone fever{};
    bool arrived = false;    // a customer sat down at a vacant machine
    bool chainStarted = false; // a fever's start took a machine out of no chance state into one
    int chainSetting = 0;      // the setting of the draw that won it
};

class MachineWatch {
public:
    // Starts watching; a spin or fever already running is not counted.
    void begin(const MachineState& m);

    // After a pass; beat: the pass was a launch beat.
    PassEvents pass(const MachineState& m, bool beat);

private:
    struct Words {
        int32_t occupant, mode, round, setting, continueBarred, startsSincePrize, customerState;
        int32_t balls, pendingStart, pendingPrize, payoutToggle, chanceCount;
    };
    static Words wordsOf(const MachineState& m);
    static int launchedThisPass(const MachineState& m);
    static int paidThisPass(const Words& b, const MachineState& m, int launched, bool& unresolved);

    Words before{};
    bool drawKnown = false;
    SpinDone draw{};
    bool feverKnown = false;
    FeverDone fever{};
    MachineState atSpinStart{};
};
