// Machine No.3 in the hall: the fever kind through whole fevers, and the
// start-up catch-up with its draws in their order.
#include <algorithm>
#include <cstring>

#include "hall_fixture.h"
#include "hallcore/hall/customers.h"
#include "hallcore/shell/command_ids.h"
#include "no3.h"

namespace {

class No3Hall : public HallTest {
protected:
    void SetUp() override
    {
        HallTest::SetUp();
        for (int i = 0; i < kMachinesPerShop; i++)
            resetMachine(kDayShop, i, kResetClear);
        recountCustomers(kDayShop);
        nullClearPosted();
    }
};

// P1 sits at a machine of the day shop, handle let go, just as a big prize
// was drawn on the given lines: the fever starts on the next step.
MachineState& playerWinsFever(int machine, int lineMask, int kind)
{
    MachineState& m = shops[kDayShop].machines[machine];
    PlayerSlot& p = playerSlots[0];
    p.scene = kScenePlaying;
    p.seat = machine;
    p.machine = &m;
    m.occupant = 2;
    m.balls = 600;
    m.mode = 3;
    m.modeTick = 0;
    m.round = 0;
    m.lineMask = lineMask;
    m.feverKind = kind;
    return m;
}

void hallPasses(int n)
{
    for (int i = 0; i < n; i++) {
        advanceAnimClock();
        advanceAnimClock();
        hallStep();
        deliverHallEvents();
    }
}

} // namespace

TEST_F(No3Hall, AMiddleColumnFeverEndsTheRunUnlessTheMachineHoldsKind3)
{
    for (int kind : {0, 2, 3}) {
        nullClearPosted();
        MachineState& m = playerWinsFever(7, kLineMiddleColumn, kind);
        hallPasses(1);
        EXPECT_EQ(m.feverKind, kind == 3 ? 3 : 1);
        ASSERT_EQ(nullPostedCount(), 1);
        EXPECT_EQ(nullPosted(0).lParam, 7 * 65536 + STR_FEVER_START);
        hallPasses(1450); // no ball reaches the V zone: round 1 is the last
        ASSERT_EQ(m.mode, 1);
        if (kind == 3) {
            EXPECT_EQ(m.continueBarred + m.customerState, 0);
            EXPECT_EQ(nullPostedCount(), 1);
        } else { // asked to exchange: "no right to continue"
            EXPECT_EQ(m.continueBarred, 1);
            EXPECT_EQ(m.customerState, kCustomerBarred);
            ASSERT_EQ(nullPostedCount(), 2);
            EXPECT_EQ(nullPosted(1).command, kCmdForcedStop);
            EXPECT_EQ(nullPosted(1).lParam, kCustomerBarred);
        }
        resetMachine(kDayShop, 7, kResetClear);
    }
    MachineState& n = playerWinsFever(4, kLineMiddleColumn | kLineMiddleRow, 0);
    hallPasses(1);
    EXPECT_EQ(n.feverKind, 2); // the middle row keeps the right
}

// --- the catch-up at start-up ---

namespace {

// The catch-up of one No.3 machine as the hall's rules tell it, with the
// numbers worked out by hand for each case: whether a new business day
// starts, how many days move the prize history, the 20-minute periods and
// the reserve they add.
struct Plan {
    bool newDay;
    int days, periods, reserveGain;
};

void replayCatchUp(MachineState& m, Plan plan)
{
    if (plan.newDay) {
        resetMachineRecord(m, kResetNewDay);
        for (int d = 0; d < plan.days; d++) {
            m.luckReserve += 10;
            int r = randomNext();
            int p = m.luckReserve > 0 ? std::min(r % m.luckReserve, 32) : 0;
            m.luckReserve -= p;
            m.prizesTwoDaysAgo = m.prizesYesterday;
            m.prizesYesterday = m.prizesToday;
            m.prizesToday = p;
        }
        m.prizesToday = 0;
    }
    m.luckReserve += plan.reserveGain;
    for (int k = 0; k < plan.periods; k++) {
        if (m.occupant == 0) {
            if (oneIn(3)) {
                resetMachineRecord(m, kResetClear);
                m.occupant = 1;
                m.startsSincePrize += randomNext() % 80 + 40;
                m.balls = randomNext() % 125 + 25;
            }
        } else if (oneIn(32)) {
            resetMachineRecord(m, kResetClear);
        } else if (m.luckReserve > 0 && oneIn(3)) {
            m.prizesToday++;
            m.luckReserve--;
            m.feverKind = randomNext() % 3 == 0 && m.feverKind != 3 ? 2 : 3;
            int g = randomNext() % 80;
            m.balls += 1880 - 8 * g;
            m.startsSincePrize = g + 40;
        } else {
            m.startsSincePrize += randomNext() % 80 + 40;
            m.balls -= 500;
            if (m.balls <= 0)
                resetMachineRecord(m, kResetClear);
        }
    }
    if (m.occupant != 0) {
        m.occupant = 1; // nobody of the last run is still seated as a player
        m.launchPower = 48;
    } else if (m.startsSincePrize != 0) {
        resetMachineRecord(m, kResetClear);
    }
}

// Machines as a shop may have been left: vacant or played, rich or poor,
// with or without reserve, in a fever, with a player's number from a saved
// run, with a reserve spent below nothing.
MachineState startingMachine(int variant)
{
    static const struct {
        int occupant, balls, reserve, kind, mode;
    } rows[] = {{0, 0, 5, 0, 0}, {1, 3000, 40, 3, 0}, {1, 200, 0, 0, 0},
                {0, 0, 12, 0, 3}, {3, 5000, 25, 0, 0}, {1, 900, -20, 0, 0}};
    const auto& r = rows[variant % 6];
    MachineState m = idleMachine();
    resetMachineRecord(m, kResetNew);
    m.prizesTwoDaysAgo = 2;
    m.prizesYesterday = 5;
    m.prizesToday = 9;
    m.startsSincePrize = 50;
    m.occupant = r.occupant;
    m.balls = r.balls;
    m.luckReserve = r.reserve;
    m.feverKind = r.kind;
    m.mode = r.mode;
    return m;
}

// The catch-up of machine 6 and the replay of a copy from the same point of
// the random stream must leave the same record and the same stream.
void expectCatchUp(int shop, int32_t elapsed, Plan plan)
{
    for (int variant = 0; variant < 60; variant++) {
        seedRandom(1000 + variant);
        MachineState& m = shops[shop].machines[6];
        m = startingMachine(variant);
        MachineState expected = m;
        uint32_t seed = randomSeed;
        simulateAbsence(elapsed, shop, 6);
        uint32_t after = randomSeed;
        randomSeed = seed;
        replayCatchUp(expected, plan);
        ASSERT_EQ(after, randomSeed) << "variant " << variant;
        ASSERT_EQ(std::memcmp(&m, &expected, sizeof m), 0) << "variant " << variant;
    }
}

} // namespace

TEST_F(No3Hall, ThirtyHoursAwayMoveTheDaysOnceThenPlaySinceTen)
{
    // the night shop, last seen at 23:00, now 05:00 two days later
    clockNow = makeLocalTime(2026, 12, 8, 5, 0, 0);
    int32_t e = secondsBetween(makeLocalTime(2026, 12, 6, 23, 0, 0), clockNow);
    ASSERT_EQ(e, 30 * 3600);
    // one day; 7 hours since 22:00 are 21 periods and one more, 9 of reserve
    expectCatchUp(kNightShop, e, {true, 1, 22, 9});

    MachineState& m = shops[kNightShop].machines[6];
    m = startingMachine(0);
    m.luckReserve = 1000; // a day gets at most 32 prizes
    simulateAbsence(e, kNightShop, 6);
    EXPECT_EQ(m.prizesTwoDaysAgo, 5);
    EXPECT_EQ(m.prizesYesterday, 9);
    EXPECT_LE(m.prizesToday, 22);
    EXPECT_GE(m.luckReserve, 1000 + 10 - 32 + 9 - 22);
}

TEST_F(No3Hall, ThirteenHoursAwayStartADayButMoveNoCounters)
{
    // the day shop, last seen at 21:30, now 10:30 the next morning
    clockNow = makeLocalTime(2026, 12, 8, 10, 30, 0);
    int32_t e = secondsBetween(makeLocalTime(2026, 12, 7, 21, 30, 0), clockNow);
    ASSERT_EQ(e, 13 * 3600);
    expectCatchUp(kDayShop, e, {true, 0, 2, 0});

    MachineState& m = shops[kDayShop].machines[6];
    m = startingMachine(0);
    simulateAbsence(e, kDayShop, 6);
    EXPECT_EQ(m.prizesTwoDaysAgo, 2);
    EXPECT_EQ(m.prizesYesterday, 5);
    EXPECT_LE(m.prizesToday, 2); // the old day's 9 are gone
}

TEST_F(No3Hall, ShortAndLongAbsences)
{
    clockNow = makeLocalTime(2026, 12, 8, 21, 59, 59);
    expectCatchUp(kDayShop, 1, {false, 0, 1, 0});
    expectCatchUp(kDayShop, 3 * 3600, {false, 0, 10, 4});
    expectCatchUp(kDayShop, 43200, {false, 0, 37, 16});
    // one second more: a new day, then the 11:59:59 since 10:00
    expectCatchUp(kDayShop, 43201, {true, 0, 36, 15});

    // more than three days count as three; a hall never saved is the longest absence
    clockNow = makeLocalTime(2026, 12, 8, 12, 0, 0);
    expectCatchUp(kDayShop, 4 * 86400 + 600, {true, 3, 7, 2});
    expectCatchUp(kDayShop, secondsBetween(BrokenDownTime{}, clockNow), {true, 3, 7, 2});

    // a reserve of -20 gets -10 and then 0 on the first two days: each day
    // still draws its value (the replays above agree on the stream) and
    // gets no prizes
    MachineState& m = shops[kDayShop].machines[6];
    m = startingMachine(5);
    simulateAbsence(3 * 86400, kDayShop, 6);
    EXPECT_EQ(m.prizesTwoDaysAgo + m.prizesYesterday, 0);
    EXPECT_GE(m.luckReserve, 0);
}

TEST_F(No3Hall, DaySetUpCatchesUpEveryMachineOfTheOpenShopAndCounts)
{
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 5, 0, 0));
    forgetClockMinute();
    updateShopHours();
    shops[kNightShop].lastOpenStamp = makeLocalTime(2026, 12, 6, 23, 0, 0);
    for (int i = 0; i < kMachinesPerShop; i++)
        shops[kNightShop].machines[i] = startingMachine(i);
    daySetUp();
    int seated = 0;
    for (const MachineState& m : shops[kNightShop].machines) {
        EXPECT_GE(m.balls, 0);
        EXPECT_EQ(m.prizesYesterday, 9);
        if (m.occupant) {
            seated++;
            EXPECT_EQ(m.occupant, 1);
            EXPECT_EQ(m.launchPower, 48);
        } else {
            EXPECT_EQ(m.mode, 0); // left standing idle
        }
    }
    EXPECT_GT(seated, 0);
    EXPECT_EQ(shops[kNightShop].customerCount, seated);
}
