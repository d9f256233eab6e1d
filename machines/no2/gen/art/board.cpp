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

#include "board.h"
#include "no2_art.h"
#include "no2_art_layout.h"

#include "no2_board_geometry.h"
#include "no2_paths.h"

using namespace no2art;
namespace g = no2board;

namespace {

// The rail arc every board shares: the inner edge of the guide rail 288
// pixels from its centre; inner rails at x 22 and 458.
const Field kField = fieldRoundArc(g::kArcCentre.x, g::kArcCentre.y, 288);

bool inField(double x, double y) { return kField.inside(x, y); }

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
    lacquer(c, kLacquer, 0.5, 0.3, -1, 55.0, 1800.0);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            if ((x + 2 * y) % 37 == 0)
                c.set(x, y, col::indigo);
    // The guide rail: a chrome band just outside the field, gold on its outer lip.
    guideRail(c, kField, kChrome, 10);
    guideRailLip(c, kField, 10, 3, kGold);
    // The launch rail up the left side, running into the arc; the inner rails
    // down both sides of the field.
    launchRail(c, 146);
    innerRails(c, 150, kField.leftRail, kField.rightRail, col::white, col::silver, col::silver, col::grey);
}

void drawField(Canvas& c)
{
    // deep emerald, a little lighter behind the reels
    fieldGlow(c, kField, {col::black, col::darkGreen, col::darkGreen, col::green}, 240, 210, 1.15, 300, 0.75, 0.8);
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
    sparkles(c, kField, 702, 90, rgb(1, 3, 1));
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
        if (std::hypot(x - ballX(p.x), y - ballY(p.y) - 4) < 15)
            return false;
    if (std::hypot(x - ballX(g::kStartPocket.x), y - ballY(g::kStartPocket.y) - 4) < 16)
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
PixelList pinPlaces()
{
    // the paths that fall through the pins
    PixelList pins = pinGrid({44, 10, 384, 30, 12, 452, 10, 2}, kField, pathBallCentres(no2PathTable, 192),
                             clearOfFeatures);
    for (const g::BoardPoint& p : g::kPrizePockets)
        gatePins(pins, (int)ballX(p.x), (int)ballY(p.y), -8);
    return pins;
}

// ---------------------------------------------------------------- parts

void windmillPlate(Canvas& c, double cx, double cy)
{
    millPlate(c, cx, cy, 18, col::gold, col::olive, rgb(0, 1, 0));
    plateStuds(c, cx, cy, 15, 8, col::yellow);
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
        double cx = ballX(p.x), cy = ballY(p.y) - 10;
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
    tulipPocket(c, (int)ballX(g::kStartPocket.x), (int)ballY(g::kStartPocket.y), hue::yellow);
    for (int k = 0; k < 4; k++)
        tulipPocket(c, (int)ballX(g::kPrizePockets[k].x), (int)ballY(g::kPrizePockets[k].y), k < 2 ? kLime : kPink);
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
                if (std::hypot(px + 0.5 - kField.arcX, y + 0.5 - kField.arcY) > kField.radius + 16)
                    shape.set((int)px, y, col::white);
            }
        maskLamp(c, shape, X(14), 84, 40, h, L.frame);
        shapeLamp(c, starShape(X(16), 94, 9, 4), X(16), 94, 9, kSun, L.frame);
    }
    payoutLamp(c, kLime, L.payout);
    // The machine-top sign, one plate per fever kind.
    topSign(c, L.feverKind, {&hue::white, &kSun, &kLime, &kPink}, {"JOLVINA", "FEVER", "CHANCE", "SUPER!"});
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
    drawPins(c, pinPlaces());
    drawPockets(c);
    drawCrest(c);
    drawWindow(c, L);
    drawDoor(c, L);
    return c;
}

// ---------------------------------------------------------------- sprites

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
    boardPictures(out, base, lit, lit, windmills(), boardStates(drawBoard, &Lights::feverKind));
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
    forEachPathPoint(no2PathTable, 194, [&](int p, int x, int y) {
        c.set((int)ballX(x), (int)ballY(y), p < 128 ? col::lime : p < 192 ? col::magenta : col::cyan);
    });
    return c;
}
