// The main window: its creation in the documented order, its message table,
// the key mapping of the play scene, and the orderly shutdown.
#include "machine_identity.h"
#include "hallcore/shell/command_ids.h"
#include "hallcore/shell/commands.h"
#include "hallcore/gfx/sound.h"
#include "hallcore/shell/options.h"
#include "hallcore/shell/panel_controls.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/shell/startup.h"
#include "hallcore/shell/tick.h"
#include "hallcore/sys/sys_shell.h"
#include "hallcore/sys/sys_time.h"
#include "programs/resource_ids.h"
#include "win32/gfx_win32.h"
#include "win32/win32_app.h"

#include <mmsystem.h>

HWND mainWindow;

static const wchar_t kMainClass[] = L"" MACHINE_MAIN_CLASS;
static const DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Creation steps, in order; the first that fails makes creation fail.
static bool onCreate(HWND window)
{
    mainWindow = window;

    WAVEOUTCAPSA caps;
    soundAvailable = waveOutGetDevCapsA(0, &caps, sizeof caps) == MMSYSERR_NOERROR;
    soundOn = soundAvailable;
    announceOn = 1;

    if (!createArtworkWin32()) // palette, surfaces, pictures, sounds
        return false;
    if (!createChildWindows())
        return false;

    startHall(sysSeedSeconds()); // seed, data files, clock check, day set-up, slots

    sysShowPanelControls();
    ShowWindow(infoWindow, SW_SHOW);
    ShowWindow(streetWindow, SW_SHOW);
    PostMessageW(window, WM_COMMAND, kCmdInstallMenu, 0);
    return true;
}

// Runs on destruction and on session end, so it may run twice: the timer and
// the artwork go once, the data is saved each time. When the save fails the
// user may try again, except at the end of the session, which waits for no one.
static void shutdown(bool mayAsk)
{
    shutdownBegun = 1; // from here on no tick or paint draws
    stopTickClock();
    releaseArtworkWin32();
    stopHall(mayAsk);
}

// Space, up and down act as clicks on the handle's controls, in the play scene only.
static void mapKey(WPARAM key, UINT mouseMessage)
{
    if (activePlayerSlot().scene != kScenePlaying)
        return;
    int control; // the handle's buttons, children of "PlayBtn"
    switch (LOWORD(key)) {
    case VK_SPACE: control = kControlHandlePause; break;
    case VK_UP: control = kControlHandleUp; break;
    case VK_DOWN: control = kControlHandleDown; break;
    default: return;
    }
    HWND target = GetDlgItem(handleWindow, control);
    if (target)
        SendMessageW(target, mouseMessage, 0, 0);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return onCreate(window) ? 0 : -1;
    case WM_DESTROY:
        shutdown(true);
        PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        if (closeQuery())
            DestroyWindow(window);
        return 0;
    case WM_QUERYENDSESSION:
        return closeQuery() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam)
            shutdown(false);
        return 0;
    case WM_KEYDOWN:
        mapKey(wParam, WM_LBUTTONDOWN);
        return 0;
    case WM_KEYUP:
        mapKey(wParam, WM_LBUTTONUP);
        return 0;
    case WM_COMMAND:
        dispatchCommand(LOWORD(wParam), (int32_t)lParam);
        return 0;
    case WM_QUERYNEWPALETTE:
        return realisePalette(window);
    case WM_PALETTECHANGED:
        if ((HWND)wParam == window)
            break;
        return realisePalette(window);
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && !shutdownBegun)
            releaseHandleButtons();
        break; // and on to the default handling
    case WM_USER:
        onTick(); // does nothing once shutdown has begun
        tickRelease();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool createMainWindow(int showCommand)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = mainWindowProc;
    wc.hInstance = appInstance;
    wc.hIcon = LoadIconW(appInstance, MAKEINTRESOURCEW(RES_ICON_LARGE));
    wc.hIconSm = LoadIconW(appInstance, MAKEINTRESOURCEW(RES_ICON_SMALL));
    wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH); // the window never erases itself
    wc.lpszMenuName = MAKEINTRESOURCEW(RES_MENU_STREET);
    wc.lpszClassName = kMainClass;
    if (!RegisterClassExW(&wc))
        return false;

    RECT r = {0, 0, 608, 432};
    AdjustWindowRect(&r, kMainStyle, TRUE);
    HWND window = CreateWindowExW(0, kMainClass, loadText(0, STR_TITLE), kMainStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                  appInstance, nullptr);
    if (!window)
        return false;
    if (!startTickClock()) {
        DestroyWindow(window);
        return false;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}
