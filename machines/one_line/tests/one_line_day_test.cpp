// A whole seeded day of both shops of a one-line machine (No.4, No.5), as
// every model runs it (tests/unit/day_runner.h), with the one-line
// machines' own checks: the reels and the chance count in their ranges
// after every pass, and a machine in a big prize or a chance state that
// plays on after closing. The summary also counts each machine's passes in
// a chance state.
#include <cstdio>
#include <string>

#include "day_runner.h"
#include "machines/one_line/one_line.h"

namespace {

// A machine in a big prize or a chance state plays on after closing until
// it is over: a chain of big prizes takes an hour or two.
const long kLongestChanceWait = 4 * 72000;

class OneLineDayRunner : public DayRunner {
    long chanceSteps[kShopCount][kMachinesPerShop] = {};

    void checkMachine(int s, int i, const MachineState& m) override
    {
        bool reelsInRange = true;
        for (int32_t p : m.reelPos)
            reelsInRange = reelsInRange && p >= kOneLine.positionFloor
                           && p < kOneLine.positionFloor + kOneLine.turnPixels;
        if (!reelsInRange || m.chanceCount < 0 || m.chanceCount > 9)
            fault("shop " + std::to_string(s) + " machine " + std::to_string(i) + " reels or chance out of range");
        chanceSteps[s][i] += m.chanceCount > 0;
    }

    void checkClosingOut(int s, long since) override
    {
        if (since == kLongestWait) {
            for (int i = 0; i < kMachinesPerShop; i++) {
                const MachineState& m = shops[s].machines[i];
                if (m.occupant != 0 && m.mode != 3 && m.chanceCount <= 0 && m.heldStarts == 0 && m.mode != 2)
                    fault("shop " + std::to_string(s) + " machine " + std::to_string(i)
                          + " is still played 30 minutes after closing, in no big prize or chance state");
            }
        } else if (since == kLongestChanceWait) {
            fault("shop " + std::to_string(s) + " still has customers four hours after closing");
        }
    }

    std::string extraColumns() const override { return " chance-passes"; }
    std::string extraCells(int s, int i) const override
    {
        char cells[16];
        std::snprintf(cells, sizeof cells, " %7ld", chanceSteps[s][i]);
        return cells;
    }
};

} // namespace

SEEDED_DAY_TESTS(OneLineDayRunner)
