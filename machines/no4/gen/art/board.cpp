// Machine No.4's board (picture 502) and the play screen's pieces cut from
// it: frame lamps (521), payout lamp (522), spinners (523), machine-top
// sign (524), ball (520), held-start lamp (601), decorative lamps (603),
// chance meter (604), attacker (605), wings (609) and the wing-lottery lamp
// (610).
//
// The board is drawn once with every lamp off and again with one element
// lit or changed at a time; each piece is cut from those drawings at its
// place (no4_art_layout.h), so a piece copied over the board never shows a
// seam, and a piece that overlaps another only differs from the board where
// its own lamp is.
#include <algorithm>
#include <cmath>

#include "no4_art.h"
#include "no4_art_layout.h"
#include "no4_board_shape.h"

using namespace no4art;
using namespace no4shape;

namespace {

namespace hues {
const LampHue pink = {{col::black, col::purple, rgb(2, 0, 2)}, {rgb(2, 0, 2), col::magenta, col::pink, col::rose, col::white}};
const LampHue gold = {{col::black, col::olive, col::brown}, {col::brown, col::amber, col::yellow, col::cream, col::white}};
} // namespace hues

// What is lit or shown; the base board has everything off, wings closed,
// the attacker closed.
struct Lights {
    bool frame = false, payout = false;
    int sign = 0;
    bool a = false, c = false, d = false, g = false, h = false;
    int chance = 0;
    int attacker = kAttackerClosed;
    int wings = 0;
    int wingLamp = -1; // -1: the lamp as the board shows it under the picture (off)
};

// ---------------------------------------------------------------- frame and field

void drawFrame(Canvas& c)
{
    // Magenta lacquer with a soft diagonal sheen.
    lacquer(c, {col::purple, rgb(2, 0, 2), col::magenta, col::pink}, 0.55, 0.35, -1, 55.0, 1500.0);
    // Gold guide rail just outside the field.
    guideRail(c, kField, {col::brown, col::cream, col::yellow, col::gold, col::olive}, 10);
    // The launch rail up the left side, gold inner rails.
    launchRail(c, 110);
    innerRails(c, 100, kField.leftRail, kField.rightRail, col::cream, col::gold, col::gold, col::olive);
}

void drawField(Canvas& c)
{
    Noise n(504);
    // A night sky: deep blue at the top, violet towards the bottom.
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            if (inField(x + 0.5, y + 0.5))
                c.rampPixel(x, y, {col::black, col::navy, col::indigo, col::purple}, 0.15 + y / 520.0);
    // A rainbow printed across the upper field, faint so the balls stand out.
    const uint8_t bands[6] = {col::maroon, col::brown, col::olive, col::darkGreen, col::navy, col::purple};
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (!inField(x + 0.5, y + 0.5))
                continue;
            double d = std::hypot(x + 0.5 - 240, y + 0.5 - 330);
            int band = (int)((236 - d) / 5);
            if (band >= 0 && band < 6 && ((x + y) % 3 != 0))
                c.set(x, y, bands[band]);
        }
    // Stars, some of them with four points.
    for (int k = 0; k < 90; k++) {
        int x = 30 + n.next(420), y = 30 + n.next(380);
        if (!inField(x, y))
            continue;
        uint8_t colour = n.next(3) ? col::sky : n.next(2) ? col::white : col::cream;
        c.set(x, y, colour);
        if (k % 9 == 0) {
            c.set(x - 1, y, col::royal);
            c.set(x + 1, y, col::royal);
            c.set(x, y - 1, col::royal);
            c.set(x, y + 1, col::royal);
        }
    }
}

// A prize pocket: a tulip whose mouth is at (cx, cy), with the balls it pays.
void prizePocket(Canvas& c, int cx, int cy, const LampHue& h)
{
    tulipPocket(c, cx, cy, h);
    drawText(c, cx - textWidth("15") / 2, cy + 4, "15", col::white);
}

// The out hole under the attacker, where lost balls leave the board.
void outHole(Canvas& c)
{
    const no4board::Box& b = no4board::kOutHole;
    int x0 = (int)ballX(b.x0) - 6, x1 = (int)ballX(b.x1) + 6, y0 = (int)ballY(b.y0) - 4;
    roundRectGrad(c, x0 - 3, y0 - 3, x1 - x0 + 6, 432 - y0 + 6, 8, {col::cream, col::gold, col::brown});
    roundRect(c, x0, y0, x1 - x0, 432 - y0 + 4, 6, col::black);
}

// A wing-lottery gate: two posts and the front bar the balls pass behind.
void gate(Canvas& c, const Piece& front)
{
    int x = front.x, y = front.y;
    for (int side = 0; side < 2; side++) {
        int px = side ? x + front.w - 4 : x + 1;
        c.fill(px, y - 6, 3, front.h + 16, col::grey);
        c.vline(px, y - 6, y + front.h + 9, col::white);
        c.vline(px + 2, y - 6, y + front.h + 9, col::black);
        c.disc(px + 1.5, y - 7, 2.5, col::silver);
    }
    roundRectGrad(c, x, y, front.w, front.h, 4, {col::rose, col::pink, col::magenta, rgb(2, 0, 2)});
    c.hline(x + 3, x + front.w - 4, y + 1, col::white);
    drawText(c, x + front.w / 2 - textWidth("GO") / 2, y + 3, "GO", col::yellow);
    c.frame(x, y, front.w, front.h, col::purple);
}

// ---------------------------------------------------------------- the display block

void heldLamp(Canvas& c, int x, int y, int image)
{
    c.fill(x, y, kHeldLampSize, kHeldLampSize, col::black);
    if (image == kHeldOff)
        bulb(c, x + 6, y + 6, 4.2, hue::orange, false);
    else if (image == kHeldOn)
        bulb(c, x + 6, y + 6, 4.2, hue::orange, true);
    else { // the newest: white hot with a ring
        c.ring(x + 6, y + 6, 5.5, 1.2, col::yellow);
        bulb(c, x + 6, y + 6, 4.0, hue::white, true);
    }
}

Canvas heldLampPicture(int image)
{
    Canvas s(kHeldLampSize, kHeldLampSize);
    heldLamp(s, 0, 0, image);
    return s;
}

void drawDisplayBlock(Canvas& c, const Lights& L)
{
    // The crown on top (C): three points, each with a jewel, a star in the middle.
    {
        const LampPiece& p = kLampC[0];
        int x = p.place.x, y = p.place.y;
        std::vector<double> crown = {x + 6.0, y + 50.0, x + 6.0, y + 18.0, x + 20.0, y + 30.0, x + 39.0, y + 6.0,
                                     x + 58.0, y + 30.0, x + 72.0, y + 18.0, x + 72.0, y + 50.0};
        std::vector<double> rim;
        for (size_t k = 0; k < crown.size(); k += 2) {
            rim.push_back(crown[k] + (crown[k] < x + 39 ? -2 : crown[k] > x + 39 ? 2 : 0));
            rim.push_back(crown[k + 1] + (k == 0 || k + 2 == crown.size() ? 1 : -2));
        }
        c.polygon(rim, col::olive);
        shapeLamp(c, crown, x + 39, y + 34, 40, hues::gold, L.c);
        bulb(c, x + 7, y + 16, 4, hue::cyan, L.c);
        bulb(c, x + 39, y + 6, 4.5, hues::pink, L.c);
        bulb(c, x + 71, y + 16, 4, hue::cyan, L.c);
        shapeLamp(c, starShape(x + 39, y + 35, 11, 4.5), x + 39, y + 35, 11, hue::red, L.c);
        c.fill(x + 8, y + 48, 62, 3, col::olive);
        c.hline(x + 8, x + 69, y + 48, col::yellow);
    }
    // The bezel round the three windows, and the glass behind them.
    roundRectGrad(c, 186, 172, 108, 64, 8, {col::white, col::silver, col::grey, col::silver, col::black});
    roundRect(c, 190, 176, 100, 56, 5, col::black);
    for (int w = 0; w < 3; w++) {
        int x = kWindowX[w];
        c.frame(x - 1, kWindowY - 1, kWindowW + 2, kWindowH + 2, col::grey);
        c.vgrad(x, kWindowY, kWindowW, kWindowH, {col::black, col::navy, col::black});
        c.line(x + 3, kWindowY + 30, x + 14, kWindowY + 4, col::navy);
    }
    // The held-start strip under the windows.
    c.fill(206, 228, 68, 12, col::black);
    for (int i = 0; i < 4; i++)
        heldLamp(c, kHeldLampPlaces[i].x, kHeldLampPlaces[i].y, kHeldOff);
    // The upper corners (G): a moon on the left, a star on the right.
    for (int side = 0; side < 2; side++) {
        const LampPiece& p = kLampG[side];
        double cx = p.place.x + (side ? 15 : 11), cy = p.place.y + 15;
        c.disc(cx, cy, 12, col::black);
        c.ring(cx, cy, 12, 1.5, col::gold);
        if (side == 0) {
            c.disc(cx, cy, 10, col::black);
            for (int y = (int)cy - 10; y <= (int)cy + 10; y++)
                for (int x = (int)cx - 10; x <= (int)cx + 10; x++)
                    if (std::hypot(x - cx, y - cy) < 9.5 && std::hypot(x - cx - 5, y - cy + 3) > 7.5)
                        c.rampPixel(x, y, L.g ? hue::yellow.on : hue::yellow.off,
                                    L.g ? 1.0 - std::hypot(x - cx, y - cy) / 12 : 0.7);
        } else {
            c.disc(cx, cy, 10, col::black);
            shapeLamp(c, starShape(cx, cy + 0.5, 9.5, 4), cx, cy, 10, hue::cyan, L.g);
        }
        // a little chain of jewels down the bezel's side
        for (int k = 0; k < 2; k++)
            bulb(c, cx + (side ? 2 : -2), cy + 18 + 6 * k, 2.2, side ? hue::cyan : hue::yellow, L.g);
    }
    // The lower arc (H): a rainbow smile under the held-start strip and a
    // column of bulbs beside each window row.
    {
        const LampPiece& p = kLampH[0];
        int x = p.place.x, y = p.place.y;
        const Ramp rainbow = {col::red, col::orange, col::yellow, col::lime, col::cyan, col::sky, col::violet};
        for (int j = y + 40; j < y + 60; j++)
            for (int i = x + 2; i < x + 122; i++) {
                double u = (i - (x + 62)) / 60.0, arc = 1 - u * u;
                if (j < y + 41 + 5 * arc || j > y + 50 + 7 * arc)
                    continue;
                if (L.h)
                    c.rampPixel(i, j, rainbow, (i - x - 2) / 120.0);
                else
                    c.set(i, j, ((i + j) & 1) ? col::purple : col::indigo);
            }
        for (int side = 0; side < 2; side++)
            for (int k = 0; k < 4; k++) {
                double bx = side ? x + 116 : x + 8, by = y + 3 + 9 * k;
                bulb(c, bx, by, 3, k % 2 ? hue::cyan : hues::pink, L.h);
            }
    }
    // The chance meter under the block.
    {
        int x = kChancePlace.x, y = kChancePlace.y;
        roundRectGrad(c, x, y, kChanceW, kChanceH, 6, {col::grey, col::silver, col::grey, col::black});
        roundRect(c, x + 2, y + 2, kChanceW - 4, kChanceH - 4, 5, col::black);
        bool on = L.chance > 0;
        if (on)
            roundRectGrad(c, x + 18, y + 4, kChanceW - 36, kChanceH - 8, 3, {col::maroon, col::crimson, col::maroon});
        drawTextOutlined(c, x + kChanceW / 2 - textWidth("CHANCE") / 2, y + 6, "CHANCE", on ? col::yellow : col::grey,
                         col::black);
        for (int k = 0; k < 2; k++) {
            double sx = k ? x + kChanceW - 10 : x + 10;
            shapeLamp(c, starShape(sx, y + 10.5, 7, 3), sx, y + 10, 7, k == 0 ? hue::red : hues::pink, L.chance > k);
        }
    }
}

// ---------------------------------------------------------------- side, corner and bottom parts

void drawSideLamps(Canvas& c, const Lights& L)
{
    for (int side = 0; side < 2; side++) {
        const LampPiece& p = kLampA[side];
        int x = p.place.x, y = p.place.y;
        const LampHue& h = side ? hue::cyan : hues::pink;
        lens(c, x + 2, y + 1, 34, 72, h, L.a, 14);
        for (int k = 0; k < 3; k++)
            shapeLamp(c, starShape(x + 19, y + 15 + 22 * k, 8, 3.5, k * 0.3), x + 19, y + 15 + 22 * k, 9, hue::yellow,
                      L.a);
    }
}

void drawCornerLamps(Canvas& c, const Lights& L)
{
    for (int side = 0; side < 2; side++) {
        const LampPiece& p = kLampD[side];
        double cx = p.place.x + 47.5, cy = p.place.y + 47.5;
        c.disc(cx, cy, 44, col::black);
        c.ring(cx, cy, 44, 3, col::gold);
        c.ring(cx, cy, 40, 1, col::olive);
        const LampHue& h = side ? hue::cyan : hues::pink;
        // a flower of six petals round a sun
        for (int k = 0; k < 6; k++) {
            double a = k * M_PI / 3 + (side ? M_PI / 6 : 0);
            double px = cx + 22 * std::cos(a), py = cy + 22 * std::sin(a);
            std::vector<double> petal;
            for (int s = 0; s < 16; s++) {
                double u = s * 2 * M_PI / 16;
                double ex = 14 * std::cos(u), ey = 8 * std::sin(u);
                petal.push_back(px + ex * std::cos(a) - ey * std::sin(a));
                petal.push_back(py + ex * std::sin(a) + ey * std::cos(a));
            }
            shapeLamp(c, petal, px, py, 14, k % 2 ? h : hue::violet, L.d);
        }
        c.disc(cx, cy, 12, col::black);
        bulb(c, cx, cy, 10, hue::yellow, L.d);
        // bulbs round the rim
        for (int k = 0; k < 12; k++) {
            double a = k * M_PI / 6 + M_PI / 12;
            bulb(c, cx + 39 * std::cos(a), cy + 39 * std::sin(a), 2.6, k % 2 ? hue::yellow : h, L.d);
        }
    }
}

// The start pocket, the wings either side of it and the wing-lottery lamp.
void drawWings(Canvas& c, const Lights& L)
{
    const double px = kStartPocketX, py = kStartPocketY;
    // the pocket: a cup with a gold rim, its mouth between the wings' feet
    roundRectGrad(c, (int)px - 13, (int)py - 2, 27, 14, 4, {col::gold, col::yellow, col::amber, col::brown});
    c.fill((int)px - 8, (int)py - 2, 17, 5, col::black);
    shapeLamp(c, starShape(px, py + 7.5, 4.5, 2), px, py + 7, 5, hue::red, true);
    // the lamp's socket above the mouth
    c.fill(kWingLampPlace.x - 1, kWingLampPlace.y - 1, kWingLampW + 2, kWingLampH + 2, col::black);
    // the wings: gold blades on pivots at the pocket's corners, kept inside
    // their picture whether open or closed
    for (int side = 0; side < 2; side++) {
        double dir = side ? 1 : -1;
        double pivotX = px + dir * 14, pivotY = py - 5;
        double angle = L.wings ? 0.6 : 0.1; // from upright, outwards: open, along the wing's run
        double len = 29;
        double tipX = pivotX + dir * len * std::sin(angle), tipY = pivotY - len * std::cos(angle);
        double nx = std::cos(angle) * 3.2, ny = std::sin(angle) * 3.2; // half the blade's width
        std::vector<double> blade = {pivotX - dir * nx, pivotY - ny, tipX - dir * nx, tipY - ny,
                                     tipX + dir * nx, tipY + ny,     pivotX + dir * nx, pivotY + ny};
        std::vector<double> shadow;
        for (size_t k = 0; k < blade.size(); k += 2) {
            shadow.push_back(blade[k] + 1.5);
            shadow.push_back(blade[k + 1] + 1.5);
        }
        c.polygon(shadow, col::black);
        shapeLamp(c, blade, pivotX, pivotY, len, L.wings ? hue::red : hue::orange, true);
        c.disc(tipX, tipY, 2.5, L.wings ? col::white : col::yellow);
        c.disc(pivotX, pivotY, 2.5, col::silver);
        c.set((int)pivotX, (int)pivotY, col::black);
    }
}

void wingLamp(Canvas& c, int x, int y, int image)
{
    // images 0..2 the lottery's colours, 3 the hit: a white-hot star on gold
    static const LampHue* const kHues[3] = {&hue::red, &hue::green, &hue::blue};
    c.fill(x, y, kWingLampW, kWingLampH, col::black);
    if (image < 0)
        return;
    if (image < 3) {
        lens(c, x, y, kWingLampW, kWingLampH, *kHues[image], true, 3);
    } else {
        lens(c, x, y, kWingLampW, kWingLampH, hue::yellow, true, 3);
        shapeLamp(c, starShape(x + 5, y + 7.5, 5, 2.2), x + 5, y + 7, 5, hue::white, true);
    }
}

void drawAttacker(Canvas& c, const Lights& L)
{
    int x = kAttackerPlace.x, y = kAttackerPlace.y;
    // the frame round the door, with its name
    roundRectGrad(c, x, y, kAttackerW, kAttackerH, 6, {col::cream, col::yellow, col::gold, col::brown});
    c.bevel(x, y, kAttackerW, kAttackerH, col::white, col::brown);
    int dx = x + 6, dy = y + 10, dw = kAttackerW - 12, dh = 24;
    if (L.attacker == kAttackerClosed) {
        roundRectGrad(c, dx, dy, dw, dh, 3, {col::rose, col::red, col::crimson, col::maroon});
        c.hline(dx + 2, dx + dw - 3, dy + 1, col::white);
        drawTextOutlined(c, x + kAttackerW / 2 - textWidth("ATTACKER") / 2, dy + 9, "ATTACKER", col::yellow,
                         col::maroon);
    } else {
        // the flap tips forward: its lip below, the inside dark, the V zone in the middle
        c.fill(dx, dy, dw, dh, col::black);
        c.vgrad(dx + 1, dy + 1, dw - 2, 12, {col::purple, col::indigo, col::black});
        c.fill(dx - 2, dy + dh - 5, dw + 4, 5, col::red);
        c.hline(dx - 2, dx + dw + 1, dy + dh - 5, col::rose);
        bool v = L.attacker == kAttackerV;
        int vx = x + kAttackerW / 2;
        c.fill(vx - 9, dy + 2, 18, 14, v ? col::green : col::darkGreen);
        std::vector<double> vee = {vx - 8.0, dy + 3.0, vx - 4.0, dy + 3.0, vx + 0.0, dy + 11.0, vx + 4.0, dy + 3.0,
                                   vx + 8.0, dy + 3.0, vx + 2.0, dy + 15.0, vx - 2.0, dy + 15.0};
        shapeLamp(c, vee, vx, dy + 8, 9, hue::green, v);
        for (int k = 0; k < 4; k++) {
            int lx = dx + 6 + 10 * k + (k >= 2 ? 28 : 0);
            bulb(c, lx + 3, dy + 8, 2.5, hue::yellow, v);
        }
    }
    drawText(c, x + 5, y + 2, "V", col::darkGreen);
    drawText(c, x + kAttackerW - 10, y + 2, "V", col::darkGreen);
    c.fill(x + 30, y + kAttackerH - 6, 40, 4, col::brown);
    drawText(c, x + kAttackerW / 2 - textWidth("15") / 2, y + kAttackerH - 7, "15", col::cream);
}

// ---------------------------------------------------------------- frame lamps, payout lamp, sign

void drawCorners(Canvas& c, const Lights& L)
{
    for (int side = 0; side < 2; side++) {
        const LampHue& h = side ? hue::cyan : hues::pink;
        auto X = [&](double x) { return side ? 480 - x : x; };
        frameLampLenses(c, side, h, L.frame);
        shapeLamp(c, starShape(X(132), 17, 13, 5.5), X(132), 17, 14, hue::yellow, L.frame);
        bulb(c, X(72.5), 51.5, 12, h, L.frame);
        shapeLamp(c, starShape(X(72.5), 52, 6, 2.6), X(72.5), 52, 6, hue::white, L.frame);
        for (int k = 0; k < 3; k++)
            bulb(c, X(24), 84 + 20 * k, 6, k == 1 ? hue::yellow : hue::white, L.frame);
    }
    payoutLamp(c, hue::green, L.payout);
    // Machine-top sign, one plate per fever kind.
    topSign(c, L.sign, {&hue::white, &hue::yellow, &hue::red, &hues::pink}, {"-----", "FEVER", "CHANCE", "MIRACLE"});
}

// ---------------------------------------------------------------- the whole board

Canvas drawBoard(const Lights& L)
{
    Canvas c(480, 432);
    drawFrame(c);
    drawField(c);
    outHole(c);
    for (int k = 0; k < 8; k++) {
        const Spot& s = kSpinnerPlaces[k];
        millPlate(c, s.x + 18, s.y + 18, k < 2 ? 15 : 17, col::gold, col::olive, col::indigo);
    }
    drawPins(c, pinPlaces());
    for (const Piece& g : kGateFronts)
        gate(c, g);
    const LampHue* const kPocketHues[4] = {&hue::green, &hue::green, &hue::cyan, &hue::cyan};
    for (int k = 1; k < no4board::kPocketCount; k++)
        prizePocket(c, (int)ballX(no4board::kPockets[k].at.x), (int)ballY(no4board::kPockets[k].at.y),
                    *kPocketHues[k - 1]);
    drawDisplayBlock(c, L);
    drawSideLamps(c, L);
    drawCornerLamps(c, L);
    drawWings(c, L);
    wingLamp(c, kWingLampPlace.x, kWingLampPlace.y, L.wingLamp < 0 ? 0 : L.wingLamp);
    drawAttacker(c, L);
    drawCorners(c, L);
    return c;
}

// ---------------------------------------------------------------- sprites

// One spinner frame: `blades` blades turned by `angle`.
void spinner(Canvas& c, int ox, int oy, double r, int blades, double angle, const Ramp& body, uint8_t hub)
{
    double cx = ox + 18, cy = oy + 18;
    for (int b = 0; b < blades; b++) {
        double a = angle + b * 2 * M_PI / blades;
        double a2 = a + 0.55;
        std::vector<double> blade = {cx + 3 * std::cos(a + 1.6), cy + 3 * std::sin(a + 1.6), cx + r * std::cos(a),
                                     cy + r * std::sin(a), cx + (r - 1) * std::cos(a2), cy + (r - 1) * std::sin(a2),
                                     cx + 3 * std::cos(a2 + 0.8), cy + 3 * std::sin(a2 + 0.8)};
        Canvas tmp(c.w, c.h, col::key);
        tmp.polygon(blade, body.back());
        for (int y = oy; y < oy + 36; y++)
            for (int x = ox; x < ox + 36; x++)
                if (tmp.get(x, y) != col::key)
                    c.rampPixel(x, y, body, 1.0 - 0.7 * std::hypot(x - cx, y - cy) / r);
    }
    c.disc(cx, cy, 4, col::black);
    c.sphere(cx, cy, 3, {col::grey, hub, col::white}, false);
}

Canvas spinners()
{
    Canvas c(36, 216, col::key);
    for (int f = 0; f < 3; f++) {
        // spinners 0 and 1: small star wheels under the attacker
        spinner(c, 0, kSpinnerSmallRow + 36 * f, 13, 5, f * (2 * M_PI / 15), {col::maroon, col::red, col::orange, col::amber},
                col::yellow);
        // the others: four-bladed fairy wheels
        spinner(c, 0, kSpinnerBigRow + 36 * f, 16, 4, f * (M_PI / 6), {col::purple, col::magenta, col::pink, col::rose},
                col::cyan);
    }
    Canvas out = c;
    out.outline(col::black);
    return out;
}

} // namespace

void makeBoard(ArtSet& out)
{
    const Lights off;
    const Canvas base = drawBoard(off);
    out.picture(502, base, false);
    out.picture(520, ballPicture(), true);
    // 521 and 522: the frame lamps and the payout lamp, each lit alone.
    {
        Lights frame, payout;
        frame.frame = true;
        payout.payout = true;
        out.picture(521, frameLampSheet(base, drawBoard(frame)), false);
        out.picture(522, payoutLampSheet(base, drawBoard(payout)), false);
    }
    out.picture(523, spinners(), true);
    // 524: the machine-top sign, one plate per fever kind.
    out.picture(524, topSignSheet(boardStates(drawBoard, &Lights::sign)), false);
    // 601: the held-start lamp, drawn on its own (the four on the board are the same).
    {
        Canvas s(kHeldLampSize, 3 * kHeldLampSize);
        for (int i = 0; i < 3; i++)
            s.blit(heldLampPicture(i), 0, kHeldLampSize * i);
        out.picture(601, s, false);
    }
    // 603: the decorative lamps, each cut from the board with only its group lit.
    {
        Canvas s(190, 484, col::black);
        auto put = [&](const LampPiece* pieces, int n, bool Lights::*group) {
            Lights on;
            on.*group = true;
            const Canvas lit = drawBoard(on);
            for (int i = 0; i < n; i++) {
                const LampPiece& p = pieces[i];
                cutLamp(s, base, lit, {p.place.x, p.place.y, p.unlit.w, p.unlit.h}, p.unlit.x, p.unlit.y, p.litX,
                        p.litY);
            }
        };
        put(kLampA, 2, &Lights::a);
        put(kLampC, 1, &Lights::c);
        put(kLampD, 2, &Lights::d);
        put(kLampG, 2, &Lights::g);
        put(kLampH, 1, &Lights::h);
        out.picture(603, s, false);
    }
    // 604, 605, 609: the chance meter, the attacker and the wings (closed and
    // open), each in its states.
    const BoardPiece chance = {kChancePlace.x, kChancePlace.y, kChanceW, kChanceH};
    const BoardPiece attacker = {kAttackerPlace.x, kAttackerPlace.y, kAttackerW, kAttackerH};
    const BoardPiece wings = {kWingsPlace.x, kWingsPlace.y, kWingsW, kWingsH};
    out.picture(604, stateColumn(chance, 3, boardStates(drawBoard, &Lights::chance)), false);
    out.picture(605, stateColumn(attacker, 3, boardStates(drawBoard, &Lights::attacker)), false);
    out.picture(609, stateColumn(wings, 2, boardStates(drawBoard, &Lights::wings)), false);
    // 610: the wing-lottery lamp.
    {
        Canvas s(kWingLampW, 4 * kWingLampH);
        for (int k = 0; k < 4; k++)
            wingLamp(s, 0, kWingLampH * k, k);
        out.picture(610, s, false);
    }
}

// A debugging view: the board with every path drawn over it.
Canvas boardWithPaths()
{
    Canvas c = drawBoard(Lights());
    for (auto& p : pathPoints())
        c.fill(p.x - 1, p.y - 1, 3, 3, p.stage == 0 ? col::lime : p.stage == 1 ? col::white : col::cyan);
    return c;
}
