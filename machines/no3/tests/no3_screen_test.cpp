// Machine No.3's play screen: the rules that choose what is drawn, checked
// on the rule functions and on the pixels of the composed surfaces built
// from the committed artwork.
//
// NO3_SCREENSHOTS=<dir> also writes still states of the view as 8-bit BMPs
// (play-*.bmp) for looking at.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "screen_fixture.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/gfx/sound.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/shell/options.h"
#include "no3_screen.h"
#include "null/sys_null.h"
#include "no3_art_layout.h"

using namespace no3screen;

namespace {

// --- the rules ---

MachineState blank()
{
    MachineState m;
    std::memset(&m, 0, sizeof m);
    return m;
}

AnimClock clockWith(int blink64, int blink128, int blink256 = 0, int count1024 = 0)
{
    AnimClock c = {};
    c.blink64 = blink64;
    c.blink128 = blink128;
    c.blink256 = blink256;
    c.count1024 = count1024;
    return c;
}

std::string flagsText(const LampFlags& f)
{
    std::string s = std::to_string(f.strip) + ":";
    const bool on[] = {f.a, f.b, f.c, f.d, f.e, f.f, f.g};
    for (int i = 0; i < 7; i++)
        if (on[i])
            s += (char)('A' + i);
    return s;
}

TEST(No3ScreenRules, LampGroupByModeAndPhase)
{
    struct Case {
        int mode, phase, round, modeTick, vHit, blink64, blink128, count1024;
        const char* want; // strip frame, then the flags that are on
    };
    const Case cases[] = {
        // idle: the strip runs on the slowest counter, everything else dark
        {0, 0, 0, 0, 0, 1, 1, 768, "3:"},
        {1, 0, 0, 0, 0, 0, 0, 256, "1:"},
        // spinning without a reach: quick strip, A and B alternate
        {2, 0, 0, 0, 0, 0, 0, 384, "3:A"},
        {2, 0, 0, 0, 0, 1, 1, 128, "1:B"},
        // reach runs: strip 0/2, A+C against B+D, windmills and ornaments alternate
        {2, 1, 0, 0, 0, 0, 0, 512, "0:ACF"},
        {2, 2, 0, 0, 0, 1, 0, 512, "2:BDG"},
        // the reels settle: only the pockets
        {2, 3, 0, 0, 0, 1, 1, 512, "0:E"},
        // fanfare and a running V animation blink quickly
        {3, 0, 0, 10, 0, 1, 0, 0, "2:ACG"},
        {3, 0, 0, 10, 0, 0, 1, 0, "0:BDEF"},
        {3, 0, 4, 200, 63, 1, 0, 0, "2:ACG"},
        // the door open: quick strip, A+C against B+D+E on the slow blink
        {3, 0, 4, 200, 64, 1, 1, 640, "1:ACG"},
        {3, 0, 4, 80, 0, 0, 0, 640, "1:BDEF"},
        // round break and ending: only the bottom lamp on the slow blink
        {3, 0, 4, 79, 0, 0, 1, 640, "0:BG"},
        {3, 0, 17, 100, 0, 1, 0, 640, "0:F"},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode;
        m.reelPhase = c.phase;
        m.round = c.round;
        m.modeTick = c.modeTick;
        m.vHit = c.vHit;
        EXPECT_EQ(flagsText(lampFlags(m, clockWith(c.blink64, c.blink128, 0, c.count1024))), c.want)
            << "mode " << c.mode << " phase " << c.phase << " round " << c.round << " tick " << c.modeTick
            << " vHit " << c.vHit;
    }
}

TEST(No3ScreenRules, FrameLampsLightOnlyInAFeverOnTheSlowBlink)
{
    MachineState m = blank();
    m.mode = 2;
    EXPECT_FALSE(frameLampsLit(m, clockWith(0, 0, 1)));
    m.mode = 3;
    EXPECT_TRUE(frameLampsLit(m, clockWith(0, 0, 1)));
    EXPECT_FALSE(frameLampsLit(m, clockWith(1, 1, 0)));
}

TEST(No3ScreenRules, DemoStripTiming)
{
    struct Case {
        int tick, row;
    };
    const Case cases[] = {
        {0, 0},     {1, 276},   {23, 12},   {24, 0},    {83, 156}, {84, 142}, {85, 141}, {86, 141}, {87, 142},
        {88, 144},  {127, 144}, {128, 144}, {129, 132}, {211, 12}, {212, 286}, {213, 285}, {214, 285},
        {215, 286}, {216, 0},   {255, 0},   {256, 0},   {257, 276},
    };
    for (const Case& c : cases)
        EXPECT_EQ(demoStripRow(c.tick), c.row) << c.tick;
    for (int t = -300; t < 600; t++) {
        int r = demoStripRow(t);
        ASSERT_TRUE(r >= 0 && r < 288) << t;
    }
}

TEST(No3ScreenRules, RoundCaptionDropsAndBounces)
{
    const int want[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 72, 66, 62, 60, 60, 62, 66, 72, 80, 80};
    EXPECT_EQ(captionHeight(0), 0);
    EXPECT_EQ(captionHeight(31), 0);
    for (int i = 0; i < 21; i++)
        EXPECT_EQ(captionHeight(32 + i), want[i]) << 32 + i;
    EXPECT_EQ(captionHeight(79), 80);
}

TEST(No3ScreenRules, RoundPanelsAndTheirIntros)
{
    const int sheet[17] = {0, 603, 603, 603, 603, 603, 603, 604, 604, 604, 604, 604, 604, 605, 605, 605, 606};
    for (int r = 1; r <= 16; r++) {
        EXPECT_EQ(roundPanelSheet(r), sheet[r]) << r;
        bool intro = r == 1 || r == 7 || r == 13 || r == 16;
        EXPECT_EQ(roundPanelRow(r, 19), intro ? 0 : 80) << r;
        EXPECT_EQ(roundPanelRow(r, 20), 80) << r;
    }
}

TEST(No3ScreenRules, WindowContentByModeRoundAndStep)
{
    struct Case {
        int mode, round, modeTick, vHit;
        WindowContent want;
    };
    const Case cases[] = {
        {0, 0, 100, 0, kShowDemo},        {1, 0, 0, 0, kShowReels},         {2, 0, 5, 0, kShowReels},
        {3, 0, 39, 0, kShowScroll},       {3, 0, 40, 0, kShowFanfare},      {3, 0, 191, 0, kShowFanfare},
        {3, 17, 0, 0, kShowScroll},       {3, 17, 40, 0, kShowEnding},      {3, 1, 0, 0, kShowRoundPanel},
        {3, 9, 79, 3, kShowRoundPanel},   {3, 9, 80, 0, kShowReels},        {3, 9, 80, 1, kShowV},
        {3, 9, 500, 63, kShowV},          {3, 9, 500, 64, kShowReels},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode;
        m.round = c.round;
        m.modeTick = c.modeTick;
        m.vHit = c.vHit;
        EXPECT_EQ(windowContent(m), c.want) << c.mode << " " << c.round << " " << c.modeTick << " " << c.vHit;
    }
}

TEST(No3ScreenRules, LineMarksByLineMaskAndPhase)
{
    const int outer = kLineTopRow | kLineRightColumn | kLineBottomRow | kLineLeftColumn;
    const int centre = kLineMiddleRow | kLineMiddleColumn | kLineDiagonalDown;
    const int every = outer | centre | kLineDiagonalUp;
    struct Case {
        int mode, phase, lineMask, blink256, want;
    };
    const Case cases[] = {
        // first reach phase: the outer lines and the centre ones, not the rising diagonal
        {2, 1, every, 1, outer | centre},
        // second phase: the centre lines and the rising diagonal, not the outer ones
        {2, 2, every, 1, centre | kLineDiagonalUp},
        {2, 2, kLineTopRow, 1, 0},
        {2, 1, kLineDiagonalUp, 1, 0},
        // all 2s lights every line in either phase
        {2, 2, kLineAllTwos, 1, every},
        {2, 1, kLineAllTwos | kLineTopRow, 1, every},
        // a fever shows its winning lines whatever the phase
        {3, 0, kLineMiddleRow | kLineDiagonalUp, 1, kLineMiddleRow | kLineDiagonalUp},
        // dark half of the blink, and no reach: nothing
        {2, 1, every, 0, 0},
        {3, 0, every, 0, 0},
        {2, 0, every, 1, 0},
        {2, 3, every, 1, 0},
        {1, 0, every, 1, 0},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode;
        m.reelPhase = c.phase;
        m.lineMask = c.lineMask;
        EXPECT_EQ(visibleMarks(m, clockWith(0, 0, c.blink256)), c.want)
            << c.mode << " " << c.phase << " " << std::hex << c.lineMask;
    }
}

TEST(No3ScreenRules, VStripFrames)
{
    MachineState m = blank();
    m.vHit = 1;
    EXPECT_EQ(vStripFrame(m, clockWith(0, 0)), 4);
    EXPECT_EQ(vStripFrame(m, clockWith(1, 0)), 5);
    m.vHit = 63;
    EXPECT_EQ(vStripFrame(m, clockWith(1, 0)), 5);
    m.vHit = 64;
    for (int c = 0; c < 1024; c += 128)
        EXPECT_EQ(vStripFrame(m, clockWith(1, 1, 1, c)), (c / 128) % 4) << c;
}

// --- the composed surfaces ---

struct SoundCallLog {
    static std::vector<int> calls;
    static void record(int wave, uint32_t) { calls.push_back(wave); }
};
std::vector<int> SoundCallLog::calls;

class No3Screen : public PlayScreenTest {
protected:
    void SetUp() override
    {
        PlayScreenTest::SetUp();
        m = blank();
        m.mode = 1;
        SoundCallLog::calls.clear();
        nullSoundHook = SoundCallLog::record;
    }
    void TearDown() override
    {
        nullSoundHook = nullptr;
        PlayScreenTest::TearDown();
    }

    // The view of machine `m` as a drawing tick builds it, without the
    // tick's own clock requests.
    Picture& compose(const AnimClock& c, bool countV = true)
    {
        redrawLayers(m, c, kAllLayers);
        copyPicture(sceneSurface, 0, 0, 480, 432, boardPicture(), 0, 0);
        composeMovingParts(m, c, sceneSurface, countV);
        return sceneSurface;
    }
};

// Points on a line mark that lie in the gaps between the reel windows, so
// no reel picture is under them.
struct MarkProbe {
    int bit, x, y;
};
const MarkProbe kMarkProbes[] = {
    {kLineTopRow, 225, 189},      {kLineMiddleRow, 225, 216},   {kLineBottomRow, 254, 243},
    {kLineLeftColumn, 211, 202},  {kLineMiddleColumn, 240, 229}, {kLineRightColumn, 269, 202},
    {kLineDiagonalDown, 225, 202}, {kLineDiagonalUp, 254, 202},
};

TEST_F(No3Screen, ReelWindowShowsTheMarksOfTheVisibleLines)
{
    const int red = paletteIndex(3, 0, 0);
    m.mode = 2;
    for (int phase : {1, 2})
        for (const MarkProbe& line : kMarkProbes) {
            m.reelPhase = phase;
            m.lineMask = line.bit;
            Picture& lit = compose(clockWith(0, 0, 1));
            int want = visibleMarks(m, clockWith(0, 0, 1));
            for (const MarkProbe& p : kMarkProbes)
                EXPECT_EQ(at(lit, p.x, p.y) == red, (want & p.bit) != 0 && p.bit == line.bit)
                    << "phase " << phase << " line " << std::hex << line.bit << " probe " << p.bit;
            Picture& dark = compose(clockWith(0, 0, 0));
            for (const MarkProbe& p : kMarkProbes)
                EXPECT_NE(at(dark, p.x, p.y), red);
        }
    // each line is shown in some phase
    m.reelPhase = 1;
    m.lineMask = kLineAllTwos;
    Picture& all = compose(clockWith(0, 0, 1));
    for (const MarkProbe& p : kMarkProbes)
        EXPECT_EQ(at(all, p.x, p.y), red) << p.bit;
}

TEST_F(No3Screen, ReelWindowsCutTheirStripsAtTheReelPositions)
{
    m.mode = 2;
    for (int k = 0; k < 9; k++)
        m.reelPos[k] = 6 * k + 3;
    m.reelPos[4] = 53 * 6 + 5 + 54 * 6; // past a full turn
    Picture& v = compose(clockWith(0, 0));
    const Picture& sheet = artPicture(601);
    for (int k = 0; k < 9; k++) {
        int strip = k == 4 ? 2 : (k == 2 || k == 6) ? 1 : 0;
        int row = m.reelPos[k] % (reelCells(k) * 6);
        EXPECT_TRUE(same(v, 198 + 29 * (k % 3), 177 + 27 * (k / 3), 26, 24, sheet, no3art::kReelStrip[strip].x, row))
            << k;
    }
}

TEST_F(No3Screen, AttractDisplayLeavesTheMiddleRowEmpty)
{
    m.mode = 0;
    m.modeTick = 100;
    Picture& v = compose(clockWith(0, 0));
    const Picture& backdrop = artPicture(607);
    for (int k = 3; k < 6; k++)
        EXPECT_TRUE(same(v, 198 + 29 * (k % 3), 204, 26, 24, backdrop, 12 + 29 * (k % 3), 28)) << k;
    for (int k : {0, 2, 7})
        EXPECT_TRUE(same(v, 198 + 29 * (k % 3), 177 + 27 * (k / 3), 26, 24, artPicture(601), 78, 144)) << k;
    for (int k : {1, 6, 8})
        EXPECT_TRUE(same(v, 198 + 29 * (k % 3), 177 + 27 * (k / 3), 26, 24, artPicture(601), 104, 144)) << k;
}

TEST_F(No3Screen, DoorAndItsVStrip)
{
    const Picture& sheet = artPicture(601);
    Picture& board = boardPicture();
    m.attackerOpen = 0;
    m.vHit = 5;
    redrawLayers(m, clockWith(1, 0), kLayerDoor);
    EXPECT_TRUE(same(board, 186, 372, 108, 36, sheet, 130, 0)) << "closed door, no strip";

    m.attackerOpen = 1;
    m.vHit = 0;
    redrawLayers(m, clockWith(1, 0), kLayerDoor);
    EXPECT_TRUE(same(board, 186, 372, 108, 36, sheet, 130, 36)) << "open door without a V hit";

    m.vHit = 5;
    redrawLayers(m, clockWith(1, 0), kLayerDoor);
    EXPECT_TRUE(same(board, 186, 374, 108, 10, sheet, 130, 72 + 50));
    redrawLayers(m, clockWith(0, 0), kLayerDoor);
    EXPECT_TRUE(same(board, 186, 374, 108, 10, sheet, 130, 72 + 40));
    m.vHit = 64;
    redrawLayers(m, clockWith(0, 0, 0, 384), kLayerDoor);
    EXPECT_TRUE(same(board, 186, 374, 108, 10, sheet, 130, 72 + 30));
    EXPECT_TRUE(same(board, 186, 384, 108, 24, sheet, 130, 36 + 12)) << "the rest of the open door";
}

TEST_F(No3Screen, HeldStartPayoutAndCounterLayers)
{
    const Picture& sheet = artPicture(601);
    Picture& board = boardPicture();
    m.heldStarts = 2;
    m.payoutToggle = 1;
    m.attackerCount = 13;
    m.feverKind = 2;
    redrawLayers(m, clockWith(0, 0), kAllLayers);
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(same(board, 194 + 24 * i, 157, 24, 16, sheet, 238 + 24 * i, i < 2 ? 64 : 48)) << i;
    EXPECT_TRUE(same(board, 4, 38, 48, 30, artPicture(522), 0, 30));
    EXPECT_TRUE(same(board, 232, 410, 16, 22, artPicture(610), 0, 3 * 22));
    EXPECT_TRUE(same(board, 386, 4, 90, 30, artPicture(524), 0, 60));
}

TEST_F(No3Screen, DrawingTicksServeSoundRedrawDirtyLayersAndCountTheVAnimation)
{
    soundAvailable = 1;
    soundOn = 0;
    m.mode = 3;
    m.round = 2;
    m.modeTick = 100;
    m.attackerOpen = 1;
    m.vHit = 1;
    m.soundRequest = 702;
    m.dirty = kLayerPayoutLamp;
    int presents = nullPresentCount[2];

    animClock.halfPhase = 16; // not a drawing tick: nothing happens
    modelPlayTick(m);
    EXPECT_EQ(m.vHit, 1);
    EXPECT_EQ(m.soundRequest, 702);
    EXPECT_EQ(m.dirty, kLayerPayoutLamp);
    EXPECT_EQ(nullPresentCount[2], presents);

    animClock.halfPhase = 0;
    modelPlayTick(m);
    EXPECT_EQ(m.vHit, 2);
    EXPECT_EQ(m.soundRequest, 0) << "cleared with sound off too";
    EXPECT_TRUE(SoundCallLog::calls.empty());
    EXPECT_EQ(m.dirty, 0);
    EXPECT_EQ(nullPresentCount[2], presents + 1);
    EXPECT_TRUE(same(sceneSurface, 186, 176, 108, 80, artPicture(607), 0, 80 * no3art::kWindowVB))
        << "odd vHit shows the second V frame";

    // the repaint shows the same frame and does not count it
    modelPlayPaint(m);
    EXPECT_EQ(m.vHit, 2);
    EXPECT_TRUE(same(sceneSurface, 186, 176, 108, 80, artPicture(607), 0, 80 * no3art::kWindowVA));

    for (int i = 0; i < 100; i++)
        modelPlayTick(m);
    EXPECT_EQ(m.vHit, 64) << "the animation lasts 63 drawn frames";
}

TEST_F(No3Screen, TheClockAsksForTheLampGroupAndTheDoorInAFever)
{
    const Picture& sheet = artPicture(601);
    Picture& board = boardPicture();
    m.mode = 3;
    m.round = 3;
    m.modeTick = 100;
    m.attackerOpen = 1;
    m.vHit = 64;
    fillRect(board, 186, 372, 108, 36, 0);
    fillRect(board, 198, 264, 84, 12, 0);
    animClock.count64 = 16; // no request
    drawPlayFrame(m);
    EXPECT_FALSE(same(board, 186, 384, 108, 24, sheet, 130, 48));
    animClock.count64 = 0;
    drawPlayFrame(m);
    EXPECT_TRUE(same(board, 186, 384, 108, 24, sheet, 130, 48)) << "door redrawn";
    EXPECT_TRUE(same(board, 198, 264, 84, 12, sheet, 238, 0)) << "lamp strip redrawn";

    m.mode = 2; // outside a fever the door is left alone
    fillRect(board, 186, 372, 108, 36, 0);
    drawPlayFrame(m);
    EXPECT_FALSE(same(board, 186, 384, 108, 24, sheet, 130, 48));
}

TEST_F(No3Screen, FanfareScrollsTheReelsAwayAndSlidesItsPictureIn)
{
    const Picture& panels = artPicture(607);
    m.mode = 3;
    m.round = 0;
    m.modeTick = 20; // half way: the lower half of the window is the panel's top half
    Picture& v = compose(clockWith(0, 0));
    EXPECT_TRUE(same(v, 186, 216, 108, 40, panels, 0, 80 * no3art::kWindowFanfare));
    m.modeTick = 40; // the picture is still above the window
    compose(clockWith(0, 0));
    EXPECT_TRUE(same(v, 186, 176, 108, 80, panels, 0, 80 * no3art::kWindowFanfare));
    m.modeTick = 60; // half in: only the upper half differs from the bare panel
    compose(clockWith(0, 0));
    EXPECT_TRUE(same(v, 186, 216, 108, 40, panels, 0, 80 * no3art::kWindowFanfare + 40));
    EXPECT_FALSE(same(v, 186, 176, 108, 40, panels, 0, 80 * no3art::kWindowFanfare));
    // nothing outside the window is touched
    Picture board = boardPicture();
    EXPECT_TRUE(same(v, 186, 100, 108, 70, board, 186, 100));

    m.round = 17;
    m.modeTick = 50;
    compose(clockWith(0, 0, 1));
    EXPECT_TRUE(same(v, 186, 176, 108, 80, panels, 0, 80 * no3art::kWindowEndingB));
    compose(clockWith(0, 0, 0));
    EXPECT_TRUE(same(v, 186, 176, 108, 80, panels, 0, 80 * no3art::kWindowEndingA));
}

TEST_F(No3Screen, RoundCaptionHangsFromTheWindowTop)
{
    m.mode = 3;
    m.round = 8;
    m.modeTick = 31;
    Picture& v = compose(clockWith(0, 0));
    EXPECT_TRUE(same(v, 186, 176, 108, 80, artPicture(604), 0, 80)) << "no caption yet";
    m.modeTick = 47; // bounced up to 60 rows
    compose(clockWith(0, 0));
    EXPECT_TRUE(same(v, 186, 236, 108, 20, artPicture(604), 0, 140));
    EXPECT_FALSE(same(v, 186, 176, 108, 60, artPicture(604), 0, 80));
    m.round = 7;
    m.modeTick = 10;
    compose(clockWith(0, 0));
    EXPECT_TRUE(same(v, 186, 176, 108, 80, artPicture(604), 0, 0)) << "intro panel";
}

TEST_F(No3Screen, BallsAreDrawnOnlyForSlotsOnTheBoard)
{
    m.mode = 1;
    Picture& v = compose(clockWith(0, 0));
    Picture empty;
    ASSERT_TRUE(createSurface(480, 432, &empty));
    copyPicture(empty, 0, 0, 480, 432, v, 0, 0);
    setBallPosition(m.ballSlot[0], 30, 40);
    setBallPosition(m.ballSlot[1], 0, 60); // x 0: hidden
    compose(clockWith(0, 0));
    EXPECT_FALSE(same(v, 118, 156, 12, 12, empty, 118, 156));
    EXPECT_TRUE(same(v, 0, 0, 480, 150, empty, 0, 0));
    EXPECT_TRUE(same(v, 0, 170, 480, 262, empty, 0, 170));
    freePicture(&empty);
}

// --- still states written for looking at (NO3_SCREENSHOTS=<dir>) ---

TEST_F(No3Screen, StillStatesForLooking)
{
    const char* dir = std::getenv("NO3_SCREENSHOTS");
    if (!dir)
        GTEST_SKIP() << "set NO3_SCREENSHOTS to a folder to write the pictures";
    auto shoot = [&](const char* name, const AnimClock& c) {
        writeBmp(compose(c, false), std::string(dir) + "/play-" + name + ".bmp");
    };
    for (int k = 0; k < 6; k++)
        m.spinner[k] = k;
    m.mode = 0;
    m.modeTick = 100;
    shoot("attract", clockWith(0, 0));

    m.mode = 2;
    m.reelPhase = 1;
    m.heldStarts = 3;
    m.lineMask = kLineTopRow | kLineMiddleRow | kLineDiagonalDown;
    const int pos[9] = {0, 0, 60, 24, 12, 36, 48, 30, 66};
    for (int k = 0; k < 9; k++)
        m.reelPos[k] = pos[k];
    shoot("reach", clockWith(1, 0, 1));

    m.mode = 3;
    m.round = 0;
    m.feverKind = 2;
    m.modeTick = 20;
    shoot("fanfare-scroll", clockWith(0, 1, 1));
    m.modeTick = 64;
    shoot("fanfare", clockWith(1, 1, 1));

    m.round = 5;
    m.modeTick = 46;
    shoot("round-caption", clockWith(0, 1, 1));

    m.modeTick = 200;
    m.attackerOpen = 1;
    m.attackerCount = 4;
    m.vHit = 0;
    const int balls[][2] = {{16, 20}, {30, 30}, {59, 72}, {90, 60}, {40, 80}};
    for (int i = 0; i < 5; i++)
        setBallPosition(m.ballSlot[i], balls[i][0], balls[i][1]);
    shoot("door-open", clockWith(0, 1, 1, 384));

    m.vHit = 10;
    shoot("v-animation", clockWith(1, 0, 1));

    m.round = 17;
    m.modeTick = 100;
    m.attackerOpen = 0;
    m.vHit = 0;
    shoot("ending", clockWith(0, 0, 1));
}

} // namespace
