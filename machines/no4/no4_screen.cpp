// Machine No.4's play screen: the lamp rules, the layers of the composed
// board, the drawing tick and the repaint, and the module's picture list.
#include "no4_screen.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/play_screen.h"
#include "no4_art_layout.h"

using namespace no4art;

namespace no4screen {

namespace {

void drawLamp(Picture& board, const LampPiece& p, bool lit)
{
    copyPicture(board, p.place.x, p.place.y, p.unlit.w, p.unlit.h, artPicture(603), lit ? p.litX : p.unlit.x,
                lit ? p.litY : p.unlit.y);
}

template <int N>
void drawGroup(Picture& board, const LampPiece (&group)[N], bool lit)
{
    for (const LampPiece& p : group)
        drawLamp(board, p, lit);
}

} // namespace

int litGroups(const MachineState& m, const AnimClock& clock)
{
    // The performances and the big prize's intro: G and A against H, D and C
    // on the quick blink; the open door and the ending: H, D and C on the slow one.
    auto performing = [&] {
        return clock.blink128 ? kGroupH | kGroupD | kGroupC : kGroupG | kGroupA;
    };
    switch (m.mode) {
    case 0:
    case 1: return clock.blink512 ? kGroupG : kGroupC;
    case 2:
        switch (m.spinPhase) {
        case 0: return clock.blink256 ? kGroupH | kGroupA : kGroupD | kGroupC;
        case 1:
        case 2: return performing();
        case 3: return kGroupG;
        }
        return 0;
    case 3:
        if (m.round == 0 || (m.round >= 1 && m.round <= 16 && m.modeTick < 64))
            return performing();
        return clock.blink256 ? kGroupH | kGroupD | kGroupC : kGroupG | kGroupA;
    }
    return 0;
}

int heldLampImage(const MachineState& m, int i)
{
    if (i + 1 == m.heldStarts && m.heldLampTick < 16)
        return kHeldNewest;
    return i < m.heldStarts ? kHeldOn : kHeldOff;
}

int attackerImage(const MachineState& m)
{
    if (!m.attackerOpen)
        return kAttackerClosed;
    return m.vHit ? kAttackerV : kAttackerOpen;
}

int chanceImage(const MachineState& m)
{
    return m.chanceCount <= 0 ? 0 : m.chanceCount >= 2 ? 2 : 1;
}

int wingsImage(const MachineState& m)
{
    return m.wingsOpen ? 1 : 0;
}

int wingLampImage(const MachineState& m)
{
    int s = m.wingDrawState % 4;
    return s < 0 ? s + 4 : s;
}

int fairyPose(const MachineState& m, const AnimClock& clock)
{
    if (m.mode == 3)
        return clock.blink256 ? kFairyCheerA : kFairyCheerB;
    if (m.mode == 2 && (m.spinPhase == 1 || m.spinPhase == 2))
        return clock.blink128 ? kFairyCheerA : kFairyCheerB;
    // a blink of the eyes every 3.2 seconds
    return clock.blink1024 && clock.count1024 < 128 ? kFairyBlink : kFairyRest;
}

void redrawLayers(const MachineState& m, const AnimClock& clock, int layers)
{
    Picture& board = boardPicture();
    drawCabinetLayers(board, m, layers, frameLampsLit(m, clock));
    if (layers & kLayerLamps) {
        int lit = litGroups(m, clock);
        drawGroup(board, kLampA, (lit & kGroupA) != 0);
        drawGroup(board, kLampC, (lit & kGroupC) != 0);
        drawGroup(board, kLampD, (lit & kGroupD) != 0);
        drawGroup(board, kLampG, (lit & kGroupG) != 0);
        drawGroup(board, kLampH, (lit & kGroupH) != 0);
        copyPicture(board, kChancePlace.x, kChancePlace.y, kChanceW, kChanceH, artPicture(604), 0,
                    kChanceH * chanceImage(m));
    }
    if (layers & (kLayerHeldStarts | kLayerLamps)) // the held-start lamps lie on lamp H
        for (int i = 0; i < 4; i++)
            copyPicture(board, kHeldLampPlaces[i].x, kHeldLampPlaces[i].y, kHeldLampSize, kHeldLampSize,
                        artPicture(601), 0, kHeldLampSize * heldLampImage(m, i));
    if (layers & kLayerAttacker)
        copyPicture(board, kAttackerPlace.x, kAttackerPlace.y, kAttackerW, kAttackerH, artPicture(605), 0,
                    kAttackerH * attackerImage(m));
}

} // namespace no4screen

namespace {
const PlayScreenParts kParts = {no4screen::clockRedraws, no4screen::redrawLayers, no4screen::composeMovingParts,
                                no4screen::kAllLayers};
}

// Called on every tick while the play scene shows; the screen draws on every
// second one, before the hall loop steps the machines.
void modelPlayTick(MachineState& m)
{
    if (animClock.halfPhase == 0)
        playScreenTick(m, kParts);
}

void modelPlayPaint(MachineState& m)
{
    playScreenPaint(m, kParts);
}

int modelPictureCount()
{
    return (int)(sizeof kSheets / sizeof kSheets[0]);
}

const ModelPicture& modelPicture(int i)
{
    static ModelPicture table[sizeof kSheets / sizeof kSheets[0]];
    if (i < 0 || i >= modelPictureCount())
        i = 0;
    const SheetSize& s = kSheets[i];
    table[i] = {s.id, s.width, s.height, s.sprite};
    return table[i];
}
