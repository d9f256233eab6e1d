// Machine No.3's reel window pictures: the reel strips and the demo strip
// (in the parts sheet 601), the round panels (603..606), the window
// pictures (607: backdrop, fanfare panel, ending, V), the fanfare picture
// (608), the round captions (609) and the door counter digits (610).
#include <cmath>

#include "no3_art.h"
#include "lamps.h"
#include "no3_art_layout.h"

using namespace no3art;

namespace {

// Reel symbols, 12 x 10: 1 the prize symbol, 2 and 3 ordinary.
const char* const kSymbol[3][10] = {
    {"....###.....", "...####.....", "..#####.....", "....###.....", "....###.....", "....###.....", "....###.....",
     "....###.....", "..#######...", "..#######..."},
    {"..######....", ".###..###...", "......###...", ".....###....", "....###.....", "...###......", "..###.......",
     ".###........", ".#########..", ".#########.."},
    {".########...", "......###...", ".....###....", "....###.....", "....#####...", ".......###..", ".......###..",
     ".###...###..", "..#######...", "............"},
};

// Draws symbol s (1..3) centred at (cx, cy).
void symbol(Canvas& c, int cx, int cy, int s)
{
    Canvas g(16, 14, col::key);
    Ramp ramp = s == 1 ? Ramp{col::maroon, col::crimson, col::red, col::orange}
                       : s == 2 ? Ramp{col::navy, col::blue, col::royal, col::sky}
                                : Ramp{col::darkGreen, col::green, col::lime};
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 12; x++)
            if (kSymbol[s - 1][y][x] == '#')
                g.rampPixel(x + 2, y + 2, ramp, 1.0 - y / 9.0);
    g.outline(s == 1 ? col::amber : col::black);
    if (s == 1)
        g.outline(col::maroon);
    c.blit(g, 0, 0, 16, 14, cx - 8, cy - 7, true);
}

// A strip of `cells` cells from the cell values; symbols centred 12 rows
// below their cell's top, the first 24 rows repeated at the end.
void reelStrip(Canvas& sheet, const Piece& at, const char* values, int cells, const Ramp& face)
{
    int h = 6 * cells;
    Canvas s(26, h + 24);
    for (int y = 0; y < s.h; y++)
        for (int x = 0; x < 26; x++) {
            double u = (x + 0.5) / 26 * 2 - 1;
            s.rampPixel(x, y, face, 1.0 - u * u);
        }
    s.vline(0, 0, s.h - 1, col::grey);
    s.vline(25, 0, s.h - 1, col::grey);
    for (int cell = 0; cell < cells; cell++) {
        int v = values[cell] - '0';
        if (v)
            symbol(s, 13, (6 * cell + 12) % h, v);
    }
    // Symbols near the end reach round into the top, and the repeat copies the top.
    for (int cell = 0; cell < cells; cell++) {
        int v = values[cell] - '0';
        if (v && 6 * cell + 12 + 7 > h)
            symbol(s, 13, 6 * cell + 12 - h, v);
    }
    s.blit(s, 0, 0, 26, 24, 0, h);
    sheet.blit(s, 0, 0, 26, at.h, at.x, at.y);
}

// A 26 x 24 picture of the demo strip.
void demoTile(Canvas& c, int x, int y, int kind)
{
    c.vgrad(x, y, 26, 24, {col::black, col::navy, col::indigo});
    switch (kind) {
    case 0: shapeLamp(c, starShape(x + 13, y + 12.5, 11, 4.5), x + 13, y + 12, 12, hue::yellow, true); break;
    case 1: shapeLamp(c, boltShape(x + 6, y + 1, 14, 22), x + 13, y + 12, 12, hue::cyan, true); break;
    case 2: symbol(c, x + 13, y + 12, 1); break;
    case 3: c.sphere(x + 13, y + 12, 8, {col::black, col::grey, col::silver, col::ice, col::white}); break;
    case 4: drawTextRamp(c, x + 8, y + 5, "V", {col::darkGreen, col::green, col::lime, col::mint}, col::black, 2); break;
    case 5: bulb(c, x + 13, y + 12, 8, hue::red, true); break;
    case 6: symbol(c, x + 13, y + 12, 2); break;
    case 7: shapeLamp(c, starShape(x + 13, y + 12.5, 11, 4.5, 0.3), x + 13, y + 12, 12, hue::violet, true); break;
    default: symbol(c, x + 13, y + 12, 3); break;
    }
}

const char* const kRoundSets[4] = {"1-6", "7-12", "13-15", "16"};

// Round panel of set k (0: rounds 1..6, 1: 7..12, 2: 13..15, 3: 16).
Canvas roundPanel(int k)
{
    Canvas c(108, 160);
    const uint8_t a[4] = {col::navy, col::darkGreen, col::purple, col::maroon};
    const uint8_t b[4] = {col::blue, col::green, col::indigo, col::crimson};
    const LampHue* h[4] = {&hue::cyan, &hue::green, &hue::violet, &hue::yellow};
    for (int v = 0; v < 2; v++) {
        int y = 80 * v;
        drawRays(c, 0, y, 108, 80, 54, y + 46, a[k], b[k], 16, 0.1 * k);
        // a ring of bulbs round the panel
        for (int i = 0; i < 14; i++) {
            bulb(c, 5 + 7.6 * i, y + 5, 2.5, *h[k], (i + v) % 2 == 0);
            bulb(c, 5 + 7.6 * i, y + 75, 2.5, *h[k], (i + v) % 2 == 1);
        }
        drawCellFrame(c, 0, y, col::white, col::black);
    }
    // The intro variant announces the set.
    const char* intro = k == 0 ? "START!" : k == 1 ? "KEEP ON!" : k == 2 ? "RUSH!" : "FINAL";
    drawTextRamp(c, 54 - textWidth(intro, 2) / 2, 14, intro, {col::amber, col::yellow, col::cream, col::white}, col::black, 2);
    std::string label = std::string("ROUNDS ") + kRoundSets[k];
    drawTextOutlined(c, 54 - textWidth(label) / 2, 40, label, col::white, col::black);
    shapeLamp(c, starShape(54, 62, 10, 4), 54, 62, 10, hue::yellow, true);
    // The normal variant leaves the middle to the caption; a bolt either side.
    shapeLamp(c, boltShape(4, 94, 14, 52), 11, 120, 20, *h[k], true);
    shapeLamp(c, boltShape(90, 94, 14, 52), 97, 120, 20, *h[k], true);
    return c;
}

// 607: the six window pictures.
Canvas windowPictures()
{
    Canvas c(108, 480);
    Noise n(607);
    // backdrop: night sky with a faint grid
    c.vgrad(0, 0, 108, 80, {col::black, col::navy, col::indigo});
    for (int k = 0; k < 40; k++)
        c.set(n.next(108), n.next(80), n.next(4) ? col::blue : col::white);
    for (int x = 0; x < 108; x += 9)
        for (int y = 0; y < 80; y += 2)
            c.set(x, y, col::navy);
    drawCellFrame(c, 0, 0, col::grey, col::black);
    // fanfare panel: red and gold rays
    drawRays(c, 0, 80, 108, 80, 54, 120, col::crimson, col::amber, 20);
    for (int y = 80; y < 160; y++)
        for (int x = 0; x < 108; x++)
            if (std::hypot(x - 54.0, y - 120.0) < 14)
                c.rampPixel(x, y, {col::yellow, col::cream, col::white}, 1.0 - std::hypot(x - 54.0, y - 120.0) / 14);
    drawCellFrame(c, 0, 80, col::yellow, col::maroon);
    // ending, two pictures
    for (int v = 0; v < 2; v++) {
        int y = 160 + 80 * v;
        c.vgrad(0, y, 108, 80, v ? Ramp{col::indigo, col::violet, col::indigo} : Ramp{col::navy, col::royal, col::navy});
        const char* top = "FEVER";
        const char* bottom = v ? "THANKS" : "END";
        drawTextRamp(c, 54 - textWidth(top, 2) / 2, y + 14, top, {col::crimson, col::red, col::orange, col::yellow}, col::black, 2);
        drawTextRamp(c, 54 - textWidth(bottom, 2) / 2, y + 42, bottom,
                     v ? Ramp{col::amber, col::yellow, col::white} : Ramp{col::royal, col::sky, col::ice, col::white}, col::black,
                     2);
        for (int k = 0; k < 5; k++)
            shapeLamp(c, starShape(12 + 21 * k, y + 70, 4, 2), 12 + 21 * k, y + 70, 4, hue::yellow, (k + v) % 2 == 0);
        drawCellFrame(c, 0, y, col::white, col::black);
    }
    // the V picture, two frames
    for (int v = 0; v < 2; v++) {
        int y = 320 + 80 * v;
        drawRays(c, 0, y, 108, 80, 54, y + 40, v ? col::darkGreen : col::green, v ? col::green : col::lime, 12,
                 0.2 * v);
        const LampHue& vh = v ? hue::yellow : hue::green;
        std::vector<double> vee = {24, y + 6.0, 44, y + 6.0, 54, y + 40.0, 64, y + 6.0, 84, y + 6.0, 62, y + 60.0, 46, y + 60.0};
        std::vector<double> shade;
        for (size_t k = 0; k < vee.size(); k += 2) {
            shade.push_back(vee[k] + 2);
            shade.push_back(vee[k + 1] + 2);
        }
        c.polygon(shade, col::black);
        shapeLamp(c, vee, 48, y + 18, 44, vh, true);
        drawTextOutlined(c, 54 - textWidth("GET!") / 2, y + 64, "GET!", v ? col::yellow : col::white, col::black);
        drawCellFrame(c, 0, y, col::white, col::black);
    }
    return c;
}

Canvas fanfare()
{
    Canvas c(108, 80, col::key);
    drawTextRamp(c, 54 - textWidth("FEVER!", 3) / 2, 22, "FEVER!", {col::maroon, col::red, col::orange, col::yellow, col::white},
                 col::black, 3);
    drawTextOutlined(c, 54 - textWidth("BIG PRIZE") / 2, 52, "BIG PRIZE", col::yellow, col::black);
    const double stars[][3] = {{10, 12, 6}, {96, 10, 7}, {18, 66, 5}, {92, 64, 6}, {54, 8, 4}};
    for (auto& s : stars)
        shapeLamp(c, starShape(s[0], s[1], s[2], s[2] * 0.45), s[0], s[1], s[2], hue::yellow, true);
    return c;
}

Canvas captions()
{
    Canvas c(108, 1280, col::key);
    for (int r = 1; r <= 16; r++) {
        int y = 80 * (r - 1);
        std::string num = std::to_string(r);
        Ramp ramp = r == 16 ? Ramp{col::maroon, col::red, col::orange, col::yellow, col::white}
                            : Ramp{col::brown, col::amber, col::yellow, col::cream, col::white};
        drawTextOutlined(c, 54 - textWidth("ROUND") / 2, y + 6, "ROUND", col::white, col::black);
        drawTextRamp(c, 54 - textWidth(num, 6) / 2, y + 22, num, ramp, col::black, 6);
        if (r == 16)
            drawTextOutlined(c, 54 - textWidth("LAST") / 2, y + 68, "LAST", col::red, col::black);
    }
    return c;
}

Canvas counterDigits()
{
    Canvas c(16, 220, col::black);
    drawSegmentDigits(c, 2, 2, 22, 10, 12, 18, col::red, col::black, 3);
    return c;
}

} // namespace

void drawReelAndDemoStrips(Canvas& sheet)
{
    const char* strip30 = "100020030020030020030020002000";
    const char* strip54 = "100303002003030300200303030020030303002003030300200300";
    reelStrip(sheet, kReelStrip[0], strip30, 30, {col::silver, col::white, col::white});
    reelStrip(sheet, kReelStrip[1], strip54, 54, {col::pale, col::ice, col::white});
    reelStrip(sheet, kReelStrip[2], strip54, 54, {col::gold, col::cream, col::white});
    // Demo strip: 12 pictures of 24 rows per column, the first repeated.
    const int a[12] = {0, 3, 1, 6, 4, 5, 2, 8, 7, 3, 4, 1};
    const int b[12] = {1, 5, 0, 4, 3, 7, 2, 6, 1, 8, 0, 5};
    for (int col = 0; col < 2; col++) {
        const Piece& p = kDemoStrip[col];
        for (int t = 0; t <= 12; t++)
            demoTile(sheet, p.x, p.y + 24 * t, (col ? b : a)[t % 12]);
    }
}

void makeDisplay(ArtSet& out)
{
    for (int k = 0; k < 4; k++)
        out.picture(603 + k, roundPanel(k), false);
    out.picture(607, windowPictures(), false);
    out.picture(608, fanfare(), true);
    out.picture(609, captions(), true);
    out.picture(610, counterDigits(), false);
}
