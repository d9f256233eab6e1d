// Machine No.5's board (picture 502) and the play screen pieces cut from it:
// frame lamps (521), payout lamp (522), machine-top sign (524), the
// held-start lamp (601), the decorative lamps (603), the chance plate
// (604), the attacker (605) and the digit gate with its start lamps (609);
// and the ball (520) and the spinners (523).
//
// The board is drawn with every lamp off, and again with the lamps or the
// parts in each of their states; the pieces are cut from those drawings, so
// a layer copied over the board never shows a seam.
#include <algorithm>
#include <cmath>

#include "board.h"
#include "no5_art.h"
#include "no5_art_layout.h"
#include "no5_board_geometry.h"
#include "no5_paths.h"

using namespace no5art;

namespace {

// ---------------------------------------------------------------- geometry

namespace g = no5board;

// The field inside the rails: the arc over the top and the two side rails,
// just outside the furthest a ball's centre goes (a ball is 12 pixels across).
const Field kField = fieldRoundArc(g::kArcCentre.x, g::kArcCentre.y, 4 * g::kFieldRadius + 6,
                                   (int)ballX(g::kLeftEdge) - 7, (int)ballX(g::kRightEdge) + 7);

bool inField(double x, double y) { return kField.inside(x, y); }

// The screen's places and the board's agree.
constexpr bool spinnersInPlace()
{
    for (int k = 0; k < g::kWindmillCount; k++)
        if (g::kWindmills[k].pictureX != kSpinnerAt[g::kWindmills[k].spinner].x ||
            g::kWindmills[k].pictureY != kSpinnerAt[g::kWindmills[k].spinner].y)
            return false;
    return true;
}
static_assert(spinnersInPlace(), "the spinners stand where the board turns them");
static_assert(4 * g::kDigitStartPoints[0].x - 2 >= kBallCovers[0].x &&
                  4 * g::kDigitStartPoints[1].x + 10 <= kBallCovers[0].x + kBallCovers[0].w &&
                  4 * g::kDigitStartPoints[2].x - 2 >= kBallCovers[1].x &&
                  4 * g::kDigitStartPoints[3].x + 10 <= kBallCovers[1].x + kBallCovers[1].w,
              "a ball at a digit-start point runs behind its passage");
static_assert(4 * g::kMouthXMin - 2 >= kAttackerAt.x && 4 * g::kMouthXMax + 10 <= kAttackerAt.x + kAttackerW &&
                  4 * g::kMouthRow - 4 >= kAttackerAt.y && 4 * g::kMouthRow + 8 <= kAttackerAt.y + kAttackerH,
              "the attacker's channels lie inside its picture");

// The pockets and their colours: the start pocket yellow, the side pockets
// green, the low ones cyan.
const LampHue* const kPocketHues[g::kPocketCount] = {&hue::yellow, &hue::green, &hue::green, &hue::cyan, &hue::cyan};

// What is lit, or in which state a part is drawn; the base board has
// everything off, the attacker shut, the gate shut.
struct Lights {
    bool frame = false, payout = false;
    int held = 0;
    int groups = 0; // kL1..kL5
    int chance = 0;
    int attacker = kAttackerClosed;
    int gate = 0;
    int startLamps = 0;
    int sign = 0;
};

// ---------------------------------------------------------------- frame and field

void drawFrame(Canvas& c)
{
    // black lacquer with a red glow towards the bottom and a soft sheen
    lacquer(c, {col::black, col::maroon, col::crimson}, 0.35, 0.25, -1, 70.0, -900.0);
    // the chrome rail round the arc, with a gold lip
    guideRail(c, kField, {col::grey, col::white, col::silver, col::grey, col::black}, 9);
    guideRailLip(c, kField, 9, 2, {col::gold});
    // the launch rail up the left side into the arc, the inner rails
    launchRail(c, 110);
    innerRails(c, 100, kField.leftRail - 1, kField.rightRail, col::silver, col::white, col::silver, col::grey);
}

void drawField(Canvas& c)
{
    // deep violet, lighter round the middle, with the scales of a wave
    // pattern printed on it
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (!inField(x + 0.5, y + 0.5))
                continue;
            double d = std::hypot(x - 240.0, y - 230.0) / 290.0;
            c.rampPixel(x, y, {col::black, col::navy, col::indigo, col::purple}, 0.95 - d);
            // seigaiha: rows of arcs 24 pixels wide
            int row = y / 12;
            double cx = (x + (row % 2) * 12) % 24 - 12.0, cy = (y % 12) - 12.0;
            double r = std::hypot(cx, cy);
            if ((std::fabs(r - 10) < 0.6 || std::fabs(r - 6) < 0.6) && ((x + y) % 2 == 0))
                c.set(x, y, d < 0.55 ? col::violet : col::purple);
        }
    // the machine's name printed large under the arc
    bigText(c, 240, 30, "ZANPORO", 3, 2, {col::brown, col::gold, col::amber, col::yellow}, col::black);
    // falling petals
    Noise n(5020);
    for (int k = 0; k < 90; k++) {
        int x = 30 + n.next(420), y = 50 + n.next(330);
        if (!inField(x, y))
            continue;
        c.set(x, y, col::rose);
        c.set(x + 1, y, col::pink);
        if (n.next(2))
            c.set(x, y + 1, col::pink);
    }
}

bool clearOfFeatures(double x, double y)
{
    for (int k = 0; k < g::kPocketCount; k++) {
        double px = ballX(g::kPockets[k].at.x), py = ballY(g::kPockets[k].at.y);
        if (std::hypot(x - px, y - py) < 20)
            return false;
    }
    for (const Piece& c : kBallCovers)
        if (x > c.x - 5 && x < c.x + c.w + 5 && y > c.y - 5 && y < c.y + c.h + 5)
            return false;
    for (const g::Windmill& w : g::kWindmills)
        if (std::hypot(x - (w.pictureX + 18), y - (w.pictureY + 18)) < 21)
            return false;
    if (x >= 164 && x <= 316 && y >= 94 && y <= 272) // the centre feature
        return false;
    if (y >= 24 && y <= 48 && x >= 170 && x <= 310) // the name
        return false;
    if (y >= 360) // lamps, attacker, out hole
        return false;
    for (const LampGroup& l : kLampGroups)
        for (const Point& p : {l.left, l.right})
            if (x > p.x - 5 && x < p.x + l.w + 5 && y > p.y - 5 && y < p.y + l.h + 5)
                return false;
    return true;
}

// Pins on a staggered grid over the field, clear of the features. A pin
// that a ball's centre would pass within two pixels of is left out, so no
// ball is ever drawn on a pin head and the paths run between the pins.
PixelList pinPlaces()
{
    PixelList pins = pinGrid({44, 10, 360, 30, 12, 452, 12, 3}, kField,
                             pathBallCentres(no5PathTable, g::kLeftChannelPath), clearOfFeatures);
    // the gate pins either side of every pocket
    for (int k = 0; k < g::kPocketCount; k++)
        gatePins(pins, (int)ballX(g::kPockets[k].at.x), (int)ballY(g::kPockets[k].at.y), -10);
    return pins;
}

// ---------------------------------------------------------------- parts of the field

// The passage round a digit-start point: a lacquered hood the balls run
// behind, with a green arrow lamp.
void passage(Canvas& c, const Piece& at)
{
    int x = at.x, y = at.y;
    roundRectGrad(c, x, y, at.w, at.h, 6, {col::white, col::silver, col::grey, col::black});
    roundRectGrad(c, x + 2, y + 2, at.w - 4, at.h - 6, 4, {col::crimson, col::red, col::crimson});
    shapeLamp(c, {x + 8.0, y + 6.0, x + 16.0, y + 6.0, x + 12.0, y + 13.0}, x + 12, y + 9, 6, hue::green, false);
    c.fill(x + 4, y + at.h - 4, at.w - 8, 2, col::black);
}

// ---------------------------------------------------------------- the centre feature

void drawChancePlate(Canvas& c, int frame)
{
    int x = kChancePlateAt.x, y = kChancePlateAt.y;
    roundRectGrad(c, x, y, kChancePlateW, kChancePlateH, 5, {col::black, col::navy, col::black});
    c.bevel(x, y, kChancePlateW, kChancePlateH, col::gold, col::brown);
    bool lit = frame > 0;
    lens(c, x + 18, y + 3, 60, 14, hue::red, lit, 4);
    drawTextOutlined(c, x + 48 - textWidth("CHANCE") / 2, y + 7, "CHANCE", lit ? col::yellow : col::grey, col::black);
    // a star for each big prize still to come at raised odds
    for (int k = 0; k < 2; k++) {
        double sx = x + 88 + 11 * k, sy = y + 10;
        shapeLamp(c, starShape(sx, sy, 5.5, 2.4), sx, sy, 6, hue::yellow, frame > k);
    }
    shapeLamp(c, starShape(x + 9, y + 10, 5.5, 2.4), x + 9, y + 10, 6, hue::yellow, lit);
}

// The digit-start lamps round the digit: two either side, lit from the top.
void drawStartLamps(Canvas& c, int lit)
{
    int x = kDigitStartLampsAt.x, y = kDigitStartLampsAt.y;
    c.fill(x, y, kStartLampsW, kStartLampsH, col::black);
    c.frame(x, y, kStartLampsW, kStartLampsH, col::brown);
    const double at[4][2] = {{5, 4}, {29, 4}, {5, 11}, {29, 11}};
    for (int k = 0; k < 4; k++)
        bulb(c, x + at[k][0], y + at[k][1], 2.6, hue::green, k < lit);
}

void drawDigitWindow(Canvas& c, const Lights& L)
{
    c.fill(219, 137, 42, 29, col::black);
    c.bevel(219, 137, 42, 29, col::gold, col::brown);
    drawStartLamps(c, L.startLamps);
    c.fill(kDigitAt.x, kDigitAt.y, kDigitW, kDigitH, col::black);
    c.frame(kDigitAt.x - 1, kDigitAt.y - 1, kDigitW + 2, kDigitH + 2, col::grey);
}

void drawFeature(Canvas& c, const Lights& L)
{
    // a shrine roof over the feature, the chance plate under its eaves
    c.polygon({170.0, 119, 310.0, 119, 298.0, 106, 240.0, 96, 182.0, 106}, col::black);
    c.polygon({174.0, 117, 306.0, 117, 296.0, 107, 240.0, 99, 184.0, 107}, col::crimson);
    c.thickLine(184, 107, 240, 99, 1, col::amber);
    c.thickLine(240, 99, 296, 107, 1, col::amber);
    c.thickLine(168, 118, 312, 118, 2, col::gold);
    c.disc(240, 104, 3, col::gold);
    drawChancePlate(c, L.chance);
    // the pillars either side of the display, each with its lantern (L5)
    for (int side = 0; side < 2; side++) {
        int x = side ? 298 : 176;
        c.vgrad(x, 136, 6, 132, {col::maroon, col::red, col::crimson});
        c.vline(x + (side ? 5 : 0), 136, 267, col::black);
    }
    for (int side = 0; side < 2; side++) {
        const LampGroup& g = kLampGroups[4];
        Point at = side ? g.right : g.left;
        bool lit = (L.groups & kL5) != 0;
        c.fill(at.x, at.y, g.w, g.h, col::black);
        c.fill(at.x + 3, at.y, 6, 3, col::gold);
        roundRectGrad(c, at.x, at.y + 3, 12, 18, 5,
                      lit ? Ramp{col::orange, col::yellow, col::cream, col::yellow, col::orange}
                          : Ramp{col::maroon, col::crimson, col::maroon});
        for (int k = 0; k < 3; k++)
            c.hline(at.x + 1, at.x + 10, at.y + 7 + 5 * k, lit ? col::amber : col::black);
        c.fill(at.x + 3, at.y + 21, 6, 3, col::gold);
        if (lit) {
            c.set(at.x + 4, at.y + 6, col::white);
            c.set(at.x + 4, at.y + 9, col::white);
        }
    }
    drawDigitWindow(c, L);
    // the held-start lamps under the digit
    c.fill(217, 167, 46, 14, col::black);
    c.bevel(217, 167, 46, 14, col::silver, col::grey);
    for (int i = 0; i < 4; i++) {
        const Point& p = kHeldLampAt[i];
        c.fill(p.x, p.y, 8, 8, col::black);
        bulb(c, p.x + 4, p.y + 4, 3.3, hue::red, i < L.held);
    }
    // the display's bezel
    roundRectGrad(c, kDisplay.x - 4, kDisplay.y - 4, kDisplay.w + 8, kDisplay.h + 8, 4,
                  {col::white, col::gold, col::amber, col::brown, col::black});
    c.fill(kDisplay.x, kDisplay.y, kDisplay.w, kDisplay.h, col::black);
    // the start pocket under it
    tulipPocket(c, (int)ballX(g::kStartPocket.x), (int)ballY(g::kStartPocket.y), *kPocketHues[0]);
}

// ---------------------------------------------------------------- the lamps round the field

// L1 and L2: tall lenses on the rails, each with its emblem.
void sideLamp(Canvas& c, int x, int y, const LampHue& h, bool lit, bool blossomMark, bool mirrored)
{
    c.fill(x, y, 20, 50, col::black);
    lens(c, x, y, 20, 50, h, lit, 8);
    double cx = x + 10, cy = y + 25;
    if (blossomMark) {
        for (int k = 0; k < 5; k++) {
            double a = k * 2 * M_PI / 5 - M_PI / 2;
            c.disc(cx + 4 * std::cos(a), cy + 4 * std::sin(a), 2.6, lit ? col::white : col::crimson);
        }
        c.disc(cx, cy, 1.6, lit ? col::yellow : col::maroon);
    } else {
        for (int k = 0; k < 3; k++) {
            double wy = cy - 10 + 9 * k;
            double d = mirrored ? -1 : 1;
            c.thickLine(cx - 6 * d, wy + 3, cx, wy - 2, 1.5, lit ? col::white : col::navy);
            c.thickLine(cx, wy - 2, cx + 6 * d, wy + 3, 1.5, lit ? col::white : col::navy);
        }
    }
}

// L3: a folding fan, the same on both sides.
void fanLamp(Canvas& c, int x, int y, bool lit)
{
    double cx = x + 23, cy = y + 31;
    c.fill(x + 18, y + 30, 10, 3, col::black);
    for (int j = 0; j < 33; j++)
        for (int i = 0; i < 46; i++) {
            double dx = x + i + 0.5 - cx, dy = y + j + 0.5 - cy;
            double r = std::hypot(dx, dy), a = std::atan2(dy, dx);
            if (r > 29 || r < 6 || dy > -1)
                continue;
            int rib = (int)std::floor((a + M_PI) / M_PI * 10);
            const LampHue& h = rib % 2 ? hue::red : hue::yellow;
            double t = (r - 6) / 23;
            if (lit)
                c.rampPixel(x + i, y + j, h.on, 0.35 + 0.6 * t);
            else
                c.rampPixel(x + i, y + j, h.off, 0.4 + 0.5 * t);
            if (r > 27.5)
                c.set(x + i, y + j, lit ? col::white : col::gold);
        }
    c.disc(cx, cy - 1, 3, lit ? col::yellow : col::gold);
}

// L4: a drum with the three-comma swirl, mirrored on the right.
void drumLamp(Canvas& c, int x, int y, bool lit, bool mirrored)
{
    double cx = x + 24, cy = y + 24;
    c.disc(cx + 1, cy + 1, 23.5, col::black);
    c.disc(cx, cy, 23, col::brown);
    c.ring(cx, cy, 23, 2, col::gold);
    plateStuds(c, cx, cy, 21, 12, col::yellow); // the studs round the rim
    for (int j = -19; j <= 19; j++)
        for (int i = -19; i <= 19; i++) {
            double r = std::hypot(i + 0.5, j + 0.5);
            if (r > 19)
                continue;
            c.rampPixel((int)cx + i, (int)cy + j, lit ? hue::red.on : hue::red.off, lit ? 1.0 - r / 24 : 0.9 - r / 30);
        }
    for (int k = 0; k < 3; k++) {
        double a = k * 2 * M_PI / 3 + (mirrored ? M_PI : 0);
        double hx = cx + 8 * std::cos(a), hy = cy + 8 * std::sin(a);
        c.disc(hx, hy, 5, lit ? col::white : col::black);
        double dir = mirrored ? -1 : 1;
        for (double t = 0; t < 1.6; t += 0.1) {
            double aa = a + dir * t;
            double rr = 8 + 5 * (1 - t / 1.6);
            c.disc(cx + rr * std::cos(aa + dir * 0.6), cy + rr * std::sin(aa + dir * 0.6), 2.4 * (1 - t / 2),
                   lit ? col::white : col::black);
        }
    }
}

void drawSides(Canvas& c, const Lights& L)
{
    const LampGroup& g1 = kLampGroups[0];
    const LampGroup& g2 = kLampGroups[1];
    sideLamp(c, g1.left.x, g1.left.y, hue::orange, L.groups & kL1, true, false);
    sideLamp(c, g1.right.x, g1.right.y, hue::orange, L.groups & kL1, true, true);
    sideLamp(c, g2.left.x, g2.left.y, hue::cyan, L.groups & kL2, false, false);
    sideLamp(c, g2.right.x, g2.right.y, hue::cyan, L.groups & kL2, false, true);
    for (int k = 1; k < g::kPocketCount; k++)
        tulipPocket(c, (int)ballX(g::kPockets[k].at.x), (int)ballY(g::kPockets[k].at.y), *kPocketHues[k]);
    for (const Piece& p : kBallCovers)
        passage(c, p);
    const LampGroup& g3 = kLampGroups[2];
    fanLamp(c, g3.left.x, g3.left.y, L.groups & kL3);
    fanLamp(c, g3.right.x, g3.right.y, L.groups & kL3);
    const LampGroup& g4 = kLampGroups[3];
    drumLamp(c, g4.left.x, g4.left.y, L.groups & kL4, false);
    drumLamp(c, g4.right.x, g4.right.y, L.groups & kL4, true);
}

// ---------------------------------------------------------------- attacker and out hole

void drawAttacker(Canvas& c, int frame)
{
    int x = kAttackerAt.x, y = kAttackerAt.y;
    roundRectGrad(c, x, y, kAttackerW, kAttackerH, 5, {col::white, col::silver, col::grey, col::black});
    if (frame == kAttackerClosed) {
        roundRectGrad(c, x + 3, y + 3, kAttackerW - 6, kAttackerH - 6, 3, {col::red, col::crimson, col::maroon});
        c.hline(x + 4, x + kAttackerW - 5, y + 3, col::rose);
        for (int k = 0; k < 3; k++)
            bulb(c, x + 66 + 8 * k, y + 16, 2.5, hue::yellow, false);
        drawText(c, x + 60, y + 24, "VVVV", col::maroon);
    } else {
        // the flap tips forward: three channels in the trough, the V in the middle
        c.fill(x + 3, y + 3, kAttackerW - 6, 11, col::crimson);
        c.hline(x + 3, x + kAttackerW - 4, y + 3, col::red);
        c.fill(x + 3, y + 14, kAttackerW - 6, 15, col::black);
        c.vgrad(x + 3, y + 14, kAttackerW - 6, 3, {col::grey, col::black});
        c.fill(x + 2, y + 29, kAttackerW - 4, 3, col::silver);
        c.hline(x + 2, x + kAttackerW - 3, y + 29, col::white);
        for (int post : {38, 54}) {
            c.fill(x + post - 1, y + 12, 3, 17, col::silver);
            c.vline(x + post - 1, y + 12, y + 28, col::white);
        }
        bool vLit = frame == kAttackerVLit;
        std::vector<double> vee = {x + 40.0, y + 15.0, x + 43.5, y + 15.0, x + 46.0, y + 23.0, x + 48.5, y + 15.0,
                                   x + 52.0, y + 15.0, x + 47.5, y + 28.0, x + 44.5, y + 28.0};
        shapeLamp(c, vee, x + 46, y + 20, 9, hue::green, vLit);
        for (int k = 0; k < 3; k++)
            bulb(c, x + 66 + 8 * k, y + 8, 2.5, hue::yellow, vLit);
        if (vLit) {
            c.set(x + 46, y + 9, col::white);
            c.hline(x + 44, x + 48, y + 10, col::lime);
        }
    }
    // the count window
    c.fill(kAttackerDigitAt.x - 1, kAttackerDigitAt.y - 1, kDigitW + 2, kDigitH + 2, col::gold);
    c.fill(kAttackerDigitAt.x, kAttackerDigitAt.y, kDigitW, kDigitH, col::black);
    c.bevel(x, y, kAttackerW, kAttackerH, col::white, col::black);
}

void drawGate(Canvas& c, int image)
{
    int x = kGateAt.x, y = kGateAt.y;
    c.fill(x, y, kGateW, kGateH, col::black);
    c.frame(x, y, kGateW, kGateH, col::grey);
    int mouth = x + 10; // the gate's point is x 59 on the board, a ball's centre at 240
    if (image == 1) { // open: the flaps spread wide
        c.thickLine(mouth - 2, y + 14, mouth - 8, y + 3, 2.5, col::red);
        c.thickLine(mouth + 3, y + 14, mouth + 9, y + 3, 2.5, col::red);
    } else {
        c.fill(mouth - 3, y + 3, 3, 11, col::red);
        c.fill(mouth + 1, y + 3, 3, 11, col::red);
        c.vline(mouth - 3, y + 3, y + 13, col::rose);
    }
    const LampHue& h = image == 2 ? hue::yellow : hue::green;
    lens(c, x + 20, y + 3, 11, 10, h, image != 0, 3);
}

void drawBottom(Canvas& c, const Lights& L)
{
    // the apron and the out hole under the attacker
    roundRectGrad(c, 178, 416, 124, 16, 3, {col::silver, col::grey, col::black});
    c.fill(196, 420, 88, 12, col::black);
    drawGate(c, L.gate);
    drawAttacker(c, L.attacker);
}

// ---------------------------------------------------------------- the frame's lamps

void drawCorners(Canvas& c, const Lights& L)
{
    for (int side = 0; side < 2; side++) {
        const LampHue& h = side ? hue::violet : hue::red;
        auto X = [&](double x) { return side ? 480 - x : x; };
        frameLampLenses(c, side, h, L.frame);
        for (int k = 0; k < 3; k++)
            shapeLamp(c, starShape(X(112 + 20 * k), 17, 7, 3), X(112 + 20 * k), 17, 8, hue::yellow, L.frame);
        c.disc(X(72.5), 51.5, 14, col::black);
        c.ring(X(72.5), 51.5, 14, 1.5, col::gold);
        bulb(c, X(72.5), 51.5, 11, hue::yellow, L.frame);
        double cx = X(24.5), cy = 104;
        for (int k = 0; k < 5; k++) {
            double a = k * 2 * M_PI / 5 - M_PI / 2;
            c.disc(cx + 9 * std::cos(a), cy + 9 * std::sin(a), 6, L.frame ? col::white : h.off[2]);
        }
        c.disc(cx, cy, 4, L.frame ? col::yellow : col::olive);
    }
    payoutLamp(c, hue::green, L.payout);
    // the machine-top sign: the kind of the last fever
    topSign(c, L.sign, {&hue::white, &hue::yellow, &hue::red, &hue::violet}, {"-----", "FEVER", "CHANCE", "SUPER!"});
}

Canvas drawBoard(const Lights& L)
{
    Canvas c(480, 432);
    drawFrame(c);
    drawField(c);
    for (const Point& p : kSpinnerAt)
        millPlate(c, p.x + 18, p.y + 18, 17, col::gold, col::brown, col::indigo);
    drawPins(c, pinPlaces());
    drawFeature(c, L);
    drawSides(c, L);
    drawBottom(c, L);
    drawCorners(c, L);
    return c;
}

// ---------------------------------------------------------------- sprites

// A pinwheel of four folded blades, turned by `angle`.
void pinwheel(Canvas& c, int ox, int oy, double angle, const LampHue& a, const LampHue& b, bool lit)
{
    double cx = ox + 18, cy = oy + 18;
    for (int k = 0; k < 4; k++) {
        double t = angle + k * M_PI / 2;
        const LampHue& h = k % 2 ? b : a;
        std::vector<double> blade = {cx, cy, cx + 16 * std::cos(t), cy + 16 * std::sin(t),
                                     cx + 11 * std::cos(t + 0.75), cy + 11 * std::sin(t + 0.75)};
        Canvas tmp(c.w, c.h, col::key);
        tmp.polygon(blade, col::white);
        for (int y = oy; y < oy + 36; y++)
            for (int x = ox; x < ox + 36; x++)
                if (tmp.get(x, y) == col::white) {
                    double d = std::hypot(x - cx, y - cy) / 16;
                    c.rampPixel(x, y, lit ? h.on : Ramp{h.off[1], h.off[2], h.on[0]}, lit ? 1.0 - 0.6 * d : 0.9 - 0.5 * d);
                }
        c.line((int)cx, (int)cy, (int)(cx + 16 * std::cos(t)), (int)(cy + 16 * std::sin(t)),
               lit ? col::white : h.off[1]);
    }
    c.disc(cx, cy, 3, col::black);
    c.sphere(cx, cy, 2.2, {col::brown, col::gold, col::yellow}, false);
}

// 523: column 0 lit, column 36 unlit; upper spinners in rows 0..2, lower in
// rows 3..5 (the same in both columns: they are never lit).
Canvas spinners()
{
    Canvas c(72, 216, col::key);
    for (int f = 0; f < 3; f++) {
        double a = f * M_PI / 6;
        pinwheel(c, kSpinnerLitX, kUpperSpinnerRow + 36 * f, a, hue::red, hue::yellow, true);
        pinwheel(c, kSpinnerUnlitX, kUpperSpinnerRow + 36 * f, a, hue::red, hue::yellow, false);
        for (int x : {kSpinnerLitX, kSpinnerUnlitX})
            pinwheel(c, x, kLowerSpinnerRow + 36 * f, a, hue::cyan, hue::green, false);
    }
    c.outline(col::black);
    return c;
}

} // namespace

void makeBoard(ArtSet& out)
{
    Lights off, on;
    on.frame = on.payout = true;
    on.held = 4;
    on.groups = kL1 | kL2 | kL3 | kL4 | kL5;
    Canvas base = drawBoard(off), lit = drawBoard(on);
    boardPictures(out, base, lit, lit, spinners(), boardStates(drawBoard, &Lights::sign));

    // 601: the held-start lamp
    {
        Canvas s(8, 16);
        cutLamp(s, base, lit, {kHeldLampAt[0].x, kHeldLampAt[0].y, 8, 8}, kHeldLampUnlit.x, kHeldLampUnlit.y,
                kHeldLampLit.x, kHeldLampLit.y);
        out.picture(601, s, false);
    }
    // 603: the decorative lamps
    {
        Canvas s(96, 229);
        for (const LampGroup& g : kLampGroups) {
            cutLamp(s, base, lit, {g.left.x, g.left.y, g.w, g.h}, g.leftUnlit.x, g.leftUnlit.y, g.leftLit.x,
                    g.leftLit.y);
            cutLamp(s, base, lit, {g.right.x, g.right.y, g.w, g.h}, g.rightUnlit.x, g.rightUnlit.y, g.rightLit.x,
                    g.rightLit.y);
        }
        out.picture(603, s, false);
    }
    // 604: the chance plate; 605: the attacker
    const BoardPiece chance = {kChancePlateAt.x, kChancePlateAt.y, kChancePlateW, kChancePlateH};
    const BoardPiece attacker = {kAttackerAt.x, kAttackerAt.y, kAttackerW, kAttackerH};
    out.picture(604, stateColumn(chance, kChancePlateFrames, boardStates(drawBoard, &Lights::chance)), false);
    out.picture(605, stateColumn(attacker, 3, boardStates(drawBoard, &Lights::attacker)), false);
    // 609: the gate and the digit-start lamps
    {
        Canvas s(34, 123);
        cutStates(s, 0, 0, {kGateAt.x, kGateAt.y, kGateW, kGateH}, kGateImages, boardStates(drawBoard, &Lights::gate));
        cutStates(s, 0, kStartLampsY, {kDigitStartLampsAt.x, kDigitStartLampsAt.y, kStartLampsW, kStartLampsH},
                  kStartLampsImages, boardStates(drawBoard, &Lights::startLamps));
        out.picture(609, s, false);
    }
}

// A debugging view: the board with every path drawn over it, the first
// stage green, the lower board magenta, the attacker's channels and the
// gate cyan.
Canvas boardWithPaths()
{
    Canvas c = drawBoard(Lights());
    for (int p = 0; p < g::kPathCount; p++) {
        uint8_t colour = p < g::kFirstStagePaths ? col::lime : p < g::kLeftChannelPath ? col::magenta : col::cyan;
        for (int i = 0; i < 32; i++) {
            const unsigned char* e = no5PathTable[p][i];
            if (e[0] == 0xFF)
                break;
            if (i > 0 && e[0] && no5PathTable[p][i - 1][0]) // hidden points (x 0) are not joined
                c.line((int)ballX(no5PathTable[p][i - 1][0]), (int)ballY(no5PathTable[p][i - 1][1]), (int)ballX(e[0]),
                       (int)ballY(e[1]), colour);
            if (e[0])
                c.fill((int)ballX(e[0]) - 1, (int)ballY(e[1]) - 1, 2, 2, col::white);
        }
    }
    return c;
}
