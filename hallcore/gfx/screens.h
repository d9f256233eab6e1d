// The screens: tick updates (called by the tick handler for the active slot)
// and full repaints (called by the windows' paint). Each composes into the
// core's surfaces and shows the result through sys_present.h.
#pragma once

// The hall view must redraw its cabinets (a box count changed, a customer
// came or went).
extern int hallDirty;

void streetTick();
void hallViewTick();
void playTick();

// The info panel's tick: the handle step first, then (every 16 ticks) the
// clock check that opens and closes the shops, and the panel's figures.
void panelTick();

// Full repaints of each window.
void paintStreet();
void paintHall();
void paintPlay();
void paintPanel();
