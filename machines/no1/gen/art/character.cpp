// Machine No.1's character (609, a sprite): Orbi, a little astronaut with a
// big round helmet, an antenna and an orange backpack. Twelve frames of
// 48 x 52, six poses each followed by its second frame: walking left and
// right, running left and right, cheering (arms up) and standing (waving).
// Feet on row 50, so Orbi stands on every scene's ground.
#include <cmath>

#include "lamps.h"
#include "no1_art.h"
#include "no1_art_layout.h"

using namespace no1art;

namespace {

struct Pose {
    int facing = 0;          // -1 left, 0 front, 1 right
    double lean = 0;         // the head ahead of the body, in pixels
    double bob = 0;          // the whole body lifted (a step, a jump)
    double legs[2] = {0, 0}; // back and front leg, radians from straight down (+ forward)
    double arms[2] = {0.3, 0.3}; // back and front arm, radians from down (+ forward, or outward from the front; pi: up)
    bool mouthOpen = false;
    bool sparkles = false;
};

void limb(Canvas& c, double x0, double y0, double angle, double length, double forward, uint8_t suit, uint8_t end,
          double endR)
{
    double x1 = x0 + forward * std::sin(angle) * length, y1 = y0 + std::cos(angle) * length;
    c.thickLine(x0, y0, x1, y1, 4.2, suit);
    c.disc(x0, y0, 2.1, suit);
    c.disc(x1, y1, endR, end);
}

void kid(Canvas& c, int ox, int oy, const Pose& p)
{
    double dir = p.facing ? p.facing : 1; // which way "forward" is drawn
    double cx = ox + 24, top = oy - p.bob;
    double hipY = top + 41, shoulderY = top + 31;
    auto leg = [&](int k) {
        double hx = cx + (p.facing ? 0 : (k ? 3.5 : -3.5));
        double forward = p.facing ? dir : (k ? 1 : -1);
        limb(c, hx, hipY, p.legs[k], 8, forward, col::silver, col::grey, 2.8);
        // the boot's sole
        double fx = hx + forward * std::sin(p.legs[k]) * 8, fy = hipY + std::cos(p.legs[k]) * 8;
        c.fill((int)std::lround(fx - 3 + (p.facing ? dir : 0)), (int)std::lround(fy + 1), 6, 2, col::amber);
    };
    auto arm = [&](int k) {
        double sx = cx + (p.facing ? (k ? dir * 3 : -dir * 3) : (k ? 8 : -8));
        double forward = p.facing ? dir : (k ? 1 : -1);
        limb(c, sx, shoulderY, p.arms[k], 8, forward, col::white, col::white, 2.4);
    };
    // behind the body
    if (p.facing) {
        arm(0);
        leg(0);
        // the backpack
        double bx = cx - dir * 9;
        roundRectGrad(c, (int)(bx - 4), (int)(top + 28), 8, 13, 2, {col::amber, col::orange, col::brown});
    } else {
        roundRectGrad(c, (int)cx - 11, (int)(top + 29), 22, 11, 3, {col::amber, col::orange, col::brown});
    }
    // the body
    roundRectGrad(c, (int)cx - 8, (int)(top + 27), 16, 16, 5, {col::white, col::ice, col::silver, col::grey});
    c.hline((int)cx - 7, (int)cx + 6, (int)(top + 38), col::orange); // the belt
    shapeLamp(c, starShape(cx + dir * (p.facing ? 2 : 0), top + 32.5, 3, 1.3), cx, top + 32, 3, hue::yellow, true);
    if (p.facing) {
        leg(1);
        arm(1);
    } else {
        leg(0);
        leg(1);
        arm(0);
        arm(1);
    }
    // the helmet
    double hx = cx + dir * (p.facing ? p.lean : 0), hy = top + 17;
    c.disc(hx, hy, 12, col::silver);
    c.sphere(hx, hy, 11.5, {col::grey, col::silver, col::white, col::white}, false);
    // the glass, and the face behind it
    double fx = hx + (p.facing ? dir * 3 : 0);
    c.disc(fx, hy + 1, 9, col::navy);
    c.disc(fx + (p.facing ? dir * 1 : 0), hy + 2, 7, col::skin);
    c.disc(fx + (p.facing ? dir * 1 : 0) - 4, hy + 4.5, 1.5, col::rose); // cheeks
    c.disc(fx + (p.facing ? dir * 1 : 0) + 4, hy + 4.5, 1.5, col::rose);
    for (int e = -1; e <= 1; e += 2) {
        int ex = (int)std::lround(fx + (p.facing ? dir * 2 : 0) + e * 3), ey = (int)std::lround(hy + 1);
        c.fill(ex, ey - 1, 2, 3, col::black);
        c.set(ex, ey - 1, col::white);
    }
    int mx = (int)std::lround(fx + (p.facing ? dir * 2 : 0)), my = (int)std::lround(hy + 6);
    if (p.mouthOpen) {
        c.fill(mx - 2, my - 1, 4, 3, col::maroon);
        c.hline(mx - 1, mx, my + 1, col::red);
    } else {
        c.hline(mx - 2, mx + 1, my, col::maroon);
        c.set(mx - 3, my - 1, col::maroon);
        c.set(mx + 2, my - 1, col::maroon);
    }
    // the glass's shine
    c.line((int)(fx - 6), (int)(hy - 5), (int)(fx - 3), (int)(hy - 7), col::white);
    c.set((int)(fx + 5), (int)(hy - 4), col::ice);
    // the antenna
    double ax = hx + (p.facing ? -dir * 2 : 0);
    c.line((int)ax, (int)(hy - 11), (int)(ax - dir * (p.facing ? 2 : 0)), (int)(hy - 13), col::grey);
    bulb(c, ax - dir * (p.facing ? 2 : 0), hy - 14, 2, hue::red, true);
    if (p.sparkles) {
        const double s[][2] = {{6, 10}, {41, 8}, {4, 30}, {44, 28}};
        for (auto& q : s)
            shapeLamp(c, starShape(ox + q[0], oy + q[1], 4, 1.7), ox + q[0], oy + q[1], 4, hue::yellow, true);
    }
}

Canvas frame(const Pose& p)
{
    Canvas f(kCharW, kCharH, col::key);
    kid(f, 0, 0, p);
    f.outline(col::black);
    return f;
}

} // namespace

Canvas character()
{
    Canvas c(kCharW, 12 * kCharH, col::key);
    auto put = [&](int row, const Pose& p) { c.blit(frame(p), 0, row, true); };
    for (int f = 0; f < 2; f++) {
        for (int side = 0; side < 2; side++) {
            int facing = side ? 1 : -1;
            // walking: legs apart, then together with the body a pixel up
            Pose walk;
            walk.facing = facing;
            walk.lean = 1;
            walk.legs[0] = f ? 0.1 : -0.45;
            walk.legs[1] = f ? -0.1 : 0.45;
            walk.arms[0] = f ? 0 : 0.5;
            walk.arms[1] = f ? 0 : -0.5;
            walk.bob = f ? 1 : 0;
            put((side ? kPoseWalkRight : kPoseWalkLeft) + f * kCharH, walk);
            // running: a long stride and a lean, the other leg forward in the second frame
            Pose run;
            run.facing = facing;
            run.lean = 3;
            run.legs[0] = f ? 0.8 : -0.8;
            run.legs[1] = f ? -0.7 : 0.9;
            run.arms[0] = f ? -1.0 : 1.2;
            run.arms[1] = f ? 1.2 : -1.0;
            run.bob = f ? 0 : 2;
            run.mouthOpen = true;
            put((side ? kPoseRunRight : kPoseRunLeft) + f * kCharH, run);
        }
        // cheering: both arms up, a hop and sparkles on the second frame
        Pose cheer;
        cheer.arms[0] = f ? 2.9 : 2.4;
        cheer.arms[1] = f ? 2.9 : 2.4;
        cheer.legs[0] = 0.2;
        cheer.legs[1] = 0.2;
        cheer.bob = f ? 2 : 0;
        cheer.mouthOpen = true;
        cheer.sparkles = f == 1;
        put(kPoseCheer + f * kCharH, cheer);
        // standing: waving one hand
        Pose stand;
        stand.arms[0] = 0.25;
        stand.arms[1] = f ? 2.6 : 2.0;
        put(kPoseStand + f * kCharH, stand);
    }
    return c;
}
