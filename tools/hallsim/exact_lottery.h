// The exact odds of a model's start lottery, from the game's generator
// itself: every one of the 2^32 states it can be in when a spin draws.
//
// The lottery's draws are not independent (docs/random.md): the reserve's
// and the redraw's "one in n" leave the generator where the prize draw
// starts, so the prize comes out a little more or less often than its own
// exact odds say. What is counted is the family's lottery (hallcore/machine/
// lottery.cpp) up to the outcome: the reserve, the redraw, the prize with the
// odds in force and, after a miss, the reach. A machine starts in a setting
// with a reserve between the bounds; a spin whose redraw leaves that setting
// is counted under the setting it lands in, as the simulator books it.
#pragma once
#include <cstdint>
#include <string>

#include "hallcore/machine/lottery.h"

// How a spin draws its prize.
enum ExactDrawKind {
    kDrawPlain = 0,  // the setting's odds
    kDrawQuick = 1,  // barred, within the quick chance's starts: its odds unless cold
    kDrawChance = 2, // in a chance state: the chance odds unless quick
    kDrawKinds = 3,
};

struct ExactLottery {
    // [kind][setting the machine starts in]: states counted whose setting after
    // the redraw is still that one, and of them those drawing a prize, and a
    // reach after a miss (both out of 2^32 starting states)
    uint64_t states[kDrawKinds][kSettings] = {};
    uint64_t prizes[kDrawKinds][kSettings] = {};
    uint64_t reachesAfterMiss[kDrawKinds][kSettings] = {};
    bool computed[kDrawKinds] = {};

    double prizeChance(int kind, int setting) const;
    // a reach line at the start: a prize, or a reach drawn after a miss
    double reachChance(int kind, int setting) const;
};

// The same draws as lotteryPrelude, lotteryPrizeOdds and the reach, on a
// generator of its own (so many run at once); the classes are
// setting * 4 + prize * 2 + reach. The tests hold it to the engine's draws.
int exactLotteryClass(uint32_t& state, const LotteryTable& t, int startSetting, int kind);

// Counts over all 2^32 states (a few minutes on two cores per kind).
ExactLottery computeExactLottery(const LotteryTable& t, int jobs, bool withChance);

// The file the simulator keeps the figures in (machines/<model>/sim/
// exact_lottery.txt): the table's numbers, then the counts. Reading fails
// (false) when the file is missing, damaged, or for another table.
std::string exactLotteryText(const LotteryTable& t, const ExactLottery& e);
bool parseExactLottery(const std::string& text, const LotteryTable& t, ExactLottery* out);
