// Machine No.1's display overlays (608, a sprite): the title that rises
// into the attract picture and the two closing messages, the mark framed
// round each cell of a line and the cover that darkens a cell off it, the
// band of stars and comets in front of the scrolling panorama (period 216,
// like the panorama), the frame over the attract picture and the words
// over the fanfare.
#include <cmath>

#include "lamps.h"
#include "no1_art.h"
#include "no1_art_layout.h"
#include "scene_kit.h"

using namespace no1art;

namespace {

void centred(Canvas& c, int x0, int w, int y, const std::string& s, const Ramp& ramp, int scale)
{
    drawTextRamp(c, x0 + (w - textWidth(s, scale)) / 2, y, s, ramp, col::black, scale);
}

void title(Canvas& c)
{
    const Piece& t = kTitleOverlay;
    // the ring of an orbit round the name, and the name across it
    for (int i = 0; i < 600; i++) {
        double a = i * 2 * M_PI / 600;
        int x = (int)std::lround(t.x + 54 + 50 * std::cos(a)), y = (int)std::lround(t.y + 38 + 16 * std::sin(a));
        c.set(x, y, col::cyan);
        c.set(x, y + 1, col::royal);
    }
    centred(c, t.x, t.w, t.y + 30, "ORBITEX", {col::maroon, col::red, col::orange, col::yellow, col::white}, 2);
    drawTextOutlined(c, t.x + 54 - textWidth("NO.1") / 2, t.y + 12, "NO.1", col::white, col::black);
    centred(c, t.x, t.w, t.y + 58, "SPACE FEVER", {col::royal, col::sky, col::ice, col::white}, 1);
    shapeLamp(c, starShape(t.x + 54 + 50 * std::cos(0.6), t.y + 38 + 16 * std::sin(0.6), 5, 2), t.x + 104,
              t.y + 48, 6, hue::yellow, true);
    c.outline(col::black);
}

void messages(Canvas& c)
{
    const Piece& a = kMessageOverlay[0];
    drawTextOutlined(c, a.x + 54 - textWidth("AIM FOR THE") / 2, a.y + 2, "AIM FOR THE", col::white, col::black);
    centred(c, a.x, a.w, a.y + 14, "START!", {col::brown, col::amber, col::yellow, col::white}, 2);
    const Piece& b = kMessageOverlay[1];
    drawTextOutlined(c, b.x + 54 - textWidth("3 IN A LINE") / 2, b.y + 2, "3 IN A LINE", col::white, col::black);
    centred(c, b.x, b.w, b.y + 14, "FEVER!", {col::maroon, col::red, col::orange, col::yellow}, 2);
}

void markAndCover(Canvas& c)
{
    const Piece& m = kLineMark;
    // a glowing frame two pixels thick round the cell, stars at its corners
    for (int k = 0; k < 3; k++)
        c.frame(m.x + k, m.y + k, m.w - 2 * k, m.h - 2 * k, k == 1 ? col::yellow : k == 0 ? col::red : col::white);
    for (int corner = 0; corner < 4; corner++) {
        double sx = m.x + (corner % 2 ? m.w - 4 : 3), sy = m.y + (corner / 2 ? m.h - 4 : 3);
        shapeLamp(c, starShape(sx, sy, 4, 1.7), sx, sy, 4, hue::yellow, true);
    }
    const Piece& v = kCover;
    for (int y = v.y; y < v.y + v.h; y++)
        for (int x = v.x; x < v.x + v.w; x++)
            if ((x + y) % 2 == 0 || y % 4 == 0)
                c.set(x, y, col::black);
}

void starBand(Canvas& c)
{
    const int W = kPanoramaPeriod, y0 = kStarBandY;
    Canvas band(W, 80, col::key);
    Noise n(1608);
    for (int k = 0; k < 26; k++) {
        int x = n.next(W), y = 5 + n.next(70), kind = n.next(4);
        for (int shift : {0, -W, W}) {
            int px = x + shift;
            if (kind == 0)
                shapeLamp(band, starShape(px, y, 4, 1.7), px, y, 4, hue::yellow, true);
            else if (kind == 1) {
                band.set(px, y, col::white);
                band.set(px - 1, y, col::ice);
                band.set(px + 1, y, col::ice);
                band.set(px, y - 1, col::ice);
                band.set(px, y + 1, col::ice);
            } else
                band.set(px, y, col::white);
        }
    }
    for (int shift : {0, -W, W}) {
        scene::comet(band, 40 + shift, 16, hue::cyan);
        scene::comet(band, 150 + shift, 44, hue::yellow);
    }
    c.blit(band, 0, 0, W, 80, 0, y0, true);
    c.blit(band, 0, 0, 108, 80, W, y0, true); // the repeat
}

void attractFront(Canvas& c)
{
    const Piece& f = kAttractFront;
    // a porthole's rim in the corners: the picture is seen through it
    for (int y = f.y; y < f.y + f.h; y++)
        for (int x = f.x; x < f.x + f.w; x++) {
            double dx = std::max(0.0, std::fabs(x - f.x - 53.5) - 36), dy = std::max(0.0, std::fabs(y - f.y - 39.5) - 20);
            double d = std::hypot(dx, dy);
            if (d > 18)
                c.rampPixel(x, y, {col::silver, col::grey, col::grey, col::black}, (d - 18) / 10);
            else if (d > 16.5)
                c.set(x, y, col::white);
        }
    const int rivets[][2] = {{4, 4}, {103, 4}, {4, 75}, {103, 75}};
    for (auto& r : rivets) {
        c.set(f.x + r[0], f.y + r[1], col::white);
        c.set(f.x + r[0] + 1, f.y + r[1] + 1, col::black);
    }
}

void fanfareFront(Canvas& c)
{
    const Piece& f = kFanfareFront;
    centred(c, f.x, f.w, f.y + 20, "FEVER!", {col::maroon, col::red, col::orange, col::yellow, col::white}, 3);
    drawTextOutlined(c, f.x + 54 - textWidth("BIG PRIZE") / 2, f.y + 50, "BIG PRIZE", col::white, col::black);
    const double stars[][3] = {{10, 12, 6}, {97, 10, 7}, {16, 66, 5}, {92, 66, 6}};
    for (auto& s : stars)
        shapeLamp(c, starShape(f.x + s[0], f.y + s[1], s[2], s[2] * 0.45), f.x + s[0], f.y + s[1], s[2], hue::yellow,
                  true);
}

} // namespace

Canvas overlays()
{
    Canvas c(324, 240, col::key);
    Canvas t(324, 240, col::key);
    title(t);
    c.blit(t, 0, 0, true);
    messages(c);
    markAndCover(c);
    starBand(c);
    attractFront(c);
    fanfareFront(c);
    return c;
}
