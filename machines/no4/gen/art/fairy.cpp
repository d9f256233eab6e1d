// Machine No.4's fairy (sprite 602), who sits on the display's crown: at
// rest, blinking, and two cheering poses for the performances and the big
// prize.
#include <cmath>

#include "lamps.h"
#include "no4_art.h"
#include "no4_art_layout.h"

using namespace no4art;

namespace {

// One pose at (0, oy): `eyesClosed`, arms up (`cheer`), and which way the
// wings and the wand's sparkles lean (`swing` 0 or 1).
void fairy(Canvas& c, int oy, bool eyesClosed, bool cheer, int swing)
{
    const double cx = 24;
    // wings: two pairs of pale ellipses behind the body
    for (int side = -1; side <= 1; side += 2) {
        double lift = cheer ? (swing ? -4 : 2) : 0;
        for (int k = 0; k < 2; k++) {
            double wx = cx + side * (k ? 9 : 11), wy = oy + (k ? 32 : 22) + lift * (k ? 0.5 : 1);
            double rx = k ? 6 : 9, ry = k ? 5 : 7;
            for (int y = (int)(wy - ry); y <= (int)(wy + ry); y++)
                for (int x = (int)(wx - rx); x <= (int)(wx + rx); x++) {
                    double d = std::hypot((x - wx) / rx, (y - wy) / ry);
                    if (d < 1)
                        c.rampPixel(x, y + 0, {col::sky, col::ice, col::white}, 1.0 - d);
                }
        }
    }
    // dress: a bell of magenta with a pink hem
    std::vector<double> dress = {cx - 3, oy + 24.0, cx + 3, oy + 24.0, cx + 9, oy + 38.0, cx - 9, oy + 38.0};
    c.polygon(dress, col::magenta);
    c.hline((int)cx - 9, (int)cx + 8, oy + 37, col::pink);
    c.hline((int)cx - 8, (int)cx + 7, oy + 38, col::rose);
    c.line((int)cx - 1, oy + 25, (int)cx - 5, oy + 36, col::pink);
    // legs
    c.fill((int)cx - 4, oy + 39, 2, 5, col::skin);
    c.fill((int)cx + 2, oy + 39, 2, 5, col::skin);
    c.fill((int)cx - 5, oy + 44, 3, 2, col::red);
    c.fill((int)cx + 2, oy + 44, 3, 2, col::red);
    // arms and the wand with its star
    double handL[2], handR[2];
    if (cheer) {
        handL[0] = cx - 11, handL[1] = oy + (swing ? 12 : 15);
        handR[0] = cx + 11, handR[1] = oy + (swing ? 15 : 12);
    } else {
        handL[0] = cx - 8, handL[1] = oy + 33;
        handR[0] = cx + 9, handR[1] = oy + 29;
    }
    c.thickLine(cx - 3, oy + 26, handL[0], handL[1], 2, col::skin);
    c.thickLine(cx + 3, oy + 26, handR[0], handR[1], 2, col::skin);
    double tipX = handR[0] + (cheer ? 4 : 6), tipY = handR[1] - (cheer ? 9 : 7);
    c.thickLine(handR[0], handR[1], tipX, tipY, 1.2, col::gold);
    shapeLamp(c, starShape(tipX, tipY, 5.5, 2.3, swing * 0.3), tipX, tipY, 5, hue::yellow, true);
    // head, hair and face
    c.disc(cx, oy + 15, 8.5, col::skin);
    c.disc(cx - 2, oy + 13, 2.5, col::peach);
    for (int y = oy + 4; y < oy + 24; y++)
        for (int x = (int)cx - 11; x <= (int)cx + 11; x++) {
            double d = std::hypot(x - cx, (y - (oy + 13)) * 1.1);
            bool fringe = y < oy + 12 && d < 10.5;
            bool sides = d < 11 && d > 8 && y < oy + 22;
            if (fringe || sides)
                c.rampPixel(x, y, {col::purple, col::magenta, col::pink, col::rose}, 1.0 - (y - oy - 4) / 20.0);
        }
    c.set((int)cx - 3, oy + 6, col::white);
    c.set((int)cx - 2, oy + 6, col::white);
    // a bow in the hair
    c.polygon({cx + 5, oy + 5.0, cx + 11, oy + 2.0, cx + 11, oy + 8.0}, col::yellow);
    c.polygon({cx + 5, oy + 5.0, cx - 1, oy + 2.0, cx - 1, oy + 8.0}, col::yellow);
    c.disc(cx + 5, oy + 5, 1.5, col::amber);
    // eyes
    for (int side = -1; side <= 1; side += 2) {
        int ex = (int)cx + side * 3 - (side < 0 ? 1 : 0), ey = oy + 15;
        if (eyesClosed) {
            c.hline(ex - 1, ex + 1, ey + 1, col::black);
        } else {
            c.fill(ex, ey - 1, 2, 4, col::black);
            c.set(ex, ey - 1, col::white);
        }
    }
    c.set((int)cx - 6, oy + 18, col::pink);
    c.set((int)cx + 5, oy + 18, col::pink);
    if (cheer) {
        c.fill((int)cx - 1, oy + 19, 3, 2, col::maroon);
    } else {
        c.hline((int)cx - 1, (int)cx + 1, oy + 20, col::maroon);
    }
    // sparkles round her when she cheers
    if (cheer)
        for (int k = 0; k < 4; k++) {
            double a = k * M_PI / 2 + swing * M_PI / 4 + 0.4;
            int sx = (int)(cx + 19 * std::cos(a)), sy = (int)(oy + 24 + 19 * std::sin(a));
            uint8_t colour = k % 2 ? col::yellow : col::white;
            c.set(sx, sy, colour);
            c.set(sx - 1, sy, col::cyan);
            c.set(sx + 1, sy, col::cyan);
            c.set(sx, sy - 1, col::cyan);
            c.set(sx, sy + 1, col::cyan);
        }
}

} // namespace

void makeFairy(ArtSet& out)
{
    Canvas s(kFairySize, 4 * kFairySize, col::key);
    fairy(s, kFairySize * kFairyRest, false, false, 0);
    fairy(s, kFairySize * kFairyBlink, true, false, 0);
    fairy(s, kFairySize * kFairyCheerA, false, true, 0);
    fairy(s, kFairySize * kFairyCheerB, false, true, 1);
    Canvas out2 = s;
    out2.outline(col::black);
    out.picture(602, out2, true);
}
