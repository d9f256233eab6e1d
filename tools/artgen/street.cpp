// The street (501): the day shop and the night shop side by side, the sky
// turning from day over the day shop to night over the night shop, with
// their lit signs, doors that show the halls inside, banners, a street lamp,
// the pavement and the road.
#include <cmath>

#include "artkit.h"
#include "lamps.h"

namespace {

const int kW = 480, kH = 432;

// 0 over the day shop, 1 over the night shop, eased in the middle.
double nightness(int x)
{
    double t = (x - 190.0) / 100.0;
    t = std::fmin(1.0, std::fmax(0.0, t));
    return t * t * (3 - 2 * t);
}

void sky(Canvas& c)
{
    const Ramp day = {col::sky, col::sky, col::ice, col::cream};
    const Ramp dusk = {col::indigo, col::violet, col::pink, col::amber};
    const Ramp night = {col::black, col::navy, col::navy, col::indigo};
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < 220; y++)
        for (int x = 0; x < kW; x++) {
            double v = y / 219.0, n = nightness(x);
            // day, dusk or night ramp, chosen by ordered dither across the blend
            double mid = 1.0 - std::fabs(n - 0.5) * 2;
            const Ramp* r;
            int th = kBayer[y & 3][x & 3];
            if (mid * 16 > th + 4)
                r = &dusk;
            else
                r = n * 16 > th ? &night : &day;
            c.rampPixel(x, y, *r, v);
        }
    // sun and clouds over the day shop
    c.disc(60, 40, 20, col::amber);
    c.disc(60, 40, 17, col::yellow);
    c.disc(57, 37, 10, col::cream);
    for (int k = 0; k < 12; k++) {
        double a = k * M_PI / 6;
        c.thickLine(60 + 24 * std::cos(a), 40 + 24 * std::sin(a), 60 + 31 * std::cos(a), 40 + 31 * std::sin(a), 2,
                    col::yellow);
    }
    const double clouds[][3] = {{140, 36, 14}, {158, 30, 16}, {176, 38, 12}, {30, 96, 10}, {46, 92, 13}, {62, 98, 9}};
    for (auto& cl : clouds) {
        c.ellipse(cl[0], cl[1] + 2, cl[2] * 1.4, cl[2] * 0.8, col::ice);
        c.ellipse(cl[0] - 2, cl[1], cl[2] * 1.2, cl[2] * 0.7, col::white);
    }
    // moon and stars over the night shop
    c.disc(420, 42, 16, col::cream);
    c.disc(428, 36, 14, col::navy);
    Noise n(501);
    for (int k = 0; k < 60; k++) {
        int x = 280 + n.next(200), y = n.next(200);
        if (c.get(x, y) == col::black || c.get(x, y) == col::navy) {
            c.set(x, y, n.next(4) ? col::white : col::yellow);
            if (n.next(5) == 0) {
                c.set(x - 1, y, col::grey);
                c.set(x + 1, y, col::grey);
                c.set(x, y - 1, col::grey);
                c.set(x, y + 1, col::grey);
            }
        }
    }
}

// Buildings behind the shops.
void skyline(Canvas& c)
{
    const int towers[][3] = {{0, 140, 40}, {36, 120, 30}, {200, 100, 50}, {236, 130, 40}, {440, 110, 40}, {400, 150, 30}};
    for (auto& t : towers) {
        bool night = nightness(t[0] + t[2] / 2) > 0.5;
        c.fill(t[0], t[1], t[2], 240 - t[1], night ? col::indigo : col::pale);
        for (int y = t[1] + 6; y < 230; y += 10)
            for (int x = t[0] + 4; x < t[0] + t[2] - 4; x += 8)
                c.fill(x, y, 4, 5, night ? ((x * 7 + y) % 3 ? col::yellow : col::navy) : col::sky);
    }
}

// One shop: facade, sign, doors and the hall seen through them.
void shop(Canvas& c, int x0, bool night)
{
    int w = 206, top = 118, base = 356;
    // facade
    Ramp wall = night ? Ramp{col::black, col::indigo, col::purple} : Ramp{col::silver, col::cream, col::white};
    c.vgrad(x0, top, w, base - top, wall);
    c.frame(x0, top, w, base - top, col::black);
    // sign board with bulbs
    int sy = 58, sh = 64;
    roundRect(c, x0 - 4, sy, w + 8, sh, 8, col::black);
    roundRectGrad(c, x0 - 2, sy + 2, w + 4, sh - 4, 7,
                  night ? Ramp{col::black, col::navy, col::black} : Ramp{col::crimson, col::red, col::crimson});
    for (int k = 0; k < 26; k++) {
        bulb(c, x0 + 4 + 7.7 * k, sy + 5, 2, hue::yellow, (k % 2 == 0) || night);
        bulb(c, x0 + 4 + 7.7 * k, sy + sh - 6, 2, hue::yellow, (k % 2 == 1) || night);
    }
    // the shop's name, doubled in size
    std::string name = night ? "夜のお店" : "昼のお店";
    Canvas text(jpWidth(name, 16, true) + 2, jpHeight(16) + 2, col::key);
    drawJp(text, 1, 1, name, 16, col::white, true);
    int tw = text.w * 2, tx = x0 + w / 2 - tw / 2, ty = sy + 12;
    uint8_t face = night ? col::pink : col::yellow, rim = night ? col::violet : col::maroon;
    for (int pass = 0; pass < 2; pass++)
        for (int j = 0; j < text.h; j++)
            for (int i = 0; i < text.w; i++)
                if (text.get(i, j) == col::white) {
                    if (pass == 0) {
                        for (int dy = -1; dy <= 2; dy++)
                            for (int dx = -1; dx <= 2; dx++)
                                c.fill(tx + 2 * i + dx, ty + 2 * j + dy, 1, 1, rim);
                    } else {
                        c.fill(tx + 2 * i, ty + 2 * j, 2, 2, face);
                        c.set(tx + 2 * i, ty + 2 * j, col::white); // the tube's bright core
                    }
                }
    // "PACHINKO" band
    int by = top + 8;
    c.fill(x0 + 8, by, w - 16, 16, night ? col::black : col::navy);
    drawTextOutlined(c, x0 + w / 2 - textWidth("PACHINKO", 1) / 2, by + 5, "PACHINKO", night ? col::cyan : col::yellow,
                     col::black);
    // opening hours plate
    const char* hours = night ? "22:00-10:00" : "10:00-22:00";
    drawText(c, x0 + w / 2 - textWidth(hours) / 2, by + 22, hours, night ? col::lavender : col::grey);
    // windows showing the hall: rows of machines with lit displays
    int wy = top + 44, wh = base - wy - 4;
    for (int part = 0; part < 3; part++) {
        int wx = x0 + 8 + part * 66, ww = 58;
        c.fill(wx - 2, wy - 2, ww + 4, wh + 4, col::black);
        c.vgrad(wx, wy, ww, wh, night ? Ramp{col::purple, col::violet, col::pink} : Ramp{col::amber, col::yellow, col::cream});
        for (int m = 0; m < 3; m++) {
            int mx = wx + 3 + 19 * m, my = wy + 18;
            c.fill(mx, my, 15, 60, col::crimson);
            c.fill(mx + 2, my + 4, 11, 12, col::navy);
            c.set(mx + 5, my + 8, col::yellow);
            c.set(mx + 8, my + 10, col::yellow);
            c.fill(mx + 3, my + 8, 2, 2, (m + part) % 2 ? col::red : col::lime);
            c.fill(mx + 1, my + 22, 13, 4, col::silver);
        }
        // sliding door in the middle part, the others plain glass
        if (part == 1) {
            c.vline(wx + ww / 2, wy, wy + wh - 1, col::black);
            c.fill(wx + ww / 2 - 6, wy + wh / 2, 3, 10, col::silver);
            c.fill(wx + ww / 2 + 4, wy + wh / 2, 3, 10, col::silver);
            // the street is one still picture whatever the hour: no "open" sign
            drawText(c, wx + ww / 2 - textWidth("WELCOME") / 2, wy + 6, "WELCOME", night ? col::white : col::red);
        }
        // reflections on the glass
        for (int k = 0; k < 14; k++)
            c.set(wx + 40 + k / 2, wy + 4 + k * 3, col::white);
        c.bevel(wx - 2, wy - 2, ww + 4, wh + 4, col::grey, col::black);
    }
    // banners (nobori) either side
    for (int s = 0; s < 2; s++) {
        int fx = s ? x0 + w + 2 : x0 - 16;
        c.vline(fx, 130, 370, col::grey);
        c.fill(fx + 1, 150, 12, 90, night ? col::magenta : col::red);
        c.frame(fx + 1, 150, 12, 90, col::black);
        const char* word = "FEVER";
        for (int k = 0; k < 5; k++)
            drawText(c, fx + 4, 156 + 16 * k, std::string(1, word[k]), col::white);
    }
}

void streetLamp(Canvas& c, int x)
{
    c.fill(x - 2, 150, 5, 220, col::black);
    c.vline(x - 1, 150, 369, col::grey);
    c.fill(x - 12, 146, 25, 4, col::black);
    c.ellipse(x, 140, 14, 8, col::black);
    c.ellipse(x, 139, 12, 6, col::cream);
    c.ellipse(x, 138, 7, 3, col::white);
    // light pool on the pavement
    for (int y = 360; y < 400; y++)
        for (int xx = x - 40; xx <= x + 40; xx++) {
            double d = std::hypot((xx - x) / 40.0, (y - 380) / 16.0);
            if (d < 1 && ((xx + y) % 3 == 0))
                c.set(xx, y, col::cream);
        }
}

void ground(Canvas& c)
{
    // pavement tiles
    for (int y = 356; y < 400; y++)
        for (int x = 0; x < kW; x++) {
            bool grout = (y - 356) % 11 == 0 || (x + ((y - 356) / 11) * 9) % 22 == 0;
            double n = nightness(x);
            c.set(x, y, grout ? col::grey : (n > 0.5 ? ((x + y) % 2 ? col::grey : col::indigo) : col::silver));
        }
    c.fill(0, 400, kW, 4, col::black);
    // road
    for (int y = 404; y < kH; y++)
        for (int x = 0; x < kW; x++)
            c.set(x, y, ((x * 13 + y * 7) % 11 == 0) ? col::grey : (nightness(x) > 0.5 ? col::black : col::grey));
    c.dither(0, 404, kW, 28, col::grey, col::black, 8);
    for (int x = 10; x < kW; x += 60)
        c.fill(x, 417, 30, 3, col::white);
}

} // namespace

void makeStreet(ArtSet& out)
{
    Canvas c(kW, kH);
    sky(c);
    skyline(c);
    c.fill(0, 236, kW, 120, col::black);
    c.dither(0, 236, kW, 120, col::grey, col::black, 10);
    ground(c);
    shop(c, 20, false);
    shop(c, 254, true);
    streetLamp(c, 240);
    out.picture(501, c, false);
}
