// The null platform's window layer: records what the commands asked for and
// answers the boxes and dialogs as the test scripted.
#include <string>

#include "hallcore/players/money.h"
#include "hallcore/players/registry.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/sys/sys_shell.h"
#include "null/sys_null.h"

namespace {
std::string shellLog;
bool boxAnswer = true;
int selectionChoice = -1;  // record index the selection dialog picks, -1 cancels
int purchaseChoice = -1;   // purchase dialog button, -1 cancels
bool destroyed;
int retriesLeft; // Retry answers to a failed save before Cancel

void note(const std::string& s)
{
    shellLog += s;
    shellLog += ';';
}
} // namespace

void (*nullShellModalHook)() = nullptr;

void nullShellOnModal()
{
    if (nullShellModalHook)
        nullShellModalHook();
}

void nullShellReset()
{
    shellLog.clear();
    boxAnswer = true;
    selectionChoice = -1;
    purchaseChoice = -1;
    destroyed = false;
    retriesLeft = 0;
    nullShellModalHook = nullptr;
}

std::string nullShellLog()
{
    return shellLog;
}

void nullShellClearLog()
{
    shellLog.clear();
}

void nullShellAnswerBoxes(bool ok)
{
    boxAnswer = ok;
}

void nullShellSelect(int recordIndex)
{
    selectionChoice = recordIndex;
}

void nullShellPurchase(int choice)
{
    purchaseChoice = choice;
}

bool nullShellDestroyed()
{
    return destroyed;
}

void sysShowSceneWindow(int window, bool show)
{
    note((show ? "show " : "hide ") + std::to_string(window));
}

void sysBuildMenuBar() { note("menu"); }
void sysShowPanelControls() { note("panel"); }
void sysInvalidatePanelStatus() {}
void sysInvalidateShopSign() {}

bool sysMessageBox(int textId, int)
{
    note("box " + std::to_string(textId));
    nullShellOnModal();
    return boxAnswer;
}

bool sysMessageBoxName(int textId, int, const char* name)
{
    note("box " + std::to_string(textId) + " " + name);
    nullShellOnModal();
    return boxAnswer;
}

void nullShellRetrySaves(int times)
{
    retriesLeft = times;
}

void sysTellDataFile(int textId, const char* fileName)
{
    note("box " + std::to_string(textId) + " " + fileName);
    nullShellOnModal();
}

bool sysAskRetrySave()
{
    note("retry save");
    nullShellOnModal();
    return retriesLeft-- > 0;
}

void sysMessageCashOut(const char* name, const CashOut& paid)
{
    note("box 18 " + std::string(name) + " " + std::to_string(paid.balls) + " " + std::to_string(paid.yen) + " "
         + std::to_string(paid.rest));
    nullShellOnModal();
}

void sysShowNotice(int textId, int machineNumber)
{
    note("notice " + std::to_string(textId) + " " + std::to_string(machineNumber));
}

bool sysRunSelectionDialog()
{
    note("select");
    nullShellOnModal();
    if (selectionChoice < 0 || !playerIsFree(selectionChoice))
        return false;
    startVisit(selectionChoice, activePlayerSlot());
    return true;
}

bool sysRunPurchaseDialog()
{
    note("purchase");
    nullShellOnModal();
    return purchaseChoice >= 0 && buyBalls(activeSlot, purchaseChoice) == 0;
}

void sysRunPlayerListDialog() { note("players"); }
void sysRunHighScoreDialog() { note("scores"); }
void sysRunVersionDialog() { note("version"); }
void sysOpenHelp() { note("help"); }
void sysDestroyMainWindow()
{
    destroyed = true;
    note("destroy");
}

// The null platform shows nothing; it counts what would have been shown.
#include "hallcore/sys/sys_present.h"

int nullPresentCount[5];

void sysPresent(int window, int, int, int, int, const Picture&, int, int)
{
    if (window >= 0 && window < 5)
        nullPresentCount[window]++;
}

void sysRealisePalette(int) {}
