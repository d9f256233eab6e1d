// The three scene windows (street, hall, play) and the presentation of the
// core's composed surfaces in any window of the program.
#include "hallcore/gfx/screens.h"
#include "hallcore/shell/tick.h"
#include "hallcore/sys/sys_present.h"
#include "win32/gfx_win32.h"
#include "win32/win32_app.h"

HWND streetWindow, hallWindow, playWindow;

// The window being painted, and its paint context.
static HWND paintingWindow;
static HDC paintingDc;

HWND presentWindow(int window)
{
    switch (window) {
    case kWindowStreet: return streetWindow;
    case kWindowHall: return hallWindow;
    case kWindowPlay: return playWindow;
    case kWindowPanel: return infoWindow;
    case kWindowHandle: return handleWindow;
    default: return nullptr;
    }
}

void sysPresent(int window, int x, int y, int width, int height, const Picture& source, int sx, int sy)
{
    HWND target = presentWindow(window);
    if (!target || shutdownBegun)
        return;
    if (target == paintingWindow) {
        presentPicture(paintingDc, x, y, width, height, source, sx, sy);
        return;
    }
    HDC dc = GetDC(target);
    presentPicture(dc, x, y, width, height, source, sx, sy);
    ReleaseDC(target, dc);
}

void sysRealisePalette(int window)
{
    HWND target = presentWindow(window);
    if (!target || shutdownBegun)
        return;
    HDC dc = GetDC(target);
    HPALETTE old = selectProgramPalette(dc);
    SelectPalette(dc, old, FALSE);
    ReleaseDC(target, dc);
}

// A whole repaint through the core, inside the window's paint cycle.
void paintThroughCore(HWND window, void (*paint)())
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (!shutdownBegun) {
        paintingWindow = window;
        paintingDc = dc;
        paint();
        paintingWindow = nullptr;
        paintingDc = nullptr;
    }
    EndPaint(window, &ps);
}

static LRESULT CALLBACK sceneWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paintThroughCore(window, window == streetWindow ? paintStreet : window == hallWindow ? paintHall : paintPlay);
        uiBusy = 0; // a scene change is over once its window has painted
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_RBUTTONDOWN: {
        POINT at = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
        showPopupMenu(window, at);
        return 0;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The program's window classes: no class styles, the arrow cursor, the
// hollow brush (the windows never erase), no icon, no menu.
bool registerChildClass(const wchar_t* className, WNDPROC procedure)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = appInstance;
    wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}

static HWND createScene(const wchar_t* className)
{
    if (!registerChildClass(className, sceneWindowProc))
        return nullptr;
    return CreateWindowExW(0, className, nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 480, 432, mainWindow, nullptr,
                           appInstance, nullptr);
}

bool createChildWindows()
{
    if (!createInfoPanel())
        return false;
    streetWindow = createScene(L"Qm4101Demo");
    hallWindow = createScene(L"Qm4101Hall");
    playWindow = createScene(L"Qm4101Play");
    return streetWindow && hallWindow && playWindow;
}
