#pragma once
// Included once by each five-line model's tests, as no3_golden_test.cpp is
// No.3's.
//
// A golden run: one seeded machine played by a customer for 200,000 steps
// (tests/unit/golden_run.h). Any change to how the machine plays changes the
// summary; regenerate it only on purpose, with TAMAROW_UPDATE_GOLDEN=1.
#include "golden_run.h"

// a spin the lottery gave a reach or a win is a reach
TEST(FiveLineGolden, SeededCustomerRunMatchesTheRecordedSummary)
{
    expectGoldenReelRun([](const MachineState& m) { return m.drawOutcome != 0; });
}
