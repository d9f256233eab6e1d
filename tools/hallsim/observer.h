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
#include "tools/hallsim/model_sim.h"

struct SpinDone {
    int setting;   // in force at the draw, after any redraw
    bool quick;    // drawn at the quick chance's odds
    bool chance;   // drawn in a chance state (and not at the quick chance)
    bool reach;    // the spin showed a reach (prizes included), by the model's rule
    bool prize;    // ended in a fever
    bool favoured; // its symbol was chosen with the chance symbols favoured (simChanceSymbolsFavoured)
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

    // After a pass; beat: the pass was a launch beat. False when nothing
    // happened that the figures count, and `e` is then left as it was; else
    // true with `e` filled in. Off the launch beat, with the same mode (no
    // fever) and the same occupant, nothing can have happened: no balls
    // fired or paid, nobody arrived, no spin or fever started or ended. That
    // is most passes, so that test is inline.
    bool pass(const MachineState& m, bool beat, PassEvents& e)
    {
        if (!beat && m.mode == before.mode && m.mode != 3 && m.occupant == before.occupant) {
            keepWordsOutsideFever(m);
            return false;
        }
        return passWithEvents(m, beat, e);
    }
    PassEvents pass(const MachineState& m, bool beat)
    {
        PassEvents e;
        pass(m, beat, e);
        return e;
    }

private:
    struct Words {
        int32_t occupant, mode, round, setting, continueBarred, startsSincePrize, customerState;
        int32_t balls, pendingStart, pendingPrize, payoutToggle, chanceCount;
    };
    // The words of this pass, for the next one (written in place: this runs
    // for every machine on every pass).
    void keepWords(const MachineState& m)
    {
        keepWordsOutsideFever(m);
        Words& w = before;
        w.occupant = m.occupant;
        w.mode = m.mode;
        w.customerState = m.customerState;
        w.balls = m.balls;
    }
    // The words but the occupant, mode, tray and customer's state, which a
    // pass of the fast path need not keep: its occupant and mode are the kept
    // ones, and the tray and the customer's state are read only when the pass
    // before was in a fever, which always keeps every word.
    void keepWordsOutsideFever(const MachineState& m)
    {
        Words& w = before;
        w.chanceCount = simChanceCount(m);
        w.round = m.round;
        w.setting = m.setting;
        w.continueBarred = m.continueBarred;
        w.startsSincePrize = m.startsSincePrize;
        w.pendingStart = m.pendingStartPayouts;
        w.pendingPrize = m.pendingPrizePayouts;
        w.payoutToggle = m.payoutToggle;
    }
    bool passWithEvents(const MachineState& m, bool beat, PassEvents& e);
    static int launchedThisPass(const MachineState& m);
    static int paidThisPass(const Words& b, const MachineState& m, int launched, bool& unresolved);

    Words before{};
    bool drawKnown = false;
    SpinDone draw{};
    bool feverKnown = false;
    FeverDone fever{};
    MachineState atSpinStart{};
};
