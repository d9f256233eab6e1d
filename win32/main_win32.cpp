// The program's entry: the family's single-instance guard, the main window
// and the message loop.
#include <cstring>

#include "hallcore/shell/startup.h"
#include "programs/resource_ids.h"
#include "win32/dialogs_win32.h"
#include "win32/win32_app.h"

HINSTANCE appInstance;
HWND noticeWindow;
wchar_t startDirectory[MAX_PATH];

static const wchar_t kGuardName[] = L"VENKOSharedDATA";
enum { kGuardSize = 4096 };

// Shows the running program's text, read from the guard and bounded by the
// mapping's size, whatever another program left in it.
static void showGuardText(HANDLE mapping)
{
    const char* view = (const char*)MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, kGuardSize);
    static wchar_t text[kGuardSize];
    text[0] = 0;
    if (view) {
        int length = 0;
        while (length < kGuardSize && view[length])
            length++;
        int n = MultiByteToWideChar(932, 0, view, length, text, kGuardSize - 1);
        text[n > 0 ? n : 0] = 0;
        UnmapViewOfFile(view);
    }
    MessageBoxW(nullptr, text, loadText(0, 1), MB_OK | MB_ICONSTOP);
}

// Writes this program's string 5 (Shift-JIS, as every program of the family
// reads it) into a new guard.
static void writeGuardText(HANDLE mapping)
{
    char* view = (char*)MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kGuardSize);
    if (!view)
        return;
    int n = WideCharToMultiByte(932, 0, loadText(1, STR_RUNNING_ALONE), -1, view, kGuardSize, nullptr, nullptr);
    if (n <= 0)
        view[0] = 0;
    view[kGuardSize - 1] = 0;
    UnmapViewOfFile(view);
}

// Returns false when another program of the family runs (after telling the user).
static bool claimGuard(HANDLE* guard)
{
    *guard = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kGuardSize, kGuardName);
    if (!*guard)
        return true; // no guard to be had: run without one
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        showGuardText(*guard);
        CloseHandle(*guard);
        *guard = nullptr;
        return false;
    }
    writeGuardText(*guard);
    return true;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    appInstance = instance;

    HANDLE guard;
    if (!claimGuard(&guard))
        return 0;

    forgetClockMinute();
    if (!GetCurrentDirectoryW(MAX_PATH, startDirectory))
        startDirectory[0] = 0;

    int exitCode = 0;
    if (createMainWindow(showCommand)) {
        HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(RES_ACCELERATORS));
        noticeWindow = createNoticeWindow(mainWindow);

        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (noticeWindow && IsDialogMessageW(noticeWindow, &msg))
                continue;
            if (accelerators && TranslateAcceleratorW(mainWindow, accelerators, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        exitCode = (int)msg.wParam;
    }

    if (guard)
        CloseHandle(guard);
    return exitCode;
}
