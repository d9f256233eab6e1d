// The screens: tick updates (called by the tick handler for the active slot)
// and full repaints (called by the windows' paint). Each composes into the
// core's surfaces and shows the result through sys_present.h.
//
// street and play: screens.cpp; the hall view: hall_screen.cpp; the info
// panel: panel_screen.cpp.
#pragma once
#include <cstdint>

#include "hallcore/gfx/bitmap.h"
#include "machine_model.h"

// Pixels the hall view still slides: +192 after the previous-machine
// command, -192 after the next; the hall screen brings it back to 0.
extern int hallScroll;

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

// --- the hall view ---

enum {
    kHallColumnWidth = 192,
    kHallViewMachines = 0, // cursor - 1 .. cursor + 1 in the 480-pixel view
    kHallSlidePrevious = 1, // cursor - 1 .. cursor + 2, for the slide to the left neighbour
    kHallSlideNext = 2,     // cursor - 2 .. cursor + 1, for the slide to the right neighbour
};

// Draws the active slot's hall view in one of the three modes into `target`
// (the scene surface, or the wide surface for a slide).
void drawHallView(Picture& target, int mode);

// Frame of the cabinet's top lamp (picture 515): 0 off, else the fever kind
// (1 for kind 0). Off while the shop is closed, and on the dark half of a
// fever's blink.
int hallLampFrame(int openState, const MachineState& m);

// Frame of the cabinet front (picture 519): 0 nobody plays it, 2 a customer
// or a seated player does; plus 1 on the bright half of a fever's blink.
int hallFrontFrame(const MachineState& m);

// Sprite standing in front of the cabinet: 517 somebody plays it, 516 the
// empty stool (also while its player walks the hall).
int hallSeatSprite(const MachineState& m);

// Where full ball box k of a column whose left edge is `columnX` stands
// (the box sprite's top-left corner).
void hallBoxPosition(int columnX, int k, int* x, int* y);

// Boxes worth drawing: boxes from the 21st on share the sixth stack, so more
// than 24 look the same as 24.
int hallBoxesDrawn(int32_t boxes);

// --- the info panel ---

// Map icon frame shown for a machine: its occupant (0 empty, 1 customer,
// 2..5 players), a player's icon going dark on the blink while the machine
// is out of balls or leaving, or while its player walks the hall.
int panelIconFrame(const MachineState& m);

// The six characters of a figure of the panel (spins, balls), "%6d" of the
// value held to 0..999999; blanks are spaces.
void panelFigureText(int64_t value, char out[7]);

// Composes the panel's parts into the panel surface (the paint and the tick
// use these; exposed for the render tests).
void drawPanelClock();
void drawPanelMap();
void drawPanelTabs();
void drawPanelMachineFigures();
