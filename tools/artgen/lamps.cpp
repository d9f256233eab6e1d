#include "lamps.h"

#include <algorithm>
#include <cmath>

void bulb(Canvas& c, double cx, double cy, double r, const LampHue& h, bool lit)
{
    if (lit) {
        // halo: a dithered ring of the lamp's middle colour
        for (int y = (int)(cy - r - 3); y <= (int)(cy + r + 3); y++)
            for (int x = (int)(cx - r - 3); x <= (int)(cx + r + 3); x++) {
                double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                if (d > r && d <= r + 2.5 && ((x + y) & 1))
                    c.set(x, y, h.on[std::min<size_t>(1, h.on.size() - 1)]);
            }
        for (int y = (int)(cy - r); y <= (int)(cy + r); y++)
            for (int x = (int)(cx - r); x <= (int)(cx + r); x++) {
                double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r;
                if (d <= 1.0)
                    c.rampPixel(x, y, h.on, 1.0 - d * d);
            }
    } else {
        c.sphere(cx, cy, r, h.off, false);
        c.set((int)(cx - r * 0.4), (int)(cy - r * 0.45), col::grey);
        if (r > 3)
            c.set((int)(cx - r * 0.4) + 1, (int)(cy - r * 0.45), col::grey);
    }
}

static bool inRoundRect(int px, int py, int x, int y, int w, int h, int r)
{
    if (px < x || py < y || px >= x + w || py >= y + h)
        return false;
    int cx = std::clamp(px, x + r, x + w - 1 - r), cy = std::clamp(py, y + r, y + h - 1 - r);
    double dx = px - cx, dy = py - cy;
    return dx * dx + dy * dy <= (r + 0.3) * (r + 0.3);
}

void roundRect(Canvas& c, int x, int y, int w, int h, int r, uint8_t colour)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            if (inRoundRect(i, j, x, y, w, h, r))
                c.set(i, j, colour);
}

void roundRectGrad(Canvas& c, int x, int y, int w, int h, int r, const Ramp& ramp)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            if (inRoundRect(i, j, x, y, w, h, r))
                c.rampPixel(i, j, ramp, h > 1 ? (double)(j - y) / (h - 1) : 0);
}

void lens(Canvas& c, int x, int y, int w, int h, const LampHue& hue, bool lit, int radius)
{
    radius = std::min(radius, std::min(w, h) / 2);
    roundRect(c, x, y, w, h, radius, col::black);
    int ix = x + 1, iy = y + 1, iw = w - 2, ih = h - 2;
    for (int j = iy; j < iy + ih; j++)
        for (int i = ix; i < ix + iw; i++) {
            if (!inRoundRect(i, j, ix, iy, iw, ih, std::max(0, radius - 1)))
                continue;
            double u = (i - ix + 0.5) / iw * 2 - 1, v = (j - iy + 0.5) / ih * 2 - 1;
            if (lit) {
                double t = 1.0 - 0.6 * (u * u) - 0.6 * (v * v);
                c.rampPixel(i, j, hue.on, t);
            } else {
                c.rampPixel(i, j, hue.off, 0.85 - 0.5 * v);
            }
        }
    // reflection streak along the top
    uint8_t streak = lit ? col::white : hue.off.back();
    c.hline(ix + radius, ix + iw - 1 - radius, iy, streak);
}

void shapeLamp(Canvas& c, const std::vector<double>& xy, double cx, double cy, double r, const LampHue& h, bool lit)
{
    Canvas mask(c.w, c.h, col::key);
    mask.polygon(xy, col::white);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (mask.get(x, y) != col::white)
                continue;
            bool edge = mask.get(x - 1, y) != col::white || mask.get(x + 1, y) != col::white ||
                        mask.get(x, y - 1) != col::white || mask.get(x, y + 1) != col::white;
            double d = std::min(1.0, std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r);
            if (edge)
                c.set(x, y, lit ? h.on[0] : col::black);
            else if (lit)
                c.rampPixel(x, y, h.on, 1.0 - d);
            else
                c.rampPixel(x, y, h.off, 0.9 - 0.6 * d);
        }
}

std::vector<double> starShape(double cx, double cy, double outer, double inner, double turn)
{
    std::vector<double> p;
    for (int k = 0; k < 10; k++) {
        double a = turn + k * M_PI / 5 - M_PI / 2;
        double r = k % 2 ? inner : outer;
        p.push_back(cx + r * std::cos(a));
        p.push_back(cy + r * std::sin(a));
    }
    return p;
}

std::vector<double> boltShape(double x, double y, double w, double h)
{
    const double pts[] = {0.55, 0.0, 0.05, 0.55, 0.45, 0.55, 0.3, 1.0, 0.95, 0.4, 0.55, 0.4, 0.8, 0.0};
    std::vector<double> p;
    for (int k = 0; k < 14; k += 2) {
        p.push_back(x + pts[k] * w);
        p.push_back(y + pts[k + 1] * h);
    }
    return p;
}
