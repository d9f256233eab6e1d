// The registry, the money rules and the number texts.
#include "hall_fixture.h"
#include "hallcore/players/money.h"
#include "hallcore/players/number_format.h"
#include "hallcore/players/registry.h"
#include "hallcore/players/sjis_text.h"

namespace {

// Seats the player of record `index` in slot s at machine 3 of the day shop.
void seat(int s, int index)
{
    PlayerSlot& slot = playerSlots[s];
    startVisit(index, slot);
    slot.scene = kScenePlaying;
    slot.seat = 3;
    slot.machine = &shops[kDayShop].machines[3];
    slot.machine->occupant = s + 2;
    sitDown(s);
}

std::string grouped(int64_t v)
{
    char out[kGroupedBytes];
    int n = formatGrouped(v, out);
    return std::string(out) + "|" + std::to_string(n);
}

} // namespace

TEST_F(HallTest, RegisteringRefusesEmptyAndDuplicateNames)
{
    EXPECT_EQ(registerPlayer(""), -STR_NAME_EMPTY);
    EXPECT_EQ(registerPlayer("Taro"), 1);
    EXPECT_EQ(registerPlayer("Taro"), -STR_NAME_EXISTS);
    EXPECT_EQ(registerPlayer("taro"), 2); // names are case-sensitive
    const PlayerRecord& p = players[0];
    EXPECT_EQ(p.inUse, 1);
    EXPECT_EQ(p.money, 10000);
    EXPECT_EQ(winRatePercent(p), 100);
    EXPECT_EQ(p.history[0].dateText[0], 0);
    for (int i = 3; i <= 8; i++)
        EXPECT_EQ(registerPlayer(std::string(1, (char)('A' + i)).c_str()), i);
    EXPECT_EQ(registeredPlayerCount(), 8);
    EXPECT_EQ(registerPlayer("Nine"), 0); // no free block
}

TEST(ShiftJis, NamesAreCutBetweenCharacters)
{
    char out[kNameBytes];
    // ten two-byte characters and one more: 22 bytes, cut to 20, not 21
    std::string name;
    for (int i = 0; i < 11; i++)
        name += "\x82\xA0"; // あ
    EXPECT_EQ(copyShiftJis(out, name.c_str(), kNameMaxBytes), 20u);
    // a one-byte character first: 1 + 20 = 21 fits exactly
    EXPECT_EQ(copyShiftJis(out, ("a" + name).c_str(), kNameMaxBytes), 21u);
    // half-width katakana are one byte each
    EXPECT_EQ(copyShiftJis(out, "\xB1\xB2\xB3", kNameMaxBytes), 3u);
    // a lead byte with no second byte is dropped
    EXPECT_EQ(copyShiftJis(out, "ab\x82", kNameMaxBytes), 2u);
    char field[6] = {'1', '2', '3', '4', '5', '6'};
    terminateField(field, sizeof field);
    EXPECT_STREQ(field, "12345");
}

TEST_F(HallTest, DeletingMovesTheLaterPlayersUp)
{
    for (const char* n : {"A", "B", "C", "D", "E"})
        registerPlayer(n);
    deletePlayer(2);
    EXPECT_STREQ(players[2].name, "D");
    EXPECT_STREQ(players[3].name, "E");
    EXPECT_EQ(players[4].inUse, 0);
    EXPECT_EQ(registeredPlayerCount(), 4);
    PlayerRecord zero{};
    EXPECT_EQ(std::memcmp(&players[7], &zero, sizeof zero), 0);
}

TEST_F(HallTest, ListRowsTellWhoIsInTheHall)
{
    registerPlayer("Aki");
    registerPlayer("Ben");
    char row[64];
    playerListRow(0, row, sizeof row);
    EXPECT_STREQ(row, "    \tAki");
    EXPECT_TRUE(playerIsFree(0));
    startVisit(1, playerSlots[1]); // Ben enters as P2
    playerListRow(1, row, sizeof row);
    EXPECT_STREQ(row, "\x82\x6F\x82\x51\tBen"); // "Ｐ２"
    EXPECT_FALSE(playerIsFree(1));
    EXPECT_EQ(findSlotOfPlayer("Ben"), &playerSlots[1]);
    EXPECT_EQ(findSlotOfPlayer(""), nullptr); // empty slots hold nobody
    EXPECT_EQ(registeredPlayerCount(), 2);
    EXPECT_EQ(slotsWithPlayerCount(), 1);
}

TEST_F(HallTest, EnteringAShopStartsAVisitInTheHistory)
{
    registerPlayer("Aki");
    PlayerRecord& p = players[0];
    p.history[0].amount = 11;
    p.history[1].amount = 22;
    p.history[2].amount = 33;
    p.history[3].amount = 44;
    nullSetLocalTime(makeLocalTime(2026, 3, 7, 12, 1, 0));
    updateShopHours();
    startVisit(0, playerSlots[0]);
    EXPECT_STREQ(p.history[0].dateText, "03/07");
    EXPECT_STREQ(p.history[0].label, MACHINE_HISTORY_LABEL);
    EXPECT_EQ(p.history[0].amount, 0);
    EXPECT_EQ(p.history[1].amount, 11);
    EXPECT_EQ(p.history[3].amount, 33); // the oldest is dropped
    EXPECT_STREQ(playerSlots[0].name, "Aki");
}

TEST_F(HallTest, BuyingBallsAndStandingUp)
{
    registerPlayer("Aki");
    players[0].money = 1000;
    seat(0, 0);
    MachineState& m = shops[kDayShop].machines[3];
    EXPECT_EQ(m.balls, 0);
    EXPECT_EQ(m.customerState, 2); // must buy first
    EXPECT_EQ(buyBalls(0, 2), 0);
    EXPECT_EQ(m.balls, 250);
    EXPECT_EQ(m.customerState, 0);
    EXPECT_EQ(players[0].money, 0);
    EXPECT_EQ(players[0].history[0].amount, -1000);
    EXPECT_EQ(rememberedPurchase, 2);
    EXPECT_EQ(buyBalls(0, 0), STR_NOT_ENOUGH_MONEY);
    EXPECT_EQ(m.balls, 250);
    EXPECT_EQ(players[0].money, 0);

    // 159 balls: 200 yen and 79 kept for the next machine
    playerSlots[0].heldBalls = 159;
    CashOut c;
    ASSERT_TRUE(cashOut(0, &c));
    EXPECT_EQ(c.yen, 200);
    EXPECT_EQ(c.rest, 79);
    EXPECT_EQ(players[0].money, 200);
    EXPECT_EQ(players[0].leftoverBalls, 79);
    EXPECT_EQ(players[0].history[0].amount, -800);
    EXPECT_EQ(playerSlots[0].heldBalls, 0);
    sitDown(0);
    EXPECT_EQ(m.balls, 79);
    EXPECT_EQ(players[0].leftoverBalls, 0);

    // 79 balls pay nothing and are kept; none is no exchange at all
    playerSlots[0].heldBalls = 79;
    ASSERT_TRUE(cashOut(0, &c));
    EXPECT_EQ(c.yen, 0);
    EXPECT_EQ(players[0].leftoverBalls, 79);
    EXPECT_FALSE(cashOut(0, &c));
}

TEST_F(HallTest, LeavingKeepsTheBooks)
{
    registerPlayer("Aki");
    seat(0, 0);
    PlayerRecord& p = players[0];
    // bought 500, cashed 1000: a win of 500, first in an empty table
    p.history[0].amount = 500;
    EXPECT_EQ(closeVisit(0), 500);
    EXPECT_EQ(p.wins, 1);
    EXPECT_EQ(p.losses, 0);
    EXPECT_EQ(shops[kDayShop].highScores[0].amount, 500);
    EXPECT_STREQ(shops[kDayShop].highScores[0].label, "Aki");
    EXPECT_EQ(p.best.amount, 500);
    EXPECT_STREQ(p.best.label, MACHINE_HISTORY_LABEL);

    // a visit of 0 changes nothing
    startVisit(0, playerSlots[0]);
    closeVisit(0);
    EXPECT_EQ(p.wins + p.losses, 1);
    EXPECT_EQ(shops[kDayShop].highScores[1].amount, 0);

    // a loss counts, never enters a table
    startVisit(0, playerSlots[0]);
    p.history[0].amount = -300;
    closeVisit(0);
    EXPECT_EQ(p.losses, 1);
    EXPECT_EQ(winRatePercent(p), 50);
    EXPECT_EQ(p.best.amount, 500);
}

TEST_F(HallTest, ShopsBestFiveInsertStrictly)
{
    registerPlayer("Aki");
    seat(0, 0);
    ResultEntry* table = shops[kDayShop].highScores;
    for (int r : {100, 200, 300, 400, 500, 600}) {
        startVisit(0, playerSlots[0]);
        players[0].history[0].amount = r;
        closeVisit(0);
    }
    const int expected[5] = {600, 500, 400, 300, 200};
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(table[i].amount, expected[i]);
    startVisit(0, playerSlots[0]);
    players[0].history[0].amount = 200; // a tie goes below, off the table
    closeVisit(0);
    EXPECT_EQ(table[4].amount, 200);
    EXPECT_EQ(players[0].wins, 7);
    startVisit(0, playerSlots[0]);
    players[0].history[0].amount = 450;
    closeVisit(0);
    const int after[5] = {600, 500, 450, 400, 300};
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(table[i].amount, after[i]);
}

TEST(WinRate, IntegerPercentWithoutOverflow)
{
    PlayerRecord p{};
    p.wins = 3;
    p.losses = 1;
    EXPECT_EQ(winRatePercent(p), 75);
    p.wins = 1;
    p.losses = 2;
    EXPECT_EQ(winRatePercent(p), 33);
    p.wins = INT32_MAX;
    p.losses = INT32_MAX;
    EXPECT_EQ(winRatePercent(p), 50);
}

TEST(NumberText, GroupedAndAmountForms)
{
    EXPECT_EQ(grouped(123456), "    123,456|7");
    EXPECT_EQ(grouped(1000), "      1,000|5");
    EXPECT_EQ(grouped(0), "          0|1");
    EXPECT_EQ(grouped(999), "        999|3");
    EXPECT_EQ(grouped(999999999), "999,999,999|11");
    // beyond the field: its limit, never past the buffer
    EXPECT_EQ(grouped(1000000000), "999,999,999|11");
    EXPECT_EQ(grouped(INT64_MAX), "999,999,999|11");
    EXPECT_EQ(grouped(-1000), "     -1,000|6");
    EXPECT_EQ(grouped(INT32_MIN), "-99,999,999|11");
    char out[kAmountBytes];
    EXPECT_EQ(formatAmount(1000, out), 5);
    EXPECT_STREQ(out, "1,000");
    EXPECT_EQ(formatAmount(0, out), 1);
    EXPECT_STREQ(out, "0");
    EXPECT_EQ(formatAmount(-4294967295LL, out), 11);
}
