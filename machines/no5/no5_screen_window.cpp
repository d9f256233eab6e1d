// Machine No.5's play screen: the display window in every mode, phase and
// round (the attract pictures, the reels with their performances, the
// fever's pictures) and the moving parts drawn over the composed board on
// every frame.
#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/play_screen.h"
#include "no5_art_layout.h"
#include "no5_screen.h"

using namespace no5art;

namespace no5screen {

namespace {

int clampTo(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

int wrap(int value, int modulus)
{
    int r = value % modulus;
    return r < 0 ? r + modulus : r;
}

// modeTick as the performances read it: never negative, and small enough
// that a figure's place cannot overflow.
int stepOf(const MachineState& m) { return clampTo(m.modeTick, 0, 1 << 20); }

bool rightReelTravels(const MachineState& m) { return m.reelTravel[2] > 0; }

// A draw held inside its picture: a source that would reach past an edge is
// moved back in (a damaged word shows a whole wrong frame, never stray bytes).
Draw inPicture(Draw d)
{
    int w = 0, h = 0;
    if (!pictureSize(d.id, &w, &h)) {
        d.w = d.h = 0;
        return d;
    }
    d.w = clampTo(d.w, 0, w);
    d.h = clampTo(d.h, 0, h);
    d.sx = clampTo(d.sx, 0, w - d.w);
    d.sy = clampTo(d.sy, 0, h - d.h);
    return d;
}

struct Plan {
    DisplayPlan p;
    void add(int id, bool sprite, int x, int y, int w, int h, int sx, int sy)
    {
        if (p.count >= kMostDisplayDraws)
            return;
        Draw d = inPicture({id, sprite, x, y, w, h, sx, sy});
        // Cut to the display window (a figure walks or drops in from outside).
        int x0 = d.x > kDisplay.x ? d.x : kDisplay.x, y0 = d.y > kDisplay.y ? d.y : kDisplay.y;
        int x1 = d.x + d.w < kDisplay.x + kDisplay.w ? d.x + d.w : kDisplay.x + kDisplay.w;
        int y1 = d.y + d.h < kDisplay.y + kDisplay.h ? d.y + d.h : kDisplay.y + kDisplay.h;
        if (x1 <= x0 || y1 <= y0)
            return;
        d.sx += x0 - d.x;
        d.sy += y0 - d.y;
        d.x = x0, d.y = y0, d.w = x1 - x0, d.h = y1 - y0;
        p.items[p.count++] = d;
    }
    void cell(int id, int column, int row) // a whole 108 x 80 picture of 607 or 608
    {
        add(id, id == 608, kDisplay.x, kDisplay.y, kCellW, kCellH, kCellW * column, kCellH * row);
    }
    void figure(int x, int y, int imageX, int imageY)
    {
        add(608, true, x, y, kFigureW, kFigureH, imageX, imageY);
    }
};

// The fast spin: the figure drops in and slashes while the right reel races;
// near the stop the overlay, and after the stop the loss is told.
void fastSpin(const MachineState& m, Plan& plan)
{
    int t = stepOf(m);
    if (m.reelTravel[2] > kCellPixels) {
        int y = t < 20 ? 104 + 4 * t : kDisplay.y;
        int image = t < 20 ? 0 : t < 24 ? 54 : (t / 4) % 2 == 0 ? 108 : 162;
        plan.figure(kDisplay.x, y, image, kFigureFallingY);
        return;
    }
    bool stood = m.reelTravel[2] <= 0;
    if (!(stood && t > kResultShownAfter))
        plan.add(608, true, kDisplay.x, kDisplay.y, kOverlayNearStop.w, kOverlayNearStop.h, kOverlayNearStop.x,
                 kOverlayNearStop.y);
    else if (m.drawOutcome == kNo5FastLose)
        plan.add(608, true, kDisplay.x, kDisplay.y, kOverlayFastLost.w, kOverlayFastLost.h, kOverlayFastLost.x,
                 kOverlayFastLost.y);
    // a win shows the reels alone
}

// The revival: the figure walks in while the right reel slows, waits at
// the first stop, walks on; in the revival spin it stands over the reel,
// and a loss is told once the reel has stood a while.
void revival(const MachineState& m, Plan& plan)
{
    int t = stepOf(m);
    bool even = (t / 4) % 2 == 0;
    if (m.creepRest < 0) { // the revival spin
        if (rightReelTravels(m) || t < kResultShownAfter)
            plan.figure(226, kDisplay.y, 54, kFigureStandingY);
        else if (m.drawOutcome == kNo5RevivalLose)
            plan.add(608, true, kDisplay.x, kDisplay.y, kCellW, kCellH, even ? 0 : 108, kOverlayRevivalLostY);
        return;
    }
    if (rightReelTravels(m)) { // before the first stop
        if (t < 48)
            plan.figure(144 + 4 * (t / 4), kDisplay.y, even ? 54 : 0, kFigureWalkingY);
        else
            plan.figure(kDisplay.x, kDisplay.y, even ? 162 : 108, kFigureWalkingY);
        return;
    }
    if (t <= 23) // standing at the first stop
        plan.figure(kDisplay.x, kDisplay.y, 0, kFigureStandingY);
    else
        plan.figure(168 + 4 * (t / 4), kDisplay.y, even ? 162 : 108, kFigureStandingY);
}

void reels(const MachineState& m, const AnimClock& clock, Plan& plan)
{
    for (int r = 0; r < 3; r++)
        plan.add(606, false, kReelX[r], kDisplay.y, kReelWidth, kCellH, reelColumnX(m, r), reelSourceY(m.reelPos[r]));
    // The glass over the drums; its pay-line marks light while a reach runs
    // and on the winning line.
    bool reach = m.spinPhase >= kNo5Creep && m.spinPhase <= kNo5Revival && clock.blink64;
    bool won = m.mode == 3 && clock.blink128;
    const Piece& glass = kGlass[reach || won ? 1 : 0];
    plan.add(602, true, kDisplay.x, kDisplay.y, glass.w, glass.h, glass.x, glass.y);

    switch (m.spinPhase) {
    case kNo5Creep:
        if (isChanceSymbol(m.reachSymbol))
            plan.cell(608, 0, 0);
        break;
    case kNo5FastSpin: fastSpin(m, plan); break;
    case kNo5Revival: revival(m, plan); break;
    default: break;
    }
}

void roundBackdrop(const MachineState& m, const AnimClock& clock, Plan& plan)
{
    int round = clampTo(m.round, 1, 16);
    bool blink = round >= 10 && round <= 12 ? clock.blink256 != 0 : clock.blink1024 != 0;
    plan.cell(607, blink ? 1 : 0, kPictureRoundFirst + (round - 1) / 3);
    plan.add(610, false, kRoundNumberAt.x, kRoundNumberAt.y, kRoundNumberW, kRoundNumberH, kRoundNumberX,
             kRoundNumberH * (round - 1));
    plan.add(606, false, kWinningSymbolAt.x, kWinningSymbolAt.y, kReelWidth, kWinningSymbolH, reelColumnX(m, 0),
             wrap(m.reelPos[0], kTurnPixels));
}

} // namespace

bool pictureSize(int id, int* width, int* height)
{
    for (const SheetSize& s : kSheets)
        if (s.id == id) {
            *width = s.width, *height = s.height;
            return true;
        }
    return false;
}

int gateImage(const MachineState& m) { return clampTo(m.digitGate, 0, kGateImages - 1); }
int startLampsImage(const MachineState& m) { return clampTo(m.digitStarts, 0, kStartLampsImages - 1); }
int shownDigit(const MachineState& m) { return wrap(m.digitShown, 10); }

bool upperSpinnersLit(const MachineState& m, const AnimClock& clock)
{
    if (m.mode == 2)
        return m.spinPhase >= kNo5Creep && m.spinPhase <= kNo5Revival && clock.blink128;
    if (m.mode != 3)
        return false;
    bool slow = m.round != 0 && !(m.vHit >= 1 && m.vHit <= 31) && (m.modeTick >= kOneLine.doorOpensAt || m.round == 17);
    return slow ? clock.blink256 != 0 : clock.blink128 != 0;
}

int reelColumnX(const MachineState& m, int reel)
{
    bool highlighted = m.chanceCount > 0;
    bool flicker = (m.spinPhase == kNo5FastSpin || m.spinPhase == kNo5Revival) && rightReelTravels(m);
    if (flicker && (m.modeTick & 1))
        highlighted = !highlighted;
    return highlighted ? kReelHighlightX : kReelNormalX;
}

int reelSourceY(int32_t position)
{
    int p = wrap(position, kTurnPixels);
    if (p < kCellPixels) // cell 0 is also the strip's end
        p += kTurnPixels;
    return p - kReelSourceAbove;
}

DisplayScene displayScene(const MachineState& m)
{
    if (m.mode == 0)
        return kShowAttract;
    if (m.mode != 3)
        return kShowReels;
    if (m.round == 0)
        return kShowFanfare;
    if (m.round == 17)
        return kShowEnding;
    if (m.round < 1 || m.round > 16 || m.modeTick < kOneLine.doorOpensAt)
        return kShowReels;
    if (m.vHit >= 1 && m.vHit <= 31)
        return kShowV;
    return kShowRoundBackdrop;
}

DisplayPlan displayPlan(const MachineState& m, const AnimClock& clock)
{
    Plan plan = {};
    switch (displayScene(m)) {
    case kShowAttract: plan.cell(607, clock.blink256 ? 0 : 1, kPictureAttract); break;
    case kShowReels: reels(m, clock, plan); break;
    case kShowFanfare: plan.cell(607, clock.blink64 ? 1 : 0, kPictureFanfare); break;
    case kShowEnding: plan.cell(607, clampTo(m.chanceCount, 0, 2), kPictureEnding); break;
    case kShowV: plan.cell(607, clock.blink64 ? 1 : 0, kPictureV); break;
    case kShowRoundBackdrop: roundBackdrop(m, clock, plan); break;
    }
    return plan.p;
}

void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool)
{
    DisplayPlan plan = displayPlan(m, clock);
    for (int i = 0; i < plan.count; i++) {
        const Draw& d = plan.items[i];
        if (d.sprite)
            drawSprite(view, d.x, d.y, d.w, d.h, d.sx, d.sy, artSprite(d.id));
        else
            copyPicture(view, d.x, d.y, d.w, d.h, artPicture(d.id), d.sx, d.sy);
    }

    copyPicture(view, kGateAt.x, kGateAt.y, kGateW, kGateH, artPicture(609), 0, kGateH * gateImage(m));
    copyPicture(view, kDigitStartLampsAt.x, kDigitStartLampsAt.y, kStartLampsW, kStartLampsH, artPicture(609), 0,
                kStartLampsY + kStartLampsH * startLampsImage(m));
    copyPicture(view, kDigitAt.x, kDigitAt.y, kDigitW, kDigitH, artPicture(610), 0, kDigitH * shownDigit(m));

    drawBalls(view, m);
    for (const Piece& c : kBallCovers) // the balls run behind these
        copyPicture(view, c.x, c.y, c.w, c.h, boardPicture(), c.x, c.y);

    bool lit = upperSpinnersLit(m, clock);
    for (int k = 0; k < 6; k++) {
        bool upper = k < 2;
        drawWindmill(view, kSpinnerAt[k].x, kSpinnerAt[k].y, upper && lit ? kSpinnerLitX : kSpinnerUnlitX,
                     upper ? kUpperSpinnerRow : kLowerSpinnerRow, m.spinner[k]);
    }
}

} // namespace no5screen
