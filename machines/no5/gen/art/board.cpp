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

#include "no5_art.h"
#include "no5_art_layout.h"
#include "no5_board_geometry.h"
#include "no5_paths.h"

using namespace no5art;

namespace {

// ---------------------------------------------------------------- geometry

namespace g = no5board;

// Ball centre in pixels of board point (x, y).
double unitX(int x) { return 4 * x + 4; }
double unitY(int y) { return 4 * y + 2; }

// The field inside the rails: the arc over the top and the two side rails,
// just outside the furthest a ball's centre goes (a ball is 12 pixels across).
const double kArcX = unitX(g::kArcCentre.x), kArcY = unitY(g::kArcCentre.y);
const double kFieldR = 4 * g::kFieldRadius + 6;
const int kLeftRail = (int)unitX(g::kLeftEdge) - 7, kRightRail = (int)unitX(g::kRightEdge) + 7;

bool inField(double x, double y)
{
    return std::hypot(x - kArcX, y - kArcY) < kFieldR && x > kLeftRail && x < kRightRail;
}

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
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            double t = 0.35 + 0.25 * std::sin((x - y) / 70.0) + y / 900.0;
            c.rampPixel(x, y, {col::black, col::maroon, col::crimson}, t);
        }
    // the chrome rail round the arc
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            double d = std::hypot(x + 0.5 - kArcX, y + 0.5 - kArcY);
            if (d >= kFieldR && d < kFieldR + 9 && x >= 4 && x < 476)
                c.rampPixel(x, y, {col::grey, col::white, col::silver, col::grey, col::black}, (d - kFieldR) / 9);
            else if (d >= kFieldR + 9 && d < kFieldR + 11 && x >= 4 && x < 476)
                c.set(x, y, col::gold);
        }
    // the launch rail up the left side into the arc
    for (int y = 110; y < c.h; y++)
        for (int x = 2; x < 20; x++)
            c.rampPixel(x, y, {col::black, col::grey, col::silver, col::white, col::silver, col::grey, col::black},
                        (x - 2) / 17.0);
    for (int y = 100; y < c.h; y++) {
        c.set(kLeftRail, y, col::white);
        c.set(kLeftRail - 1, y, col::silver);
        c.set(kRightRail, y, col::silver);
        c.set(kRightRail + 1, y, col::grey);
    }
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

// A pin: a brass nail head seen from the front.
void pin(Canvas& c, int x, int y)
{
    c.set(x, y + 1, col::black);
    c.set(x + 1, y + 1, col::black);
    c.set(x - 1, y, col::olive);
    c.set(x, y, col::yellow);
    c.set(x + 1, y, col::gold);
    c.set(x, y - 1, col::white);
}

bool clearOfFeatures(double x, double y)
{
    for (int k = 0; k < g::kPocketCount; k++) {
        double px = unitX(g::kPockets[k].at.x), py = unitY(g::kPockets[k].at.y);
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
std::vector<std::pair<int, int>> pinPlaces()
{
    std::vector<std::pair<int, int>> points;
    for (int p = 0; p < g::kLeftChannelPath; p++)
        for (int i = 0; i < 32; i++) {
            const unsigned char* e = no5PathTable[p][i];
            if (e[0] == 0xFF)
                break;
            points.push_back({(int)unitX(e[0]), (int)unitY(e[1])});
        }
    std::vector<std::pair<int, int>> pins;
    for (int row = 0; row * 10 + 44 < 360; row++) {
        int y = 44 + 10 * row;
        for (int x = 30 + (row % 2) * 6; x < 452; x += 12) {
            if (std::hypot(x - kArcX, y - kArcY) > kFieldR - 12 || !clearOfFeatures(x, y))
                continue;
            bool touched = false;
            for (auto& q : points)
                if (std::abs(q.first - x) < 3 && std::abs(q.second - y) < 3)
                    touched = true;
            if (!touched)
                pins.push_back({x, y});
        }
    }
    // the gate pins either side of every pocket
    for (int k = 0; k < g::kPocketCount; k++) {
        int x = (int)unitX(g::kPockets[k].at.x), y = (int)unitY(g::kPockets[k].at.y);
        pins.push_back({x - 14, y - 10});
        pins.push_back({x + 14, y - 10});
    }
    return pins;
}

// ---------------------------------------------------------------- parts of the field

// A tulip pocket whose mouth is at (cx, cy).
void pocket(Canvas& c, int cx, int cy, const LampHue& h)
{
    c.fill(cx - 8, cy + 2, 17, 8, col::black);
    roundRectGrad(c, cx - 9, cy + 2, 19, 10, 3, {h.off[1], h.on[0], h.on[1]});
    c.hline(cx - 7, cx + 7, cy + 3, col::white);
    c.fill(cx - 6, cy - 1, 13, 4, col::black);
    c.polygon({cx - 9.0, cy + 2.0, cx - 15.0, cy - 6.0, cx - 11.0, cy - 6.0, cx - 6.0, cy + 1.0}, h.on[1]);
    c.polygon({cx + 10.0, cy + 2.0, cx + 16.0, cy - 6.0, cx + 12.0, cy - 6.0, cx + 7.0, cy + 1.0}, h.on[1]);
    c.line(cx - 15, cy - 6, cx - 9, cy + 2, col::white);
    c.line(cx + 10, cy + 2, cx + 16, cy - 6, col::black);
}

void spinnerPlate(Canvas& c, double cx, double cy)
{
    c.disc(cx, cy, 17, col::black);
    c.ring(cx, cy, 17, 2, col::gold);
    c.ring(cx, cy, 15, 1, col::brown);
    c.disc(cx, cy, 12, col::indigo);
}

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
    pocket(c, (int)unitX(g::kStartPocket.x), (int)unitY(g::kStartPocket.y), *kPocketHues[0]);
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
    for (int k = 0; k < 12; k++) { // the studs round the rim
        double a = k * M_PI / 6;
        c.set((int)(cx + 21 * std::cos(a)), (int)(cy + 21 * std::sin(a)), col::yellow);
    }
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
        pocket(c, (int)unitX(g::kPockets[k].at.x), (int)unitY(g::kPockets[k].at.y), *kPocketHues[k]);
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
        lens(c, side ? 310 : 94, 0, 76, 34, h, L.frame, 12);
        for (int k = 0; k < 3; k++)
            shapeLamp(c, starShape(X(112 + 20 * k), 17, 7, 3), X(112 + 20 * k), 17, 8, hue::yellow, L.frame);
        c.disc(X(72.5), 51.5, 14, col::black);
        c.ring(X(72.5), 51.5, 14, 1.5, col::gold);
        bulb(c, X(72.5), 51.5, 11, hue::yellow, L.frame);
        lens(c, side ? 430 : 0, 68, 49, 73, h, L.frame, 14);
        double cx = X(24.5), cy = 104;
        for (int k = 0; k < 5; k++) {
            double a = k * 2 * M_PI / 5 - M_PI / 2;
            c.disc(cx + 9 * std::cos(a), cy + 9 * std::sin(a), 6, L.frame ? col::white : h.off[2]);
        }
        c.disc(cx, cy, 4, L.frame ? col::yellow : col::olive);
    }
    // the payout lamp
    {
        int x = 4, y = 38;
        roundRect(c, x, y, 48, 30, 8, col::black);
        lens(c, x + 1, y + 1, 46, 28, hue::green, L.payout, 8);
        drawTextOutlined(c, x + 24 - textWidth("OUT") / 2, y + 11, "OUT", L.payout ? col::white : col::grey,
                         col::black);
    }
    // the machine-top sign: the kind of the last fever
    {
        int x = 386, y = 4, k = L.sign;
        const LampHue& h = k == 0 ? hue::white : k == 1 ? hue::yellow : k == 2 ? hue::red : hue::violet;
        roundRect(c, x, y, 90, 30, 6, col::black);
        lens(c, x + 1, y + 1, 88, 28, h, k != 0, 6);
        const char* label = k == 0 ? "-----" : k == 1 ? "FEVER" : k == 2 ? "CHANCE" : "SUPER!";
        drawTextOutlined(c, x + 45 - textWidth(label) / 2, y + 11, label, k ? col::white : col::grey, col::black);
    }
}

Canvas drawBoard(const Lights& L)
{
    Canvas c(480, 432);
    drawFrame(c);
    drawField(c);
    for (const Point& p : kSpinnerAt)
        spinnerPlate(c, p.x + 18, p.y + 18);
    for (auto& p : pinPlaces())
        pin(c, p.first, p.second);
    drawFeature(c, L);
    drawSides(c, L);
    drawBottom(c, L);
    drawCorners(c, L);
    return c;
}

// ---------------------------------------------------------------- sprites

Canvas ball()
{
    Canvas c(12, 12, col::key);
    c.sphere(6, 6, 5.6, {col::black, col::grey, col::silver, col::ice, col::white});
    return c;
}

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
    out.picture(502, base, false);
    out.picture(520, ball(), true);

    // 521: frame lamps, unlit then lit, left pieces then right ones
    {
        Canvas s(152, 272, col::black);
        const Piece left[3] = {{94, 0, 76, 34}, {54, 37, 37, 29}, {0, 68, 49, 73}};
        const Piece right[3] = {{310, 0, 76, 34}, {389, 37, 37, 29}, {430, 68, 49, 73}};
        for (int k = 0; k < 3; k++) {
            int y = kFrameLampLeft[k].y;
            s.blit(base, left[k].x, left[k].y, left[k].w, left[k].h, 0, y);
            s.blit(lit, left[k].x, left[k].y, left[k].w, left[k].h, kFrameLampLitX, y);
            s.blit(base, right[k].x, right[k].y, right[k].w, right[k].h, 0, kFrameLampRightY + y);
            s.blit(lit, right[k].x, right[k].y, right[k].w, right[k].h, kFrameLampLitX, kFrameLampRightY + y);
        }
        out.picture(521, s, false);
    }
    {
        Canvas s(48, 60);
        s.blit(base, 4, 38, 48, 30, 0, 0);
        s.blit(lit, 4, 38, 48, 30, 0, 30);
        out.picture(522, s, false);
    }
    out.picture(523, spinners(), true);
    {
        Canvas s(90, 120);
        for (int k = 0; k < 4; k++) {
            Lights l;
            l.sign = k;
            s.blit(drawBoard(l), 386, 4, 90, 30, 0, 30 * k);
        }
        out.picture(524, s, false);
    }

    // 601: the held-start lamp
    {
        Canvas s(8, 16);
        s.blit(base, kHeldLampAt[0].x, kHeldLampAt[0].y, 8, 8, kHeldLampUnlit.x, kHeldLampUnlit.y);
        s.blit(lit, kHeldLampAt[0].x, kHeldLampAt[0].y, 8, 8, kHeldLampLit.x, kHeldLampLit.y);
        out.picture(601, s, false);
    }
    // 603: the decorative lamps
    {
        Canvas s(96, 229);
        for (const LampGroup& g : kLampGroups) {
            s.blit(base, g.left.x, g.left.y, g.w, g.h, g.leftUnlit.x, g.leftUnlit.y);
            s.blit(lit, g.left.x, g.left.y, g.w, g.h, g.leftLit.x, g.leftLit.y);
            s.blit(base, g.right.x, g.right.y, g.w, g.h, g.rightUnlit.x, g.rightUnlit.y);
            s.blit(lit, g.right.x, g.right.y, g.w, g.h, g.rightLit.x, g.rightLit.y);
        }
        out.picture(603, s, false);
    }
    // 604: the chance plate
    {
        Canvas s(kChancePlateW, kChancePlateH * kChancePlateFrames);
        for (int f = 0; f < kChancePlateFrames; f++) {
            Lights l;
            l.chance = f;
            s.blit(drawBoard(l), kChancePlateAt.x, kChancePlateAt.y, kChancePlateW, kChancePlateH, 0, kChancePlateH * f);
        }
        out.picture(604, s, false);
    }
    // 605: the attacker
    {
        Canvas s(kAttackerW, 3 * kAttackerH);
        for (int f = 0; f < 3; f++) {
            Lights l;
            l.attacker = f;
            s.blit(drawBoard(l), kAttackerAt.x, kAttackerAt.y, kAttackerW, kAttackerH, 0, kAttackerH * f);
        }
        out.picture(605, s, false);
    }
    // 609: the gate and the digit-start lamps
    {
        Canvas s(34, 123);
        for (int f = 0; f < kGateImages; f++) {
            Lights l;
            l.gate = f;
            s.blit(drawBoard(l), kGateAt.x, kGateAt.y, kGateW, kGateH, 0, kGateH * f);
        }
        for (int f = 0; f < kStartLampsImages; f++) {
            Lights l;
            l.startLamps = f;
            s.blit(drawBoard(l), kDigitStartLampsAt.x, kDigitStartLampsAt.y, kStartLampsW, kStartLampsH, 0,
                   kStartLampsY + kStartLampsH * f);
        }
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
                c.line((int)unitX(no5PathTable[p][i - 1][0]), (int)unitY(no5PathTable[p][i - 1][1]), (int)unitX(e[0]),
                       (int)unitY(e[1]), colour);
            if (e[0])
                c.fill((int)unitX(e[0]) - 1, (int)unitY(e[1]) - 1, 2, 2, col::white);
        }
    }
    return c;
}
