// Machine No.4's play screen: the rules that choose what is drawn, checked
// on the rule functions and on the pixels of the composed surfaces built
// from the committed artwork.
//
// NO4_SCREENSHOTS=<dir> also writes still states of the view as 8-bit BMPs
// (play-*.bmp) for looking at.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/gfx/play_screen.h"
#include "hallcore/gfx/sound.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/random.h"
#include "hallcore/players/registry.h"
#include "program_fixture.h"
#include "no4_art_layout.h"
#include "no4_screen.h"
#include "null/sys_null.h"
#include "screen_fixture.h"

using namespace no4screen;
using namespace no4art;

namespace {

MachineState blank()
{
    MachineState m;
    std::memset(&m, 0, sizeof m);
    return m;
}

AnimClock clockWith(int blink128, int blink256 = 0, int blink512 = 0)
{
    AnimClock c = {};
    c.blink128 = blink128;
    c.blink256 = blink256;
    c.blink512 = blink512;
    c.count1024 = 512;
    return c;
}

std::string groupsText(int g)
{
    std::string s;
    const char names[] = "ACDGH";
    for (int i = 0; i < 5; i++)
        if (g & (1 << i))
            s += names[i];
    return s;
}

// --------------------------------------------------------------- lamps

TEST(No4ScreenRules, DecorativeLampGroupsForEveryStateAndBlink)
{
    struct Case {
        int mode, phase, round, modeTick, blink128, blink256, blink512;
        const char* lit;
    };
    const Case cases[] = {
        // idle and idle after play: C and G on the slowest blink
        {0, 0, 0, 0, 1, 1, 0, "C"},
        {1, 0, 0, 0, 0, 0, 1, "G"},
        // reels running: H and A against D and C
        {2, 0, 0, 5, 0, 1, 0, "AH"},
        {2, 0, 0, 5, 1, 0, 1, "CD"},
        // settling: G alone
        {2, 3, 0, 5, 1, 1, 1, "G"},
        // the performances, the intro and a round before its door opens: quick blink
        {2, 1, 0, 0, 0, 1, 1, "AG"},
        {2, 2, 0, 0, 1, 0, 0, "CDH"},
        {3, 0, 0, 100, 1, 0, 0, "CDH"},
        {3, 0, 5, 63, 0, 1, 0, "AG"},
        // an open door and the ending: slow blink
        {3, 0, 5, 64, 1, 1, 0, "CDH"},
        {3, 0, 5, 64, 1, 0, 0, "AG"},
        {3, 0, 17, 10, 0, 1, 0, "CDH"},
        {3, 0, 17, 10, 1, 0, 1, "AG"},
        // words no state has: dark
        {2, 7, 0, 0, 1, 1, 1, ""},
        {9, 0, 0, 0, 1, 1, 1, ""},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode;
        m.spinPhase = c.phase;
        m.round = c.round;
        m.modeTick = c.modeTick;
        EXPECT_EQ(groupsText(litGroups(m, clockWith(c.blink128, c.blink256, c.blink512))), c.lit)
            << "mode " << c.mode << " phase " << c.phase << " round " << c.round << " tick " << c.modeTick;
    }
}

TEST(No4ScreenRules, FrameLampsFlashInABigPrizeAndInAChanceState)
{
    MachineState m = blank();
    m.mode = 2;
    EXPECT_FALSE(frameLampsLit(m, clockWith(0, 1)));
    m.chanceCount = 1;
    EXPECT_TRUE(frameLampsLit(m, clockWith(0, 1)));
    EXPECT_FALSE(frameLampsLit(m, clockWith(1, 0)));
    m.chanceCount = 0;
    m.mode = 3;
    EXPECT_TRUE(frameLampsLit(m, clockWith(0, 1)));
}

TEST(No4ScreenRules, ClockAsksForTheLampsAndForTheFrameLampsOnlyWhenTheyFlash)
{
    MachineState m = blank();
    AnimClock c = {};
    c.count128 = 0;
    c.count256 = 0;
    clockRedraws(m, c);
    EXPECT_EQ(m.dirty, kLayerLamps);
    m.dirty = 0;
    m.chanceCount = 2;
    clockRedraws(m, c);
    EXPECT_EQ(m.dirty, kLayerLamps | kLayerFrameLamps);
    m.dirty = 0;
    m.chanceCount = 0;
    m.mode = 3;
    c.count128 = 64;
    clockRedraws(m, c);
    EXPECT_EQ(m.dirty, kLayerFrameLamps);
    m.dirty = 0;
    c.count256 = 128;
    clockRedraws(m, c);
    EXPECT_EQ(m.dirty, 0);
}

TEST(No4ScreenRules, HeldStartLampsWithTheNewestOneBlinking)
{
    MachineState m = blank();
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(heldLampImage(m, i), kHeldOff) << i;
    m.heldStarts = 3;
    m.heldLampTick = 0;
    const int fresh[4] = {kHeldOn, kHeldOn, kHeldNewest, kHeldOff};
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(heldLampImage(m, i), fresh[i]) << i;
    m.heldLampTick = 15;
    EXPECT_EQ(heldLampImage(m, 2), kHeldNewest);
    m.heldLampTick = 16; // settled: all lit alike
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(heldLampImage(m, i), kHeldOn) << i;
    EXPECT_EQ(heldLampImage(m, 3), kHeldOff);
    m.heldStarts = 4;
    m.heldLampTick = 3;
    EXPECT_EQ(heldLampImage(m, 3), kHeldNewest);
    m.heldStarts = 99; // a damaged word lights all four, and no image past the three
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(heldLampImage(m, i), kHeldOn);
}

TEST(No4ScreenRules, AttackerWingsWingLampChanceMeterAndFairy)
{
    MachineState m = blank();
    EXPECT_EQ(attackerImage(m), kAttackerClosed);
    m.vHit = 1;
    EXPECT_EQ(attackerImage(m), kAttackerClosed) << "a V counts only behind an open door";
    m.attackerOpen = 1;
    EXPECT_EQ(attackerImage(m), kAttackerV);
    m.vHit = 0;
    EXPECT_EQ(attackerImage(m), kAttackerOpen);

    EXPECT_EQ(wingsImage(m), 0);
    m.wingsOpen = 1;
    EXPECT_EQ(wingsImage(m), 1);
    m.wingsOpen = -5;
    EXPECT_EQ(wingsImage(m), 1);

    const int states[][2] = {{0, 0}, {3, 3}, {4, 0}, {6, 2}, {7, 3}, {-1, 3}, {-4, 0}, {1001, 1}};
    for (auto& s : states) {
        m.wingDrawState = s[0];
        EXPECT_EQ(wingLampImage(m), s[1]) << s[0];
    }

    const int chance[][2] = {{-3, 0}, {0, 0}, {1, 1}, {2, 2}, {77, 2}};
    for (auto& c : chance) {
        m.chanceCount = c[0];
        EXPECT_EQ(chanceImage(m), c[1]) << c[0];
    }

    m = blank();
    AnimClock c = clockWith(0, 0);
    EXPECT_EQ(fairyPose(m, c), kFairyRest);
    c.blink1024 = 1;
    c.count1024 = 64;
    EXPECT_EQ(fairyPose(m, c), kFairyBlink);
    m.mode = 2;
    m.spinPhase = 2;
    EXPECT_EQ(fairyPose(m, clockWith(1)), kFairyCheerA);
    EXPECT_EQ(fairyPose(m, clockWith(0)), kFairyCheerB);
    m.mode = 3;
    EXPECT_EQ(fairyPose(m, clockWith(0, 1)), kFairyCheerA);
}

// --------------------------------------------------------------- display

TEST(No4ScreenRules, ReelStripRowsWrapIntoOneTurnAndFlashFramesPlayDownTheirColumn)
{
    EXPECT_EQ(stripRow(40), 36);
    EXPECT_EQ(stripRow(639), 635);
    EXPECT_EQ(stripRow(0), 596) << "a reel put at 0 shows cell 0 a turn on";
    EXPECT_EQ(stripRow(600), 596);
    EXPECT_EQ(stripRow(-20), 576);
    EXPECT_EQ(stripRow(1250), 46);
    // the symbol at the line is that of cell (position / 40) mod 15: the
    // window's middle row lies in that cell
    // a reel standing on cell c shows that cell's symbol in the window's middle
    for (int c = 0; c < 30; c++)
        EXPECT_EQ((stripRow(40 * c) + kWindowH / 2 - kCellRows / 2) % kTurnRows, 40 * c % kTurnRows) << c;

    EXPECT_EQ(flashRow(0), -1);
    EXPECT_EQ(flashRow(36), 0);
    EXPECT_EQ(flashRow(1), 1680);
    EXPECT_EQ(flashRow(-36), 0);
    EXPECT_EQ(flashRow(-1), 1680);
    EXPECT_EQ(flashRow(500), 0) << "held to 36";
    EXPECT_EQ(flashRow(-500), 0);
    EXPECT_EQ(flashColumn(5), kFlashPlusX);
    EXPECT_EQ(flashColumn(-5), kFlashMinusX);

    EXPECT_EQ(numberRow(0), 0);
    EXPECT_EQ(numberRow(16), 768);
    EXPECT_EQ(numberRow(40), 768) << "a count past the last row";
    EXPECT_EQ(numberRow(-2), 0);
}

TEST(No4ScreenRules, VAnimationRunsItsFramesForwardThenBack)
{
    EXPECT_EQ(vFrameRow(1), 0);
    EXPECT_EQ(vFrameRow(36), 48 * 35);
    EXPECT_EQ(vFrameRow(37), 48 * 35);
    EXPECT_EQ(vFrameRow(72), 0);
    for (int v = 1; v <= 72; v++) {
        int row = vFrameRow(v);
        ASSERT_TRUE(row >= 0 && row + kWindowH <= kFlashRows) << v;
        EXPECT_EQ(row, vFrameRow(73 - v)) << "the way back mirrors the way out";
    }
}

TEST(No4ScreenRules, PanoramaOffsetsPanAndStop)
{
    EXPECT_EQ(winPanOffset(0), 0);
    EXPECT_EQ(winPanOffset(110), 440);
    EXPECT_EQ(winPanOffset(111), 444);
    EXPECT_EQ(winPanOffset(127), 444);
    EXPECT_EQ(endPanOffset(0), 0);
    EXPECT_EQ(endPanOffset(104), 416);
    EXPECT_EQ(endPanOffset(105), 420);
    EXPECT_EQ(endPanOffset(127), 420);
    EXPECT_EQ(endPanOffset(128), 0);
    EXPECT_EQ(endPanOffset(232), 416);
    EXPECT_EQ(endPanOffset(233), 420);
    EXPECT_EQ(endPanOffset(256), 420);
    for (int t = -50; t < 400; t++) {
        ASSERT_LE(winPanOffset(t) + 64 + kWindowW, kPanoramaW) << t;
        ASSERT_LE(endPanOffset(t) + 64 + kWindowW, kPanoramaW) << t;
        ASSERT_GE(winPanOffset(t), 0);
        ASSERT_GE(endPanOffset(t), 0);
    }
}

MachineState reelsAt(int mode)
{
    MachineState m = blank();
    m.mode = mode;
    m.reelPos[0] = 120;
    m.reelPos[1] = 300;
    m.reelPos[2] = 455;
    return m;
}

TEST(No4ScreenRules, IdleAndSpinningShowTheReelsWithTheirFlashes)
{
    for (int mode : {0, 1, 2}) {
        MachineState m = reelsAt(mode);
        m.reelEffect[0] = 36;
        m.reelEffect[2] = -10;
        DisplayView d = displayView(m, clockWith(0));
        for (int w = 0; w < 3; w++) {
            EXPECT_EQ(d.window[w].baseSheet, 606);
            EXPECT_EQ(d.window[w].baseX, kStripX);
            EXPECT_EQ(d.window[w].baseY, m.reelPos[w] - 4);
            EXPECT_EQ(d.window[w].slideRows, 0);
        }
        EXPECT_EQ(d.window[0].overlayX, kFlashPlusX);
        EXPECT_EQ(d.window[0].overlayY, 0);
        EXPECT_EQ(d.window[1].overlayY, -1);
        EXPECT_EQ(d.window[2].overlayX, kFlashMinusX);
        EXPECT_EQ(d.window[2].overlayY, 1728 - 480);
    }
}

TEST(No4ScreenRules, BigPrizeIntroPansThePanoramaAfterAChanceSymbol)
{
    for (int symbol : {4, 8}) {
        MachineState m = reelsAt(3);
        m.reachSymbol = symbol;
        for (int t : {0, 50, 110, 111, 127}) {
            m.modeTick = t;
            DisplayView d = displayView(m, clockWith(0));
            for (int w = 0; w < 3; w++) {
                EXPECT_EQ(d.window[w].baseSheet, 608);
                EXPECT_EQ(d.window[w].baseX, 32 * w + winPanOffset(t)) << t;
                EXPECT_EQ(d.window[w].baseY, symbol == 4 ? kPanoramaFourWin : kPanoramaEightWin);
                EXPECT_EQ(d.window[w].overlayY, -1);
            }
        }
        m.round = 17;
        m.modeTick = 200;
        DisplayView d = displayView(m, clockWith(0));
        for (int w = 0; w < 3; w++) {
            EXPECT_EQ(d.window[w].baseX, 32 * w + 288);
            EXPECT_EQ(d.window[w].baseY, symbol == 4 ? kPanoramaFourEnd : kPanoramaEightEnd);
        }
    }
}

TEST(No4ScreenRules, BigPrizeIntroAfterAnOrdinarySymbolFlashesShowsTheStillThenTheReel)
{
    MachineState m = reelsAt(3);
    m.reachSymbol = 7;
    for (int32_t& e : m.reelEffect)
        e = -20;
    m.modeTick = 20; // only the flash
    DisplayView d = displayView(m, clockWith(1));
    for (int w = 0; w < 3; w++) {
        EXPECT_EQ(d.window[w].baseSheet, 0);
        EXPECT_EQ(d.window[w].overlayX, kFlashMinusX);
        EXPECT_EQ(d.window[w].overlayY, 1728 - 960);
    }
    m.modeTick = 36; // the still picture under the flash
    for (int32_t& e : m.reelEffect)
        e = 36;
    d = displayView(m, clockWith(1));
    for (int w = 0; w < 3; w++) {
        EXPECT_EQ(d.window[w].baseSheet, 608);
        EXPECT_EQ(d.window[w].baseX, kStillX[w]);
        EXPECT_EQ(d.window[w].baseY, 0);
        EXPECT_EQ(d.window[w].overlayY, 0);
        EXPECT_EQ(d.window[w].slideRows, 0);
    }
    for (int32_t& e : m.reelEffect)
        e = 0;
    const int heights[][2] = {{115, 0}, {116, 0}, {117, 4}, {120, 16}, {127, 44}, {128, 48}, {140, 48}};
    for (auto& h : heights) {
        m.modeTick = h[0];
        d = displayView(m, clockWith(1));
        for (int w = 0; w < 3; w++) {
            EXPECT_EQ(d.window[w].baseSheet, 608);
            EXPECT_EQ(d.window[w].slideRows, h[1]) << h[0];
            if (h[0] >= 116) {
                EXPECT_EQ(d.window[w].slideY, m.reelPos[0] - 4) << "the left reel in every window";
            }
            EXPECT_EQ(d.window[w].overlayY, -1);
        }
    }
    // the ending after an ordinary win: the reels with their flashes
    m.round = 17;
    m.modeTick = 5;
    m.reelEffect[1] = 30;
    d = displayView(m, clockWith(1));
    for (int w = 0; w < 3; w++)
        EXPECT_EQ(d.window[w].baseY, m.reelPos[w] - 4);
    EXPECT_EQ(d.window[1].overlayY, 1728 - 48 * 30);
}

TEST(No4ScreenRules, TheDisplayWritesTheFlashOfAnOrdinaryWinAndOfItsEnding)
{
    struct Case {
        int round, modeTick, symbol, before, after;
    };
    const Case cases[] = {
        {0, 0, 7, 0, -36}, {0, 36, 7, -1, 36}, {0, 1, 7, 5, 5},   {0, 35, 7, 0, 0}, {17, 1, 3, 0, 36},
        {17, 0, 3, 0, 0},  {17, 2, 3, 9, 9},   {0, 0, 4, 0, 0},   {0, 36, 8, 0, 0}, {17, 1, 8, 0, 0},
        {5, 0, 7, 0, 0},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = 3;
        m.round = c.round;
        m.modeTick = c.modeTick;
        m.reachSymbol = c.symbol;
        for (int32_t& e : m.reelEffect)
            e = c.before;
        displayWritesEffects(m);
        for (int r = 0; r < 3; r++)
            EXPECT_EQ(m.reelEffect[r], c.after) << "round " << c.round << " t " << c.modeTick << " symbol " << c.symbol;
    }
    MachineState m = blank();
    m.mode = 2;
    displayWritesEffects(m);
    EXPECT_EQ(m.reelEffect[0], 0) << "never outside a big prize";
}

TEST(No4ScreenRules, RoundsFlickerTheReelsSlideTheNumbersInThenShowRoundAndCount)
{
    MachineState m = reelsAt(3);
    m.round = 6;
    m.modeTick = 30;
    DisplayView on = displayView(m, clockWith(1)), off = displayView(m, clockWith(0));
    for (int w = 0; w < 3; w++) {
        EXPECT_EQ(on.window[w].baseY, m.reelPos[w] - 4);
        EXPECT_EQ(off.window[w].baseSheet, 0) << "an empty window on the other half of the blink";
    }
    const int heights[][2] = {{52, 0}, {53, 4}, {58, 24}, {63, 44}};
    for (auto& h : heights) {
        m.modeTick = h[0];
        DisplayView d = displayView(m, clockWith(0));
        for (int w = 0; w < 3; w++) {
            EXPECT_EQ(d.window[w].baseY, m.reelPos[w] - 4) << "the reels under the numbers";
            EXPECT_EQ(d.window[w].slideRows, h[1]) << h[0];
        }
        EXPECT_EQ(d.window[0].slideX, kNumbersX);
        EXPECT_EQ(d.window[0].slideY, 48 * 6);
        EXPECT_EQ(d.window[1].slideX, kStripX);
        EXPECT_EQ(d.window[1].slideY, m.reelPos[0] - 4);
        EXPECT_EQ(d.window[2].slideX, kNumbersX);
        EXPECT_EQ(d.window[2].slideY, 0);
    }
    m.modeTick = 64;
    m.attackerCount = 7;
    DisplayView d = displayView(m, clockWith(0));
    EXPECT_EQ(d.window[0].baseSheet, 606);
    EXPECT_EQ(d.window[0].baseX, kNumbersX);
    EXPECT_EQ(d.window[0].baseY, 48 * 6);
    EXPECT_EQ(d.window[1].baseY, m.reelPos[1] - 4);
    EXPECT_EQ(d.window[1].overlayY, -1);
    EXPECT_EQ(d.window[2].baseX, kNumbersX);
    EXPECT_EQ(d.window[2].baseY, 48 * 7);

    m.vHit = 1;
    d = displayView(m, clockWith(0));
    EXPECT_EQ(d.window[1].overlayX, kFlashVX);
    EXPECT_EQ(d.window[1].overlayY, 0);
    EXPECT_EQ(d.window[0].baseX, kNumbersX);
    m.vHit = 72; // the last V frame: the numbers already change colour
    d = displayView(m, clockWith(0));
    EXPECT_EQ(d.window[1].overlayY, 0);
    EXPECT_EQ(d.window[0].baseX, kNumbersAfterVX);
    EXPECT_EQ(d.window[2].baseX, kNumbersAfterVX);
    m.vHit = 73;
    d = displayView(m, clockWith(0));
    EXPECT_EQ(d.window[1].overlayY, -1);
    EXPECT_EQ(d.window[2].baseX, kNumbersAfterVX);

    m.vHit = 0;
    m.attackerCount = 250; // a count past the last row shows the last one
    d = displayView(m, clockWith(0));
    EXPECT_EQ(d.window[2].baseY, 48 * 16);
}

// Whatever the words hold, every source rectangle lies inside its picture.
TEST(No4ScreenRules, WildWordsNeverReadOutsideAPicture)
{
    struct Size {
        int id, w, h;
    };
    auto size = [](int id) {
        for (const SheetSize& s : kSheets)
            if (s.id == id)
                return Size{id, s.width, s.height};
        return Size{id, 0, 0};
    };
    const int wild[] = {0, 1, -1, 3, 4, 8, 16, 17, 35, 36, 37, 52, 63, 64, 71, 72, 73, 127, 128, 600, 639, 640,
                        1000, -600, 2147483647, -2147483647 - 1};
    const int n = sizeof wild / sizeof wild[0];
    uint32_t seed = 12345;
    auto pick = [&]() {
        seed = seed * 1103515245u + 12345u;
        return wild[(seed >> 16) % n];
    };
    for (int k = 0; k < 20000; k++) {
        MachineState m = blank();
        m.mode = k % 5 == 0 ? pick() : k % 4;
        m.round = k % 3 == 0 ? pick() : (int)(k % 18);
        m.modeTick = pick();
        m.reachSymbol = k % 2 ? pick() : (k % 4 == 1 ? 4 : 8);
        m.vHit = pick();
        m.attackerCount = pick();
        m.spinPhase = pick();
        for (int r = 0; r < 3; r++) {
            m.reelPos[r] = pick();
            m.reelEffect[r] = pick();
        }
        DisplayView d = displayView(m, clockWith(k & 1, k & 2, k & 4));
        for (const WindowView& v : d.window) {
            if (v.baseSheet) {
                Size s = size(v.baseSheet);
                ASSERT_TRUE(v.baseX >= 0 && v.baseX + kWindowW <= s.w && v.baseY >= 0 && v.baseY + kWindowH <= s.h)
                    << v.baseSheet << " " << v.baseX << "," << v.baseY << " case " << k;
            }
            ASSERT_TRUE(v.slideRows >= 0 && v.slideRows <= kWindowH);
            if (v.slideRows) {
                ASSERT_TRUE(v.slideY >= 0 && v.slideY + kWindowH <= kStripRows && v.slideX + kWindowW <= 84);
            }
            if (v.overlayY >= 0) {
                ASSERT_TRUE(v.overlayY + kWindowH <= kFlashRows && v.overlayX + kWindowW <= 84);
            }
        }
        for (int i = 0; i < 4; i++)
            ASSERT_TRUE(heldLampImage(m, i) >= 0 && heldLampImage(m, i) <= 2);
        m.wingDrawState = pick();
        m.chanceCount = pick();
        m.attackerOpen = pick();
        ASSERT_TRUE(wingLampImage(m) >= 0 && wingLampImage(m) < 4);
        ASSERT_TRUE(chanceImage(m) >= 0 && chanceImage(m) < 3);
        ASSERT_TRUE(attackerImage(m) >= 0 && attackerImage(m) < 3);
        MachineState copy = m;
        displayWritesEffects(copy);
        for (int r = 0; r < 3; r++)
            ASSERT_TRUE(copy.reelEffect[r] == m.reelEffect[r] || copy.reelEffect[r] == 36 || copy.reelEffect[r] == -36);
    }
}

// --------------------------------------------------------------- the composed surfaces

class No4Screen : public PlayScreenTest {
protected:
    void SetUp() override
    {
        PlayScreenTest::SetUp();
        m = blank();
        m.mode = 1;
        m.reelPos[0] = 120;
        m.reelPos[1] = 40;
        m.reelPos[2] = 600;
        soundOn = 0;
    }

    Picture& compose(const AnimClock& c, bool counting = false)
    {
        redrawLayers(m, c, kAllLayers);
        copyPicture(sceneSurface, 0, 0, 480, 432, boardPicture(), 0, 0);
        composeMovingParts(m, c, sceneSurface, counting);
        return sceneSurface;
    }
};

TEST_F(No4Screen, LampLayersCopyTheirLitAndUnlitPieces)
{
    const Picture& sheet = artPicture(603);
    Picture& board = boardPicture();
    m.mode = 2;
    m.spinPhase = 0;
    redrawLayers(m, clockWith(0, 1), kLayerLamps); // H and A lit, D and C not
    for (const LampPiece& p : kLampA)
        EXPECT_TRUE(same(board, p.place.x, p.place.y, p.unlit.w, p.unlit.h, sheet, p.litX, p.litY));
    for (const LampPiece& p : kLampD)
        EXPECT_TRUE(same(board, p.place.x, p.place.y, p.unlit.w, p.unlit.h, sheet, p.unlit.x, p.unlit.y));
    EXPECT_TRUE(same(board, kLampC[0].place.x, kLampC[0].place.y, 78, 52, sheet, 0, 74));
    // lamp H lies under the held-start lamps: compare what they leave of it
    EXPECT_TRUE(same(board, 178, 240, 124, 17, sheet, 0, 424 + 43));
    EXPECT_TRUE(same(board, 178, 197, 30, 31, sheet, 0, 424));
    // the lit pieces differ from the unlit ones
    EXPECT_FALSE(same(sheet, 38, 0, 38, 74, sheet, 0, 0));
    EXPECT_FALSE(same(sheet, 0, 424, 124, 60, sheet, 0, 364));
}

TEST_F(No4Screen, HeldStartLampsAndTheStaticLayers)
{
    Picture& board = boardPicture();
    m.heldStarts = 2;
    m.heldLampTick = 4;
    m.payoutToggle = 1;
    m.feverKind = 3;
    m.chanceCount = 2;
    m.attackerOpen = 1;
    redrawLayers(m, clockWith(0), kAllLayers);
    const int want[4] = {kHeldOn, kHeldNewest, kHeldOff, kHeldOff};
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(same(board, kHeldLampPlaces[i].x, 228, 12, 12, artPicture(601), 0, 12 * want[i])) << i;
    EXPECT_TRUE(same(board, 4, 38, 48, 30, artPicture(522), 0, 30));
    EXPECT_TRUE(same(board, 386, 4, 90, 30, artPicture(524), 0, 90));
    EXPECT_TRUE(same(board, kChancePlace.x, kChancePlace.y, kChanceW, kChanceH, artPicture(604), 0, 40));
    EXPECT_TRUE(same(board, 190, 360, 100, 42, artPicture(605), 0, 42 * kAttackerOpen));
    m.heldLampTick = 16; // bit 8 alone redraws the held-start lamps
    redrawLayers(m, clockWith(0), kLayerHeldStarts);
    EXPECT_TRUE(same(board, kHeldLampPlaces[1].x, 228, 12, 12, artPicture(601), 0, 12 * kHeldOn));
    m.vHit = 1;
    redrawLayers(m, clockWith(0), kLayerAttacker);
    EXPECT_TRUE(same(board, 190, 360, 100, 42, artPicture(605), 0, 42 * kAttackerV));
}

TEST_F(No4Screen, ReelsFlashesWingsAndTheirLampInTheView)
{
    m.mode = 2;
    m.reelEffect[1] = 20;
    m.wingsOpen = 1;
    m.wingDrawState = 7;
    Picture& v = compose(clockWith(0));
    for (int w = 0; w < 3; w += 2)
        EXPECT_TRUE(same(v, kWindowX[w], 180, 28, 48, artPicture(606), 0, stripRow(m.reelPos[w]))) << w;
    EXPECT_TRUE(spriteShows(v, kWindowX[1], 180, 28, 48, artSprite(607), 0, 1728 - 48 * 20));
    EXPECT_FALSE(same(v, kWindowX[1], 180, 28, 48, artPicture(606), 0, stripRow(m.reelPos[1])))
        << "the flash covers part of the reel";
    // the wing lamp is drawn over the wings
    EXPECT_TRUE(same(v, 235, 281, 10, 14, artPicture(610), 0, 14 * 3));
    EXPECT_TRUE(same(v, 207, 277, 28, 36, artPicture(609), 0, 36));
    EXPECT_TRUE(same(v, 245, 277, 28, 36, artPicture(609), 38, 36));
    m.wingsOpen = 0;
    m.wingDrawState = 1;
    compose(clockWith(0));
    EXPECT_TRUE(same(v, 207, 277, 28, 36, artPicture(609), 0, 0));
    EXPECT_TRUE(same(v, 235, 281, 10, 14, artPicture(610), 0, 14));
    // the open and the closed wings are different pictures
    EXPECT_FALSE(same(artPicture(609), 0, 0, 66, 36, artPicture(609), 0, 36));
}

TEST_F(No4Screen, BallsPassBehindTheGateFrontsAndUnderTheSpinners)
{
    m.mode = 1;
    for (const Piece& g : kGateFronts) {
        int bx = (g.x + 8) / 4, by = (g.y + 8) / 4; // a ball whose picture covers the gate's front
        setBallPosition(m.ballSlot[0], bx, by);
        Picture& v = compose(clockWith(0));
        EXPECT_TRUE(same(v, g.x, g.y, g.w, g.h, boardPicture(), g.x, g.y)) << "the front stays over the ball";
        EXPECT_FALSE(same(v, 4 * bx - 2, g.y + g.h, 12, 4 * by - 4 + 12 - g.y - g.h, boardPicture(), 4 * bx - 2,
                          g.y + g.h))
            << "the ball shows below the front";
    }
    // a ball elsewhere is drawn
    setBallPosition(m.ballSlot[0], 20, 60);
    Picture& v = compose(clockWith(0));
    EXPECT_FALSE(same(v, 78, 236, 12, 12, boardPicture(), 78, 236));
    // spinner frames by their values
    for (int k = 0; k < 8; k++)
        m.spinner[k] = k - 3;
    compose(clockWith(0));
    for (int k = 0; k < 8; k++) {
        int row = (k < 2 ? kSpinnerSmallRow : kSpinnerBigRow) + 36 * windmillFrame(m.spinner[k]);
        int h = std::min(36, 432 - kSpinnerPlaces[k].y);
        EXPECT_TRUE(spriteShows(v, kSpinnerPlaces[k].x, kSpinnerPlaces[k].y, 36, h, artSprite(523), 0, row)) << k;
    }
}

TEST_F(No4Screen, DrawingTicksCountTheVAnimationAndTheColoursChangeAfterIt)
{
    m.mode = 3;
    m.round = 3;
    m.modeTick = 200;
    m.attackerOpen = 1;
    m.attackerCount = 4;
    m.vHit = 1;
    animClock.halfPhase = 16; // not a drawing tick
    modelPlayTick(m);
    EXPECT_EQ(m.vHit, 1);
    animClock.halfPhase = 0;
    int frames = 0;
    while (m.vHit >= 1 && m.vHit <= 72 && frames < 200) {
        int v = m.vHit;
        modelPlayTick(m);
        frames++;
        ASSERT_TRUE(spriteShows(sceneSurface, 226, 180, 28, 48, artSprite(607), kFlashVX, vFrameRow(v))) << v;
        int column = v < 72 ? kNumbersX : kNumbersAfterVX;
        ASSERT_TRUE(same(sceneSurface, 194, 180, 28, 48, artPicture(606), column, 48 * 3)) << v;
    }
    EXPECT_EQ(frames, 72);
    EXPECT_EQ(m.vHit, 73);
    modelPlayTick(m);
    EXPECT_EQ(m.vHit, 73) << "counted only while it runs";
    EXPECT_TRUE(same(sceneSurface, 194, 180, 28, 48, artPicture(606), kNumbersAfterVX, 48 * 3));
    EXPECT_TRUE(same(sceneSurface, 258, 180, 28, 48, artPicture(606), kNumbersAfterVX, 48 * 4));
    EXPECT_TRUE(same(sceneSurface, 226, 180, 28, 48, artPicture(606), 0, stripRow(m.reelPos[1])));
    // a repaint draws without counting
    m.vHit = 10;
    modelPlayPaint(m);
    EXPECT_EQ(m.vHit, 10);
    EXPECT_TRUE(spriteShows(sceneSurface, 226, 180, 28, 48, artSprite(607), kFlashVX, vFrameRow(10)));
}

TEST_F(No4Screen, AnOrdinaryWinsFlashIsWrittenAndDrawnOnTheWatchedMachine)
{
    m.mode = 3;
    m.round = 0;
    m.modeTick = 0;
    m.reachSymbol = 11;
    animClock.halfPhase = 0;
    modelPlayTick(m);
    for (int r = 0; r < 3; r++)
        EXPECT_EQ(m.reelEffect[r], -36);
    for (int w = 0; w < 3; w++)
        EXPECT_TRUE(spriteShows(sceneSurface, kWindowX[w], 180, 28, 48, artSprite(607), kFlashMinusX, 0)) << w;
    m.modeTick = 40;
    for (int32_t& e : m.reelEffect)
        e = 0;
    modelPlayTick(m);
    for (int w = 0; w < 3; w++)
        EXPECT_TRUE(same(sceneSurface, kWindowX[w], 180, 28, 48, artPicture(608), kStillX[w], 0)) << w;
    m.modeTick = 120; // the reel hangs 16 rows into the still
    modelPlayTick(m);
    for (int w = 0; w < 3; w++) {
        EXPECT_TRUE(same(sceneSurface, kWindowX[w], 180, 28, 16, artPicture(606), 0, stripRow(m.reelPos[0]) + 32));
        EXPECT_TRUE(same(sceneSurface, kWindowX[w], 196, 28, 32, artPicture(608), kStillX[w], 16));
    }
}

TEST_F(No4Screen, APanoramaFillsTheThreeWindows)
{
    m.mode = 3;
    m.round = 0;
    m.reachSymbol = 8;
    m.modeTick = 30;
    Picture& v = compose(clockWith(0));
    for (int w = 0; w < 3; w++)
        EXPECT_TRUE(same(v, kWindowX[w], 180, 28, 48, artPicture(608), 32 * w + 120, kPanoramaEightWin)) << w;
    // nothing outside the windows is touched by the display
    EXPECT_TRUE(same(v, 186, 172, 108, 8, boardPicture(), 186, 172));
    EXPECT_TRUE(same(v, 222, 180, 4, 48, boardPicture(), 222, 180));
}

// --------------------------------------------------------------- stills for looking at

TEST_F(No4Screen, StillStatesForLooking)
{
    const char* dir = std::getenv("NO4_SCREENSHOTS");
    if (!dir)
        GTEST_SKIP() << "set NO4_SCREENSHOTS to a folder to write the pictures";
    auto shoot = [&](const char* name, const AnimClock& c) {
        writeBmp(compose(c, false), std::string(dir) + "/play-" + name + ".bmp");
    };
    for (int k = 0; k < 8; k++)
        m.spinner[k] = k;
    m.mode = 0;
    m.reelPos[0] = 40 * 3;
    m.reelPos[1] = 40 * 9;
    m.reelPos[2] = 40 * 12;
    shoot("idle", clockWith(0, 0, 0));

    m.mode = 2;
    m.heldStarts = 3;
    m.heldLampTick = 2;
    m.reelPos[0] = 440; // a sudden stop on 4
    m.reelEffect[0] = 30;
    m.reelPos[1] = 300;
    m.reelPos[2] = 513;
    setBallPosition(m.ballSlot[0], 34, 44);
    setBallPosition(m.ballSlot[1], 60, 30);
    shoot("sudden-stop", clockWith(0, 1));

    m.reelEffect[0] = 0;
    m.reelPos[1] = 440;
    m.spinPhase = 1;
    m.reelPos[2] = 470;
    m.wingsOpen = 1;
    m.wingDrawState = 7;
    shoot("creep-reach", clockWith(1, 1));
    m.spinPhase = 2;
    m.reelEffect[2] = 33;
    m.chanceCount = 2;
    shoot("action-shake", clockWith(0, 1));

    m = blank();
    m.mode = 3;
    m.reachSymbol = 8;
    m.feverKind = 3;
    m.modeTick = 60;
    m.chanceCount = 2;
    shoot("fever-panorama-8", clockWith(1, 1));
    m.reachSymbol = 4;
    m.feverKind = 2;
    m.modeTick = 20;
    shoot("fever-panorama-4", clockWith(1, 1));
    m.reachSymbol = 12;
    m.feverKind = 1;
    m.modeTick = 40;
    for (int32_t& e : m.reelEffect)
        e = 32;
    shoot("fever-still", clockWith(1, 1));
    for (int32_t& e : m.reelEffect)
        e = 0;
    m.reelPos[0] = m.reelPos[1] = m.reelPos[2] = 40 * 3;
    m.modeTick = 121;
    shoot("fever-reel-slides", clockWith(1, 1));

    m.round = 5;
    m.modeTick = 58;
    shoot("round-slide-in", clockWith(1, 0));
    m.modeTick = 200;
    m.attackerOpen = 1;
    m.attackerCount = 6;
    m.vHit = 20;
    const int balls[][2] = {{16, 20}, {34, 45}, {59, 72}, {90, 60}, {55, 93}, {61, 94}};
    for (int i = 0; i < 6; i++)
        setBallPosition(m.ballSlot[i], balls[i][0], balls[i][1]);
    shoot("round-v-frames", clockWith(0, 1));
    m.vHit = 80;
    shoot("round-after-v", clockWith(1, 0));
    m.round = 17;
    m.reachSymbol = 8;
    m.modeTick = 90;
    m.attackerOpen = 0;
    shoot("ending-panorama", clockWith(0, 1));
}

// --------------------------------------------------------------- stills of real play

// A seeded hall played through the whole program's ticks (rules and screen
// together, as under Windows) until every state below has been drawn once:
// the rules and the screen between them reach each performance. To see big
// prizes within minutes of play the seated machine starts in a chance state
// on the hot setting. NO4_PLAY_SHOTS=<dir> writes each state's frame as
// play-real-<state>.bmp for looking at.
class No4RealPlay : public ProgramTest {
protected:
    No4RealPlay() : ProgramTest("Mira") {}
};

TEST_F(No4RealPlay, StillsOfEveryPerformance)
{
    const char* dir = std::getenv("NO4_PLAY_SHOTS");
    ASSERT_TRUE(nullWalkToScene(kScenePlaying, 0));
    nullPaintScene();
    MachineState& m = *activePlayerSlot().machine;
    m.setting = 1;
    m.chanceCount = 2;
    struct Shot {
        const char* name;
        bool taken;
    };
    Shot shots[] = {{"sudden-stop", false}, {"creep", false},       {"action-shake", false}, {"wings-open", false},
                    {"intro-flash", false}, {"intro-still", false}, {"intro-panorama", false}, {"round-slide-in", false},
                    {"round-door", false},  {"v-frames", false},    {"after-v", false},      {"ending", false}};
    const int n = sizeof shots / sizeof shots[0];
    auto want = [&](int i, bool now) {
        if (!now || shots[i].taken)
            return;
        shots[i].taken = true;
        if (dir)
            writeBmp(sceneSurface, std::string(dir) + "/play-real-" + shots[i].name + ".bmp");
    };
    for (long tick = 0; tick < 400000; tick++) { // about three hours of play
        if (m.balls < 1000)
            m.balls = 3000;
        if (m.mode != 3 && m.chanceCount == 0 && m.setting != 1)
            m.setting = 1;
        nullClearPosted();
        const MachineState before = m; // what this tick's frame shows: the step comes after it
        onTick();
        if (animClock.halfPhase != 0)
            continue; // the screen drew on this tick
        const MachineState& drawn = before;
        bool chance = drawn.reachSymbol == 4 || drawn.reachSymbol == 8;
        want(0, drawn.mode == 2 && drawn.spinPhase == 0 && drawn.reelEffect[0] > 20 && drawn.reelTravel[1] > 0);
        want(1, drawn.mode == 2 && drawn.spinPhase == 1 && drawn.reelBoost[2] > 2);
        want(2, drawn.mode == 2 && drawn.spinPhase == 2 && drawn.reelEffect[2] > 10);
        want(3, drawn.wingsOpen == 1 && drawn.mode == 2);
        want(4, drawn.mode == 3 && drawn.round == 0 && !chance && drawn.modeTick == 12);
        want(5, drawn.mode == 3 && drawn.round == 0 && !chance && drawn.modeTick == 50);
        want(6, drawn.mode == 3 && drawn.round == 0 && chance && drawn.modeTick == 60);
        want(7, drawn.mode == 3 && drawn.round >= 1 && drawn.round <= 16 && drawn.modeTick == 58);
        want(8, drawn.mode == 3 && drawn.round >= 2 && drawn.modeTick >= 200 && drawn.vHit == 0 && drawn.attackerCount >= 3);
        want(9, drawn.mode == 3 && drawn.vHit >= 14 && drawn.vHit <= 30);
        want(10, drawn.mode == 3 && drawn.vHit > 72 && drawn.attackerCount >= 5);
        want(11, drawn.mode == 3 && drawn.round == 17 && drawn.modeTick == 80);
        bool all = true;
        for (const Shot& s : shots)
            all = all && s.taken;
        if (all)
            break;
    }
    for (int i = 0; i < n; i++)
        EXPECT_TRUE(shots[i].taken) << shots[i].name << " never came";
}

} // namespace
