#include "hallcore/shell/commands.h"

#include "hallcore/gfx/screens.h"
#include "hallcore/gfx/sound.h"
#include "hallcore/hall/hall.h"
#include "hallcore/hall/hall_events.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/players/money.h"
#include "hallcore/players/string_ids.h"
#include "hallcore/players/registry.h"
#include "hallcore/shell/command_ids.h"
#include "hallcore/hall/launch_handle.h"
#include "hallcore/shell/options.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/shell/startup.h"
#include "hallcore/shell/tick.h"
#include "hallcore/sys/sys_events.h"
#include "hallcore/sys/sys_shell.h"

int modalDepth = 0;

// The last fever announcement that came while a box was open: shown when
// the last box closes rather than lost.
static int32_t heldFeverNotice = 0;

namespace {

enum {
    kReasonAsked = kCustomerPlaying, // the player's own stop: a question first
    kReasonNoRight = kCustomerBarred, // the right to continue was lost
    kReasonClosing = kCustomerClosing, // the shop closed
};

// The scene window that shows a scene.
int sceneWindow(int scene)
{
    return scene == kSceneStreet ? 0 : scene == kScenePlaying ? 2 : 1;
}

// Where the active slot stands; a handler that opened a modal box checks it
// is still there before it acts.
struct Place {
    int slot, scene, seat, shop;
};

Place placeNow()
{
    const PlayerSlot& s = activePlayerSlot();
    return {activeSlot, s.scene, s.seat, s.shop};
}

bool stillAt(const Place& p)
{
    Place now = placeNow();
    return now.slot == p.slot && now.scene == p.scene && now.seat == p.seat && now.shop == p.shop;
}

// A modal message box, with the hall's events held back while it is open.
bool askBox(int textId, int box)
{
    beginModal();
    bool ok = sysMessageBox(textId, box);
    endModal();
    return ok;
}

bool askBoxName(int textId, int box, const char* name)
{
    beginModal();
    bool ok = sysMessageBoxName(textId, box, name);
    endModal();
    return ok;
}

// Swaps the scene window and refreshes the menu and the panel for the
// active slot; called inside uiBusy.
void changeScene(int from, int to)
{
    hallScroll = 0; // a slide cut short must not go on in another view
    if (sceneWindow(from) != sceneWindow(to)) {
        sysShowSceneWindow(sceneWindow(from), false);
        sysShowSceneWindow(sceneWindow(to), true);
    }
    sysBuildMenuBar();
    sysShowPanelControls();
}

// Occupancy changed: the shop's count and the hall view follow.
void occupancyChanged(int shop)
{
    recountCustomers(shop);
    hallDirty = 1;
}

void switchSlot(int k)
{
    if (k < 0 || k >= kPlayerSlots || k == activeSlot)
        return;
    uiBusy = 1;
    hallScroll = 0; // the other slot's view is painted whole, not slid into
    sysShowSceneWindow(sceneWindow(activePlayerSlot().scene), false);
    activeSlot = k;
    PlayerSlot& s = activePlayerSlot();
    sysShowSceneWindow(sceneWindow(s.scene), true);
    s.machine->soundRequest = 0;
    s.machine->dirty = 0;
    stopAllSound();
    sysBuildMenuBar();
    sysShowPanelControls();
    sysInvalidatePanelStatus();
    deliverPendingEvents();
    uiBusy = 0;
}

void chooseShop(int shop)
{
    PlayerSlot& s = activePlayerSlot();
    if (s.scene != kSceneStreet || s.shop == shop)
        return;
    uiBusy = 1;
    s.shop = shop;
    s.shopState = &shops[shop];
    s.machine = &shops[shop].spareMachine;
    sysBuildMenuBar();
    sysInvalidateShopSign();
    sysInvalidatePanelStatus();
    uiBusy = 0;
}

void enterShop()
{
    PlayerSlot& s = activePlayerSlot();
    if (s.scene != kSceneStreet)
        return;
    if (registeredPlayerCount() <= slotsWithPlayerCount()) {
        askBox(STR_NO_FREE_PLAYER, kBoxWarning);
        return;
    }
    if (shops[s.shop].openState == kShopClosed) {
        askBox(s.shop == kDayShop ? STR_DAY_SHOP_HOURS : STR_NIGHT_SHOP_HOURS, kBoxWarning);
        return;
    }
    Place before = placeNow();
    beginModal();
    bool chosen = sysRunSelectionDialog();
    endModal();
    if (!chosen || !stillAt(before))
        return;
    uiBusy = 1;
    s.scene = kSceneHall;
    s.cursor = 0;
    sysInvalidatePanelStatus();
    changeScene(kSceneStreet, kSceneHall);
    uiBusy = 0;
}

void moveCursor(int step)
{
    PlayerSlot& s = activePlayerSlot();
    if (s.scene != kSceneHall && s.scene != kSceneHallKeeping)
        return;
    uiBusy = 1;
    s.cursor = (s.cursor + (step < 0 ? 15 : 1)) % 16;
    hallScroll = step < 0 ? 192 : -192;
    sysInvalidatePanelStatus();
    uiBusy = 0;
}

void takeMachine()
{
    PlayerSlot& s = activePlayerSlot();
    if (s.scene != kSceneHall || s.cursor < 0 || s.cursor >= kMachinesPerShop)
        return;
    if (shops[s.shop].openState == kShopClosed) {
        askBox(STR_CLOSING_TIME, kBoxWarning);
        return;
    }
    MachineState& m = shops[s.shop].machines[s.cursor];
    if (m.occupant != kVacant) {
        askBox(STR_MACHINE_TAKEN, kBoxWarning);
        return;
    }
    uiBusy = 1;
    s.scene = kScenePlaying;
    s.seat = s.cursor;
    s.cursor = kSpareMachine;
    s.machine = &m;
    m.occupant = s.index + 2;
    m.soundRequest = 0;
    m.dirty = 0;
    sitDown(activeSlot);
    occupancyChanged(s.shop);
    sysInvalidatePanelStatus();
    changeScene(kSceneHall, kScenePlaying);
    uiBusy = 0;
}

void returnToMachine()
{
    PlayerSlot& s = activePlayerSlot();
    if (s.scene != kSceneHallKeeping)
        return;
    uiBusy = 1;
    s.scene = kScenePlaying;
    s.cursor = kSpareMachine;
    s.machine->soundRequest = 0;
    s.machine->dirty = 0;
    sysInvalidatePanelStatus();
    changeScene(kSceneHallKeeping, kScenePlaying);
    uiBusy = 0;
}

void goToHallKeeping()
{
    PlayerSlot& s = activePlayerSlot();
    if (s.scene != kScenePlaying)
        return;
    uiBusy = 1;
    s.scene = kSceneHallKeeping;
    s.cursor = s.seat;
    s.machine->launchPower = 0; // the handle lets go while the player is away
    letGoOfHandle(*s.machine); // a key-up lost to the menu must not raise it meanwhile
    changeScene(kScenePlaying, kSceneHallKeeping);
    stopAllSound();
    uiBusy = 0;
}

// The player stands up: asked (reason 0) or told (3: no right to continue,
// 4: closing time). Returns false when the player cancelled.
bool stopPlaying(int reason)
{
    PlayerSlot& s = activePlayerSlot();
    if (s.scene != kScenePlaying)
        return false;
    Place before = placeNow();
    if (reason == kReasonAsked) {
        if (!askBoxName(STR_STOP_QUESTION, kBoxQuestion, s.name))
            return false;
    } else {
        askBox(reason == kReasonNoRight ? STR_NO_RIGHT_TO_CONTINUE : STR_CLOSING_TIME, kBoxInformation);
    }
    if (!stillAt(before))
        return false; // stood up meanwhile: nothing more to do

    uiBusy = 1;
    s.scene = kSceneHall;
    s.heldBalls = s.machine->balls;
    resetMachine(s.shop, s.seat, kResetVacate);
    occupancyChanged(s.shop);
    s.cursor = s.seat;
    s.seat = kSpareMachine;
    s.machine = &shops[s.shop].spareMachine;
    changeScene(kScenePlaying, kSceneHall);
    stopAllSound();
    uiBusy = 0;

    CashOut paid;
    if (cashOut(activeSlot, &paid)) {
        beginModal();
        sysMessageCashOut(s.name, paid);
        endModal();
    }
    return true;
}

void forcedStop(int reason)
{
    PlayerSlot& s = activePlayerSlot();
    // the event may be stale: act only while the machine still says so
    if ((s.scene != kScenePlaying && s.scene != kSceneHallKeeping) || s.machine->customerState != reason)
        return;
    if (reason != kReasonNoRight && reason != kReasonClosing)
        return;
    if (s.scene == kSceneHallKeeping)
        returnToMachine();
    stopPlaying(reason);
}

void leaveShop()
{
    PlayerSlot& s = activePlayerSlot();
    if (s.scene != kSceneHall)
        return;
    closeVisit(activeSlot);
    askBoxName(STR_FAREWELL, kBoxInformation, s.name);
    uiBusy = 1;
    s.scene = kSceneStreet;
    s.cursor = kSpareMachine;
    s.name[0] = 0;
    sysInvalidatePanelStatus();
    changeScene(kSceneHall, kSceneStreet);
    uiBusy = 0;
}

void notice(int32_t lParam)
{
    int textId = lParam & 0xFFFF;
    int machine = (lParam >> 16) & 0xFFFF;
    if (textId == STR_FEVER_START && !announceOn)
        return;
    if (textId == STR_NO_BALLS && activePlayerSlot().machine->customerState != kCustomerOutOfBalls)
        return; // bought balls meanwhile, or another player's notice
    if (textId != STR_FEVER_START && textId != STR_NO_BALLS)
        return;
    uiBusy = 1;
    sysShowNotice(textId, machineNumber(machine & 15));
    uiBusy = 0;
}

void runDialog(void (*dialog)())
{
    beginModal();
    dialog();
    endModal();
}

void exchange()
{
    if (activePlayerSlot().scene != kScenePlaying)
        return;
    beginModal();
    sysRunPurchaseDialog();
    endModal();
}

} // namespace

void beginModal()
{
    modalDepth++;
}

void endModal()
{
    if (modalDepth > 0)
        modalDepth--;
    if (modalDepth == 0) {
        deliverPendingEvents(); // what was held back while the box was open
        if (heldFeverNotice) {
            sysPostCommand(kCmdNotice, heldFeverNotice);
            heldFeverNotice = 0;
        }
    }
}

void deliverHallEvents()
{
    HallEvent e;
    while (takeHallEvent(&e)) {
        switch (e.kind) {
        case kHallEventFeverStarted:
            sysPostCommand(kCmdNotice, e.machine * 65536 + STR_FEVER_START);
            break;
        case kHallEventOutOfBalls:
            sysPostCommand(kCmdNotice, e.machine * 65536 + STR_NO_BALLS);
            break;
        case kHallEventStandUp:
            sysPostCommand(kCmdForcedStop, e.reason);
            break;
        default:
            break;
        }
    }
}

void deliverPendingEvents()
{
    const PlayerSlot& s = activePlayerSlot();
    if (s.scene != kScenePlaying && s.scene != kSceneHallKeeping)
        return;
    int state = s.machine->customerState;
    if (state == kCustomerOutOfBalls)
        sysPostCommand(kCmdNotice, STR_NO_BALLS);
    else if (state != 0)
        sysPostCommand(kCmdForcedStop, state);
}

bool closeQuery()
{
    // asked again from inside one of its own boxes or any other (the session
    // ending meanwhile): no, or a player would be walked out twice
    if (modalDepth > 0)
        return false;
    for (int i = 0; i < kPlayerSlots; i++) {
        if (!playerSlots[i].name[0])
            continue;
        switchSlot(i);
        PlayerSlot& s = activePlayerSlot();
        if (s.scene == kSceneHallKeeping)
            returnToMachine();
        if (s.scene == kScenePlaying && !stopPlaying(kReasonAsked))
            return false;
        if (s.scene == kSceneHall)
            leaveShop();
    }
    return true;
}

void dispatchCommand(int id, int32_t lParam)
{
    // While a modal box or dialog is open nothing else acts: the hall's
    // events are asked for again when it closes (a fever announcement is
    // kept), and a command that was queued before it opened would act on a
    // slot the box is still deciding about.
    if (modalDepth > 0) {
        if (id == kCmdNotice && (lParam & 0xFFFF) == STR_FEVER_START)
            heldFeverNotice = lParam;
        return;
    }
    if (shutdownBegun)
        return; // e.g. queued behind the save question at the close
    switch (id) {
    case kCmdHelpKey:
    case kCmdHelp:
        beginModal(); // it may tell that there is no help in a box
        sysOpenHelp();
        endModal();
        break;
    case kCmdNotice:
        notice(lParam);
        break;
    case kCmdForcedStop:
        forcedStop(lParam & 0xFFFF);
        break;
    case kCmdInstallMenu: // the end of start-up: the window shows
        sysBuildMenuBar();
        beginModal();
        reportDataFiles();
        endModal();
        break;
    case kCmdSlotP1:
    case kCmdSlotP1 + 1:
    case kCmdSlotP1 + 2:
    case kCmdSlotP1 + 3:
        switchSlot(id - kCmdSlotP1);
        break;
    case kCmdDayShop:
        chooseShop(kDayShop);
        break;
    case kCmdNightShop:
        chooseShop(kNightShop);
        break;
    case kCmdEnterShop:
        enterShop();
        break;
    case kCmdPlayers:
        runDialog(sysRunPlayerListDialog);
        break;
    case kCmdExit:
        if (closeQuery())
            sysDestroyMainWindow();
        break;
    case kCmdPrevMachine:
        moveCursor(-1);
        break;
    case kCmdNextMachine:
        moveCursor(+1);
        break;
    case kCmdTakeMachine:
        takeMachine();
        break;
    case kCmdReturnToMachine:
        returnToMachine();
        break;
    case kCmdLeaveShop:
        leaveShop();
        break;
    case kCmdExchange:
        exchange();
        break;
    case kCmdToHall:
        goToHallKeeping();
        break;
    case kCmdStopPlaying:
        stopPlaying(kReasonAsked);
        break;
    case kCmdSound:
        uiBusy = 1;
        soundOn = soundAvailable ? !soundOn : 0;
        sysBuildMenuBar();
        stopAllSound();
        uiBusy = 0;
        break;
    case kCmdAnnounce:
        uiBusy = 1;
        announceOn = !announceOn;
        sysBuildMenuBar();
        uiBusy = 0;
        break;
    case kCmdHighScores:
        runDialog(sysRunHighScoreDialog);
        break;
    case kCmdVersion:
        runDialog(sysRunVersionDialog);
        break;
    default:
        break;
    }
}
