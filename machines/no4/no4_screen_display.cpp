// Machine No.4's play screen: the display's three windows in every mode and
// round, and the moving parts drawn over the composed board on each frame.
#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/play_screen.h"
#include "no4_art_layout.h"
#include "no4_screen.h"

using namespace no4art;

namespace no4screen {

namespace {

enum {
    kFeverRound0 = 0,
    kFeverEnding = 17,
    kDoorOpensAt = 64,
    kSlideInFrom = 52,  // rounds: the numbers slide in from here to the door
    kStillFrom = 36,    // ordinary win: the still picture from this step
    kStripSlideFrom = 116,
    kVFrames = 72,
};

int wrap(int value, int modulus)
{
    int r = value % modulus;
    return r < 0 ? r + modulus : r;
}

int hold(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

WindowView none()
{
    WindowView v = {};
    v.overlayY = -1;
    return v;
}

// A reel in the window, with its flash over it.
WindowView reel(const MachineState& m, int r)
{
    WindowView v = none();
    v.baseSheet = 606;
    v.baseX = kStripX;
    v.baseY = stripRow(m.reelPos[r]);
    v.overlayY = flashRow(m.reelEffect[r]);
    v.overlayX = flashColumn(m.reelEffect[r]);
    return v;
}

WindowView number(int n, int column)
{
    WindowView v = none();
    v.baseSheet = 606;
    v.baseX = column;
    v.baseY = numberRow(n);
    return v;
}

WindowView panorama(int x, int row)
{
    WindowView v = none();
    v.baseSheet = 608;
    v.baseX = hold(x, 0, kPanoramaW - kWindowW);
    v.baseY = row;
    return v;
}

DisplayView blankView()
{
    DisplayView d;
    for (WindowView& v : d.window)
        v = none();
    return d;
}

void slideIn(WindowView& v, int rows, int x, int y)
{
    v.slideRows = hold(rows, 0, kWindowH);
    v.slideX = x;
    v.slideY = y;
}

int windowOffset(int w) { return kWindowX[w] - kWindowX[0]; }

DisplayView bigPrizeIntro(const MachineState& m)
{
    DisplayView d = blankView();
    int t = hold(m.modeTick, -1, 1000); // no sum below overflows
    if (chanceSymbolWin(m)) {
        int row = m.reachSymbol == 4 ? kPanoramaFourWin : kPanoramaEightWin;
        for (int w = 0; w < 3; w++)
            d.window[w] = panorama(windowOffset(w) + winPanOffset(t), row);
        return d;
    }
    // Any other symbol: the flash alone, then the still picture under the
    // flash, then the winning reel sliding down over it in every window.
    for (int w = 0; w < 3; w++) {
        WindowView v = t < kStillFrom ? none() : panorama(kStillX[w], kPanoramaFourWin);
        if (t >= kStripSlideFrom)
            slideIn(v, 4 * t - 464, kStripX, stripRow(m.reelPos[0]));
        v.overlayY = flashRow(m.reelEffect[w]);
        v.overlayX = flashColumn(m.reelEffect[w]);
        d.window[w] = v;
    }
    return d;
}

DisplayView bigPrizeEnding(const MachineState& m)
{
    DisplayView d = blankView();
    if (chanceSymbolWin(m)) {
        int row = m.reachSymbol == 4 ? kPanoramaFourEnd : kPanoramaEightEnd;
        for (int w = 0; w < 3; w++)
            d.window[w] = panorama(windowOffset(w) + endPanOffset(m.modeTick), row);
        return d;
    }
    for (int w = 0; w < 3; w++)
        d.window[w] = reel(m, w);
    return d;
}

DisplayView roundDisplay(const MachineState& m, const AnimClock& clock)
{
    DisplayView d = blankView();
    int t = hold(m.modeTick, -1, 1000);
    if (t < kSlideInFrom) { // the reels flicker on the quick blink
        for (int w = 0; w < 3; w++)
            d.window[w] = clock.blink128 ? reel(m, w) : none();
        return d;
    }
    if (t < kDoorOpensAt) { // round number, the winning symbol and 0 slide in over the reels
        int rows = 4 * t - 208;
        for (int w = 0; w < 3; w++)
            d.window[w] = reel(m, w);
        slideIn(d.window[0], rows, kNumbersX, numberRow(m.round));
        slideIn(d.window[1], rows, kStripX, stripRow(m.reelPos[0]));
        slideIn(d.window[2], rows, kNumbersX, numberRow(0));
        return d;
    }
    int column = m.vHit < kVFrames ? kNumbersX : kNumbersAfterVX;
    d.window[0] = number(m.round, column);
    d.window[1] = reel(m, 1);
    d.window[2] = number(m.attackerCount, column);
    if (m.vHit >= 1 && m.vHit <= kVFrames) {
        d.window[1].overlayX = kFlashVX;
        d.window[1].overlayY = vFrameRow(m.vHit);
    }
    return d;
}

bool vAnimationRuns(const MachineState& m)
{
    return m.mode == 3 && m.round >= 1 && m.round <= 16 && m.modeTick >= kDoorOpensAt && m.vHit >= 1 &&
           m.vHit <= kVFrames;
}

void drawWindow(Picture& view, int x, const WindowView& v)
{
    if (v.baseSheet)
        copyPicture(view, x, kWindowY, kWindowW, kWindowH, artPicture(v.baseSheet), v.baseX, v.baseY);
    if (v.slideRows > 0) // the picture's lower rows, hanging from the window's top
        copyPicture(view, x, kWindowY, kWindowW, v.slideRows, artPicture(606), v.slideX,
                    v.slideY + kWindowH - v.slideRows);
    if (v.overlayY >= 0)
        drawSprite(view, x, kWindowY, kWindowW, kWindowH, v.overlayX, v.overlayY, artSprite(607));
}

} // namespace

int stripRow(int position)
{
    int p = wrap(position, kTurnRows);
    if (p < kCellRows) // the same cell one turn on, so the rows above it are there too
        p += kTurnRows;
    return p - 4;
}

int flashRow(int effect)
{
    int e = hold(effect, -kFlashFrames, kFlashFrames);
    if (e == 0)
        return -1;
    return e > 0 ? kFlashRows - kWindowH * e : kFlashRows + kWindowH * e;
}

int flashColumn(int effect)
{
    return effect > 0 ? kFlashPlusX : kFlashMinusX;
}

int numberRow(int n)
{
    return kWindowH * hold(n, 0, kNumberCount - 1);
}

int vFrameRow(int vHit)
{
    int v = hold(vHit, 1, kVFrames);
    return v <= kVFrames / 2 ? kWindowH * (v - 1) : kWindowH * (kVFrames - v);
}

int winPanOffset(int modeTick)
{
    int t = hold(modeTick, 0, 1000);
    return 4 * t <= 440 ? 4 * t : 444;
}

int endPanOffset(int modeTick)
{
    int t = hold(modeTick, 0, 1000);
    int o = t <= 127 ? (4 * t <= 416 ? 4 * t : 420) : (4 * t - 512 < 420 ? 4 * t - 512 : 420);
    return o < 0 ? 0 : o;
}

bool chanceSymbolWin(const MachineState& m)
{
    return m.reachSymbol == 4 || m.reachSymbol == 8;
}

DisplayView displayView(const MachineState& m, const AnimClock& clock)
{
    if (m.mode == 3) {
        if (m.round == kFeverRound0)
            return bigPrizeIntro(m);
        if (m.round == kFeverEnding)
            return bigPrizeEnding(m);
        if (m.round >= 1 && m.round <= 16)
            return roundDisplay(m, clock);
    }
    DisplayView d = blankView();
    for (int w = 0; w < 3; w++)
        d.window[w] = reel(m, w);
    return d;
}

void displayWritesEffects(MachineState& m)
{
    if (m.mode != 3 || chanceSymbolWin(m))
        return;
    int set = 0;
    if (m.round == kFeverRound0 && m.modeTick == 0)
        set = -kFlashFrames;
    else if ((m.round == kFeverRound0 && m.modeTick == kStillFrom) || (m.round == kFeverEnding && m.modeTick == 1))
        set = kFlashFrames;
    if (set)
        for (int32_t& e : m.reelEffect)
            e = set;
}

void countVFrame(MachineState& m)
{
    if (vAnimationRuns(m))
        m.vHit += 1;
}

void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool counting)
{
    if (counting)
        displayWritesEffects(m);
    const DisplayView d = displayView(m, clock);
    for (int w = 0; w < 3; w++)
        drawWindow(view, kWindowX[w], d.window[w]);

    copyPicture(view, kWingsPlace.x, kWingsPlace.y, kWingsW, kWingsH, artPicture(609), 0, kWingsH * wingsImage(m));
    copyPicture(view, kWingLampPlace.x, kWingLampPlace.y, kWingLampW, kWingLampH, artPicture(610), 0,
                kWingLampH * wingLampImage(m));

    drawBalls(view, m);
    for (const Piece& p : kGateFronts) // the balls pass behind the gates' fronts
        copyPicture(view, p.x, p.y, p.w, p.h, boardPicture(), p.x, p.y);

    for (int k = 0; k < 8; k++)
        drawWindmill(view, kSpinnerPlaces[k].x, kSpinnerPlaces[k].y, 0, k < 2 ? kSpinnerSmallRow : kSpinnerBigRow,
                     m.spinner[k]);

    drawSprite(view, kFairyPlace.x, kFairyPlace.y, kFairySize, kFairySize, 0, kFairySize * fairyPose(m, clock),
               artSprite(602));

    if (counting)
        countVFrame(m);
}

} // namespace no4screen
