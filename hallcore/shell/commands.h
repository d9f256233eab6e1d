// Every command of the program: menus, popup menus, panel buttons, the F1
// key and the events the hall posts. They change the active slot's scene.
#pragma once
#include <cstdint>

// Pixels the hall view still slides: +192 after the previous-machine
// command, -192 after the next; the hall screen brings it back to 0.
extern int hallScroll;

void dispatchCommand(int id, int32_t lParam);

// Walks every player out before the program ends: stops each seated player
// (asking), and leaves the shop. False when the user cancelled a question:
// the program keeps running.
bool closeQuery();

// Posts again what a slot's machine is waiting to tell its player (the
// no-balls notice, a forced stop), if that slot is the active one.
void deliverPendingEvents();

// Modal boxes and dialogs run their own message loops. While one is open the
// hall's events are held back, and delivered again when it is gone.
void beginModal();
void endModal();
extern int modalDepth;
