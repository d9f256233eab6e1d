// Machine No.5's reels: the strip of fifteen symbols in its normal and its
// highlighted colouring (606), the glass over the display (602), and the
// digits of the digit lottery and the attacker with the round numbers (610).
// Also the lettering and the symbols the display pictures share.
#include <cmath>

#include "no5_art.h"
#include "no5_art_layout.h"

using namespace no5art;

// ---------------------------------------------------------------- lettering

void bigText(Canvas& c, int cx, int top, const std::string& s, int sx, int sy, const Ramp& ramp, uint8_t outline)
{
    int w1 = textWidth(s, 1);
    Canvas small(w1 + 2, 7, col::key);
    drawText(small, 0, 0, s, col::white, 1);
    int W = (w1 + 1) * sx, H = 7 * sy;
    int x0 = cx - (w1 * sx) / 2;
    auto on = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < W && y < H && small.get(x / sx, y / sy) == col::white;
    };
    // the outline all round and a drop shadow one pixel down and right
    for (int y = -2; y <= H + 1; y++)
        for (int x = -2; x <= W + 1; x++) {
            if (on(x, y))
                continue;
            bool edge = on(x - 1, y - 1);
            for (int dy = -1; dy <= 1 && !edge; dy++)
                for (int dx = -1; dx <= 1 && !edge; dx++)
                    edge = on(x + dx, y + dy);
            if (edge)
                c.set(x0 + x, top + y, outline);
        }
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++)
            if (on(x, y)) {
                bool topEdge = !on(x, y - 1);
                if (topEdge && ramp.size() > 2)
                    c.set(x0 + x, top + y, ramp.back());
                else
                    c.rampPixel(x0 + x, top + y, ramp, 1.0 - (double)y / std::max(1, H - 1));
            }
}

// ---------------------------------------------------------------- symbols

bool chanceSymbol(int s) { return s == 4 || s == 8 || s == 11 || s == 13 || s == 15; }

namespace {

// Bold numerals, 10 x 16, resampled to the size a symbol needs.
const char* const kNumeral[10][16] = {
    {"..######..", ".########.", "###....###", "###....###", "###....###", "###....###", "###....###", "###....###",
     "###....###", "###....###", "###....###", "###....###", "###....###", "###....###", ".########.", "..######.."},
    {"....###...", "...####...", "..#####...", ".######...", "....###...", "....###...", "....###...", "....###...",
     "....###...", "....###...", "....###...", "....###...", "....###...", "....###...", "..#######.", "..#######."},
    {"..######..", ".########.", "###....###", "###....###", ".......###", "......###.", ".....###..", "....###...",
     "...###....", "..###.....", ".###......", "###.......", "###.......", "###.......", "##########", "##########"},
    {".########.", "##########", "###....###", ".......###", ".......###", "......###.", "...#####..", "...######.",
     ".......###", ".......###", ".......###", ".......###", "###....###", "###....###", "##########", ".########."},
    {"......###.", ".....####.", "....#####.", "...######.", "..###.###.", ".###..###.", "###...###.", "###...###.",
     "##########", "##########", "......###.", "......###.", "......###.", "......###.", "......###.", "......###."},
    {"##########", "##########", "###.......", "###.......", "###.......", "########..", "#########.", ".......###",
     ".......###", ".......###", ".......###", ".......###", "###....###", "###....###", "#########.", ".#######.."},
    {"..#######.", ".########.", "###.......", "###.......", "###.......", "########..", "#########.", "###....###",
     "###....###", "###....###", "###....###", "###....###", "###....###", "###....###", ".########.", "..######.."},
    {"##########", "##########", "###....###", ".......###", "......###.", "......###.", ".....###..", ".....###..",
     "....###...", "....###...", "...###....", "...###....", "...###....", "...###....", "...###....", "...###...."},
    {"..######..", ".########.", "###....###", "###....###", "###....###", "###....###", ".########.", ".########.",
     "###....###", "###....###", "###....###", "###....###", "###....###", "###....###", ".########.", "..######.."},
    {"..######..", ".########.", "###....###", "###....###", "###....###", "###....###", "###....###", ".#########",
     "..########", ".......###", ".......###", ".......###", ".......###", ".......###", ".########.", ".#######.."},
};

// Whether point (u, v) in 0..1 of a numeral's box is inked: 3 x 3 samples
// of the 10 x 16 glyph, inked when most are.
bool numeralInk(int digit, double u, double v, double du, double dv)
{
    int hits = 0;
    for (int a = 0; a < 3; a++)
        for (int b = 0; b < 3; b++) {
            int gx = (int)std::floor((u + du * (a + 0.5) / 3) * 10), gy = (int)std::floor((v + dv * (b + 0.5) / 3) * 16);
            if (gx >= 0 && gx < 10 && gy >= 0 && gy < 16 && kNumeral[digit][gy][gx] == '#')
                hits++;
        }
    return hits >= 5;
}

// The number `value` in bold numerals w x h each, centred at (cx, cy): the
// face filled with `ramp` top to bottom, a light top edge, a `outline`
// border and a shadow below right.
void numerals(Canvas& c, double cx, double cy, int value, int w, int h, const Ramp& ramp, uint8_t outline)
{
    std::string s = std::to_string(value);
    int gap = 1, total = (int)s.size() * w + ((int)s.size() - 1) * gap;
    int x0 = (int)std::lround(cx - total / 2.0), y0 = (int)std::lround(cy - h / 2.0);
    Canvas ink(total + 6, h + 6, col::key);
    for (size_t k = 0; k < s.size(); k++)
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                if (numeralInk(s[k] - '0', (double)x / w, (double)y / h, 1.0 / w, 1.0 / h))
                    ink.set(3 + (int)k * (w + gap) + x, 3 + y, col::white);
    auto on = [&](int x, int y) { return ink.get(x, y) == col::white; };
    for (int y = 0; y < ink.h; y++)
        for (int x = 0; x < ink.w; x++) {
            if (on(x, y))
                continue;
            bool edge = on(x - 1, y - 1) || on(x - 2, y - 2);
            for (int dy = -1; dy <= 1 && !edge; dy++)
                for (int dx = -1; dx <= 1 && !edge; dx++)
                    edge = on(x + dx, y + dy);
            if (edge)
                c.set(x0 - 3 + x, y0 - 3 + y, outline);
        }
    for (int y = 0; y < ink.h; y++)
        for (int x = 0; x < ink.w; x++)
            if (on(x, y)) {
                if (!on(x, y - 1) || !on(x - 1, y))
                    c.set(x0 - 3 + x, y0 - 3 + y, ramp.back());
                else
                    c.rampPixel(x0 - 3 + x, y0 - 3 + y, ramp, 0.9 - 0.8 * (y - 3) / std::max(1, h - 1));
            }
}

// The colour of each ordinary symbol's numerals (dark to light).
Ramp numeralRamp(int s, bool highlighted)
{
    if (highlighted)
        switch (s % 3) {
        case 0: return {col::aqua, col::cyan, col::ice, col::white};
        case 1: return {col::green, col::lime, col::mint, col::white};
        default: return {col::violet, col::magenta, col::pink, col::white};
        }
    switch (s) {
    case 1: case 7: return {col::navy, col::blue, col::royal, col::sky};
    case 2: case 9: return {col::darkGreen, col::green, col::lime, col::mint};
    case 3: case 10: return {col::purple, col::indigo, col::violet, col::lavender};
    case 5: case 14: return {col::navy, col::aqua, col::cyan, col::ice};
    default: return {col::brown, col::orange, col::amber, col::yellow}; // 6, 12
    }
}

void face(Canvas& c, int x, int y, bool highlighted)
{
    for (int j = 0; j < 42; j++)
        for (int i = 0; i < 36; i++) {
            double u = (i + 0.5) / 36 * 2 - 1;
            double t = 1.0 - u * u * 0.9;
            if (highlighted)
                c.rampPixel(x + i, y + j, {col::black, col::navy, col::indigo, col::purple}, 0.1 + 0.6 * t);
            else
                c.rampPixel(x + i, y + j, {col::silver, col::ice, col::white}, t);
        }
    // the drum's rims, gold on the highlighted strip
    c.vline(x, y, y + 41, highlighted ? col::gold : col::grey);
    c.vline(x + 35, y, y + 41, highlighted ? col::amber : col::grey);
}

// A burst of `points` rays round (cx, cy), outer radius r.
std::vector<double> burst(double cx, double cy, double r, double inner, int points, double turn)
{
    std::vector<double> p;
    for (int k = 0; k < 2 * points; k++) {
        double a = turn + k * M_PI / points - M_PI / 2;
        double rr = k % 2 ? inner : r;
        p.push_back(cx + rr * std::cos(a));
        p.push_back(cy + rr * std::sin(a));
    }
    return p;
}

} // namespace

void reelSymbol(Canvas& c, int x, int y, int s, bool highlighted)
{
    face(c, x, y, highlighted);
    double cx = x + 18, cy = y + 21;
    bool two = s >= 10;
    int w = two ? 13 : 18, h = two ? 26 : 28;
    if (chanceSymbol(s)) {
        // a golden sunburst behind red numerals: the symbols of the chance state
        std::vector<double> b = burst(cx, cy, 18.5, 12, 12, s * 0.13);
        if (highlighted)
            shapeLamp(c, b, cx, cy, 19, hue::yellow, true);
        else
            shapeLamp(c, b, cx, cy, 19, {{col::amber, col::yellow, col::cream}, {}}, false);
        Ramp ramp = highlighted ? Ramp{col::red, col::orange, col::yellow, col::white}
                                : Ramp{col::maroon, col::crimson, col::red, col::orange, col::rose};
        numerals(c, cx, cy, s, w, h, ramp, highlighted ? col::maroon : col::black);
        if (highlighted)
            for (auto& p : {std::pair<int, int>{4, 5}, {31, 5}, {4, 36}, {31, 36}}) {
                c.set(x + p.first, y + p.second, col::white);
                c.set(x + p.first - 1, y + p.second, col::yellow);
                c.set(x + p.first + 1, y + p.second, col::yellow);
                c.set(x + p.first, y + p.second - 1, col::yellow);
                c.set(x + p.first, y + p.second + 1, col::yellow);
            }
    } else {
        // a pale ring behind coloured numerals
        c.ring(cx, cy, 15, 1.6, highlighted ? col::grey : col::silver);
        numerals(c, cx, cy, s, w, h, numeralRamp(s, highlighted), col::black);
    }
}

namespace {

// 606: fifteen cells and the first three again, in both colourings.
Canvas reelStrip()
{
    Canvas c(72, kStripRows);
    for (int k = 0; k < kStripRows / kCellPixels; k++) {
        int symbol = kStripCells - k % kStripCells;
        reelSymbol(c, kReelNormalX, kCellPixels * k, symbol, false);
        reelSymbol(c, kReelHighlightX, kCellPixels * k, symbol, true);
    }
    return c;
}

// 602: the glass over the display, drawn over the three reels.
Canvas reelGlass()
{
    Canvas c(108, 160, col::key);
    for (int f = 0; f < 2; f++) {
        int y0 = 80 * f;
        // the drums curve away at the top and the bottom
        const int shade[8] = {13, 11, 9, 7, 5, 3, 2, 1};
        for (int r = 0; r < 8; r++) {
            c.dither(0, y0 + r, 108, 1, col::key, col::black, shade[r]);
            c.dither(0, y0 + 79 - r, 108, 1, col::key, col::black, shade[r]);
        }
        // seams between the drums
        for (int s : {35, 71}) {
            c.vline(s, y0, y0 + 79, col::black);
            c.vline(s + 1, y0, y0 + 79, col::grey);
        }
        // a glint on the glass
        for (int k = 0; k < 9; k++) {
            c.set(8 + k, y0 + 14 - k, col::white);
            if (k % 2 == 0)
                c.set(12 + k, y0 + 14 - k, col::ice);
        }
        // pay-line marks at both edges, and on the lit frame the line's cell framed
        bool lit = f == 1;
        uint8_t mark = lit ? col::yellow : col::crimson, core = lit ? col::white : col::red;
        c.polygon({0, y0 + 33.0, 6, y0 + 40.0, 0, y0 + 47.0}, mark);
        c.polygon({108, y0 + 33.0, 102, y0 + 40.0, 108, y0 + 47.0}, mark);
        c.set(1, y0 + 40, core);
        c.set(106, y0 + 40, core);
        if (lit)
            for (int x = 7; x < 101; x += 3) {
                c.set(x, y0 + 19, col::yellow);
                c.set(x + 1, y0 + 19, col::amber);
                c.set(x, y0 + 60, col::yellow);
                c.set(x + 1, y0 + 60, col::amber);
            }
    }
    return c;
}

// 610: the LED digits 0..9 (the digit lottery and the attacker count) and
// the round numbers 1..16 beside them.
Canvas digits()
{
    Canvas c(34, 256, col::black);
    drawSegmentDigits(c, 1, 1, kDigitH, 10, 12, 19, col::orange, col::black, 3);
    for (int r = 1; r <= 16; r++) {
        int x = kRoundNumberX, y = kRoundNumberH * (r - 1);
        c.fill(x, y, kRoundNumberW, kRoundNumberH, col::black);
        if (r < 10) {
            drawSegmentDigit(c, x + 5, y + 2, 10, 12, r, col::yellow, col::black, 2);
        } else {
            drawSegmentDigit(c, x + 1, y + 2, 8, 12, r / 10, col::yellow, col::black, 2);
            drawSegmentDigit(c, x + 11, y + 2, 8, 12, r % 10, col::yellow, col::black, 2);
        }
    }
    return c;
}

} // namespace

void makeReels(ArtSet& out)
{
    out.picture(602, reelGlass(), true);
    out.picture(606, reelStrip(), false);
    out.picture(610, digits(), false);
}
