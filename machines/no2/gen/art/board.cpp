// Machine No.2's board (picture 502) and the play screen pieces cut from it:
// frame lamps (521), payout lamp (522), machine-top sign (524), held-start
// lamps (601), side decorations (603), bottom corner lamps (604) and the
// attacker (605); the ball (520), the windmills (523) and the reel window's
// lamps (602), which are sprites.
//
// The board is drawn with every lamp off, and again in each lit state; every
// lamp piece is cut from those drawings at the place the play screen puts it
// (no2_art_layout.h), so a lamp layer copied over the board never shows a
// seam. Pieces that overlap on the view (the frame lamps and the upper side
// lamps, the small and the lower side pieces) are checked to agree where
// they overlap, whatever each shows.
//
// JOLVINA's look: a violet cabinet with gold trim round an emerald field, a
// gold crest over the reel window, sunny yellow, pink and lime lamps, and
// flower panels down both sides that glow through the field when they light.
#include <algorithm>
#include <cmath>

#include "lamps.h"
#include "no2_art.h"
#include "no2_art_layout.h"

#include "no2_board_geometry.h"
#include "no2_paths.h"

using namespace no2art;
namespace g = no2board;

namespace {

// Ball centre in pixels of board point (x, y): the ball is drawn at (4x - 2, 4y - 4).
double unitX(int x) { return 4 * x + 4; }
double unitY(int y) { return 4 * y + 2; }

// The rail arc every board shares: the inner edge of the guide rail 288
// pixels from its centre; inner rails at x 22 and 458.
const double kArcX = unitX(g::kArcCentre.x), kArcY = unitY(g::kArcCentre.y), kFieldR = 288;
const int kLeftRail = 22, kRightRail = 458;

bool inField(double x, double y)
{
    return std::hypot(x - kArcX, y - kArcY) < kFieldR && x > kLeftRail && x < kRightRail;
}

// The stage's mouths: where the paths of zones 3 and 4 end (board units).
const g::BoardPoint kStageMouths[2] = {g::kEntry[3], g::kEntry[4]};

// What is lit; the base board has everything off.
struct Lights {
    bool frame = false, payout = false;
    bool held[4] = {};
    bool upperSide = false;
    int lowerSide = 0; // 0 off, 1 lit in a spin, 2 lit in a fever
    bool smallOther = false;
    bool corners = false;
    bool doorOpen = false, doorLamp = false, vLit = false, vHit = false;
    int feverKind = 0;
};

// Palettes of the machine.
const Ramp kLacquer = {col::indigo, col::purple, col::violet, col::lavender};
const Ramp kGold = {col::olive, col::gold, col::amber, col::yellow, col::cream};
const Ramp kChrome = {col::grey, col::white, col::silver, col::grey, col::black};
// Unlit, the glass keeps a little of its colour, so the board stays cheerful
// between the flashes; lit, it glows up to white.
const LampHue kPink = {{col::indigo, col::purple, col::violet}, {col::magenta, col::pink, col::rose, col::white}};
const LampHue kSun = {{col::maroon, col::brown, col::gold}, {col::orange, col::amber, col::yellow, col::cream, col::white}};
const LampHue kLime = {{col::black, col::darkGreen, col::green}, {col::green, col::lime, col::mint, col::white}};

// A lamp lens in any shape: `shape` marks its pixels (anything but the key
// colour), shaded round (cx, cy) like shapeLamp, with a dark rim.
void maskLamp(Canvas& c, const Canvas& shape, double cx, double cy, double r, const LampHue& h, bool lit)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (shape.get(x, y) == col::key)
                continue;
            bool edge = shape.get(x - 1, y) == col::key || shape.get(x + 1, y) == col::key ||
                        shape.get(x, y - 1) == col::key || shape.get(x, y + 1) == col::key;
            double d = std::min(1.0, std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r);
            if (edge)
                c.set(x, y, lit ? h.on[0] : col::black);
            else if (lit)
                c.rampPixel(x, y, h.on, 1.0 - 0.85 * d);
            else
                c.rampPixel(x, y, h.off, 0.95 - 0.7 * d);
        }
}

// ---------------------------------------------------------------- frame and field

void drawFrame(Canvas& c)
{
    // Violet lacquer with a soft diagonal sheen and a fine gold pinstripe.
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            double t = 0.5 + 0.3 * std::sin((x - y) / 55.0) - y / 1800.0;
            c.rampPixel(x, y, kLacquer, t);
            if ((x + 2 * y) % 37 == 0)
                c.set(x, y, col::indigo);
        }
    // The guide rail: a chrome band just outside the field, gold on its outer lip.
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            double d = std::hypot(x + 0.5 - kArcX, y + 0.5 - kArcY);
            if (x < 4 || x >= 476)
                continue;
            if (d >= kFieldR && d < kFieldR + 10)
                c.rampPixel(x, y, kChrome, (d - kFieldR) / 10);
            else if (d >= kFieldR + 10 && d < kFieldR + 13)
                c.rampPixel(x, y, kGold, 1.0 - (d - kFieldR - 10) / 3);
        }
    // The launch rail up the left side, running into the arc.
    for (int y = 146; y < c.h; y++)
        for (int x = 2; x < 20; x++)
            c.rampPixel(x, y, {col::black, col::grey, col::silver, col::white, col::silver, col::grey, col::black},
                        (x - 2) / 17.0);
    // Inner rails down both sides of the field.
    for (int y = 150; y < c.h; y++) {
        c.vline(kLeftRail, y, y, col::white);
        c.vline(kLeftRail + 1, y, y, col::silver);
        c.vline(kRightRail, y, y, col::silver);
        c.vline(kRightRail + 1, y, y, col::grey);
    }
}

void drawField(Canvas& c)
{
    Noise n(702);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (!inField(x + 0.5, y + 0.5))
                continue;
            // deep emerald, a little lighter behind the reels
            double d = std::hypot(x - 240.0, (y - 210.0) * 1.15) / 300.0;
            c.rampPixel(x, y, {col::black, col::darkGreen, col::darkGreen, col::green}, 0.75 - 0.8 * d);
        }
    // Printed swirls of leaves curling out from the middle.
    for (int side = 0; side < 2; side++)
        for (int k = 0; k < 3; k++) {
            double a0 = 0.4 + 0.9 * k;
            for (int i = 0; i < 120; i++) {
                double t = i / 120.0, a = a0 + 3.2 * t, r = 60 + 150 * t;
                double x = 240 + (side ? 1 : -1) * r * std::cos(a) * 0.95, y = 210 + r * std::sin(a) * 0.8;
                if (inField(x, y) && !inField(x, y - 1000))
                    c.set((int)x, (int)y, (i / 6) % 2 ? col::green : rgb(1, 2, 0));
            }
        }
    // Sparkles.
    for (int k = 0; k < 90; k++) {
        int x = 30 + n.next(420), y = 30 + n.next(380);
        if (inField(x, y))
            c.set(x, y, n.next(3) ? rgb(1, 3, 1) : col::white);
    }
}

// A panel of the field that lights from behind: a flower of five petals and a
// ring of small stars round it. `look` 0 unlit, 1 sunny (a spin), 2 pink (a fever).
void flowerPanel(Canvas& c, double cx, double cy, double r, int look)
{
    const LampHue& petals = look == 2 ? kPink : kSun;
    const LampHue& heart = look == 2 ? kSun : kPink;
    bool lit = look != 0;
    for (int k = 0; k < 5; k++) {
        double a = -M_PI / 2 + k * 2 * M_PI / 5;
        double px = cx + 0.55 * r * std::cos(a), py = cy + 0.55 * r * std::sin(a);
        Canvas shape(c.w, c.h, col::key);
        std::vector<double> petal;
        for (int i = 0; i < 24; i++) {
            double t = i * 2 * M_PI / 24;
            double ex = 0.48 * r * std::cos(t), ey = 0.3 * r * std::sin(t);
            petal.push_back(px + ex * std::cos(a) - ey * std::sin(a));
            petal.push_back(py + ex * std::sin(a) + ey * std::cos(a));
        }
        shape.polygon(petal, col::white);
        maskLamp(c, shape, px, py, 0.5 * r, petals, lit);
    }
    c.disc(cx, cy, 0.3 * r + 1, col::black);
    bulb(c, cx, cy, 0.3 * r, heart, lit);
    for (int k = 0; k < 10; k++) {
        double a = -M_PI / 2 + (k + 0.5) * 2 * M_PI / 10;
        double sx = cx + 1.08 * r * std::cos(a), sy = cy + 1.08 * r * std::sin(a);
        shapeLamp(c, starShape(sx, sy, 4.5, 2), sx, sy, 5, k % 2 ? kLime : kSun, lit && (look == 2 || k % 2 == 0));
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

struct Spot {
    double x, y, r;
};

// Where no pin is driven: the windmills' plates, the pockets and the side lamps.
const Spot kKeepClear[] = {
    {108, 138, 21}, {372, 138, 21}, {116, 258, 21}, {364, 258, 21}, // windmills
    {30, 176, 22},  {450, 176, 22}, // upper side lamps
};

bool clearOfFeatures(double x, double y)
{
    for (const Spot& s : kKeepClear)
        if (std::hypot(x - s.x, y - s.y) < s.r)
            return false;
    for (const g::BoardPoint& p : g::kPrizePockets) // the pockets' cups
        if (std::hypot(x - unitX(p.x), y - unitY(p.y) - 4) < 15)
            return false;
    if (std::hypot(x - unitX(g::kStartPocket.x), y - unitY(g::kStartPocket.y) - 4) < 16)
        return false;
    if (x >= 132 && x <= 348 && y >= 88 && y <= 304) // crest, reel window and stage
        return false;
    if (x >= 176 && x <= 304 && y >= 384) // the attacker
        return false;
    if ((x < 38 && y > 214 && y < 280) || (x > 442 && y > 214 && y < 280)) // small side pieces
        return false;
    return true;
}

// Pins on a staggered grid over the field, clear of the features. Every pin
// stands midway between the points where balls are drawn (ball centres lie
// at 4x + 4, 4y + 2), and a pin that a path point would touch is left out,
// so no ball is ever drawn on a pin head.
std::vector<std::pair<int, int>> pinPlaces()
{
    std::vector<std::pair<int, int>> points;
    for (int p = 0; p < 192; p++) // the paths that fall through the pins
        for (int i = 0; i < 32; i++) {
            const unsigned char* e = no2PathTable[p][i];
            if (e[0] == 0xFF)
                break;
            points.push_back({(int)unitX(e[0]), (int)unitY(e[1])});
        }
    std::vector<std::pair<int, int>> pins;
    for (int row = 0; row * 10 + 44 < 384; row++) {
        int y = 44 + 10 * row;
        for (int x = 30 + (row % 2) * 6; x < 452; x += 12) {
            if (std::hypot(x - kArcX, y - kArcY) > kFieldR - 10 || !clearOfFeatures(x, y))
                continue;
            bool touched = false;
            for (auto& q : points)
                if (std::abs(q.first - x) < 2 && std::abs(q.second - y) < 2)
                    touched = true;
            if (!touched)
                pins.push_back({x, y});
        }
    }
    // The gate pins either side of every pocket.
    for (const g::BoardPoint& p : g::kPrizePockets) {
        int x = (int)unitX(p.x), y = (int)unitY(p.y);
        pins.push_back({x - 14, y - 8});
        pins.push_back({x + 14, y - 8});
    }
    return pins;
}

// ---------------------------------------------------------------- parts

// A tulip pocket whose opening is at (cx, cy).
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

void windmillPlate(Canvas& c, double cx, double cy)
{
    c.disc(cx, cy, 18, col::black);
    c.ring(cx, cy, 18, 2, col::gold);
    c.ring(cx, cy, 16, 1, col::olive);
    c.disc(cx, cy, 13, rgb(0, 1, 0));
    for (int k = 0; k < 8; k++) {
        double a = k * M_PI / 4;
        c.set((int)(cx + 15 * std::cos(a)), (int)(cy + 15 * std::sin(a)), col::yellow);
    }
}

// The gold crest over the reel window, with the machine's name.
void drawCrest(Canvas& c)
{
    int x = 168, y = 92, w = 144, h = 56;
    // a ribbon with swallow-tail ends behind the plate
    for (int side = 0; side < 2; side++) {
        double d = side ? 1 : -1, ex = 240 + d * 86;
        c.polygon({240 + d * 60, y + 22.0, ex, y + 20.0, ex - d * 8, y + 31.0, ex, y + 42.0, 240 + d * 60, y + 40.0},
                  col::crimson);
        c.line((int)(240 + d * 60), y + 22, (int)ex, y + 20, col::red);
    }
    roundRectGrad(c, x, y, w, h, 14, {col::cream, col::yellow, col::amber, col::gold, col::brown});
    roundRectGrad(c, x + 4, y + 4, w - 8, h - 8, 11, {col::indigo, col::purple, col::violet, col::purple});
    for (int k = 0; k < 12; k++) // little bulbs round the plate
        bulb(c, x + 10 + 11.3 * k, y + 2.5, 2, kSun, k % 2 == 0);
    drawTextRamp(c, 240 - textWidth("JOLVINA", 3) / 2, y + 13, "JOLVINA", {col::brown, col::amber, col::yellow, col::cream,
                                                                            col::white}, col::black, 3);
    drawTextOutlined(c, 240 - textWidth("NO.2") / 2, y + 40, "NO.2", col::pink, col::black);
}

// The reel window's bezel, the dividers between the reels, the stage under
// them and the stage's two mouths at the window's upper corners.
void drawWindow(Canvas& c, const Lights& L)
{
    roundRectGrad(c, 136, 157, 208, 142, 12, {col::cream, col::yellow, col::amber, col::gold, col::olive});
    roundRect(c, 139, 160, 202, 136, 10, col::black);
    roundRectGrad(c, 141, 162, 198, 132, 8, {col::purple, col::indigo, col::purple});
    // the glass: black behind the reels, chrome bars between them
    c.fill(155, 178, 170, 100, col::black);
    for (int k = 0; k < 2; k++) {
        int x = kReelX + kReelW + kReelStep * k; // 206, 264
        c.hgrad(x + 1, kReelY, 8, kReelH, {col::grey, col::white, col::silver, col::grey});
    }
    c.frame(156, 179, 168, 98, col::grey);
    // The held-start lamps over the reels: 0 a round lamp, 1 and 2 diamonds, 3 a star.
    for (int i = 0; i < 4; i++) {
        int x = kHeldLampX + kHeldLampStep * i, y = kHeldLampY;
        c.fill(x, y, kHeldLampW, kHeldLampH, col::black);
        c.bevel(x, y, kHeldLampW, kHeldLampH, col::grey, col::black);
        bool lit = L.held[i];
        double cx = x + 10, cy = y + 9;
        if (i == 0)
            bulb(c, cx, cy, 6, kLime, lit);
        else if (i < 3)
            shapeLamp(c, {cx, cy - 7.5, cx + 8.5, cy, cx, cy + 7.5, cx - 8.5, cy}, cx, cy, 9, kSun, lit);
        else
            shapeLamp(c, starShape(cx, cy + 0.5, 8, 3.5), cx, cy, 8, kPink, lit);
    }
    // The stage: a polished shelf under the reels; balls roll on its top at y 292
    // and drop through the notch in its middle.
    {
        int x0 = 176, x1 = 304, top = 292;
        c.fill(x0, 278, x1 - x0, top - 278, col::black);
        for (int x = x0; x < x1; x++) {
            double u = (x - 240.0) / 64.0;
            int depth = 7 - (int)(2 * u * u);
            for (int y = top; y < top + depth; y++)
                c.rampPixel(x, y, {col::white, col::rose, col::pink, col::magenta, col::purple}, (y - top) / 7.0);
        }
        c.hline(x0, x1 - 1, top, col::white);
        c.fill(234, top, 12, 5, col::black); // the notch
        c.hline(234, 245, top + 5, col::gold);
        for (int k = 0; k < 6; k++) { // tiny lamps along its front
            int lx = x0 + 12 + 20 * k + (k >= 3 ? 8 : 0);
            c.set(lx, top + 3, k % 2 ? col::yellow : col::cyan);
        }
    }
    // The stage's mouths: a ball of zone 3 or 4 goes in here and comes out on the stage.
    for (const g::BoardPoint& p : kStageMouths) {
        double cx = unitX(p.x), cy = unitY(p.y) - 10;
        c.disc(cx, cy, 7, col::gold);
        c.disc(cx, cy, 5, col::black);
        c.set((int)cx - 2, (int)cy - 3, col::grey);
    }
}

void drawSides(Canvas& c, const Lights& L)
{
    for (int side = 0; side < 2; side++) {
        auto X = [&](double x) { return side ? 480 - x : x; };
        // Lower side panels: flowers glowing through the field (pins go over them).
        const Placed& lower = kLowerSide[side];
        Canvas panel(c.w, c.h, col::key);
        flowerPanel(panel, X(46), 342, 36, L.lowerSide);
        for (int y = lower.y; y < lower.y + lower.from.h; y++)
            for (int x = lower.x; x < lower.x + lower.from.w; x++)
                if (panel.get(x, y) != col::key && inField(x + 0.5, y + 0.5))
                    c.set(x, y, panel.get(x, y));
        // Upper side lamps: a sun lantern on the rail.
        {
            double cx = X(31), cy = 176;
            Canvas shape(c.w, c.h, col::key);
            shape.ellipse(cx, cy, 18, 28, col::white);
            c.ellipse(cx, cy, 20, 30, col::black);
            c.ring(cx, cy, 21, 2, col::gold);
            maskLamp(c, shape, cx - 3, cy - 8, 30, kSun, L.upperSide);
            shapeLamp(c, starShape(cx, cy + 1, 12, 5), cx, cy, 12, kPink, L.upperSide);
        }
        // Small side pieces: three bulbs on the rail, lit on the other face.
        {
            double cx = X(19);
            c.fill((int)cx - 7, 221, 14, 53, col::black);
            roundRect(c, (int)cx - 6, 222, 13, 51, 5, col::indigo);
            for (int k = 0; k < 3; k++)
                bulb(c, cx + 0.5, 232 + 16 * k, 5, k == 1 ? kLime : kPink, L.smallOther);
        }
    }
}

void drawPockets(Canvas& c)
{
    pocket(c, (int)unitX(g::kStartPocket.x), (int)unitY(g::kStartPocket.y), hue::yellow);
    for (int k = 0; k < 4; k++)
        pocket(c, (int)unitX(g::kPrizePockets[k].x), (int)unitY(g::kPrizePockets[k].y), k < 2 ? kLime : kPink);
}

void drawCorners(Canvas& c, const Lights& L)
{
    // Bottom corner lamps: a shell of three lenses fanning out from the door.
    for (int side = 0; side < 2; side++) {
        const Placed& p = kCornerLamp[side];
        double cx = side ? p.x + 4 : p.x + 46, cy = p.y + 40;
        for (int k = 0; k < 3; k++) {
            double a0 = (side ? 1.5 * M_PI : M_PI) + k * (M_PI / 2) / 3; // up and outwards from the door
            double a1 = a0 + (M_PI / 2) / 3 - 0.08;
            std::vector<double> fan = {cx, cy};
            for (int i = 0; i <= 8; i++) {
                double a = a0 + (a1 - a0) * i / 8;
                fan.push_back(cx + 38 * std::cos(a));
                fan.push_back(cy + 38 * std::sin(a));
            }
            Canvas shape(c.w, c.h, col::key);
            shape.polygon(fan, col::white);
            shape.disc(cx, cy, 8, col::key);
            maskLamp(c, shape, cx, cy, 40, k == 1 ? kPink : kSun, L.corners);
        }
        c.disc(cx, cy, 7, col::gold);
        c.disc(cx, cy, 4, col::amber);
    }
    // Frame lamps: pieces on the cabinet above and left of the rail, mirrored.
    for (int side = 0; side < 2; side++) {
        const LampHue& h = side ? kLime : kPink;
        auto X = [&](double x) { return side ? 480 - x : x; };
        lens(c, side ? 311 : 95, 2, 74, 30, h, L.frame, 12);
        shapeLamp(c, starShape(X(132), 17, 12, 5), X(132), 17, 13, kSun, L.frame);
        c.disc(X(72.5), 51.5, 13.5, col::black);
        bulb(c, X(72.5), 51.5, 12, kSun, L.frame);
        // the tall lamp follows the rail: its lens stops short of the band
        Canvas shape(c.w, c.h, col::key);
        for (int y = 70; y < 128; y++)
            for (int x = 2; x < 47; x++) {
                double px = side ? 479 - x : x;
                if (std::hypot(px + 0.5 - kArcX, y + 0.5 - kArcY) > kFieldR + 16)
                    shape.set((int)px, y, col::white);
            }
        maskLamp(c, shape, X(14), 84, 40, h, L.frame);
        shapeLamp(c, starShape(X(16), 94, 9, 4), X(16), 94, 9, kSun, L.frame);
    }
    // Payout lamp.
    {
        int x = 4, y = 38;
        roundRect(c, x, y, 48, 30, 8, col::black);
        lens(c, x + 1, y + 1, 46, 28, kLime, L.payout, 8);
        drawTextOutlined(c, x + 24 - textWidth("OUT") / 2, y + 11, "OUT", L.payout ? col::white : col::grey, col::black);
    }
    // The machine-top sign, one plate per fever kind.
    {
        int x = 386, y = 4, k = L.feverKind;
        const LampHue& h = k == 0 ? hue::white : k == 1 ? kSun : k == 2 ? kLime : kPink;
        roundRect(c, x, y, 90, 30, 6, col::black);
        lens(c, x + 1, y + 1, 88, 28, h, k != 0, 6);
        const char* label = k == 0 ? "JOLVINA" : k == 1 ? "FEVER" : k == 2 ? "CHANCE" : "SUPER!";
        drawTextOutlined(c, x + 45 - textWidth(label) / 2, y + 11, label, k ? col::white : col::grey, col::black);
    }
}

// The attacker: a door that tips forward to catch balls, its lamp at the
// left, the V pocket in the middle and the round's number at the right.
void drawDoor(Canvas& c, const Lights& L)
{
    const int x = kDoorClosed.x, y = kDoorClosed.y, w = kDoorClosed.from.w, h = kDoorClosed.from.h;
    roundRectGrad(c, x, y, w, h, 6, {col::cream, col::yellow, col::amber, col::gold, col::olive});
    if (!L.doorOpen) {
        roundRectGrad(c, x + 4, y + 4, w - 8, h - 8, 4, {col::violet, col::purple, col::indigo});
        for (int k = 0; k < 5; k++) { // chevrons pointing down into the door
            double cx = x + 18 + 20 * k, cy = y + 15;
            c.polygon({cx - 7, cy - 4, cx, cy + 3, cx + 7, cy - 4, cx + 7, cy, cx, cy + 7, cx - 7, cy}, col::pink);
        }
        drawTextOutlined(c, x + w / 2 - textWidth("ATTACKER") / 2, y + 28, "ATTACKER", col::yellow, col::black);
        return;
    }
    // open: the flap's inside, dark, with a chrome lip the balls roll along
    c.fill(x + 3, y + 3, w - 6, h - 6, col::black);
    c.vgrad(x + 3, y + 3, w - 6, 22, {col::black, col::indigo, col::purple});
    c.fill(x + 3, y + 25, w - 6, 5, col::silver);
    c.hline(x + 3, x + w - 4, y + 25, col::white);
    c.hline(x + 3, x + w - 4, y + 29, col::grey);
    c.vgrad(x + 3, y + 30, w - 6, h - 33, {col::gold, col::brown, col::olive});
    // the lamp
    {
        const Placed& p = kDoorLamp;
        c.fill(p.x, p.y, p.from.w, p.from.h, col::black);
        shapeLamp(c, starShape(p.x + 11, p.y + 12.5, 10, 4.5), p.x + 11, p.y + 12, 11, kSun, L.doorLamp);
    }
    // the V part: a V-shaped pocket between two guide posts
    {
        const Placed& p = kDoorV;
        c.fill(p.x, p.y, p.from.w, p.from.h, col::black);
        c.frame(p.x, p.y, p.from.w, p.from.h, col::gold);
        double cx = p.x + 16;
        std::vector<double> vee = {cx - 13, p.y + 2.0, cx - 6, p.y + 2.0, cx, p.y + 12.0, cx + 6, p.y + 2.0,
                                   cx + 13, p.y + 2.0, cx + 3, p.y + 18.0, cx - 3, p.y + 18.0};
        const LampHue& vh = L.vHit ? kLime : kPink;
        shapeLamp(c, vee, cx, p.y + 8, 16, vh, L.vLit || L.vHit);
        if (L.vHit && L.vLit) // hit and on the bright blink: a white flash in the V
            shapeLamp(c, starShape(cx, p.y + 9, 5, 2), cx, p.y + 9, 5, hue::white, true);
    }
    // the round's window (its digit is the play screen's)
    c.fill(kRoundDigit.x, kRoundDigit.y, kRoundDigit.from.w, kRoundDigit.from.h, col::black);
    c.frame(kRoundDigit.x - 1, kRoundDigit.y - 1, kRoundDigit.from.w + 2, kRoundDigit.from.h + 2, col::grey);
}

Canvas drawBoard(const Lights& L)
{
    Canvas c(480, 432);
    drawFrame(c);
    drawField(c);
    drawSides(c, L);
    drawCorners(c, L);
    for (int k = 0; k < 4; k++)
        windmillPlate(c, kWindmillAt[k][0] + 18, kWindmillAt[k][1] + 18);
    for (auto& p : pinPlaces())
        pin(c, p.first, p.second);
    drawPockets(c);
    drawCrest(c);
    drawWindow(c, L);
    drawDoor(c, L);
    return c;
}

// ---------------------------------------------------------------- sprites

Canvas ball()
{
    Canvas c(12, 12, col::key);
    c.sphere(6, 6, 5.6, {col::black, col::grey, col::silver, col::ice, col::white});
    return c;
}

// One windmill frame: a flower of `petals` petals turned by `angle`.
void windmill(Canvas& c, int ox, int oy, int petals, double angle, const Ramp& body, const Ramp& hub)
{
    double cx = ox + 18, cy = oy + 18;
    Canvas shape(c.w, c.h, col::key);
    for (int b = 0; b < petals; b++) {
        double a = angle + b * 2 * M_PI / petals;
        std::vector<double> blade;
        for (int i = 0; i <= 12; i++) {
            double t = -0.45 + 0.9 * i / 12, r = 16 - 4 * std::abs(t) * std::abs(t) * 4;
            blade.push_back(cx + r * std::cos(a + t * 0.9));
            blade.push_back(cy + r * std::sin(a + t * 0.9));
        }
        blade.push_back(cx + 3 * std::cos(a + 0.6));
        blade.push_back(cy + 3 * std::sin(a + 0.6));
        blade.push_back(cx + 3 * std::cos(a - 0.6));
        blade.push_back(cy + 3 * std::sin(a - 0.6));
        shape.polygon(blade, col::white);
        // a stripe down each petal so the turning shows
        for (int i = 4; i < 15; i++)
            c.set((int)(cx + i * std::cos(a - 0.12)), (int)(cy + i * std::sin(a - 0.12)), col::white);
    }
    for (int y = oy; y < oy + 36; y++)
        for (int x = ox; x < ox + 36; x++)
            if (shape.get(x, y) != col::key && c.get(x, y) == col::key) {
                double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / 16;
                c.rampPixel(x, y, body, 1.0 - 0.75 * d);
            }
    c.disc(cx, cy, 5, col::black);
    c.sphere(cx, cy, 4, hub, true);
}

Canvas windmills()
{
    Canvas c(72, 216, col::key);
    for (int lit = 0; lit < 2; lit++)
        for (int f = 0; f < 3; f++) {
            Ramp upper = lit ? Ramp{col::amber, col::yellow, col::cream, col::white}
                             : Ramp{col::purple, col::magenta, col::pink, col::rose};
            windmill(c, 36 * lit, 36 * f, 4, f * (M_PI / 2) / 3, upper, {col::olive, col::gold, col::yellow});
            Ramp lower = {col::darkGreen, col::green, col::lime, col::mint};
            windmill(c, 36 * lit, 108 + 36 * f, 3, f * (2 * M_PI / 3) / 3, lower, {col::maroon, col::red, col::orange});
        }
    c.outline(col::black);
    return c;
}

// The window lamp `k` drawn at its place on a view-sized canvas.
void windowLamp(Canvas& c, int k, int state)
{
    const LampHue off = {{col::black, col::indigo, col::purple}, {col::indigo}};
    const LampHue* hues[4] = {&off, &kSun, &kPink, &kLime};
    const LampHue& h = *hues[state];
    bool lit = state != 0;
    const Placed& p = kWindowLamp[k];
    if (k == kSideLeft || k == kSideRight) {
        lens(c, p.x, p.y + 1, p.from.w, p.from.h - 2, h, lit, 6);
        return;
    }
    bool right = k == kUpperRight || k == kLowerRight, lower = k == kLowerLeft || k == kLowerRight;
    // an L round the window's corner: an upright arm, a level arm and a jewel where they meet
    int ax = right ? p.x + 34 : p.x, ay = lower ? p.y + 31 : p.y;
    int cx = right ? p.x + 41 : p.x + 7, cy = lower ? p.y + 40 : p.y + 8;
    lens(c, ax, p.y + (lower ? 0 : 2), 14, 46, h, lit, 6);
    lens(c, p.x + (right ? 0 : 2), ay, 46, 17, h, lit, 6);
    c.disc(cx, cy, 8.5, col::black);
    c.ring(cx, cy, 8.5, 1.5, col::gold);
    bulb(c, cx, cy, 6.5, lit ? h : kSun, lit);
}

} // namespace

Canvas windowLampSheet()
{
    Canvas sheet(192, 228, col::key);
    for (int state = 0; state < 4; state++)
        for (int k = 0; k < kWindowLampCount; k++) {
            if (k == kSideRight)
                continue; // the side lamps share one piece
            Canvas view(480, 432, col::key);
            windowLamp(view, k, state);
            const Placed& p = kWindowLamp[k];
            sheet.blit(view, p.x, p.y, p.from.w, p.from.h, p.from.x + 48 * state, p.from.y);
        }
    Canvas out = sheet;
    return out;
}

void makeBoard(ArtSet& out)
{
    Lights off;
    Lights on;
    on.frame = on.payout = on.upperSide = on.smallOther = on.corners = true;
    on.lowerSide = 1;
    for (bool& h : on.held)
        h = true;
    Canvas base = drawBoard(off);
    Canvas lit = drawBoard(on);
    out.picture(502, base, false);
    out.picture(520, ball(), true);

    // 521: frame lamps, unlit then lit, left pieces then right ones.
    {
        Canvas s(152, 272, col::black);
        const Piece left[3] = {{94, 0, 76, 34}, {54, 37, 37, 29}, {0, 68, 49, 73}};
        const Piece right[3] = {{310, 0, 76, 34}, {389, 37, 37, 29}, {430, 68, 49, 73}};
        const int rows[3] = {0, 34, 63};
        for (int k = 0; k < 3; k++) {
            s.blit(base, left[k].x, left[k].y, left[k].w, left[k].h, 0, rows[k]);
            s.blit(lit, left[k].x, left[k].y, left[k].w, left[k].h, 76, rows[k]);
            s.blit(base, right[k].x, right[k].y, right[k].w, right[k].h, 0, 136 + rows[k]);
            s.blit(lit, right[k].x, right[k].y, right[k].w, right[k].h, 76, 136 + rows[k]);
        }
        out.picture(521, s, false);
    }
    // 522: payout lamp.
    {
        Canvas s(48, 60);
        s.blit(base, 4, 38, 48, 30, 0, 0);
        s.blit(lit, 4, 38, 48, 30, 0, 30);
        out.picture(522, s, false);
    }
    out.picture(523, windmills(), true);
    // 524: the machine-top sign, one plate per kind.
    {
        Canvas s(90, 120);
        for (int k = 0; k < 4; k++) {
            Lights l;
            l.feverKind = k;
            s.blit(drawBoard(l), 386, 4, 90, 30, 0, 30 * k);
        }
        out.picture(524, s, false);
    }
    // 601: held-start lamps, unlit column then lit; rows of lamps 0, 1 and 3.
    {
        Canvas s(40, 54);
        const int lampOfRow[3] = {0, 1, 3};
        for (int r = 0; r < 3; r++) {
            int x = kHeldLampX + kHeldLampStep * lampOfRow[r];
            s.blit(base, x, kHeldLampY, kHeldLampW, kHeldLampH, 0, kHeldLampH * r);
            s.blit(lit, x, kHeldLampY, kHeldLampW, kHeldLampH, kHeldLampLitX, kHeldLampH * r);
        }
        out.picture(601, s, false);
    }
    out.picture(602, windowLampSheet(), true);
    // 603: side decorations.
    Canvas sides(264, 427, col::black);
    {
        Lights fever = on;
        fever.lowerSide = 2;
        Canvas feverLit = drawBoard(fever);
        for (int side = 0; side < 2; side++) {
            const Placed& u = kUpperSide[side];
            sides.blit(base, u.x, u.y, u.from.w, u.from.h, u.from.x, u.from.y);
            sides.blit(lit, u.x, u.y, u.from.w, u.from.h, u.from.x + kUpperSideLitDx, u.from.y);
            const Placed& s = kSmallSide[side];
            sides.blit(base, s.x, s.y, s.from.w, s.from.h, s.from.x, s.from.y);
            sides.blit(lit, s.x, s.y, s.from.w, s.from.h, s.from.x + kSmallSideOtherDx, s.from.y);
            const Placed& l = kLowerSide[side];
            sides.blit(base, l.x, l.y, l.from.w, l.from.h, 0, l.from.y);
            sides.blit(lit, l.x, l.y, l.from.w, l.from.h, kLowerSideSpinX, l.from.y);
            sides.blit(feverLit, l.x, l.y, l.from.w, l.from.h, kLowerSideFeverX, l.from.y);
        }
        out.picture(603, sides, false);
    }
    // 604: bottom corner lamps.
    {
        Canvas s(100, 84);
        for (int side = 0; side < 2; side++) {
            const Placed& p = kCornerLamp[side];
            s.blit(base, p.x, p.y, p.from.w, p.from.h, 0, p.from.y);
            s.blit(lit, p.x, p.y, p.from.w, p.from.h, kCornerLampLitX, p.from.y);
        }
        out.picture(604, s, false);
    }
    // 605: the attacker and its parts.
    {
        Canvas s(116, 126, col::black);
        s.blit(base, kDoorClosed.x, kDoorClosed.y, 116, 42, 0, 0);
        Lights open;
        open.doorOpen = true;
        s.blit(drawBoard(open), kDoorOpen.x, kDoorOpen.y, 116, 42, 0, 42);
        for (int lampLit = 0; lampLit < 2; lampLit++) {
            Lights l = open;
            l.doorLamp = lampLit;
            const Placed& p = kDoorLamp;
            s.blit(drawBoard(l), p.x, p.y, p.from.w, p.from.h, lampLit ? kDoorLampLitX : p.from.x, p.from.y);
        }
        for (int hit = 0; hit < 2; hit++)
            for (int vLit = 0; vLit < 2; vLit++) {
                Lights l = open;
                l.vHit = hit;
                l.vLit = vLit;
                const Placed& p = kDoorV;
                s.blit(drawBoard(l), p.x, p.y, p.from.w, p.from.h, vLit ? kDoorVLitX : p.from.x,
                       hit ? kDoorVHitY : p.from.y);
            }
        out.picture(605, s, false);
    }

    // Pieces that overlap on the view must agree where they overlap, in every
    // state, or the one drawn last would show a seam.
    const Canvas* boards[] = {&base, &lit};
    for (const Canvas* b : boards)
        for (const Canvas* d : boards) {
            // frame lamp (0,68) 49x73 against the upper side lamp at (9,130): rows 130..140
            for (int side = 0; side < 2; side++)
                for (int y = 130; y < 141; y++)
                    for (int x = 9; x < 49; x++) {
                        int px = side ? 479 - x : x;
                        if (b->get(px, y) != d->get(px, y)) {
                            out.problems.push_back("the frame lamps and the upper side lamps differ where they overlap");
                            goto checked;
                        }
                    }
        }
checked:
    return;
}

// A debugging view: the board with every path drawn over it.
Canvas boardWithPaths()
{
    Canvas c = drawBoard(Lights());
    for (int p = 0; p < 194; p++)
        for (int i = 0; i < 32; i++) {
            const unsigned char* e = no2PathTable[p][i];
            if (e[0] == 0xFF)
                break;
            uint8_t colour = p < 128 ? col::lime : p < 192 ? col::magenta : col::cyan;
            c.set((int)unitX(e[0]), (int)unitY(e[1]), colour);
        }
    return c;
}
