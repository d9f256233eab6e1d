// Platform: what the core tells the window layer. Posted, never sent, so the
// core never re-enters itself from inside a tick.
#pragma once
#include <cstdint>

// Posts a command (WM_COMMAND with that id and lParam) to the main window.
// Used by the hall simulation for its fever and stand-up notices.
void sysPostCommand(int command, int32_t lParam);

// Posts the notice window's pacing command 1502 (once every 64 ticks).
void sysPostNoticePacing();
