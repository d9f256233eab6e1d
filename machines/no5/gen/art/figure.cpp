// The figure of machine No.5's display: a small samurai with a big head, a
// topknot, a red headband, a blue kimono over wide dark trousers and a
// sword, put together from shaded shapes in any pose and outlined so it
// reads on every picture.
#include <algorithm>
#include <cmath>

#include "no5_art.h"

namespace {

struct V2 {
    double x, y;
};
V2 add(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
// A limb of length `len` at angle `a` from straight down, forward (right) positive.
V2 limb(V2 from, double a, double len) { return {from.x + len * std::sin(a), from.y + len * std::cos(a)}; }

void segment(Canvas& c, V2 a, V2 b, double width, uint8_t colour) { c.thickLine(a.x, a.y, b.x, b.y, width, colour); }

// A trouser leg of the wide hakama, with the sock and sandal at its end.
void leg(Canvas& c, V2 hip, double thigh, double shin, uint8_t cloth, uint8_t fold)
{
    V2 knee = limb(hip, thigh, 9.5);
    V2 ankle = limb(knee, shin, 9);
    segment(c, hip, knee, 9, cloth);
    segment(c, knee, ankle, 8, cloth);
    segment(c, limb(hip, thigh + 1.2, 2), limb(knee, shin + 1.2, 1.5), 1, fold);
    c.ellipse(ankle.x + 2, ankle.y + 1, 4, 2.2, col::white);
    c.hline((int)ankle.x - 2, (int)ankle.x + 6, (int)ankle.y + 3, col::brown);
}

V2 arm(Canvas& c, V2 shoulder, double a, uint8_t sleeve, uint8_t cuff)
{
    V2 elbow = limb(shoulder, a, 7);
    V2 hand = limb(elbow, a + 0.2, 6.5);
    segment(c, shoulder, elbow, 7, sleeve);
    segment(c, elbow, hand, 5, sleeve);
    segment(c, limb(elbow, a + 0.2, 4.5), limb(elbow, a + 0.2, 5.5), 5, cuff);
    c.disc(hand.x, hand.y, 2.8, col::skin);
    return hand;
}

void sword(Canvas& c, V2 hand, double a)
{
    V2 tip = limb(hand, a, 27);
    V2 pommel = limb(hand, a + M_PI, 7);
    segment(c, hand, pommel, 3.2, col::maroon); // the wrapped grip
    for (int k = 1; k < 6; k += 2)
        c.set((int)limb(hand, a + M_PI, k).x, (int)limb(hand, a + M_PI, k).y, col::amber);
    segment(c, limb(hand, a, 2), tip, 3, col::silver);
    segment(c, limb(hand, a, 3), limb(hand, a, 25), 1, col::white);
    V2 guard = limb(hand, a, 1.8);
    c.disc(guard.x, guard.y, 2.8, col::gold);
}

void head(Canvas& c, V2 at, int face, bool down)
{
    double cx = at.x, cy = at.y, r = 12;
    c.disc(cx, cy, r, col::skin);
    c.disc(cx + 3, cy + 4, 8, col::skin);
    // the hair: a cap with a slanting fringe, the back of the head, the topknot
    for (int y = (int)(cy - r - 1); y <= (int)(cy + r); y++)
        for (int x = (int)(cx - r - 1); x <= (int)(cx + r); x++) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d > r + 0.3)
                continue;
            double fringe = cy - 4 + 0.3 * (x - cx) + (down ? 3 : 0);
            if (y + 0.5 < fringe || x + 0.5 < cx - 6 + 0.15 * (y - cy))
                c.set(x, y, col::black);
        }
    c.ellipse(cx - 3, cy - r - 2, 5, 3.5, col::black);
    c.set((int)cx - 5, (int)(cy - r - 3), col::grey);
    c.set((int)cx - 4, (int)(cy - r - 4), col::grey);
    // the headband, knotted at the back, its tails flying
    for (int x = (int)(cx - r); x <= (int)(cx + r); x++) {
        int y = (int)(cy - 5 + 0.3 * (x - cx) + (down ? 3 : 0));
        if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r + 0.3) {
            c.set(x, y, col::rose);
            c.set(x, y + 1, col::red);
            c.set(x, y + 2, col::crimson);
        }
    }
    c.disc(cx - r + 1, cy - 6, 2.2, col::red);
    c.thickLine(cx - r, cy - 6, cx - r - 8, cy - 10, 2.2, col::red);
    c.thickLine(cx - r, cy - 5, cx - r - 7, cy - 2, 2.2, col::crimson);

    // the face, looking right
    int ey = (int)cy + (down ? 3 : 1);
    int eyes[2] = {(int)cx + 2, (int)cx + 8};
    c.fill((int)cx - 1, (int)cy + 5, 2, 1, col::rose); // cheeks
    c.fill((int)cx + 9, (int)cy + 5, 2, 1, col::rose);
    auto mouth = [&](int kind) {
        int mx = (int)cx + 6, my = (int)cy + (down ? 9 : 8);
        if (kind == 1) { // smile
            c.hline(mx - 2, mx + 1, my, col::maroon);
            c.set(mx - 3, my - 1, col::maroon);
            c.set(mx + 2, my - 1, col::maroon);
        } else if (kind == 2) { // frown
            c.hline(mx - 2, mx + 1, my, col::maroon);
            c.set(mx - 3, my + 1, col::maroon);
            c.set(mx + 2, my + 1, col::maroon);
        } else if (kind == 3) { // a shout
            c.ellipse(mx - 0.5, my, 2.5, 2.2, col::maroon);
            c.hline(mx - 2, mx + 1, my - 1, col::white);
        } else {
            c.hline(mx - 1, mx + 1, my, col::maroon);
        }
    };
    for (int ex : eyes) {
        switch (face) {
        case 1: // happy: closed arcs
            c.set(ex - 1, ey + 1, col::black);
            c.hline(ex, ex + 1, ey, col::black);
            c.set(ex + 2, ey + 1, col::black);
            break;
        case 2: // sad: eyes down, brows up in the middle
            c.fill(ex, ey + 1, 2, 2, col::black);
            c.set(ex - 1, ey - 2, col::black);
            c.set(ex, ey - 3, col::black);
            c.set(ex + 1, ey - 3, col::black);
            break;
        default: // keen and shouting: open eyes under slanting brows
            c.fill(ex, ey, 2, 3, col::black);
            c.set(ex, ey, col::white);
            c.set(ex - 1, ey - 3, col::black);
            c.set(ex, ey - 2, col::black);
            c.set(ex + 1, ey - 2, col::black);
            c.set(ex + 2, ey - 1, col::black);
            break;
        }
    }
    mouth(face);
}

} // namespace

void drawFigure(Canvas& target, int ox, int oy, const Pose& p)
{
    Canvas c(54, 80, col::key);
    const uint8_t kimono = col::royal, kimonoDark = col::blue, trousers = col::indigo, trouserFold = col::purple;
    double lean = p.bow ? 0.75 : p.lean;
    V2 hip = {24, 57 - p.lift + 7 * p.crouch};
    V2 shoulder = limb(hip, M_PI - lean, 14 - 2 * p.crouch);
    V2 headAt = limb(shoulder, M_PI - lean * (p.bow ? 1.3 : 0.7), 11);

    // the legs, the back one first: apart when walking, bent when crouching
    double spread = 0.12 + 0.55 * p.crouch;
    double back = -spread, front = spread, frontShin = 0;
    if (p.stride > 0) { // striding: the legs wide apart
        back = -0.55;
        front = 0.55;
    } else if (p.stride < 0) { // passing: the front foot lifted
        back = -0.08;
        front = 0.25;
        frontShin = -0.7;
    }
    double bend = 1.3 * p.crouch;
    leg(c, hip, back - 0.3 * p.crouch, back + 0.2 - bend * 0.5, col::navy, col::black);

    // the far arm behind the body
    arm(c, add(shoulder, {-3, 2}), p.bow ? 0.15 : p.otherArm, kimonoDark, col::white);

    // the body: the kimono with its white collar, the red sash
    std::vector<double> body = {shoulder.x - 8, shoulder.y - 1, shoulder.x + 8, shoulder.y - 1,
                                hip.x + 9,      hip.y + 1,      hip.x - 9,      hip.y + 1};
    c.polygon(body, kimono);
    c.thickLine(shoulder.x - 7, shoulder.y, hip.x - 8, hip.y, 1.5, kimonoDark);
    V2 mid = {(shoulder.x + hip.x) / 2 + 2, (shoulder.y + hip.y) / 2};
    c.thickLine(shoulder.x - 3, shoulder.y - 1, mid.x, mid.y, 2, col::white);
    c.thickLine(shoulder.x + 5, shoulder.y - 1, mid.x, mid.y, 2, col::white);
    c.thickLine(hip.x - 9, hip.y - 3, hip.x + 9, hip.y - 3, 4, col::red);
    c.hline((int)hip.x - 8, (int)hip.x + 8, (int)hip.y - 5, col::rose);
    c.disc(hip.x - 6, hip.y - 3, 1.5, col::amber);

    leg(c, hip, front, front - bend + frontShin, trousers, trouserFold);

    head(c, headAt, p.face, p.bow);
    if (p.sweat) {
        c.disc(headAt.x - 14, headAt.y - 4, 2, col::sky);
        c.set((int)headAt.x - 14, (int)headAt.y - 7, col::sky);
        c.set((int)headAt.x - 14, (int)headAt.y - 6, col::sky);
        c.set((int)headAt.x - 15, (int)headAt.y - 4, col::white);
    }

    // the sword arm in front
    V2 hand = arm(c, add(shoulder, {3, 2}), p.bow ? 0.05 : p.swordArm, kimono, col::white);
    if (!p.bow)
        sword(c, hand, p.swordArm + p.sword);

    c.outline(col::black);
    if (p.slash) { // the blade's sweep: a white crescent in front of him
        double cx = shoulder.x, cy = shoulder.y;
        for (int y = 0; y < c.h; y++)
            for (int x = 0; x < c.w; x++) {
                double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                double r = std::hypot(dx, dy), a = std::atan2(dx, -dy); // 0 up, positive forward
                if (a < -0.2 || a > 2.4 || r < 25 || r > 31)
                    continue;
                if (c.get(x, y) != col::key)
                    continue;
                double along = (a + 0.2) / 2.6; // 0 where the blade started, 1 where it is now
                double core = 1.0 - std::fabs(r - 28) / 3.0;
                if (core > 0.55)
                    c.set(x, y, along > 0.3 ? col::white : col::ice);
                else if (along > 0.15 && ((x + y) % 2 == 0 || along > 0.6))
                    c.set(x, y, col::cyan);
            }
    }
    if (p.aura) { // a glow round the outline
        Canvas glow = c;
        for (int y = 0; y < c.h; y++)
            for (int x = 0; x < c.w; x++) {
                if (c.get(x, y) != col::key)
                    continue;
                int near = 99;
                for (int dy = -3; dy <= 3; dy++)
                    for (int dx = -3; dx <= 3; dx++)
                        if (c.inside(x + dx, y + dy) && c.get(x + dx, y + dy) != col::key)
                            near = std::min(near, std::max(std::abs(dx), std::abs(dy)));
                if (near <= 1)
                    glow.set(x, y, col::yellow);
                else if (near <= 3 && ((x + y) % 2 == 0))
                    glow.set(x, y, near == 2 ? col::amber : col::orange);
            }
        c = glow;
    }
    if (p.flip)
        c = c.flipped();
    target.blit(c, 0, 0, c.w, c.h, ox, oy, true);
}
