// The commands: scenes, refusals, events and the close query, on the null
// window layer (its log says what was shown, boxes answer as scripted).
#include "hall_fixture.h"
#include "hallcore/players/money.h"
#include "hallcore/players/registry.h"
#include "hallcore/shell/command_ids.h"
#include "hallcore/shell/commands.h"
#include "hallcore/gfx/handle_screen.h"
#include "hallcore/hall/launch_handle.h"
#include "hallcore/gfx/sound.h"
#include "hallcore/shell/options.h"
#include "hallcore/shell/panel_controls.h"

namespace {

class CommandTest : public HallTest {
protected:
    void SetUp() override
    {
        HallTest::SetUp();
        nullShellReset();
        modalDepth = 0;
        announceOn = 1;
        registerPlayer("Aki");
        registerPlayer("Ben");
        // an empty hall: the tests seat the players where they like
        for (int shop = 0; shop < kShopCount; shop++) {
            for (int i = 0; i < kMachinesPerShop; i++)
                resetMachine(shop, i, kResetClear);
            recountCustomers(shop);
        }
        nullClearPosted();
    }

    static void enterAs(int record)
    {
        nullShellSelect(record);
        dispatchCommand(kCmdEnterShop, 0);
        ASSERT_EQ(activePlayerSlot().scene, kSceneHall);
    }

    static void sitAt(int machine)
    {
        PlayerSlot& s = activePlayerSlot();
        while (s.cursor != machine)
            dispatchCommand(kCmdNextMachine, 0);
        dispatchCommand(kCmdTakeMachine, 0);
        ASSERT_EQ(s.scene, kScenePlaying);
    }

    static bool posted(int command, int32_t lParam)
    {
        for (int i = 0; i < nullPostedCount(); i++)
            if (nullPosted(i).command == command && nullPosted(i).lParam == lParam)
                return true;
        return false;
    }
};

} // namespace

TEST_F(CommandTest, EnteringNeedsAFreePlayerAndAnOpenShop)
{
    std::memset(players, 0, sizeof players);
    dispatchCommand(kCmdEnterShop, 0);
    EXPECT_EQ(nullShellLog(), "box 9;");
    registerPlayer("Aki");
    registerPlayer("Ben");
    nullShellClearLog();
    dispatchCommand(kCmdNightShop, 0); // noon: the night shop is closed
    EXPECT_EQ(activePlayerSlot().shop, kNightShop);
    EXPECT_EQ(activePlayerSlot().machine, &shops[kNightShop].spareMachine);
    nullShellClearLog();
    dispatchCommand(kCmdEnterShop, 0);
    EXPECT_EQ(nullShellLog(), "box 11;");
    dispatchCommand(kCmdDayShop, 0);
    nullShellClearLog();
    nullShellSelect(-1); // cancelled
    dispatchCommand(kCmdEnterShop, 0);
    EXPECT_EQ(nullShellLog(), "select;");
    EXPECT_EQ(activePlayerSlot().scene, kSceneStreet);
    nullShellSelect(0);
    dispatchCommand(kCmdEnterShop, 0);
    EXPECT_EQ(activePlayerSlot().scene, kSceneHall);
    EXPECT_EQ(activePlayerSlot().cursor, 0);
    EXPECT_STREQ(activePlayerSlot().name, "Aki");
    // Aki is in the hall: with one free player left, P2 can still enter
    dispatchCommand(kCmdSlotP1 + 1, 0);
    nullShellClearLog();
    nullShellSelect(1);
    dispatchCommand(kCmdEnterShop, 0);
    EXPECT_STREQ(activePlayerSlot().name, "Ben");
    dispatchCommand(kCmdSlotP1 + 2, 0);
    nullShellClearLog();
    dispatchCommand(kCmdEnterShop, 0);
    EXPECT_EQ(nullShellLog(), "box 9;"); // everybody is in the hall
}

TEST_F(CommandTest, AVisitFromTheStreetToTheMachineAndBack)
{
    enterAs(0);
    PlayerSlot& s = activePlayerSlot();
    dispatchCommand(kCmdPrevMachine, 0);
    EXPECT_EQ(s.cursor, 15);
    EXPECT_EQ(hallScroll, 192);
    dispatchCommand(kCmdNextMachine, 0);
    EXPECT_EQ(s.cursor, 0);
    EXPECT_EQ(hallScroll, -192);

    shops[kDayShop].machines[2].occupant = 1;
    dispatchCommand(kCmdNextMachine, 0);
    dispatchCommand(kCmdNextMachine, 0);
    nullShellClearLog();
    dispatchCommand(kCmdTakeMachine, 0);
    EXPECT_EQ(s.scene, kSceneHall);
    EXPECT_NE(nullShellLog().find("box 12"), std::string::npos);
    shops[kDayShop].machines[2].occupant = 0;
    nullShellClearLog();
    dispatchCommand(kCmdTakeMachine, 0);
    EXPECT_EQ(s.scene, kScenePlaying);
    EXPECT_EQ(s.seat, 2);
    MachineState& m = shops[kDayShop].machines[2];
    EXPECT_EQ(s.machine, &m);
    EXPECT_EQ(m.occupant, 2);
    EXPECT_EQ(m.customerState, 2); // no balls yet
    EXPECT_EQ(shops[kDayShop].customerCount, recountCustomers(kDayShop));
    EXPECT_EQ(hallDirty, 1);
    EXPECT_EQ(nullShellLog(), "hide 1;show 2;menu;panel;");

    nullShellPurchase(1);
    dispatchCommand(kCmdExchange, 0);
    EXPECT_EQ(m.balls, 125);
    EXPECT_EQ(players[0].money, 9500);

    dispatchCommand(kCmdToHall, 0);
    EXPECT_EQ(s.scene, kSceneHallKeeping);
    EXPECT_EQ(s.cursor, 2);
    EXPECT_EQ(m.launchPower, 0);
    dispatchCommand(kCmdTakeMachine, 0); // not offered while keeping one
    EXPECT_EQ(s.scene, kSceneHallKeeping);
    dispatchCommand(kCmdReturnToMachine, 0);
    EXPECT_EQ(s.scene, kScenePlaying);

    m.balls = 159;
    nullShellAnswerBoxes(false);
    nullShellClearLog();
    dispatchCommand(kCmdStopPlaying, 0);
    EXPECT_EQ(nullShellLog(), "box 17 Aki;");
    EXPECT_EQ(s.scene, kScenePlaying);
    nullShellAnswerBoxes(true);
    nullShellClearLog();
    dispatchCommand(kCmdStopPlaying, 0);
    EXPECT_EQ(s.scene, kSceneHall);
    EXPECT_EQ(s.cursor, 2);
    EXPECT_EQ(s.seat, kSpareMachine);
    EXPECT_EQ(m.occupant, 0);
    EXPECT_EQ(m.balls, 0);
    EXPECT_EQ(players[0].money, 9700);
    EXPECT_EQ(players[0].leftoverBalls, 79);
    EXPECT_NE(nullShellLog().find("box 18 Aki 159 200 79"), std::string::npos);

    nullShellClearLog();
    dispatchCommand(kCmdLeaveShop, 0);
    EXPECT_EQ(s.scene, kSceneStreet);
    EXPECT_EQ(s.name[0], 0);
    EXPECT_EQ(players[0].losses, 1); // -500 + 200
    EXPECT_EQ(nullShellLog(), "box 19 Aki;hide 1;show 0;menu;panel;");
}

TEST_F(CommandTest, SlotSwitchDeliversWhatTheMachineWaitsToTell)
{
    enterAs(0);
    sitAt(4);
    dispatchCommand(kCmdSlotP1 + 1, 0);
    EXPECT_EQ(activeSlot, 1);
    EXPECT_EQ(activePlayerSlot().scene, kSceneStreet);
    shops[kDayShop].machines[4].customerState = 2; // ran out while P1 was away
    nullClearPosted();
    nullShellClearLog();
    dispatchCommand(kCmdSlotP1 + 1, 0); // already active: nothing
    EXPECT_EQ(nullShellLog(), "");
    dispatchCommand(kCmdSlotP1, 0);
    EXPECT_TRUE(posted(kCmdNotice, 15));
    dispatchCommand(kCmdNotice, 15);
    EXPECT_NE(nullShellLog().find("notice 15"), std::string::npos);

    // a notice that no longer applies is dropped
    shops[kDayShop].machines[4].customerState = 0;
    nullShellClearLog();
    dispatchCommand(kCmdNotice, 15);
    EXPECT_EQ(nullShellLog(), "");

    // fever announcements follow the Announce option
    announceOn = 0;
    dispatchCommand(kCmdNotice, (7 << 16) | 14);
    EXPECT_EQ(nullShellLog(), "");
    dispatchCommand(kCmdAnnounce, 0);
    dispatchCommand(kCmdNotice, (7 << 16) | 14);
    EXPECT_NE(nullShellLog().find("notice 14 10"), std::string::npos); // machine index 7 is number 10
}

TEST_F(CommandTest, ForcedStopsActOnlyWhileTheyStillApply)
{
    enterAs(0);
    sitAt(5);
    MachineState& m = shops[kDayShop].machines[5];
    m.balls = 80;
    dispatchCommand(kCmdForcedStop, 4); // stale: the machine says nothing
    EXPECT_EQ(activePlayerSlot().scene, kScenePlaying);

    dispatchCommand(kCmdToHall, 0);
    m.customerState = 4;
    nullShellClearLog();
    dispatchCommand(kCmdForcedStop, 4);
    EXPECT_EQ(activePlayerSlot().scene, kSceneHall);
    EXPECT_EQ(m.occupant, 0);
    EXPECT_NE(nullShellLog().find("box 16"), std::string::npos);
    EXPECT_NE(nullShellLog().find("box 18 Aki 80 200 0"), std::string::npos);
    // delivered twice (once more after the box): the second finds nothing to do
    dispatchCommand(kCmdForcedStop, 4);
    EXPECT_EQ(activePlayerSlot().scene, kSceneHall);
    EXPECT_EQ(players[0].money, 10200);
}

namespace {
void standUpDuringTheBox()
{
    shops[kDayShop].machines[6].customerState = 4;
    dispatchCommand(kCmdForcedStop, 4); // what the box's message loop dispatches
}
} // namespace

TEST_F(CommandTest, EventsWaitWhileABoxIsOpen)
{
    enterAs(0);
    sitAt(6);
    nullShellPurchase(0);
    nullShellModalHook = standUpDuringTheBox;
    nullClearPosted();
    dispatchCommand(kCmdExchange, 0);
    nullShellModalHook = nullptr;
    // the purchase went to the machine the player still sat at; the stand-up
    // waited and was posted again once the dialog was gone
    EXPECT_EQ(shops[kDayShop].machines[6].balls, 25);
    EXPECT_EQ(activePlayerSlot().scene, kScenePlaying);
    EXPECT_TRUE(posted(kCmdForcedStop, 4));
    dispatchCommand(kCmdForcedStop, 4);
    EXPECT_EQ(activePlayerSlot().scene, kSceneHall);
    EXPECT_EQ(players[0].leftoverBalls, 25);
}

TEST_F(CommandTest, CloseQueryWalksEveryoneOutInSlotOrder)
{
    enterAs(0);
    sitAt(1); // P1 plays
    dispatchCommand(kCmdSlotP1 + 2, 0);
    enterAs(1);
    sitAt(8);
    dispatchCommand(kCmdToHall, 0); // P3 keeps a machine
    dispatchCommand(kCmdSlotP1 + 1, 0); // P2 stays in the street

    // Cancel at P3's question: P1 is already out, P3 still plays
    nullShellModalHook = [] {
        if (nullShellLog().find("box 17 Ben") != std::string::npos)
            nullShellAnswerBoxes(false);
    };
    nullShellClearLog();
    EXPECT_FALSE(closeQuery());
    nullShellModalHook = nullptr;
    nullShellAnswerBoxes(true);
    EXPECT_EQ(playerSlots[0].scene, kSceneStreet);
    EXPECT_EQ(playerSlots[0].name[0], 0);
    EXPECT_EQ(playerSlots[2].scene, kScenePlaying);
    std::string log = nullShellLog();
    EXPECT_LT(log.find("box 17 Aki"), log.find("box 19 Aki"));
    EXPECT_LT(log.find("box 19 Aki"), log.find("box 17 Ben"));

    EXPECT_TRUE(closeQuery());
    EXPECT_EQ(playerSlots[2].scene, kSceneStreet);
    EXPECT_EQ(slotsWithPlayerCount(), 0);
    EXPECT_EQ(shops[kDayShop].machines[8].occupant, 0);

    dispatchCommand(kCmdExit, 0);
    EXPECT_TRUE(nullShellDestroyed());
}

// Re-entry while a box is open: the session's end asks the close query from
// inside the farewell box; a command queued before the selection dialog
// opened arrives inside it. Neither may act: the visit is closed once, and
// the chosen player goes to the slot that asked.
TEST_F(CommandTest, NothingActsFromInsideABox)
{
    enterAs(0);
    players[0].history[0].amount = 500; // a winning visit
    nullShellModalHook = [] { EXPECT_FALSE(closeQuery()); };
    dispatchCommand(kCmdLeaveShop, 0);
    nullShellModalHook = nullptr;
    EXPECT_EQ(players[0].wins, 1);
    EXPECT_EQ(shops[kDayShop].highScores[0].amount, 500);
    EXPECT_EQ(shops[kDayShop].highScores[1].amount, 0);
    EXPECT_EQ(activePlayerSlot().scene, kSceneStreet);

    nullShellSelect(1);
    nullShellModalHook = [] { dispatchCommand(kCmdSlotP1 + 1, 0); };
    dispatchCommand(kCmdEnterShop, 0);
    nullShellModalHook = nullptr;
    EXPECT_EQ(activeSlot, 0);
    EXPECT_STREQ(playerSlots[0].name, "Ben");
    EXPECT_EQ(playerSlots[0].scene, kSceneHall);
    EXPECT_EQ(playerSlots[1].name[0], 0);
}

// A fever announcement that comes while a dialog is open is shown after it.
TEST_F(CommandTest, AFeverAnnouncedDuringADialogIsShownAfterIt)
{
    enterAs(0);
    sitAt(2);
    nullShellPurchase(0);
    nullShellModalHook = [] { dispatchCommand(kCmdNotice, 9 * 65536 + 14); };
    nullClearPosted();
    dispatchCommand(kCmdExchange, 0);
    nullShellModalHook = nullptr;
    EXPECT_TRUE(posted(kCmdNotice, 9 * 65536 + 14));
}

// Leaving the machine for the hall lets go of a handle still being raised
// (its key-up may have gone to the menu), so nothing fires meanwhile.
TEST_F(CommandTest, TheHandleIsLetGoInTheHall)
{
    enterAs(0);
    sitAt(3);
    MachineState& m = shops[kDayShop].machines[3];
    m.handleState = kHandleRaising;
    dispatchCommand(kCmdToHall, 0);
    for (int i = 0; i < 40; i++)
        onTick();
    EXPECT_EQ(m.launchPower, 0);
}

// A slide of the hall view cut short by a slot switch or a scene change
// stops there: the next view is painted whole, not slid into from a picture
// drawn for another slot or scene.
TEST_F(CommandTest, ASlideCutShortStops)
{
    enterAs(0);
    dispatchCommand(kCmdNextMachine, 0);
    ASSERT_NE(hallScroll, 0);
    dispatchCommand(kCmdSlotP1 + 1, 0);
    EXPECT_EQ(hallScroll, 0);
    dispatchCommand(kCmdSlotP1, 0);
    dispatchCommand(kCmdNextMachine, 0);
    dispatchCommand(kCmdTakeMachine, 0);
    ASSERT_EQ(activePlayerSlot().scene, kScenePlaying);
    dispatchCommand(kCmdToHall, 0);
    EXPECT_EQ(hallScroll, 0);
}

// Once the shutdown began (its save question may run a message loop), a
// command still queued does nothing.
TEST_F(CommandTest, NothingActsOnceTheShutdownBegan)
{
    shutdownBegun = 1;
    nullShellSelect(0);
    dispatchCommand(kCmdEnterShop, 0);
    EXPECT_EQ(activePlayerSlot().scene, kSceneStreet);
    EXPECT_EQ(nullShellLog(), "");
    shutdownBegun = 0;
}

// The panel's controls follow the scene, and the play scene's strip picks
// between the buttons and the handle.
TEST_F(CommandTest, PanelControlsFollowTheSceneAndTheStrip)
{
    auto shown = [] {
        std::string ids;
        for (int id = kFirstPanelControl; id <= kLastPanelControl; id++)
            if (panelControlShown(id, activePlayerSlot()))
                ids += std::to_string(id) + " ";
        return ids;
    };
    EXPECT_EQ(shown(), "5 7 8 9 ");
    enterAs(0);
    EXPECT_EQ(shown(), "8 10 11 12 14 ");
    sitAt(2);
    EXPECT_EQ(shown(), "6 8 15 16 17 ");
    EXPECT_TRUE(choosePlayView(1));
    EXPECT_FALSE(choosePlayView(1));
    EXPECT_EQ(shown(), "6 18 ");
    dispatchCommand(kCmdToHall, 0);
    EXPECT_EQ(shown(), "8 10 11 13 ");
}
