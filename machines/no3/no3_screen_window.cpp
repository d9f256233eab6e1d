// Machine No.3's play screen: the reel window in every mode, and the moving
// parts drawn over the composed board on each frame.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/gfx/play_screen.h"
#include "no3_screen.h"
#include "no3_art_layout.h"

using namespace no3art;

namespace no3screen {

namespace {

enum {
    kWindowX = 186,
    kWindowY = 176,
    kWindowW = 108,
    kWindowH = 80,
    kCellW = 26,
    kCellH = 24,
    kPanelRow = kWindowY + kWindowH, // the fever panel's row in the work buffer, right below the reels
    kScrollSteps = 40,
    kDoorOpensAt = 80,
    kDemoRows = 288,
};

int cellX(int k) { return 198 + 29 * (k % 3); }
int cellY(int k) { return 177 + 27 * (k / 3); }

int wrap(int value, int modulus)
{
    int r = value % modulus;
    return r < 0 ? r + modulus : r;
}

int stripOf(int reel) { return reel == 4 ? 2 : (reel == 2 || reel == 6) ? 1 : 0; }

void copyWindowPicture(Picture& target, int y, int sheet, int row)
{
    copyPicture(target, kWindowX, y, kWindowW, kWindowH, artPicture(sheet), 0, row);
}

// A thick line through the centres of two cells, reaching a little beyond both.
void markLine(Picture& target, int from, int to, uint8_t colour)
{
    int x0 = cellX(from) + kCellW / 2, y0 = cellY(from) + kCellH / 2;
    int x1 = cellX(to) + kCellW / 2, y1 = cellY(to) + kCellH / 2;
    int dx = x1 - x0, dy = y1 - y0;
    int steps = std::max(std::abs(dx), std::abs(dy));
    int ex = dx * 10 / steps, ey = dy * 10 / steps;
    x0 -= ex, y0 -= ey, x1 += ex, y1 += ey;
    steps += 20;
    for (int i = 0; i <= steps; i++)
        fillRect(target, x0 + (x1 - x0) * i / steps - 1, y0 + (y1 - y0) * i / steps - 1, 3, 3, colour);
}

void drawReels(const MachineState& m, const AnimClock& clock, Picture& target)
{
    for (int k = 0; k < kReels; k++) {
        const Piece& strip = kReelStrip[stripOf(k)];
        int row = wrap(m.reelPos[k], reelCells(k) * kCellUnits);
        copyPicture(target, cellX(k), cellY(k), kCellW, kCellH, artPicture(601), strip.x, strip.y + row);
    }
    int marks = visibleMarks(m, clock);
    if (!marks)
        return;
    static const struct {
        int bit, from, to;
    } kLines[] = {
        {kLineTopRow, 0, 2},        {kLineRightColumn, 2, 8},   {kLineBottomRow, 6, 8},
        {kLineLeftColumn, 0, 6},    {kLineMiddleRow, 3, 5},     {kLineMiddleColumn, 1, 7},
        {kLineDiagonalDown, 0, 8},  {kLineDiagonalUp, 2, 6},
    };
    uint8_t red = (uint8_t)paletteIndex(3, 0, 0);
    for (const auto& line : kLines)
        if (marks & line.bit)
            markLine(target, line.from, line.to, red);
}

void drawDemo(const MachineState& m, Picture& target)
{
    copyWindowPicture(target, kWindowY, 607, kWindowHeight * kWindowBackdrop);
    int row = demoStripRow(m.modeTick);
    static const int kCells[6] = {0, 2, 7, 1, 6, 8}; // column A, then column B
    for (int i = 0; i < 6; i++) {
        const Piece& strip = kDemoStrip[i < 3 ? 0 : 1];
        int k = kCells[i];
        copyPicture(target, cellX(k), cellY(k), kCellW, kCellH, artPicture(601), strip.x, strip.y + row);
    }
}

// The panel a fever scrolls onto: the fanfare's, or the ending's.
int feverPanelRow(const MachineState& m, const AnimClock& clock)
{
    if (m.round == 0)
        return kWindowHeight * kWindowFanfare;
    return kWindowHeight * (clock.blink256 ? kWindowEndingB : kWindowEndingA);
}

// Reels above the panel in the work buffer, seen through the window as
// they scroll up out of it.
void drawScroll(const MachineState& m, const AnimClock& clock, Picture& view)
{
    Picture& work = wideSurface;
    copyPicture(work, kWindowX, kWindowY, kWindowW, kWindowH, boardPicture(), kWindowX, kWindowY);
    drawReels(m, clock, work);
    copyWindowPicture(work, kPanelRow, 607, feverPanelRow(m, clock));
    int t = m.modeTick < 0 ? 0 : m.modeTick;
    copyPicture(view, kWindowX, kWindowY, kWindowW, kWindowH, work, kWindowX, kWindowY + 2 * t);
}

// The fanfare picture slides down into its panel; its lower edge is at
// 96 + 2 x step on the view and comes to rest on the window's lower edge.
void drawFanfare(const MachineState& m, Picture& view)
{
    Picture& work = wideSurface;
    copyWindowPicture(work, kPanelRow, 607, kWindowHeight * kWindowFanfare);
    int t = m.modeTick > 80 ? 80 : m.modeTick;
    int top = 96 + 2 * t - kWindowH; // on the view
    drawSprite(work, kWindowX, kPanelRow + top - kWindowY, kWindowW, kWindowH, 0, 0, artSprite(608));
    copyPicture(view, kWindowX, kWindowY, kWindowW, kWindowH, work, kWindowX, kPanelRow);
}

void drawRoundPanel(const MachineState& m, Picture& view)
{
    copyWindowPicture(view, kWindowY, roundPanelSheet(m.round), roundPanelRow(m.round, m.modeTick));
    int h = captionHeight(m.modeTick);
    if (h > 0) // the caption's lower part, hanging from the window's top
        drawSprite(view, kWindowX, kWindowY, kWindowW, h, 0, kWindowH * (m.round - 1) + kWindowH - h, artSprite(609));
}

} // namespace

int demoStripRow(int modeTick)
{
    int t = wrap(modeTick, 256);
    int r;
    if (t <= 83)
        r = 288 - (t % 24) * 12;
    else if (t == 84 || t == 87)
        r = 142;
    else if (t == 85 || t == 86)
        r = 141;
    else if (t <= 127)
        r = 144;
    else if (t <= 211)
        r = 432 - ((t - 128) % 24) * 12;
    else if (t == 212 || t == 215)
        r = 286;
    else if (t == 213 || t == 214)
        r = 285;
    else
        r = 0;
    return r % kDemoRows;
}

int captionHeight(int modeTick)
{
    static const int kBounce[8] = {72, 66, 62, 60, 60, 62, 66, 72};
    if (modeTick < 32)
        return 0;
    if (modeTick <= 41)
        return 8 * (modeTick - 32);
    if (modeTick >= 43 && modeTick <= 50)
        return kBounce[modeTick - 43];
    return 80;
}

int visibleMarks(const MachineState& m, const AnimClock& clock)
{
    bool fever = m.mode == 3;
    if (!(m.reelPhase == 1 || m.reelPhase == 2 || fever) || !clock.blink256)
        return 0;
    bool all = (m.lineMask & kLineAllTwos) != 0;
    int lines = all ? 0x0F33 : m.lineMask & 0x0F33;
    int shown = lines & (kLineMiddleRow | kLineMiddleColumn | kLineDiagonalDown);
    if (m.reelPhase == 1 || fever || all)
        shown |= lines & (kLineTopRow | kLineRightColumn | kLineBottomRow | kLineLeftColumn);
    if (m.reelPhase == 2 || fever || all)
        shown |= lines & kLineDiagonalUp;
    return shown;
}

WindowContent windowContent(const MachineState& m)
{
    if (m.mode == 0)
        return kShowDemo;
    if (m.mode != 3)
        return kShowReels;
    if (m.round == 0 || m.round == 17) {
        if (m.modeTick < kScrollSteps)
            return kShowScroll;
        return m.round == 0 ? kShowFanfare : kShowEnding;
    }
    if (m.round < 1 || m.round > 16)
        return kShowReels;
    if (m.modeTick < kDoorOpensAt)
        return kShowRoundPanel;
    return m.vHit >= 1 && m.vHit <= 63 ? kShowV : kShowReels;
}

int roundPanelSheet(int round)
{
    return round <= 6 ? 603 : round <= 12 ? 604 : round <= 15 ? 605 : 606;
}

int roundPanelRow(int round, int modeTick)
{
    bool intro = round == 1 || round == 7 || round == 13 || round == 16;
    return intro && modeTick < 20 ? kRoundPanelIntroY : kRoundPanelY;
}

void composeMovingParts(MachineState& m, const AnimClock& clock, Picture& view, bool countV)
{
    switch (windowContent(m)) {
    case kShowDemo: drawDemo(m, view); break;
    case kShowReels: drawReels(m, clock, view); break;
    case kShowScroll: drawScroll(m, clock, view); break;
    case kShowFanfare: drawFanfare(m, view); break;
    case kShowEnding: copyWindowPicture(view, kWindowY, 607, feverPanelRow(m, clock)); break;
    case kShowRoundPanel: drawRoundPanel(m, view); break;
    case kShowV:
        copyWindowPicture(view, kWindowY, 607, kWindowHeight * (m.vHit % 2 ? kWindowVB : kWindowVA));
        if (countV)
            m.vHit += 1;
        break;
    }

    drawBalls(view, m);

    LampFlags f = lampFlags(m, clock);
    static const int kMills[6][2] = {{122, 112}, {322, 112}, {38, 208}, {406, 208}, {130, 228}, {314, 228}};
    for (int k = 0; k < 6; k++) {
        bool upper = k < 2;
        drawWindmill(view, kMills[k][0], kMills[k][1], upper && f.f ? 36 : 0, upper ? 0 : 108, m.spinner[k]);
    }

    const Sprite& ornaments = artSprite(602);
    const Piece& left = kTopOrnament[f.g ? 1 : 0];
    const Piece& right = kTopOrnament[f.g ? 3 : 2];
    drawSprite(view, 82, 168, left.w, left.h, left.x, left.y, ornaments);
    drawSprite(view, 354, 168, right.w, right.h, right.x, right.y, ornaments);
    drawSprite(view, 169, 404, kBottomOrnament.w, kBottomOrnament.h, kBottomOrnament.x, kBottomOrnament.y, ornaments);
}

} // namespace no3screen
