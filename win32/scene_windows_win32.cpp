// The info panel and the three scene windows (street, hall, play).
//
// Until the screens are composed from their artwork, the scenes show a plain
// board with the hall's state, so a person can see the program is alive.
#include <cstdio>

#include "hallcore/hall/shops.h"
#include "hallcore/shell/player_slots.h"
#include "hallcore/shell/tick.h"
#include "win32/win32_app.h"

HWND infoWindow, streetWindow, hallWindow, playWindow;

static void paintPlaceholder(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r;
    GetClientRect(window, &r);
    FillRect(dc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH));
    if (!shutdownBegun && window == streetWindow) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        wchar_t line[128];
        swprintf(line, 128, L"%ls", loadText(0, 1));
        TextOutW(dc, 24, 24, line, lstrlenW(line));
        static const wchar_t* const names[2] = {L"\u663c\u306e\u304a\u5e97", L"\u591c\u306e\u304a\u5e97"};
        for (int s = 0; s < kShopCount; s++) {
            swprintf(line, 128, L"%ls: %ls", names[s],
                     shops[s].openState ? L"\u55b6\u696d\u4e2d" : L"\u9589\u5e97");
            TextOutW(dc, 24, 56 + 24 * s, line, lstrlenW(line));
        }
    }
    EndPaint(window, &ps);
    uiBusy = 0; // a scene change is over once its window has painted
}

static LRESULT CALLBACK sceneWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paintPlaceholder(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_RBUTTONDOWN:
        if (window != infoWindow) {
            POINT at = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
            showPopupMenu(window, at);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

static HWND createChild(const wchar_t* className, int x, int width)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = sceneWindowProc;
    wc.hInstance = appInstance;
    wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc))
        return nullptr;
    return CreateWindowExW(0, className, nullptr, WS_CHILD | WS_CLIPSIBLINGS, x, 0, width, 432, mainWindow,
                           nullptr, appInstance, nullptr);
}

bool createChildWindows()
{
    infoWindow = createChild(L"Qm4101Info", 480, 128);
    streetWindow = createChild(L"Qm4101Demo", 0, 480);
    hallWindow = createChild(L"Qm4101Hall", 0, 480);
    playWindow = createChild(L"Qm4101Play", 0, 480);
    return infoWindow && streetWindow && hallWindow && playWindow;
}
