// Platform: what the commands ask of the window layer. Implemented by
// win32/shell_win32.cpp and, for tests, by null/null_shell.cpp.
//
// Every call that opens a modal box or dialog runs its own message loop; the
// commands bracket them (see commands.cpp) so that events posted meanwhile
// wait until the box is gone.
#pragma once
#include <cstdint>

#include "hallcore/players/string_ids.h"

struct CashOut;

// Scene windows: 0 street, 1 hall (scenes 1 and 3), 2 play.
void sysShowSceneWindow(int window, bool show);
void sysBuildMenuBar();       // for the active slot's scene
void sysShowPanelControls();  // for the active slot's scene
void sysInvalidatePanelStatus();
void sysInvalidateShopSign();

enum { kBoxWarning, kBoxInformation, kBoxQuestion };

// A message box with string `textId` (caption: the program title). Returns
// true for OK. The named forms fill the text's %s with a player's name.
bool sysMessageBox(int textId, int box);
bool sysMessageBoxName(int textId, int box, const char* sjisName);
void sysMessageCashOut(const char* sjisName, const CashOut& paid); // message 18

// Data files: a box with string `textId` filled with a file name and the
// data folder; and, when saving failed at shutdown, a Retry/Cancel question
// (string 7 with the folder) that returns true for Retry.
void sysTellDataFile(int textId, const char* fileName);
bool sysAskRetrySave();

// The notice window with string `textId` formatted with a machine number.
void sysShowNotice(int textId, int machineNumber);

// Modal dialogs; see their descriptions in the window layer.
bool sysRunSelectionDialog();  // a player was chosen into the active slot
bool sysRunPurchaseDialog();   // balls were bought
void sysRunPlayerListDialog();
void sysRunHighScoreDialog();
void sysRunVersionDialog();
void sysOpenHelp();

// Ends the program (the close query has agreed).
void sysDestroyMainWindow();
