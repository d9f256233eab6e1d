// Machine No.2's play screen: the rules that choose what is drawn, checked
// on the rule functions and on the pixels of the composed surfaces built
// from the committed artwork; wild words never choose a piece outside its
// sheet.
//
// NO2_SCREENSHOTS=<dir> also writes still states of the view as 8-bit BMPs
// (play-*.bmp) for looking at.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "screen_fixture.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/gfx/play_screen.h"
#include "hallcore/gfx/sound.h"
#include "hallcore/machine/anim_clock.h"
#include "no2_art_layout.h"
#include "no2_screen.h"
#include "null/sys_null.h"

using namespace no2screen;
using namespace no2art;

namespace {

MachineState blank()
{
    MachineState m;
    std::memset(&m, 0, sizeof m);
    return m;
}

AnimClock clockWith(int blink256, int blink512 = 0, int count256 = 1)
{
    AnimClock c = {};
    c.blink256 = blink256;
    c.blink512 = blink512;
    c.count256 = count256;
    return c;
}

// The six lamp columns as a text: "UL UR SL SR LL LR".
std::string columnsText(const WindowLamps& w)
{
    std::string s;
    for (int k = 0; k < kWindowLampCount; k++)
        s += (k ? " " : "") + std::to_string(w.column[k]);
    return s;
}

// --- the rules ---

TEST(No2ScreenRules, WindowLampsFollowTheFirstRuleThatApplies)
{
    struct Case {
        int mode, phase, round, modeTick, line, blink256, blink512;
        const char* want;
    };
    const Case cases[] = {
        // 1. idle: all six together on the slowest blink, whatever else holds
        {0, 0, 0, 0, 0, 1, 1, "48 48 48 48 48 48"},
        {1, 0, 0, 0, 3, 1, 0, "0 0 0 0 0 0"},
        {1, 1, 0, 0, 3, 1, 1, "48 48 48 48 48 48"},
        // 2. a reach: the line's lamps on the slow blink
        {2, 1, 0, 0, 1, 1, 0, "48 0 0 0 0 48"},
        {2, 1, 0, 0, 2, 1, 0, "48 48 0 0 0 0"},
        {2, 2, 0, 0, 3, 1, 1, "0 0 48 48 0 0"},
        {2, 2, 0, 0, 4, 1, 0, "0 0 0 0 48 48"},
        {2, 1, 0, 0, 5, 1, 0, "0 48 0 0 48 0"},
        {2, 2, 0, 0, 6, 1, 0, "48 48 0 0 48 48"},
        {2, 1, 0, 0, 6, 0, 1, "0 0 0 0 0 0"},
        {2, 1, 0, 0, 0, 1, 0, "0 0 0 0 0 0"}, // no line: nothing lights
        {2, 2, 0, 0, 7, 1, 0, "0 0 0 0 0 0"},
        //    ... and the winning line in a round before the door opens
        {3, 0, 1, 0, 3, 1, 0, "0 0 48 48 0 0"},
        {3, 0, 16, 63, 5, 1, 0, "0 48 0 0 48 0"},
        {3, 0, 9, 63, 2, 0, 0, "0 0 0 0 0 0"},
        // 3. the rest of a spin: the four corners in the first colour
        {2, 0, 0, 0, 3, 1, 0, "96 96 0 0 96 96"},
        {2, 3, 0, 0, 3, 1, 0, "96 96 0 0 96 96"},
        {2, 0, 0, 0, 3, 0, 1, "0 0 0 0 0 0"},
        // 4. fanfare and ending: all six in the second colour
        {3, 0, 0, 10, 1, 1, 0, "144 144 144 144 144 144"},
        {3, 0, 17, 200, 1, 1, 0, "144 144 144 144 144 144"},
        {3, 0, 0, 100, 1, 0, 1, "0 0 0 0 0 0"},
        // 5. the door open: l = (modeTick / 8) mod 5 climbs the window
        {3, 0, 4, 64, 1, 1, 0, "144 144 144 144 144 144"}, // l 3
        {3, 0, 4, 80, 1, 1, 0, "96 96 0 0 96 96"},         // l 0
        {3, 0, 4, 88, 1, 1, 0, "144 144 0 0 96 96"},       // l 1
        {3, 0, 4, 96, 1, 1, 0, "144 144 144 144 96 96"},   // l 2
        {3, 0, 4, 104, 1, 1, 0, "144 144 144 144 144 144"}, // l 3
        {3, 0, 4, 112, 1, 1, 0, "144 144 144 144 144 144"}, // l 4
        {3, 0, 4, 80, 1, 0, 0, "0 0 0 0 0 0"},
        {3, 0, 4, 88, 1, 0, 0, "48 48 0 0 0 0"},
        {3, 0, 4, 96, 1, 0, 0, "48 48 48 48 0 0"},
        {3, 0, 16, 104, 1, 0, 0, "48 48 48 48 48 48"},
        {3, 0, 16, 119, 1, 0, 0, "48 48 48 48 48 48"},
        // a round no fever has: nothing
        {3, 0, 18, 100, 1, 1, 1, "0 0 0 0 0 0"},
        {3, 0, -1, 100, 1, 1, 1, "0 0 0 0 0 0"},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode;
        m.spinPhase = c.phase;
        m.round = c.round;
        m.modeTick = c.modeTick;
        m.reachLine = c.line;
        EXPECT_EQ(columnsText(windowLamps(m, clockWith(c.blink256, c.blink512))), c.want)
            << "mode " << c.mode << " phase " << c.phase << " round " << c.round << " tick " << c.modeTick << " line "
            << c.line << " blinks " << c.blink256 << c.blink512;
    }
}

TEST(No2ScreenRules, SideDecorationsByModeAndBlink)
{
    struct Case {
        int mode, blink256;
        bool upper;
        int lowerX;
        bool smallOther, corners;
    };
    const Case cases[] = {
        {0, 1, false, 0, false, false},
        {1, 0, false, 0, false, false},
        {2, 1, true, kLowerSideSpinX, false, false},
        {2, 0, false, 0, true, false},
        {3, 1, true, kLowerSideFeverX, false, true},
        {3, 0, false, 0, true, false},
        {7, 1, false, 0, false, false},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode;
        SideLook s = sideLook(m, clockWith(c.blink256));
        EXPECT_EQ(s.upperLit, c.upper) << c.mode << c.blink256;
        EXPECT_EQ(s.lowerX, c.lowerX) << c.mode << c.blink256;
        EXPECT_EQ(s.smallOther, c.smallOther) << c.mode << c.blink256;
        EXPECT_EQ(s.cornersLit, c.corners) << c.mode << c.blink256;
    }
}

TEST(No2ScreenRules, AttackerClosedOpenAndItsVAndRoundDigit)
{
    MachineState m = blank();
    m.mode = 3;
    m.round = 16;
    DoorLook d = doorLook(m, clockWith(0));
    EXPECT_FALSE(d.open);
    EXPECT_EQ(d.digit, -1) << "a closed door shows no digit";

    m.attackerOpen = 1;
    d = doorLook(m, clockWith(1));
    EXPECT_TRUE(d.open);
    EXPECT_TRUE(d.lampLit);
    EXPECT_TRUE(d.vLit);
    EXPECT_FALSE(d.vHit);
    EXPECT_EQ(d.digit, -1) << "the digit shows on the dark blink only";
    d = doorLook(m, clockWith(0));
    EXPECT_FALSE(d.lampLit);
    EXPECT_FALSE(d.vLit);
    EXPECT_EQ(d.digit, 6) << "round 16 shows its last digit";

    m.vHit = 1;
    EXPECT_TRUE(doorLook(m, clockWith(0)).vHit) << "the first V ball lights the V part";
    m.vHit = 57;
    EXPECT_TRUE(doorLook(m, clockWith(1)).vHit);

    for (int round : {1, 9, 10, 11, 15, 17, 0, -1, -13, INT_MIN, INT_MAX}) {
        m.round = round;
        int digit = doorLook(m, clockWith(0)).digit;
        EXPECT_GE(digit, 0) << round;
        EXPECT_LE(digit, 9) << round;
        if (round >= 0) {
            EXPECT_EQ(digit, round % 10) << round;
        }
    }
}

TEST(No2ScreenRules, HeldStartLampsRowsAndCounts)
{
    EXPECT_EQ(heldLampRow(0), 0);
    EXPECT_EQ(heldLampRow(1), 1);
    EXPECT_EQ(heldLampRow(2), 1);
    EXPECT_EQ(heldLampRow(3), 2);
    MachineState m = blank();
    for (int held : {0, 1, 2, 3, 4, 9, -2, INT_MIN, INT_MAX}) {
        m.heldStarts = held;
        for (int i = 0; i < 4; i++)
            EXPECT_EQ(heldLampLit(m, i), i < held) << held << " lamp " << i;
    }
}

TEST(No2ScreenRules, ClockRedrawsFrameLampsDoorAndSides)
{
    MachineState m = blank();
    for (int mode = 0; mode <= 3; mode++) {
        m.mode = mode;
        int want = mode == 3 ? 0x31 : mode == 2 ? 0x10 : 0;
        EXPECT_EQ(clockRedrawBits(m, clockWith(0, 0, 0)), want) << mode;
        EXPECT_EQ(clockRedrawBits(m, clockWith(1, 1, 16)), 0) << mode << ": only when count256 turns";
    }
    m.mode = 3;
    EXPECT_TRUE(frameLampsLit(m, clockWith(1)));
    EXPECT_FALSE(frameLampsLit(m, clockWith(0)));
    m.mode = 2;
    EXPECT_FALSE(frameLampsLit(m, clockWith(1)));
    EXPECT_EQ(upperWindmillColumn(m, clockWith(1)), 0);
    m.mode = 3;
    EXPECT_EQ(upperWindmillColumn(m, clockWith(1)), kUpperWindmillLitX);
    EXPECT_EQ(upperWindmillColumn(m, clockWith(0)), 0);
}

TEST(No2ScreenRules, ReelRowsWrapRoundTheStrip)
{
    EXPECT_EQ(reelSourceRow(25), 13);
    EXPECT_EQ(reelSourceRow(480), 468);
    EXPECT_EQ(reelSourceRow(528), 12);
    EXPECT_EQ(reelSourceRow(12), 0);
    // a slide back past the top of the range reads on round the strip
    EXPECT_EQ(reelSourceRow(532), 16);
    EXPECT_EQ(reelSourceRow(11), 503);
    EXPECT_EQ(reelSourceRow(0), 492);
    for (int pos : {INT_MIN, INT_MIN + 5, -1000000, -504, -1, 516, 1000000, INT_MAX - 3, INT_MAX}) {
        int row = reelSourceRow(pos);
        EXPECT_GE(row, 0) << pos;
        EXPECT_LE(row + kReelH, kBandY) << pos << ": the window stays on the strip, short of the band";
    }
}

TEST(No2ScreenRules, EveryChoiceStaysInsideItsSheetWhateverTheWordsHold)
{
    uint32_t seed = 2;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        uint32_t r = seed >> 3;
        switch (r % 4) {
        case 0: return (int32_t)(r % 40) - 5;
        case 1: return (int32_t)r;
        case 2: return (int32_t)(0x80000000u + (r % 4));
        default: return (int32_t)(0x7FFFFFFFu - (r % 4));
        }
    };
    for (int i = 0; i < 20000; i++) {
        MachineState m;
        int32_t* w = reinterpret_cast<int32_t*>(&m);
        for (size_t k = 0; k < sizeof m / 4; k++)
            w[k] = next();
        AnimClock c = clockWith(next() & 1, next() & 1, next() & 1);
        WindowLamps lamps = windowLamps(m, c);
        for (int k = 0; k < kWindowLampCount; k++) {
            int col = lamps.column[k];
            ASSERT_TRUE(col == 0 || col == 48 || col == 96 || col == 144) << col;
        }
        SideLook s = sideLook(m, c);
        ASSERT_TRUE(s.lowerX == 0 || s.lowerX == kLowerSideSpinX || s.lowerX == kLowerSideFeverX);
        DoorLook d = doorLook(m, c);
        ASSERT_TRUE(d.digit >= -1 && d.digit <= 9) << d.digit;
        for (int r = 0; r < 3; r++) {
            int row = reelSourceRow(m.reelPos[r]);
            ASSERT_TRUE(row >= 0 && row + kReelH <= kBandY) << m.reelPos[r];
        }
        ASSERT_TRUE(upperWindmillColumn(m, c) == 0 || upperWindmillColumn(m, c) == kUpperWindmillLitX);
        for (int k = 0; k < 4; k++)
            ASSERT_TRUE(windmillFrame(m.spinner[k]) >= 0 && windmillFrame(m.spinner[k]) <= 2) << m.spinner[k];
    }
}

// The pieces of every sheet lie inside it: a layout typo would cut beyond it.
TEST(No2ScreenRules, LayoutPiecesLieInsideTheirSheets)
{
    auto size = [](int id) {
        for (const SheetSize& s : kSheets)
            if (s.id == id)
                return s;
        return SheetSize{0, 0, 0, false};
    };
    auto inside = [&](int id, int x, int y, int w, int h) {
        SheetSize s = size(id);
        return x >= 0 && y >= 0 && x + w <= s.width && y + h <= s.height;
    };
    for (const Placed& p : kWindowLamp)
        EXPECT_TRUE(inside(602, p.from.x + kLampColourB, p.from.y, p.from.w, p.from.h));
    for (const Placed& p : kUpperSide)
        EXPECT_TRUE(inside(603, p.from.x + kUpperSideLitDx, p.from.y, p.from.w, p.from.h));
    for (const Placed& p : kSmallSide)
        EXPECT_TRUE(inside(603, p.from.x + kSmallSideOtherDx, p.from.y, p.from.w, p.from.h));
    for (const Placed& p : kLowerSide)
        EXPECT_TRUE(inside(603, kLowerSideFeverX, p.from.y, p.from.w, p.from.h));
    for (const Placed& p : kCornerLamp)
        EXPECT_TRUE(inside(604, kCornerLampLitX, p.from.y, p.from.w, p.from.h));
    EXPECT_TRUE(inside(605, kDoorOpen.from.x, kDoorOpen.from.y, kDoorOpen.from.w, kDoorOpen.from.h));
    EXPECT_TRUE(inside(605, kDoorLamp.from.x, kDoorLamp.from.y, kDoorLamp.from.w, kDoorLamp.from.h));
    EXPECT_TRUE(inside(605, kDoorVLitX, kDoorVHitY, kDoorV.from.w, kDoorV.from.h));
    EXPECT_TRUE(inside(608, 0, kDigitBlank * kRoundDigit.from.h, kRoundDigit.from.w, kRoundDigit.from.h));
    EXPECT_TRUE(inside(606, 2 * kReelW, kBandY, kReelW, kBandH));
    EXPECT_TRUE(inside(601, kHeldLampLitX, 2 * kHeldLampH, kHeldLampW, kHeldLampH));
    // and every piece's place is on the view
    for (const Placed& p : kWindowLamp)
        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x + p.from.w <= 480 && p.y + p.from.h <= 432);
}

// --- the composed surfaces ---

class No2Screen : public PlayScreenTest {
protected:
    void SetUp() override
    {
        PlayScreenTest::SetUp();
        m = blank();
        m.mode = 1;
        for (int r = 0; r < 3; r++)
            m.reelPos[r] = 480;
    }

    // The view of machine `m` as a drawing tick builds it, without the
    // tick's own clock requests.
    Picture& compose(const AnimClock& c)
    {
        redrawLayers(m, c, kAllLayers);
        copyPicture(sceneSurface, 0, 0, 480, 432, boardPicture(), 0, 0);
        composeMovingParts(m, c, sceneSurface, true);
        return sceneSurface;
    }
};

TEST_F(No2Screen, ReelsCutTheirStripsAndTheBandShadesTheirEdges)
{
    const Picture& strips = artPicture(606);
    const int positions[][3] = {{25, 240, 528}, {480, 481, 33}, {532, 11, -7}}; // the last row: past the range
    for (const auto& pos : positions) {
        for (int i = 0; i < 3; i++)
            m.reelPos[i] = pos[i];
        Picture& v = compose(clockWith(0));
        for (int i = 0; i < 3; i++) {
            int x = kReelX + kReelStep * i, row = reelSourceRow(pos[i]);
            EXPECT_TRUE(same(v, x, kReelY + kBandH, kReelW, kReelH - 2 * kBandH, strips, kReelW * i, row + kBandH))
                << "reel " << i << " at " << pos[i];
            for (int y = 0; y < kBandH; y++)
                for (int c = 0; c < kReelW; c++) {
                    int band = at(strips, kReelW * i + c, kBandY + y);
                    ASSERT_EQ(at(v, x + c, kBandTopAt + y), at(strips, kReelW * i + c, row + y) & band);
                    ASSERT_EQ(at(v, x + c, kBandBottomAt + y), at(strips, kReelW * i + c, row + 88 + y) & band);
                }
        }
    }
    // The band darkens: somewhere under it the strip's colour is not the view's.
    m.reelPos[0] = 480;
    Picture& v = compose(clockWith(0));
    EXPECT_FALSE(same(v, kReelX, kBandTopAt, kReelW, kBandH, strips, 0, reelSourceRow(480)));
}

TEST_F(No2Screen, ReelStripsHoldTheirCellsInOrder)
{
    // A reel standing at cell k (P = 24 k) shows strip cell k in its top row at
    // y 192: the strip's rows for cell k, whatever the cell holds.
    const Picture& strips = artPicture(606);
    for (int k = 1; k <= 21; k++) {
        for (int i = 0; i < 3; i++)
            m.reelPos[i] = 24 * k;
        Picture& v = compose(clockWith(0));
        for (int i = 0; i < 3; i++)
            EXPECT_TRUE(same(v, kReelX + kReelStep * i, 192, kReelW, 24, strips, kReelW * i, 24 * (k % 21))) << k;
    }
    // The rows after the last cell repeat the first ones.
    EXPECT_TRUE(same(strips, 0, kStripRows, 144, kBandY - kStripRows, strips, 0, 0));
}

TEST_F(No2Screen, WindowLampsShowTheColumnTheirRuleChooses)
{
    const Sprite& lamps = artSprite(602);
    struct State {
        int mode, phase, round, modeTick, line, blink256, blink512;
    };
    const State states[] = {{1, 0, 0, 0, 0, 0, 1}, {2, 1, 0, 0, 1, 1, 0}, {2, 0, 0, 0, 0, 1, 0},
                            {3, 0, 0, 0, 0, 1, 0}, {3, 0, 5, 96, 0, 1, 0}, {3, 0, 5, 88, 0, 0, 0}};
    for (const State& s : states) {
        m.mode = s.mode;
        m.spinPhase = s.phase;
        m.round = s.round;
        m.modeTick = s.modeTick;
        m.reachLine = s.line;
        AnimClock c = clockWith(s.blink256, s.blink512);
        WindowLamps w = windowLamps(m, c);
        Picture& v = compose(c);
        for (int k = 0; k < kWindowLampCount; k++) {
            const Placed& p = kWindowLamp[k];
            EXPECT_TRUE(spriteShows(v, p.x, p.y, p.from.w, p.from.h, lamps, p.from.x + w.column[k], p.from.y))
                << "lamp " << k << " column " << w.column[k] << " mode " << s.mode;
        }
    }
    // the four states of a lamp look different
    for (int k = 0; k < kWindowLampCount; k++)
        for (int a = 0; a < 4; a++)
            for (int b = a + 1; b < 4; b++)
                EXPECT_FALSE(same(lamps.image, kWindowLamp[k].from.x + 48 * a, kWindowLamp[k].from.y, kWindowLamp[k].from.w,
                                  kWindowLamp[k].from.h, lamps.image, kWindowLamp[k].from.x + 48 * b,
                                  kWindowLamp[k].from.y))
                    << "lamp " << k << " columns " << a << " and " << b;
}

TEST_F(No2Screen, SideDecorationsLayerCutsTheChosenFaces)
{
    const Picture& sheet = artPicture(603);
    const Picture& corners = artPicture(604);
    Picture& board = boardPicture();
    for (int mode = 0; mode <= 3; mode++)
        for (int blink = 0; blink < 2; blink++) {
            m.mode = mode;
            AnimClock c = clockWith(blink);
            SideLook s = sideLook(m, c);
            redrawLayers(m, c, kLayerSides);
            for (const Placed& p : kUpperSide)
                EXPECT_TRUE(same(board, p.x, p.y, p.from.w, p.from.h, sheet, p.from.x + (s.upperLit ? 52 : 0), p.from.y));
            for (const Placed& p : kSmallSide)
                EXPECT_TRUE(same(board, p.x, p.y, p.from.w, p.from.h, sheet, p.from.x + (s.smallOther ? 24 : 0), p.from.y))
                    << "the small pieces lie over the lower ones";
            // the lower pieces below the small ones
            for (const Placed& p : kLowerSide)
                EXPECT_TRUE(same(board, p.x, 277, p.from.w, p.y + p.from.h - 277, sheet, s.lowerX, p.from.y + 277 - p.y))
                    << "mode " << mode << " blink " << blink;
            for (const Placed& p : kCornerLamp)
                EXPECT_TRUE(same(board, p.x, p.y, p.from.w, p.from.h, corners, s.cornersLit ? 50 : 0, p.from.y));
        }
    // unlit and lit faces differ
    EXPECT_FALSE(same(sheet, 0, 137, 88, 145, sheet, 88, 137));
    EXPECT_FALSE(same(sheet, 88, 137, 88, 145, sheet, 176, 137));
    EXPECT_FALSE(same(sheet, 0, 0, 52, 78, sheet, 52, 0));
    EXPECT_FALSE(same(sheet, 0, 78, 24, 59, sheet, 24, 78));
    EXPECT_FALSE(same(corners, 0, 0, 50, 42, corners, 50, 0));
}

TEST_F(No2Screen, AttackerLayerClosedOpenVAndDigit)
{
    const Picture& door = artPicture(605);
    const Picture& digits = artPicture(608);
    Picture& board = boardPicture();
    m.mode = 3;
    m.round = 12;
    redrawLayers(m, clockWith(0), kLayerAttacker);
    EXPECT_TRUE(same(board, 182, 388, 116, 42, door, 0, 0)) << "closed";

    m.attackerOpen = 1;
    redrawLayers(m, clockWith(1), kLayerAttacker);
    EXPECT_TRUE(same(board, 185, 390, 22, 24, door, 0, 84)) << "lamp lit";
    EXPECT_TRUE(same(board, 224, 392, 32, 20, door, 76, 84)) << "V part lit, not hit";
    EXPECT_TRUE(same(board, 278, 391, 16, 22, door, 96, 45)) << "no digit on the bright blink: the open door";
    EXPECT_TRUE(same(board, 207, 388, 17, 42, door, 25, 42)) << "the open door round them";

    redrawLayers(m, clockWith(0), kLayerAttacker);
    EXPECT_TRUE(same(board, 185, 390, 22, 24, door, 22, 84)) << "lamp dark";
    EXPECT_TRUE(same(board, 224, 392, 32, 20, door, 44, 84)) << "V part dark";
    EXPECT_TRUE(same(board, 278, 391, 16, 22, digits, 0, 2 * 22)) << "round 12 shows 2";

    m.vHit = 1;
    redrawLayers(m, clockWith(0), kLayerAttacker);
    EXPECT_TRUE(same(board, 224, 392, 32, 20, door, 44, 104)) << "V hit, dark";
    redrawLayers(m, clockWith(1), kLayerAttacker);
    EXPECT_TRUE(same(board, 224, 392, 32, 20, door, 76, 104)) << "V hit, lit";
    EXPECT_FALSE(same(door, 76, 84, 32, 20, door, 76, 104)) << "a hit V looks different";
}

TEST_F(No2Screen, HeldStartsPayoutSignAndFrameLamps)
{
    const Picture& held = artPicture(601);
    Picture& board = boardPicture();
    for (int count : {0, 1, 2, 3, 4, 7, -1}) {
        m.heldStarts = count;
        redrawLayers(m, clockWith(0), kLayerHeldStarts);
        for (int i = 0; i < 4; i++) {
            int row = i == 0 ? 0 : i == 3 ? 2 : 1;
            EXPECT_TRUE(same(board, 197 + 22 * i, 160, 20, 18, held, i < count ? 20 : 0, 18 * row))
                << count << " lamp " << i;
        }
    }
    EXPECT_FALSE(same(held, 0, 0, 20, 54, held, 20, 0));
    m.payoutToggle = 1;
    m.feverKind = 3;
    m.mode = 3;
    redrawLayers(m, clockWith(1), kLayerPayoutLamp | kLayerSign | kLayerFrameLamps);
    EXPECT_TRUE(same(board, 4, 38, 48, 30, artPicture(522), 0, 30));
    EXPECT_TRUE(same(board, 386, 4, 90, 30, artPicture(524), 0, 90));
    EXPECT_TRUE(same(board, 94, 0, 76, 34, artPicture(521), 76, 0));
}

TEST_F(No2Screen, BallsOnTheBoardAndOnTheStageAreDrawnHiddenOnesAreNot)
{
    Picture empty;
    ASSERT_TRUE(createSurface(480, 432, &empty));
    copyPicture(empty, 0, 0, 480, 432, compose(clockWith(0)), 0, 0);
    // a stage ball (state 5) hidden at (0, 0) draws nothing
    m.ballSlot[0].state = 5;
    setBallPosition(m.ballSlot[0], 0, 0);
    EXPECT_TRUE(same(compose(clockWith(0)), 0, 0, 480, 432, empty, 0, 0));
    // shown on the stage it is drawn like any ball, over the stage
    setBallPosition(m.ballSlot[0], 55, 71);
    Picture& v = compose(clockWith(0));
    EXPECT_TRUE(spriteShows(v, 4 * 55 - 2, 4 * 71 - 4, 12, 12, artSprite(520), 0, 0));
    EXPECT_TRUE(same(v, 0, 0, 480, 270, empty, 0, 0));
    // a ball in flight, and one on the door
    m.ballSlot[1].state = 2;
    setBallPosition(m.ballSlot[1], 20, 30);
    m.ballSlot[2].state = 3;
    setBallPosition(m.ballSlot[2], 60, 101);
    compose(clockWith(0));
    EXPECT_TRUE(spriteShows(v, 78, 116, 12, 12, artSprite(520), 0, 0));
    EXPECT_TRUE(spriteShows(v, 238, 400, 12, 12, artSprite(520), 0, 0));
    freePicture(&empty);
}

TEST_F(No2Screen, WindmillsTurnByTheirValuesAndTheUpperOnesLightInAFever)
{
    const Sprite& mills = artSprite(523);
    const int values[4] = {20, -20, 0, 7};
    for (int k = 0; k < 4; k++)
        m.spinner[k] = values[k];
    for (int mode : {2, 3})
        for (int blink = 0; blink < 2; blink++) {
            m.mode = mode;
            Picture& v = compose(clockWith(blink));
            int lit = mode == 3 && blink ? 36 : 0;
            for (int k = 0; k < 4; k++) {
                int row = (k < 2 ? 0 : 108) + 36 * windmillFrame(values[k]);
                EXPECT_TRUE(spriteShows(v, kWindmillAt[k][0], kWindmillAt[k][1], 36, 36, mills, k < 2 ? lit : 0, row))
                    << "windmill " << k << " mode " << mode << " blink " << blink;
            }
        }
    EXPECT_FALSE(same(mills.image, 0, 0, 36, 36, mills.image, 36, 0)) << "lit and unlit upper windmills differ";
    EXPECT_FALSE(same(mills.image, 0, 0, 36, 36, mills.image, 0, 36)) << "the frames differ";
}

TEST_F(No2Screen, DrawingTicksServeSoundRedrawOnTheClockAndPresent)
{
    soundAvailable = 1;
    soundOn = 0;
    m.mode = 2;
    m.soundRequest = 702;
    m.dirty = kLayerPayoutLamp;
    int presents = nullPresentCount[2];

    animClock.halfPhase = 16; // not a drawing tick: nothing happens
    modelPlayTick(m);
    EXPECT_EQ(m.soundRequest, 702);
    EXPECT_EQ(m.dirty, kLayerPayoutLamp);
    EXPECT_EQ(nullPresentCount[2], presents);

    animClock.halfPhase = 0;
    animClock.count256 = 0;
    animClock.blink256 = 1;
    Picture& board = boardPicture();
    fillRect(board, 6, 300, 20, 20, 0); // inside a lower side piece
    modelPlayTick(m);
    EXPECT_EQ(m.soundRequest, 0) << "cleared with sound off too";
    EXPECT_EQ(m.dirty, 0);
    EXPECT_EQ(nullPresentCount[2], presents + 1);
    EXPECT_TRUE(same(board, 6, 300, 20, 20, artPicture(603), kLowerSideSpinX, 137 + 45))
        << "the clock redrew the side decorations, lit for a spin";

    // the repaint redraws every layer and the moving parts as they stand
    m.mode = 3;
    m.attackerOpen = 1;
    modelPlayPaint(m);
    EXPECT_TRUE(same(board, 182, 388, 20, 2, artPicture(605), 0, 42)) << "the open door";
    EXPECT_EQ(nullPresentCount[2], presents + 2);
}

TEST_F(No2Screen, WildWordsDrawWithoutReadingOutsideAPicture)
{
    // Every blit clips, so nothing is read outside a picture whatever the
    // rules choose; here the screen runs over records full of extremes and
    // must draw the same frame twice (nothing of its own changes).
    const int32_t extremes[] = {INT_MIN, -10000, -1, 0, 1, 17, 529, INT_MAX};
    for (int32_t v : extremes) {
        int32_t* w = reinterpret_cast<int32_t*>(&m);
        for (size_t k = 0; k < sizeof m / 4; k++)
            w[k] = v;
        MachineState before = m;
        compose(clockWith(1));
        compose(clockWith(0));
        EXPECT_EQ(std::memcmp(&before, &m, sizeof m), 0) << v << ": the screen writes no word of its own";
    }
}

// --- still states written for looking at (NO2_SCREENSHOTS=<dir>) ---

TEST_F(No2Screen, StillStatesForLooking)
{
    const char* dir = std::getenv("NO2_SCREENSHOTS");
    if (!dir)
        GTEST_SKIP() << "set NO2_SCREENSHOTS to a folder to write the pictures";
    auto shoot = [&](const char* name, const AnimClock& c) {
        writeBmp(compose(c), std::string(dir) + "/play-" + name + ".bmp");
    };
    for (int k = 0; k < 4; k++)
        m.spinner[k] = k;
    m.mode = 1;
    m.reelPos[0] = 24 * 3;
    m.reelPos[1] = 24 * 7 + 6;
    m.reelPos[2] = 24 * 12;
    shoot("idle", clockWith(0, 1));

    m.mode = 2;
    m.spinPhase = 1;
    m.heldStarts = 3;
    m.reachLine = 3;
    m.reachSymbol = 7;
    m.reelPos[0] = 24 * 7;  // 7 in the middle row
    m.reelPos[1] = 24 * 5 + 10;
    m.reelPos[2] = 24 * 7;
    m.ballSlot[0].state = 5;
    setBallPosition(m.ballSlot[0], 62, 71);
    m.ballSlot[1].state = 2;
    setBallPosition(m.ballSlot[1], 24, 33);
    shoot("reach-middle", clockWith(1));
    m.reachLine = 6;
    shoot("reach-diagonals", clockWith(1));

    m.spinPhase = 0;
    shoot("spin", clockWith(1));

    m.mode = 3;
    m.round = 0;
    m.feverKind = 3;
    m.modeTick = 30;
    m.reelPos[1] = 24 * 7;
    shoot("fanfare", clockWith(1));

    m.round = 7;
    m.modeTick = 96;
    m.attackerOpen = 1;
    m.vHit = 1;
    m.heldStarts = 1;
    m.ballSlot[2].state = 3;
    setBallPosition(m.ballSlot[2], 52, 101);
    shoot("door-open-v-lit", clockWith(1));
    shoot("door-open-v-dark", clockWith(0));
    m.vHit = 0;
    m.modeTick = 104;
    shoot("door-open", clockWith(0));
}

} // namespace
