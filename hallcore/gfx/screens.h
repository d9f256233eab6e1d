// The screens' tick updates, called by the tick handler for the active slot.
#pragma once

// The hall view must redraw its cabinets (a box count changed, a customer
// came or went).
extern int hallDirty;

void streetTick();
void hallViewTick();
void playTick();

// The info panel's tick: the handle step, and every 16 ticks the clock check
// that opens and closes the shops.
void panelTick();
