// The golden machine run: one seeded machine played by one customer, step by
// step, and counted. Any change to how the machine plays changes what is
// counted; each model's golden test records its summary
// (machines/<model>/tests/golden/<model>_power48.txt, regenerated only on
// purpose with TAMAROW_UPDATE_GOLDEN=1).
#pragma once
#include <sstream>
#include <string>

#include "golden.h"
#include "hall_fixture.h"
#include "machine_identity.h"

// What every golden run counts.
struct CustomerRun {
    long fired = 0, paid = 0, bought = 0, spins = 0, prizes = 0, rounds = 0, vHits = 0;
    long startPocket = 0, doorBalls = 0;
};

// A new machine from seed 20261208 with a customer at power 48 and 250
// balls, who buys 250 more whenever fewer than 25 are left and nothing is
// being paid out; `steps` machine steps, one every second tick. Rounds from
// `firstRound` to 16 count as rounds. After each step `onStep(before, m,
// step)` sees the machine as it was and as it is. Returns the machine at the
// end.
template <class OnStep>
MachineState playSeededCustomer(long steps, int firstRound, CustomerRun& s, OnStep&& onStep)
{
    seedRandom(20261208);
    MachineState m = idleMachine();
    resetMachineRecord(m, kResetNew);
    m.occupant = 1;
    m.launchPower = 48;
    m.balls = 250;
    startAnimClock();

    for (long step = 0; step < steps; step++) {
        if (m.balls < 25 && m.pendingPrizePayouts == 0 && m.pendingStartPayouts == 0) {
            m.balls += 250; // the customer buys more
            s.bought += 250;
        }
        const MachineState before = m;
        advanceAnimClock();
        advanceAnimClock(); // one machine step every second tick
        machineStep(m);
        if (m.balls < before.balls)
            s.fired += before.balls - m.balls;
        else
            s.paid += m.balls - before.balls;
        if (before.mode != 2 && m.mode == 2)
            s.spins++;
        if (before.mode != 3 && m.mode == 3)
            s.prizes++;
        if (m.mode == 3 && m.round != before.round && m.round >= firstRound && m.round <= 16)
            s.rounds++;
        if (before.vHit == 0 && m.vHit > 0)
            s.vHits++;
        if (m.pendingStartPayouts > before.pendingStartPayouts)
            s.startPocket += m.pendingStartPayouts - before.pendingStartPayouts;
        if (m.attackerCount > before.attackerCount)
            s.doorBalls += m.attackerCount - before.attackerCount;
        onStep(before, m, step);
    }
    return m;
}

// The golden run of a reel machine that counts a spin as a reach when
// `isReach(m)` holds as it starts (No.3, the five-line machines): 200,000
// steps, its summary against the recorded one.
template <class IsReach>
void expectGoldenReelRun(IsReach&& isReach)
{
    CustomerRun s;
    long reaches = 0;
    const MachineState m = playSeededCustomer(200000, 1, s, [&](const MachineState& before, const MachineState& now, long) {
        if (before.mode != 2 && now.mode == 2 && isReach(now))
            reaches++;
    });
    std::ostringstream out;
    out << "machine No." << MACHINE_NUMBER << ", seed 20261208, power 48, 200000 steps\n"
        << "balls fired " << s.fired << "\n"
        << "balls paid " << s.paid << "\n"
        << "balls bought " << s.bought << "\n"
        << "balls left " << m.balls << "\n"
        << "start pocket " << s.startPocket << "\n"
        << "spins " << s.spins << "\n"
        << "reaches " << reaches << "\n"
        << "prizes " << s.prizes << "\n"
        << "rounds " << s.rounds << "\n"
        << "door balls " << s.doorBalls << "\n"
        << "V hits " << s.vHits << "\n"
        << "setting " << m.setting << " reserve " << m.luckReserve << "\n";
    const std::string summary = out.str();
    // the run is a real one: the machine played
    EXPECT_NE(summary.find("prizes "), std::string::npos);
    expectGoldenText(TAMAROW_MODEL "_power48.txt", summary);
}
