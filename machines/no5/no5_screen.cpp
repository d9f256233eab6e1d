// Machine No.5's play screen: the drawing tick, the repaint and the layers
// of the composed board (frame lamps, sign, payout lamp, held-start lamps,
// decorative lamps with the chance plate, the attacker).
#include "no5_screen.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/play_screen.h"
#include "no5_art_layout.h"

using namespace no5art;

namespace no5screen {

namespace {

int clampTo(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

bool vRunning(const MachineState& m) { return m.vHit >= 1 && m.vHit <= 31; }

// The quick lamp pattern: a reach performance, the fanfare, the first steps
// of a round and the V.
bool quickLamps(const MachineState& m)
{
    if (m.mode == 2)
        return m.spinPhase >= kNo5Creep && m.spinPhase <= kNo5Revival;
    if (m.mode != 3)
        return false;
    return m.round == 0 || (m.round >= 1 && m.round <= 16 && m.modeTick < kOneLine.doorOpensAt) || vRunning(m);
}

void drawHeldLamps(Picture& board, const MachineState& m)
{
    int lit = heldLampsLit(m);
    for (int i = 0; i < 4; i++) {
        const Piece& p = i < lit ? kHeldLampLit : kHeldLampUnlit;
        copyPicture(board, kHeldLampAt[i].x, kHeldLampAt[i].y, p.w, p.h, artPicture(601), p.x, p.y);
    }
}

void drawLampGroups(Picture& board, int lit)
{
    for (int g = 0; g < kLampGroupCount; g++) {
        const LampGroup& l = kLampGroups[g];
        bool on = (lit >> g) & 1;
        Point left = on ? l.leftLit : l.leftUnlit, right = on ? l.rightLit : l.rightUnlit;
        copyPicture(board, l.left.x, l.left.y, l.w, l.h, artPicture(603), left.x, left.y);
        copyPicture(board, l.right.x, l.right.y, l.w, l.h, artPicture(603), right.x, right.y);
    }
}

void drawAttacker(Picture& board, const MachineState& m, const AnimClock& clock)
{
    copyPicture(board, kAttackerAt.x, kAttackerAt.y, kAttackerW, kAttackerH, artPicture(605), 0,
                kAttackerH * attackerFrame(m, clock));
    int digit = attackerDigit(m);
    if (digit >= 0)
        copyPicture(board, kAttackerDigitAt.x, kAttackerDigitAt.y, kDigitW, kDigitH, artPicture(610), 0,
                    kDigitH * digit);
}

} // namespace

int litLampGroups(const MachineState& m, const AnimClock& clock)
{
    bool slow = clock.blink256 != 0, quick = clock.blink128 != 0;
    if (m.mode == 2 && m.spinPhase == kNo5Running)
        return slow ? kL1 : kL2 | kL5;
    if (quickLamps(m))
        return quick ? kL1 | kL2 | kL3 : kL4 | kL5;
    if (m.mode == 3)
        return slow ? kL1 | kL3 : kL2 | kL4 | kL5;
    return 0; // idle, the settle, and any mode a record should not hold
}

int heldLampsLit(const MachineState& m)
{
    return clampTo(m.heldStarts, 0, 4);
}

int attackerFrame(const MachineState& m, const AnimClock& clock)
{
    if (!m.attackerOpen)
        return kAttackerClosed;
    if (m.vHit >= 32 || (vRunning(m) && !clock.blink128))
        return kAttackerVLit;
    return kAttackerOpen;
}

int attackerDigit(const MachineState& m)
{
    if (!m.attackerOpen)
        return -1;
    // The tenth ball is counted before the door shuts: it shows 0 again.
    int d = m.attackerCount % 10;
    return d < 0 ? d + 10 : d;
}

int chancePlateFrame(const MachineState& m)
{
    return clampTo(m.chanceCount, 0, kChancePlateFrames - 1);
}

void redrawLayers(const MachineState& m, const AnimClock& clock, int layers)
{
    Picture& board = boardPicture();
    drawCabinetLayers(board, m, layers, frameLampsLit(m, clock));
    if (layers & kLayerLamps) {
        drawLampGroups(board, litLampGroups(m, clock));
        copyPicture(board, kChancePlateAt.x, kChancePlateAt.y, kChancePlateW, kChancePlateH, artPicture(604), 0,
                    kChancePlateH * chancePlateFrame(m));
    }
    if (layers & (kLayerHeldStarts | kLayerLamps))
        drawHeldLamps(board, m);
    if (layers & kLayerAttacker)
        drawAttacker(board, m, clock);
}

static const PlayScreenParts kParts = {clockRedraws, redrawLayers, composeMovingParts, kAllLayers};

} // namespace no5screen

// Called on every tick while the play scene shows; the screen draws once a
// step (every second tick), before the hall loop steps the machines.
void modelPlayTick(MachineState& m)
{
    if (animClock.halfPhase == 0)
        playScreenTick(m, no5screen::kParts);
}

void modelPlayPaint(MachineState& m)
{
    playScreenPaint(m, no5screen::kParts);
}

int modelPictureCount()
{
    return no5art::kSheetCount;
}

const ModelPicture& modelPicture(int i)
{
    static ModelPicture table[no5art::kSheetCount];
    int k = i < 0 ? 0 : i >= no5art::kSheetCount ? no5art::kSheetCount - 1 : i;
    const no5art::SheetSize& s = no5art::kSheets[k];
    table[k] = {s.id, s.width, s.height, s.sprite};
    return table[k];
}
