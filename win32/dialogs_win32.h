// The program's dialogs, run from the commands (owner: the main window).
#pragma once
#include "win32/win32_app.h"

// 401 player list (with 402 registration and 403 information inside it).
void runPlayerListDialog(HWND owner);

// 404 player selection, for the active slot: true when a player was chosen
// (the slot then holds the player and a new visit has begun).
bool runPlayerSelectionDialog(HWND owner);

// 406 ball purchase for the active slot's machine: true when balls were bought.
bool runPurchaseDialog(HWND owner);

// 405 the active slot's shop's best five; 407 the version.
void runHighScoreDialog(HWND owner);
void runVersionDialog(HWND owner);

// 400 the notice window: created modeless at start-up, filled by command
// 1501 (lParam: the text, UTF-16), hidden again by the pacing command 1502.
HWND createNoticeWindow(HWND owner);

// Shift-JIS (the data files) to UTF-16 (the screen) and back; the second
// fails when the text holds a character Shift-JIS cannot write.
void sjisToWide(const char* sjis, wchar_t* out, int capacity);
bool wideToSjis(const wchar_t* text, char* out, int capacity);
