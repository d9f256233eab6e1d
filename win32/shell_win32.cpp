// The window side of the commands: scene windows, menus, panel controls,
// message boxes, the notice window, the dialogs and help.
#include <cstdio>

#include "hallcore/gfx/sound.h"
#include "hallcore/hall/shops.h"
#include "hallcore/players/money.h"
#include "hallcore/players/number_format.h"
#include "hallcore/shell/command_ids.h"
#include "hallcore/shell/options.h"
#include "hallcore/shell/panel_controls.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/sys/sys_shell.h"
#include "programs/resource_ids.h"
#include "win32/dialogs_win32.h"
#include "win32/win32_app.h"

namespace {


HWND sceneWindows(int window)
{
    return window == 0 ? streetWindow : window == 2 ? playWindow : hallWindow;
}

UINT boxFlags(int box)
{
    switch (box) {
    case kBoxQuestion: return MB_OKCANCEL | MB_ICONQUESTION;
    case kBoxInformation: return MB_OK | MB_ICONINFORMATION;
    default: return MB_OK | MB_ICONWARNING;
    }
}

// Deletes a menu's items by command, then any separator left first, last or
// next to another.
void deleteItems(HMENU menu, const int* ids, int count)
{
    for (int i = 0; i < count; i++)
        DeleteMenu(menu, (UINT)ids[i], MF_BYCOMMAND);
    HMENU game = GetSubMenu(menu, 0);
    if (!game)
        return;
    bool lastWasSeparator = true;
    for (int i = 0; i < GetMenuItemCount(game);) {
        bool separator = (GetMenuState(game, (UINT)i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
        if (separator && (lastWasSeparator || i == GetMenuItemCount(game) - 1)) {
            DeleteMenu(game, (UINT)i, MF_BYPOSITION);
            continue;
        }
        lastWasSeparator = separator;
        i++;
    }
}

// The scene's menu (bar or popup), with the scene's items removed and the
// options and the active slot checked.
HMENU loadSceneMenu(bool popup)
{
    const PlayerSlot& s = activePlayerSlot();
    int id;
    switch (s.scene) {
    case kSceneStreet: id = popup ? RES_POPUP_STREET : RES_MENU_STREET; break;
    case kScenePlaying: id = popup ? RES_POPUP_PLAY : RES_MENU_PLAY; break;
    default: id = popup ? RES_POPUP_HALL : RES_MENU_HALL; break;
    }
    HMENU menu = LoadMenuW(appInstance, MAKEINTRESOURCEW(id));
    if (!menu)
        return nullptr;
    static const int hallRemoves[] = {kCmdReturnToMachine};
    static const int keepingRemoves[] = {kCmdTakeMachine, kCmdLeaveShop};
    if (s.scene == kSceneHall)
        deleteItems(menu, hallRemoves, 1);
    if (s.scene == kSceneHallKeeping)
        deleteItems(menu, keepingRemoves, 2);
    if (s.scene == kSceneStreet)
        CheckMenuItem(menu, s.shop == kDayShop ? kCmdDayShop : kCmdNightShop, MF_BYCOMMAND | MF_CHECKED);
    if (!soundAvailable)
        EnableMenuItem(menu, kCmdSound, MF_BYCOMMAND | MF_GRAYED);
    CheckMenuItem(menu, (UINT)(kCmdSlotP1 + activeSlot), MF_BYCOMMAND | MF_CHECKED);
    if (soundOn)
        CheckMenuItem(menu, kCmdSound, MF_BYCOMMAND | MF_CHECKED);
    if (announceOn)
        CheckMenuItem(menu, kCmdAnnounce, MF_BYCOMMAND | MF_CHECKED);
    return menu;
}

} // namespace

void sysShowSceneWindow(int window, bool show)
{
    ShowWindow(sceneWindows(window), show ? SW_SHOW : SW_HIDE);
}

void sysBuildMenuBar()
{
    HMENU old = GetMenu(mainWindow);
    HMENU menu = loadSceneMenu(false);
    if (!menu)
        return;
    SetMenu(mainWindow, menu);
    if (old)
        DestroyMenu(old);
    DrawMenuBar(mainWindow);
}

void showPopupMenu(HWND window, POINT point)
{
    HMENU menu = loadSceneMenu(true);
    if (!menu)
        return;
    HMENU items = GetSubMenu(menu, 0);
    ClientToScreen(window, &point);
    if (items)
        TrackPopupMenu(items, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, mainWindow,
                       nullptr);
    DestroyMenu(menu);
}

// Every control is hidden first and the scene's set shown again, so the ones
// that stay (the shop sign, the strip, the handle) are drawn anew for the
// slot now shown; showing a visible window would not repaint it.
void sysShowPanelControls()
{
    const PlayerSlot& s = activePlayerSlot();
    for (int id = kFirstPanelControl; id <= kLastPanelControl; id++)
        if (HWND control = GetDlgItem(infoWindow, id))
            ShowWindow(control, SW_HIDE);
    for (int id = kFirstPanelControl; id <= kLastPanelControl; id++) {
        HWND control = GetDlgItem(infoWindow, id);
        if (control && panelControlShown(id, s))
            ShowWindow(control, SW_SHOW);
    }
}

void sysInvalidatePanelStatus()
{
    RECT status = {0, 32, 128, 290};
    InvalidateRect(infoWindow, &status, FALSE);
}

void sysInvalidateShopSign()
{
    HWND sign = GetDlgItem(infoWindow, kControlShopSign);
    if (sign)
        InvalidateRect(sign, nullptr, FALSE);
}

bool sysMessageBox(int textId, int box)
{
    return messageBox(mainWindow, textId, boxFlags(box)) == IDOK;
}

bool sysMessageBoxName(int textId, int box, const char* sjisName)
{
    wchar_t name[64], text[512];
    sjisToWide(sjisName, name, 64);
    const wchar_t* args[1] = {name};
    fillTemplate(text, 512, loadText(1, textId), args, 1);
    return MessageBoxW(mainWindow, text, loadText(0, STR_TITLE), boxFlags(box)) == IDOK;
}

void sysMessageCashOut(const char* sjisName, const CashOut& paid)
{
    wchar_t name[64], balls[kAmountBytes], yen[kAmountBytes], rest[16], text[512];
    sjisToWide(sjisName, name, 64);
    char a[kAmountBytes];
    formatAmount(paid.balls, a);
    MultiByteToWideChar(CP_ACP, 0, a, -1, balls, kAmountBytes);
    formatAmount(paid.yen, a);
    MultiByteToWideChar(CP_ACP, 0, a, -1, yen, kAmountBytes);
    swprintf(rest, 16, L"%d", (int)paid.rest);
    const wchar_t* args[4] = {name, balls, yen, rest};
    fillTemplate(text, 512, loadText(1, 18), args, 4);
    MessageBoxW(mainWindow, text, loadText(0, STR_TITLE), MB_OK | MB_ICONINFORMATION);
}

void sysShowNotice(int textId, int machineNumber)
{
    if (!noticeWindow)
        return;
    wchar_t number[16], text[81];
    swprintf(number, 16, L"%d", machineNumber);
    const wchar_t* args[1] = {number};
    fillTemplate(text, 81, loadText(1, textId), args, 1);
    SendMessageW(noticeWindow, WM_COMMAND, IDC_NOTICE_SET, (LPARAM)text);

    // centred 240 pixels right of the main window's left client edge, its
    // bottom an eighth of the main window's height above the main window's
    RECT main, notice;
    GetWindowRect(mainWindow, &main);
    GetWindowRect(noticeWindow, &notice);
    int width = notice.right - notice.left, height = notice.bottom - notice.top;
    int mainWidth = main.right - main.left, mainHeight = main.bottom - main.top;
    int x = main.left + (mainWidth - 608) / 2 - width / 2 + 240;
    int y = main.bottom - mainHeight / 8 - height;
    SetWindowPos(noticeWindow, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(noticeWindow, SW_SHOWNOACTIVATE);
}

void sysTellDataFile(int textId, const char* fileName)
{
    wchar_t name[64], text[512];
    MultiByteToWideChar(CP_ACP, 0, fileName, -1, name, 64);
    const wchar_t* args[2] = {name, dataFolderPath()};
    fillTemplate(text, 512, loadText(1, textId), args, 2);
    MessageBoxW(mainWindow, text, loadText(0, STR_TITLE), MB_OK | MB_ICONWARNING);
}

// Asked while the main window is being destroyed: the box has no owner.
bool sysAskRetrySave()
{
    wchar_t text[512];
    const wchar_t* args[1] = {dataFolderPath()};
    fillTemplate(text, 512, loadText(1, STR_SAVE_FAILED), args, 1);
    return MessageBoxW(nullptr, text, loadText(0, STR_TITLE), MB_RETRYCANCEL | MB_ICONWARNING | MB_TASKMODAL) ==
           IDRETRY;
}

bool sysRunSelectionDialog() { return runPlayerSelectionDialog(mainWindow); }
bool sysRunPurchaseDialog() { return runPurchaseDialog(mainWindow); }
void sysRunPlayerListDialog() { runPlayerListDialog(mainWindow); }
void sysRunHighScoreDialog() { runHighScoreDialog(mainWindow); }
void sysRunVersionDialog() { runVersionDialog(mainWindow); }

typedef HWND(WINAPI* HtmlHelpFunction)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The HTML Help control, found through its registered location and loaded
// on first use. When there is no control, no help file beside the program,
// or the viewer does not open, the user is told (string 6) rather than left
// pressing F1 in vain.
void sysOpenHelp()
{
    static HtmlHelpFunction htmlHelp;
    static bool tried;
    if (!tried) {
        tried = true;
        wchar_t path[MAX_PATH];
        DWORD size = sizeof path;
        HKEY key;
        if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", 0,
                          KEY_READ, &key) == ERROR_SUCCESS) {
            DWORD type = 0;
            if (RegQueryValueExW(key, nullptr, nullptr, &type, (BYTE*)path, &size) == ERROR_SUCCESS) {
                path[MAX_PATH - 1] = 0;
                wchar_t expanded[MAX_PATH]; // "%SystemRoot%\System32\hhctrl.ocx"
                if (type == REG_EXPAND_SZ && ExpandEnvironmentStringsW(path, expanded, MAX_PATH) - 1 < MAX_PATH)
                    wcscpy(path, expanded);
                HMODULE library = LoadLibraryW(path);
                if (library)
                    htmlHelp = (HtmlHelpFunction)(void*)GetProcAddress(library, "HtmlHelpW");
            }
            RegCloseKey(key);
        }
        if (!htmlHelp) // the control by its usual name, from the system folder
            if (HMODULE library = LoadLibraryW(L"hhctrl.ocx"))
                htmlHelp = (HtmlHelpFunction)(void*)GetProcAddress(library, "HtmlHelpW");
    }
    wchar_t file[MAX_PATH];
    int n = swprintf(file, MAX_PATH, L"%ls\\%ls", startDirectory, loadText(1, STR_HELP_FILE));
    bool found = n > 0 && n < MAX_PATH && GetFileAttributesW(file) != INVALID_FILE_ATTRIBUTES;
    if (!htmlHelp || !found || !htmlHelp(mainWindow, file, 0 /* HH_DISPLAY_TOPIC */, 0))
        messageBox(mainWindow, STR_HELP_MISSING, MB_OK | MB_ICONWARNING);
}

void sysDestroyMainWindow()
{
    DestroyWindow(mainWindow);
}
