// The street, hall and info-panel screens, composed from the committed
// artwork and read back from their surfaces: which frames, sprites, glyphs
// and outlines the rules choose, where they land, the hall's slide and the
// panel's tick.
//
// With TAMAROW_SCREENS_CONTACT=<file.png> set, the contact test also writes
// a PNG of composed hall, play and panel screens from still states.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "hall_fixture.h"
#include "program_art.h"
#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/shell/command_ids.h"
#include "hallcore/shell/commands.h"
#include "hallcore/gfx/handle_screen.h"
#include "hallcore/hall/launch_handle.h"
#include "hallcore/sys/sys_present.h"

namespace {

// The previous (-1) or next (+1) machine command.
void moveCursor(int step)
{
    dispatchCommand(step < 0 ? kCmdPrevMachine : kCmdNextMachine, 0);
}

uint8_t at(const Picture& p, int x, int y) { return pixelRow(p, y)[x]; }

bool sameRect(const Picture& a, int ax, int ay, int w, int h, const Picture& b, int bx, int by)
{
    for (int y = 0; y < h; y++)
        if (std::memcmp(pixelRow(a, ay + y) + ax, pixelRow(b, by + y) + bx, (size_t)w) != 0)
            return false;
    return true;
}

// Every opaque pixel of the sprite's frame shows at (x, y) of the target.
bool spriteShown(const Picture& t, int x, int y, int w, int h, const Sprite& s, int sx = 0, int sy = 0)
{
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++)
            if (at(s.mask, sx + i, sy + j) == 0 && at(t, x + i, y + j) != at(s.image, sx + i, sy + j))
                return false;
    return true;
}

class Screens : public HallTest {
protected:
    void SetUp() override
    {
        HallTest::SetUp();
        ASSERT_TRUE(useProgramArt());
        ASSERT_TRUE(createArtwork());
        std::memset(shops[0].machines, 0, sizeof shops[0].machines);
        std::memset(shops[1].machines, 0, sizeof shops[1].machines);
        shops[0].openState = kShopOpen;
        for (int i = 0; i < kPlayerSlots; i++)
            initPlayerSlot(i);
        activeSlot = 0;
        hallScroll = 0;
        hallDirty = 0;
        std::memset(nullPresentCount, 0, sizeof nullPresentCount);
        animClock.blink256 = 0;
    }
    void TearDown() override
    {
        releaseArtwork();
        setResourceLookup(nullptr);
        hallScroll = 0;
    }

    // The active slot P1 walks the day shop's hall at `cursor`.
    static PlayerSlot& inHall(int cursor, int scene = kSceneHall)
    {
        PlayerSlot& s = playerSlots[0];
        std::strcpy(s.name, "ICHIRO");
        s.shop = kDayShop;
        s.shopState = &shops[0];
        s.scene = scene;
        s.cursor = cursor;
        return s;
    }
    // P1 sits at machine `seat` and plays it.
    static PlayerSlot& seatedAt(int seat)
    {
        PlayerSlot& s = inHall(kSpareMachine, kScenePlaying);
        s.seat = seat;
        s.machine = &shops[0].machines[seat];
        s.machine->occupant = 2;
        return s;
    }
    static MachineState& machine(int i) { return shops[0].machines[i]; }

    // Left edge of view column k (0..2).
    static int columnX(int k) { return 192 * k - 74; }

    static bool lampShows(const Picture& view, int k, int frame)
    {
        return sameRect(view, columnX(k) + 85, 8, 74, 20, artPicture(515), 0, 20 * frame);
    }
    // The part of the front inside the 480-pixel view.
    static bool frontShows(const Picture& view, int k, int frame)
    {
        int x = columnX(k) + 52, x0 = std::max(x, 0), x1 = std::min(x + 140, 480);
        return sameRect(view, x0, 32, x1 - x0, 64, artPicture(519), x0 - x, 64 * frame);
    }
    static bool seatShows(const Picture& view, int k, int id)
    {
        const Sprite& s = artSprite(id);
        int w = s.image.width, h = s.image.height;
        return spriteShown(view, columnX(k) + 122 - w / 2, 416 - h, w, h, s);
    }

    static void tickHall(int ticks)
    {
        for (int i = 0; i < ticks; i++) {
            advanceAnimClock();
            hallViewTick();
        }
    }
    // Ticks the hall until the lamps and fronts are refreshed.
    static void tickToLampRefresh()
    {
        do {
            advanceAnimClock();
            hallViewTick();
        } while (animClock.count128 != 0);
    }
};

// ------------------------------------------------------------------ hall

TEST_F(Screens, LampFrameByFeverKindShopHoursAndBlink)
{
    MachineState m = idleMachine();
    EXPECT_EQ(hallLampFrame(kShopOpen, m), 1) << "kind 0 lights as kind 1";
    m.feverKind = 3;
    EXPECT_EQ(hallLampFrame(kShopRushHours, m), 3);
    EXPECT_EQ(hallLampFrame(kShopClosed, m), 0) << "dark after closing";
    m.mode = 3; // a fever runs on after closing, blinking
    EXPECT_EQ(hallLampFrame(kShopClosed, m), 3);
    animClock.blink256 = 1;
    EXPECT_EQ(hallLampFrame(kShopOpen, m), 0);
    m.mode = 2;
    EXPECT_EQ(hallLampFrame(kShopOpen, m), 3) << "only a fever blinks";
    m.feverKind = 77; // a damaged file
    EXPECT_EQ(hallLampFrame(kShopOpen, m), 1);

    // In the drawn view: cursor 3 shows machines 2, 3, 4.
    animClock.blink256 = 0;
    inHall(3);
    machine(2).feverKind = 2;
    machine(3).feverKind = 3;
    machine(3).mode = 3;
    paintHall();
    EXPECT_TRUE(lampShows(sceneSurface, 0, 2));
    EXPECT_TRUE(lampShows(sceneSurface, 1, 3));
    EXPECT_TRUE(lampShows(sceneSurface, 2, 1));
    shops[0].openState = kShopClosed;
    animClock.blink256 = 1;
    paintHall();
    EXPECT_TRUE(lampShows(sceneSurface, 0, 0));
    EXPECT_TRUE(lampShows(sceneSurface, 1, 0));
    animClock.blink256 = 0;
    paintHall();
    EXPECT_TRUE(lampShows(sceneSurface, 1, 3));
}

TEST_F(Screens, FrontFrameAndSeatFollowWhoSitsThere)
{
    MachineState m = idleMachine();
    EXPECT_EQ(hallFrontFrame(m), 0);
    EXPECT_EQ(hallSeatSprite(m), 516);
    m.occupant = 1;
    EXPECT_EQ(hallFrontFrame(m), 2);
    EXPECT_EQ(hallSeatSprite(m), 517);
    m.mode = 3;
    animClock.blink256 = 1;
    EXPECT_EQ(hallFrontFrame(m), 3);
    m.occupant = 0;
    EXPECT_EQ(hallFrontFrame(m), 1) << "the fever flashes on an empty machine too";
    m.occupant = 9; // wild: nobody
    m.mode = 0;
    EXPECT_EQ(hallFrontFrame(m), 0);
    EXPECT_EQ(hallSeatSprite(m), 516);

    m.occupant = 3; // P2
    playerSlots[1].scene = kScenePlaying;
    EXPECT_EQ(hallFrontFrame(m), 2);
    EXPECT_EQ(hallSeatSprite(m), 517);
    playerSlots[1].scene = kSceneHallKeeping;
    EXPECT_EQ(hallFrontFrame(m), 0);
    EXPECT_EQ(hallSeatSprite(m), 516);
}

TEST_F(Screens, PlayerWalkingTheHallLeavesAnEmptyStoolAndADarkFront)
{
    PlayerSlot& s = seatedAt(5);
    machine(4).occupant = 1;
    s.scene = kSceneHallKeeping; // stands up and walks the hall
    s.cursor = 5;
    paintHall();
    EXPECT_TRUE(seatShows(sceneSurface, 0, 517)) << "the customer at 4";
    EXPECT_TRUE(seatShows(sceneSurface, 1, 516)) << "the player's own machine";
    EXPECT_FALSE(seatShows(sceneSurface, 1, 517));
    EXPECT_TRUE(seatShows(sceneSurface, 2, 516));
    // The full redraw leaves the fronts; the refresh brings them.
    EXPECT_FALSE(frontShows(sceneSurface, 0, 2));
    int before = nullPresentCount[kWindowHall];
    tickToLampRefresh();
    EXPECT_EQ(nullPresentCount[kWindowHall] - before, 6) << "three lamps, three fronts";
    EXPECT_TRUE(frontShows(sceneSurface, 0, 2));
    EXPECT_TRUE(frontShows(sceneSurface, 1, 0));
    EXPECT_TRUE(frontShows(sceneSurface, 2, 0));
    s.scene = kScenePlaying;
    tickToLampRefresh();
    EXPECT_TRUE(frontShows(sceneSurface, 1, 2));
}

TEST_F(Screens, BallBoxesStackFourHighThenMoveOn)
{
    int x, y;
    hallBoxPosition(0, 0, &x, &y);
    EXPECT_EQ(x, 62);
    EXPECT_EQ(y, 388);
    hallBoxPosition(0, 3, &x, &y);
    EXPECT_EQ(y, 416 + 3 - 112) << "27 pixels up per box";
    hallBoxPosition(0, 4, &x, &y);
    EXPECT_EQ(x, 22);
    EXPECT_EQ(y, 388);
    hallBoxPosition(0, 23, &x, &y);
    int x20, y20;
    hallBoxPosition(0, 99, &x20, &y20);
    EXPECT_EQ(x, 122);
    EXPECT_EQ(x20, 122) << "box 100 still in the sixth stack";
    EXPECT_EQ(y20, y);
    EXPECT_EQ(hallBoxesDrawn(5), 5);
    EXPECT_EQ(hallBoxesDrawn(-3), 0);
    EXPECT_EQ(hallBoxesDrawn(INT32_MAX), 24);

    inHall(3);
    machine(3).occupant = 1;
    machine(3).boxes = 5;
    paintHall();
    const Sprite& box = artSprite(518);
    for (int k = 0; k < 6; k++) {
        hallBoxPosition(columnX(1), k, &x, &y);
        EXPECT_EQ(spriteShown(sceneSurface, x, y, 40, 28, box), k < 5) << "box " << k;
    }
    // A wild count from a damaged file draws the full sixth stack and no more.
    machine(3).boxes = INT32_MAX;
    paintHall();
    hallBoxPosition(columnX(1), 23, &x, &y);
    EXPECT_TRUE(spriteShown(sceneSurface, x, y, 40, 28, box));
}

TEST_F(Screens, RowEndsBoundTheView)
{
    const Picture& ends = artPicture(511);
    inHall(0);
    paintHall();
    EXPECT_TRUE(sameRect(sceneSurface, 0, 0, 170, 432, ends, 0, 0)) << "row start left of machine 0";
    inHall(8);
    paintHall();
    EXPECT_TRUE(sameRect(sceneSurface, 0, 0, 170, 432, ends, 0, 0)) << "machine 7 is not beside 8";
    inHall(7);
    paintHall();
    EXPECT_TRUE(sameRect(sceneSurface, 310, 0, 170, 432, ends, 0, 432)) << "end wall right of machine 7";
    inHall(15);
    paintHall();
    EXPECT_TRUE(sameRect(sceneSurface, 310, 0, 170, 432, ends, 0, 432));
    inHall(3);
    paintHall();
    EXPECT_TRUE(sameRect(sceneSurface, columnX(1), 0, 52, 272, artPicture(514), 0, 0)) << "divider";
    EXPECT_TRUE(sameRect(sceneSurface, columnX(1) + 52, 96, 140, 176, artPicture(513), 0, 96)) << "cabinet";
}

TEST_F(Screens, SlideTakesTwelveTicksAndEndsOnTheNewView)
{
    Picture expected;
    ASSERT_TRUE(createSurface(480, 432, &expected));
    for (int step : {+1, -1}) {
        inHall(3);
        machine(2).occupant = 1;
        machine(4).boxes = 3;
        paintHall();
        moveCursor(step);
        ASSERT_EQ(hallScroll, step > 0 ? -192 : 192);
        int ticks = 0;
        while (hallScroll != 0 && ticks < 50) {
            tickHall(1);
            ticks++;
        }
        EXPECT_EQ(ticks, 12) << step;
        drawHallView(expected, kHallViewMachines);
        EXPECT_TRUE(sameRect(sceneSurface, 0, 0, 480, 432, expected, 0, 0)) << step;
    }
    freePicture(&expected);
}

TEST_F(Screens, SlideMovesSixteenPixelsATickTowardTheNewCursor)
{
    inHall(3);
    moveCursor(+1); // to 4: the view moves left
    tickHall(1);
    EXPECT_EQ(hallScroll, -176);
    // The wide surface holds machines 2..5; shown from x 16, machine 3
    // stands 16 pixels left of where it stood.
    Picture reference;
    ASSERT_TRUE(createSurface(672, 432, &reference));
    drawHallView(reference, kHallSlideNext);
    EXPECT_TRUE(sameRect(wideSurface, 0, 0, 672, 432, reference, 0, 0));
    inHall(3);
    moveCursor(-1); // to 2: the view moves right
    tickHall(1);
    EXPECT_EQ(hallScroll, 176);
    drawHallView(reference, kHallSlidePrevious);
    EXPECT_TRUE(sameRect(wideSurface, 0, 0, 672, 432, reference, 0, 0));
    freePicture(&reference);
}

TEST_F(Screens, CrossingIntoTheOtherRowSwitchesAtOnce)
{
    Picture expected;
    ASSERT_TRUE(createSurface(480, 432, &expected));
    struct Move {
        int from, step, to;
    } moves[] = {{7, +1, 8}, {8, -1, 7}, {15, +1, 0}, {0, -1, 15}};
    for (const Move& mv : moves) {
        inHall(mv.from);
        paintHall();
        moveCursor(mv.step);
        ASSERT_EQ(playerSlots[0].cursor, mv.to);
        int before = nullPresentCount[kWindowHall];
        tickHall(1);
        EXPECT_EQ(hallScroll, 0) << mv.from << " to " << mv.to;
        EXPECT_EQ(nullPresentCount[kWindowHall] - before, 1);
        drawHallView(expected, kHallViewMachines);
        EXPECT_TRUE(sameRect(sceneSurface, 0, 0, 480, 432, expected, 0, 0)) << mv.from << " to " << mv.to;
    }
    freePicture(&expected);
}

TEST_F(Screens, HallTickRedrawsWhenDirtyAndRefreshesLampsEveryEightTicks)
{
    inHall(3);
    paintHall();
    machine(3).occupant = 1;
    hallDirty = 1;
    int before = nullPresentCount[kWindowHall];
    advanceAnimClock();
    ASSERT_NE(animClock.count128, 0);
    hallViewTick();
    EXPECT_EQ(hallDirty, 0);
    EXPECT_EQ(nullPresentCount[kWindowHall] - before, 1);
    EXPECT_TRUE(seatShows(sceneSurface, 1, 517));
    // Between refreshes nothing is shown; a lamp change waits for count128 0.
    machine(3).mode = 3;
    machine(3).feverKind = 2;
    before = nullPresentCount[kWindowHall];
    while (true) {
        advanceAnimClock();
        if (animClock.count128 == 0)
            break;
        hallViewTick();
    }
    EXPECT_EQ(nullPresentCount[kWindowHall], before);
    animClock.blink256 = 0;
    hallViewTick();
    EXPECT_TRUE(lampShows(sceneSurface, 1, 2));
    EXPECT_TRUE(frontShows(sceneSurface, 1, 2));
    // Column 0 of cursor 0 is past the row's start: only two machines refresh.
    inHall(0);
    paintHall();
    before = nullPresentCount[kWindowHall];
    tickToLampRefresh();
    EXPECT_EQ(nullPresentCount[kWindowHall] - before, 4);
}

// ----------------------------------------------------------------- panel

class Panel : public Screens {
protected:
    static bool digitAt(int x, int y, int frame)
    {
        return sameRect(panelSurface, x, y, 10, 16, artPicture(504), 0, 16 * frame);
    }
    static bool clockDigitAt(int x, int frame)
    {
        return sameRect(panelSurface, x, 4, 16, 24, artPicture(503), 0, 24 * frame);
    }
    // Map cell of machine i: its top-left corner.
    static void cellAt(int i, int* x, int* y)
    {
        *x = i < 8 ? 5 : 93;
        *y = i < 8 ? 37 + (7 - i) * 16 : 37 + (i - 8) * 16;
    }
    static bool iconShows(int j, int frame)
    {
        int x = j < 8 ? 38 : 78, y = j < 8 ? 151 - 16 * j : 16 * j - 89;
        return sameRect(panelSurface, x, y, 12, 12, mapIcons, j < 8 ? 0 : 12, 12 * frame);
    }
};

TEST_F(Panel, FigureTextFitsSixCharacters)
{
    char t[7];
    panelFigureText(1234, t);
    EXPECT_STREQ(t, "  1234");
    panelFigureText(-5, t);
    EXPECT_STREQ(t, "     0");
    panelFigureText(5000000, t);
    EXPECT_STREQ(t, "999999");
    panelFigureText(INT64_MIN, t);
    EXPECT_STREQ(t, "     0");
}

TEST_F(Panel, SpinsAndBallsUseTheSeparatorLayout)
{
    inHall(6);
    machine(6).startsSincePrize = 1234;
    machine(6).balls = 123;
    paintPanel();
    // spins: "  1234": 1 at 77, the separator's first four columns at 87, then 2 3 4
    EXPECT_TRUE(digitAt(57, 246, 10));
    EXPECT_TRUE(digitAt(67, 246, 10));
    EXPECT_TRUE(digitAt(77, 246, 1));
    EXPECT_TRUE(sameRect(panelSurface, 87, 246, 4, 16, artPicture(504), 0, 16 * 11));
    EXPECT_TRUE(digitAt(91, 246, 2));
    EXPECT_TRUE(digitAt(101, 246, 3));
    EXPECT_TRUE(digitAt(111, 246, 4));
    // balls: "   123": a blank in the separator's place
    EXPECT_TRUE(digitAt(77, 268, 10));
    EXPECT_TRUE(sameRect(panelSurface, 87, 268, 4, 16, artPicture(504), 0, 16 * 10));
    EXPECT_TRUE(digitAt(91, 268, 1));
    EXPECT_TRUE(digitAt(111, 268, 3));
}

TEST_F(Panel, OutOfRangeFiguresAreHeldToWhatTheFieldsShow)
{
    inHall(2);
    machine(2).balls = -40;           // never shown as a huge unsigned number
    machine(2).startsSincePrize = INT32_MAX;
    machine(2).prizesTwoDaysAgo = 150;
    machine(2).prizesYesterday = -3;
    machine(2).prizesToday = 7;
    paintPanel();
    for (int x : {57, 67, 77, 91, 101})
        EXPECT_TRUE(digitAt(x, 268, 10)) << x;
    EXPECT_TRUE(digitAt(111, 268, 0));
    for (int x : {57, 67, 77, 91, 101, 111})
        EXPECT_TRUE(digitAt(x, 246, 9)) << x;
    EXPECT_TRUE(digitAt(45, 224, 9));
    EXPECT_TRUE(digitAt(55, 224, 9));
    EXPECT_TRUE(digitAt(73, 224, 10));
    EXPECT_TRUE(digitAt(83, 224, 0));
    EXPECT_TRUE(digitAt(101, 224, 10)) << "%2d: a blank before a single digit";
    EXPECT_TRUE(digitAt(111, 224, 7));
}

TEST_F(Panel, ClockWeekdaysMiddleFaceAndPlateByScene)
{
    clockNow = makeLocalTime(2026, 12, 8, 9, 5, 0); // a Tuesday
    ASSERT_EQ(clockNow.weekday, 2);
    initPlayerSlot(0); // in the street
    paintPanel();
    EXPECT_TRUE(sameRect(panelSurface, 5, 4, 32, 24, artPicture(505), 0, 24 * 2));
    EXPECT_TRUE(clockDigitAt(47, 10)) << "hour 9 with a blank before it";
    EXPECT_TRUE(clockDigitAt(63, 9));
    EXPECT_TRUE(clockDigitAt(91, 0)) << "minute with a leading zero";
    EXPECT_TRUE(clockDigitAt(107, 5));
    EXPECT_TRUE(sameRect(panelSurface, 0, 196, 128, 94, panelMiddle, 0, 0)) << "street face";

    inHall(11);
    paintPanel();
    EXPECT_TRUE(sameRect(panelSurface, 7, 202, 30, 16, artPicture(507), 30, 16 * 11)) << "plate of 11";
    // Sunday, Monday, Tuesday for two days ago, yesterday, today
    EXPECT_TRUE(sameRect(panelSurface, 43, 202, 24, 16, artPicture(506), 0, 0));
    EXPECT_TRUE(sameRect(panelSurface, 71, 202, 24, 16, artPicture(506), 0, 16));
    EXPECT_TRUE(sameRect(panelSurface, 99, 202, 24, 16, artPicture(506), 0, 32));

    seatedAt(4);
    paintPanel();
    EXPECT_TRUE(sameRect(panelSurface, 7, 202, 30, 16, artPicture(507), 30, 16 * 4)) << "the seat while playing";
}

TEST_F(Panel, MapCellsAndOutlines)
{
    const uint8_t white = 255, yellow = (uint8_t)paletteIndex(3, 3, 0), cyan = (uint8_t)paletteIndex(0, 3, 3);
    PlayerSlot& s = seatedAt(3);
    s.scene = kSceneHallKeeping;
    s.cursor = 3;
    machine(9).feverKind = 2;
    machine(9).mode = 3;
    paintPanel();
    int x, y;
    cellAt(3, &x, &y);
    EXPECT_EQ(at(panelSurface, x + 1, y + 1), white) << "seat and cursor";
    EXPECT_EQ(at(panelSurface, x + 29, y + 15), white);
    EXPECT_EQ(at(panelSurface, x + 2, y + 14), white) << "two pixels thick";
    s.cursor = 12;
    paintPanel();
    EXPECT_EQ(at(panelSurface, x + 1, y + 1), yellow) << "the seat";
    cellAt(12, &x, &y);
    EXPECT_EQ(at(panelSurface, x + 1, y + 1), cyan) << "the cursor";
    EXPECT_TRUE(sameRect(panelSurface, x + 3, y + 3, 25, 11, artPicture(507), 30 + 3, 16 * 12 + 3)) << "no fill";
    cellAt(9, &x, &y);
    EXPECT_TRUE(sameRect(panelSurface, x, y, 30, 16, artPicture(507), 60, 16 * 9)) << "fever kind 2 lamp";
    cellAt(0, &x, &y);
    EXPECT_TRUE(sameRect(panelSurface, x, y, 30, 16, artPicture(507), 30, 0)) << "no outline on machine 0";
}

TEST_F(Panel, PlayerIconsBlinkWhileTheirPlayerWalksOrIsInTrouble)
{
    PlayerSlot& s = seatedAt(2);
    machine(10).occupant = 1;
    machine(5).occupant = 5; // P4 plays there
    playerSlots[3].scene = kScenePlaying;
    animClock.blink256 = 1;
    paintPanel();
    EXPECT_TRUE(iconShows(2, 2)) << "P1 plays: steady";
    EXPECT_TRUE(iconShows(10, 1));
    EXPECT_TRUE(iconShows(5, 5));
    EXPECT_TRUE(iconShows(0, 0));
    s.scene = kSceneHallKeeping;
    s.cursor = 2;
    machine(5).customerState = 2; // out of balls
    paintPanel();
    EXPECT_TRUE(iconShows(2, 0)) << "walking the hall: dark half";
    EXPECT_TRUE(iconShows(5, 0));
    animClock.blink256 = 0;
    paintPanel();
    EXPECT_TRUE(iconShows(2, 2));
    EXPECT_TRUE(iconShows(5, 5));
    machine(7).occupant = 200; // wild
    EXPECT_EQ(panelIconFrame(machine(7)), 0);
}

TEST_F(Panel, TabsShowPlayersTheActiveSlotAndTrouble)
{
    inHall(1);
    std::strcpy(playerSlots[2].name, "HANAKO");
    playerSlots[2].machine = &machine(6);
    machine(6).customerState = 2;
    auto tabFrom = [](int i, int sy) { return sameRect(panelSurface, 32 * i, 170, 32, 26, panelTabs, 32 * i, sy); };
    paintPanel();
    EXPECT_TRUE(tabFrom(0, 78)) << "active with a player";
    EXPECT_TRUE(tabFrom(1, 0)) << "no player";
    EXPECT_TRUE(tabFrom(2, 52)) << "a player, blink off";
    animClock.blink256 = 1;
    paintPanel();
    EXPECT_TRUE(tabFrom(2, 0)) << "out of balls: blinks";
    activeSlot = 2;
    playerSlots[2].scene = kSceneStreet;
    paintPanel();
    EXPECT_TRUE(tabFrom(2, 78)) << "the active tab does not blink";
    EXPECT_TRUE(tabFrom(0, 52));
    EXPECT_TRUE(tabFrom(3, 0));
    activeSlot = 3;
    paintPanel();
    EXPECT_TRUE(tabFrom(3, 26)) << "active without a player";
}

TEST_F(Panel, TickStepsTheHandleEveryTickAndTheFiguresEverySixteen)
{
    PlayerSlot& s = seatedAt(4);
    s.machine->handleState = kHandleRaising;
    paintPanel();
    int before = nullPresentCount[kWindowPanel];
    for (int i = 0; i < 32; i++) {
        advanceAnimClock();
        panelTick();
    }
    EXPECT_EQ(s.machine->launchPower, 32);
    EXPECT_EQ(nullPresentCount[kWindowPanel] - before, 2) << "rows 0..289 every 16 ticks";

    // Figures change on the sixteenth tick, not before.
    s.machine->balls = 4321;
    for (int i = 0; i < 15; i++) {
        advanceAnimClock();
        panelTick();
    }
    EXPECT_FALSE(digitAt(111, 268, 1));
    advanceAnimClock();
    panelTick();
    EXPECT_TRUE(digitAt(111, 268, 1));
}

TEST_F(Panel, ClockRedrawsOnANewMinuteAndTheCheckOpensTheShops)
{
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 21, 59, 0));
    forgetClockMinute();
    inHall(0);
    auto tick16 = [] {
        for (int i = 0; i < 16; i++) {
            advanceAnimClock();
            panelTick();
        }
    };
    tick16();
    paintPanel();
    ASSERT_TRUE(clockDigitAt(107, 9));
    fillRect(panelSurface, 47, 4, 76, 24, 255); // anything the tick paints over shows
    tick16();
    EXPECT_EQ(at(panelSurface, 50, 10), 255) << "same minute: the clock is not redrawn";
    EXPECT_EQ(shops[kDayShop].openState, kShopOpen);
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 22, 0, 0));
    tick16();
    EXPECT_TRUE(clockDigitAt(47, 2));
    EXPECT_TRUE(clockDigitAt(63, 2));
    EXPECT_TRUE(clockDigitAt(91, 0));
    EXPECT_TRUE(clockDigitAt(107, 0));
    EXPECT_EQ(shops[kDayShop].openState, kShopClosed);
    EXPECT_NE(shops[kNightShop].openState, kShopClosed);
}

// -------------------------------------------------------- contact sheet

void put32be(std::vector<uint8_t>& b, uint32_t v)
{
    for (int i = 3; i >= 0; i--)
        b.push_back((uint8_t)(v >> 8 * i));
}

uint32_t crc32(const uint8_t* p, size_t n)
{
    uint32_t c = 0xffffffffu;
    for (size_t i = 0; i < n; i++) {
        c ^= p[i];
        for (int k = 0; k < 8; k++)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1)));
    }
    return ~c;
}

void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data)
{
    put32be(out, (uint32_t)data.size());
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32be(out, crc32(out.data() + start, out.size() - start));
}

// An RGB PNG with stored (uncompressed) deflate blocks.
void writePng(const std::string& path, int w, int h, const std::vector<uint8_t>& rgb)
{
    std::vector<uint8_t> raw;
    for (int y = 0; y < h; y++) {
        raw.push_back(0);
        raw.insert(raw.end(), rgb.begin() + (size_t)y * w * 3, rgb.begin() + (size_t)(y + 1) * w * 3);
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    for (size_t at = 0; at < raw.size(); at += 65535) {
        size_t n = std::min<size_t>(65535, raw.size() - at);
        z.push_back(at + n == raw.size() ? 1 : 0);
        z.push_back((uint8_t)n);
        z.push_back((uint8_t)(n >> 8));
        z.push_back((uint8_t)~n);
        z.push_back((uint8_t)(~n >> 8));
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
    }
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    put32be(z, (b << 16) | a);
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<uint8_t> ihdr;
    put32be(ihdr, (uint32_t)w);
    put32be(ihdr, (uint32_t)h);
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", {});
    std::ofstream(path, std::ios::binary).write((const char*)png.data(), (std::streamsize)png.size());
}

struct Sheet {
    int w, h;
    std::vector<uint8_t> rgb;
    Sheet(int w_, int h_) : w(w_), h(h_), rgb((size_t)w_ * h_ * 3, 48) {}
    void place(const Picture& p, int x0, int y0, int w_, int h_)
    {
        for (int y = 0; y < h_; y++)
            for (int x = 0; x < w_; x++) {
                PaletteColour c = paletteColour(at(p, x, y));
                uint8_t* d = &rgb[((size_t)(y0 + y) * w + x0 + x) * 3];
                d[0] = c.red;
                d[1] = c.green;
                d[2] = c.blue;
            }
    }
};

TEST_F(Screens, ContactSheetOfStillStates)
{
    const char* path = std::getenv("TAMAROW_SCREENS_CONTACT");
    if (!path)
        GTEST_SKIP() << "set TAMAROW_SCREENS_CONTACT=<file.png> to write it";
    Sheet sheet(2 * (480 + 128) + 24, 3 * 432 + 32);
    clockNow = makeLocalTime(2026, 12, 8, 14, 37, 0);
    // Row 1: P1 walks the hall at machine 3 next to a fevering customer with
    // boxes; the panel beside it. Then cursor 7 at the row's end.
    PlayerSlot& s = seatedAt(3);
    std::strcpy(playerSlots[1].name, "HANAKO");
    s.scene = kSceneHallKeeping;
    s.cursor = 4;
    machine(4).occupant = 1;
    machine(4).boxes = 7;
    machine(4).mode = 3;
    machine(4).feverKind = 2;
    machine(4).startsSincePrize = 1234;
    machine(4).balls = 18650;
    machine(4).prizesToday = 3;
    machine(4).prizesYesterday = 12;
    machine(5).occupant = 1;
    machine(5).boxes = 2;
    machine(9).occupant = 1;
    paintHall();
    tickToLampRefresh();
    paintPanel();
    sheet.place(sceneSurface, 0, 0, 480, 432);
    sheet.place(panelSurface, 480, 0, 128, 432);
    s.cursor = 0;
    paintHall();
    tickToLampRefresh();
    paintPanel();
    sheet.place(sceneSurface, 608 + 24, 0, 480, 432);
    sheet.place(panelSurface, 608 + 24 + 480, 0, 128, 432);
    s.cursor = 7;
    paintHall();
    tickToLampRefresh();
    paintPanel();
    sheet.place(sceneSurface, 0, 432 + 16, 480, 432);
    sheet.place(panelSurface, 480, 432 + 16, 128, 432);
    // P1 back at the machine: the play screen and its panel.
    s.scene = kScenePlaying;
    s.cursor = kSpareMachine;
    machine(3).balls = 250;
    machine(3).startsSincePrize = 87;
    paintPlay();
    paintPanel();
    sheet.place(boardPicture(), 608 + 24, 432 + 16, 480, 432);
    sheet.place(panelSurface, 608 + 24 + 480, 432 + 16, 128, 432);
    // The street and its panel.
    initPlayerSlot(0);
    paintStreet();
    paintPanel();
    sheet.place(sceneSurface, 0, 2 * (432 + 16), 480, 432);
    sheet.place(panelSurface, 480, 2 * (432 + 16), 128, 432);
    writePng(path, sheet.w, sheet.h, sheet.rgb);
}

} // namespace
