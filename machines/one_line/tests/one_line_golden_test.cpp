// A golden run of a one-line machine (No.4, No.5): one seeded machine played
// by a customer for 400,000 steps. Any change to how the machine plays
// changes the summary; regenerate it only on purpose, with
// TAMAROW_UPDATE_GOLDEN=1. The same run is a soak: every step keeps the
// reels, phases and counters in their ranges, and no spin or big prize
// outlasts what its rules allow.
#include <sstream>
#include <string>

#include "golden_run.h"
#include "machines/one_line/one_line.h"

namespace {

struct Summary {
    CustomerRun run;
    long planned = 0, unplanned = 0, chancePrizes = 0, longestSpin = 0, longestFever = 0;
    std::string fault;
};

Summary playGolden(long steps)
{
    Summary s;
    long inMode = 0;
    playSeededCustomer(steps, 2, s.run, [&](const MachineState& before, const MachineState& m, long step) {
        if (before.mode != 2 && m.mode == 2)
            s.planned += m.drawOutcome != 0;
        if (before.mode == 2 && before.drawOutcome == 0 && m.drawOutcome != 0)
            s.unplanned++;
        if (before.mode != 3 && m.mode == 3)
            s.chancePrizes += before.chanceCount > 0;
        inMode = m.mode == before.mode ? inMode + 1 : 0;
        if (m.mode == 2 && inMode > s.longestSpin)
            s.longestSpin = inMode;
        if (m.mode == 3 && inMode > s.longestFever)
            s.longestFever = inMode;

        if (s.fault.empty()) {
            for (int r = 0; r < kOneLineReels; r++)
                if (m.reelPos[r] < kOneLine.positionFloor || m.reelPos[r] >= kOneLine.positionFloor + kOneLine.turnPixels)
                    s.fault = "reel " + std::to_string(r) + " at " + std::to_string(m.reelPos[r]);
            if (m.chanceCount < 0 || m.chanceCount > 2 || m.heldStarts < 0 || m.heldStarts > 4 || m.luckReserve < 0)
                s.fault = "a counter out of its range";
            if (m.attackerOpen && !(m.mode == 3 && m.round >= 1 && m.round <= 16))
                s.fault = "the door open outside the rounds";
            MachineState copy = m;
            if (!modelRecordIsValid(copy))
                s.fault = "a state play produced is refused at load";
            if (!s.fault.empty())
                s.fault += " at step " + std::to_string(step);
        }
    });
    return s;
}

} // namespace

TEST(OneLineGolden, SeededCustomerRunMatchesTheRecordedSummary)
{
    const Summary s = playGolden(400000);
    EXPECT_EQ(s.fault, "");
    // a spin is at most a few hundred steps (the fast spin's eight turns and
    // its stand included); a big prize at most 16 rounds of 960 and the rest
    EXPECT_LT(s.longestSpin, 1200);
    EXPECT_LT(s.longestFever, 17 * 1000 + 400);
    EXPECT_GT(s.run.prizes, 0);

    std::ostringstream out;
    out << "machine No." << MACHINE_NUMBER << ", seed 20261208, power 48, 400000 steps\n"
        << "balls fired " << s.run.fired << "\n"
        << "balls paid " << s.run.paid << "\n"
        << "balls bought " << s.run.bought << "\n"
        << "start pocket " << s.run.startPocket << "\n"
        << "spins " << s.run.spins << "\n"
        << "planned reaches and wins " << s.planned << "\n"
        << "unplanned reaches " << s.unplanned << "\n"
        << "prizes " << s.run.prizes << "\n"
        << "prizes in a chance state " << s.chancePrizes << "\n"
        << "rounds continued " << s.run.rounds << "\n"
        << "door balls " << s.run.doorBalls << "\n"
        << "V hits " << s.run.vHits << "\n"
        << "longest spin " << s.longestSpin << " steps\n";
    expectGoldenText(TAMAROW_MODEL "_power48.txt", out.str());
}
