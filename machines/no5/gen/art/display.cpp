// Machine No.5's display pictures (607: attract, fanfare, the V, the six
// round backdrops, the endings) and its overlays (608: the chance reach, the
// figure of the fast spin and the revival, the near stop and the losses).
#include <cmath>

#include "no5_art.h"
#include "no5_art_layout.h"

using namespace no5art;

namespace {

const Ramp kGold = {col::brown, col::amber, col::yellow, col::cream, col::white};
const Ramp kFire = {col::maroon, col::red, col::orange, col::yellow, col::white};
const Ramp kSilver = {col::grey, col::silver, col::ice, col::white};
const Ramp kSakura = {col::crimson, col::pink, col::rose, col::white};

// A five-petalled cherry blossom.
void blossom(Canvas& c, double cx, double cy, double r, double turn)
{
    for (int k = 0; k < 5; k++) {
        double a = turn + k * 2 * M_PI / 5;
        c.disc(cx + r * 0.55 * std::cos(a), cy + r * 0.55 * std::sin(a), r * 0.5, col::rose);
        c.disc(cx + r * 0.6 * std::cos(a), cy + r * 0.6 * std::sin(a), r * 0.3, col::white);
    }
    c.disc(cx, cy, r * 0.28, col::pink);
    c.set((int)cx, (int)cy, col::yellow);
}

void petals(Canvas& c, int x, int y, int w, int h, uint32_t seed, int count)
{
    Noise n(seed);
    for (int k = 0; k < count; k++) {
        int px = x + n.next(w), py = y + n.next(h);
        c.set(px, py, col::rose);
        c.set(px + 1, py, col::pink);
        if (n.next(2))
            c.set(px, py + 1, col::white);
    }
}

void sparkle(Canvas& c, int x, int y, int r, uint8_t colour)
{
    c.hline(x - r, x + r, y, colour);
    c.vline(x, y - r, y + r, colour);
    c.set(x, y, col::white);
}

// A firework burst.
void firework(Canvas& c, double cx, double cy, double r, const LampHue& h)
{
    for (int k = 0; k < 16; k++) {
        double a = k * M_PI / 8;
        for (double d = r * 0.3; d <= r; d += 1.0) {
            uint8_t col = d > r * 0.8 ? h.on.back() : d > r * 0.55 ? h.on[h.on.size() / 2] : h.on[0];
            c.set((int)(cx + d * std::cos(a)), (int)(cy + d * std::sin(a)), col);
        }
        c.set((int)(cx + (r + 2) * std::cos(a)), (int)(cy + (r + 2) * std::sin(a)), col::white);
    }
    c.disc(cx, cy, 1.5, col::white);
}

// ---------------------------------------------------------------- 607

void attract(Canvas& c, int x, int y, int variant)
{
    c.vgrad(x, y, 108, 80, {col::navy, col::indigo, col::purple, col::crimson});
    // a rising sun behind the title
    for (int j = 0; j < 80; j++)
        for (int i = 0; i < 108; i++) {
            double d = std::hypot(i - 54.0, j - 64.0);
            if (d < 26)
                c.rampPixel(x + i, y + j, {col::red, col::orange, col::amber, col::yellow}, 1.0 - d / 26);
        }
    drawRays(c, x, y + 56, 108, 24, x + 54, y + 64, col::maroon, col::crimson, 14, variant * 0.22);
    c.hline(x, x + 107, y + 56, col::amber);
    petals(c, x + 2, y + 2, 104, 76, 605 + variant, 26);
    blossom(c, x + 10, y + 30, 7, variant * 0.6);
    blossom(c, x + 98, y + 44, 6, 1 + variant * 0.6);
    Pose pose;
    if (variant == 0) {
        pose.swordArm = 2.7, pose.sword = 0.2, pose.face = 1;
    } else if (variant == 1) {
        pose.swordArm = 1.0, pose.sword = 0.4, pose.lean = 0.2, pose.face = 3, pose.slash = true;
    } else {
        pose.bow = true, pose.face = 1;
    }
    drawFigure(c, x + 27, y + 6, pose);
    bigText(c, x + 54, y + 4, "ZANPORO", 2, 2, variant == 1 ? kSakura : kGold, col::black);
    drawCellFrame(c, x, y, col::amber, col::maroon);
}

void fanfare(Canvas& c, int x, int y, int variant)
{
    drawRays(c, x, y, 108, 80, x + 54, y + 44, variant ? col::red : col::amber, variant ? col::amber : col::red, 18,
         variant * 0.17);
    for (int j = 0; j < 80; j++)
        for (int i = 0; i < 108; i++) {
            double d = std::hypot(i - 54.0, j - 44.0);
            if (d < 16)
                c.rampPixel(x + i, y + j, {col::yellow, col::cream, col::white}, 1.0 - d / 16);
        }
    bigText(c, x + 54, y + 10, "FEVER", 3, 3, variant ? kGold : kFire, col::black);
    bigText(c, x + 54, y + 42, "BIG", 2, 2, variant ? kFire : kGold, col::black);
    bigText(c, x + 54, y + 60, "CHANCE!", 1, 2, kSilver, col::black);
    firework(c, x + 12 + 80 * variant, y + 52, 9, variant ? hue::green : hue::cyan);
    drawCellFrame(c, x, y, col::yellow, col::maroon);
}

void vPicture(Canvas& c, int x, int y, int variant)
{
    drawRays(c, x, y, 108, 80, x + 54, y + 36, variant ? col::darkGreen : col::green, variant ? col::green : col::lime,
         14, variant * 0.2);
    const LampHue& h = variant ? hue::yellow : hue::green;
    std::vector<double> vee = {x + 22.0, y + 6.0,  x + 42.0, y + 6.0,  x + 54.0, y + 42.0, x + 66.0, y + 6.0,
                               x + 86.0, y + 6.0,  x + 63.0, y + 62.0, x + 45.0, y + 62.0};
    std::vector<double> shade;
    for (size_t k = 0; k < vee.size(); k += 2) {
        shade.push_back(vee[k] + 2);
        shade.push_back(vee[k + 1] + 2);
    }
    c.polygon(shade, col::black);
    shapeLamp(c, vee, x + 48, y + 18, 46, h, true);
    bigText(c, x + 54, y + 64, "GET!", 2, 1, variant ? kGold : kSilver, col::black);
    sparkle(c, x + 14, y + 18, 3, col::white);
    sparkle(c, x + 94, y + 52, 3, col::white);
    drawCellFrame(c, x, y, col::white, col::darkGreen);
}

// What a round backdrop leaves to the screen: the plate the round number
// sits on (with "ROUND" beside it) and the card of the winning symbol.
void roundFurniture(Canvas& c, int x, int y)
{
    const Piece& n = kRoundPlate;
    c.fill(x + n.x - 2, y + n.y - 2, n.w + 4, n.h + 4, col::gold);
    c.frame(x + n.x - 2, y + n.y - 2, n.w + 4, n.h + 4, col::brown);
    c.fill(x + n.x, y + n.y, n.w, n.h, col::black);
    drawTextOutlined(c, x + n.x + n.w + 5, y + n.y + 5, "ROUND", col::white, col::black);
    const Piece& s = kSymbolFrame;
    c.fill(x + s.x, y + s.y - 3, s.w + 3, 3, col::gold);
    c.fill(x + s.x + s.w, y + s.y - 3, 3, s.h + 3, col::gold);
    c.hline(x + s.x, x + s.x + s.w + 2, y + s.y - 3, col::cream);
    c.vline(x + s.x + s.w + 2, y + s.y - 3, y + s.y + s.h - 1, col::brown);
}

void roundBackdrop(Canvas& c, int x, int y, int group, int variant)
{
    Pose pose;
    switch (group) {
    case 0: { // rounds 1..3: sunrise over the sea, the mountain
        c.vgrad(x, y, 108, 52, {col::crimson, col::orange, col::amber, col::yellow});
        c.disc(x + 72, y + 40, 12 + variant, col::red);
        c.disc(x + 72, y + 40, 9, col::orange);
        c.polygon({x + 38.0, y + 52.0, x + 64.0, y + 18.0, x + 72.0, y + 20.0, x + 100.0, y + 52.0}, col::indigo);
        c.polygon({x + 58.0, y + 26.0, x + 64.0, y + 18.0, x + 72.0, y + 20.0, x + 78.0, y + 27.0, x + 70.0, y + 25.0,
                   x + 65.0, y + 28.0},
                  col::white);
        c.vgrad(x, y + 52, 108, 28, {col::royal, col::blue, col::navy});
        for (int k = 0; k < 7; k++)
            c.hline(x + 40 + ((k * 13 + variant * 5) % 60), x + 46 + ((k * 13 + variant * 5) % 60), y + 56 + 3 * k,
                    col::ice);
        pose.swordArm = variant ? 1.4 : 2.6, pose.face = variant ? 3 : 1, pose.slash = variant;
        break;
    }
    case 1: { // rounds 4..6: the bamboo grove
        c.vgrad(x, y, 108, 80, {col::darkGreen, col::green, col::mint});
        for (int k = 0; k < 8; k++) {
            int bx = x + 38 + 9 * k + (k % 2) * 3;
            c.fill(bx, y, 4, 80, k % 2 ? col::green : col::lime);
            c.vline(bx, y, y + 79, col::darkGreen);
            for (int j = 8 + 5 * k % 14; j < 80; j += 17)
                c.hline(bx - 1, bx + 4, y + j, col::darkGreen);
            int ly = y + 10 + (k * 23 + variant * 9) % 56;
            c.thickLine(bx + 4, ly, bx + 9, ly - 3 - variant, 1.5, col::lime);
        }
        pose.swordArm = variant ? 0.9 : 2.8, pose.sword = 0.3, pose.lean = variant ? 0.25 : 0, pose.face = 3;
        pose.slash = !variant;
        break;
    }
    case 2: { // rounds 7..9: cherry blossom
        c.vgrad(x, y, 108, 80, {col::rose, col::pink, col::rose, col::cream});
        c.thickLine(x + 108, y + 8, x + 60, y + 22, 4, col::brown);
        c.thickLine(x + 80, y + 14, x + 70, y + 2, 2.5, col::brown);
        for (int k = 0; k < 9; k++)
            blossom(c, x + 56 + (k * 17) % 52, y + 4 + (k * 11) % 26, 5 + k % 3, k + variant);
        petals(c, x + 36, y + 26, 72, 54, 70 + variant, 30);
        pose.swordArm = 2.2, pose.sword = -0.4, pose.face = 1, pose.crouch = variant ? 0.25 : 0;
        break;
    }
    case 3: { // rounds 10..12: fireworks at night
        c.vgrad(x, y, 108, 80, {col::black, col::navy, col::indigo});
        Noise n(6071);
        for (int k = 0; k < 30; k++)
            c.set(x + n.next(108), y + n.next(80), n.next(3) ? col::sky : col::white);
        if (variant) {
            firework(c, x + 60, y + 18, 14, hue::yellow);
            firework(c, x + 96, y + 34, 9, hue::green);
        } else {
            firework(c, x + 88, y + 16, 13, hue::red);
            firework(c, x + 52, y + 36, 8, hue::violet);
        }
        pose.swordArm = 2.9, pose.otherArm = -2.6, pose.face = 1, pose.lift = variant ? 4 : 0;
        break;
    }
    case 4: { // rounds 13..15: the castle at dusk
        c.vgrad(x, y, 108, 80, {col::indigo, col::purple, col::crimson, col::orange});
        int cx = x + 74;
        c.fill(cx - 18, y + 50, 36, 30, col::silver);
        c.polygon({cx - 24.0, y + 52.0, cx + 24.0, y + 52.0, cx + 16.0, y + 44.0, cx - 16.0, y + 44.0}, col::navy);
        c.fill(cx - 12, y + 32, 24, 12, col::white);
        c.polygon({cx - 18.0, y + 34.0, cx + 18.0, y + 34.0, cx + 11.0, y + 26.0, cx - 11.0, y + 26.0}, col::navy);
        c.fill(cx - 6, y + 18, 12, 8, col::white);
        c.polygon({cx - 11.0, y + 20.0, cx + 11.0, y + 20.0, (double)cx, y + 10.0}, col::navy);
        c.set(cx - 1, y + 10, col::yellow);
        c.set(cx + 1, y + 10, col::yellow);
        for (int k = 0; k < 3; k++) {
            c.fill(cx - 9 + 7 * k, y + 36, 3, 4, variant ? col::yellow : col::black);
            c.fill(cx - 12 + 9 * k, y + 58, 4, 5, variant ? col::black : col::yellow);
        }
        pose.swordArm = 0.5, pose.sword = 1.6, pose.face = 0, pose.crouch = 0.3;
        break;
    }
    default: { // round 16: the golden finale
        drawRays(c, x, y, 108, 80, x + 80, y + 40, variant ? col::amber : col::yellow,
                 variant ? col::yellow : col::amber, 16, variant * 0.2);
        bigText(c, x + 40, y + 62, "FINAL", 1, 2, kFire, col::black);
        pose.swordArm = 2.8, pose.face = 3, pose.aura = true, pose.lift = 2;
        break;
    }
    }
    drawFigure(c, x + 54, y, pose);
    roundFurniture(c, x, y);
    drawCellFrame(c, x, y, col::cream, col::brown);
}

void ending(Canvas& c, int x, int y, int chances)
{
    Pose pose;
    if (chances == 0) {
        c.vgrad(x, y, 108, 80, {col::navy, col::indigo, col::purple, col::crimson});
        petals(c, x, y, 108, 80, 720, 20);
        bigText(c, x + 30, y + 8, "THANKS", 1, 2, kSakura, col::black);
        bigText(c, x + 30, y + 30, "SEE", 2, 2, kSilver, col::black);
        bigText(c, x + 30, y + 50, "YOU!", 1, 2, kSilver, col::black);
        pose.bow = true, pose.face = 1;
    } else {
        drawRays(c, x, y, 108, 80, x + 54, y + 40, col::crimson, col::red, 16, chances * 0.3);
        bigText(c, x + 26, y + 6, "CHANCE", 1, 2, kGold, col::black);
        bigText(c, x + 26, y + 25, std::to_string(chances), 3, 3, kFire, col::black);
        bigText(c, x + 26, y + 52, "MORE", 1, 2, kSilver, col::black);
        for (int k = 0; k < chances; k++)
            shapeLamp(c, starShape(x + 10 + 32 * k, y + 72, 6, 2.6), x + 10 + 32 * k, y + 72, 6, hue::yellow, true);
        pose.swordArm = 2.9, pose.otherArm = -2.7, pose.face = 1, pose.aura = chances == 2;
    }
    drawFigure(c, x + 54, y, pose);
    drawCellFrame(c, x, y, col::amber, col::maroon);
}

// A cell the screen never shows: the machine's name on dark lacquer.
void spareCell(Canvas& c, int x, int y)
{
    c.vgrad(x, y, 108, 80, {col::black, col::navy, col::black});
    bigText(c, x + 54, y + 33, "ZANPORO", 2, 2, kGold, col::black);
    drawCellFrame(c, x, y, col::grey, col::black);
}

Canvas displayPictures()
{
    Canvas c(324, 800);
    for (int v = 0; v < 3; v++)
        attract(c, kCellW * v, 0, v);
    for (int v = 0; v < 2; v++) {
        fanfare(c, kCellW * v, kCellH * kPictureFanfare, v);
        vPicture(c, kCellW * v, kCellH * kPictureV, v);
        for (int g = 0; g < kRoundBackdrops; g++)
            roundBackdrop(c, kCellW * v, kCellH * (kPictureRoundFirst + g), g, v);
    }
    for (int row = kPictureFanfare; row < kPictureEnding; row++)
        spareCell(c, 2 * kCellW, kCellH * row);
    for (int k = 0; k < 3; k++)
        ending(c, kCellW * k, kCellH * kPictureEnding, k);
    return c;
}

// ---------------------------------------------------------------- 608

// A ribbon across an overlay with a word on it.
void ribbon(Canvas& c, int x, int y, int w, int h, uint8_t face, uint8_t edge)
{
    c.fill(x, y, w, h, face);
    c.hline(x, x + w - 1, y, edge);
    c.hline(x, x + w - 1, y + h - 1, edge);
    c.polygon({(double)x - 6, (double)y, (double)x, (double)y, (double)x, (double)y + h, (double)x - 6, (double)y + h,
               (double)x - 2, y + h / 2.0},
              edge);
    c.polygon({(double)x + w + 6, (double)y, (double)x + w, (double)y, (double)x + w, (double)y + h,
               (double)x + w + 6, (double)y + h, (double)x + w + 2, y + h / 2.0},
              edge);
}

void chanceReach(Canvas& c, int x, int y)
{
    // a golden frame, the word along the top, stars in the lower corners;
    // the reels show through the middle
    for (int k = 0; k < 3; k++)
        c.frame(x + k, y + k, 108 - 2 * k, 80 - 2 * k, k == 1 ? col::yellow : col::amber);
    ribbon(c, x + 20, y + 3, 68, 13, col::red, col::yellow);
    bigText(c, x + 54, y + 5, "CHANCE", 1, 1, kGold, col::maroon);
    for (int k = 0; k < 2; k++)
        shapeLamp(c, starShape(x + 10 + 88 * k, y + 70, 7, 3), x + 10 + 88 * k, y + 70, 7, hue::yellow, true);
    sparkle(c, x + 8, y + 22, 2, col::white);
    sparkle(c, x + 99, y + 24, 2, col::white);
}

void nearStop(Canvas& c, int x, int y)
{
    Pose slash;
    slash.swordArm = 0.8, slash.sword = 0.5, slash.lean = 0.3, slash.face = 3, slash.slash = true;
    drawFigure(c, x, y, slash);
    // jagged lightning along the top and the bottom edges
    for (int k = 0; k < 108; k += 8) {
        c.thickLine(x + k, y + 1, x + k + 4, y + 5, 1.5, col::yellow);
        c.thickLine(x + k + 4, y + 5, x + k + 8, y + 1, 1.5, col::amber);
        c.thickLine(x + k, y + 78, x + k + 4, y + 74, 1.5, col::yellow);
        c.thickLine(x + k + 4, y + 74, x + k + 8, y + 78, 1.5, col::amber);
    }
    bigText(c, x + 82, y + 8, "ZAN!", 1, 2, kFire, col::black);
}

void lostBanner(Canvas& c, int x, int y, int figureX, int variant)
{
    Pose sad;
    sad.face = 2, sad.sweat = true, sad.crouch = 0.6 + 0.2 * variant, sad.swordArm = 0.1, sad.sword = -1.2;
    sad.lean = -0.1;
    drawFigure(c, x + figureX, y, sad);
    int tx = figureX < 27 ? x + 81 : x + 27;
    roundRect(c, tx - 22, y + 14, 44, 52, 5, col::black);
    roundRect(c, tx - 21, y + 15, 42, 50, 4, col::navy);
    bigText(c, tx, y + 18, "ZAN", 2, 2, variant ? kSakura : kSilver, col::black);
    bigText(c, tx, y + 38, "NEN", 2, 2, variant ? kSakura : kSilver, col::black);
    for (int k = 0; k < 3; k++)
        c.fill(tx - 10 + 8 * k, y + 58, 3, 3, variant ? col::rose : col::white);
}

Canvas overlays()
{
    Canvas c(216, 480, col::key);
    chanceReach(c, kOverlayChanceReach.x, kOverlayChanceReach.y);

    // the fast spin: falling in, landed, slashing
    Pose fall, land, raise, cut;
    fall.swordArm = 2.8, fall.otherArm = -2.6, fall.crouch = 0.5, fall.face = 3, fall.lift = 6;
    land.crouch = 1.0, land.swordArm = 1.3, land.sword = 0.2, land.face = 0;
    raise.swordArm = 2.7, raise.sword = 0.3, raise.lean = -0.05, raise.face = 3;
    cut.swordArm = 0.9, cut.sword = 0.4, cut.lean = 0.25, cut.face = 3, cut.slash = true;
    const Pose falling[4] = {fall, land, raise, cut};
    for (int k = 0; k < 4; k++)
        drawFigure(c, kFigureW * k, kFigureFallingY, falling[k]);

    nearStop(c, kOverlayNearStop.x, kOverlayNearStop.y);
    lostBanner(c, kOverlayFastLost.x, kOverlayFastLost.y, 0, 0);

    // the revival: walking in, waiting
    Pose walkA, walkB, waitA, waitB;
    walkA.stride = -1, walkA.swordArm = 0.3, walkA.sword = -0.9, walkA.otherArm = 0.3, walkA.face = 1;
    walkB = walkA, walkB.stride = 1, walkB.otherArm = -0.4, walkB.swordArm = -0.1;
    waitA.swordArm = 0.15, waitA.sword = -1.0, waitA.face = 0;
    waitB = waitA, waitB.crouch = 0.12, waitB.face = 1;
    const Pose walking[4] = {walkA, walkB, waitA, waitB};
    for (int k = 0; k < 4; k++)
        drawFigure(c, kFigureW * k, kFigureWalkingY, walking[k]);

    // at the first stop: standing let down, the revival, walking on
    Pose down, rise, onA, onB;
    down.face = 2, down.sweat = true, down.swordArm = 0.1, down.sword = -1.3, down.lean = -0.08;
    rise.swordArm = 3.0, rise.otherArm = -2.5, rise.face = 3, rise.aura = true, rise.lift = 4;
    onA = walkA, onA.face = 0;
    onB = walkB, onB.face = 0;
    const Pose standing[4] = {down, rise, onA, onB};
    for (int k = 0; k < 4; k++)
        drawFigure(c, kFigureW * k, kFigureStandingY, standing[k]);

    // the revival lost
    for (int v = 0; v < 2; v++)
        lostBanner(c, kCellW * v, kOverlayRevivalLostY, 54, v);
    return c;
}

} // namespace

void makeDisplay(ArtSet& out)
{
    out.picture(607, displayPictures(), false);
    out.picture(608, overlays(), true);
}
