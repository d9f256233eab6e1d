// Machine No.1's play screen: the rules that choose what is drawn, checked
// on the rule functions (lamps by mode, phase and blink; the display
// window's content and timing in every mode; marks, covers, the
// character's walks and the frames of every picture), and their ranges for
// any word a damaged record may hold.
#include <climits>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "no1_art_layout.h"
#include "no1_screen.h"

using namespace no1screen;

namespace {

MachineState blank()
{
    MachineState m;
    std::memset(&m, 0, sizeof m);
    return m;
}

AnimClock clockWith(int blink64, int blink128, int blink256, int count256 = 16)
{
    AnimClock c = {};
    c.blink64 = blink64;
    c.blink128 = blink128;
    c.blink256 = blink256;
    c.count256 = count256;
    return c;
}

std::string lampsText(const DecorLamps& d)
{
    std::string s;
    if (d.reel)
        s += "R";
    if (d.side)
        s += "S";
    if (d.pocket)
        s += "P";
    if (d.corner)
        s += "C";
    return s.empty() ? "-" : s;
}

const int kWild[] = {INT_MIN, INT_MIN + 1, -1000000, -337, -336, -5, -1, 0, 1, 3, 4, 335, 336, 337, 479, 480,
                     1000000, INT_MAX - 1, INT_MAX};

} // namespace

TEST(No1ScreenRules, DecorativeLampsFollowTheReelsAndTheSlowBlink)
{
    struct Case {
        const char* what;
        int mode, phase, middleTravel, blink256;
        const char* want;
    };
    const Case cases[] = {
        {"idle", 0, 0, 0, 1, "-"},
        {"idle after play", 1, 0, 0, 1, "-"},
        // a plain run: busy, not performing, only the reel lamps on the blink
        {"run, blink on", 2, 0, 300, 1, "R"},
        {"run, blink off", 2, 0, 300, 0, "-"},
        // reach and actions: performing, the lamps alternate
        {"reach turn, on", 2, 1, 100, 1, "RP"},
        {"reach turn, off", 2, 1, 100, 0, "SC"},
        {"stop-and-go, on", 2, 3, 6, 1, "RP"},
        // the middle reel stopped (a bounce, the settle): all dark
        {"bounce", 2, 2, -2, 1, "-"},
        {"settle", 2, 4, 50, 1, "-"},
        // the fever always performs
        {"fever, on", 3, 0, 0, 1, "RP"},
        {"fever, off", 3, 0, 0, 0, "SC"},
    };
    for (const Case& c : cases) {
        MachineState m = blank();
        m.mode = c.mode;
        m.spinPhase = c.phase;
        m.reelTravel[1] = c.middleTravel;
        EXPECT_EQ(lampsText(decorLamps(m, clockWith(0, 0, c.blink256))), c.want) << c.what;
    }
}

TEST(No1ScreenRules, FrameLampsHeldLampsAndTheCountDigit)
{
    MachineState m = blank();
    m.mode = 2;
    EXPECT_FALSE(frameLampsLit(m, clockWith(1, 1, 1)));
    m.mode = 3;
    EXPECT_TRUE(frameLampsLit(m, clockWith(0, 0, 1)));
    EXPECT_FALSE(frameLampsLit(m, clockWith(1, 1, 0)));

    const int held[][2] = {{0, 0}, {1, 1}, {4, 4}, {5, 4}, {INT_MAX, 4}, {-1, 0}, {INT_MIN, 0}};
    for (auto& h : held) {
        m.heldStarts = h[0];
        EXPECT_EQ(heldLampsLit(m), h[1]) << h[0];
    }

    // the digit shows the count in a fever (0 again on the tenth ball), the blank otherwise
    const int counts[][2] = {{0, 0}, {9, 9}, {10, 0}, {13, 3}, {-1, 9}, {INT_MIN, 2}, {INT_MAX, 7}};
    for (auto& c : counts) {
        m.mode = 3;
        m.attackerCount = c[0];
        EXPECT_EQ(countDigitFrame(m), c[1]) << c[0];
        m.mode = 1;
        EXPECT_EQ(countDigitFrame(m), no1art::kDigitBlank) << c[0];
    }
}

TEST(No1ScreenRules, TheClockRedrawsTheBlinkingLayersOnItsBeat)
{
    MachineState m = blank();
    const int want[4] = {kLayerDecorLamps, 0, kLayerDecorLamps, kLayerFrameLamps | kLayerDecorLamps};
    for (int mode = 0; mode < 4; mode++) {
        m.mode = mode;
        EXPECT_EQ(clockRedrawBits(m, clockWith(0, 0, 0, 0)), want[mode]) << mode;
        EXPECT_EQ(clockRedrawBits(m, clockWith(0, 0, 0, 32)), 0) << mode;
    }
}

TEST(No1ScreenRules, WindowContentByModeRoundStepAndV)
{
    struct Case {
        int mode, round, modeTick, vHit;
        WindowContent want;
    };
    const Case cases[] = {
        {0, 0, 0, 0, kShowAttract},     {0, 0, 479, 0, kShowAttract},  {1, 0, 10, 0, kShowReels},
        {2, 0, 10, 0, kShowReels},      {3, 0, 0, 0, kShowFanfare},    {3, 0, 127, 0, kShowFanfare},
        {3, 17, 5, 0, kShowEnding},     {3, 17, 255, 3, kShowEnding},  {3, 1, 0, 0, kShowReels},
        {3, 1, 63, 0, kShowReels},      {3, 1, 64, 0, kShowSkyRound},  {3, 2, 64, 0, kShowSkyRound},
        {3, 3, 64, 0, kShowWalkRound},  {3, 4, 900, 0, kShowWalkRound}, {3, 5, 64, 0, kShowSkyRound},
        {3, 8, 64, 0, kShowWalkRound},  {3, 13, 64, 0, kShowSkyRound}, {3, 14, 64, 0, kShowSkyRound},
        {3, 15, 64, 0, kShowWalkRound}, {3, 16, 64, 0, kShowWalkRound}, {3, 9, 64, 1, kShowV},
        {3, 9, 500, 63, kShowV},        {3, 9, 500, 64, kShowSkyRound}, {3, 9, 63, 5, kShowReels},
        // words no play produces: the reels, never a picture past the sheet
        {3, 18, 100, 0, kShowReels},    {3, -1, 100, 0, kShowReels},   {7, 0, 0, 0, kShowReels},
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

TEST(No1ScreenRules, ReelRowsWrapOntoTheStripForAnyPosition)
{
    // A position p shows strip rows p - 4 .. p + 75; the strip repeats every
    // 336 rows, so p 1..3 read the repeat instead of rows above the picture.
    EXPECT_EQ(reelSourceRow(4), 0);
    EXPECT_EQ(reelSourceRow(312), 308);
    EXPECT_EQ(reelSourceRow(336), 332);
    EXPECT_EQ(reelSourceRow(1), 333);
    EXPECT_EQ(reelSourceRow(3), 335);
    for (int p : kWild) {
        int r = reelSourceRow(p);
        EXPECT_TRUE(r >= 0 && r + 80 <= 480) << p;
    }
}

TEST(No1ScreenRules, SecondColourMarksAndCoversByPhase)
{
    MachineState m = blank();
    m.mode = 2;
    m.reelTravel[1] = 40;
    struct Case {
        int phase, blink128;
        bool second, marks, covers;
    };
    const Case cases[] = {
        {0, 0, false, false, false}, {1, 0, false, true, false}, {1, 1, false, false, false},
        {2, 1, true, false, false},  {2, 0, false, true, false}, {3, 0, false, true, true},
        {3, 1, false, false, true},  {4, 0, false, true, false},
    };
    for (const Case& c : cases) {
        m.spinPhase = c.phase;
        AnimClock clock = clockWith(0, c.blink128, 0);
        EXPECT_EQ(secondColourReels(m, clock), c.second) << c.phase << c.blink128;
        EXPECT_EQ(marksShown(m, clock), c.marks) << c.phase << c.blink128;
        EXPECT_EQ(coversShown(m), c.covers) << c.phase;
    }
    // once the middle reel stops, the action's looks end
    m.reelTravel[1] = 0;
    for (int phase = 0; phase < 5; phase++) {
        m.spinPhase = phase;
        EXPECT_FALSE(secondColourReels(m, clockWith(0, 1, 0)));
        EXPECT_FALSE(marksShown(m, clockWith(0, 0, 0)));
        EXPECT_FALSE(coversShown(m));
    }
    // a fever marks its winning line on the blink's dark half
    m.mode = 3;
    EXPECT_TRUE(marksShown(m, clockWith(0, 0, 0)));
    EXPECT_FALSE(marksShown(m, clockWith(0, 1, 0)));
}

TEST(No1ScreenRules, MarksFrameTheCellsOfTheirLine)
{
    // Row of each reel on a line: 0 top, 1 middle, 2 bottom (line 6: both diagonals).
    const int rows[6][3] = {{0, 1, 2}, {0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {2, 1, 0}, {0, 1, 2}};
    for (int line = 1; line <= 6; line++) {
        Place marks[6];
        int n = lineMarks(line, marks);
        ASSERT_EQ(n, line == 6 ? 5 : 3) << line;
        for (int reel = 0; reel < 3; reel++) {
            Place want = {186 + 36 * reel, 180 + 24 * rows[line - 1][reel]};
            bool found = false;
            for (int i = 0; i < n; i++)
                found = found || (marks[i].x == want.x && marks[i].y == want.y);
            EXPECT_TRUE(found) << "line " << line << " reel " << reel;
        }
        for (int i = 0; i < n; i++) // every mark inside the window
            EXPECT_TRUE(marks[i].x >= 186 && marks[i].x + 36 <= 294 && marks[i].y >= 180 && marks[i].y + 32 <= 260);
    }
    Place marks[6];
    for (int wild : {0, 7, -1, INT_MIN, INT_MAX})
        EXPECT_EQ(lineMarks(wild, marks), 0) << wild;
}

TEST(No1ScreenRules, CoversDarkenExactlyTheCellsOffTheReachLine)
{
    // On the left and right reel, the line's cell with its 4-pixel margins
    // (the band a mark frames) stays clear; every other row of the window
    // is covered, and nothing is covered on the middle reel.
    const int leftRow[6] = {0, 0, 1, 2, 2, 0}, rightRow[6] = {2, 0, 1, 2, 0, 2};
    for (int line = 1; line <= 5; line++) {
        Rect covers[4];
        int n = lineCovers(line, covers);
        ASSERT_EQ(n, 4) << line;
        for (int reel : {0, 2}) {
            int row = reel == 0 ? leftRow[line - 1] : rightRow[line - 1];
            int clearFrom = 180 + 24 * row, clearTo = clearFrom + 32;
            int covered[80] = {};
            for (int i = 0; i < n; i++) {
                if (covers[i].x != 186 + 36 * reel)
                    continue;
                EXPECT_EQ(covers[i].w, 36);
                for (int y = covers[i].y; y < covers[i].y + covers[i].h; y++)
                    if (y >= 180 && y < 260)
                        covered[y - 180]++;
            }
            for (int y = 180; y < 260; y++) {
                bool clear = y >= clearFrom && y < clearTo;
                EXPECT_EQ(covered[y - 180], clear ? 0 : 1) << "line " << line << " reel " << reel << " y " << y;
            }
        }
        for (int i = 0; i < n; i++)
            EXPECT_NE(covers[i].x, 222) << "the middle reel is never covered";
    }
    // both diagonals: only the middle row, thin
    Rect covers[4];
    ASSERT_EQ(lineCovers(6, covers), 2);
    for (int i = 0; i < 2; i++) {
        EXPECT_EQ(covers[i].y, 212);
        EXPECT_EQ(covers[i].h, 16);
    }
    for (int wild : {0, 7, INT_MIN})
        EXPECT_EQ(lineCovers(wild, covers), 0);
}

TEST(No1ScreenRules, AttractSequenceTiming)
{
    // the window rolls from the reels to the picture, stands, rolls back
    const int rows[][2] = {{0, 180}, {1, 182}, {39, 258}, {40, 260}, {300, 260}, {439, 260}, {440, 260},
                           {441, 258}, {479, 182}, {-50, 180}, {INT_MIN, 180}, {5000, 182}, {INT_MAX, 182}};
    for (auto& r : rows)
        EXPECT_EQ(attractWindowRow(r[0]), r[1]) << r[0];

    AnimClock still = clockWith(0, 0, 0), blink = clockWith(1, 0, 0);
    EXPECT_FALSE(attractCharacter(39, still).shown);
    EXPECT_FALSE(attractCharacter(232, still).shown);
    struct Run {
        int t, x, frame;
    };
    const Run runs[] = {{40, 316, no1art::kPoseRunLeft},  {87, 132, no1art::kPoseRunLeft},
                        {88, 116, no1art::kPoseRunRight}, {135, 300, no1art::kPoseRunRight},
                        {136, 316, no1art::kPoseRunLeft}, {184, 116, no1art::kPoseRunRight},
                        {231, 300, no1art::kPoseRunRight}};
    for (const Run& r : runs) {
        CharacterAt c = attractCharacter(r.t, still);
        EXPECT_TRUE(c.shown) << r.t;
        EXPECT_EQ(c.x, r.x) << r.t;
        EXPECT_EQ(c.y, 284) << r.t;
        EXPECT_EQ(c.frame, r.frame) << r.t;
        EXPECT_EQ(attractCharacter(r.t, blink).frame, r.frame + 52) << r.t;
    }
    // every run starts and ends out of the window, so Orbi never pops up in it
    for (int t = 40; t < 232; t++) {
        CharacterAt c = attractCharacter(t, still);
        CharacterAt next = attractCharacter(t + 1, still);
        bool turn = !next.shown || next.frame != c.frame;
        if (t == 40 || turn) {
            EXPECT_TRUE(c.x + 48 <= 186 || c.x >= 294) << t;
        }
    }

    EXPECT_EQ(attractWords(239), kAttractNoWords);
    EXPECT_EQ(attractWords(240), kAttractTitle);
    EXPECT_EQ(attractWords(339), kAttractTitle);
    EXPECT_EQ(attractWords(340), kAttractMessages);
    EXPECT_EQ(attractWords(479), kAttractMessages);
    const int rise[][2] = {{240, 80}, {241, 78}, {260, 40}, {279, 2}, {280, 0}, {339, 0}};
    for (auto& r : rise)
        EXPECT_EQ(titleRise(r[0]), r[1]) << r[0];
}

TEST(No1ScreenRules, TheSkyRoundsScrollSeamlessly)
{
    // the panorama moves one pixel a step to the right, the stars two
    for (int t = 0; t < 1000; t++) {
        int x = panoramaX(t), next = panoramaX(t + 1);
        EXPECT_TRUE(x >= 0 && x + 108 <= 324) << t;
        EXPECT_TRUE(next == x - 1 || (x == 0 && next == 215)) << t;
        int s = starBandX(t), sNext = starBandX(t + 1);
        EXPECT_TRUE(s >= 0 && s + 108 <= 324 && s % 2 == 0) << t;
        EXPECT_TRUE(sNext == s - 2 || (s == 0 && sNext == 214)) << t;
    }
    EXPECT_EQ(panoramaX(64), (960 - 64) % 216);
    for (int t : kWild) {
        EXPECT_TRUE(panoramaX(t) >= 0 && panoramaX(t) < 216) << t;
        EXPECT_TRUE(starBandX(t) >= 0 && starBandX(t) <= 214) << t;
    }

    MachineState m = blank();
    m.round = 1;
    CharacterAt c = standingCharacter(m, clockWith(0, 0, 1));
    EXPECT_EQ(c.x, 242);
    EXPECT_EQ(c.y, 204);
    EXPECT_EQ(c.frame, no1art::kPoseStand + 52);
    m.round = 13;
    EXPECT_EQ(standingCharacter(m, clockWith(0, 0, 0)).frame, no1art::kPoseCheer);
}

TEST(No1ScreenRules, OrbiWalksToAndFroInTheWalkingRounds)
{
    MachineState m = blank();
    m.round = 3;
    struct Walk {
        int t, offset, frame;
    };
    const Walk walks[] = {{0, 56, no1art::kPoseStand},    {63, 56, no1art::kPoseStand},
                          {64, 56, no1art::kPoseWalkLeft}, {72, 50, no1art::kPoseWalkLeft},
                          {127, 14, no1art::kPoseWalkLeft}, {128, 8, no1art::kPoseStand},
                          {191, 8, no1art::kPoseStand},    {192, 8, no1art::kPoseWalkRight},
                          {255, 50, no1art::kPoseWalkRight}, {256, 56, no1art::kPoseStand}};
    for (const Walk& w : walks) {
        m.modeTick = w.t;
        CharacterAt c = walkingCharacter(m, clockWith(0, 0, 0));
        EXPECT_EQ(c.x, 186 + w.offset) << w.t;
        EXPECT_EQ(c.y, 204) << w.t;
        EXPECT_EQ(c.frame, w.frame) << w.t;
        EXPECT_EQ(walkingCharacter(m, clockWith(0, 0, 1)).frame, w.frame + 52) << w.t;
    }
    m.round = 16;
    m.modeTick = 0;
    EXPECT_EQ(walkingCharacter(m, clockWith(0, 0, 0)).frame, no1art::kPoseCheer) << "the last round cheers";
    // always inside the window, whatever the step
    for (int t : kWild) {
        m.modeTick = t;
        CharacterAt c = walkingCharacter(m, clockWith(0, 0, 0));
        EXPECT_TRUE(c.x >= 186 && c.x + 48 <= 294) << t;
    }
}

TEST(No1ScreenRules, EveryRoundFindsItsBackdropAndNumber)
{
    struct Case {
        int round, x, y;
    };
    const Case cases[] = {{3, 0, 240},   {4, 0, 240},    {7, 108, 240}, {8, 108, 240}, {11, 216, 240},
                          {12, 216, 240}, {15, 0, 320},  {16, 108, 320}, {13, 108, 320}, {14, 108, 320}};
    for (const Case& c : cases) {
        Place p = walkBackdrop(c.round);
        EXPECT_EQ(p.x, c.x) << c.round;
        EXPECT_EQ(p.y, c.y) << c.round;
    }
    for (int r = 1; r <= 16; r++)
        EXPECT_EQ(roundNumberRow(r), 30 * (r - 1));
    for (int r : kWild) {
        int row = roundNumberRow(r);
        EXPECT_TRUE(row >= 0 && row + 30 <= 480) << r;
        Place p = walkBackdrop(r);
        EXPECT_TRUE(p.x >= 0 && p.x + 108 <= 324 && p.y >= 0 && p.y + 80 <= 400) << r;
    }
}

TEST(No1ScreenRules, FeverPicturesAlternate)
{
    EXPECT_EQ(fanfarePicture(10).y, 160);
    EXPECT_EQ(fanfarePicture(11).y, 80);
    EXPECT_EQ(fanfarePicture(-3).y, 80);
    EXPECT_EQ(fanfarePicture(10).x, 108);
    EXPECT_EQ(endingPicture(clockWith(0, 0, 1)).y, 80);
    EXPECT_EQ(endingPicture(clockWith(0, 0, 0)).y, 160);
    EXPECT_EQ(endingPicture(clockWith(0, 0, 0)).x, 216);
    EXPECT_EQ(vPicture(1).y, 80);
    EXPECT_EQ(vPicture(2).y, 160);
    EXPECT_EQ(vPicture(63).y, 80);
    EXPECT_EQ(vPicture(1).x, 0);
}
