// A golden run: one seeded machine played by a customer for 200,000 steps
// (tests/unit/golden_run.h). Any change to how the machine plays changes the
// summary; regenerate it only on purpose, with TAMAROW_UPDATE_GOLDEN=1.
#include "golden_run.h"
#include "no3.h"

// a spin with a line standing is a reach
TEST(No3Golden, SeededCustomerRunMatchesTheRecordedSummary)
{
    expectGoldenReelRun([](const MachineState& m) { return m.lineMask != 0; });
}
