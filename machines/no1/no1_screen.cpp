// Machine No.1's play screen: the lamp rules, the static layers of the
// composed board, the drawing tick and the repaint, and the picture table.
#include "no1_screen.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/play_screen.h"
#include "no1_art_layout.h"
#include "no1_screen_cut.h"

using namespace no1art;

namespace no1screen {

namespace {

enum { kSettlePhase = 4 };

// Where the two lamps of a pair stand on the play view.
struct PairPlace {
    const LampPair* art;
    int leftX, rightX, y;
};
constexpr PairPlace kReelLampPlace = {&kReelLamps, 166, 299, 173};
constexpr PairPlace kSideLampPlace = {&kSideLamps, 3, 435, 177};
constexpr PairPlace kPocketLampPlace = {&kPocketLamps, 65, 369, 327};
constexpr PairPlace kCornerLampPlace = {&kCornerLamps, 109, 325, 371};

void drawPair(Picture& board, const PairPlace& p, bool lit)
{
    const LampPair& a = *p.art;
    int sx = lit ? a.w : 0;
    cut(board, p.leftX, p.y, a.w, a.h, a.id, sx, 0);
    cut(board, p.rightX, p.y, a.w, a.h, a.id, sx, a.h);
}

} // namespace

bool middleTravelling(const MachineState& m)
{
    return m.reelTravel[1] > 0;
}

bool reelsBusy(const MachineState& m)
{
    return m.mode == 3 || (m.mode == 2 && m.spinPhase != kSettlePhase && middleTravelling(m));
}

bool performing(const MachineState& m)
{
    return reelsBusy(m) && (m.mode == 3 || m.spinPhase != 0);
}

DecorLamps decorLamps(const MachineState& m, const AnimClock& clock)
{
    bool on = clock.blink256 != 0, busy = reelsBusy(m), perform = performing(m);
    DecorLamps d;
    d.reel = on && busy;
    d.side = !on && perform;
    d.pocket = on && perform;
    d.corner = !on && perform;
    return d;
}

bool frameLampsLit(const MachineState& m, const AnimClock& clock)
{
    return m.mode == 3 && clock.blink256 != 0;
}

int heldLampsLit(const MachineState& m)
{
    return m.heldStarts < 0 ? 0 : m.heldStarts > 4 ? 4 : m.heldStarts;
}

int countDigitFrame(const MachineState& m)
{
    if (m.mode != 3)
        return kDigitBlank;
    return wrap(m.attackerCount, 10);
}

int clockRedrawBits(const MachineState& m, const AnimClock& clock)
{
    if (clock.count256 != 0)
        return 0;
    int bits = 0;
    if (m.mode == 3)
        bits |= kLayerFrameLamps;
    if (m.mode != 1)
        bits |= kLayerDecorLamps;
    return bits;
}

void redrawLayers(const MachineState& m, const AnimClock& clock, int layers)
{
    Picture& board = boardPicture();
    drawCabinetLayers(board, m, layers, frameLampsLit(m, clock));
    if (layers & kLayerHeldStarts) {
        int lit = heldLampsLit(m);
        for (int i = 0; i < 4; i++)
            cut(board, 205 + 18 * i, 165, kHeldLamp.w, kHeldLamp.h, 601, i < lit ? kHeldLampLitX : kHeldLamp.x,
                kHeldLamp.y);
    }
    if (layers & kLayerDecorLamps) {
        DecorLamps d = decorLamps(m, clock);
        drawPair(board, kReelLampPlace, d.reel);
        drawPair(board, kSideLampPlace, d.side);
        drawPair(board, kPocketLampPlace, d.pocket);
        drawPair(board, kCornerLampPlace, d.corner);
    }
    if (layers & kLayerAttacker) {
        const Piece& door = m.attackerOpen ? kAttackerOpen : kAttackerClosed;
        cut(board, 182, 360, door.w, door.h, 606, door.x, door.y);
    }
    if (layers & kLayerCountDigit)
        cut(board, 233, 402, kDigitW, kDigitH, 612, 0, kDigitH * countDigitFrame(m));
}

static void clockRedraws(MachineState& m, const AnimClock& clock)
{
    m.dirty |= clockRedrawBits(m, clock);
}

static const PlayScreenParts kParts = {clockRedraws, redrawLayers, composeMovingParts, kAllLayers};

void drawPlayFrame(MachineState& m)
{
    playScreenTick(m, kParts);
}

void paintPlayView(MachineState& m)
{
    playScreenPaint(m, kParts);
}

} // namespace no1screen

// Called on every tick while the play scene shows; the screen draws on every
// second one (once a machine step), before the hall loop steps the machines.
void modelPlayTick(MachineState& m)
{
    if (animClock.halfPhase == 0)
        no1screen::drawPlayFrame(m);
}

void modelPlayPaint(MachineState& m)
{
    no1screen::paintPlayView(m);
}

int modelPictureCount()
{
    return kSheetCount;
}

const ModelPicture& modelPicture(int i)
{
    static ModelPicture table[kSheetCount];
    const SheetSize& s = kSheets[i < 0 ? 0 : i >= kSheetCount ? kSheetCount - 1 : i];
    ModelPicture& p = table[&s - kSheets];
    p = {s.id, s.width, s.height, s.sprite};
    return p;
}
