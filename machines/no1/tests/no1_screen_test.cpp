// Machine No.1's play screen on the pixels of the composed surfaces built
// from the committed artwork: the static layers, the reels and what lies
// over them, the attract roll, the round scenes, the drawing tick's
// bookkeeping, the windmills and balls, and words no play produces.
//
// NO1_SCREENSHOTS=<dir> also writes still states of the view as 8-bit BMPs
// (play-*.bmp) for looking at.
#include <climits>
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
#include "machines/five_line/five_line.h"
#include "no1_art_layout.h"
#include "no1_screen.h"
#include "null/sys_null.h"
#include "screen_fixture.h"

using namespace no1screen;
using namespace no1art;

namespace {

MachineState blank()
{
    MachineState m;
    std::memset(&m, 0, sizeof m);
    for (int32_t& p : m.reelPos)
        p = 312;
    return m;
}

AnimClock clockWith(int blink64, int blink128, int blink256)
{
    AnimClock c = {};
    c.blink64 = blink64;
    c.blink128 = blink128;
    c.blink256 = blink256;
    c.count256 = 16;
    c.count512 = 16;
    return c;
}

class No1Screen : public PlayScreenTest {
protected:
    void SetUp() override
    {
        PlayScreenTest::SetUp();
        m = blank();
        m.mode = 1;
        soundOn = 0;
    }

    // Whether the view shows sprite `id`'s w x h at (sx, sy) over `under`
    // (its opaque pixels, and `under` where it is transparent).
    static bool spriteOver(const Picture& view, int x, int y, int w, int h, int id, int sx, int sy,
                           const Picture& under, int ux, int uy)
    {
        const Sprite& s = artSprite(id);
        for (int r = 0; r < h; r++)
            for (int c = 0; c < w; c++) {
                bool clear = pixelRow(s.mask, sy + r)[sx + c] != 0;
                int want = clear ? pixelRow(under, uy + r)[ux + c] : pixelRow(s.image, sy + r)[sx + c];
                if (at(view, x + c, y + r) != want)
                    return false;
            }
        return true;
    }

    // The view as a drawing tick builds it, without the tick's own clock requests.
    Picture& compose(const AnimClock& c, bool counting = true)
    {
        redrawLayers(m, c, kAllLayers);
        copyPicture(sceneSurface, 0, 0, 480, 432, boardPicture(), 0, 0);
        composeMovingParts(m, c, sceneSurface, counting);
        return sceneSurface;
    }

    // A copy of a surface, to compare with later.
    struct Copy {
        Picture p = {};
        explicit Copy(const Picture& from)
        {
            createSurface(from.width, from.height, &p);
            copyPicture(p, 0, 0, from.width, from.height, from, 0, 0);
        }
        ~Copy() { freePicture(&p); }
    };
};

// ---------------------------------------------------------------- static layers

TEST_F(No1Screen, StaticLayersShowTheStateTheyFollow)
{
    Picture& board = boardPicture();
    m.mode = 3;
    m.heldStarts = 3;
    m.payoutToggle = 1;
    m.feverKind = 2;
    m.attackerOpen = 1;
    m.attackerCount = 7;
    redrawLayers(m, clockWith(0, 0, 1), kAllLayers);
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(same(board, 205 + 18 * i, 165, 16, 10, artPicture(601), i < 3 ? 16 : 0, 0)) << i;
    EXPECT_TRUE(same(board, 4, 38, 48, 30, artPicture(522), 0, 30));
    EXPECT_TRUE(same(board, 386, 4, 90, 30, artPicture(524), 0, 60));
    EXPECT_TRUE(same(board, 182, 360, 116, 40, artPicture(606), 0, 40)) << "open attacker";
    EXPECT_TRUE(same(board, 233, 402, 15, 21, artPicture(612), 0, 7 * 21));
    EXPECT_TRUE(same(board, 94, 0, 76, 34, artPicture(521), 76, 0)) << "frame lamps lit";
    // the fever performs: lamps 602 and 604 lit on the blink's on half, 603 and 605 dark
    EXPECT_TRUE(same(board, 166, 173, 15, 30, artPicture(602), 15, 0));
    EXPECT_TRUE(same(board, 299, 173, 15, 30, artPicture(602), 15, 30));
    EXPECT_TRUE(same(board, 3, 177, 42, 132, artPicture(603), 0, 0));
    EXPECT_TRUE(same(board, 435, 177, 42, 132, artPicture(603), 0, 132));
    EXPECT_TRUE(same(board, 369, 327, 46, 62, artPicture(604), 46, 62));
    EXPECT_TRUE(same(board, 325, 371, 46, 58, artPicture(605), 0, 58));

    m.mode = 1;
    m.heldStarts = 0;
    m.payoutToggle = 0;
    m.attackerOpen = 0;
    redrawLayers(m, clockWith(0, 0, 1), kAllLayers);
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(same(board, 205 + 18 * i, 165, 16, 10, artPicture(601), 0, 0)) << i;
    EXPECT_TRUE(same(board, 4, 38, 48, 30, artPicture(522), 0, 0));
    EXPECT_TRUE(same(board, 182, 360, 116, 40, artPicture(606), 0, 0)) << "closed attacker";
    EXPECT_TRUE(same(board, 233, 402, 15, 21, artPicture(612), 0, 10 * 21)) << "blank outside a fever";
    EXPECT_TRUE(same(board, 94, 0, 76, 34, artPicture(521), 0, 0));
    EXPECT_TRUE(same(board, 166, 173, 15, 30, artPicture(602), 0, 0));
}

TEST_F(No1Screen, LitAndUnlitLampsDifferClearly)
{
    // every lamp piece's lit half differs from its unlit half in most of its pixels' brightness
    auto brightness = [](int index) {
        PaletteColour c = paletteColour(index);
        return c.red + c.green + c.blue;
    };
    struct Sheet {
        int id, w, h;
    };
    const Sheet sheets[] = {{601, 16, 10}, {602, 15, 30}, {603, 42, 132}, {604, 46, 62}, {605, 46, 58}};
    for (const Sheet& s : sheets) {
        const Picture& p = artPicture(s.id);
        for (int half = 0; half < (s.id == 601 ? 1 : 2); half++) {
            long unlit = 0, lit = 0;
            for (int y = 0; y < s.h; y++)
                for (int x = 0; x < s.w; x++) {
                    unlit += brightness(at(p, x, half * s.h + y));
                    lit += brightness(at(p, s.w + x, half * s.h + y));
                }
            EXPECT_GT(lit, unlit + unlit / 4) << s.id << " half " << half;
        }
    }
}

// ---------------------------------------------------------------- the reels

TEST_F(No1Screen, ReelsCutTheirStripsAtTheirPositions)
{
    m.mode = 2;
    m.reelPos[0] = 1;   // reads the strip's repeat, not above the picture
    m.reelPos[1] = 100;
    m.reelPos[2] = 336;
    Picture& v = compose(clockWith(0, 0, 0));
    for (int r = 0; r < 3; r++)
        EXPECT_TRUE(same(v, 186 + 36 * r, 180, 36, 80, artPicture(610), 36 * r, reelSourceRow(m.reelPos[r]))) << r;
    EXPECT_TRUE(same(v, 186, 180, 36, 80, artPicture(610), 0, 333));
    // the slow action's blink: the second colour on all three
    m.spinPhase = 2;
    m.reelTravel[1] = 48;
    compose(clockWith(0, 1, 0));
    for (int r = 0; r < 3; r++)
        EXPECT_TRUE(same(v, 186 + 36 * r, 180, 36, 80, artPicture(610), 108 + 36 * r, reelSourceRow(m.reelPos[r])))
            << r;
}

TEST_F(No1Screen, TheStripsRepeatEveryTurnAndHoldTheirSymbols)
{
    const Picture& strips = artPicture(610);
    for (int y = 0; y + 336 < 480; y++)
        ASSERT_EQ(std::memcmp(pixelRow(strips, y), pixelRow(strips, y + 336), 216), 0) << y;
    // cells of one symbol look alike on every reel and in both colours'
    // outlines; cells of different symbols differ
    auto cellsEqual = [&](int x0, int c0, int x1, int c1) { return same(strips, x0, 24 * c0, 36, 24, strips, x1, 24 * c1); };
    for (int reel = 0; reel < 3; reel++)
        for (int a = 0; a < 14; a++)
            for (int b = 0; b < 14; b++)
                EXPECT_EQ(cellsEqual(36 * reel, a, 36 * reel, b), kStripSymbols[reel][a] == kStripSymbols[reel][b])
                    << reel << " " << a << " " << b;
}

TEST(No1ArtLayout, TheStripsPictureShowsTheRulesStripsAndTheEnginesFrameLamps)
{
    // what the reels picture was drawn from is what the rules stop on
    ASSERT_EQ(kFiveLine.cells, kStripCells);
    for (int reel = 0; reel < 3; reel++)
        for (int cell = 0; cell < kStripCells; cell++)
            EXPECT_EQ(kStripSymbols[reel][cell], stripSymbol(reel, cell)) << reel << " " << cell;
    EXPECT_EQ(kFiveLine.turn, kStripTurn);
    // the art cuts the frame lamps where the engine's screen takes them
    for (int k = 0; k < 3; k++) {
        EXPECT_EQ(kFrameLampLeft[k].y, kFrameLampPieces[k].y);
        EXPECT_EQ(kFrameLampLeft[k].w, kFrameLampPieces[k].w);
        EXPECT_EQ(kFrameLampLeft[k].h, kFrameLampPieces[k].h);
    }
    EXPECT_EQ(kFrameLampLit, (int)kFrameLampLitX);
    EXPECT_EQ(kFrameLampRight, (int)kFrameLampRightY);
}

TEST_F(No1Screen, MarksFrameTheLineAndCoversDarkenTheRest)
{
    m.mode = 2;
    m.spinPhase = 3;
    m.reelTravel[1] = 60;
    m.reachLine = 1;
    MachineState action = m;
    m.spinPhase = 0; // the same reels with nothing over them
    Copy under(compose(clockWith(0, 0, 0)));
    m = action;
    Picture& v = compose(clockWith(0, 0, 0));
    Place marks[6];
    int n = lineMarks(1, marks);
    for (int i = 0; i < n; i++)
        EXPECT_TRUE(spriteOver(v, marks[i].x, marks[i].y, 36, 32, 608, kLineMark.x, kLineMark.y, under.p, marks[i].x,
                               marks[i].y))
            << i;
    // covers: left reel rows 212.. and right reel rows ..228 darkened, the line's cells left clear
    Rect covers[4];
    int c = lineCovers(1, covers);
    for (int i = 0; i < c; i++)
        EXPECT_FALSE(same(v, covers[i].x, covers[i].y, covers[i].w, covers[i].h, under.p, covers[i].x, covers[i].y)) << i;
    // on the blink's on half the marks go, the covers stay
    compose(clockWith(0, 1, 0));
    EXPECT_TRUE(same(v, 222, 180, 36, 80, under.p, 222, 180)) << "middle reel bare";
    EXPECT_TRUE(same(v, 186, 184, 36, 24, under.p, 186, 184)) << "the line's left cell clear";
    EXPECT_FALSE(same(v, 186, 212, 36, 24, under.p, 186, 212));
}

// ---------------------------------------------------------------- the attract roll

TEST_F(No1Screen, AttractRollsFromTheReelsToThePictureAndBack)
{
    m.mode = 2; // the reels as they stand
    Picture& v = compose(clockWith(0, 0, 0));
    Copy reels(v);
    m.mode = 0;
    m.modeTick = 0;
    compose(clockWith(0, 0, 0));
    EXPECT_TRUE(same(v, 186, 180, 108, 80, reels.p, 186, 180)) << "the sequence starts on the reels";
    m.modeTick = 20; // half rolled: the reels' lower half on top
    compose(clockWith(0, 0, 0));
    EXPECT_TRUE(same(v, 186, 180, 108, 40, reels.p, 186, 220));
    EXPECT_FALSE(same(v, 186, 220, 108, 40, reels.p, 186, 220));
    m.modeTick = 460; // rolling back down: the reels' lower half on top again
    compose(clockWith(0, 0, 0));
    EXPECT_TRUE(same(v, 186, 180, 108, 40, reels.p, 186, 220));
    // the sequence never draws outside the window
    for (int t : {0, 45, 100, 230, 260, 300, 400, 470}) {
        m.modeTick = t;
        compose(clockWith(t & 1, 0, t & 2));
        EXPECT_TRUE(same(v, 0, 0, 480, 180, reels.p, 0, 0)) << t;
        EXPECT_TRUE(same(v, 0, 260, 480, 172, reels.p, 0, 260)) << t;
        EXPECT_TRUE(same(v, 0, 180, 186, 80, reels.p, 0, 180)) << t;
        EXPECT_TRUE(same(v, 294, 180, 186, 80, reels.p, 294, 180)) << t;
    }
}

TEST_F(No1Screen, AttractPictureShowsTheRunnerThenTheTitle)
{
    m.mode = 0;
    m.modeTick = 160; // a = 60: running left at x 116 + 104 = 220
    Picture& v = compose(clockWith(0, 0, 0));
    Copy running(v);
    CharacterAt c = attractCharacter(160, clockWith(0, 0, 0));
    ASSERT_TRUE(c.shown);
    ASSERT_EQ(c.x, 220);
    // Orbi's helmet middle (opaque) shows in the window, where the picture is
    const Sprite& orbi = artSprite(609);
    int hx = 24, hy = 14;
    EXPECT_EQ(at(v, 220 + hx, 180 + 24 + hy), pixelRow(orbi.image, c.frame + hy)[hx]);
    // at 300 the title stands in place: its opaque pixels show
    m.modeTick = 300;
    compose(clockWith(0, 0, 0));
    const Sprite& o = artSprite(608);
    int opaque = 0, shown = 0;
    for (int y = 0; y < 80; y++)
        for (int x = 0; x < 108; x++)
            if (pixelRow(o.mask, y)[x] == 0) {
                opaque++;
                shown += at(v, 186 + x, 180 + y) == pixelRow(o.image, y)[x];
            }
    EXPECT_GT(opaque, 500);
    EXPECT_EQ(shown, opaque) << "the title overlay in place";
}

// ---------------------------------------------------------------- the fever

TEST_F(No1Screen, FeverPicturesByRoundStepAndV)
{
    const Picture& pics = artPicture(607);
    m.mode = 3;
    m.round = 17;
    m.modeTick = 100;
    Picture& v = compose(clockWith(0, 0, 1));
    EXPECT_TRUE(same(v, 186, 180, 108, 80, pics, 216, 80));
    compose(clockWith(0, 0, 0));
    EXPECT_TRUE(same(v, 186, 180, 108, 80, pics, 216, 160));

    m.round = 0;
    m.modeTick = 11; // odd step: the second fanfare picture under its words
    compose(clockWith(0, 0, 0));
    EXPECT_TRUE(spriteOver(v, 186, 180, 108, 80, 608, kFanfareFront.x, kFanfareFront.y, pics, 108, 80));

    m.round = 6;
    m.modeTick = 200;
    m.attackerOpen = 1;
    m.vHit = 7;
    compose(clockWith(0, 0, 0));
    EXPECT_TRUE(same(v, 186, 180, 108, 80, pics, 0, 80)) << "odd vHit: the first V frame";
    EXPECT_EQ(m.vHit, 8) << "a drawn V frame counts";
    compose(clockWith(0, 0, 0), false);
    EXPECT_TRUE(same(v, 186, 180, 108, 80, pics, 0, 160));
    EXPECT_EQ(m.vHit, 8) << "a repaint does not count";
}

TEST_F(No1Screen, SkyRoundScrollsThePanoramaUnderOrbiAndTheRoundNumber)
{
    m.mode = 3;
    m.round = 9;
    m.modeTick = 700;
    Picture& v = compose(clockWith(0, 0, 0));
    EXPECT_TRUE(same(v, 188, 182, 44, 30, artPicture(611), 0, 8 * 30)) << "round 9's number";
    // a column of the panorama left of Orbi where no star passes: the backdrop shows
    const Sprite& band = artSprite(608);
    int x0 = panoramaX(700), s0 = starBandX(700), checked = 0;
    for (int y = 212; y < 260; y++)
        for (int x = 186; x < 240; x++) {
            if (pixelRow(band.mask, kStarBandY + y - 180)[s0 + x - 186] == 0)
                continue; // a star in front
            ASSERT_EQ(at(v, x, y), at(artPicture(607), x0 + x - 186, y - 180)) << x << "," << y;
            checked++;
        }
    EXPECT_GT(checked, 2000);
}

TEST_F(No1Screen, WalkRoundShowsItsBackdropAndTheLastRoundItsOwn)
{
    m.mode = 3;
    m.modeTick = 64 + 8 * 8; // walking left
    for (int round : {4, 8, 12, 15, 16}) {
        m.round = round;
        Picture& v = compose(clockWith(0, 0, 0));
        Place b = walkBackdrop(round);
        EXPECT_TRUE(same(v, 240, 180, 54, 20, artPicture(607), b.x + 54, b.y)) << "the sky above Orbi, round " << round;
        EXPECT_TRUE(same(v, 188, 182, 44, 30, artPicture(611), 0, 30 * (round - 1))) << round;
    }
}

// ---------------------------------------------------------------- the tick

TEST_F(No1Screen, DrawingTicksClearTheirWordsAndPaintTheDirtyLayers)
{
    Picture& board = boardPicture();
    m.mode = 3;
    m.round = 2;
    m.modeTick = 100;
    m.attackerOpen = 1;
    m.vHit = 1;
    m.soundRequest = 702;
    m.dirty = kLayerAttacker;
    fillRect(board, 182, 360, 116, 40, 0);
    int presents = nullPresentCount[2];

    animClock.halfPhase = 16; // not a drawing tick: nothing happens
    modelPlayTick(m);
    EXPECT_EQ(m.vHit, 1);
    EXPECT_EQ(m.soundRequest, 702);
    EXPECT_EQ(m.dirty, kLayerAttacker);
    EXPECT_EQ(nullPresentCount[2], presents);

    animClock.halfPhase = 0;
    animClock.count256 = 16;
    modelPlayTick(m);
    EXPECT_EQ(m.vHit, 2);
    EXPECT_EQ(m.soundRequest, 0) << "cleared with sound off too";
    EXPECT_EQ(m.dirty, 0);
    EXPECT_EQ(nullPresentCount[2], presents + 1);
    EXPECT_TRUE(same(board, 182, 360, 116, 40, artPicture(606), 0, 40)) << "the dirty attacker redrawn";

    for (int i = 0; i < 100; i++)
        modelPlayTick(m);
    EXPECT_EQ(m.vHit, 64) << "the V runs 63 drawn frames";

    // a repaint redraws every layer
    fillRect(board, 0, 0, 480, 432, 0);
    m.heldStarts = 4;
    modelPlayPaint(m);
    EXPECT_TRUE(same(board, 259, 165, 16, 10, artPicture(601), 16, 0));
    EXPECT_TRUE(same(board, 386, 4, 90, 30, artPicture(524), 0, 0));
}

TEST_F(No1Screen, TheClockBlinksTheDecorativeLampsButNotInModeOne)
{
    Picture& board = boardPicture();
    animClock.halfPhase = 0;
    animClock.count256 = 0;
    animClock.blink256 = 1;
    m.mode = 2;
    m.spinPhase = 0;
    m.reelTravel[1] = 500;
    fillRect(board, 166, 173, 15, 30, 0);
    drawPlayFrame(m);
    EXPECT_TRUE(same(board, 166, 173, 15, 30, artPicture(602), 15, 0)) << "lit while the reels run";
    m.mode = 1;
    fillRect(board, 166, 173, 15, 30, 0);
    drawPlayFrame(m);
    EXPECT_EQ(at(board, 170, 180), 0) << "mode 1 leaves the lamps alone";
    animClock.count256 = 16;
    m.mode = 2;
    drawPlayFrame(m);
    EXPECT_EQ(at(board, 170, 180), 0) << "only on the clock's beat";
}

TEST_F(No1Screen, WindmillsAndBalls)
{
    const int places[4][2] = {{130, 108}, {314, 108}, {130, 236}, {314, 236}};
    const int spins[4] = {4, -4, 0, 20};
    for (int k = 0; k < 4; k++)
        m.spinner[k] = spins[k];
    Picture& v = compose(clockWith(0, 0, 0));
    Copy board(boardPicture());
    for (int k = 0; k < 4; k++) {
        int frame = windmillFrame(m.spinner[k]);
        EXPECT_TRUE(spriteOver(v, places[k][0], places[k][1], 36, 36, 523, 0, (k < 2 ? 0 : 108) + 36 * frame, board.p,
                               places[k][0], places[k][1]))
            << k;
    }
    Copy before(v);
    setBallPosition(m.ballSlot[0], 30, 40);
    setBallPosition(m.ballSlot[3], 0, 60); // x 0: no ball
    m.ballSlot[3].state = 3;
    compose(clockWith(0, 0, 0));
    EXPECT_FALSE(same(v, 118, 156, 12, 12, before.p, 118, 156));
    EXPECT_TRUE(same(v, 0, 170, 480, 262, before.p, 0, 170));
}

TEST_F(No1Screen, WildWordsDrawOnlyWholePiecesOfThePictures)
{
    // Every word at values no play produces: the screen draws, and what it
    // draws is a whole piece of a picture (never a clipped or shifted one).
    const int wild[] = {INT_MIN, -1000, -64, -1, 0, 1, 17, 63, 64, 1000, INT_MAX};
    Copy board(boardPicture());
    int n = 0;
    for (int a : wild)
        for (int b : wild) {
            m = blank();
            m.mode = (n++ % 5) == 4 ? a : n % 4;
            m.round = a;
            m.modeTick = b;
            m.vHit = b;
            m.reelPos[0] = a;
            m.reelPos[1] = b;
            m.reelPos[2] = a ^ b;
            m.reelTravel[1] = b;
            m.spinPhase = a;
            m.reachLine = b;
            m.heldStarts = a;
            m.attackerCount = b;
            m.feverKind = a;
            m.spinner[0] = a;
            m.spinner[3] = b;
            Picture& v = compose(clockWith(a & 1, b & 1, (a ^ b) & 1), false);
            if (windowContent(m) == kShowReels && !marksShown(m, clockWith(a & 1, b & 1, (a ^ b) & 1)) &&
                !coversShown(m)) {
                int column = secondColourReels(m, clockWith(a & 1, b & 1, (a ^ b) & 1)) ? 108 : 0;
                for (int r = 0; r < 3; r++)
                    ASSERT_TRUE(same(v, 186 + 36 * r, 180, 36, 80, artPicture(610), column + 36 * r,
                                     reelSourceRow(m.reelPos[r])))
                        << a << " " << b;
            }
            ASSERT_TRUE(same(v, 233, 402, 15, 21, artPicture(612), 0, 21 * countDigitFrame(m))) << a << " " << b;
            ASSERT_TRUE(same(v, 386, 4, 90, 30, artPicture(524), 0, 30 * (((a % 4) + 4) % 4))) << a;
        }
}

// ---------------------------------------------------------------- still states (NO1_SCREENSHOTS=<dir>)

TEST_F(No1Screen, StillStatesForLooking)
{
    const char* dir = std::getenv("NO1_SCREENSHOTS");
    if (!dir)
        GTEST_SKIP() << "set NO1_SCREENSHOTS to a folder to write the pictures";
    auto shoot = [&](const std::string& name, const AnimClock& c) {
        writeBmp(compose(c, false), std::string(dir) + "/play-" + name + ".bmp");
    };
    for (int k = 0; k < 4; k++)
        m.spinner[k] = k;
    m.reelPos[0] = 11 * 24;
    m.reelPos[1] = 3 * 24 + 10;
    m.reelPos[2] = 24;
    m.mode = 0;
    for (int t : {20, 100, 180, 260, 300, 360, 460}) {
        m.modeTick = t;
        shoot("attract-" + std::to_string(t), clockWith(t / 2 & 1, 0, t / 8 & 1));
    }
    m = blank();
    m.mode = 2;
    m.heldStarts = 2;
    m.reelPos[0] = 11 * 24;
    m.reelPos[1] = 3 * 24 + 10;
    m.reelPos[2] = 24;
    m.reelTravel[1] = 100;
    m.reachLine = 3;
    m.spinPhase = 1;
    shoot("reach", clockWith(0, 0, 1));
    m.spinPhase = 2;
    shoot("slow", clockWith(0, 0, 0));
    shoot("slow-blink", clockWith(0, 1, 1));
    m.spinPhase = 3;
    shoot("stopgo", clockWith(0, 0, 1));
    m.reachLine = 1;
    m.reelPos[2] = 72;
    shoot("stopgo-line1", clockWith(0, 1, 0));
    m = blank();
    m.mode = 3;
    m.feverKind = 3;
    m.modeTick = 10;
    shoot("fanfare", clockWith(0, 0, 1));
    m.round = 1;
    m.modeTick = 30;
    m.reachLine = 3;
    m.reelPos[0] = m.reelPos[1] = m.reelPos[2] = 24;
    shoot("round-start", clockWith(0, 0, 1));
    m.attackerOpen = 1;
    m.attackerCount = 4;
    m.modeTick = 300;
    shoot("sky-round", clockWith(0, 0, 1));
    m.round = 3;
    shoot("walk-round", clockWith(0, 0, 0));
    m.vHit = 9;
    shoot("v", clockWith(0, 0, 0));
    m.vHit = 0;
    m.round = 16;
    m.modeTick = 100;
    shoot("last-round", clockWith(0, 0, 1));
    m.round = 17;
    m.attackerOpen = 0;
    shoot("ending", clockWith(0, 0, 1));
}

} // namespace
