// Every command of the program: menus, popup menus, panel buttons, the F1
// key and the events the hall posts. They change the active slot's scene.
#pragma once
#include <cstdint>

void dispatchCommand(int id, int32_t lParam);

// Walks every player out before the program ends: stops each seated player
// (asking), and leaves the shop. False when the user cancelled a question:
// the program keeps running.
bool closeQuery();

// After every hall pass: what the hall queued for the player (fever
// announcements, the no-balls notice, a stand-up) is posted to the window as
// kCmdNotice (machine * 65536 + string id) and kCmdForcedStop (reason).
void deliverHallEvents();

// Posts again what a slot's machine is waiting to tell its player (the
// no-balls notice, a forced stop), if that slot is the active one.
void deliverPendingEvents();

// Modal boxes and dialogs run their own message loops. While one is open the
// hall's events are held back, and delivered again when it is gone.
void beginModal();
void endModal();
extern int modalDepth;
