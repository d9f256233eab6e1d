#include "scene_kit.h"

#include <algorithm>
#include <cmath>

namespace scene {

void stars(Canvas& c, int x, int y, int w, int h, uint32_t seed, int count, bool wrapX)
{
    Noise n(seed);
    for (int k = 0; k < count; k++) {
        int sx = x + n.next(w), sy = y + n.next(h), kind = n.next(8);
        auto put = [&](int px, int py, uint8_t colour) {
            if (wrapX)
                px = ((px - x) % w + w) % w + x;
            if (px >= x && px < x + w && py >= y && py < y + h)
                c.set(px, py, colour);
        };
        if (kind == 0) { // a bright star with four rays
            put(sx, sy, col::white);
            put(sx - 1, sy, col::sky);
            put(sx + 1, sy, col::sky);
            put(sx, sy - 1, col::sky);
            put(sx, sy + 1, col::sky);
        } else {
            put(sx, sy, kind < 3 ? col::white : kind < 6 ? col::sky : col::pale);
        }
    }
}

void ringedPlanet(Canvas& c, double cx, double cy, double r, const Ramp& body, uint8_t ring)
{
    auto ringPart = [&](bool front) {
        for (int j = (int)(cy - r); j <= cy + r; j++)
            for (int i = (int)(cx - 2.2 * r); i <= cx + 2.2 * r; i++) {
                // a ring tilted a little: an ellipse sheared by the tilt
                double dx = (i + 0.5 - cx) / (2.1 * r), dy = (j + 0.5 - cy - 0.25 * (i - cx)) / (0.55 * r);
                double d = dx * dx + dy * dy;
                if (d > 1 || d < 0.6)
                    continue;
                bool inFront = j + 0.5 - cy - 0.25 * (i - cx) > 0;
                if (inFront == front)
                    c.set(i, j, d > 0.8 ? ring : col::cream);
            }
    };
    ringPart(false);
    c.sphere(cx, cy, r, body);
    // bands
    for (int j = (int)(cy - r); j <= cy + r; j++)
        for (int i = (int)(cx - r); i <= cx + r; i++)
            if (std::hypot(i + 0.5 - cx, j + 0.5 - cy) < r - 1 && ((j - (int)cy + 64) / 3) % 3 == 0 && ((i + j) & 1))
                c.set(i, j, body[1]);
    ringPart(true);
}

void world(Canvas& c, double cx, double cy, double r)
{
    c.sphere(cx, cy, r, {col::navy, col::blue, col::royal, col::sky});
    // continents
    for (int j = (int)(cy - r); j <= cy + r; j++)
        for (int i = (int)(cx - r); i <= cx + r; i++) {
            double dx = (i + 0.5 - cx) / r, dy = (j + 0.5 - cy) / r;
            if (dx * dx + dy * dy > 0.85)
                continue;
            double land = std::sin(dx * 5.1 + 1.3) * std::cos(dy * 4.3 - 0.4) + 0.3 * std::sin(dx * 11 + dy * 7);
            if (land > 0.45)
                c.set(i, j, dx + dy < 0 ? col::lime : col::green);
        }
    c.ring(cx, cy, r + 1, 1, col::navy);
}

void crescent(Canvas& c, double cx, double cy, double r, uint8_t colour)
{
    for (int j = (int)(cy - r); j <= cy + r; j++)
        for (int i = (int)(cx - r); i <= cx + r; i++)
            if (std::hypot(i + 0.5 - cx, j + 0.5 - cy) <= r && std::hypot(i + 0.5 - cx - r * 0.5, j + 0.5 - cy + r * 0.2) > r * 0.8)
                c.set(i, j, colour);
}

void rocket(Canvas& c, double x, int base)
{
    // body
    for (int j = base - 20; j < base - 2; j++)
        for (int i = (int)x - 4; i <= x + 4; i++) {
            double half = j < base - 14 ? (j - (base - 20)) * 0.7 : 4;
            if (std::fabs(i + 0.5 - x) <= half)
                c.rampPixel(i, j, {col::grey, col::silver, col::white}, 1 - std::fabs(i + 0.5 - x) / 5);
        }
    c.disc(x, base - 11, 1.6, col::sky);
    // fins and the red nose band
    c.polygon({x - 4, (double)base - 8, x - 8, (double)base, x - 4, (double)base - 2}, col::red);
    c.polygon({x + 4, (double)base - 8, x + 8, (double)base, x + 4, (double)base - 2}, col::red);
    c.hline((int)x - 2, (int)x + 2, base - 16, col::red);
    c.fill((int)x - 2, base - 2, 5, 2, col::grey);
}

void moonGround(Canvas& c, int x, int y, int w, int h, uint32_t seed, bool periodic)
{
    double p = 2 * M_PI / w;
    for (int i = 0; i < w; i++) {
        // a wavy horizon made of whole periods when periodic
        double t = i * p;
        int top = y + (int)std::lround(1.5 + 1.5 * std::sin(3 * t) + std::sin(7 * t + 1));
        if (!periodic)
            top = y + (int)std::lround(1.5 + 1.5 * std::sin(i / 13.0) + std::sin(i / 5.0 + 1));
        for (int j = top; j < y + h; j++)
            c.rampPixel(x + i, j, {col::silver, col::grey, col::grey, col::black}, (double)(j - top) / h);
        c.set(x + i, top, col::white);
    }
    Noise n(seed);
    for (int k = 0; k < w / 18; k++) {
        int cx = n.next(w), cy = y + 5 + n.next(std::max(1, h - 6)), rx = 2 + n.next(4);
        for (int dx = -rx; dx <= rx; dx++) {
            int px = x + (periodic ? ((cx + dx) % w + w) % w : cx + dx);
            if (!periodic && (px < x || px >= x + w))
                continue;
            c.set(px, cy, col::black);
            c.set(px, cy + 1, dx < 0 ? col::grey : col::silver);
        }
    }
}

void rock(Canvas& c, double cx, double base, double r, const Ramp& ramp)
{
    for (int j = (int)(base - r); j < base; j++)
        for (int i = (int)(cx - r * 1.3); i <= cx + r * 1.3; i++) {
            double dx = (i + 0.5 - cx) / (1.3 * r), dy = (j + 0.5 - base) / r;
            if (dx * dx + dy * dy <= 1)
                c.rampPixel(i, j, ramp, 0.9 - 0.5 * dx + 0.4 * dy);
        }
}

void crystal(Canvas& c, double cx, double base, double h)
{
    std::vector<double> p = {cx - 3, base, cx - 3, base - h * 0.6, cx, base - h, cx + 3, base - h * 0.6, cx + 3, base};
    c.polygon(p, col::cyan);
    c.line((int)cx, (int)(base - h), (int)cx, (int)base - 1, col::white);
    c.line((int)cx + 1, (int)(base - h * 0.6), (int)cx + 2, (int)base - 1, col::aqua);
}

void comet(Canvas& c, double hx, double hy, const LampHue& h)
{
    for (int k = 0; k < 18; k++) {
        double tx = hx + k * 1.4, ty = hy - k * 0.9;
        double r = 2.6 - k * 0.12;
        if (r > 0.6)
            c.disc(tx, ty, r, k < 5 ? h.on[std::min<size_t>(2, h.on.size() - 1)] : k < 11 ? h.on[1] : h.on[0]);
    }
    c.disc(hx, hy, 2.5, col::white);
}

} // namespace scene
