#include "hall_fixture.h"

TEST(AnimClock, CountersAndBlinkFlagsAsTheScreensReadThem)
{
    startAnimClock();
    nullClearPosted();
    int firstBlink64 = 0, firstPacing = 0;
    for (int tick = 1; tick <= 128; tick++) {
        bool paced = advanceAnimClock();
        EXPECT_EQ(animClock.halfPhase, tick % 2 == 1 ? 16 : 0) << tick;
        if (animClock.blink64 && !firstBlink64)
            firstBlink64 = tick;
        if (paced && !firstPacing)
            firstPacing = tick;
        EXPECT_EQ(animClock.count512 == 0, tick % 32 == 0) << tick;
        EXPECT_EQ(paced, tick % 64 == 0) << tick;
    }
    EXPECT_EQ(firstBlink64, 4);
    EXPECT_EQ(firstPacing, 64);
    // each flag holds its value for 4, 8, 16, 32 and 64 ticks: after 128
    // ticks all have toggled an even number of times
    EXPECT_EQ(animClock.blink64 | animClock.blink128 | animClock.blink256 | animClock.blink512
                  | animClock.blink1024, 0);
}

TEST(AnimClock, StandsStillBeforeTheTickClockStarts)
{
    animClock = AnimClock{};
    tickStep = 0;
    for (int i = 0; i < 100; i++)
        EXPECT_FALSE(advanceAnimClock());
    EXPECT_EQ(animClock.count1024, 0);
}

TEST(TickGate, AtMostOneTickWaits)
{
    tickRelease();
    EXPECT_TRUE(tickClaim());  // posted
    EXPECT_FALSE(tickClaim()); // dropped: the first is still waiting
    EXPECT_FALSE(tickClaim());
    tickRelease();             // handled (or its post failed)
    EXPECT_TRUE(tickClaim());
    tickRelease();
}

TEST(TickGate, ALostTickIsPostedAgainAfterASecondOfDrops)
{
    tickRelease();
    EXPECT_TRUE(tickClaim()); // posted, and then lost
    int reposts = 0;
    for (int i = 0; i < 120; i++)
        if (!tickClaim() && tickWaitTooLong(40))
            reposts++;
    EXPECT_EQ(reposts, 3); // once a second while nothing is handled
    tickRelease();             // handled at last: the count starts over
    EXPECT_TRUE(tickClaim());
    EXPECT_FALSE(tickClaim());
    EXPECT_FALSE(tickWaitTooLong(40));
    tickRelease();
}

TEST_F(HallTest, TickRunsClockSceneHallAndPanelInOrder)
{
    nullClearPosted();
    MachineState& m = shops[0].machines[0];
    int before = m.modeTick;
    onTick(); // halfPhase 16: no hall pass
    EXPECT_EQ(m.modeTick, before);
    onTick(); // halfPhase 0: one step for every machine of both shops
    EXPECT_EQ(m.modeTick, before + 1);
    EXPECT_EQ(shops[1].machines[15].modeTick, before + 1);
    EXPECT_EQ(shops[0].spareMachine.modeTick, 0); // never stepped
    for (int i = 0; i < 62; i++)
        onTick();
    EXPECT_EQ(nullNoticePacingCount(), 1); // after the 64th tick
}

TEST_F(HallTest, BusyTickOnlyAdvancesTheClock)
{
    MachineState& m = shops[0].machines[3];
    int before = m.modeTick;
    uiBusy = 1;
    // the panel's clock check would open the night shop at 22:00
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 22, 1, 0));
    for (int i = 0; i < 64; i++)
        onTick();
    EXPECT_EQ(m.modeTick, before);
    EXPECT_EQ(shops[kNightShop].openState, kShopClosed);
    EXPECT_EQ(animClock.count1024, 0);
    EXPECT_EQ(nullNoticePacingCount(), 1); // the counters still ran
    uiBusy = 0;
    for (int i = 0; i < 16; i++)
        onTick();
    EXPECT_EQ(m.modeTick, before + 8);
    EXPECT_EQ(shops[kNightShop].openState, kShopOpeningHour); // opened by the panel's check
}

TEST_F(HallTest, NothingStepsAfterShutdownBegan)
{
    stopHall();
    MachineState& m = shops[0].machines[0];
    int before = m.modeTick;
    AnimClock clockBefore = animClock;
    for (int i = 0; i < 8; i++)
        onTick();
    EXPECT_EQ(m.modeTick, before);
    EXPECT_EQ(animClock.count64, clockBefore.count64);
    stopHall(); // a second shutdown saves again and must not fail
}
