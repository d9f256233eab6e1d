// Machine No.3's board (picture 502) and the play screen pieces cut from it:
// frame lamps (521), payout lamp (522), windmills (523), fever-kind
// indicator (524), ball (520), the parts sheet (601) and the ornaments (602).
//
// The board is drawn once with every lamp off and once with every lamp on;
// the lamp pieces are cut from those two drawings, so a lamp layer copied
// over the board never shows a seam. Pins stand beside the committed ball
// paths (never on them), pockets and windmills where the board's geometry
// (no3_board_geometry.h) and so the paths have them.
#include <algorithm>
#include <cmath>

#include "board.h"
#include "no3_art.h"
#include "no3_art_layout.h"
#include "no3_board_geometry.h"
#include "no3_paths.h"

using namespace no3art;
namespace g = no3board;

namespace {

// The field inside the guide rail (its inner edge 288 pixels from the centre
// of the rail arc) and the inner rails at x 22 and 458.
const Field kField = fieldRoundArc(g::kArcCentre.x, g::kArcCentre.y, 288);

// What is lit; the base board has everything off.
struct Lights {
    bool frame = false, payout = false, held[4] = {}, side = false, corner = false, bottom = false;
    bool reelSide = false, top = false, pocket = false;
    int strip = -1; // lamp strip frame 0..3, -1 all off
    bool doorOpen = false;
    int vFrame = -1; // V strip frame while open
    int counter = 0;
    int feverKind = 0;
};

// ---------------------------------------------------------------- frame

void drawFrame(Canvas& c)
{
    // Red lacquered cabinet frame with a soft diagonal sheen.
    lacquer(c, {col::maroon, col::crimson, col::red}, 0.55, 0.35, 1, 60.0, 1400.0);
    // Chrome band just outside the field: the guide rail.
    guideRail(c, kField, {col::grey, col::white, col::silver, col::grey, col::black}, 10);
    // The launch rail up the left side, running into the arc; the inner rails
    // down both sides of the field.
    launchRail(c, 110);
    innerRails(c, 100, kField.leftRail, kField.rightRail, col::white, col::silver, col::silver, col::grey);
}

// ---------------------------------------------------------------- field

void drawField(Canvas& c)
{
    // deep electric blue, lighter towards the middle
    fieldGlow(c, kField, {col::black, col::navy, col::blue, col::royal}, 240, 220, 1, 300, 0.95, 1);
    // Lightning streaks across the field (printed on the board).
    const double bolts[][4] = {{40, 60, 110, 200}, {440, 60, 370, 200}, {60, 260, 130, 360}, {420, 260, 350, 360}};
    for (auto& b : bolts) {
        double x = b[0], y = b[1];
        int steps = 6;
        for (int k = 0; k < steps; k++) {
            double nx = b[0] + (b[2] - b[0]) * (k + 1) / steps + (k % 2 ? 10 : -10);
            double ny = b[1] + (b[3] - b[1]) * (k + 1) / steps;
            c.thickLine(x, y, nx, ny, 3, col::indigo);
            c.thickLine(x, y, nx, ny, 1, col::violet);
            x = nx;
            y = ny;
        }
    }
    sparkles(c, kField, 502, 70, col::sky);
}

struct Spot {
    double x, y, r;
};

// Places where no pin is driven besides the windmills' plates: the centre
// feature, pockets and their lamps, and ornaments.
const Spot kKeepClear[] = {
    {240, 178, 64}, {240, 130, 44}, {76, 300, 24},  {404, 300, 24}, {152, 366, 16},
    {328, 366, 16}, {240, 296, 14}, {104, 200, 30}, {376, 200, 30},
};
const double kWindmillPlateClear = 21;

bool clearOfFeatures(double x, double y)
{
    for (const Spot& s : kKeepClear)
        if (std::hypot(x - s.x, y - s.y) < s.r)
            return false;
    for (const g::Windmill& w : g::kWindmills)
        if (std::hypot(x - w.pictureX, y - w.pictureY) < kWindmillPlateClear)
            return false;
    if (x >= 180 && x <= 300 && y >= 96 && y <= 282) // feature block
        return false;
    if (y >= 368) // door, corner lamps, out hole
        return false;
    if ((x < 42 && y > 180 && y < 268) || (x > 438 && y > 180 && y < 268)) // side lamps
        return false;
    if ((x > 50 && x < 102 && y > 300 && y < 352) || (x > 378 && x < 430 && y > 300 && y < 352))
        return false;
    return true;
}

// Pins on a staggered grid over the whole field, clear of the features.
// Every pin stands midway between the points where balls are drawn (ball
// centres lie at 4x + 4, 4y + 2), and a pin that a path point would still
// touch is left out, so no ball is ever drawn on a pin head.
PixelList pinPlaces()
{
    // the paths that fall through the pins
    PixelList pins = pinGrid({44, 10, 368, 30, 12, 452, 10, 2}, kField,
                             pathBallCentres(no3PathTable, g::kDoorPathLeftward), clearOfFeatures);
    for (const g::Pocket& p : g::kPockets)
        gatePins(pins, (int)ballX(p.at.x), (int)ballY(p.at.y), -10);
    return pins;
}

// ---------------------------------------------------------------- parts

// Pocket k of the board's (no3_board_geometry.h): the start pocket yellow,
// the side pockets green, the low ones cyan.
void drawPocket(Canvas& c, int k)
{
    const LampHue* const kHues[g::kPocketCount] = {&hue::yellow, &hue::green, &hue::green, &hue::cyan, &hue::cyan};
    const g::Point at = g::kPockets[k].at;
    tulipPocket(c, (int)ballX(at.x), (int)ballY(at.y), *kHues[k]);
}

void drawFeature(Canvas& c, const Lights& L)
{
    // Top lamp: a winged lightning crest.
    {
        int x = 204, y = 104;
        roundRectGrad(c, x, y, 72, 48, 10, {col::maroon, col::crimson, col::maroon});
        roundRect(c, x + 3, y + 3, 66, 42, 8, col::black);
        shapeLamp(c, starShape(x + 36, y + 24, 22, 9), x + 36, y + 24, 22, hue::yellow, L.top);
        shapeLamp(c, boltShape(x + 28, y + 10, 16, 28), x + 36, y + 24, 20, hue::red, L.top);
        c.bevel(x, y, 72, 48, col::silver, col::black);
    }
    // Held-start lamps: 0 a round lamp, 1 and 2 diamonds, 3 a star.
    for (int i = 0; i < 4; i++) {
        int x = 194 + 24 * i, y = 157;
        c.fill(x, y, 24, 16, col::black);
        c.bevel(x, y, 24, 16, col::grey, col::black);
        bool lit = L.held[i];
        if (i == 0)
            bulb(c, x + 12, y + 8, 6, hue::green, lit);
        else if (i < 3)
            shapeLamp(c, {x + 12.0, y + 1.5, x + 21.0, y + 8.0, x + 12.0, y + 14.5, x + 3.0, y + 8.0}, x + 12, y + 8, 9,
                      hue::cyan, lit);
        else
            shapeLamp(c, starShape(x + 12, y + 8.5, 8, 3.5), x + 12, y + 8, 8, hue::red, lit);
    }
    // Reel window: a chrome bezel round nine white windows.
    {
        int x = 186, y = 176;
        roundRectGrad(c, x - 2, y - 2, 112, 84, 6, {col::white, col::silver, col::grey, col::black});
        c.fill(x + 4, y, 100, 80, col::black);
        for (int k = 0; k < 9; k++) {
            int wx = 198 + 29 * (k % 3), wy = 177 + 27 * (k / 3);
            c.frame(wx - 1, wy - 1, 28, 26, col::grey);
            c.vgrad(wx, wy, 26, 24, {col::silver, col::white, col::white, col::silver});
        }
    }
    // Reel window side lamps: tall capsules.
    lens(c, 169, 181, 13, 70, hue::violet, L.reelSide, 6);
    lens(c, 298, 181, 13, 70, hue::violet, L.reelSide, 6);
    // Lamp strip: eight small lamps chasing in four frames.
    {
        int x = 198, y = 264;
        c.fill(x, y, 84, 12, col::black);
        for (int k = 0; k < 8; k++) {
            bool lit = L.strip >= 0 && (k % 4) == L.strip;
            const LampHue& h = k % 2 ? hue::yellow : hue::red;
            bulb(c, x + 5.5 + 10.5 * k, y + 6, 4, h, lit);
        }
    }
    // The start pocket under the strip.
    drawPocket(c, 0);
}

void drawSides(Canvas& c, const Lights& L)
{
    // Side lamps: long lenses with an arrow pointing to the middle.
    for (int side = 0; side < 2; side++) {
        int x = side ? 443 : 9, y = 184;
        lens(c, x, y, 28, 80, hue::orange, L.side, 10);
        double cx = x + 14;
        for (int k = 0; k < 3; k++) {
            double ay = y + 16 + 22 * k;
            double dir = side ? -1 : 1;
            shapeLamp(c, {cx - 7 * dir, ay, cx + 7 * dir, ay + 7, cx - 7 * dir, ay + 14}, cx, ay + 7, 10, hue::yellow,
                      L.side);
        }
    }
    // Pocket lamps under the side prize pockets.
    for (int side = 0; side < 2; side++) {
        int x = side ? 384 : 56, y = 308;
        c.disc(x + 20, y + 20, 20, col::black);
        c.ring(x + 20, y + 20, 20, 2, col::silver);
        shapeLamp(c, starShape(x + 20, y + 20.5, 16, 7), x + 20, y + 20, 18, hue::green, L.pocket);
    }
    for (int k = 1; k < g::kPocketCount; k++)
        drawPocket(c, k);
    // Lower corner lamps: fans of three lenses.
    for (int side = 0; side < 2; side++) {
        int x = side ? 319 : 89, y = 381;
        c.fill(x, y, 72, 51, col::black);
        roundRectGrad(c, x, y, 72, 51, 8, {col::grey, col::silver, col::grey, col::black});
        for (int k = 0; k < 3; k++)
            lens(c, x + 5 + 21 * k, y + 6, 19, 40, k == 1 ? hue::red : hue::blue, L.corner, 6);
    }
}

void drawDoor(Canvas& c, const Lights& L)
{
    int x = 186, y = 372;
    if (!L.doorOpen) {
        roundRectGrad(c, x, y, 108, 36, 4, {col::white, col::silver, col::grey, col::grey, col::black});
        c.fill(x + 6, y + 8, 96, 20, col::grey);
        c.dither(x + 6, y + 8, 96, 20, col::grey, col::silver, 5);
        drawTextOutlined(c, x + 54 - textWidth("ATTACKER") / 2, y + 14, "ATTACKER", col::yellow, col::black);
        c.bevel(x, y, 108, 36, col::white, col::black);
    } else {
        // The flap tilts forward: its lip at the bottom, the inside open.
        c.fill(x, y, 108, 36, col::black);
        c.vgrad(x + 2, y + 12, 104, 18, {col::maroon, col::crimson});
        c.fill(x, y + 30, 108, 6, col::silver);
        c.hline(x, x + 107, y + 30, col::white);
        c.hline(x, x + 107, y + 35, col::grey);
        drawText(c, x + 54 - textWidth("OPEN") / 2, y + 17, "OPEN", col::yellow);
    }
    // The V strip: six lamps along the mouth; frames 0..3 chase, 4 and 5 blink.
    if (L.doorOpen) {
        int vy = 374;
        c.fill(x, vy, 108, 10, col::black);
        for (int k = 0; k < 6; k++) {
            bool lit;
            if (L.vFrame < 0)
                lit = false;
            else if (L.vFrame < 4)
                lit = (k % 4) == L.vFrame; // a light running along the mouth
            else
                lit = L.vFrame == 4 || k == 2 || k == 3; // all, then the V alone
            int lx = x + 4 + 17 * k;
            if (k == 2 || k == 3) {
                // the V itself in the middle
                shapeLamp(c, {lx + 0.0, vy + 1.0, lx + 4.0, vy + 1.0, lx + 7.5, vy + 6.0, lx + 11.0, vy + 1.0,
                              lx + 15.0, vy + 1.0, lx + 9.5, vy + 9.0, lx + 5.5, vy + 9.0},
                          lx + 7.5, vy + 5, 8, hue::green, lit);
            } else {
                lens(c, lx, vy + 1, 15, 8, hue::yellow, lit, 3);
            }
        }
    }
    // Bottom lamp and the counter window.
    lens(c, 219, 412, 42, 18, hue::red, L.bottom, 6);
    c.fill(232, 410, 16, 22, col::black);
    drawSegmentDigit(c, 234, 412, 12, 18, L.counter % 10, col::red, col::black, 3);
}

void drawCorners(Canvas& c, const Lights& L)
{
    // Frame lamps: left-hand pieces, mirrored on the right.
    for (int side = 0; side < 2; side++) {
        const LampHue& h = side ? hue::blue : hue::red;
        auto X = [&](double x) { return side ? 480 - x : x; };
        frameLampLenses(c, side, h, L.frame);
        shapeLamp(c, starShape(X(132), 17, 13, 5.5), X(132), 17, 14, hue::yellow, L.frame);
        bulb(c, X(72.5), 51.5, 12, h, L.frame);
        shapeLamp(c, boltShape(side ? 444 : 12, 78, 24, 52), X(24), 104, 30, hue::yellow, L.frame);
    }
    payoutLamp(c, hue::green, L.payout);
    // Fever-kind indicator: four plates.
    topSign(c, L.feverKind, {&hue::white, &hue::yellow, &hue::red, &hue::violet},
            {"-----", "FEVER", "CHANCE", "BRAVO!"});
}

Canvas drawBoard(const Lights& L)
{
    Canvas c(480, 432);
    drawFrame(c);
    drawField(c);
    // Windmill plates (the windmills themselves are sprites).
    for (const g::Windmill& w : g::kWindmills)
        millPlate(c, w.pictureX, w.pictureY, 17, col::silver, col::grey, col::navy);
    drawPins(c, pinPlaces());
    drawFeature(c, L);
    drawSides(c, L);
    drawDoor(c, L);
    drawCorners(c, L);
    return c;
}

// ---------------------------------------------------------------- sprites

// One windmill frame: `blades` blades turned by `angle`.
void windmill(Canvas& c, int ox, int oy, int blades, double angle, const Ramp& body, uint8_t hub)
{
    double cx = ox + 18, cy = oy + 18;
    for (int b = 0; b < blades; b++) {
        double a = angle + b * 2 * M_PI / blades;
        double a2 = a + 0.55;
        std::vector<double> blade = {cx + 3 * std::cos(a + 1.6), cy + 3 * std::sin(a + 1.6), cx + 16 * std::cos(a),
                                     cy + 16 * std::sin(a), cx + 15 * std::cos(a2), cy + 15 * std::sin(a2),
                                     cx + 3 * std::cos(a2 + 0.8), cy + 3 * std::sin(a2 + 0.8)};
        Canvas tmp(c.w, c.h, col::key);
        tmp.polygon(blade, body.back());
        for (int y = oy; y < oy + 36; y++)
            for (int x = ox; x < ox + 36; x++)
                if (tmp.get(x, y) != col::key) {
                    double d = std::hypot(x - cx, y - cy) / 16;
                    c.rampPixel(x, y, body, 1.0 - 0.7 * d);
                }
    }
    c.disc(cx, cy, 4, col::black);
    c.sphere(cx, cy, 3, {col::grey, hub, col::white}, false);
}

Canvas windmills()
{
    Canvas c(72, 216, col::key);
    for (int lit = 0; lit < 2; lit++)
        for (int f = 0; f < 3; f++) {
            Ramp upper = lit ? Ramp{col::amber, col::yellow, col::cream, col::white}
                             : Ramp{col::maroon, col::red, col::orange, col::amber};
            windmill(c, 36 * lit, 36 * f, 3, f * (2 * M_PI / 9), upper, col::yellow);
            Ramp lower = lit ? Ramp{col::royal, col::sky, col::ice, col::white} : Ramp{col::navy, col::blue, col::royal, col::sky};
            windmill(c, 36 * lit, 108 + 36 * f, 4, f * (M_PI / 6), lower, col::cyan);
        }
    Canvas out = c;
    out.outline(col::black);
    return out;
}

// Ornaments: the side crests (unlit, lit) and the apron over the out hole.
Canvas ornaments()
{
    Canvas c(176, 94, col::key);
    for (int side = 0; side < 2; side++)
        for (int lit = 0; lit < 2; lit++) {
            int ox = 88 * side + 44 * lit;
            double dir = side ? -1 : 1;
            double cx = ox + 22;
            // a shield with a bolt, leaning towards the middle
            std::vector<double> shield = {cx - 18, 4, cx + 18, 4, cx + 18, 40, cx, 62, cx - 18, 40};
            c.polygon(shield, col::black);
            Canvas tmp(c.w, c.h, col::key);
            shapeLamp(tmp, {cx - 16, 6, cx + 16, 6, cx + 16, 39, cx, 59, cx - 16, 39}, cx - 6 * dir, 20, 40,
                      side ? hue::cyan : hue::violet, lit);
            c.blit(tmp, 0, 0, tmp.w, tmp.h, 0, 0, true);
            shapeLamp(c, boltShape(cx - 9, 12, 18, 38), cx, 30, 20, hue::yellow, lit);
            c.hline((int)cx - 16, (int)cx + 16, 5, col::white);
        }
    // Apron: chrome with a red band, holes for the bottom lamp and the counter.
    int ay = 66;
    roundRectGrad(c, 0, ay, 142, 28, 6, {col::white, col::silver, col::grey, col::black});
    c.fill(6, ay + 10, 130, 8, col::crimson);
    c.hline(6, 135, ay + 10, col::red);
    c.fill(50, ay + 8, 42, 18, col::key);
    c.fill(63, ay + 6, 16, 22, col::key);
    c.frame(49, ay + 7, 44, 20, col::black);
    for (int k = 0; k < 3; k++) {
        c.set(14 + 12 * k, ay + 14, col::yellow);
        c.set(127 - 12 * k, ay + 14, col::yellow);
    }
    return c;
}

} // namespace

void makeBoard(ArtSet& out)
{
    Lights off;
    Lights on;
    on.frame = on.payout = on.side = on.corner = on.bottom = on.reelSide = on.top = on.pocket = true;
    for (bool& h : on.held)
        h = true;
    Canvas base = drawBoard(off);
    Canvas lit = drawBoard(on);
    boardPictures(out, base, lit, lit, windmills(), boardStates(drawBoard, &Lights::feverKind));

    // 601: the parts sheet.
    Canvas sheet(420, 352, col::black);
    drawReelAndDemoStrips(sheet);
    {
        Lights open;
        open.doorOpen = true;
        cutLamp(sheet, base, drawBoard(open), {186, 372, 108, 36}, kDoorClosed.x, kDoorClosed.y, kDoorOpen.x,
                kDoorOpen.y);
        cutStates(sheet, kVStrip.x, kVStrip.y, {186, 374, 108, 10}, 6, boardStates(drawBoard, &Lights::vFrame, open));
        cutStates(sheet, kLampStrip.x, kLampStrip.y, {198, 264, 84, 12}, 4, boardStates(drawBoard, &Lights::strip));
        cutLamp(sheet, base, lit, {194, 157, 96, 16}, kHeldLamps.x, kHeldLamps.y, kHeldLamps.x, kHeldLampsLitY);
        struct Pair {
            LampPair p;
            int x, y, rightX;
        };
        const Pair pairs[] = {{kBottomLamp, 219, 412, 0},  {kTopLamp, 204, 104, 0},      {kPocketLamps, 56, 308, 384},
                              {kCornerLamps, 89, 381, 319}, {kSideLamps, 9, 184, 443}, {kReelSideLamps, 169, 181, 298}};
        for (const Pair& p : pairs) {
            const Piece& u = p.p.unlit;
            cutLamp(sheet, base, lit, {p.x, p.y, u.w, u.h}, u.x, u.y, u.x + p.p.litDx, u.y);
            if (p.p.rightDx)
                cutLamp(sheet, base, lit, {p.rightX, p.y, u.w, u.h}, u.x + p.p.rightDx, u.y,
                        u.x + p.p.rightDx + p.p.litDx, u.y);
        }
    }
    out.picture(601, sheet, false);
    out.picture(602, ornaments(), true);
}

// A debugging view: the board with every path drawn over it.
Canvas boardWithPaths()
{
    Canvas c = drawBoard(Lights());
    forEachPathPoint(no3PathTable, g::kPathCount, [&](int p, int x, int y) {
        uint8_t colour = p < g::kFirstStagePaths ? col::lime : p < g::kDoorPathLeftward ? col::magenta : col::cyan;
        c.set((int)ballX(x), (int)ballY(y), colour);
    });
    return c;
}
