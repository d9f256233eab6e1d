// Command dispatch and the close query.
#include "hallcore/shell/command_ids.h"
#include "hallcore/shell/player_slots.h"
#include "win32/win32_app.h"

void dispatchCommand(int id, HWND window, LPARAM)
{
    switch (id) {
    case kCmdInstallMenu:
        DrawMenuBar(window);
        break;
    case kCmdExit:
        if (closeQuery(window))
            DestroyWindow(window);
        break;
    default:
        break;
    }
}

// Nobody can sit down yet, so there is nobody to walk out: the program may close.
bool closeQuery(HWND)
{
    return true;
}
