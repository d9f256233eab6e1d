#include "hall_fixture.h"

// Runs the clock check at a wall-clock time (a new minute each call).
static void checkAt(int hour, int minute)
{
    nullSetLocalTime(makeLocalTime(2026, 12, 8, hour, minute, 30));
    clockNow.minute = 60;
    EXPECT_TRUE(updateShopHours());
}

TEST(Shops, OpeningHoursOfBothShops)
{
    struct {
        int hour, minute, day, night;
    } const rows[] = {
        {21, 59, 1, 0}, {22, 0, 0, 2},  {5, 30, 0, 4},  {7, 30, 0, 3}, {9, 59, 0, 1},
        {10, 0, 2, 0},  {11, 0, 1, 0},  {17, 0, 4, 0},  {18, 59, 4, 0}, {19, 0, 3, 0},
        {20, 0, 1, 0},  {0, 0, 0, 1},   {23, 59, 0, 1}, {16, 59, 1, 0},
    };
    for (auto r : rows) {
        checkAt(r.hour, r.minute);
        EXPECT_EQ(shops[kDayShop].openState, r.day) << r.hour << ":" << r.minute;
        EXPECT_EQ(shops[kNightShop].openState, r.night) << r.hour << ":" << r.minute;
    }
}

TEST(Shops, ClockCheckActsOnlyOnANewMinute)
{
    checkAt(21, 59);
    EXPECT_EQ(shops[kDayShop].openState, 1);
    // same minute, other hour: nothing changes
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 22, 59, 0));
    EXPECT_FALSE(updateShopHours());
    EXPECT_EQ(shops[kDayShop].openState, 1);
    EXPECT_EQ(clockNow.hour, 21);
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 22, 0, 0));
    EXPECT_TRUE(updateShopHours());
    EXPECT_EQ(shops[kDayShop].openState, 0);
    EXPECT_EQ(shops[kNightShop].openState, 2);
    EXPECT_EQ(clockNow.hour, 22);
}

TEST(Shops, MachineNumbersSkipFourAndNine)
{
    const int expected[16] = {1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 15, 16, 17, 18, 20};
    for (int i = 0; i < 16; i++)
        EXPECT_EQ(machineNumber(i), expected[i]);
}

TEST(Shops, RecordSizesAreTheFileFormat)
{
    EXPECT_EQ(sizeof(MachineState), (size_t)MACHINE_RECORD_BYTES);
    // the shop block: 224 bytes of head, then 16 machines and the spare
    EXPECT_EQ(sizeof(ShopState), 224 + 17 * (size_t)MACHINE_RECORD_BYTES);
    EXPECT_EQ(sizeof(ResultEntry), 36u);
}

TEST(ElapsedTime, AcrossDaysAndYears)
{
    auto t = makeLocalTime;
    EXPECT_EQ(secondsBetween(t(2026, 12, 31, 23, 0, 0), t(2027, 1, 1, 1, 0, 0)), 7200);
    EXPECT_EQ(secondsBetween(t(2024, 12, 31, 23, 0, 0), t(2025, 1, 1, 1, 0, 0)), 7200); // leap year left
    EXPECT_EQ(secondsBetween(t(2026, 3, 1, 10, 0, 0), t(2026, 3, 1, 22, 0, 0)), 43200);
    EXPECT_EQ(secondsBetween(t(2026, 3, 1, 10, 0, 0), t(2026, 3, 1, 9, 59, 59)), -1);
    EXPECT_EQ(secondsBetween(t(2027, 1, 1, 0, 0, 0), t(2026, 12, 31, 0, 0, 0)), -1); // later year
    EXPECT_EQ(secondsBetween(t(2026, 5, 5, 5, 5, 5), t(2026, 5, 5, 5, 5, 5)), 0);
}

TEST(ElapsedTime, LongAndWildStampsDoNotWrap)
{
    auto t = makeLocalTime;
    // more than a year away is still a long absence, however the days fall
    EXPECT_GT(secondsBetween(t(2023, 12, 31, 23, 59, 59), t(2025, 1, 1, 0, 0, 0)), 365 * 86400);
    // a file that was never written: year 1900, all zero
    BrokenDownTime never{};
    EXPECT_EQ(secondsBetween(never, t(2026, 12, 8, 12, 0, 0)), INT32_MAX);
    // damaged fields
    BrokenDownTime wild{};
    wild.year = 126;
    wild.dayOfYear = INT32_MIN;
    wild.hour = INT32_MIN;
    EXPECT_EQ(secondsBetween(wild, t(2026, 12, 8, 12, 0, 0)), INT32_MAX);
    wild.dayOfYear = INT32_MAX;
    wild.hour = INT32_MAX;
    EXPECT_EQ(secondsBetween(wild, t(2026, 12, 8, 12, 0, 0)), INT32_MIN);
    BrokenDownTime farFuture = t(2026, 1, 1, 0, 0, 0);
    farFuture.year = INT32_MAX;
    EXPECT_EQ(secondsBetween(t(2026, 1, 1, 0, 0, 0), farFuture), INT32_MAX);
}

TEST_F(HallTest, DaySetUpClearsAClosedShopAndCatchesUpAnOpenOne)
{
    // at noon the day shop is open, the night shop closed
    MachineState& night = shops[kNightShop].machines[2];
    night.occupant = 1;
    night.balls = 500;
    night.mode = 2;
    night.setting = 2;
    MachineState& day = shops[kDayShop].machines[2];
    day.occupant = 1;
    day.balls = 500;
    day.mode = 2;
    shops[kDayShop].lastOpenStamp = makeLocalTime(2026, 12, 8, 11, 0, 0);
    daySetUp();
    EXPECT_EQ(night.occupant, 0);
    EXPECT_EQ(night.balls, 0);
    EXPECT_EQ(night.mode, 0);
    EXPECT_EQ(night.setting, 2);
    EXPECT_EQ(shops[kNightShop].customerCount, 0);
    // the open shop is caught up and counts who is sitting
    int seated = 0;
    for (const MachineState& m : shops[kDayShop].machines)
        seated += m.occupant != 0;
    EXPECT_EQ(shops[kDayShop].customerCount, seated);

    // a stamp in the future: no catch-up, and no count until the next recount
    MachineState before = day;
    shops[kDayShop].lastOpenStamp = makeLocalTime(2026, 12, 8, 13, 0, 0);
    daySetUp();
    EXPECT_EQ(shops[kDayShop].customerCount, 0);
    EXPECT_EQ(std::memcmp(&day, &before, sizeof day), 0);
}

TEST_F(HallTest, PlayersStartInTheStreetBeforeTheOpenShop)
{
    for (int i = 0; i < kPlayerSlots; i++) {
        const PlayerSlot& p = playerSlots[i];
        EXPECT_EQ(p.index, i);
        EXPECT_EQ(p.shop, kDayShop);
        EXPECT_EQ(p.scene, kSceneStreet);
        EXPECT_EQ(p.seat, kSpareMachine);
        EXPECT_EQ(p.cursor, kSpareMachine);
        EXPECT_EQ(p.machine, &shops[kDayShop].spareMachine);
        EXPECT_EQ(p.name[0], 0);
    }
    EXPECT_EQ(activeSlot, 0);

    // the day shop closed: everyone stands before the night shop
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 23, 15, 0));
    forgetClockMinute();
    startHall(7);
    for (const PlayerSlot& p : playerSlots) {
        EXPECT_EQ(p.shop, kNightShop);
        EXPECT_EQ(p.shopState, &shops[kNightShop]);
        EXPECT_EQ(p.machine, &shops[kNightShop].spareMachine);
    }
}

TEST_F(HallTest, HallPassStampsOnlyTheOpenShop)
{
    BrokenDownTime before = shops[kNightShop].lastOpenStamp;
    startAnimClock();
    advanceAnimClock();
    advanceAnimClock(); // halfPhase 0
    hallStep();
    EXPECT_EQ(shops[kDayShop].lastOpenStamp.hour, 12);
    EXPECT_EQ(shops[kNightShop].lastOpenStamp.hour, before.hour);
}
