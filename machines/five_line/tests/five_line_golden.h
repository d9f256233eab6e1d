#pragma once
// Included once by each five-line model's tests, as no3_golden_test.cpp is
// No.3's.
//
// A golden run: one seeded machine played by a customer for 200,000 steps.
// Any change to how the machine plays changes the summary; regenerate it only
// on purpose, with TAMAROW_UPDATE_GOLDEN=1.
#include <cstdio>
#include <sstream>
#include <string>

#include "golden.h"
#include "hall_fixture.h"
#include "machine_identity.h"

namespace {

struct Summary {
    long fired = 0, paid = 0, bought = 0, spins = 0, reaches = 0, prizes = 0, rounds = 0, vHits = 0;
    long startPocket = 0, doorBalls = 0;
};

std::string playGolden()
{
    seedRandom(20261208);
    MachineState m = idleMachine();
    resetMachineRecord(m, kResetNew);
    m.occupant = 1;
    m.launchPower = 48;
    m.balls = 250;
    startAnimClock();

    Summary s;
    for (long step = 0; step < 200000; step++) {
        if (m.balls < 25 && m.pendingPrizePayouts == 0 && m.pendingStartPayouts == 0) {
            m.balls += 250; // the customer buys more
            s.bought += 250;
        }
        int mode = m.mode, round = m.round, vHit = m.vHit, balls = m.balls;
        int starts = m.pendingStartPayouts, prizes = m.pendingPrizePayouts, door = m.attackerCount;
        advanceAnimClock();
        advanceAnimClock(); // one machine step every second tick
        machineStep(m);
        if (m.balls < balls)
            s.fired += balls - m.balls;
        else
            s.paid += m.balls - balls;
        if (mode != 2 && m.mode == 2) {
            s.spins++;
            if (m.drawOutcome != 0)
                s.reaches++;
        }
        if (mode != 3 && m.mode == 3)
            s.prizes++;
        if (m.mode == 3 && m.round != round && m.round >= 1 && m.round <= 16)
            s.rounds++;
        if (vHit == 0 && m.vHit > 0)
            s.vHits++;
        if (m.pendingStartPayouts > starts)
            s.startPocket += m.pendingStartPayouts - starts;
        if (m.attackerCount > door)
            s.doorBalls += m.attackerCount - door;
        (void)prizes;
    }
    std::ostringstream out;
    out << "machine No." << MACHINE_NUMBER << ", seed 20261208, power 48, 200000 steps\n"
        << "balls fired " << s.fired << "\n"
        << "balls paid " << s.paid << "\n"
        << "balls bought " << s.bought << "\n"
        << "balls left " << m.balls << "\n"
        << "start pocket " << s.startPocket << "\n"
        << "spins " << s.spins << "\n"
        << "reaches " << s.reaches << "\n"
        << "prizes " << s.prizes << "\n"
        << "rounds " << s.rounds << "\n"
        << "door balls " << s.doorBalls << "\n"
        << "V hits " << s.vHits << "\n"
        << "setting " << m.setting << " reserve " << m.luckReserve << "\n";
    return out.str();
}

} // namespace

TEST(FiveLineGolden, SeededCustomerRunMatchesTheRecordedSummary)
{
    std::string summary = playGolden();
    // the run is a real one: the machine played
    EXPECT_NE(summary.find("prizes "), std::string::npos);
    expectGoldenText(TAMAROW_MODEL "_power48.txt", summary);
}
