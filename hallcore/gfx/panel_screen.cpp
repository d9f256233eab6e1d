// The info panel: clock, the map of the shop's 16 machines with who sits
// where, the four player tabs, and the figures of the machine the active
// player looks at (its plate, big prizes of the last three days, spins since
// the last fever and the balls in its tray).
#include <algorithm>
#include <cstdio>

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/gfx/screens.h"
#include "hallcore/hall/clock.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/gfx/handle_screen.h"
#include "hallcore/hall/launch_handle.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/sys/sys_present.h"

namespace {

enum {
    kBlankDigit = 10,
    kSeparator = 11,
    kStatusBottom = 290, // the rows the tick refreshes
    kMiddleTop = 196,
};

int wrapWeekday(int d)
{
    return ((d % 7) + 7) % 7;
}

const ShopState& panelShop(const PlayerSlot& s)
{
    return shops[s.shop == kNightShop ? kNightShop : kDayShop];
}

// Machine whose figures the panel shows: the cursor's in the hall, the seat
// while playing; -1 when there is none.
int shownMachine(const PlayerSlot& s)
{
    int n = s.cursor >= 0 && s.cursor < kMachinesPerShop ? s.cursor : s.seat;
    return n >= 0 && n < kMachinesPerShop ? n : -1;
}

void smallDigit(int x, int y, int frame)
{
    copyPicture(panelSurface, x, y, 10, 16, artPicture(504), 0, 16 * frame);
}

// "%2d" of a count held to 0..99: a blank for the tens below 10.
void twoDigits(int x, int y, int32_t value)
{
    int v = std::max(0, std::min(value, (int32_t)99));
    smallDigit(x, y, v >= 10 ? v / 10 : kBlankDigit);
    smallDigit(x + 10, y, v % 10);
}

// Six characters at x 57, 67, 77 and 91, 101, 111; the separator at 87 after
// a third character that is a digit, of which the fourth digit covers all
// but the first four columns.
void sixFigure(int y, int64_t value)
{
    char text[7];
    panelFigureText(value, text);
    auto frame = [](char c) { return c >= '0' && c <= '9' ? c - '0' : (int)kBlankDigit; };
    static const int kLeft[3] = {57, 67, 77}, kRight[3] = {91, 101, 111};
    for (int i = 0; i < 3; i++)
        smallDigit(kLeft[i], y, frame(text[i]));
    smallDigit(87, y, text[2] >= '0' && text[2] <= '9' ? kSeparator : kBlankDigit);
    for (int i = 0; i < 3; i++)
        smallDigit(kRight[i], y, frame(text[3 + i]));
}

void drawMiddleFace(const PlayerSlot& s)
{
    copyPicture(panelSurface, 0, kMiddleTop, 128, 94, panelMiddle, 0, s.scene == kSceneStreet ? 0 : 94);
}

void drawMachinePlate(const PlayerSlot& s)
{
    int n = shownMachine(s);
    if (s.scene != kSceneStreet && n >= 0)
        copyPicture(panelSurface, 7, 202, 30, 16, artPicture(507), 30, 16 * n);
}

} // namespace

void panelFigureText(int64_t value, char out[7])
{
    int v = (int)std::max<int64_t>(0, std::min<int64_t>(value, 999999));
    std::snprintf(out, 7, "%6d", v);
}

int panelIconFrame(const MachineState& m)
{
    int frame = m.occupant >= 0 && m.occupant <= 5 ? m.occupant : 0;
    if (frame >= 2 && animClock.blink256 &&
        (m.customerState != kCustomerPlaying || playerSlots[frame - 2].scene != kScenePlaying))
        return 0;
    return frame;
}

void drawPanelClock()
{
    const BrokenDownTime& t = clockNow;
    copyPicture(panelSurface, 5, 4, 32, 24, artPicture(505), 0, 24 * wrapWeekday(t.weekday));
    const Picture& digits = artPicture(503);
    int hour = std::max(0, std::min(t.hour, (int32_t)99));
    int minute = std::max(0, std::min(t.minute, (int32_t)99));
    copyPicture(panelSurface, 47, 4, 16, 24, digits, 0, 24 * (hour >= 10 ? hour / 10 : kBlankDigit));
    copyPicture(panelSurface, 63, 4, 16, 24, digits, 0, 24 * (hour % 10));
    copyPicture(panelSurface, 91, 4, 16, 24, digits, 0, 24 * (minute / 10));
    copyPicture(panelSurface, 107, 4, 16, 24, digits, 0, 24 * (minute % 10));
}

void drawPanelMap()
{
    const PlayerSlot& s = activePlayerSlot();
    const ShopState& shop = panelShop(s);
    const uint8_t white = (uint8_t)paletteIndex(3, 3, 3), yellow = (uint8_t)paletteIndex(3, 3, 0),
                  cyan = (uint8_t)paletteIndex(0, 3, 3);
    for (int i = 0; i < kMachinesPerShop; i++) {
        int x = i < 8 ? 5 : 93, y = i < 8 ? 37 + (7 - i) * 16 : 37 + (i - 8) * 16;
        int column = hallLampFrame(shop.openState, shop.machines[i]);
        copyPicture(panelSurface, x, y, 30, 16, artPicture(507), 30 * column, 16 * i);
        bool seat = s.seat == i, cursor = s.cursor == i;
        if (seat || cursor)
            frameRect(panelSurface, x + 1, y + 1, x + 30, y + 16, 2, seat && cursor ? white : seat ? yellow : cyan);
    }
    for (int j = 0; j < kMachinesPerShop; j++) {
        int frame = panelIconFrame(shop.machines[j]);
        if (j < 8)
            copyPicture(panelSurface, 38, 151 - 16 * j, 12, 12, mapIcons, 0, 12 * frame);
        else
            copyPicture(panelSurface, 78, 16 * j - 89, 12, 12, mapIcons, 12, 12 * frame);
    }
}

void drawPanelTabs()
{
    for (int i = 0; i < kPlayerSlots; i++) {
        const PlayerSlot& p = playerSlots[i];
        bool active = i == activeSlot;
        bool hasPlayer = p.name[0] != 0;
        bool inTrouble = p.machine && p.machine->customerState != kCustomerPlaying && animClock.blink256 && !active;
        int sy = (!hasPlayer || inTrouble) ? 0 : 52;
        if (active)
            sy += 26;
        copyPicture(panelSurface, 32 * i, 170, 32, 26, panelTabs, 32 * i, sy);
    }
}

void drawPanelMachineFigures()
{
    const PlayerSlot& s = activePlayerSlot();
    int n = shownMachine(s);
    if (s.scene == kSceneStreet || n < 0)
        return;
    const MachineState& m = panelShop(s).machines[n];
    int wd = wrapWeekday(clockNow.weekday);
    const int frames[3] = {(wd + 5) % 7, (wd + 6) % 7, wd};
    for (int k = 0; k < 3; k++)
        copyPicture(panelSurface, 43 + 28 * k, 202, 24, 16, artPicture(506), 0, 16 * frames[k]);
    twoDigits(45, 224, m.prizesTwoDaysAgo);
    twoDigits(73, 224, m.prizesYesterday);
    twoDigits(101, 224, m.prizesToday);
    sixFigure(246, m.startsSincePrize);
    sixFigure(268, m.balls);
}

void paintPanel()
{
    const PlayerSlot& s = activePlayerSlot();
    copyPicture(panelSurface, 0, 0, 128, 432, artPicture(500), 0, 0);
    drawPanelClock();
    drawPanelMap();
    drawPanelTabs();
    drawMiddleFace(s);
    drawMachinePlate(s);
    drawPanelMachineFigures();
    sysPresent(kWindowPanel, 0, 0, 128, 432, panelSurface, 0, 0);
}

void panelTick()
{
    const PlayerSlot& s = activePlayerSlot();
    if (handleStep() && s.scene == kScenePlaying && s.playView == 1)
        drawHandle();
    if (animClock.count256 != 0)
        return;
    if (updateShopHours())
        drawPanelClock();
    drawPanelMap();
    drawPanelTabs();
    drawPanelMachineFigures();
    sysPresent(kWindowPanel, 0, 0, 128, kStatusBottom, panelSurface, 0, 0);
}
