// Machine No.4's display pictures: the reel strip and the round and count
// numbers (606), the flash and V frames (607) and the big prize's
// panoramas (608).
#include <cmath>
#include <string>

#include "lamps.h"
#include "no4_art.h"
#include "no4_art_layout.h"

using namespace no4art;

namespace {

// A white mask drawn centred at (cx, cy): its pixels filled with a ramp from
// the top of its `rows` (below a two-pixel margin) down, outlined all round.
void stampMask(Canvas& c, const Canvas& m, int cx, int cy, const Ramp& ramp, uint8_t outline, int rows)
{
    int ox = cx - m.w / 2, oy = cy - m.h / 2;
    for (int j = 0; j < m.h; j++)
        for (int i = 0; i < m.w; i++) {
            if (m.get(i, j) == col::white)
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++)
                    near = near || m.get(i + dx, j + dy) == col::white;
            if (near)
                c.set(ox + i, oy + j, outline);
        }
    for (int j = 0; j < m.h; j++)
        for (int i = 0; i < m.w; i++)
            if (m.get(i, j) == col::white)
                c.rampPixel(ox + i, oy + j, ramp, 1.0 - (j - 2.0) / (rows - 1));
}

// Text of the 5 x 7 font stretched by (sx, sy), filled with a ramp from top
// to bottom and outlined; centred at (cx, cy).
void bigText(Canvas& c, int cx, int cy, const std::string& s, int sx, int sy, const Ramp& ramp, uint8_t outline,
             int gap = 1)
{
    int n = (int)s.size();
    std::vector<Canvas> glyphs;
    int width = 0;
    for (char ch : s) {
        Canvas g(6, 7, col::key);
        drawText(g, 0, 0, std::string(1, ch), col::white);
        int w = 5;
        glyphs.push_back(g);
        width += w * sx;
    }
    width += gap * (n - 1);
    Canvas m(width + 4, 7 * sy + 4, col::key);
    int x = 2;
    for (const Canvas& g : glyphs) {
        for (int j = 0; j < 7 * sy; j++)
            for (int i = 0; i < 5 * sx; i++)
                if (g.get(i / sx, j / sy) == col::white)
                    m.set(x + i, 2 + j, col::white);
        x += 5 * sx + gap;
    }
    stampMask(c, m, cx, cy, ramp, outline, 7 * sy);
}

// Bold digits for the reel symbols, 6 x 9, strokes two pixels wide.
const char* const kBoldDigits[10][9] = {
    {".####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", ".####."},
    {"..##..", ".###..", "####..", "..##..", "..##..", "..##..", "..##..", "..##..", "######"},
    {".####.", "##..##", "....##", "...##.", "..##..", ".##...", "##....", "##....", "######"},
    {"#####.", "....##", "....##", "..###.", "....##", "....##", "....##", "....##", "#####."},
    {"...##.", "..###.", ".####.", "##.##.", "##.##.", "######", "...##.", "...##.", "...##."},
    {"######", "##....", "##....", "#####.", "....##", "....##", "....##", "##..##", ".####."},
    {".####.", "##....", "##....", "#####.", "##..##", "##..##", "##..##", "##..##", ".####."},
    {"######", "....##", "....##", "...##.", "...##.", "..##..", "..##..", "..##..", "..##.."},
    {".####.", "##..##", "##..##", ".####.", "##..##", "##..##", "##..##", "##..##", ".####."},
    {".####.", "##..##", "##..##", "##..##", ".#####", "....##", "....##", "....##", ".####."},
};

// A number in the bold digits stretched by (sx, sy), filled with a ramp from
// top to bottom and outlined; centred at (cx, cy).
void boldNumber(Canvas& c, int cx, int cy, int n, int sx, int sy, const Ramp& ramp, uint8_t outline)
{
    std::string text = std::to_string(n);
    int w = (int)text.size() * 6 * sx + ((int)text.size() - 1), h = 9 * sy;
    Canvas m(w + 4, h + 4, col::key);
    for (size_t k = 0; k < text.size(); k++)
        for (int j = 0; j < h; j++)
            for (int i = 0; i < 6 * sx; i++)
                if (kBoldDigits[text[k] - '0'][j / sy][i / sx] == '#')
                    m.set(2 + (int)k * (6 * sx + 1) + i, 2 + j, col::white);
    stampMask(c, m, cx, cy, ramp, outline, h);
}

// ---------------------------------------------------------------- 606

// Colours of the ordinary symbols, so that neighbours on the strip differ.
const Ramp kSymbolRamps[16] = {
    {},
    {col::maroon, col::red, col::orange},           // 1
    {col::navy, col::blue, col::royal, col::sky},   // 2
    {col::darkGreen, col::green, col::lime},        // 3
    {},                                             // 4: special
    {col::purple, col::violet, col::magenta},       // 5
    {col::navy, col::aqua, col::cyan},              // 6
    {col::brown, col::orange, col::amber},          // 7
    {},                                             // 8: special
    {col::indigo, col::violet, col::lavender},      // 9
    {col::darkGreen, col::green, col::mint},        // 10
    {col::maroon, col::crimson, col::red, col::pink}, // 11
    {col::navy, col::royal, col::sky, col::ice},    // 12
    {col::olive, col::green, col::lime},            // 13
    {col::purple, col::magenta, col::pink},         // 14
    {col::navy, col::blue, col::royal},             // 15
};

} // namespace

void drawReelSymbol(Canvas& c, int cx, int cy, int s)
{
    if (s == 4 || s == 8) {
        // the chance symbols: a gold number on a red star badge with a gold rim
        c.polygon(starShape(cx, cy + 1, 16.5, 10), col::yellow);
        c.polygon(starShape(cx, cy + 1, 15, 9), col::black);
        const LampHue deepRed = {{col::maroon}, {col::maroon, col::crimson, col::red, col::red}};
        shapeLamp(c, starShape(cx, cy + 1, 14, 8.4), cx, cy - 2, 15, deepRed, true);
        boldNumber(c, cx, cy + 2, s, 2, 2, {col::white, col::cream, col::yellow, col::amber}, col::black);
        c.set(cx - 12, cy - 12, col::white);
        c.set(cx + 11, cy + 13, col::white);
        return;
    }
    boldNumber(c, cx, cy, s, s >= 10 ? 2 : 3, 3, kSymbolRamps[s], col::black);
}

namespace {

Canvas reelStrip()
{
    Canvas s(kStripW, kStripRows);
    for (int y = 0; y < s.h; y++)
        for (int x = 0; x < kStripW; x++) {
            double u = (x + 0.5) / kStripW * 2 - 1;
            s.rampPixel(x, y, {col::silver, col::white, col::white}, 1.0 - u * u);
        }
    for (int c = 0; c < kStripCells; c++) {
        int y = kCellRows * c;
        s.hline(3, kStripW - 4, y, col::silver); // a faint seam between cells
        drawReelSymbol(s, kStripW / 2, y + kCellRows / 2, kStripCells - c);
    }
    s.vline(0, 0, s.h - 1, col::grey);
    s.vline(kStripW - 1, 0, s.h - 1, col::grey);
    // the first cells again after the last, for windows past the end
    s.blit(s, 0, 0, kStripW, kStripRows - kTurnRows, 0, kTurnRows);
    return s;
}

// Numbers 0..16 as lit segment digits in one colour.
void numbers(Canvas& sheet, int x0, uint8_t on, uint8_t off, const Ramp& glass)
{
    for (int n = 0; n < kNumberCount; n++) {
        int y = kWindowH * n;
        sheet.vgrad(x0, y, kWindowW, kWindowH, glass);
        sheet.frame(x0, y, kWindowW, kWindowH, col::black);
        if (n >= 10) {
            drawSegmentDigit(sheet, x0 + 2, y + 8, 11, 32, n / 10, on, off, 3);
            drawSegmentDigit(sheet, x0 + 15, y + 8, 11, 32, n % 10, on, off, 3);
        } else {
            drawSegmentDigit(sheet, x0 + 6, y + 8, 16, 32, n, on, off, 4);
        }
    }
}

// ---------------------------------------------------------------- 607

// The sudden stop's (and the shake's) flash, frame f of 36: a white burst,
// a ring running out, rays and sparkles fading.
void flashPlus(Canvas& c, int x0, int y0, int f)
{
    double p = f / 35.0, cx = x0 + 14, cy = y0 + 24;
    if (f < 6)
        for (int y = y0; y < y0 + kWindowH; y++)
            for (int x = x0; x < x0 + kWindowW; x++) {
                static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
                if (bayer[y & 3][x & 3] < 16 - 3 * f)
                    c.set(x, y, f < 3 ? col::white : col::cream);
            }
    double r = 5 + 28 * p;
    const uint8_t ringColour = f < 12 ? col::yellow : f < 24 ? col::amber : col::pink;
    for (int y = y0; y < y0 + kWindowH; y++)
        for (int x = x0; x < x0 + kWindowW; x++) {
            double d = std::hypot(x + 0.5 - cx, (y + 0.5 - cy) * 0.7);
            if (std::fabs(d - r) < 1.6)
                c.set(x, y, ringColour);
        }
    if (f < 28) {
        double len = 26 * (1 - p);
        for (int k = 0; k < 8; k++) {
            double a = k * M_PI / 4 + p;
            c.thickLine(cx, cy, cx + len * std::cos(a), cy + len * 1.4 * std::sin(a), k % 2 ? 1 : 2,
                        k % 2 ? col::yellow : col::white);
        }
    }
    if (f < 30 && f % 4 < 3) { // the window's rim glows, flickering
        c.frame(x0, y0, kWindowW, kWindowH, f % 2 ? col::yellow : col::white);
        c.frame(x0 + 1, y0 + 1, kWindowW - 2, kWindowH - 2, col::amber);
    }
    Noise n(607 + f / 3);
    for (int k = 0; k < 5; k++) {
        int sx = x0 + 3 + n.next(kWindowW - 6), sy = y0 + 3 + n.next(kWindowH - 6);
        if ((f + k) % 3 == 0)
            continue;
        uint8_t colour = k % 2 ? col::cyan : col::pink;
        c.set(sx, sy, col::white);
        c.set(sx - 1, sy, colour);
        c.set(sx + 1, sy, colour);
        c.set(sx, sy - 1, colour);
        c.set(sx, sy + 1, colour);
    }
}

// The start's flash (reels setting off, a big prize's first moments): a
// rainbow of blinds that opens from the middle of each band.
void flashMinus(Canvas& c, int x0, int y0, int f)
{
    const uint8_t bands[6] = {col::red, col::orange, col::yellow, col::lime, col::cyan, col::violet};
    double p = f / 35.0;
    for (int b = 0; b < 6; b++) {
        int top = y0 + 8 * b;
        int keep = (int)std::lround(8 * (1 - p)); // rows of the band still closed
        int from = top + (8 - keep) / 2;
        uint8_t colour = bands[(b + f / 4) % 6];
        for (int y = from; y < from + keep; y++)
            for (int x = x0; x < x0 + kWindowW; x++)
                c.set(x, y, (y == from || y == from + keep - 1) ? col::white : colour);
    }
    // speed lines
    if (f < 30)
        for (int k = 0; k < 3; k++) {
            int x = x0 + 4 + 10 * k;
            int y = y0 + (f * 5 + 17 * k) % kWindowH;
            c.vline(x, y, std::min(y + 8, y0 + kWindowH - 1), col::white);
        }
}

// The V, frame f of 36: rays behind a V that grows and glows.
void vFrame(Canvas& c, int x0, int y0, int f)
{
    double p = f / 35.0, cx = x0 + 14, cy = y0 + 24;
    for (int y = y0; y < y0 + kWindowH; y++)
        for (int x = x0; x < x0 + kWindowW; x++) {
            double a = std::atan2(y + 0.5 - cy, x + 0.5 - cx) + p * 2;
            int sector = (int)std::floor(a / (2 * M_PI) * 12 + 12);
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d < 8 + 30 * p)
                c.set(x, y, sector % 2 ? col::green : col::darkGreen);
        }
    double s = 0.35 + 0.65 * p;
    std::vector<double> vee = {-12, -16, -5, -16, 0, 4, 5, -16, 12, -16, 3, 16, -3, 16};
    std::vector<double> pts, shade;
    for (size_t k = 0; k < vee.size(); k += 2) {
        pts.push_back(cx + vee[k] * s);
        pts.push_back(cy + vee[k + 1] * s);
        shade.push_back(cx + vee[k] * s * 1.2);
        shade.push_back(cy + vee[k + 1] * s * 1.15);
    }
    c.polygon(shade, col::black);
    const LampHue& h = f % 6 < 3 ? hue::green : hue::yellow;
    shapeLamp(c, pts, cx, cy - 6 * s, 18 * s, h, true);
    if (f > 24) // "V" written under it once it is big
        drawTextOutlined(c, x0 + 14 - textWidth("GET") / 2, y0 + 40, "GET", col::white, col::black);
}

Canvas flashFrames()
{
    Canvas c(84, kFlashRows, col::key);
    for (int f = 0; f < kFlashFrames; f++) {
        flashPlus(c, kFlashPlusX, kWindowH * f, f);
        flashMinus(c, kFlashMinusX, kWindowH * f, f);
        vFrame(c, kFlashVX, kWindowH * f, f);
    }
    return c;
}

// ---------------------------------------------------------------- 608

// Letters one to a window: letter i of `text` sits in the slot at x0 + 32 i.
void windowLetters(Canvas& c, int x0, int y, const std::string& text, const Ramp& ramp, uint8_t outline)
{
    for (size_t i = 0; i < text.size(); i++)
        if (text[i] != ' ')
            bigText(c, x0 + 32 * (int)i + 14, y + 24, std::string(1, text[i]), 4, 4, ramp, outline);
}

void sparkle(Canvas& c, int x, int y, uint8_t colour)
{
    c.set(x, y, col::white);
    c.set(x - 1, y, colour);
    c.set(x + 1, y, colour);
    c.set(x, y - 1, colour);
    c.set(x, y + 1, colour);
}

void rainbowArc(Canvas& c, int y0, double cx, double cy, double r0, int width)
{
    const uint8_t bands[7] = {col::red, col::orange, col::yellow, col::lime, col::cyan, col::royal, col::violet};
    for (int y = y0; y < y0 + 48; y++)
        for (int x = 0; x < kPanoramaW; x++) {
            double d = std::hypot(x - cx, (y - cy) * 1.0);
            int band = (int)((r0 - d) / width);
            if (band >= 0 && band < 7)
                c.set(x, y, bands[band]);
        }
}

void cloud(Canvas& c, double cx, double cy, double w)
{
    for (int k = 0; k < 4; k++)
        c.disc(cx - w / 2 + k * w / 3, cy - (k % 2 ? 3 : 0), w / 4 + (k % 2 ? 2 : 0), col::white);
    c.ellipse(cx, cy + 2, w / 1.6, 4, col::ice);
}

// Row 0: the big prize won on 4, a bright day over a rainbow; its middle
// (x 92..184) is also the still picture of any other win.
void fourWin(Canvas& c, int y)
{
    c.vgrad(0, y, kPanoramaW, 48, {col::royal, col::sky, col::ice});
    rainbowArc(c, y, 300, y + 90, 120, 5);
    rainbowArc(c, y, 60, y + 70, 56, 3);
    cloud(c, 30, y + 38, 30);
    cloud(c, 215, y + 40, 40);
    cloud(c, 420, y + 10, 34);
    cloud(c, 500, y + 36, 30);
    // the green hills at the foot
    for (int x = 0; x < kPanoramaW; x++) {
        int top = y + 40 + (int)(4 * std::sin(x / 23.0));
        for (int j = top; j < y + 48; j++)
            c.rampPixel(x, j, {col::darkGreen, col::green, col::lime}, 1.0 - (j - top) / 8.0);
    }
    // "WIN" in the middle, "FEVER" on the way, "4" either end
    windowLetters(c, 96 - 4, y, "WIN", {col::maroon, col::red, col::orange, col::yellow, col::white}, col::white);
    windowLetters(c, 256 - 4, y, "FEVER", {col::purple, col::magenta, col::pink, col::white}, col::white);
    drawReelSymbol(c, 30, y + 22, 4);
    drawReelSymbol(c, 512, y + 22, 4);
    Noise n(6080);
    for (int k = 0; k < 30; k++)
        sparkle(c, 4 + n.next(kPanoramaW - 8), y + 3 + n.next(30), k % 2 ? col::yellow : col::pink);
}

// Row 48: the ending after a win on 4, an evening sky with the sun going down.
void fourEnd(Canvas& c, int y)
{
    c.vgrad(0, y, kPanoramaW, 48, {col::indigo, col::violet, col::pink, col::orange, col::amber});
    for (int j = y; j < y + 48; j++)
        for (int x = 180; x < 300; x++) {
            double d = std::hypot(x - 240.0, j - (y + 46.0));
            if (d < 22)
                c.rampPixel(x, j, {col::orange, col::amber, col::yellow, col::cream}, 1.0 - d / 22);
        }
    for (int x = 0; x < kPanoramaW; x++) // the sea
        for (int j = y + 42; j < y + 48; j++)
            c.set(x, j, ((x / 3 + j) % 4) ? col::navy : (x % 7 ? col::royal : col::amber));
    windowLetters(c, 36 - 4, y, "THANK YOU", {col::brown, col::amber, col::yellow, col::white}, col::maroon);
    drawReelSymbol(c, 398, y + 22, 4);
    drawReelSymbol(c, 462, y + 22, 4);
    Noise n(6081);
    for (int k = 0; k < 24; k++)
        sparkle(c, 4 + n.next(kPanoramaW - 8), y + 2 + n.next(20), col::pink);
}

// Row 96: the big prize won on 8, a night of fireworks.
void eightWin(Canvas& c, int y)
{
    c.vgrad(0, y, kPanoramaW, 48, {col::black, col::navy, col::indigo});
    Noise n(6082);
    for (int k = 0; k < 60; k++)
        c.set(n.next(kPanoramaW), y + n.next(48), n.next(3) ? col::sky : col::white);
    const uint8_t burst[4] = {col::yellow, col::pink, col::cyan, col::lime};
    for (int k = 0; k < 9; k++) {
        double fx = 24 + 60 * k, fy = y + 14 + (k % 3) * 8;
        for (int r = 0; r < 12; r++) {
            double a = r * M_PI / 6 + k;
            c.thickLine(fx + 4 * std::cos(a), fy + 4 * std::sin(a), fx + 13 * std::cos(a), fy + 13 * std::sin(a), 1,
                        burst[(k + r) % 4]);
            sparkle(c, (int)(fx + 15 * std::cos(a)), (int)(fy + 15 * std::sin(a)), burst[(k + 1) % 4]);
        }
    }
    // a crescent moon
    for (int j = y; j < y + 48; j++)
        for (int x = 120; x < 160; x++)
            if (std::hypot(x - 140.0, j - (y + 20.0)) < 14 && std::hypot(x - 147.0, j - (y + 15.0)) > 12)
                c.set(x, j, col::yellow);
    windowLetters(c, 192 - 4, y, "MIRACLE", {col::brown, col::amber, col::yellow, col::cream, col::white}, col::maroon);
    drawReelSymbol(c, 30, y + 24, 8);
    drawReelSymbol(c, 512, y + 24, 8);
}

// Row 144: the ending after a win on 8, the night turning to dawn.
void eightEnd(Canvas& c, int y)
{
    for (int j = y; j < y + 48; j++)
        for (int x = 0; x < kPanoramaW; x++)
            c.rampPixel(x, j, {col::navy, col::indigo, col::violet, col::pink, col::amber},
                        0.2 + 0.8 * x / kPanoramaW * 0.8 + (j - y) / 48.0 * 0.2);
    Noise n(6083);
    for (int k = 0; k < 50; k++) {
        int x = n.next(kPanoramaW);
        if (x < 300)
            c.set(x, y + n.next(40), col::white);
    }
    for (int x = 0; x < kPanoramaW; x++) { // far mountains
        int top = y + 34 + (int)(6 * std::fabs(std::sin(x / 31.0)));
        for (int j = top; j < y + 48; j++)
            c.set(x, j, ((x + j) & 1) ? col::purple : col::indigo);
    }
    windowLetters(c, 32 - 4, y, "SEE YOU", {col::navy, col::royal, col::sky, col::ice, col::white}, col::black);
    windowLetters(c, 320 - 4, y, "AGAIN", {col::brown, col::amber, col::yellow, col::white}, col::maroon);
}

Canvas panoramas()
{
    Canvas c(kPanoramaW, 192);
    fourWin(c, kPanoramaFourWin);
    fourEnd(c, kPanoramaFourEnd);
    eightWin(c, kPanoramaEightWin);
    eightEnd(c, kPanoramaEightEnd);
    return c;
}

} // namespace

void makeDisplay(ArtSet& out)
{
    Canvas s(84, kStripRows, col::black);
    s.blit(reelStrip(), kStripX, 0);
    numbers(s, kNumbersX, col::amber, col::maroon, {col::black, col::maroon, col::black});
    numbers(s, kNumbersAfterVX, col::lime, col::darkGreen, {col::black, col::darkGreen, col::black});
    out.picture(606, s, false);
    out.picture(607, flashFrames(), true);
    out.picture(608, panoramas(), false);
}
