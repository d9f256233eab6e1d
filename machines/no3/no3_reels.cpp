// Machine No.3's lottery and its nine reels.
//
// The lottery decides the spin the moment it starts; the reels then play the
// decision out. The outer six reels stop first, the anti-diagonal 2, 4, 6
// last, and a reach (two prize symbols of a line standing) makes the last
// reels of that line run slowly before they stop.
#include "hallcore/machine/math_util.h"
#include "hallcore/machine/random.h"
#include "no3.h"
#include "no3_lottery.h"

// Strip cells, cell 0 first: 0 blank, 1 the prize symbol (only at cell 0),
// 2 and 3 ordinary symbols.
static const unsigned char kShortStrip[kShortStripCells] = {
    1, 0, 0, 0, 2, 0, 0, 3, 0, 0, 2, 0, 0, 3, 0, 0, 2, 0, 0, 3, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0,
};
static const unsigned char kLongStrip[kLongStripCells] = {
    1, 0, 0, 3, 0, 3, 0, 0, 2, 0, 0, 3, 0, 3, 0, 3, 0, 0, 2, 0, 0, 3, 0, 3, 0, 3, 0,
    0, 2, 0, 0, 3, 0, 3, 0, 3, 0, 0, 2, 0, 0, 3, 0, 3, 0, 3, 0, 0, 2, 0, 0, 3, 0, 0,
};

static bool isLongReel(int reel)
{
    return reel == 2 || reel == 4 || reel == 6;
}

int reelCells(int reel)
{
    return isLongReel(reel) ? kLongStripCells : kShortStripCells;
}

int stripSymbol(int reel, int cell)
{
    int n = reelCells(reel);
    return isLongReel(reel) ? kLongStrip[wrapIndex(cell, n)] : kShortStrip[wrapIndex(cell, n)];
}

// --- lines ---

struct Line {
    int bit;
    int early[2]; // two prize symbols here make a reach
    int last;     // the third makes the win
};

static const Line kLines[8] = {
    {kLineTopRow, {0, 1}, 2},       {kLineRightColumn, {5, 8}, 2},
    {kLineBottomRow, {7, 8}, 6},    {kLineLeftColumn, {0, 3}, 6},
    {kLineMiddleRow, {3, 5}, 4},    {kLineMiddleColumn, {1, 7}, 4},
    {kLineDiagonalDown, {0, 8}, 4}, {kLineDiagonalUp, {2, 6}, 4},
};

static int evaluateLines(const MachineState& m, bool wins)
{
    const int32_t* s = m.stopSymbol;
    int mask = 0;
    for (const Line& l : kLines)
        if (s[l.early[0]] == 1 && s[l.early[1]] == 1 && (!wins || s[l.last] == 1))
            mask |= l.bit;
    bool twos = true; // all 2s: eight cells for the reach, all nine for the win
    for (int k = 0; k < kReels; k++)
        if ((k != 4 || wins) && s[k] != 2)
            twos = false;
    if (twos)
        mask |= kLineAllTwos;
    return mask;
}

bool reachMask(MachineState& m)
{
    m.lineMask = evaluateLines(m, false);
    return m.lineMask != 0;
}

bool winMask(MachineState& m)
{
    m.lineMask = evaluateLines(m, true);
    return m.lineMask != 0;
}

// --- lottery ---

void drawLottery(MachineState& m)
{
    lotteryPrelude(m, kLottery);
    int prizeOdds = lotteryPrizeOdds(m, kLottery, false);
    int reachOdds = kLottery.reachOdds[m.setting];

    int outcome = 0;
    if (oneIn(prizeOdds))
        outcome = 2;
    else if (oneIn(reachOdds))
        outcome = 1;

    m.stopStage = outcome;
    chooseSymbols(m);
    m.stopStage = 0;
}

// --- symbols ---

// The cells of the line rand() % 8 picks for the three prize symbols.
static const int kPrizeLines[8][3] = {
    {0, 1, 2}, {2, 5, 8}, {6, 7, 8}, {0, 3, 6}, {3, 4, 5}, {1, 4, 7}, {0, 4, 8}, {2, 4, 6},
};

static void chooseWinningOrReach(MachineState& m, bool spoil)
{
    int32_t* s = m.stopSymbol;
    if (oneIn(16)) {
        for (int k = 0; k < kReels; k++)
            s[k] = 2;
    } else {
        bool three = oneIn(2);
        for (int k = 0; k < kReels; k++)
            s[k] = three ? randomNext() % 3 + 1 : randomNext() % 2 + 2;
        const int* line = kPrizeLines[randomNext() % 8];
        for (int i = 0; i < 3; i++)
            s[line[i]] = 1;
    }
    if (!spoil)
        return;
    // a reach without the prize: the last cell of every reach stays off
    reachMask(m);
    int mask = m.lineMask;
    if (mask & kLinesOfCell2)
        s[2] = randomNext() % 2 + 2;
    if (mask & kLinesOfCell6)
        s[6] = randomNext() % 2 + 2;
    if (mask & 0x0F00)
        s[4] = randomNext() % 2 + 2;
    if (mask & kLineAllTwos)
        s[4] = oneIn(2) ? 1 : 3;
}

static void chooseMiss(MachineState& m)
{
    int32_t* s = m.stopSymbol;
    for (int k = 0; k < kReels; k++)
        s[k] = randomNext() % 3 + 1;
    // break every reach, in one pass over the mask taken before any change
    reachMask(m);
    int mask = m.lineMask;
    for (const Line& l : kLines) {
        if (mask & l.bit) {
            int cell = oneIn(2) ? l.early[0] : l.early[1];
            s[cell] = randomNext() % 2 + 2;
        }
    }
    if (mask & kLineAllTwos) {
        if (oneIn(2))
            s[2] = 3;
        else
            s[6] = 3;
    }
}

// Base travel of each reel: whole turns of its strip, so the base alone
// brings a reel back to the cell it started on; the boost shifts the stop
// cell without changing the stop time.
static const int kBaseTravel[kReels] = {1620, 1944, 2268, 1944, 2592, 1944, 2268, 1944, 1620};
static const int kBaseBoost[kReels] = {0, 6, 0, 6, 0, 6, 0, 6, 0};

void setUpReels(MachineState& m)
{
    for (int k = 0; k < kReels; k++) {
        m.reelBoost[k] = kBaseBoost[k];
        m.reelTravel[k] = kBaseTravel[k];
        int target = m.stopSymbol[k];
        // the reach reels all aim at cell 0 and are retargeted during the reach
        if ((k == 2 || k == 6) && (m.lineMask & 0xFF))
            target = 1;
        if (k == 4 && (m.lineMask & kLinesOfCentre))
            target = 1;
        int n = reelCells(k);
        int g = m.reelPos[k] / kCellUnits;
        if (target != 1) {
            int h = randomNext() % 30;
            m.reelBoost[k] += h;
            g = wrapIndex(g - h, n);
        }
        while (stripSymbol(k, g) != target) { // every strip holds every symbol
            g = wrapIndex(g - 1, n);
            m.reelBoost[k] += 1;
        }
    }
}

void chooseSymbols(MachineState& m)
{
    for (int k = 0; k < kReels; k++) {
        int circumference = reelCells(k) * kCellUnits;
        int pos = wrapIndex(m.reelPos[k], circumference);
        m.reelPos[k] = pos - pos % kCellUnits;
    }
    switch (m.stopStage) {
    case 2: chooseWinningOrReach(m, false); break;
    case 1: chooseWinningOrReach(m, true); break;
    default: chooseMiss(m); break;
    }
    reachMask(m);
    setUpReels(m);
}

void showRandomMiss(MachineState& m)
{
    m.stopStage = 0;
    chooseSymbols(m);
    for (int k = 0; k < kReels; k++) {
        int n = reelCells(k);
        int cell = wrapIndex(m.reelPos[k] / kCellUnits - (m.reelTravel[k] / kCellUnits + m.reelBoost[k]), n);
        m.reelPos[k] = cell * kCellUnits;
        m.reelTravel[k] = 0;
        m.reelBoost[k] = 0;
    }
}

// --- the spin ---

// Cells c from 0 (or from a start) down the long strip until cell -c holds the symbol.
static int cellsDownTo(int reel, int start, int symbol)
{
    int c = start;
    while (stripSymbol(reel, -c) != symbol)
        c++;
    return c;
}

static void reelStopped(MachineState& m, int k)
{
    switch (k) {
    case 8:
        m.stopStage = 1;
        break;
    case 7:
        m.stopStage = 2;
        break;
    case 2:
    case 6:
        if (m.reelTravel[k == 2 ? 6 : 2] != 0)
            break; // the other one still runs
        if (!(m.lineMask & kLinesOfCentre) && m.reelPhase != 0) {
            // the reach on 2/6 is over and the centre has none: let it
            // run 40 more cells and stop on its symbol
            int from = wrapIndex(m.reelPos[4] / kCellUnits + 14, kLongStripCells);
            int j = 0;
            while (stripSymbol(4, from - j) != m.stopSymbol[4])
                j++;
            m.reelTravel[4] = m.reelTravel[4] % kCellUnits + kCellUnits * (40 + j);
        }
        m.stopStage = 4;
        m.reelPhase = 0;
        break;
    case 4:
        m.stopStage = 6;
        m.modeTick = 0;
        m.reelPhase = 3;
        break;
    default:
        break;
    }
}

// The reels a reach phase runs slowly, a bit each: 2 and 6, then the centre.
static unsigned reachRunReels(int32_t reelPhase)
{
    return reelPhase == 1 ? (1u << 2 | 1u << 6) : reelPhase == 2 ? 1u << 4 : 0u;
}

static void moveReels(MachineState& m)
{
    static const int kBounce[4] = {-2, -1, 1, 2}; // for travel -4..-1
    static const int kCircumference[kReels] = {
        kShortStripCells * kCellUnits, kShortStripCells * kCellUnits, kLongStripCells * kCellUnits,
        kShortStripCells * kCellUnits, kLongStripCells * kCellUnits,  kShortStripCells * kCellUnits,
        kLongStripCells * kCellUnits,  kShortStripCells * kCellUnits, kShortStripCells * kCellUnits,
    };
    unsigned slow = reachRunReels(m.reelPhase); // a stop may change the phase for the reels after it
    // unrolled, each reel's strip length and reach bit are constants
#pragma GCC unroll 9
    for (int k = 0; k < kReels; k++) {
        int32_t& travel = m.reelTravel[k];
        int32_t& pos = m.reelPos[k];
        if (travel > 0) {
            int move = 12; // 3 within the last 24 units and in a reach run, the last 1..3 as they are
            if (travel < 24 || (slow >> k & 1))
                move = travel <= 3 ? travel : 3;
            travel -= move;
            if (m.reelBoost[k] > 0) {
                move += kCellUnits;
                m.reelBoost[k] -= 1;
            }
            pos -= move;
            if (travel == 0) {
                travel = -4; // the stop bounce
                if (m.soundRequest >= 0)
                    m.soundRequest = kWaveReelStop;
            }
        } else if (travel < 0) {
            pos += kBounce[wrapIndex(travel + 4, 4)];
            travel += 1;
            if (travel == 0) {
                reelStopped(m, k);
                slow = reachRunReels(m.reelPhase);
            }
        }
        // back onto the strip: after a move past cell 0, or a bounce that ends on it
        const int circumference = kCircumference[k];
        if ((unsigned)pos >= (unsigned)circumference)
            pos += pos < 0 ? circumference : -circumference;
    }
}

// Reel 7 stopped: with a reach on cell 2 or 6, the two reels start their
// slow run once reel 2 passes cell 0.
static void startSideReach(MachineState& m)
{
    if (!(m.lineMask & 0xFF)) {
        m.stopStage = 3;
        return;
    }
    if (m.reelPos[2] != 0)
        return;
    m.reelTravel[4] += (m.lineMask & kLinesOfCentre) ? 4536 : 3888; // the centre keeps spinning fast
    m.reelTravel[2] = (m.lineMask & kLinesOfCell2) ? 648 : 0;
    m.reelTravel[2] += kCellUnits * cellsDownTo(2, randomNext() % 34, m.stopSymbol[2]);
    m.reelTravel[6] = (m.lineMask & kLinesOfCell6) ? 648 : 0;
    m.reelTravel[6] += kCellUnits * cellsDownTo(6, randomNext() % 34, m.stopSymbol[6]);
    m.reelPhase = 1;
    m.soundRequest = kWaveReach;
    m.stopStage = 3;
}

// Reels 2 and 6 stopped: with a reach through the centre, the centre reel
// runs its own slow reach once it passes cell 0.
static void startCentreReach(MachineState& m)
{
    if (!(m.lineMask & kLinesOfCentre)) {
        m.stopStage = 5;
        return;
    }
    if (m.reelPhase == 2) {
        m.stopStage = 5;
        return;
    }
    if (m.reelPos[4] != 0) {
        if (m.reelTravel[4] == 0)
            m.reelTravel[4] = 324; // one more turn to reach cell 0
        return;
    }
    winMask(m);
    if (m.lineMask & 0xFF) {
        // a line through cell 2 or 6 has already won: stop the centre quickly
        m.reelTravel[4] = kCellUnits * cellsDownTo(4, 0, m.stopSymbol[4]);
        if (m.reelTravel[4] == 0) {
            // it stands on its symbol already: stop it here, bounce and all,
            // or it would never report its stop and the spin would not end
            m.reelTravel[4] = -4;
            if (m.soundRequest >= 0)
                m.soundRequest = kWaveReelStop;
        }
    } else {
        m.reelTravel[4] = 648;
        if (m.lineMask & kLineAllTwos)
            m.reelTravel[4] = 1008; // ends on cell 48, a 2
        else
            m.reelTravel[4] += kCellUnits * cellsDownTo(4, randomNext() % 30 + 8, m.stopSymbol[4]);
        m.reelPhase = 2;
        m.soundRequest = kWaveReach;
    }
    reachMask(m);
    m.stopStage = 5;
}

static void endOfSpin(MachineState& m)
{
    if (m.modeTick == 16 && !winMask(m) && m.soundRequest >= 0)
        m.soundRequest = kWaveLostSpin; // the lost-spin sound
    if (m.modeTick >= 48) {
        m.reelPhase = 0;
        bool won = winMask(m);
        m.modeTick = 0;
        if (won) {
            m.round = 0;
            m.vHit = 0;
            m.mode = 3;
        } else {
            m.mode = 1;
        }
    }
}

void spinStep(MachineState& m)
{
    if (m.reelPhase == 3) {
        endOfSpin(m);
        return;
    }
    if (m.modeTick < 8)
        return; // the reels stand a moment before they start
    moveReels(m);
    switch (m.stopStage) {
    case 2:
        startSideReach(m);
        break;
    case 3:
        // the stop clicks are silent while the side reach runs
        if (m.reelPhase == 1 && (m.reelTravel[2] > 0 || m.reelTravel[6] > 0))
            m.soundRequest = 0;
        break;
    case 4:
        startCentreReach(m);
        break;
    default:
        break;
    }
}
