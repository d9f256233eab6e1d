// The info panel and its controls: the owner-drawn buttons with their
// normal and pressed faces, the shop sign, the play scene's strip, the
// player tabs, and the launch handle with its up, pause and down buttons.
#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/screens.h"
#include "hallcore/shell/command_ids.h"
#include "hallcore/shell/panel_controls.h"
#include "hallcore/gfx/handle_screen.h"
#include "hallcore/hall/launch_handle.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/shell/tick.h"
#include "win32/gfx_win32.h"
#include "win32/win32_app.h"

HWND infoWindow;
HWND handleWindow;

namespace {

// The panel's owner-drawn buttons: id, place, size, command, face in picture 509.
struct ButtonRow {
    int id, x, y, width, height, command, faceX, faceY;
};

const ButtonRow kButtons[] = {
    {kButtonEnterShop, 4, 346, 120, 26, kCmdEnterShop, 0, 0},
    {kButtonPlayers, 4, 374, 120, 26, kCmdPlayers, 0, 52},
    {kButtonExit, 4, 402, 120, 26, kCmdExit, 0, 104},
    {kButtonPrevMachine, 4, 294, 60, 50, kCmdPrevMachine, 0, 464},
    {kButtonNextMachine, 64, 294, 60, 50, kCmdNextMachine, 60, 464},
    {kButtonTakeMachine, 4, 346, 120, 26, kCmdTakeMachine, 0, 156},
    {kButtonLeaveShop, 4, 402, 120, 26, kCmdLeaveShop, 0, 104},
    {kButtonExchange, 4, 318, 120, 26, kCmdExchange, 0, 208},
    {kButtonToHall, 4, 346, 120, 26, kCmdToHall, 0, 260},
    {kButtonStopPlaying, 4, 402, 120, 26, kCmdStopPlaying, 0, 104},
    {kButtonReturnToMachine, 4, 346, 120, 26, kCmdReturnToMachine, 0, 312},
};

const ButtonRow* buttonRow(int id)
{
    for (const ButtonRow& b : kButtons)
        if (b.id == id)
            return &b;
    return nullptr;
}

MachineState& handleMachine()
{
    return *activePlayerSlot().machine;
}

void redrawHandle()
{
    InvalidateRect(handleWindow, nullptr, FALSE);
}

// A window whose look is drawn by its parent: it only validates its paint.
void paintNothing(HWND window)
{
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
}

// "UpBtn" and "DownBtn": held while the button is down and the pointer stays
// on it; the mouse is captured so the release is seen wherever it happens.
// The arrow keys press them too (a press without the mouse button's flag):
// then the key's release ends it, wherever the pointer is, and no capture is
// taken. A capture taken away (another window, a box, Alt+Tab) lets go, so
// the handle never goes on rising with nothing held.
bool heldByKey;

LRESULT holdButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int state)
{
    MachineState& m = handleMachine();
    switch (message) {
    case WM_LBUTTONDOWN:
        if (pressHandleButton(m, state)) { // a second press (key repeat) changes nothing
            heldByKey = !(wParam & MK_LBUTTON);
            if (!heldByKey)
                SetCapture(window);
            redrawHandle();
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (!heldByKey && releaseHandleButton(m, state))
            redrawHandle();
        return 0;
    case WM_MOUSEMOVE: {
        if (m.handleState != state || heldByKey)
            return 0;
        POINT p;
        GetCursorPos(&p);
        RECT r;
        GetWindowRect(window, &r);
        if (p.x > r.left && p.x < r.right && p.y > r.top && p.y < r.bottom)
            return 0;
    }
        // the pointer left the button: released
        [[fallthrough]];
    case WM_LBUTTONUP:
        if (GetCapture() == window)
            ReleaseCapture();
        if (releaseHandleButton(m, state)) {
            heldByKey = false;
            redrawHandle();
        }
        return 0;
    case WM_PAINT:
        paintNothing(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK upButtonProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    return holdButton(w, msg, wp, lp, kHandleRaising);
}

LRESULT CALLBACK downButtonProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    return holdButton(w, msg, wp, lp, kHandleLowering);
}

// "PauseBtn": every press toggles launching.
LRESULT CALLBACK pauseButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN: {
        toggleHandlePause(handleMachine());
        redrawHandle();
        return 0;
    }
    case WM_PAINT:
        paintNothing(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// "PlayBtn": the handle itself, drawn by the core.
LRESULT CALLBACK handleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paintThroughCore(window, drawHandle);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// "MiseBtn": the shop sign of the street; left half the day shop.
LRESULT CALLBACK shopSignProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (!shutdownBegun)
            presentPicture(dc, 0, 0, 120, 50, artPicture(509), 0, activePlayerSlot().shop == 0 ? 364 : 414);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        PostMessageW(mainWindow, WM_COMMAND, (short)LOWORD(lParam) < 60 ? kCmdDayShop : kCmdNightShop, 0);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// "Tab": the play scene's strip; the right half shows the handle, the left
// half the buttons.
void showPlayView(int view)
{
    if (!choosePlayView(view))
        return;
    const PlayerSlot& s = activePlayerSlot();
    for (int id = kFirstPanelControl; id <= kLastPanelControl; id++)
        if (HWND control = GetDlgItem(infoWindow, id))
            ShowWindow(control, panelControlShown(id, s) ? SW_SHOW : SW_HIDE);
}

LRESULT CALLBACK stripProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (!shutdownBegun)
            presentPicture(dc, 0, 0, 128, 24, sceneStrip, 0, activePlayerSlot().playView * 24);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        showPlayView((short)LOWORD(lParam) >= 64 ? 1 : 0);
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void drawButtonFace(const DRAWITEMSTRUCT& item)
{
    const ButtonRow* b = buttonRow((int)item.CtlID);
    if (!b || shutdownBegun)
        return;
    int pressed = (item.itemState & ODS_SELECTED) ? b->height : 0;
    presentPicture(item.hDC, 0, 0, b->width, b->height, artPicture(509), b->faceX, b->faceY + pressed);
}

HWND createControl(const wchar_t* className, HWND parent, int id, int x, int y, int width, int height, DWORD style)
{
    return CreateWindowExW(0, className, nullptr, WS_CHILD | style, x, y, width, height, parent,
                           (HMENU)(INT_PTR)id, appInstance, nullptr);
}

bool createControls(HWND panel)
{
    for (const ButtonRow& b : kButtons)
        if (!createControl(L"button", panel, b.id, b.x, b.y, b.width, b.height, BS_OWNERDRAW))
            return false;
    if (!createControl(L"Tab", panel, kControlPlayStrip, 0, 290, 128, 24, WS_VISIBLE))
        return false;
    if (!createControl(L"MiseBtn", panel, kControlShopSign, 4, 294, 120, 50, WS_VISIBLE))
        return false;
    handleWindow = createControl(L"PlayBtn", panel, kControlHandle, 8, 316, 112, 112, WS_VISIBLE);
    if (!handleWindow)
        return false;
    return createControl(L"UpBtn", handleWindow, kControlHandleUp, 20, 20, 72, 24, WS_VISIBLE)
           && createControl(L"DownBtn", handleWindow, kControlHandleDown, 20, 68, 72, 24, WS_VISIBLE)
           && createControl(L"PauseBtn", handleWindow, kControlHandlePause, 20, 44, 72, 24, WS_VISIBLE);
}

LRESULT CALLBACK panelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return createControls(window) ? 0 : -1;
    case WM_PAINT:
        paintThroughCore(window, paintPanel);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_DRAWITEM:
        drawButtonFace(*(const DRAWITEMSTRUCT*)lParam);
        return TRUE;
    case WM_COMMAND: {
        // only a click counts (a double-click is one command, not two)
        const ButtonRow* b = buttonRow(LOWORD(wParam));
        if (HIWORD(wParam) == BN_CLICKED && b)
            PostMessageW(mainWindow, WM_COMMAND, (WPARAM)b->command, (LPARAM)b->id);
        SetFocus(mainWindow); // the space and arrow keys keep working
        return 0;
    }
    case WM_LBUTTONDOWN: {
        int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
        if (y >= 170 && y < 196) { // the player tabs
            int slot = x < 32 ? 0 : x < 64 ? 1 : x < 96 ? 2 : 3;
            PostMessageW(mainWindow, WM_COMMAND, (WPARAM)(kCmdSlotP1 + slot), 0);
            return 0;
        }
        break;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

// The program lost the keyboard (a box, help, another program): a held up or
// down button lets go, since its release will not come here.
void releaseHandleButtons()
{
    MachineState& m = handleMachine();
    HWND up = GetDlgItem(handleWindow, kControlHandleUp), down = GetDlgItem(handleWindow, kControlHandleDown);
    if (GetCapture() && (GetCapture() == up || GetCapture() == down))
        ReleaseCapture();
    heldByKey = false;
    if (letGoOfHandle(m))
        redrawHandle();
}

bool createInfoPanel()
{
    if (!registerChildClass(L"Qm4101Info", panelProc) || !registerChildClass(L"MiseBtn", shopSignProc)
        || !registerChildClass(L"Tab", stripProc) || !registerChildClass(L"PlayBtn", handleProc)
        || !registerChildClass(L"UpBtn", upButtonProc) || !registerChildClass(L"DownBtn", downButtonProc)
        || !registerChildClass(L"PauseBtn", pauseButtonProc))
        return false;
    infoWindow = CreateWindowExW(0, L"Qm4101Info", nullptr, WS_CHILD | WS_CLIPSIBLINGS, 480, 0, 128, 432,
                                 mainWindow, nullptr, appInstance, nullptr);
    return infoWindow != nullptr;
}
