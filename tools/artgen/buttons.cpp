// The panel's button faces (509: each face with its pressed look one face
// lower, the two-sided shop sign, the previous and next machine buttons) and
// the launch handle (510: dial, knob, cover and the three pressed buttons).
#include <algorithm>
#include <cmath>

#include "artkit.h"
#include "lamps.h"

namespace {

struct Face {
    int y;
    const char* label;
    Ramp body; // dark to light
};

// A glossy pill button with its label: lit from above with a glass band in
// its upper half; pressed, it sinks in, darkens and its label moves down a
// pixel. Outside the rounded corners goes `corner`.
void button(Canvas& c, int x, int y, int w, int h, const std::string& label, const Ramp& body, bool pressed,
            uint8_t corner = col::black)
{
    Ramp ramp = pressed ? Ramp{body[0], body[0], body[1], body[2]} : body;
    Canvas shape(w, h, col::key);
    roundRect(shape, 1, 1, w - 2, h - 2, std::min(7, h / 2 - 1), col::white);
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) {
            if (shape.get(i, j) != col::white) {
                bool ring = shape.get(i - 1, j) == col::white || shape.get(i + 1, j) == col::white ||
                            shape.get(i, j - 1) == col::white || shape.get(i, j + 1) == col::white;
                c.set(x + i, y + j, ring ? col::black : corner);
                continue;
            }
            double v = (double)j / (h - 1);
            double t = pressed ? 0.2 + 0.5 * v : (v < 0.45 ? 1.0 - v * 0.5 : 0.3 + 0.5 * (v - 0.45));
            c.rampPixel(x + i, y + j, ramp, t);
            bool lightEdge = shape.get(i - 1, j) != col::white || shape.get(i, j - 1) != col::white;
            bool darkEdge = shape.get(i + 1, j) != col::white || shape.get(i, j + 1) != col::white;
            if (lightEdge)
                c.set(x + i, y + j, pressed ? col::black : col::white);
            else if (darkEdge)
                c.set(x + i, y + j, pressed ? ramp.back() : ramp[0]);
        }
    if (!label.empty()) {
        int off = pressed ? 1 : 0;
        drawJpCentred(c, x + off, y + off, w, h, label, 16, pressed ? col::silver : col::white, col::black, false);
    }
}

// The shop sign: left half the day shop, right half the night shop; the
// shop of the face is lit, the other dimmed.
void shopSign(Canvas& c, int y, bool night)
{
    for (int half = 0; half < 2; half++) {
        bool on = half == (night ? 1 : 0);
        int x = 60 * half;
        c.fill(x, y, 60, 50, col::black);
        Ramp sky = half ? (on ? Ramp{col::black, col::navy, col::indigo} : Ramp{col::black, col::black, col::navy})
                        : (on ? Ramp{col::royal, col::sky, col::ice} : Ramp{col::navy, col::navy, col::blue});
        roundRectGrad(c, x + 1, y + 1, 58, 48, 6, sky);
        if (half == 0)
            bulb(c, x + 46, y + 12, 7, hue::orange, on);
        else {
            c.disc(x + 46, y + 12, 7, on ? col::cream : col::grey);
            c.disc(x + 49, y + 10, 6, sky[1]);
            for (int k = 0; k < 4; k++)
                c.set(x + 8 + 9 * k, y + 6 + (k % 2) * 5, on ? col::white : col::grey);
        }
        uint8_t text = on ? (half ? col::yellow : col::maroon) : col::grey;
        drawJpCentred(c, x, y + 16, 60, 30, half ? "夜のお店" : "昼のお店", 12, text, on ? (half ? col::maroon : col::white) : col::black,
                      false);
        if (on) {
            // chasing bulbs round the lit sign
            for (int k = 0; k < 7; k++) {
                c.set(x + 4 + 8 * k, y + 2, col::yellow);
                c.set(x + 4 + 8 * k, y + 47, col::yellow);
            }
        }
        c.frame(x, y, 60, 50, on ? col::white : col::grey);
    }
}

// Previous / next machine: an arrow and the label.
void arrowButton(Canvas& c, int x, int y, bool next, bool pressed)
{
    Ramp body = {col::darkGreen, col::green, col::lime, col::mint};
    button(c, x, y, 60, 50, "", body, pressed);
    int off = pressed ? 1 : 0;
    double cx = x + 30 + off, cy = y + 16 + off, d = next ? 1 : -1;
    std::vector<double> arrow = {cx - 10 * d, cy - 5, cx + 1 * d, cy - 5, cx + 1 * d, cy - 11, cx + 13 * d, cy,
                                 cx + 1 * d,  cy + 11, cx + 1 * d, cy + 5, cx - 10 * d, cy + 5};
    Canvas tmp(c.w, c.h, col::key);
    tmp.polygon(arrow, col::white);
    for (int j = 0; j < c.h; j++)
        for (int i = 0; i < c.w; i++)
            if (tmp.get(i, j) == col::white) {
                c.set(i + 1, j + 1, col::black);
            }
    c.polygon(arrow, pressed ? col::silver : col::yellow);
    drawJpCentred(c, x + off, y + 30 + off, 60, 18, next ? "次の台" : "前の台", 12, pressed ? col::silver : col::white, col::black,
                  false);
}

Canvas buttonFaces()
{
    Canvas c(120, 564);
    const Ramp red = {col::maroon, col::crimson, col::red, col::pink};
    const Ramp blue = {col::navy, col::blue, col::royal, col::sky};
    const Ramp gold = {col::brown, col::orange, col::amber, col::yellow};
    const Ramp violet = {col::purple, col::indigo, col::violet, col::lavender};
    const Ramp green = {col::darkGreen, col::green, col::lime, col::mint};
    const Face faces[] = {
        {0, "お店に入る", red},   // 7 enter the shop
        {52, "ﾌﾟﾚｲﾔｰ", blue},    // 8 players
        {104, "終了", violet},    // 9, 14, 17 exit / leave / stop
        {156, "台の選択", gold},  // 12 take the machine
        {208, "換玉", green},     // 15 exchange balls
        {260, "ホール", blue},    // 16 to the hall
        {312, "台に戻る", red},   // 13 back to the machine
    };
    for (const Face& f : faces) {
        button(c, 0, f.y, 120, 26, f.label, f.body, false);
        button(c, 0, f.y + 26, 120, 26, f.label, f.body, true);
    }
    shopSign(c, 364, false);
    shopSign(c, 414, true);
    arrowButton(c, 0, 464, false, false);
    arrowButton(c, 60, 464, true, false);
    arrowButton(c, 0, 514, false, true);
    arrowButton(c, 60, 514, true, true);
    return c;
}

// The handle's three buttons on the cover: up, pause, down.
void handleButton(Canvas& c, int x, int y, int which, bool pressed)
{
    Ramp body = which == 1 ? Ramp{col::maroon, col::crimson, col::red, col::pink}
                           : Ramp{col::navy, col::blue, col::royal, col::sky};
    button(c, x, y, 72, 24, "", body, pressed, col::key);
    int off = pressed ? 1 : 0;
    const char* label = which == 0 ? "^ UP" : which == 1 ? "# STOP" : "_ DOWN";
    drawTextOutlined(c, x + 36 - textWidth(label) / 2 + off, y + 9 + off, label, pressed ? col::yellow : col::white, col::black);
}

Canvas handle()
{
    Canvas c(112, 280, col::key);
    // Dial: a chrome ring with a rubber groove where the knobs turn, and
    // strength marks round the outside.
    for (int y = 0; y < 112; y++)
        for (int x = 0; x < 112; x++) {
            double d = std::hypot(x + 0.5 - 56, y + 0.5 - 56);
            if (d > 55.5)
                continue;
            if (d > 50)
                c.rampPixel(x, y, {col::black, col::grey, col::silver, col::white}, 1.0 - (y / 112.0) * 0.8);
            else if (d > 47)
                c.set(x, y, col::black);
            else if (d > 27 && d < 30)
                c.set(x, y, col::black); // the groove the knobs run in
            else if (d >= 30)
                c.rampPixel(x, y, {col::black, col::grey, col::silver}, 0.2 + 0.5 * (1.0 - y / 112.0) + ((int)(std::atan2(y - 56.0, x - 56.0) * 12) % 2 ? 0.1 : 0));
            else
                c.rampPixel(x, y, {col::black, col::navy, col::indigo}, 0.3 + 0.5 * (1.0 - y / 112.0));
        }
    for (int k = 0; k < 24; k++) {
        double a = k * M_PI / 12;
        int x0 = (int)std::lround(56 + 49 * std::sin(a)), y0 = (int)std::lround(56 - 49 * std::cos(a));
        c.set(x0, y0, k % 6 == 0 ? col::yellow : col::grey);
    }
    // Knob: a red grip ball.
    c.sphere(98, 126, 12.5, {col::black, col::maroon, col::crimson, col::red, col::pink});
    c.ring(98, 126, 13.5, 1.2, col::black);
    // Cover: a rounded chrome plate with the three buttons.
    roundRect(c, 0, 112, 84, 84, 14, col::black);
    roundRectGrad(c, 1, 113, 82, 82, 13, {col::white, col::silver, col::grey, col::black});
    for (int k = 0; k < 3; k++)
        handleButton(c, 6, 118 + 24 * k, k, false);
    // Pressed buttons.
    handleButton(c, 6, 202, 0, true);
    handleButton(c, 6, 226, 1, true);
    handleButton(c, 6, 250, 2, true);
    // The pressed buttons' corners stay transparent, so the plate shows through.
    return c;
}

} // namespace

void makeButtons(ArtSet& out)
{
    out.picture(509, buttonFaces(), false);
    out.picture(510, handle(), true);
}
