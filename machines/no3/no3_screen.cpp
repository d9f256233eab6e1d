// Machine No.3's play screen: the drawing tick, the repaint and the lamp
// layers of the composed board.
#include "no3_screen.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/play_screen.h"
#include "hallcore/gfx/sound.h"
#include "hallcore/sys/sys_present.h"
#include "no3_art_layout.h"

using namespace no3art;

namespace no3screen {

namespace {

// Places of the lamps on the play view.
struct PairPlace {
    const LampPair* art;
    int x, y, rightX; // rightX 0: a single lamp
};
constexpr PairPlace kSidePlace = {&kSideLamps, 9, 184, 443};
constexpr PairPlace kCornerPlace = {&kCornerLamps, 89, 381, 319};
constexpr PairPlace kBottomPlace = {&kBottomLamp, 219, 412, 0};
constexpr PairPlace kReelSidePlace = {&kReelSideLamps, 169, 181, 298};
constexpr PairPlace kTopPlace = {&kTopLamp, 204, 104, 0};
constexpr PairPlace kPocketPlace = {&kPocketLamps, 56, 308, 384};

int wrap(int value, int modulus)
{
    int r = value % modulus;
    return r < 0 ? r + modulus : r;
}

bool feverCaption(const MachineState& m) // fanfare or a V animation: the quick blink
{
    return m.round == 0 || (m.vHit >= 1 && m.vHit <= 63);
}

bool doorRound(const MachineState& m)
{
    return m.round >= 1 && m.round <= 16 && m.modeTick >= 80;
}

void drawPair(Picture& board, const PairPlace& p, bool lit)
{
    const Piece& u = p.art->unlit;
    int sx = u.x + (lit ? p.art->litDx : 0);
    copyPicture(board, p.x, p.y, u.w, u.h, artPicture(601), sx, u.y);
    if (p.rightX)
        copyPicture(board, p.rightX, p.y, u.w, u.h, artPicture(601), sx + p.art->rightDx, u.y);
}

} // namespace

LampFlags lampFlags(const MachineState& m, const AnimClock& clock)
{
    LampFlags f = {};
    bool quick = clock.blink64 != 0, slow = clock.blink128 != 0;
    if (m.mode == 2) {
        if (m.reelPhase == 1 || m.reelPhase == 2) { // reach runs
            f.strip = quick ? 2 : 0;
            f.a = f.c = !quick;
            f.b = f.d = quick;
            f.f = !quick;
            f.g = quick;
        } else if (m.reelPhase == 3) {
            f.e = true;
        } else {
            f.strip = (clock.count1024 / 128) % 4;
            f.a = !slow;
            f.b = slow;
        }
    } else if (m.mode == 3) {
        if (feverCaption(m)) {
            f.strip = quick ? 2 : 0;
            f.a = f.c = quick;
            f.b = f.d = f.e = !quick;
            f.f = !quick;
            f.g = quick;
        } else {
            if (doorRound(m)) {
                f.strip = (clock.count1024 / 128) % 4;
                f.a = f.c = slow;
                f.b = f.d = f.e = !slow;
            } else {
                f.b = slow;
            }
            f.f = !slow;
            f.g = slow;
        }
    } else { // idle
        f.strip = (clock.count1024 / 256) % 4;
    }
    return f;
}

bool frameLampsLit(const MachineState& m, const AnimClock& clock)
{
    return m.mode == 3 && clock.blink256 != 0;
}

int vStripFrame(const MachineState& m, const AnimClock& clock)
{
    if (m.vHit < 64)
        return (clock.blink64 ? 1 : 0) + 4;
    return (clock.count1024 / 128) % 4;
}

void redrawLayers(const MachineState& m, const AnimClock& clock, int layers)
{
    Picture& board = boardPicture();
    drawCabinetLayers(board, m, layers, frameLampsLit(m, clock));
    if (layers & kLayerHeldStarts)
        for (int i = 0; i < 4; i++)
            copyPicture(board, 194 + 24 * i, 157, 24, 16, artPicture(601), kHeldLamps.x + 24 * i,
                        i < m.heldStarts ? kHeldLampsLitY : kHeldLamps.y);
    if (layers & kLayerLampGroup) {
        LampFlags f = lampFlags(m, clock);
        copyPicture(board, 198, 264, kLampStrip.w, kLampStrip.h, artPicture(601), kLampStrip.x,
                    kLampStrip.y + kLampStrip.h * f.strip);
        drawPair(board, kSidePlace, f.a);
        drawPair(board, kCornerPlace, f.a);
        drawPair(board, kBottomPlace, f.b);
        drawPair(board, kReelSidePlace, f.c);
        drawPair(board, kTopPlace, f.d);
        drawPair(board, kPocketPlace, f.e);
        // the counter window sits on the bottom lamp
        copyPicture(board, 232, 410, 16, kDigitHeight, artPicture(610), 0,
                    kDigitHeight * wrap(m.attackerCount, 10));
    }
    if (layers & kLayerDoor) {
        const Piece& door = m.attackerOpen ? kDoorOpen : kDoorClosed;
        copyPicture(board, 186, 372, door.w, door.h, artPicture(601), door.x, door.y);
        if (m.attackerOpen && m.vHit > 0)
            copyPicture(board, 186, 374, kVStrip.w, kVStrip.h, artPicture(601), kVStrip.x,
                        kVStrip.y + kVStrip.h * vStripFrame(m, clock));
    }
}

// The redraws the clock asks for: the frame lamps blink in a fever, the
// lamp group every fourth tick, and the door with it in a fever.
static void clockRedraws(MachineState& m, const AnimClock& clock)
{
    if (m.mode == 3 && clock.count256 == 0)
        m.dirty |= kLayerFrameLamps;
    if (clock.count64 == 0) {
        m.dirty |= kLayerLampGroup;
        if (m.mode == 3)
            m.dirty |= kLayerDoor;
    }
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

} // namespace no3screen

// Called on every tick while the play scene shows; the screen draws on every
// second one, before the hall loop steps the machines.
void modelPlayTick(MachineState& m)
{
    if (animClock.halfPhase == 0)
        no3screen::drawPlayFrame(m);
}

void modelPlayPaint(MachineState& m)
{
    no3screen::paintPlayView(m);
}

int modelPictureCount()
{
    return (int)(sizeof kSheets / sizeof kSheets[0]);
}

const ModelPicture& modelPicture(int i)
{
    static ModelPicture table[sizeof kSheets / sizeof kSheets[0]];
    const SheetSize& s = kSheets[i];
    table[i] = {s.id, s.width, s.height, s.sprite};
    return table[i];
}
