// The program's dialogs: the player list with registration and information,
// the player selection at the shop door, buying balls, the shop's best five,
// the version, and the notice window. Records hold Shift-JIS texts; whatever
// reaches the screen is converted to UTF-16 first.
//
// Buttons are enabled and disabled so that nothing can be done to a player who
// is in the hall, but every handler checks again before it acts: a dialog's
// Enter key and posted commands reach a handler whatever the button's state.
#include "win32/dialogs_win32.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "hallcore/players/money.h"
#include "hallcore/players/number_format.h"
#include "hallcore/players/registry.h"
#include "hallcore/players/sjis_text.h"
#include "hallcore/hall/player_slots.h"
#include "programs/resource_ids.h"

namespace {

constexpr UINT kShiftJis = 932;
constexpr int kNameEditChars = 22; // what the registration edit takes
constexpr int kListTabStop = 24;   // dialog units: slot label, tab, name
constexpr int kNoticePeriods = 8;  // pacing periods a notice stays up
constexpr int kRowChars = 64;      // a list row: label, tab, 21-byte name

// ---- texts -------------------------------------------------------------------

// A fixed-size record field (which a damaged file may leave unterminated)
// as wide text.
void fieldToWide(const char* field, size_t size, wchar_t* out, int capacity)
{
    char text[64];
    size_t n = 0;
    while (n < size && n < sizeof text - 1 && field[n])
        n++;
    std::memcpy(text, field, n);
    text[n] = 0;
    sjisToWide(text, out, capacity);
}

template <size_t N>
void setFieldText(HWND dialog, int id, const char (&field)[N])
{
    wchar_t text[64];
    fieldToWide(field, N, text, 64);
    SetDlgItemTextW(dialog, id, text);
}

// Digits, blanks and commas of the number formats.
void setAsciiText(HWND dialog, int id, const char* ascii)
{
    wchar_t text[32];
    int n = 0;
    for (; n < 31 && ascii[n]; n++)
        text[n] = (unsigned char)ascii[n];
    text[n] = 0;
    SetDlgItemTextW(dialog, id, text);
}

void warn(HWND owner, int textId)
{
    messageBox(owner, textId, MB_OK | MB_ICONWARNING);
}

// ---- dialog helpers ------------------------------------------------------------

// Puts a dialog in the middle of its owner (or of the work area), fully on
// the screen.
void centreOnOwner(HWND dialog)
{
    RECT work, around, box;
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        GetWindowRect(GetDesktopWindow(), &work);
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &around);
    else
        around = work;
    GetWindowRect(dialog, &box);
    int w = box.right - box.left, h = box.bottom - box.top;
    int x = around.left + (around.right - around.left - w) / 2;
    int y = around.top + (around.bottom - around.top - h) / 2;
    if (x + w > work.right)
        x = work.right - w;
    if (y + h > work.bottom)
        y = work.bottom - h;
    if (x < work.left)
        x = work.left;
    if (y < work.top)
        y = work.top;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool controlEnabled(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    return control && IsWindowEnabled(control);
}

// A control that loses its enabled state while it has the focus hands the
// focus on first, so the keyboard never ends up nowhere.
void enableControl(HWND dialog, int id, bool on)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        return;
    if (!on && GetFocus() == control)
        SendMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(control, on ? TRUE : FALSE);
}

void focusControl(HWND dialog, int id)
{
    if (HWND control = GetDlgItem(dialog, id))
        SendMessageW(dialog, WM_NEXTDLGCTL, (WPARAM)control, TRUE);
}

// Moves the default-button style from `from` to `to`, and the focus with it.
void moveDefault(HWND dialog, int to, int from)
{
    SendMessageW(dialog, DM_SETDEFID, to, 0);
    SendDlgItemMessageW(dialog, from, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendDlgItemMessageW(dialog, to, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    focusControl(dialog, to);
}

// ---- the player list box ---------------------------------------------------------

HWND playerList(HWND dialog)
{
    return GetDlgItem(dialog, IDC_PLAYER_LIST);
}

// Refills the list with a row per registered player, in record order; each
// row carries its record index. Returns the number of rows.
int fillPlayerList(HWND dialog)
{
    HWND list = playerList(dialog);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    int rows = 0;
    for (int i = 0; i < kPlayerBlocks; i++) {
        if (!players[i].inUse)
            continue;
        char row[kRowChars];
        wchar_t text[kRowChars];
        playerListRow(i, row, sizeof row);
        sjisToWide(row, text, kRowChars);
        LRESULT at = SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)text);
        if (at < 0)
            continue;
        SendMessageW(list, LB_SETITEMDATA, (WPARAM)at, i);
        rows++;
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    return rows;
}

void setListTabStop(HWND dialog)
{
    int stop = kListTabStop;
    SendMessageW(playerList(dialog), LB_SETTABSTOPS, 1, (LPARAM)&stop);
}

int selectedRow(HWND dialog)
{
    LRESULT row = SendMessageW(playerList(dialog), LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : (int)row;
}

void selectRow(HWND dialog, int row)
{
    SendMessageW(playerList(dialog), LB_SETCURSEL, (WPARAM)row, 0);
}

// The record a row stands for, or -1.
int recordOfRow(HWND dialog, int row)
{
    if (row < 0)
        return -1;
    LRESULT record = SendMessageW(playerList(dialog), LB_GETITEMDATA, (WPARAM)row, 0);
    return record == LB_ERR || record < 0 || record >= kPlayerBlocks ? -1 : (int)record;
}

// A row that starts with a blank is a player in no slot: free to choose or delete.
bool rowIsFree(HWND dialog, int row)
{
    if (row < 0)
        return false;
    HWND list = playerList(dialog);
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, (WPARAM)row, 0);
    if (length <= 0 || length >= kRowChars)
        return false;
    wchar_t text[kRowChars];
    SendMessageW(list, LB_GETTEXT, (WPARAM)row, (LPARAM)text);
    return text[0] == L' ';
}

// The row of a record, or -1.
int rowOfRecord(HWND dialog, int record)
{
    LRESULT rows = SendMessageW(playerList(dialog), LB_GETCOUNT, 0, 0);
    for (int row = 0; row < rows; row++)
        if (recordOfRow(dialog, row) == record)
            return row;
    return -1;
}

// ---- 402 registration ----------------------------------------------------------

// Letters a name can hold: no control characters (they would break the list's
// columns), and only what Shift-JIS can write.
bool nameIsWritable(const wchar_t* text, char* sjis, int capacity)
{
    for (const wchar_t* c = text; *c; c++)
        if (*c < 0x20 || *c == 0x7F)
            return false;
    return wideToSjis(text, sjis, capacity);
}

INT_PTR CALLBACK registerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        centreOnOwner(dialog);
        SendDlgItemMessageW(dialog, IDC_NAME_EDIT, EM_LIMITTEXT, kNameEditChars, 0);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            // The edit's limit holds for typing only; a longer text is cut below.
            wchar_t text[kNameEditChars * 3];
            char sjis[kNameEditChars * 6];
            GetDlgItemTextW(dialog, IDC_NAME_EDIT, text, (int)(sizeof text / sizeof text[0]));
            int result = -STR_NAME_UNWRITABLE;
            if (nameIsWritable(text, sjis, sizeof sjis))
                result = registerPlayer(sjis); // keeps 21 bytes, never half a character
            if (result >= 0) {
                EndDialog(dialog, result); // 0: no free block (the list does not offer this then)
                return TRUE;
            }
            warn(dialog, -result);
            focusControl(dialog, IDC_NAME_EDIT);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- 403 information -------------------------------------------------------------

void showAmount(HWND dialog, int id, int64_t value)
{
    char text[kAmountBytes];
    formatAmount(value, text);
    setAsciiText(dialog, id, text);
}

void fillPlayerInfo(HWND dialog, const PlayerRecord& p)
{
    setFieldText(dialog, 1001, p.name);
    const PlayerSlot* slot = findSlotOfPlayer(p.name);
    SetDlgItemTextW(dialog, 1002, loadText(1, slot ? STR_SLOT_P1 + (slot->index & 3) : STR_NO_SLOT));

    char number[kGroupedBytes + 4];
    formatGrouped(p.money, number);
    setAsciiText(dialog, 1003, number);
    std::snprintf(number, sizeof number, "%2d", winRatePercent(p));
    setAsciiText(dialog, 1004, number);

    if (p.best.dateText[0]) {
        setFieldText(dialog, 1005, p.best.dateText);
        setFieldText(dialog, 1006, p.best.label);
        showAmount(dialog, 1007, p.best.amount);
        SetDlgItemTextW(dialog, 1008, loadText(1, STR_WIN));
    }
    for (int r = 0; r < kHistoryRows; r++) {
        const ResultEntry& row = p.history[r];
        if (!row.dateText[0])
            continue;
        int id = 1009 + 4 * r;
        setFieldText(dialog, id, row.dateText);
        setFieldText(dialog, id + 1, row.label);
        showAmount(dialog, id + 2, row.amount < 0 ? -(int64_t)row.amount : row.amount);
        if (row.amount != 0)
            SetDlgItemTextW(dialog, id + 3, loadText(1, row.amount > 0 ? STR_WIN : STR_LOSS));
    }
}

INT_PTR CALLBACK playerInfoProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        centreOnOwner(dialog);
        if (lParam < 0 || lParam >= kPlayerBlocks || !players[lParam].inUse) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        fillPlayerInfo(dialog, players[lParam]);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- 401 player list ----------------------------------------------------------------

// The delete button follows the selected row: only a player in no slot goes.
void updateDeleteButton(HWND dialog)
{
    enableControl(dialog, IDC_DELETE, rowIsFree(dialog, selectedRow(dialog)));
}

void queryPlayer(HWND dialog)
{
    int record = recordOfRow(dialog, selectedRow(dialog));
    if (record >= 0)
        DialogBoxParamW(appInstance, MAKEINTRESOURCEW(RES_DIALOG_PLAYER_INFO), dialog, playerInfoProc, record);
}

void registerFromList(HWND dialog)
{
    if (registeredPlayerCount() >= kPlayerBlocks)
        return;
    INT_PTR k = DialogBoxParamW(appInstance, MAKEINTRESOURCEW(RES_DIALOG_REGISTER), dialog, registerProc, 0);
    if (k <= 0)
        return;
    int rows = fillPlayerList(dialog);
    if (rows >= kPlayerBlocks) {
        moveDefault(dialog, IDOK, IDC_REGISTER);
        enableControl(dialog, IDC_REGISTER, false);
    }
    enableControl(dialog, IDC_QUERY, true);
    selectRow(dialog, rowOfRecord(dialog, (int)k - 1));
    updateDeleteButton(dialog); // the new player is in no slot
}

void deleteFromList(HWND dialog)
{
    int row = selectedRow(dialog);
    int record = recordOfRow(dialog, row);
    if (record < 0 || !playerIsFree(record))
        return;
    wchar_t name[64], question[160];
    fieldToWide(players[record].name, sizeof players[record].name, name, 64);
    const wchar_t* args[1] = {name};
    fillTemplate(question, 160, loadText(1, STR_DELETE_PLAYER), args, 1);
    MessageBeep(MB_OK);
    if (MessageBoxW(dialog, question, loadText(0, STR_TITLE), MB_OKCANCEL | MB_ICONWARNING) != IDOK)
        return;

    deletePlayer(record);
    int rows = fillPlayerList(dialog);
    enableControl(dialog, IDC_REGISTER, true);
    if (rows == 0) {
        moveDefault(dialog, IDOK, IDC_REGISTER);
        enableControl(dialog, IDC_QUERY, false);
        enableControl(dialog, IDC_DELETE, false);
        return;
    }
    selectRow(dialog, row < rows - 1 ? row : rows - 1);
    updateDeleteButton(dialog);
}

INT_PTR CALLBACK playerListProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        centreOnOwner(dialog);
        setListTabStop(dialog);
        int rows = fillPlayerList(dialog);
        if (rows == 0) {
            EnableWindow(GetDlgItem(dialog, IDC_QUERY), FALSE);
            EnableWindow(GetDlgItem(dialog, IDC_DELETE), FALSE);
        }
        if (rows >= kPlayerBlocks) {
            // Enter must not land on a button that cannot act.
            SendMessageW(dialog, DM_SETDEFID, IDOK, 0);
            SendDlgItemMessageW(dialog, IDC_REGISTER, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
            SendDlgItemMessageW(dialog, IDOK, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
            EnableWindow(GetDlgItem(dialog, IDC_REGISTER), FALSE);
        }
        if (rows > 0) {
            selectRow(dialog, 0);
            if (!rowIsFree(dialog, 0))
                EnableWindow(GetDlgItem(dialog, IDC_DELETE), FALSE);
        }
        return TRUE; // the focus goes to the list
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PLAYER_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE)
                updateDeleteButton(dialog);
            else if (HIWORD(wParam) == LBN_DBLCLK && controlEnabled(dialog, IDC_QUERY))
                queryPlayer(dialog);
            return TRUE;
        case IDC_REGISTER:
            if (controlEnabled(dialog, IDC_REGISTER))
                registerFromList(dialog);
            return TRUE;
        case IDC_QUERY:
            if (controlEnabled(dialog, IDC_QUERY))
                queryPlayer(dialog);
            return TRUE;
        case IDC_DELETE:
            if (controlEnabled(dialog, IDC_DELETE))
                deleteFromList(dialog);
            return TRUE;
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- 404 selection ------------------------------------------------------------------

void updateSelectButton(HWND dialog)
{
    enableControl(dialog, IDOK, rowIsFree(dialog, selectedRow(dialog)));
}

// The chosen player takes the active slot and starts a visit. Only a player in
// no slot can be chosen, whatever key or button asked for it.
void choosePlayer(HWND dialog)
{
    int record = recordOfRow(dialog, selectedRow(dialog));
    if (record < 0 || !playerIsFree(record))
        return;
    startVisit(record, activePlayerSlot());
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK selectionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        centreOnOwner(dialog);
        setListTabStop(dialog);
        if (fillPlayerList(dialog) > 0)
            selectRow(dialog, 0);
        EnableWindow(GetDlgItem(dialog, IDOK), rowIsFree(dialog, selectedRow(dialog)) ? TRUE : FALSE);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PLAYER_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE)
                updateSelectButton(dialog);
            else if (HIWORD(wParam) == LBN_DBLCLK)
                choosePlayer(dialog);
            return TRUE;
        case IDOK:
            choosePlayer(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- 406 purchase --------------------------------------------------------------------

int checkedPurchase(HWND dialog)
{
    for (int k = 0; k < kPurchaseChoices; k++)
        if (IsDlgButtonChecked(dialog, IDC_BUY_25 + k) == BST_CHECKED)
            return k;
    return rememberedPurchase;
}

INT_PTR CALLBACK purchaseProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        centreOnOwner(dialog);
        const PlayerRecord* p = findPlayer(activePlayerSlot().name);
        if (!p) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        char money[kGroupedBytes];
        formatGrouped(p->money, money);
        setAsciiText(dialog, IDC_TEXT, money);
        int k = rememberedPurchase >= 0 && rememberedPurchase < kPurchaseChoices ? rememberedPurchase : 0;
        CheckRadioButton(dialog, IDC_BUY_25, IDC_BUY_250, IDC_BUY_25 + k);
        focusControl(dialog, IDC_BUY_25 + k);
        return FALSE; // the focus is on the remembered choice
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            if (buyBalls(activeSlot, checkedPurchase(dialog)) == STR_NOT_ENOUGH_MONEY) {
                warn(dialog, STR_NOT_ENOUGH_MONEY);
                return TRUE;
            }
            EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- 405 high scores, 407 version -----------------------------------------------------

INT_PTR CALLBACK highScoreProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        centreOnOwner(dialog);
        const PlayerSlot& slot = activePlayerSlot();
        const ShopState& shop = slot.shopState ? *slot.shopState : shops[slot.shop == kNightShop];
        for (int i = 0; i < 5; i++) {
            const ResultEntry& e = shop.highScores[i];
            setFieldText(dialog, 1001 + 3 * i, e.dateText);
            setFieldText(dialog, 1002 + 3 * i, e.label);
            showAmount(dialog, 1003 + 3 * i, e.amount);
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

INT_PTR CALLBACK versionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        centreOnOwner(dialog);
        SetDlgItemTextW(dialog, 1001, loadText(0, STR_TITLE));
        SetDlgItemTextW(dialog, 1002, loadText(1, STR_MACHINE_TITLE));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- 400 notice window -------------------------------------------------------------

int noticeCounter; // pacing periods since the notice was last filled

INT_PTR CALLBACK noticeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowTextW(dialog, loadText(0, STR_TITLE));
        return FALSE; // hidden: leave the focus where it is
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_NOTICE_SET:
        noticeCounter = 0;
        SetDlgItemTextW(dialog, IDC_TEXT, lParam ? (const wchar_t*)lParam : L"");
        return TRUE;
    case CMD_NOTICE_PACING:
        if (IsWindowVisible(dialog) && noticeCounter++ >= kNoticePeriods)
            ShowWindow(dialog, SW_HIDE);
        return TRUE;
    case IDOK:
    case IDCANCEL:
        ShowWindow(dialog, SW_HIDE);
        return TRUE;
    }
    return FALSE;
}

} // namespace

// ---- the interface ------------------------------------------------------------------------

void runPlayerListDialog(HWND owner)
{
    DialogBoxParamW(appInstance, MAKEINTRESOURCEW(RES_DIALOG_PLAYERS), owner, playerListProc, 0);
}

bool runPlayerSelectionDialog(HWND owner)
{
    if (activePlayerSlot().name[0])
        return false; // the slot already has its player
    return DialogBoxParamW(appInstance, MAKEINTRESOURCEW(RES_DIALOG_SELECT), owner, selectionProc, 0) == 1;
}

bool runPurchaseDialog(HWND owner)
{
    const PlayerSlot& slot = activePlayerSlot();
    if (slot.seat < 0 || slot.seat >= kMachinesPerShop || !findPlayer(slot.name))
        return false; // balls go to a machine the player sits at
    return DialogBoxParamW(appInstance, MAKEINTRESOURCEW(RES_DIALOG_PURCHASE), owner, purchaseProc, 0) == 1;
}

void runHighScoreDialog(HWND owner)
{
    DialogBoxParamW(appInstance, MAKEINTRESOURCEW(RES_DIALOG_HIGH_SCORES), owner, highScoreProc, 0);
}

void runVersionDialog(HWND owner)
{
    DialogBoxParamW(appInstance, MAKEINTRESOURCEW(RES_DIALOG_VERSION), owner, versionProc, 0);
}

HWND createNoticeWindow(HWND owner)
{
    noticeCounter = 0;
    return CreateDialogParamW(appInstance, MAKEINTRESOURCEW(RES_DIALOG_NOTICE), owner, noticeProc, 0);
}

void sjisToWide(const char* sjis, wchar_t* out, int capacity)
{
    if (!out || capacity <= 0)
        return;
    out[0] = 0;
    if (!sjis)
        return;
    // Whole characters of at most 255 bytes; a byte never becomes more than
    // one UTF-16 unit, so the scratch buffer always suffices.
    char text[256];
    size_t length = copyShiftJis(text, sjis, sizeof text - 1);
    wchar_t wide[256];
    int n = length ? MultiByteToWideChar(kShiftJis, 0, text, (int)length, wide, 256) : 0;
    if (n < 0)
        n = 0;
    if (n > capacity - 1)
        n = capacity - 1;
    std::wmemcpy(out, wide, (size_t)n);
    out[n] = 0;
}

bool wideToSjis(const wchar_t* text, char* out, int capacity)
{
    if (!out || capacity <= 0)
        return false;
    out[0] = 0;
    if (!text)
        return true;
    int n = 0;
    bool writable = true;
    // One character at a time, so the text is cut between characters when the
    // buffer is full and every character is checked, kept or not.
    for (const wchar_t* c = text; *c;) {
        int units = IS_HIGH_SURROGATE(c[0]) && IS_LOW_SURROGATE(c[1]) ? 2 : 1;
        char bytes[8];
        BOOL usedDefault = FALSE;
        int length = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, c, units, bytes, sizeof bytes, nullptr,
                                         &usedDefault);
        bool ok = length > 0 && !usedDefault;
        if (ok) {
            // Only a character that reads back as itself counts as written.
            wchar_t back[4];
            int m = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes, length, back, 4);
            ok = m == units && std::wmemcmp(back, c, (size_t)units) == 0;
        }
        c += units;
        if (!ok) {
            writable = false;
            continue;
        }
        if (n + length <= capacity - 1) {
            std::memcpy(out + n, bytes, (size_t)length);
            n += length;
        } else {
            capacity = n + 1; // full: later characters are only checked
        }
    }
    out[n] = 0;
    if (!writable)
        out[0] = 0;
    return writable;
}
