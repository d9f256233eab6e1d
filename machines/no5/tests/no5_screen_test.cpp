// Machine No.5's play screen: the rules that choose what is drawn, checked
// on the rule functions, and the composed board and view checked on their
// pixels, built from the committed artwork.
//
// NO5_SCREENSHOTS=<dir> also writes still states of the view as 8-bit BMPs
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
#include "no5_art_layout.h"
#include "no5_screen.h"
#include "null/sys_null.h"

using namespace no5screen;
using namespace no5art;

namespace {

MachineState blank()
{
    MachineState m;
    std::memset(&m, 0, sizeof m);
    return m;
}

struct Blinks {
    int b64 = 0, b128 = 0, b256 = 0, b1024 = 0;
};

AnimClock clockOf(Blinks b, int count128 = 5, int count256 = 5)
{
    AnimClock c = {};
    c.blink64 = b.b64;
    c.blink128 = b.b128;
    c.blink256 = b.b256;
    c.blink1024 = b.b1024;
    c.count64 = 3;
    c.count128 = count128;
    c.count256 = count256;
    return c;
}

std::string groupsText(int bits)
{
    std::string s;
    for (int g = 0; g < 5; g++)
        if (bits & (1 << g))
            s += "L" + std::to_string(g + 1);
    return s.empty() ? "-" : s;
}

// ---------------------------------------------------------------- the pictures

TEST(No5Pictures, TheProgramLoadsItsDocumentedPlainPicturesAndSprites)
{
    // Qm4105's machine pictures: plain 601, 603..607, 609, 610; sprites 602, 608.
    const int plain[] = {601, 603, 604, 605, 606, 607, 609, 610}, sprites[] = {602, 608};
    std::vector<int> gotPlain, gotSprites;
    for (int i = 0; i < modelPictureCount(); i++)
        (modelPicture(i).sprite ? gotSprites : gotPlain).push_back(modelPicture(i).id);
    EXPECT_EQ(gotPlain, std::vector<int>(std::begin(plain), std::end(plain)));
    EXPECT_EQ(gotSprites, std::vector<int>(std::begin(sprites), std::end(sprites)));
    // the sizes the screen's table gives
    const int sizes[][3] = {{601, 8, 16},   {605, 92, 96},   {606, 72, 756}, {607, 324, 800},
                            {608, 216, 480}, {609, 34, 123}, {610, 34, 256}, {603, 96, 229}};
    for (auto& s : sizes) {
        int w = 0, h = 0;
        EXPECT_TRUE(pictureSize(s[0], &w, &h)) << s[0];
        EXPECT_EQ(w, s[1]) << s[0];
        EXPECT_EQ(h, s[2]) << s[0];
    }
}

// ---------------------------------------------------------------- the composed board's rules

TEST(No5ScreenRules, DecorativeLampGroupsByStateAndBlink)
{
    struct Case {
        int mode, phase, round, t, vHit;
        const char* slowOn;  // blink256 on, blink128 off
        const char* quickOn; // blink128 on, blink256 off
    };
    const Case cases[] = {
        // dark: idle, idle after play, the settle, and words no play produces
        {0, 0, 0, 0, 0, "-", "-"},
        {1, 0, 0, 0, 0, "-", "-"},
        {2, 4, 0, 0, 0, "-", "-"},
        {2, 7, 0, 0, 0, "-", "-"},
        {9, 0, 0, 0, 0, "-", "-"},
        // the reels running: L1 on the slow blink, L2 and L5 against it
        {2, 0, 0, 0, 0, "L1", "L2L5"},
        // the performances, the fanfare, a round's first steps, the V: L1-L3 against L4, L5 on the quick blink
        {2, 1, 0, 0, 0, "L4L5", "L1L2L3"},
        {2, 2, 0, 0, 0, "L4L5", "L1L2L3"},
        {2, 3, 0, 0, 0, "L4L5", "L1L2L3"},
        {3, 0, 0, 500, 0, "L4L5", "L1L2L3"},
        {3, 0, 7, 63, 0, "L4L5", "L1L2L3"},
        {3, 0, 16, 10, 0, "L4L5", "L1L2L3"},
        {3, 0, 7, 300, 1, "L4L5", "L1L2L3"},
        {3, 0, 7, 300, 31, "L4L5", "L1L2L3"},
        // the rest of a big prize: L1 and L3 against L2, L4, L5 on the slow blink
        {3, 0, 7, 64, 0, "L1L3", "L2L4L5"},
        {3, 0, 7, 300, 32, "L1L3", "L2L4L5"},
        {3, 0, 17, 10, 0, "L1L3", "L2L4L5"},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode, m.spinPhase = c.phase, m.round = c.round, m.modeTick = c.t, m.vHit = c.vHit;
        Blinks slow, quick;
        slow.b256 = 1;
        quick.b128 = 1;
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " phase " << c.phase << " round " << c.round << " t "
                                        << c.t << " vHit " << c.vHit);
        EXPECT_EQ(groupsText(litLampGroups(m, clockOf(slow))), c.slowOn);
        EXPECT_EQ(groupsText(litLampGroups(m, clockOf(quick))), c.quickOn);
    }
}

TEST(No5ScreenRules, FrameLampsFlashInABigPrizeAndInTheChanceState)
{
    Blinks on, off;
    on.b256 = 1;
    MachineState m = blank();
    m.mode = 3;
    EXPECT_TRUE(frameLampsLit(m, clockOf(on)));
    EXPECT_FALSE(frameLampsLit(m, clockOf(off)));
    m.mode = 1;
    EXPECT_FALSE(frameLampsLit(m, clockOf(on)));
    m.chanceCount = 1; // the chance state lights them outside the big prize
    EXPECT_TRUE(frameLampsLit(m, clockOf(on)));
    m.mode = 2;
    EXPECT_TRUE(frameLampsLit(m, clockOf(on)));
    EXPECT_FALSE(frameLampsLit(m, clockOf(off)));
}

TEST(No5ScreenRules, TheClockAsksForTheLampsAndTheFlashingFrame)
{
    MachineState m = blank();
    clockRedraws(m, clockOf({}, 0, 5));
    EXPECT_EQ(m.dirty, kLayerLamps);
    m.dirty = 0;
    clockRedraws(m, clockOf({}, 5, 0)); // idle, no chance: the frame lamps stay
    EXPECT_EQ(m.dirty, 0);
    m.chanceCount = 2;
    clockRedraws(m, clockOf({}, 5, 0));
    EXPECT_EQ(m.dirty, kLayerFrameLamps);
    m.dirty = 0;
    m.chanceCount = 0;
    m.mode = 3;
    clockRedraws(m, clockOf({}, 0, 0));
    EXPECT_EQ(m.dirty, kLayerFrameLamps | kLayerLamps);
}

TEST(No5ScreenRules, AttackerFrameAndItsDigitOnlyWhileOpen)
{
    Blinks quickOn, quickOff;
    quickOn.b128 = 1;
    MachineState m = blank();
    m.attackerCount = 4;
    m.vHit = 40;
    EXPECT_EQ(attackerFrame(m, clockOf(quickOff)), kAttackerClosed);
    EXPECT_EQ(attackerDigit(m), -1) << "no digit on a shut door";
    m.attackerOpen = 1;
    m.vHit = 0;
    EXPECT_EQ(attackerFrame(m, clockOf(quickOff)), kAttackerOpen);
    EXPECT_EQ(attackerDigit(m), 4);
    // the V just taken blinks with the quick blink, then stays lit
    for (int v : {1, 31}) {
        m.vHit = v;
        EXPECT_EQ(attackerFrame(m, clockOf(quickOff)), kAttackerVLit) << v;
        EXPECT_EQ(attackerFrame(m, clockOf(quickOn)), kAttackerOpen) << v;
    }
    for (int v : {32, 33, 1000}) {
        m.vHit = v;
        EXPECT_EQ(attackerFrame(m, clockOf(quickOn)), kAttackerVLit) << v;
        EXPECT_EQ(attackerFrame(m, clockOf(quickOff)), kAttackerVLit) << v;
    }
    // the tenth ball is counted before the door shuts: the digit wraps
    const int counts[][2] = {{9, 9}, {10, 0}, {13, 3}, {-1, 9}, {INT_MIN, 2}, {INT_MAX, 7}};
    for (auto& c : counts) {
        m.attackerCount = c[0];
        EXPECT_EQ(attackerDigit(m), c[1]) << c[0];
    }
}

TEST(No5ScreenRules, LampsAndDigitsHoldWildWordsToTheirPictures)
{
    MachineState m = blank();
    const int held[][2] = {{-5, 0}, {0, 0}, {3, 3}, {4, 4}, {9, 4}};
    for (auto& h : held) {
        m.heldStarts = h[0];
        EXPECT_EQ(heldLampsLit(m), h[1]) << h[0];
    }
    const int chance[][2] = {{-1, 0}, {0, 0}, {1, 1}, {2, 2}, {9, 2}}; // the catch-up can leave up to 9
    for (auto& c : chance) {
        m.chanceCount = c[0];
        EXPECT_EQ(chancePlateFrame(m), c[1]) << c[0];
    }
    const int gate[][2] = {{-1, 0}, {0, 0}, {1, 1}, {2, 2}, {5, 2}};
    for (auto& g : gate) {
        m.digitGate = g[0];
        EXPECT_EQ(gateImage(m), g[1]) << g[0];
    }
    const int starts[][2] = {{-2, 0}, {2, 2}, {4, 4}, {7, 4}};
    for (auto& s : starts) {
        m.digitStarts = s[0];
        EXPECT_EQ(startLampsImage(m), s[1]) << s[0];
    }
    const int digit[][2] = {{7, 7}, {13, 3}, {-1, 9}, {INT_MIN, 2}};
    for (auto& d : digit) {
        m.digitShown = d[0];
        EXPECT_EQ(shownDigit(m), d[1]) << d[0];
    }
}

TEST(No5ScreenRules, UpperSpinnersLightOnTheRightBlink)
{
    struct Case {
        int mode, phase, round, t, vHit;
        int by; // 0 never lit, 128 or 256 the blink they follow
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0},    {1, 0, 0, 0, 0, 0},      {2, 0, 0, 0, 0, 0},     {2, 4, 0, 0, 0, 0},
        {2, 1, 0, 0, 0, 128},  {2, 2, 0, 0, 0, 128},    {2, 3, 0, 0, 0, 128},
        {3, 0, 0, 500, 0, 128}, // the fanfare
        {3, 0, 5, 63, 0, 128}, // before the door opens
        {3, 0, 5, 64, 0, 256}, {3, 0, 5, 64, 31, 128}, {3, 0, 5, 64, 32, 256},
        {3, 0, 17, 3, 0, 256}, // the ending from its first step
        {3, 0, 17, 3, 9, 128},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode, m.spinPhase = c.phase, m.round = c.round, m.modeTick = c.t, m.vHit = c.vHit;
        Blinks quick, slow;
        quick.b128 = 1;
        slow.b256 = 1;
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " phase " << c.phase << " round " << c.round << " t "
                                        << c.t << " vHit " << c.vHit);
        EXPECT_EQ(upperSpinnersLit(m, clockOf(quick)), c.by == 128);
        EXPECT_EQ(upperSpinnersLit(m, clockOf(slow)), c.by == 256);
        EXPECT_FALSE(upperSpinnersLit(m, clockOf({})));
    }
}

// ---------------------------------------------------------------- the display's rules

TEST(No5ScreenRules, ReelsHighlightedInTheChanceStateAndFlickerWhileTheRightReelRaces)
{
    MachineState m = blank();
    m.mode = 2;
    for (int r = 0; r < 3; r++)
        EXPECT_EQ(reelColumnX(m, r), kReelNormalX);
    m.chanceCount = 1;
    for (int r = 0; r < 3; r++)
        EXPECT_EQ(reelColumnX(m, r), kReelHighlightX);
    for (int chance : {0, 2})
        for (int phase : {2, 3}) {
            m.chanceCount = chance;
            m.spinPhase = phase;
            m.reelTravel[2] = 500;
            int usual = chance ? kReelHighlightX : kReelNormalX, other = chance ? kReelNormalX : kReelHighlightX;
            m.modeTick = 10;
            EXPECT_EQ(reelColumnX(m, 0), usual) << phase;
            m.modeTick = 11; // odd steps swap the columns of all three reels
            for (int r = 0; r < 3; r++)
                EXPECT_EQ(reelColumnX(m, r), other) << phase << " reel " << r;
            m.reelTravel[2] = -1; // stood: no more flicker
            EXPECT_EQ(reelColumnX(m, 0), usual) << phase;
        }
    m.spinPhase = 1; // the creep does not flicker
    m.reelTravel[2] = 500;
    m.modeTick = 11;
    EXPECT_EQ(reelColumnX(m, 1), kReelHighlightX);
}

TEST(No5ScreenRules, ReelSourceRowsStayOnTheStrip)
{
    const int cases[][2] = {{42, 23}, {294, 275}, {671, 652}, {630, 611}, {0, 611}, {41, 652}, {-1, 610}, {672, 23}};
    for (auto& c : cases)
        EXPECT_EQ(reelSourceY(c[0]), c[1]) << c[0];
    for (int32_t p : {INT_MIN, INT_MIN + 1, -630, -43, 629, 1 << 20, INT_MAX}) {
        int y = reelSourceY(p);
        EXPECT_GE(y, 0) << p;
        EXPECT_LE(y + kCellH, kStripRows) << p;
    }
}

TEST(No5ScreenRules, DisplaySceneByModeRoundStepAndV)
{
    struct Case {
        int mode, round, t, vHit;
        DisplayScene want;
    };
    const Case cases[] = {
        {0, 0, 100, 0, kShowAttract},     {1, 0, 0, 0, kShowReels},          {2, 0, 5, 0, kShowReels},
        {3, 0, 50, 0, kShowFanfare},      {3, 17, 0, 0, kShowEnding},        {3, 1, 1, 0, kShowReels},
        {3, 9, 63, 0, kShowReels},        {3, 9, 64, 0, kShowRoundBackdrop}, {3, 9, 400, 1, kShowV},
        {3, 9, 400, 31, kShowV},          {3, 9, 400, 32, kShowRoundBackdrop}, {3, 18, 400, 0, kShowReels},
        {3, -1, 400, 0, kShowReels},      {7, 0, 0, 0, kShowReels},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode, m.round = c.round, m.modeTick = c.t, m.vHit = c.vHit;
        EXPECT_EQ(displayScene(m), c.want) << c.mode << " " << c.round << " " << c.t << " " << c.vHit;
    }
}

// The draws of a plan as text: "id:sx,sy wxh@x,y", sprites marked with *.
std::string planText(const DisplayPlan& p)
{
    std::string s;
    for (int i = 0; i < p.count; i++) {
        const Draw& d = p.items[i];
        char b[80];
        std::snprintf(b, sizeof b, "%s%d%s:%d,%d %dx%d@%d,%d", i ? " " : "", d.id, d.sprite ? "*" : "", d.sx, d.sy,
                      d.w, d.h, d.x, d.y);
        s += b;
    }
    return s;
}

std::string plan(const MachineState& m, Blinks b = {}) { return planText(displayPlan(m, clockOf(b))); }

TEST(No5ScreenRules, AttractFanfareVAndEndingPictures)
{
    MachineState m = blank();
    Blinks b;
    b.b256 = 1;
    EXPECT_EQ(plan(m, b), "607:0,0 108x80@186,184");
    EXPECT_EQ(plan(m), "607:108,0 108x80@186,184");
    m.mode = 3;
    EXPECT_EQ(plan(m), "607:0,80 108x80@186,184") << "fanfare";
    b = {};
    b.b64 = 1;
    EXPECT_EQ(plan(m, b), "607:108,80 108x80@186,184");
    m.round = 4;
    m.modeTick = 200;
    m.vHit = 12;
    EXPECT_EQ(plan(m, b), "607:108,160 108x80@186,184") << "the V";
    EXPECT_EQ(plan(m), "607:0,160 108x80@186,184");
    m.round = 17;
    const int ending[][2] = {{0, 0}, {1, 108}, {2, 216}, {9, 216}, {-4, 0}};
    for (auto& e : ending) {
        m.chanceCount = e[0];
        EXPECT_EQ(plan(m), "607:" + std::to_string(e[1]) + ",720 108x80@186,184") << e[0];
    }
}

TEST(No5ScreenRules, RoundBackdropWithItsNumberAndTheWinningSymbol)
{
    MachineState m = blank();
    m.mode = 3;
    m.modeTick = 100;
    m.reelPos[0] = 42 * 7 + 630; // an 8, stored at the strip's far side
    for (int round = 1; round <= 16; round++) {
        m.round = round;
        bool fast = round >= 10 && round <= 12; // rounds 10..12 blink on blink256, the others on blink1024
        Blinks slowOnly, quickOnly;
        slowOnly.b1024 = 1;
        quickOnly.b256 = 1;
        int row = 240 + 80 * ((round - 1) / 3);
        std::string rest = " 610:14," + std::to_string(16 * (round - 1)) + " 20x16@194,193 606:0,294 36x42@186,222";
        EXPECT_EQ(plan(m, slowOnly), "607:" + std::string(fast ? "0," : "108,") + std::to_string(row) + " 108x80@186,184" + rest)
            << round;
        EXPECT_EQ(plan(m, quickOnly), "607:" + std::string(fast ? "108," : "0,") + std::to_string(row) + " 108x80@186,184" + rest)
            << round;
    }
    m.round = 3;
    m.chanceCount = 2; // the symbol in the chance state's colours
    EXPECT_EQ(plan(m), "607:0,240 108x80@186,184 610:14,32 20x16@194,193 606:36,294 36x42@186,222");
}

TEST(No5ScreenRules, ReelsUnderTheirGlass)
{
    MachineState m = blank();
    m.mode = 2;
    m.reelPos[0] = 42, m.reelPos[1] = 300, m.reelPos[2] = 671;
    EXPECT_EQ(plan(m), "606:0,23 36x80@186,184 606:0,281 36x80@222,184 606:0,652 36x80@258,184 "
                       "602*:0,0 108x80@186,184");
    m.mode = 3; // a round's first steps: the reels with the winning line lit on the quick blink
    m.round = 2;
    Blinks quick;
    quick.b128 = 1;
    EXPECT_EQ(plan(m, quick), "606:0,23 36x80@186,184 606:0,281 36x80@222,184 606:0,652 36x80@258,184 "
                              "602*:0,80 108x80@186,184");
    m.mode = 1;
    m.spinPhase = 1; // a reach lights the pay line on the quickest blink
    Blinks quickest;
    quickest.b64 = 1;
    EXPECT_NE(plan(m, quickest).find("602*:0,80"), std::string::npos);
    EXPECT_NE(plan(m).find("602*:0,0"), std::string::npos);
}

// The part of a plan after the reels and the glass.
std::string overlay(const MachineState& m, Blinks b = {})
{
    DisplayPlan p = displayPlan(m, clockOf(b));
    DisplayPlan rest = {};
    for (int i = 4; i < p.count; i++)
        rest.items[rest.count++] = p.items[i];
    return planText(rest);
}

TEST(No5ScreenRules, TheCreepShowsTheChanceOverlayOnAChanceSymbolOnly)
{
    MachineState m = blank();
    m.mode = 2;
    m.spinPhase = 1;
    for (int s = 1; s <= 15; s++) {
        m.reachSymbol = s;
        bool chance = s == 4 || s == 8 || s == 11 || s == 13 || s == 15;
        EXPECT_EQ(overlay(m), chance ? "608*:0,0 108x80@186,184" : "") << s;
    }
    m.reachSymbol = 99;
    EXPECT_EQ(overlay(m), "");
}

TEST(No5ScreenRules, TheFastSpinsFigureDropsInAndSlashesThenTheStopIsTold)
{
    MachineState m = blank();
    m.mode = 2;
    m.spinPhase = 2;
    m.reelTravel[2] = 3000;
    struct Case {
        int t;
        const char* want;
    };
    const Case racing[] = {
        {0, ""}, // still above the window
        {1, "608*:0,156 54x4@186,184"},
        {10, "608*:0,120 54x40@186,184"},
        {19, "608*:0,84 54x76@186,184"},
        {20, "608*:54,80 54x80@186,184"}, // landed
        {23, "608*:54,80 54x80@186,184"},
        {24, "608*:108,80 54x80@186,184"}, // slashing, every 4 steps
        {28, "608*:162,80 54x80@186,184"},
        {32, "608*:108,80 54x80@186,184"},
        {-7, ""},
    };
    for (const Case& c : racing) {
        m.modeTick = c.t;
        EXPECT_EQ(overlay(m), c.want) << "t " << c.t;
    }
    m.reelTravel[2] = 43;
    m.modeTick = 200;
    EXPECT_EQ(overlay(m), "608*:108,80 54x80@186,184") << "still racing";
    m.reelTravel[2] = 42; // near the stop
    EXPECT_EQ(overlay(m), "608*:0,160 108x80@186,184");
    for (int outcome : {2, 3}) {
        m.drawOutcome = outcome;
        m.reelTravel[2] = -1; // stood
        m.modeTick = 64;
        EXPECT_EQ(overlay(m), "608*:0,160 108x80@186,184") << outcome;
        m.modeTick = 65;
        EXPECT_EQ(overlay(m), outcome == 2 ? "608*:108,160 108x80@186,184" : "") << outcome;
    }
}

TEST(No5ScreenRules, TheRevivalsFigureWalksInWaitsAndTellsALoss)
{
    MachineState m = blank();
    m.mode = 2;
    m.spinPhase = 3;
    m.reelTravel[2] = 600; // slowing to the first stop
    struct Case {
        int t;
        const char* want;
    };
    const Case walking[] = {
        {0, "608*:96,240 12x80@186,184"}, // walking in from the left, image 54
        {4, "608*:38,240 16x80@186,184"},                    // image 0, x 148
        {40, "608*:56,240 52x80@186,184"},                   // x 184
        {47, "608*:0,240 54x80@188,184"},                    // x 188, image 0 (t / 4 odd)
        {48, "608*:162,240 54x80@186,184"},                  // standing, waiting
        {52, "608*:108,240 54x80@186,184"},
    };
    for (const Case& c : walking) {
        m.modeTick = c.t;
        EXPECT_EQ(overlay(m), c.want) << "t " << c.t;
    }
    m.reelTravel[2] = -1; // the first stop, off the symbol
    const Case stood[] = {
        {0, "608*:0,320 54x80@186,184"},
        {23, "608*:0,320 54x80@186,184"},
        {24, "608*:162,320 54x80@192,184"}, // walking on
        {28, "608*:108,320 54x80@196,184"},
        {63, "608*:108,320 54x80@228,184"},
    };
    for (const Case& c : stood) {
        m.modeTick = c.t;
        EXPECT_EQ(overlay(m), c.want) << "t " << c.t;
    }
    m.creepRest = -1; // the revival spin
    m.reelTravel[2] = 900;
    m.modeTick = 10;
    EXPECT_EQ(overlay(m), "608*:54,320 54x80@226,184");
    m.reelTravel[2] = -1;
    m.modeTick = 63;
    EXPECT_EQ(overlay(m), "608*:54,320 54x80@226,184") << "waits for the result";
    m.drawOutcome = 4;
    m.modeTick = 64;
    EXPECT_EQ(overlay(m), "608*:0,400 108x80@186,184");
    m.modeTick = 68;
    EXPECT_EQ(overlay(m), "608*:108,400 108x80@186,184");
    m.modeTick = 72;
    EXPECT_EQ(overlay(m), "608*:0,400 108x80@186,184");
    m.drawOutcome = 5;
    EXPECT_EQ(overlay(m), "") << "a win shows the reels alone";
}

// Every draw of a plan lies inside its picture and inside the display window.
void expectInside(const DisplayPlan& p, const std::string& what)
{
    ASSERT_LE(p.count, kMostDisplayDraws);
    for (int i = 0; i < p.count; i++) {
        const Draw& d = p.items[i];
        int w = 0, h = 0;
        ASSERT_TRUE(pictureSize(d.id, &w, &h)) << what << " draws from " << d.id;
        EXPECT_TRUE(d.w > 0 && d.h > 0 && d.sx >= 0 && d.sy >= 0 && d.sx + d.w <= w && d.sy + d.h <= h)
            << what << ": " << planText(p);
        EXPECT_TRUE(d.x >= kDisplay.x && d.y >= kDisplay.y && d.x + d.w <= kDisplay.x + kDisplay.w &&
                    d.y + d.h <= kDisplay.y + kDisplay.h)
            << what << ": " << planText(p);
    }
}

const int kWild[] = {INT_MIN, -10000, -64, -1, 0, 1, 2, 3, 4, 5, 9, 15, 16, 17, 31, 32, 42, 63, 64, 65, 629, 630,
                     5040, INT_MAX};

TEST(No5ScreenRules, NoWordReadsOutsideAPicture)
{
    // Every word the screen reads, one at a time and all together, at every
    // value of the list, in every mode and phase.
    for (int mode : {0, 1, 2, 3, -1, 4})
        for (int phase = -1; phase <= 5; phase++)
            for (int w : kWild) {
                MachineState m = blank();
                m.mode = mode;
                m.spinPhase = phase;
                int32_t* words[] = {&m.round,        &m.modeTick,    &m.vHit,         &m.chanceCount,
                                    &m.reachSymbol,  &m.drawOutcome, &m.creepRest,    &m.reelTravel[2],
                                    &m.reelPos[0],   &m.reelPos[1],  &m.reelPos[2],   &m.attackerCount};
                for (int32_t* word : words) {
                    *word = w;
                    for (int b = 0; b < 16; b++) {
                        Blinks k;
                        k.b64 = b & 1, k.b128 = (b >> 1) & 1, k.b256 = (b >> 2) & 1, k.b1024 = (b >> 3) & 1;
                        expectInside(displayPlan(m, clockOf(k)),
                                     "mode " + std::to_string(mode) + " phase " + std::to_string(phase) + " word " +
                                         std::to_string(w));
                    }
                }
                EXPECT_GE(attackerDigit(m), -1);
                EXPECT_LE(attackerDigit(m), 9);
            }
}

// ---------------------------------------------------------------- the composed surfaces

class No5Screen : public PlayScreenTest {
protected:
    void SetUp() override
    {
        PlayScreenTest::SetUp();
        m = blank();
        m.mode = 1;
        soundOn = soundAvailable = 0;
        ASSERT_TRUE(createSurface(480, 432, &reference));
    }
    void TearDown() override
    {
        freePicture(&reference);
        PlayScreenTest::TearDown();
    }

    // The view of `m` as a drawing tick builds it, without the tick's own
    // clock requests.
    Picture& compose(const AnimClock& c)
    {
        redrawLayers(m, c, kAllLayers);
        copyPicture(sceneSurface, 0, 0, 480, 432, boardPicture(), 0, 0);
        composeMovingParts(m, c, sceneSurface, true);
        return sceneSurface;
    }

    Picture reference = {};
};

TEST_F(No5Screen, LayersPutEveryLampInItsStateOnTheBoard)
{
    Picture& board = boardPicture();
    m.heldStarts = 3;
    m.payoutToggle = 1;
    m.feverKind = 3;
    m.chanceCount = 1;
    m.mode = 2; // the reels running: L1 on the slow blink
    Blinks slow;
    slow.b256 = 1;
    redrawLayers(m, clockOf(slow), kAllLayers);
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(same(board, kHeldLampAt[i].x, kHeldLampAt[i].y, 8, 8, artPicture(601), 0, i < 3 ? 8 : 0)) << i;
    EXPECT_TRUE(same(board, 4, 38, 48, 30, artPicture(522), 0, 30));
    EXPECT_TRUE(same(board, 386, 4, 90, 30, artPicture(524), 0, 90));
    EXPECT_TRUE(same(board, 94, 0, 76, 34, artPicture(521), 76, 0)) << "frame lamps lit in the chance state";
    EXPECT_TRUE(same(board, kChancePlateAt.x, kChancePlateAt.y, 108, 20, artPicture(604), 0, 20));
    for (int g = 0; g < kLampGroupCount; g++) {
        const LampGroup& l = kLampGroups[g];
        bool lit = g == 0;
        Point left = lit ? l.leftLit : l.leftUnlit, right = lit ? l.rightLit : l.rightUnlit;
        EXPECT_TRUE(same(board, l.left.x, l.left.y, l.w, l.h, artPicture(603), left.x, left.y)) << "L" << g + 1;
        EXPECT_TRUE(same(board, l.right.x, l.right.y, l.w, l.h, artPicture(603), right.x, right.y)) << "L" << g + 1;
    }
    // lit and unlit pieces really differ
    for (const LampGroup& l : kLampGroups)
        EXPECT_FALSE(same(artPicture(603), l.leftLit.x, l.leftLit.y, l.w, l.h, artPicture(603), l.leftUnlit.x,
                          l.leftUnlit.y));
}

TEST_F(No5Screen, TheLampLayerRedrawsTheHeldStartLampsAfterTheDecorativeOnes)
{
    Picture& board = boardPicture();
    m.heldStarts = 2;
    fillRect(board, 215, 165, 50, 20, 0);
    redrawLayers(m, clockOf({}), kLayerLamps);
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(same(board, kHeldLampAt[i].x, kHeldLampAt[i].y, 8, 8, artPicture(601), 0, i < 2 ? 8 : 0)) << i;
}

TEST_F(No5Screen, TheAttackerShowsItsCountOnlyWhileOpen)
{
    Picture& board = boardPicture();
    const Picture& door = artPicture(605);
    m.attackerCount = 7;
    redrawLayers(m, clockOf({}), kLayerAttacker);
    EXPECT_TRUE(same(board, kAttackerAt.x, kAttackerAt.y, 92, 32, door, 0, 0)) << "shut, no digit";
    m.attackerOpen = 1;
    redrawLayers(m, clockOf({}), kLayerAttacker);
    EXPECT_TRUE(same(board, kAttackerDigitAt.x, kAttackerDigitAt.y, 14, 21, artPicture(610), 0, 21 * 7));
    EXPECT_TRUE(same(board, kAttackerAt.x + 30, kAttackerAt.y, 62, 32, door, 30, 32)) << "open";
    m.vHit = 32;
    m.attackerCount = 10;
    redrawLayers(m, clockOf({}), kLayerAttacker);
    EXPECT_TRUE(same(board, kAttackerAt.x + 30, kAttackerAt.y, 62, 32, door, 30, 64)) << "the V lit";
    EXPECT_TRUE(same(board, kAttackerDigitAt.x, kAttackerDigitAt.y, 14, 21, artPicture(610), 0, 0)) << "the tenth ball";
    m.attackerOpen = 0;
    m.attackerCount = 0;
    redrawLayers(m, clockOf({}), kLayerAttacker);
    EXPECT_TRUE(same(board, kAttackerAt.x, kAttackerAt.y, 92, 32, door, 0, 0)) << "the digit goes as the door shuts";
}

TEST_F(No5Screen, TheViewDrawsThePlanTheDigitLotteryAndTheSpinners)
{
    m.mode = 2;
    m.spinPhase = 2;
    m.reelTravel[2] = 2000;
    m.modeTick = 30;
    m.reelPos[0] = 100, m.reelPos[1] = 200, m.reelPos[2] = 300;
    m.digitGate = 1;
    m.digitStarts = 3;
    m.digitShown = 7;
    for (int k = 0; k < 6; k++)
        m.spinner[k] = k - 2;
    Blinks quick;
    quick.b128 = 1;
    AnimClock c = clockOf(quick);
    Picture& v = compose(c);

    // the same built by hand from the plan and the places
    copyPicture(reference, 0, 0, 480, 432, boardPicture(), 0, 0);
    DisplayPlan p = displayPlan(m, c);
    ASSERT_EQ(p.count, 5);
    for (int i = 0; i < p.count; i++) {
        const Draw& d = p.items[i];
        if (d.sprite)
            drawSprite(reference, d.x, d.y, d.w, d.h, d.sx, d.sy, artSprite(d.id));
        else
            copyPicture(reference, d.x, d.y, d.w, d.h, artPicture(d.id), d.sx, d.sy);
    }
    EXPECT_TRUE(same(v, 186, 184, 108, 80, reference, 186, 184)) << "the display";
    EXPECT_TRUE(same(v, 230, 416, 34, 16, artPicture(609), 0, 16)) << "the open gate";
    EXPECT_TRUE(same(v, 223, 144, 10, 15, artPicture(609), 0, 48 + 3 * 15)) << "three start lamps";
    EXPECT_TRUE(same(v, 233, 141, 14, 21, artPicture(610), 0, 7 * 21)) << "the digit";
    for (int k = 0; k < 6; k++) {
        bool upper = k < 2;
        drawWindmill(reference, kSpinnerAt[k].x, kSpinnerAt[k].y, upper ? kSpinnerLitX : kSpinnerUnlitX,
                     upper ? kUpperSpinnerRow : kLowerSpinnerRow, m.spinner[k]);
        EXPECT_TRUE(same(v, kSpinnerAt[k].x, kSpinnerAt[k].y, 36, 36, reference, kSpinnerAt[k].x, kSpinnerAt[k].y))
            << "spinner " << k;
    }
    // unlit upper spinners come from the other column
    compose(clockOf({}));
    EXPECT_FALSE(same(v, kSpinnerAt[0].x, kSpinnerAt[0].y, 36, 36, reference, kSpinnerAt[0].x, kSpinnerAt[0].y));
}

TEST_F(No5Screen, BallsPassBehindTheTwoPassages)
{
    Picture& v = compose(clockOf({}));
    copyPicture(reference, 0, 0, 480, 432, v, 0, 0);
    setBallPosition(m.ballSlot[0], 39, 80); // under the left passage
    setBallPosition(m.ballSlot[1], 79, 80); // under the right one
    setBallPosition(m.ballSlot[2], 30, 30); // in the open
    compose(clockOf({}));
    for (const Piece& c : kBallCovers)
        EXPECT_TRUE(same(v, c.x, c.y, c.w, c.h, boardPicture(), c.x, c.y)) << c.x;
    EXPECT_FALSE(same(v, 118, 116, 12, 12, reference, 118, 116)) << "the ball in the open shows";
    EXPECT_TRUE(same(v, 0, 340, 480, 92, reference, 0, 340)) << "nothing else changed";
}

TEST_F(No5Screen, DrawingTicksServeSoundClearTheRedrawBitsAndPresent)
{
    m.soundRequest = 702;
    m.dirty = kLayerPayoutLamp;
    int presents = nullPresentCount[2];
    animClock.halfPhase = 16; // not a drawing tick
    modelPlayTick(m);
    EXPECT_EQ(m.soundRequest, 702);
    EXPECT_EQ(m.dirty, kLayerPayoutLamp);
    EXPECT_EQ(nullPresentCount[2], presents);
    animClock.halfPhase = 0;
    modelPlayTick(m);
    EXPECT_EQ(m.soundRequest, 0) << "cleared with the sound off too";
    EXPECT_EQ(m.dirty, 0);
    EXPECT_EQ(nullPresentCount[2], presents + 1);
    modelPlayPaint(m);
    EXPECT_EQ(nullPresentCount[2], presents + 2);
}

TEST_F(No5Screen, WildWordsComposeWithoutReadingOutside)
{
    // the composition itself with the words a damaged file may hold (the
    // sanitizer build checks every read)
    for (int w : kWild) {
        m = blank();
        m.mode = 3;
        m.round = w, m.modeTick = w, m.vHit = w, m.chanceCount = w, m.attackerOpen = w, m.attackerCount = w;
        m.heldStarts = w, m.feverKind = w, m.digitGate = w, m.digitStarts = w, m.digitShown = w;
        for (int r = 0; r < 3; r++)
            m.reelPos[r] = w, m.reelTravel[r] = w;
        for (int32_t& s : m.spinner)
            s = w;
        compose(clockOf({}));
        m.mode = 2;
        m.spinPhase = w;
        m.creepRest = w;
        compose(clockOf({}));
    }
}

// ---------------------------------------------------------------- still states for looking at

TEST_F(No5Screen, StillStatesForLooking)
{
    const char* dir = std::getenv("NO5_SCREENSHOTS");
    if (!dir)
        GTEST_SKIP() << "set NO5_SCREENSHOTS to a folder to write the pictures";
    auto shoot = [&](const char* name, Blinks b) {
        writeBmp(compose(clockOf(b)), std::string(dir) + "/play-" + name + ".bmp");
    };
    const int balls[][2] = {{16, 20}, {30, 30}, {59, 101}, {90, 60}, {45, 84}};
    for (int i = 0; i < 5; i++)
        setBallPosition(m.ballSlot[i], balls[i][0], balls[i][1]);
    for (int k = 0; k < 6; k++)
        m.spinner[k] = k;
    Blinks none, all;
    all.b64 = all.b128 = all.b256 = all.b1024 = 1;
    Blinks quick = none;
    quick.b128 = 1;

    m.mode = 0;
    m.digitShown = 5;
    shoot("attract", all);
    m.mode = 2;
    m.heldStarts = 3;
    m.digitStarts = 2;
    m.reelPos[0] = 42 * 7 + 10, m.reelPos[1] = 42 * 2 + 30, m.reelPos[2] = 42 * 11;
    m.reelTravel[0] = m.reelTravel[1] = m.reelTravel[2] = 800;
    shoot("running", all);
    m.reelPos[0] = m.reelPos[1] = 42 * 7; // a reach of 8s
    m.reelTravel[0] = m.reelTravel[1] = 0;
    m.spinPhase = 1;
    m.reachSymbol = 8;
    shoot("creep-chance", quick);
    m.reachSymbol = 6;
    m.reelPos[0] = m.reelPos[1] = 42 * 9;
    shoot("creep", none);
    m.reelPos[0] = m.reelPos[1] = 42 * 7;
    m.reachSymbol = 8;
    m.spinPhase = 2;
    m.reelTravel[2] = 3000;
    m.modeTick = 10;
    shoot("fast-drop", quick);
    m.modeTick = 29;
    shoot("fast-slash", none);
    m.reelTravel[2] = 30;
    shoot("fast-near-stop", quick);
    m.reelTravel[2] = -1;
    m.modeTick = 80;
    m.drawOutcome = 2;
    m.reelPos[2] = 42 * 6;
    shoot("fast-lost", none);
    m.spinPhase = 3;
    m.drawOutcome = 5;
    m.reelTravel[2] = 400;
    m.modeTick = 30;
    shoot("revival-walk", quick);
    m.reelTravel[2] = -1;
    m.modeTick = 10;
    shoot("revival-stand", none);
    m.modeTick = 50;
    shoot("revival-walk-on", none);
    m.creepRest = -1;
    m.reelTravel[2] = 500;
    m.modeTick = 20;
    shoot("revival-spin", quick);
    m.reelTravel[2] = -1;
    m.modeTick = 70;
    m.drawOutcome = 4;
    shoot("revival-lost", none);
    m.drawOutcome = 5;
    m.reelPos[2] = 42 * 7;
    shoot("revival-won", none);

    m = blank();
    for (int i = 0; i < 5; i++)
        setBallPosition(m.ballSlot[i], balls[i][0], balls[i][1]);
    m.mode = 1;
    m.chanceCount = 2;
    m.reelPos[0] = 42 * 3, m.reelPos[1] = 42 * 9, m.reelPos[2] = 42 * 12;
    m.digitTick = 200;
    m.digitGate = 1;
    m.digitShown = 7;
    m.digitStarts = 4;
    shoot("chance-gate-open", all);
    m.mode = 3;
    m.feverKind = 2;
    shoot("fanfare", all);
    m.round = 4;
    m.modeTick = 200;
    m.attackerOpen = 1;
    m.attackerCount = 6;
    m.reelPos[0] = 42 * 7;
    shoot("round", quick);
    m.vHit = 12;
    shoot("v", none);
    m.vHit = 40;
    m.round = 11;
    shoot("round-11", all);
    m.round = 16;
    shoot("round-16", none);
    m.round = 17;
    m.attackerOpen = 0;
    m.vHit = 0;
    m.chanceCount = 0;
    shoot("ending", none);
    m.chanceCount = 2;
    shoot("ending-chance", none);
}

} // namespace
