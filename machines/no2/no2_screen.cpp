// Machine No.2's play screen: what each state selects, the lamp layers of
// the composed board, the reel window and the moving parts, and the hooks
// the engine calls.
#include "no2_screen.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/play_screen.h"

using namespace no2art;

namespace no2screen {

namespace {

int wrap(long long value, int modulus)
{
    long long r = value % modulus;
    return (int)(r < 0 ? r + modulus : r);
}

bool spinOrFever(const MachineState& m) { return m.mode == 2 || m.mode == 3; }

void copyPlaced(Picture& target, const Placed& p, int sheet, int sx, int sy)
{
    copyPicture(target, p.x, p.y, p.from.w, p.from.h, artPicture(sheet), sx, sy);
}

void copyPlaced(Picture& target, const Placed& p, int sheet) { copyPlaced(target, p, sheet, p.from.x, p.from.y); }

} // namespace

int clockRedrawBits(const MachineState& m, const AnimClock& clock)
{
    if (clock.count256 != 0)
        return 0;
    int bits = 0;
    if (m.mode == 3)
        bits |= kLayerFrameLamps | kLayerAttacker;
    if (spinOrFever(m))
        bits |= kLayerSides;
    return bits;
}

bool frameLampsLit(const MachineState& m, const AnimClock& clock)
{
    return m.mode == 3 && clock.blink256 != 0;
}

bool heldLampLit(const MachineState& m, int i)
{
    return i < m.heldStarts;
}

int heldLampRow(int i)
{
    return i <= 0 ? 0 : i >= 3 ? 2 : 1;
}

int lineLamps(int line)
{
    const int ul = 1 << kUpperLeft, ur = 1 << kUpperRight, sl = 1 << kSideLeft, sr = 1 << kSideRight;
    const int ll = 1 << kLowerLeft, lr = 1 << kLowerRight;
    switch (line) {
    case 1: return ul | lr; // top left to bottom right
    case 2: return ul | ur; // the top row
    case 3: return sl | sr; // the middle row
    case 4: return ll | lr; // the bottom row
    case 5: return ll | ur; // bottom left to top right
    case 6: return ul | ur | ll | lr; // both diagonals
    default: return 0;
    }
}

WindowLamps windowLamps(const MachineState& m, const AnimClock& clock)
{
    WindowLamps w = {};
    auto set = [&w](int lamps, int column) {
        for (int k = 0; k < kWindowLampCount; k++)
            if (lamps & (1 << k))
                w.column[k] = column;
    };
    const int all = (1 << kWindowLampCount) - 1;
    const int corners = lineLamps(6);
    const int uppers = (1 << kUpperLeft) | (1 << kUpperRight), sides = lineLamps(3);
    const int lowers = (1 << kLowerLeft) | (1 << kLowerRight);
    bool on = clock.blink256 != 0;
    bool rounds = m.round >= 1 && m.round <= 16;

    if (m.mode == 0 || m.mode == 1) { // idle: all together on the slowest blink
        if (clock.blink512)
            set(all, kLampLit);
    } else if (m.spinPhase == 1 || m.spinPhase == 2 || (m.mode == 3 && rounds && m.modeTick < kDoorOpensAt)) {
        // a reach, or the winning line before the door opens: the line's lamps
        if (on)
            set(lineLamps(m.reachLine), kLampLit);
    } else if (m.mode == 2) {
        if (on)
            set(corners, kLampColourA);
    } else if (m.mode == 3 && (m.round == 0 || m.round == 17)) { // fanfare, ending
        if (on)
            set(all, kLampColourB);
    } else if (m.mode == 3 && rounds) { // the door open: a light climbing the window
        int l = wrap(m.modeTick / 8, 5);
        if (on) {
            set(uppers, l == 0 ? kLampColourA : kLampColourB);
            set(sides, l >= 2 ? kLampColourB : kLampOff);
            set(lowers, l < 3 ? kLampColourA : kLampColourB);
        } else {
            set(uppers, l >= 1 ? kLampLit : kLampOff);
            set(sides, l >= 2 ? kLampLit : kLampOff);
            set(lowers, l >= 3 ? kLampLit : kLampOff);
        }
    }
    return w;
}

SideLook sideLook(const MachineState& m, const AnimClock& clock)
{
    bool on = clock.blink256 != 0;
    bool lit = on && spinOrFever(m);
    SideLook s;
    s.upperLit = lit;
    s.lowerX = !lit ? 0 : m.mode == 3 ? kLowerSideFeverX : kLowerSideSpinX;
    s.smallOther = spinOrFever(m) && !on;
    s.cornersLit = on && m.mode == 3;
    return s;
}

DoorLook doorLook(const MachineState& m, const AnimClock& clock)
{
    bool on = clock.blink256 != 0;
    DoorLook d;
    d.open = m.attackerOpen != 0;
    d.lampLit = on;
    d.vLit = on;
    d.vHit = m.vHit != 0;
    d.digit = d.open && !on ? wrap(m.round, 10) : -1;
    return d;
}

int reelSourceRow(int position)
{
    return wrap((long long)position - kReelViewOffset, kStripRows);
}

int upperWindmillColumn(const MachineState& m, const AnimClock& clock)
{
    return m.mode == 3 && clock.blink256 ? kUpperWindmillLitX : 0;
}

void redrawLayers(const MachineState& m, const AnimClock& clock, int layers)
{
    Picture& board = boardPicture();
    drawCabinetLayers(board, m, layers, frameLampsLit(m, clock));
    if (layers & kLayerHeldStarts)
        for (int i = 0; i < 4; i++)
            copyPicture(board, kHeldLampX + kHeldLampStep * i, kHeldLampY, kHeldLampW, kHeldLampH, artPicture(601),
                        heldLampLit(m, i) ? kHeldLampLitX : 0, kHeldLampH * heldLampRow(i));
    if (layers & kLayerSides) {
        SideLook s = sideLook(m, clock);
        for (const Placed& p : kUpperSide)
            copyPlaced(board, p, 603, p.from.x + (s.upperLit ? kUpperSideLitDx : 0), p.from.y);
        for (const Placed& p : kLowerSide)
            copyPlaced(board, p, 603, s.lowerX, p.from.y);
        for (const Placed& p : kSmallSide) // over the lower pieces' tops
            copyPlaced(board, p, 603, p.from.x + (s.smallOther ? kSmallSideOtherDx : 0), p.from.y);
        for (const Placed& p : kCornerLamp)
            copyPlaced(board, p, 604, s.cornersLit ? kCornerLampLitX : 0, p.from.y);
    }
    if (layers & kLayerAttacker) {
        DoorLook d = doorLook(m, clock);
        if (!d.open) {
            copyPlaced(board, kDoorClosed, 605);
        } else {
            copyPlaced(board, kDoorOpen, 605);
            copyPlaced(board, kDoorLamp, 605, d.lampLit ? kDoorLampLitX : kDoorLamp.from.x, kDoorLamp.from.y);
            copyPlaced(board, kDoorV, 605, d.vLit ? kDoorVLitX : kDoorV.from.x, d.vHit ? kDoorVHitY : kDoorV.from.y);
            if (d.digit >= 0)
                copyPlaced(board, kRoundDigit, 608, 0, kRoundDigit.from.h * d.digit);
        }
    }
}

void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool)
{
    // The reels, each with the window's shading ANDed over its top and bottom edge.
    const Picture& strips = artPicture(606);
    for (int i = 0; i < 3; i++) {
        int x = kReelX + kReelStep * i;
        copyPicture(view, x, kReelY, kReelW, kReelH, strips, kReelW * i, reelSourceRow(m.reelPos[i]));
        andPicture(view, x, kBandTopAt, kReelW, kBandH, strips, kReelW * i, kBandY);
        andPicture(view, x, kBandBottomAt, kReelW, kBandH, strips, kReelW * i, kBandY);
    }
    // The window's lamps round them.
    WindowLamps w = windowLamps(m, clock);
    const Sprite& lamps = artSprite(602);
    for (int k = 0; k < kWindowLampCount; k++) {
        const Placed& p = kWindowLamp[k];
        drawSprite(view, p.x, p.y, p.from.w, p.from.h, p.from.x + w.column[k], p.from.y, lamps);
    }

    // Every ball on the board, the stage's included (a ball the stage hides is parked at x 0).
    drawBalls(view, m);

    int upper = upperWindmillColumn(m, clock);
    for (int k = 0; k < 4; k++)
        drawWindmill(view, kWindmillAt[k][0], kWindmillAt[k][1], k < 2 ? upper : 0, k < 2 ? 0 : kLowerWindmillRow,
                     m.spinner[k]);
}

namespace {

void clockRedraws(MachineState& m, const AnimClock& clock)
{
    m.dirty |= clockRedrawBits(m, clock);
}

const PlayScreenParts kParts = {clockRedraws, redrawLayers, composeMovingParts, kAllLayers};

} // namespace

void drawPlayFrame(MachineState& m)
{
    playScreenTick(m, kParts);
}

void paintPlayView(MachineState& m)
{
    playScreenPaint(m, kParts);
}

} // namespace no2screen

// Called on every tick while the play scene shows; the screen draws on every
// second one, before the hall loop steps the machines.
void modelPlayTick(MachineState& m)
{
    if (animClock.halfPhase == 0)
        no2screen::drawPlayFrame(m);
}

void modelPlayPaint(MachineState& m)
{
    no2screen::paintPlayView(m);
}

int modelPictureCount()
{
    return (int)(sizeof no2art::kSheets / sizeof no2art::kSheets[0]);
}

const ModelPicture& modelPicture(int i)
{
    static ModelPicture table[sizeof no2art::kSheets / sizeof no2art::kSheets[0]];
    const no2art::SheetSize& s = no2art::kSheets[i];
    table[i] = {s.id, s.width, s.height, s.sprite};
    return table[i];
}
