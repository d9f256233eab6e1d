// Machine No.3's rules, shared by its files and its tests.
#pragma once
#include "hallcore/machine/machine_module.h"
#include "hallcore/machine/machine_words.h"

// No.3's waves (kWaveSpinStart 701 and kWaveReelStop 702 are every model's).
enum {
    kWaveLostSpin = 703,
    kWaveReach = 704,
    kWaveFanfare = 705,
    kWaveRoundStart = 706,
    kWaveRoundMusic = 707, // looped while the door is open
    kWaveEnding = 708,
    kWaveLast = kWaveEnding,
};

// --- reels (no3_reels.cpp) ---

enum {
    kReels = 9,
    kShortStripCells = 30, // reels 0, 1, 3, 5, 7, 8
    kLongStripCells = 54,  // reels 2, 4, 6: the anti-diagonal, stopping last
    kCellUnits = 6,        // position units per strip cell
};

// Line bits of lineMask.
enum {
    kLineTopRow = 0x0001,
    kLineRightColumn = 0x0002,
    kLineBottomRow = 0x0010,
    kLineLeftColumn = 0x0020,
    kLineMiddleRow = 0x0100,
    kLineMiddleColumn = 0x0200,
    kLineDiagonalDown = 0x0400, // cells 0-4-8
    kLineDiagonalUp = 0x0800,   // cells 2-4-6
    kLineAllTwos = 0x1000,
    kLinesOfCell2 = 0x000F,
    kLinesOfCell6 = 0x00F0,
    kLinesOfCentre = 0xFF00,
};

int reelCells(int reel);
// Symbol of a strip cell (0 blank, 1 prize, 2 and 3 ordinary); any index wraps.
int stripSymbol(int reel, int cell);

// Line evaluation of stopSymbol into lineMask; true when any bit is set.
bool reachMask(MachineState& m);
bool winMask(MachineState& m);

// Start of a spin: setting, outcome, symbols and reel set-up.
void drawLottery(MachineState& m);
// Symbols for the outcome in stopStage (2 prize, 1 reach, 0 miss), then the reels.
void chooseSymbols(MachineState& m);
// The reel set-up for the symbols and lineMask in place: travel and boost
// so that every reel stops on its symbol (the reach reels on cell 0).
void setUpReels(MachineState& m);
// A fresh losing pattern, standing still.
void showRandomMiss(MachineState& m);
// Mode 2, every step.
void spinStep(MachineState& m);

// --- fever (no3_fever.cpp) ---

void feverStep(MachineState& m);
