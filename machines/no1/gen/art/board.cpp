// Machine No.1's board (picture 502) and the play screen pieces cut from
// it: frame lamps (521), payout lamp (522), windmills (523), machine-top
// sign (524), ball (520), the held-start lamp (601), the lamp pairs
// (602..605) and the attacker (606).
//
// ORBITEX is a night in space: a deep blue field full of stars and a
// violet nebula, orbits drawn round the display window, a ringed planet on
// the crest, chrome rails and an indigo lacquered cabinet. The board is
// drawn once with every lamp off and once with every lamp on; the lamp
// pieces are cut from those drawings, so a lamp layer copied over the board
// never shows a seam. Pins stand beside the ball paths (never on them),
// pockets and windmills where the balls go.
#include <algorithm>
#include <cmath>

#include "board.h"
#include "board_plan.h"
#include "no1_art.h"
#include "no1_art_layout.h"
#include "no1_paths.h"

using namespace no1art;
namespace plan = no1plan;

namespace {

// The field inside the guide rail (its inner edge 288 pixels from the arc's
// centre) and the inner rails at x 22 and 458.
const Field kField = fieldRoundArc(plan::kArcCentre.x, plan::kArcCentre.y, 288);

bool inField(double x, double y) { return kField.inside(x, y); }

// The ball centres of the paths that fall through the pins (first and
// second stage; the attacker's runs are inside the door).
PixelList pinnedBallCentres() { return pathBallCentres(no1PathTable, 192); }

// What is lit; the base board has everything off.
struct Lights {
    bool frame = false, payout = false, held = false;
    bool reel = false, side = false, pocket = false, corner = false;
    bool doorOpen = false;
    int feverKind = 0;
};

// ---------------------------------------------------------------- cabinet

void drawCabinet(Canvas& c)
{
    // Indigo lacquer with a soft diagonal sheen.
    lacquer(c, {col::black, col::indigo, col::purple, col::violet}, 0.5, 0.3, -1, 55.0, 1600.0, 0.8);
    // Chrome guide rail just outside the field.
    guideRail(c, kField, {col::grey, col::white, col::ice, col::silver, col::grey, col::black}, 10);
    // The launch rail up the left side, the inner rails down both sides of the field.
    launchRail(c, 110);
    innerRails(c, 100, kField.leftRail, kField.rightRail, col::white, col::silver, col::silver, col::grey);
}

// ---------------------------------------------------------------- field

void star(Canvas& c, int x, int y, uint8_t core, int arm)
{
    c.set(x, y, col::white);
    for (int k = 1; k <= arm; k++) {
        uint8_t t = k == arm ? core : col::white;
        c.set(x - k, y, t);
        c.set(x + k, y, t);
        c.set(x, y - k, t);
        c.set(x, y + k, t);
    }
}

void drawField(Canvas& c)
{
    Noise n(1502);
    fieldGlow(c, kField, {col::black, col::navy, col::navy, col::blue}, 240, 230, 1, 310, 0.85, 1);
    // A violet nebula drifting across the upper field and one low on the right.
    const double clouds[][4] = {{110, 70, 90, 34}, {360, 60, 80, 30}, {380, 300, 60, 40}, {90, 320, 50, 36}};
    for (auto& k : clouds)
        for (int y = (int)(k[1] - k[3]); y <= k[1] + k[3]; y++)
            for (int x = (int)(k[0] - k[2]); x <= k[0] + k[2]; x++) {
                if (!inField(x, y))
                    continue;
                double dx = (x - k[0]) / k[2], dy = (y - k[1]) / k[3];
                double w = 1 - (dx * dx + dy * dy) - 0.25 * std::sin(x / 7.0 + y / 5.0);
                if (w <= 0)
                    continue;
                static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
                int level = (int)(w * 12);
                if (kBayer[y & 3][x & 3] < level)
                    c.set(x, y, w > 0.7 ? col::violet : col::indigo);
            }
    // Orbits: dotted ellipses round the display, the windmills on them.
    for (int k = 0; k < 2; k++) {
        double rx = 150 + 46 * k, ry = 74 + 36 * k;
        for (int i = 0; i < 900; i++) {
            double a = i * 2 * M_PI / 900;
            int x = (int)std::lround(240 + rx * std::cos(a)), y = (int)std::lround(210 + ry * std::sin(a) - 24 * std::cos(a) * 0);
            if (i % 3 == 0 && inField(x, y))
                c.set(x, y, k ? col::royal : col::aqua);
        }
    }
    // Stars, some with rays.
    for (int k = 0; k < 140; k++) {
        int x = 26 + n.next(430), y = 20 + n.next(400);
        if (!inField(x, y))
            continue;
        int kind = n.next(10);
        if (kind == 0)
            star(c, x, y, col::sky, 2);
        else if (kind == 1)
            star(c, x, y, col::yellow, 1);
        else
            c.set(x, y, kind < 5 ? col::sky : kind < 8 ? col::pale : col::white);
    }
    // Two small planets printed low on the field.
    c.sphere(58, 388, 9, {col::black, col::maroon, col::crimson, col::orange, col::amber});
    c.sphere(424, 392, 7, {col::black, col::darkGreen, col::green, col::lime});
    c.ring(424, 392, 11, 1, col::mint);
}

bool clearOfFeatures(double x, double y)
{
    for (const plan::Point& w : plan::kWindmillCentres)
        if (std::hypot(x - w.x, y - w.y) < 22)
            return false;
    for (const plan::Point& p : plan::kPocketPixels)
        if (std::hypot(x - p.x, y - p.y) < 15)
            return false;
    if (x >= 160 && x <= 320 && y >= 92 && y <= 296) // crest, held lamps, display, start pocket
        return false;
    if (y >= 356 && x > 100 && x < 380) // attacker and its lamps
        return false;
    if ((x < 50 && y > 170 && y < 314) || (x > 430 && y > 170 && y < 314)) // side lamps
        return false;
    if ((x > 60 && x < 116 && y > 322 && y < 394) || (x > 364 && x < 420 && y > 322 && y < 394)) // pocket lamps
        return false;
    if (y > 400) // the out hole's apron
        return false;
    return true;
}

// Pins on a staggered grid over the field, clear of the features; where the
// path table is known, a pin that a drawn ball would touch is left out, so
// no ball is ever drawn over a pin head.
PixelList pinPlaces()
{
    PixelList pins = pinGrid({42, 12, 400, 30, 16, 452, 10, 4}, kField, pinnedBallCentres(), clearOfFeatures);
    for (const plan::Point& p : plan::kPocketPixels)
        gatePins(pins, (int)p.x, (int)p.y, -10);
    return pins;
}

// ---------------------------------------------------------------- parts

void windmillPlate(Canvas& c, double cx, double cy)
{
    millPlate(c, cx, cy, 18, col::silver, col::grey, col::navy);
    plateStuds(c, cx, cy, 15, 8, col::sky);
}

// The crest over the display: a ringed planet with the title across it.
void drawCrest(Canvas& c)
{
    const double cx = 240, cy = 126;
    // the back half of the ring
    for (int y = 100; y < 152; y++)
        for (int x = 170; x < 311; x++) {
            double dx = (x + 0.5 - cx) / 66, dy = (y + 0.5 - cy) / 16;
            double d = dx * dx + dy * dy;
            if (d <= 1 && d >= 0.62 && y < cy)
                c.rampPixel(x, y, {col::brown, col::amber, col::cream}, 1 - std::fabs(d - 0.8) * 4);
        }
    c.sphere(cx, cy, 24, {col::black, col::indigo, col::violet, col::lavender, col::pale, col::white});
    // cloud bands on the planet
    for (int y = (int)cy - 22; y < cy + 22; y++)
        for (int x = (int)cx - 24; x < cx + 24; x++)
            if (std::hypot(x - cx, y - cy) < 23 && ((y - (int)cy + 40) / 5) % 3 == 0 && ((x + y) & 1))
                c.set(x, y, col::purple);
    // the front half of the ring
    for (int y = 100; y < 152; y++)
        for (int x = 170; x < 311; x++) {
            double dx = (x + 0.5 - cx) / 66, dy = (y + 0.5 - cy) / 16;
            double d = dx * dx + dy * dy;
            if (d <= 1 && d >= 0.62 && y >= cy)
                c.rampPixel(x, y, {col::brown, col::amber, col::yellow, col::white}, 1 - std::fabs(d - 0.8) * 4);
        }
    // the title plate
    roundRectGrad(c, 198, 142, 84, 18, 6, {col::white, col::silver, col::grey, col::black});
    roundRect(c, 200, 144, 80, 14, 5, col::navy);
    drawTextRamp(c, 240 - textWidth("ORBITEX") / 2, 147, "ORBITEX", {col::amber, col::yellow, col::cream, col::white},
                 col::black, 1);
}

// Held-start lamps: a dark strip with four oval lenses, all the same.
void drawHeldLamps(Canvas& c, const Lights& L)
{
    roundRectGrad(c, 200, 162, 80, 16, 5, {col::grey, col::silver, col::grey, col::black});
    c.fill(203, 164, 74, 12, col::black);
    for (int i = 0; i < 4; i++)
        lens(c, 205 + 18 * i, 165, 16, 10, hue::green, L.held, 4);
}

void drawDisplayBezel(Canvas& c)
{
    int x = 186, y = 180;
    roundRectGrad(c, x - 5, y - 5, 118, 90, 7, {col::white, col::ice, col::silver, col::grey, col::black});
    c.fill(x - 1, y - 1, 110, 82, col::black);
    // rivets
    for (int k = 0; k < 4; k++) {
        int rx = k % 2 ? x + 110 : x - 3, ry = k / 2 ? y + 82 : y - 3;
        c.set(rx, ry, col::white);
        c.set(rx + 1, ry, col::grey);
    }
    c.fill(x, y, 108, 80, col::navy); // behind the display (always covered)
}

// The lamp pairs (602..605), each drawn inside its own place so two lamps
// in different states never share a pixel.
void drawReelLamps(Canvas& c, const Lights& L)
{
    for (int side = 0; side < 2; side++)
        lens(c, side ? 299 : 166, 173, 15, 30, hue::violet, L.reel, 6);
}

void drawSideLamps(Canvas& c, const Lights& L)
{
    for (int side = 0; side < 2; side++) {
        int x = side ? 435 : 3, y = 177;
        // a tall lens shaped like a rocket's flame, three stars up it
        roundRect(c, x, y, 42, 132, 16, col::black);
        lens(c, x + 2, y + 2, 38, 128, hue::orange, L.side, 15);
        for (int k = 0; k < 3; k++) {
            double sy = y + 24 + 40 * k, sx = x + 21;
            shapeLamp(c, starShape(sx, sy, 12, 5, side ? 0.3 : 0), sx, sy, 13, hue::yellow, L.side);
        }
        c.hline(x + 10, x + 31, y + 3, L.side ? col::white : col::grey);
    }
}

void drawPocketLamps(Canvas& c, const Lights& L)
{
    for (int side = 0; side < 2; side++) {
        int x = side ? 371 : 65, y = 327; // drawn in 44 of the 46 columns
        double cx = x + 22, cy = y + 30;
        c.disc(cx, cy, 20, col::black);
        c.ring(cx, cy, 20, 2, col::silver);
        Canvas glass(c.w, c.h, col::key);
        bulb(glass, cx, cy, 16, side ? hue::cyan : hue::green, L.pocket);
        c.blit(glass, x, y, 44, 62, x, y, true);
        // a ring round the planet lamp
        for (int i = 0; i < 200; i++) {
            double a = i * 2 * M_PI / 200;
            int px = (int)std::lround(cx + 21 * std::cos(a)), py = (int)std::lround(cy + 7 * std::sin(a) - 3 * std::cos(a));
            if (px >= x && px < x + 44 && (py > cy || std::hypot(px - cx, py - cy) > 16))
                c.set(px, py, L.pocket ? col::yellow : col::olive);
        }
    }
}

void drawCornerLamps(Canvas& c, const Lights& L)
{
    for (int side = 0; side < 2; side++) {
        int x = side ? 325 : 112, y = 371; // drawn in the 43 columns clear of the pocket lamps
        roundRect(c, x, y, 43, 58, 10, col::black);
        roundRectGrad(c, x + 1, y + 1, 41, 56, 9, {col::grey, col::navy, col::navy, col::black});
        // a comet: its head high towards the attacker, its tail down towards the cabinet's edge
        double hx = side ? x + 14 : x + 29, hy = y + 17;
        double tx = side ? x + 38 : x + 5, ty = y + 53;
        double len = std::hypot(tx - hx, ty - hy), px = -(ty - hy) / len, py = (tx - hx) / len;
        shapeLamp(c, {hx + 10 * px, hy + 10 * py, tx, ty, hx - 10 * px, hy - 10 * py}, hx, hy, len, hue::cyan,
                  L.corner);
        bulb(c, hx, hy, 9, hue::yellow, L.corner);
    }
}

// The attacker: closed, a chrome plate with a row of lamps; open, the flap
// tilted forward over a red channel running to the V zone on the right.
void drawAttacker(Canvas& c, const Lights& L)
{
    int x = 182, y = 360;
    roundRectGrad(c, x, y, 116, 40, 5, {col::white, col::silver, col::grey, col::black});
    if (!L.doorOpen) {
        c.fill(x + 6, y + 6, 104, 22, col::grey);
        c.dither(x + 6, y + 6, 104, 22, col::grey, col::silver, 6);
        c.bevel(x + 6, y + 6, 104, 22, col::black, col::white);
        drawTextOutlined(c, x + 58 - textWidth("ATTACKER") / 2, y + 14, "ATTACKER", col::yellow, col::black);
        for (int k = 0; k < 5; k++)
            bulb(c, x + 18 + 20 * k, y + 33, 2.5, hue::red, false);
    } else {
        c.fill(x + 3, y + 3, 110, 30, col::black);
        c.vgrad(x + 5, y + 10, 106, 20, {col::maroon, col::crimson, col::red});
        // the channel the balls run along, and the V pocket at its right end
        c.hline(x + 6, x + 100, y + 18, col::amber);
        for (int k = 0; k < 4; k++)
            c.fill(x + 14 + 22 * k, y + 24, 8, 4, col::black); // the plain holes
        shapeLamp(c, {x + 96.0, y + 8.0, x + 101.0, y + 8.0, x + 104.0, y + 16.0, x + 107.0, y + 8.0, x + 112.0,
                      y + 8.0, x + 106.0, y + 22.0, x + 102.0, y + 22.0},
                  x + 104, y + 14, 10, hue::green, true);
        drawText(c, x + 8, y + 5, "OPEN", col::yellow);
        // the flap, tilted forward
        c.fill(x, y + 32, 116, 8, col::silver);
        c.hline(x, x + 115, y + 32, col::white);
        c.hline(x, x + 115, y + 39, col::grey);
        for (int k = 0; k < 5; k++)
            bulb(c, x + 18 + 20 * k, y + 36, 2.5, hue::yellow, true);
    }
}

// The apron over the out hole, with the window of the count digit.
void drawApron(Canvas& c)
{
    roundRectGrad(c, 176, 400, 128, 32, 6, {col::white, col::silver, col::grey, col::black});
    c.fill(182, 410, 116, 8, col::indigo);
    c.hline(182, 297, 410, col::violet);
    c.fill(231, 400, 19, 25, col::black);
    c.frame(231, 400, 19, 25, col::grey);
    c.fill(233, 402, 15, 21, col::black);
    drawText(c, 190, 412, "COUNT", col::ice);
    drawText(c, 256, 412, "V-GO", col::lime);
}

void drawCorners(Canvas& c, const Lights& L)
{
    // Frame lamps: left-hand pieces, mirrored on the right.
    for (int side = 0; side < 2; side++) {
        const LampHue& h = side ? hue::cyan : hue::violet;
        auto X = [&](double x) { return side ? 480 - x : x; };
        frameLampLenses(c, side, h, L.frame);
        shapeLamp(c, starShape(X(132), 17, 13, 5.5, side ? 0.3 : 0), X(132), 17, 14, hue::yellow, L.frame);
        for (int k = 0; k < 3; k++)
            bulb(c, X(106 + 10 * k), 17, 2.5, hue::white, L.frame);
        bulb(c, X(72.5), 51.5, 12, h, L.frame);
        // a crescent moon on the lower piece
        Canvas moon(c.w, c.h, col::key);
        moon.disc(X(24.5), 104, 20, col::white);
        moon.disc(X(24.5) + (side ? -8 : 8), 98, 17, col::key);
        for (int y = 68; y < 141; y++)
            for (int x = side ? 430 : 0; x < (side ? 479 : 49); x++)
                if (moon.get(x, y) == col::white)
                    c.rampPixel(x, y, L.frame ? hue::yellow.on : hue::yellow.off, L.frame ? 0.4 + (141 - y) / 120.0 : 0.6);
    }
    payoutLamp(c, hue::green, L.payout);
    // Machine-top sign: four plates, stars either side of the lit ones.
    {
        int x = kTopSignAt.x, y = kTopSignAt.y, k = L.feverKind;
        topSign(c, k, {&hue::white, &hue::yellow, &hue::cyan, &hue::violet}, {"ORBITEX", "FEVER", "COMET", "GALAXY"});
        if (k)
            for (int s = 0; s < 2; s++)
                shapeLamp(c, starShape(s ? x + 80 : x + 10, y + 15, 6, 2.5), s ? x + 80 : x + 10, y + 15, 6,
                          hue::yellow, true);
    }
}

Canvas drawBoard(const Lights& L)
{
    Canvas c(480, 432);
    drawCabinet(c);
    drawField(c);
    for (const plan::Point& w : plan::kWindmillCentres)
        windmillPlate(c, w.x, w.y);
    drawPins(c, pinPlaces());
    drawCrest(c);
    drawHeldLamps(c, L);
    drawDisplayBezel(c);
    drawReelLamps(c, L);
    drawSideLamps(c, L);
    // pockets: the start pocket yellow under the display, the prize pockets green
    for (int k = 0; k < plan::kPocketCount; k++)
        tulipPocket(c, (int)plan::kPocketPixels[k].x, (int)plan::kPocketPixels[k].y, k == 0 ? hue::yellow : hue::green);
    drawPocketLamps(c, L);
    drawCornerLamps(c, L);
    drawApron(c);
    drawAttacker(c, L);
    drawCorners(c, L);
    return c;
}

// ---------------------------------------------------------------- sprites

// One windmill frame: a little satellite of `blades` solar panels turned by `angle`.
void windmill(Canvas& c, int ox, int oy, int blades, double angle, const Ramp& panel, uint8_t hub)
{
    double cx = ox + 18, cy = oy + 18;
    for (int b = 0; b < blades; b++) {
        double a = angle + b * 2 * M_PI / blades;
        double ux = std::cos(a), uy = std::sin(a), vx = -uy, vy = ux;
        // the arm, then a panel at its end
        c.thickLine(cx, cy, cx + 9 * ux, cy + 9 * uy, 2, col::silver);
        std::vector<double> p = {cx + 7 * ux + 4 * vx,  cy + 7 * uy + 4 * vy,  cx + 16.5 * ux + 5 * vx,
                                 cy + 16.5 * uy + 5 * vy, cx + 16.5 * ux - 5 * vx, cy + 16.5 * uy - 5 * vy,
                                 cx + 7 * ux - 4 * vx,  cy + 7 * uy - 4 * vy};
        Canvas tmp(c.w, c.h, col::key);
        tmp.polygon(p, col::white);
        for (int y = oy; y < oy + 36; y++)
            for (int x = ox; x < ox + 36; x++)
                if (tmp.get(x, y) != col::key) {
                    double d = std::hypot(x - cx, y - cy) / 16;
                    c.rampPixel(x, y, panel, 1.1 - d);
                    if (((x - ox) + (y - oy)) % 4 == 0)
                        c.set(x, y, panel.front());
                }
    }
    c.disc(cx, cy, 5, col::black);
    c.sphere(cx, cy, 4, {col::grey, hub, col::white}, false);
}

Canvas windmills()
{
    Canvas c(36, 216, col::key);
    for (int f = 0; f < 3; f++) {
        windmill(c, 0, 36 * f, 3, f * (2 * M_PI / 9), {col::maroon, col::red, col::orange, col::amber, col::yellow},
                 col::yellow);
        windmill(c, 0, 108 + 36 * f, 4, f * (M_PI / 6), {col::navy, col::blue, col::royal, col::sky, col::ice},
                 col::cyan);
    }
    c.outline(col::black);
    return c;
}

// A lamp pair: the left-hand lamp in the top half, the right-hand one in the
// bottom half, unlit then lit.
void cutPair(Canvas& sheet, const Canvas& base, const Canvas& lit, const LampPair& p, int leftX, int rightX, int y)
{
    cutLamp(sheet, base, lit, {leftX, y, p.w, p.h}, 0, 0, p.w, 0);
    cutLamp(sheet, base, lit, {rightX, y, p.w, p.h}, 0, p.h, p.w, p.h);
}

} // namespace

void makeBoard(ArtSet& out)
{
    Lights off;
    Lights on;
    on.frame = on.payout = on.held = on.reel = on.side = on.pocket = on.corner = true;
    Canvas base = drawBoard(off);
    Canvas lit = drawBoard(on);
    boardPictures(out, base, lit, lit, windmills(), boardStates(drawBoard, &Lights::feverKind));
    // 601: the held-start lamp (the first of the four), unlit and lit.
    {
        Canvas s(32, 10);
        cutLamp(s, base, lit, {205, 165, 16, 10}, 0, 0, kHeldLampLitX, 0);
        out.picture(601, s, false);
    }
    // 602..605: the lamp pairs.
    {
        struct Pair {
            LampPair p;
            int leftX, rightX, y;
        };
        const Pair pairs[] = {{kReelLamps, 166, 299, 173},
                              {kSideLamps, 3, 435, 177},
                              {kPocketLamps, 65, 369, 327},
                              {kCornerLamps, 109, 325, 371}};
        for (const Pair& p : pairs) {
            Canvas s(2 * p.p.w, 2 * p.p.h);
            cutPair(s, base, lit, p.p, p.leftX, p.rightX, p.y);
            out.picture(p.p.id, s, false);
        }
    }
    // 606: the attacker, closed and open.
    {
        Canvas s(116, 80);
        Lights open;
        open.doorOpen = true;
        cutLamp(s, base, drawBoard(open), {182, 360, 116, 40}, kAttackerClosed.x, kAttackerClosed.y, kAttackerOpen.x,
                kAttackerOpen.y);
        out.picture(606, s, false);
    }
}

// The board with every ball path over it (--paths).
Canvas boardWithPaths()
{
    Canvas c = drawBoard(Lights());
    int k = 0;
    for (auto& p : pinnedBallCentres())
        c.set(p.first, p.second, (k++ % 2) ? col::lime : col::magenta);
    return c;
}
