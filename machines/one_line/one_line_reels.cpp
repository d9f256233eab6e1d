// The one-line reels: the strip, the cell arithmetic, the lottery up to its
// outcome, the reel set-up, the running reels of spin phase 0 and the settle.
#include "hallcore/machine/math_util.h"
#include "hallcore/machine/random.h"
#include "one_line.h"

// ---------------------------------------------------------------- reel arithmetic

int stripSymbol(int cell)
{
    return kStripCells - wrapIndex(cell, kStripCells);
}

int symbolCell(int symbol)
{
    return symbol >= 1 && symbol <= kStripCells ? kStripCells - symbol : -1;
}

int32_t wrapPosition(int64_t position)
{
    const int64_t floor = kOneLine.positionFloor, turn = kOneLine.turnPixels;
    // a move leaves a reel on its turn or just below it: no division then
    int64_t r = position - floor;
    if (r >= 0 && r < turn)
        return static_cast<int32_t>(position);
    if (r < 0 && r >= -turn)
        return static_cast<int32_t>(position + turn);
    r %= turn;
    if (r < 0)
        r += turn;
    return static_cast<int32_t>(floor + r);
}

int positionCell(int32_t position)
{
    // floor division, so a position below 0 (a record from elsewhere) still
    // names the cell it lies in
    int c = kOneLine.cellPixels;
    int q = position / c - (position % c < 0 ? 1 : 0);
    return wrapIndex(q, kStripCells);
}

int shownSymbol(const MachineState& m, int reel)
{
    return stripSymbol(positionCell(m.reelPos[reel]));
}

int comingSymbol(const MachineState& m, int reel)
{
    int cells = m.reelTravel[reel] / kOneLine.cellPixels + m.reelBoost[reel];
    return stripSymbol(positionCell(m.reelPos[reel]) - wrapIndex(cells, kStripCells));
}

int cellsToSymbol(int32_t position, int symbol)
{
    int cell = positionCell(position);
    for (int k = 0; k < kStripCells; k++)
        if (stripSymbol(cell - k) == symbol)
            return k;
    return kStripCells;
}

int32_t roundToCell(int32_t position)
{
    int32_t p = wrapPosition(position);
    return wrapPosition(p - p % kOneLine.cellPixels);
}

bool onCellBoundary(int32_t position)
{
    return wrapIndex(position, kOneLine.cellPixels) == 0;
}

int cellDifference(int a, int b)
{
    return wrapIndex(a - b, kStripCells);
}

bool isChanceSymbol(int symbol)
{
    for (int i = 0; i < kOneLine.chanceSymbolCount; i++)
        if (kOneLine.chanceSymbols[i] == symbol)
            return true;
    return false;
}

bool reelsAgree(const MachineState& m)
{
    int s = shownSymbol(m, kReelLeft);
    return shownSymbol(m, kReelMiddle) == s && shownSymbol(m, kReelRight) == s;
}

// ---------------------------------------------------------------- the lottery

int drawOneLineLottery(MachineState& m)
{
    return drawLotteryResult(m, *kOneLine.lottery, m.chanceCount > 0);
}

void setSpinTravel(MachineState& m)
{
    const int* travel = m.heldStarts <= 1 ? kOneLine.longTravel : kOneLine.shortTravel;
    for (int r = 0; r < kOneLineReels; r++)
        m.reelTravel[r] = travel[r];
}

void setUpReels(MachineState& m)
{
    for (int r = 0; r < kOneLineReels; r++)
        m.reelPos[r] = roundToCell(m.reelPos[r]);
    if (m.drawOutcome >= 1) {
        int symbol = chooseReachSymbol(m);
        m.reachSymbol = symbol;
        m.reelBoost[kReelLeft] = cellsToSymbol(m.reelPos[kReelLeft], symbol);
        m.reelBoost[kReelMiddle] = cellsToSymbol(m.reelPos[kReelMiddle], symbol) + kOneLine.middleBoostExtra;
        m.reelBoost[kReelRight] = randomNext() % kStripCells;
        return;
    }
    for (int r = 0; r < kOneLineReels; r++)
        m.reelBoost[r] = randomNext() % kStripCells;
    if (comingSymbol(m, kReelLeft) == comingSymbol(m, kReelMiddle)) {
        // A boost of 14 raised to 15 is a whole turn: the two still agree,
        // and the reels make a reach the lottery did not plan.
        if (randomNext() % 2 == 0)
            m.reelBoost[kReelMiddle] += 1;
        else
            m.reelBoost[kReelLeft] += 1;
    }
}

// ---------------------------------------------------------------- running reels

void moveReel(MachineState& m, int reel, int pixels)
{
    m.reelPos[reel] = wrapPosition(static_cast<int64_t>(m.reelPos[reel]) - pixels);
    m.reelTravel[reel] -= pixels;
}

bool moveRunningReel(MachineState& m, int reel, bool (*jumped)(MachineState&, int reel))
{
    int32_t& travel = m.reelTravel[reel];
    int move = travel < kOneLine.restBelow ? travel
             : travel <= kOneLine.slowWithin ? kOneLine.slowMove
                                             : kOneLine.fastMove;
    if (move > travel)
        move = travel;
    moveReel(m, reel, move);
    if (jumped && jumped(m, reel))
        return false; // the model stopped it on its cell
    if (m.reelBoost[reel] > 0) {
        m.reelBoost[reel] -= 1;
        m.reelPos[reel] = wrapPosition(static_cast<int64_t>(m.reelPos[reel]) - kOneLine.cellPixels);
    }
    if (travel <= 0) {
        travel = -1;
        return true;
    }
    return false;
}

void settleSpin(MachineState& m)
{
    if (m.modeTick <= kOneLine.settleAfter)
        return;
    m.spinPhase = 0;
    m.modeTick = 0;
    m.actionTick = 0;
    m.round = 0;
    m.vHit = 0;
    if (reelsAgree(m)) {
        m.reachSymbol = shownSymbol(m, kReelLeft); // what won, planned or not
        m.mode = 3;
    } else {
        m.mode = 1;
    }
}

// ---------------------------------------------------------------- resets

void resetOneLineReels(MachineState& m)
{
    for (int r = 0; r < kOneLineReels; r++)
        m.reelPos[r] = wrapPosition(int64_t(randomNext() % kStripCells) * kOneLine.cellPixels);
    if (positionCell(m.reelPos[0]) == positionCell(m.reelPos[1]) && positionCell(m.reelPos[1]) == positionCell(m.reelPos[2])) {
        int r = randomNext() % kOneLineReels; // no three of a kind standing
        m.reelPos[r] = wrapPosition(int64_t(m.reelPos[r]) - kOneLine.cellPixels);
    }
    for (int r = 0; r < kOneLineReels; r++) {
        m.reelTravel[r] = 0;
        m.reelBoost[r] = 0;
    }
    for (int32_t& s : m.spinner)
        s = 0;
    m.spinPhase = 0;
    m.drawOutcome = 0;
    m.actionTick = 0;
    m.reachSymbol = kNoSymbol;
    m.chanceCount = 0; // only a vacated machine (kind 2) keeps its chance state
}
