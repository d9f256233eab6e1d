// The five-line reels: positions and cells, lines, the reach and win checks,
// the set-up at a spin's start, the run of phase 0, the stop bounce and the
// middle reel's slides, the settle, and the display a reset leaves.
#include "five_line.h"

#include "hallcore/machine/math_util.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/random.h"

// ---------------------------------------------------------------- cells

int stripSymbol(int reel, int cell)
{
    return kFiveLine.strip[reel][wrapIndex(cell, kFiveLine.cells)];
}

int normalisedPosition(int pos)
{
    return kFiveLine.posMin + wrapIndex(pos - kFiveLine.posMin, kFiveLine.turn);
}

void moveReel(MachineState& m, int reel, int delta)
{
    m.reelPos[reel] = normalisedPosition(m.reelPos[reel] + delta);
}

int shownCell(const MachineState& m, int reel, int row)
{
    return wrapIndex(m.reelPos[reel] / kCellPixels + row, kFiveLine.cells);
}

int stopCell(const MachineState& m, int reel, int row)
{
    // the whole travel and the boost still to run, in cells (a bounce, below
    // one cell, counts as none)
    int ahead = m.reelTravel[reel] / kCellPixels + m.reelBoost[reel];
    return wrapIndex(m.reelPos[reel] / kCellPixels + row - wrapIndex(ahead, kFiveLine.cells), kFiveLine.cells);
}

int stopSymbol(const MachineState& m, int reel, int row)
{
    return stripSymbol(reel, stopCell(m, reel, row));
}

// ---------------------------------------------------------------- lines

// Rows of the left, middle and right reel on lines 1..5.
static const int kLineRows[6][kFiveLineReels] = {
    {kTopRow, kMiddleRow, kBottomRow},    // (line 0: none; read as line 1)
    {kTopRow, kMiddleRow, kBottomRow},    // 1: the diagonal down to the right
    {kTopRow, kTopRow, kTopRow},          // 2: the top row
    {kMiddleRow, kMiddleRow, kMiddleRow}, // 3: the middle row
    {kBottomRow, kBottomRow, kBottomRow}, // 4: the bottom row
    {kBottomRow, kMiddleRow, kTopRow},    // 5: the diagonal up to the right
};

int lineRow(int line, int reel)
{
    if (line < 1 || line > 5)
        line = 1; // line 6 (both diagonals) and anything else: the middle row in the middle
    return kLineRows[line][reel];
}

int reachMiddleRow(int line)
{
    return line == 2 ? kTopRow : line == 4 ? kBottomRow : kMiddleRow;
}

bool reachCheck(MachineState& m)
{
    int left[3], right[3];
    for (int r = 0; r < 3; r++) {
        left[r] = stopSymbol(m, kLeftReel, r);
        right[r] = stopSymbol(m, kRightReel, r);
    }
    // blanks are each reel's own symbol, so they never agree
    m.reachLine = 0;
    for (int r = 0; r < 3 && m.reachLine == 0; r++)
        if (left[r] == right[r])
            m.reachLine = 2 + r;
    if (m.reachLine == 0) {
        if (left[kTopRow] == right[kBottomRow])
            m.reachLine = left[kBottomRow] == right[kTopRow] ? kLineBothDiagonals : 1;
        else if (left[kBottomRow] == right[kTopRow])
            m.reachLine = 5;
    }
    return m.reachLine != 0;
}

bool winCheck(MachineState& m)
{
    static const int kOrder[5] = {2, 3, 4, 1, 5};
    for (int line : kOrder) {
        int s = stopSymbol(m, kLeftReel, lineRow(line, kLeftReel));
        if (s == stopSymbol(m, kMiddleReel, lineRow(line, kMiddleReel))
            && s == stopSymbol(m, kRightReel, lineRow(line, kRightReel))) {
            m.reachSymbol = s;
            m.reachLine = line;
            return true;
        }
    }
    m.reachSymbol = 0;
    m.reachLine = 0;
    return false;
}

int cellsToSymbol(const MachineState& m, int reel, int symbol, int row)
{
    int from = m.reelPos[reel] / kCellPixels + row;
    for (int k = 0; k < kFiveLine.cells; k++)
        if (stripSymbol(reel, from - k) == symbol)
            return k;
    return kFiveLine.cells;
}

// ---------------------------------------------------------------- the set-up

void setUpReels(MachineState& m)
{
    const int n = kFiveLine.cells;
    for (int r = 0; r < kFiveLineReels; r++)
        m.reelTravel[r] = kFiveLine.startTravel[r];
    if (m.drawOutcome != 0) {
        m.reachSymbol = 1 + randomNext() % kFiveLine.numberSymbols;
        m.reachLine = 1 + randomNext() % 5;
        m.reelBoost[kMiddleReel] = randomNext() % n;
        // the travel is whole turns, so k cells more stop the symbol in the row
        m.reelBoost[kLeftReel] = cellsToSymbol(m, kLeftReel, m.reachSymbol, lineRow(m.reachLine, kLeftReel));
        m.reelBoost[kRightReel] = cellsToSymbol(m, kRightReel, m.reachSymbol, lineRow(m.reachLine, kRightReel));
        return;
    }
    for (int r = 0; r < kFiveLineReels; r++)
        m.reelBoost[r] = randomNext() % n;
    if (reachCheck(m)) {
        // one reel a cell further; that may make another reach, which the
        // right reel's stop then finds
        if (randomNext() % 2 == 0)
            m.reelBoost[kRightReel] += 1;
        else
            m.reelBoost[kLeftReel] += 1;
    }
}

// ---------------------------------------------------------------- running

// The plain stop bounce: a little past the stop and back.
static const SlideRow kPlainBounceRows[] = {
    {-2, -2, -4}, // down 4 pixels past the cell
    {-1, -1, +4}, // and back onto it
};
const SlideTable kPlainBounce = {kBounceStart, kPlainBounceRows, 2, 0};

// Travel used up: the stop bounce starts, with its click.
static void startBounce(MachineState& m, int reel)
{
    m.reelTravel[reel] = kBounceStart;
    if (m.soundRequest >= 0)
        m.soundRequest = kWaveReelStop;
}

// One step of a reel's slide or bounce; true when the travel reached 0.
static bool slideReel(MachineState& m, int reel, const SlideTable& t)
{
    int32_t& travel = m.reelTravel[reel];
    int move = 0;
    for (int i = 0; i < t.rowCount; i++)
        if (travel >= t.rows[i].from && travel <= t.rows[i].to)
            move = t.rows[i].move;
    if (t.soundAt != 0 && travel == t.soundAt && m.soundRequest >= 0)
        m.soundRequest = kWaveReelStop;
    moveReel(m, reel, move);
    travel += 1;
    return travel == 0;
}

bool slideMiddle(MachineState& m, const SlideTable& t)
{
    return slideReel(m, kMiddleReel, t);
}

bool runMiddle(MachineState& m, int step)
{
    int32_t& travel = m.reelTravel[kMiddleReel];
    if (travel <= 0)
        return true; // a standing middle reel (a damaged record): its run is over
    int move = step < travel ? step : travel;
    travel -= move;
    moveReel(m, kMiddleReel, -move);
    return travel == 0;
}

int runReels(MachineState& m)
{
    const FiveLineModel& f = kFiveLine;
    int events = 0;
    for (int r = 0; r < kFiveLineReels; r++) {
        int32_t& travel = m.reelTravel[r];
        if (travel > 0) {
            int move = travel > f.fastAbove ? f.fastMove : travel > f.midAbove ? f.midMove : f.slowMove;
            if (move > travel)
                move = travel; // a damaged travel still ends at 0
            travel -= move;
            if (m.reelBoost[r] > 0) {
                m.reelBoost[r] -= 1;
                move += kCellPixels;
            }
            moveReel(m, r, -move);
            if (travel == 0)
                startBounce(m, r);
        } else if (travel < 0) {
            if (!slideReel(m, r, kPlainBounce))
                continue;
            if (r == kRightReel && reachCheck(m)) {
                if (m.drawOutcome == 0)
                    m.drawOutcome = 1; // a reach the lottery did not plan: a losing one
                events |= kReachFound;
            }
            if (r == kMiddleReel) {
                m.spinPhase = f.settlePhase;
                m.modeTick = 0;
                events |= kMiddleStopped;
            }
        } else if (r == kMiddleReel) {
            startBounce(m, r); // standing while it should run (a damaged record): it stops now
        }
    }
    return events;
}

void settle(MachineState& m)
{
    if (m.modeTick < kFiveLine.settleSteps)
        return;
    m.spinPhase = 0;
    bool won = winCheck(m); // what the reels show decides, not the lottery
    m.modeTick = 0;
    if (won) {
        m.actionTick = 0;
        m.round = 0;
        m.vHit = 0;
        m.mode = 3;
    } else {
        m.mode = 1;
    }
}

void endDamagedSpin(MachineState& m)
{
    m.spinPhase = kFiveLine.settlePhase;
    m.modeTick = 0;
}

// ---------------------------------------------------------------- resets

void resetReels(MachineState& m, int kind)
{
    const int n = kFiveLine.cells;
    for (int r = 0; r < kFiveLineReels; r++) {
        m.reelPos[r] = normalisedPosition((randomNext() % n) * kCellPixels);
        m.reelTravel[r] = 0;
        m.reelBoost[r] = 0;
    }
    if (winCheck(m))
        moveReel(m, randomNext() % 3, -kCellPixels); // one reel back a cell: no win shows
    m.spinPhase = 0;
    m.drawOutcome = 0;
    m.actionTick = 0;
    m.reachSymbol = 0;
    m.reachLine = 0;
    for (int32_t& s : m.spinner)
        s = 0;
    if (kind == 0 || kind == 1)
        for (int r = 0; r < kFiveLineReels; r++)
            m.reelPos[r] = kFiveLine.newDayPos;
}

// ---------------------------------------------------------------- records

static bool within(int32_t v, int32_t lo, int32_t hi)
{
    return v >= lo && v <= hi;
}

bool reelWordsAreValid(const MachineState& m)
{
    const FiveLineModel& f = kFiveLine;
    for (int r = 0; r < kFiveLineReels; r++)
        if (!within(m.reelPos[r], f.posMin, f.posMin + f.turn - 1) || !within(m.reelTravel[r], f.deepestSlide, f.longestTravel)
            || !within(m.reelBoost[r], 0, f.cells))
            return false;
    // the screen negates a windmill's value: nothing near the ends of the word
    for (int32_t s : m.spinner)
        if (!within(s, -64, 64))
            return false;
    return within(m.spinPhase, 0, f.maxPhase) && within(m.drawOutcome, 0, f.maxOutcome)
           && within(m.reachSymbol, 0, f.numberSymbols) && within(m.reachLine, 0, kLineBothDiagonals)
           && within(m.actionTick, 0, 1000000) && within(m.vHit, 0, 64);
}
