// The hall of a shop: one row of eight machines seen from the aisle, the
// cursor machine's cabinet centred in the 480-pixel view with a neighbour on
// either side. Columns of 192 pixels: divider (or the row's start piece),
// cabinet, top lamp, the stool or the person in front, the ball boxes; the
// cabinet fronts and lamps are refreshed every 8 ticks, and a cursor move
// slides the view by 16 pixels a tick.
#include <algorithm>

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/gfx/screens.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/hall/hall.h"
#include "hallcore/hall/player_slots.h"
#include "hallcore/sys/sys_present.h"

int hallScroll = 0;

namespace {

enum {
    kViewWidth = 480,
    kViewHeight = 432,
    kFloorTop = 32,
    kFloorFront = 416, // the front edge of the floor; the stools and boxes stand on it
    kCabinetLeft = 52, // the cabinet's left edge within its column
    kLampLeft = 85,
    kLampTop = 8,
    kFrontTop = 32,
    kRowEndWidth = 170,
    kFeverMode = 3,
};

// The slot of a player occupant (2..5), or null for a customer, nobody or a
// wild value.
const PlayerSlot* playerOf(const MachineState& m)
{
    return m.occupant >= kFirstPlayerSeat && m.occupant <= 5 ? &playerSlots[m.occupant - 2] : nullptr;
}

// Somebody sits at the machine: a customer, or a player who is playing it.
bool seated(const MachineState& m)
{
    const PlayerSlot* p = playerOf(m);
    return m.occupant == kCustomer || (p && p->scene == kScenePlaying);
}

ShopState& viewedShop(const PlayerSlot& s)
{
    return shops[s.shop == kNightShop ? kNightShop : kDayShop];
}

// Machine b stands in the cursor's row (0..7 or 8..15).
bool inCursorRow(const PlayerSlot& s, int b)
{
    return s.cursor >= 0 && s.cursor < kMachinesPerShop && b >= 0 && b < kMachinesPerShop && b / 8 == s.cursor / 8;
}

void drawLamp(Picture& target, int x, const ShopState& shop, const MachineState& m)
{
    copyPicture(target, x, kLampTop, 74, 20, artPicture(515), 0, 20 * hallLampFrame(shop.openState, m));
}

void drawFront(Picture& target, int x, const MachineState& m)
{
    copyPicture(target, x, kFrontTop, 140, 64, artPicture(519), 0, 64 * hallFrontFrame(m));
}

void drawColumn(Picture& target, const PlayerSlot& s, int b, int x)
{
    // Above the floor nothing but the pieces of a machine stands; clear it
    // for the columns beyond a row's end.
    fillRect(target, x, 0, kHallColumnWidth, kFloorTop, kPaletteBlack);
    const Picture& floor = artPicture(512);
    for (int k = 0; k < 6; k++) {
        for (int y = kFloorTop; y < kFloorFront; y += 32)
            copyPicture(target, x + 32 * k, y, 32, 32, floor, 0, 32);
        copyPicture(target, x + 32 * k, kFloorFront, 32, 16, floor, 0, 64);
    }
    bool firstRow = s.cursor >= 0 && s.cursor < 8;
    bool secondRow = s.cursor >= 8 && s.cursor < 16;
    if ((b == 8 && firstRow) || (b == 16 && secondRow))
        copyPicture(target, x, 0, kRowEndWidth, kViewHeight, artPicture(511), 0, kViewHeight);
    if (!inCursorRow(s, b))
        return;

    const ShopState& shop = viewedShop(s);
    const MachineState& m = shop.machines[b];
    if (b == 0 || b == 8)
        copyPicture(target, x + kCabinetLeft - kRowEndWidth, 0, kRowEndWidth, kViewHeight, artPicture(511), 0, 0);
    else
        copyPicture(target, x, 0, kCabinetLeft, 272, artPicture(514), 0, 0);
    copyPicture(target, x + kCabinetLeft, 0, 140, 272, artPicture(513), 0, 0);
    drawLamp(target, x + kLampLeft, shop, m);

    const Sprite& seat = artSprite(hallSeatSprite(m));
    int w = seat.image.width, h = seat.image.height;
    drawSprite(target, x + kCabinetLeft + 70 - w / 2, kFloorFront - h, w, h, 0, 0, seat);

    int boxes = hallBoxesDrawn(m.boxes);
    for (int k = 0; k < boxes; k++) {
        int bx, by;
        hallBoxPosition(x, k, &bx, &by);
        drawSprite(target, bx, by, 40, 28, 0, 0, artSprite(518));
    }
}

// Shows a rectangle of the scene surface in the hall window, cut to the view.
void presentScene(int x, int y, int w, int h)
{
    int x0 = std::max(x, 0), x1 = std::min(x + w, (int)kViewWidth);
    if (x1 > x0)
        sysPresent(kWindowHall, x0, y, x1 - x0, h, sceneSurface, x0, y);
}

void slideStep()
{
    const PlayerSlot& s = activePlayerSlot();
    int v = std::max(-kHallColumnWidth, std::min(hallScroll, (int)kHallColumnWidth));
    if (v == kHallColumnWidth) {
        drawHallView(wideSurface, kHallSlidePrevious);
        if (s.cursor % 8 == 7) // stepped back into the other row: no slide
            v = 1;
    } else if (v == -kHallColumnWidth) {
        drawHallView(wideSurface, kHallSlideNext);
        if (s.cursor % 8 == 0)
            v = -1;
    }
    int offset;
    if (v > 0) {
        v = std::max(v - 16, 0);
        offset = v;
    } else {
        v = std::min(v + 16, 0);
        offset = v + kHallColumnWidth;
    }
    hallScroll = v;
    sysPresent(kWindowHall, 0, 0, kViewWidth, kViewHeight, wideSurface, offset, 0);
    if (v == 0)
        copyPicture(sceneSurface, 0, 0, kViewWidth, kViewHeight, wideSurface, offset, 0);
}

// The lamps and then the cabinet fronts of the three machines in view.
void lampRefresh()
{
    const PlayerSlot& s = activePlayerSlot();
    const ShopState& shop = viewedShop(s);
    for (int k = 0; k < 3; k++) {
        int n = s.cursor - 1 + k;
        if (!inCursorRow(s, n))
            continue;
        int x = kHallColumnWidth * k - 74 + kLampLeft;
        drawLamp(sceneSurface, x, shop, shop.machines[n]);
        presentScene(x, kLampTop, 74, 20);
    }
    for (int k = 0; k < 3; k++) {
        int n = s.cursor - 1 + k;
        if (!inCursorRow(s, n))
            continue;
        int x = kHallColumnWidth * k - 74 + kCabinetLeft;
        drawFront(sceneSurface, x, shop.machines[n]);
        presentScene(x, kFrontTop, 140, 64);
    }
}

} // namespace

int hallLampFrame(int openState, const MachineState& m)
{
    bool fever = m.mode == kFeverMode;
    if ((!fever && openState == kShopClosed) || (fever && animClock.blink256))
        return 0;
    return m.feverKind >= 1 && m.feverKind <= 3 ? m.feverKind : 1;
}

int hallFrontFrame(const MachineState& m)
{
    int frame = seated(m) ? 2 : 0;
    // a machine in its fever, or in a model's chance state, blinks
    if ((m.mode == kFeverMode || modelInChanceState(m)) && animClock.blink256)
        frame += 1;
    return frame;
}

int hallSeatSprite(const MachineState& m)
{
    return seated(m) ? 517 : 516;
}

void hallBoxPosition(int columnX, int k, int* x, int* y)
{
    static const int kStackShift[6] = {10, -30, 90, -10, 30, 70};
    int stack = std::min(k / 4, 5);
    int a = k % 4;
    *x = columnX + kCabinetLeft + kStackShift[stack];
    *y = kFloorFront + a - 28 * (a + 1);
}

int hallBoxesDrawn(int32_t boxes)
{
    return std::max(0, std::min(boxes, (int32_t)24));
}

void drawHallView(Picture& target, int mode)
{
    const PlayerSlot& s = activePlayerSlot();
    int first = mode == kHallSlideNext ? s.cursor - 2 : s.cursor - 1;
    int columns = mode == kHallViewMachines ? 3 : 4;
    for (int i = 0; i < columns; i++)
        drawColumn(target, s, first + i, kHallColumnWidth * i - 74);
}

void paintHall()
{
    if (hallScroll == 0)
        drawHallView(sceneSurface, kHallViewMachines);
    sysPresent(kWindowHall, 0, 0, kViewWidth, kViewHeight, sceneSurface, 0, 0);
}

void hallViewTick()
{
    if (hallScroll != 0) {
        slideStep();
    } else if (hallDirty) {
        drawHallView(sceneSurface, kHallViewMachines);
        sysPresent(kWindowHall, 0, 0, kViewWidth, kViewHeight, sceneSurface, 0, 0);
        hallDirty = 0;
    } else if (animClock.count128 == 0) {
        lampRefresh();
    }
}
