// The simulated customers and the players' notices: arrivals and limits,
// broke and rich customers, the fever's books, closing time and standing up.
#include "hall_fixture.h"
#include "hallcore/hall/customers.h"
#include "hallcore/shell/command_ids.h"

namespace {

// Noon: the day shop is open (1), the night shop closed. Both start empty
// and idle, nothing posted, P1 active, count1024 at 0.
class Customers : public HallTest {
protected:
    void SetUp() override
    {
        HallTest::SetUp();
        for (int s = 0; s < kShopCount; s++) {
            for (int i = 0; i < kMachinesPerShop; i++)
                resetMachine(s, i, kResetClear);
            recountCustomers(s);
        }
        animClock = AnimClock{};
        hallDirty = 0;
        nullClearPosted();
    }

    // occupant 1 seats a customer, 2..5 the player of that slot
    static MachineState& seat(int machine, int occupant, int balls, int shop = kDayShop)
    {
        MachineState& m = shops[shop].machines[machine];
        if (occupant >= 2) {
            PlayerSlot& p = playerSlots[occupant - 2];
            p.shop = shop;
            p.shopState = &shops[shop];
            p.scene = kScenePlaying;
            p.seat = machine;
            p.machine = &m;
        }
        m.occupant = occupant;
        m.launchPower = kCustomerPower;
        m.balls = balls;
        recountCustomers(shop);
        return m;
    }

    static void checkWholeShop(int shop, int passes)
    {
        for (int pass = 0; pass < passes; pass++)
            for (int i = 0; i < kMachinesPerShop; i++)
                occupancyCheck(shop, i);
    }

    // What the hall queued, as the shell posts it after the pass.
    static void expectPosted(int command, int32_t param)
    {
        deliverHallEvents();
        ASSERT_EQ(nullPostedCount(), 1);
        EXPECT_EQ(nullPosted(0).command, command);
        EXPECT_EQ(nullPosted(0).lParam, param);
    }
};

} // namespace

TEST_F(Customers, ArrivalsStopAtTheLimitOfTheHour)
{
    ShopState& day = shops[kDayShop];
    checkWholeShop(kDayShop, 400);
    EXPECT_EQ(day.customerCount, 8);
    EXPECT_EQ(hallDirty, 1);
    for (const MachineState& m : day.machines)
        EXPECT_EQ(m.balls, m.occupant ? kCustomerBuys : 0);

    for (int busy : {kShopOpeningHour, kShopEveningHour, kShopRushHours}) {
        day.openState = busy;
        EXPECT_EQ(maxCustomers(kDayShop), 12);
        EXPECT_EQ(crowdLimit(kDayShop), 8);
    }
    checkWholeShop(kDayShop, 400);
    EXPECT_EQ(day.customerCount, 12);

    // players count: a customer makes room for P1, and the full shop does
    // not even draw
    int customer = 0, vacant = 0;
    while (day.machines[customer].occupant == 0)
        customer++;
    while (day.machines[vacant].occupant != 0)
        vacant++;
    resetMachine(kDayShop, customer, kResetVacate);
    seat(vacant, 2, 500);
    uint32_t seed = randomSeed;
    checkWholeShop(kDayShop, 1);
    EXPECT_EQ(randomSeed, seed);
    EXPECT_EQ(day.customerCount, 12);

    // closed: nobody, not even for a machine left in its fever
    shops[kNightShop].machines[4].mode = 3;
    checkWholeShop(kNightShop, 400);
    EXPECT_EQ(shops[kNightShop].customerCount, 0);
    EXPECT_EQ(maxCustomers(kNightShop) + crowdLimit(kNightShop), 0);
}

TEST_F(Customers, AMachineLeftInItsFeverIsTakenAtTheNextCheckWithRoom)
{
    MachineState& m = shops[kDayShop].machines[9];
    m.mode = 3;
    m.round = 6;
    for (int tick = 0; tick < 63; tick++) {
        advanceAnimClock();
        occupancyCheck(kDayShop, 9); // not on these ticks
    }
    EXPECT_EQ(m.occupant, 0);
    advanceAnimClock(); // count1024 back at 0
    occupancyCheck(kDayShop, 9);
    EXPECT_EQ(m.occupant, 1);
    EXPECT_EQ(m.balls, kCustomerBuys);
    EXPECT_EQ(m.round, 6); // the fever goes on for the new customer
    EXPECT_EQ(shops[kDayShop].customerCount, 1);

    resetMachine(kDayShop, 9, kResetVacate);
    for (int i = 0; i < 8; i++)
        seat(i, 1, 1000);
    occupancyCheck(kDayShop, 9);
    EXPECT_EQ(m.occupant, 0); // no room
}

TEST_F(Customers, OnlyACustomerWithMoreThan12500BallsMayLeaveRich)
{
    MachineState& m = seat(2, 1, kRichBalls);
    uint32_t seed = randomSeed;
    for (int i = 0; i < 20000; i++)
        occupancyCheck(kDayShop, 2);
    EXPECT_EQ(m.occupant, 1);
    EXPECT_EQ(randomSeed, seed); // no draw at all

    int left = 0;
    for (int i = 0; i < 179200; i++) { // one in 1792: about 100
        seat(2, 1, kRichBalls + 1);
        occupancyCheck(kDayShop, 2);
        left += m.occupant == 0;
    }
    EXPECT_GT(left, 65);
    EXPECT_LT(left, 140);
    EXPECT_EQ(shops[kDayShop].customerCount, m.occupant);

    MachineState& p = seat(4, 2, 1000000); // a player's fortune is not the check's business
    for (int i = 0; i < 20000; i++)
        occupancyCheck(kDayShop, 4);
    EXPECT_EQ(p.occupant, 2);
}

TEST_F(Customers, ABrokeCustomerLeavesOnlyACrowdedShop)
{
    auto broke = [](MachineState& m) {
        m.customerState = kCustomerOutOfBalls;
        m.balls = 0;
        m.mode = 1;
    };
    for (int i = 0; i < 4; i++)
        seat(i, 1, 1000);
    MachineState& m = shops[kDayShop].machines[0];
    for (int i = 0; i < 2000; i++) { // 4 is not more than the limit of 4
        broke(m);
        uint32_t seed = randomSeed;
        randomNext();
        uint32_t oneDrawOn = randomSeed;
        randomSeed = seed;
        customerTurn(kDayShop, 0);
        ASSERT_EQ(randomSeed, oneDrawOn); // the coin is tossed all the same
        ASSERT_EQ(m.occupant, 1);
        ASSERT_EQ(m.customerState, kCustomerPlaying);
        ASSERT_EQ(m.balls, kCustomerBuys);
    }

    seat(4, 1, 1000);
    int left = 0;
    for (int i = 0; i < 2000; i++) { // with 5, one time in two
        seat(0, 1, 0);
        broke(m);
        customerTurn(kDayShop, 0);
        left += m.occupant == 0;
        ASSERT_EQ(shops[kDayShop].customerCount, 5 - (m.occupant == 0));
    }
    EXPECT_GT(left, 880);
    EXPECT_LT(left, 1120);

    seat(0, 1, 0);
    broke(m);
    m.heldStarts = 2; // the machine still spins: the customer waits
    customerTurn(kDayShop, 0);
    EXPECT_EQ(m.customerState, kCustomerOutOfBalls);
}

TEST_F(Customers, OutOfBallsIsToldOnlyToTheActivePlayerOnceNothingIsLeft)
{
    MachineState& m = seat(6, 2, 0);
    m.ballSlot[7].state = 3;
    customerTurn(kDayShop, 6);
    m.ballSlot[7].state = 0;
    m.pendingStartPayouts = 1;
    customerTurn(kDayShop, 6);
    m.pendingStartPayouts = 0;
    m.pendingPrizePayouts = 1;
    customerTurn(kDayShop, 6);
    EXPECT_EQ(m.customerState, kCustomerPlaying);

    m.pendingPrizePayouts = 0;
    customerTurn(kDayShop, 6);
    customerTurn(kDayShop, 6);
    EXPECT_EQ(m.customerState, kCustomerOutOfBalls);
    EXPECT_EQ(m.occupant, 2);
    expectPosted(kCmdNotice, 6 * 65536 + STR_NO_BALLS);

    MachineState& other = seat(7, 3, 0); // P2 hears of it on switching there
    customerTurn(kDayShop, 7);
    EXPECT_EQ(other.customerState, kCustomerOutOfBalls);
    deliverHallEvents();
    EXPECT_EQ(nullPostedCount(), 1);
}

TEST_F(Customers, TheFeverIsBookedAtItsFanfareFirstRoundAndEnding)
{
    MachineState& m = seat(10, 1, 0);
    m.mode = 3;
    m.modeTick = 1;
    m.continueBarred = 1;
    int kind = modelFeverKind(m);
    const int prizes = m.prizesToday; // what the start-up's catch-up left
    customerTurn(kDayShop, 10);
    EXPECT_EQ(m.prizesToday, prizes + 1);
    EXPECT_EQ(m.continueBarred, 0);
    EXPECT_EQ(m.feverKind, kind);
    EXPECT_NE(m.dirty & 2, 0);
    expectPosted(kCmdNotice, 10 * 65536 + STR_FEVER_START); // for customers too
    m.modeTick = 2;
    customerTurn(kDayShop, 10);
    EXPECT_EQ(m.prizesToday, prizes + 1);

    // round 1: a broke customer buys in again; a player buys through the shell
    MachineState& p = seat(11, 2, 0);
    for (MachineState* x : {&m, &p}) {
        x->customerState = kCustomerOutOfBalls;
        x->round = 1;
        x->modeTick = 1;
    }
    customerTurn(kDayShop, 10);
    customerTurn(kDayShop, 11);
    EXPECT_EQ(m.balls, kCustomerBuys);
    EXPECT_EQ(m.customerState, kCustomerPlaying);
    EXPECT_EQ(p.balls, 0);

    // ending: kinds 0 and 1 lose the right, 2 and 3 keep it
    const int barredAfter[4] = {1, 1, 0, 0}, kindAfter[4] = {0, 0, 2, 3};
    for (int k = 0; k < 4; k++) {
        m.round = 17;
        m.feverKind = k;
        m.continueBarred = 0;
        m.dirty = 0;
        customerTurn(kDayShop, 10);
        EXPECT_EQ(m.continueBarred, barredAfter[k]) << k;
        EXPECT_EQ(m.feverKind, kindAfter[k]) << k;
        EXPECT_NE(m.dirty & 2, 0) << k;
        EXPECT_EQ(m.occupant, 1) << k; // still in the fever
    }
}

TEST_F(Customers, WithoutTheRightACustomerExchangesAndAPlayerIsAsked)
{
    MachineState& m = seat(8, 1, 1234);
    m.continueBarred = 1;
    m.mode = 1;
    m.heldStarts = 1; // the held start is spun first
    customerTurn(kDayShop, 8);
    EXPECT_EQ(m.balls, 1234);
    m.heldStarts = 0;
    m.feverKind = 1;
    customerTurn(kDayShop, 8);
    // 15 whole units of 80 are exchanged; 34 stay and 125 are bought
    EXPECT_EQ(m.balls, 159);
    EXPECT_EQ(m.occupant, 1);
    EXPECT_EQ(m.launchPower, kCustomerPower);
    EXPECT_EQ(m.continueBarred + m.customerState + m.feverKind, 0);
    EXPECT_EQ(shops[kDayShop].customerCount, 1);
    deliverHallEvents();
    EXPECT_EQ(nullPostedCount(), 0);

    MachineState& a = seat(0, 2, 900);
    MachineState& b = seat(1, 3, 900);
    a.continueBarred = b.continueBarred = 1;
    customerTurn(kDayShop, 0);
    customerTurn(kDayShop, 1);
    customerTurn(kDayShop, 0);
    EXPECT_EQ(a.customerState, kCustomerBarred);
    EXPECT_EQ(b.customerState, kCustomerBarred); // told when P2's slot is chosen
    EXPECT_EQ(a.occupant + a.balls, 2 + 900);     // the shell stands the player up
    expectPosted(kCmdForcedStop, kCustomerBarred);
}

TEST_F(Customers, AtClosingAnIdleCustomerLeavesAndAPlayerIsTold)
{
    shops[kDayShop].openState = kShopClosed;
    MachineState& m = seat(5, 1, 3000);
    seat(6, 1, 3000);
    m.ballSlot[0].state = 3; // lands in the empty tray
    customerTurn(kDayShop, 5);
    EXPECT_EQ(m.occupant, 0);
    EXPECT_EQ(m.ballSlot[0].state, 3);
    EXPECT_EQ(shops[kDayShop].customerCount, 1);
    EXPECT_EQ(hallDirty, 1);

    MachineState& a = seat(13, 2, 700);
    a.mode = 3;
    customerTurn(kDayShop, 13);
    EXPECT_EQ(a.continueBarred, 0); // the fever goes on
    a.mode = 1;
    customerTurn(kDayShop, 13);
    customerTurn(kDayShop, 13);
    EXPECT_EQ(a.customerState, kCustomerClosing);
    EXPECT_EQ(a.occupant, 2);
    expectPosted(kCmdForcedStop, kCustomerClosing);
    MachineState& b = seat(14, 4, 700); // P3 is told on switching there
    customerTurn(kDayShop, 14);
    EXPECT_EQ(b.customerState, kCustomerClosing);
    deliverHallEvents();
    EXPECT_EQ(nullPostedCount(), 1);

    // a player out of balls is told as well: left seated, buying balls at a
    // closed shop would only lose money on the exchange
    resetMachine(kDayShop, 13, kResetVacate);
    MachineState& c = seat(13, 2, 0);
    c.customerState = kCustomerOutOfBalls;
    nullClearPosted();
    customerTurn(kDayShop, 13);
    customerTurn(kDayShop, 13);
    EXPECT_EQ(c.customerState, kCustomerClosing);
    expectPosted(kCmdForcedStop, kCustomerClosing);
    // and stays told until the shell stands the player up: no flip back to
    // "out of balls", no post on every pass
    nullClearPosted();
    for (int i = 0; i < 5; i++)
        customerTurn(kDayShop, 13);
    EXPECT_EQ(c.customerState, kCustomerClosing);
    deliverHallEvents();
    EXPECT_EQ(nullPostedCount(), 0);
}

TEST_F(Customers, AtClosingAFeverIsPlayedOutBeforeTheCustomerLeaves)
{
    MachineState& m = seat(11, 1, 400);
    m.mode = 3;
    m.round = 17; // the ending: 256 steps
    m.modeTick = 2;
    m.feverKind = 2;
    m.launchPower = 0; // nothing launched: no held starts to wait for
    shops[kDayShop].openState = kShopClosed;
    int passes = 0;
    while (m.occupant != 0 && passes < 2000) {
        advanceAnimClock();
        advanceAnimClock();
        hallStep();
        passes++;
    }
    EXPECT_EQ(m.occupant, 0);
    EXPECT_EQ(m.mode, 1);
    EXPECT_GE(passes, 254);
    EXPECT_EQ(shops[kDayShop].customerCount, 0);
}
