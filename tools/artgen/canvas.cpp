#include "canvas.h"

#include <algorithm>
#include <cmath>

static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

void Canvas::fill(int x, int y, int width, int height, uint8_t c)
{
    for (int j = std::max(0, y); j < std::min(h, y + height); j++)
        for (int i = std::max(0, x); i < std::min(w, x + width); i++)
            px[(size_t)j * w + i] = c;
}

void Canvas::frame(int x, int y, int width, int height, uint8_t c)
{
    hline(x, x + width - 1, y, c);
    hline(x, x + width - 1, y + height - 1, c);
    vline(x, y, y + height - 1, c);
    vline(x + width - 1, y, y + height - 1, c);
}

void Canvas::hline(int x0, int x1, int y, uint8_t c)
{
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); x++)
        set(x, y, c);
}

void Canvas::vline(int x, int y0, int y1, uint8_t c)
{
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); y++)
        set(x, y, c);
}

void Canvas::line(int x0, int y0, int x1, int y1, uint8_t c)
{
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
    for (;;) {
        set(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::thickLine(double x0, double y0, double x1, double y1, double width, uint8_t c)
{
    double len = std::hypot(x1 - x0, y1 - y0);
    if (len < 1e-9) {
        disc(x0, y0, width / 2, c);
        return;
    }
    double nx = -(y1 - y0) / len * width / 2, ny = (x1 - x0) / len * width / 2;
    polygon({x0 + nx, y0 + ny, x1 + nx, y1 + ny, x1 - nx, y1 - ny, x0 - nx, y0 - ny}, c);
}

void Canvas::dither(int x, int y, int width, int height, uint8_t a, uint8_t b, int level)
{
    for (int j = std::max(0, y); j < std::min(h, y + height); j++)
        for (int i = std::max(0, x); i < std::min(w, x + width); i++)
            px[(size_t)j * w + i] = kBayer[j & 3][i & 3] < level ? b : a;
}

void Canvas::rampPixel(int x, int y, const Ramp& ramp, double t)
{
    if (ramp.empty())
        return;
    t = std::clamp(t, 0.0, 1.0) * (ramp.size() - 1);
    int i = std::min((int)t, (int)ramp.size() - 1);
    int level = (int)std::lround((t - i) * 16);
    uint8_t c = (i + 1 < (int)ramp.size() && kBayer[y & 3][x & 3] < level) ? ramp[i + 1] : ramp[i];
    set(x, y, c);
}

void Canvas::vgrad(int x, int y, int width, int height, const Ramp& ramp)
{
    for (int j = 0; j < height; j++)
        for (int i = 0; i < width; i++)
            rampPixel(x + i, y + j, ramp, height > 1 ? (double)j / (height - 1) : 0);
}

void Canvas::hgrad(int x, int y, int width, int height, const Ramp& ramp)
{
    for (int j = 0; j < height; j++)
        for (int i = 0; i < width; i++)
            rampPixel(x + i, y + j, ramp, width > 1 ? (double)i / (width - 1) : 0);
}

void Canvas::disc(double cx, double cy, double r, uint8_t c)
{
    ellipse(cx, cy, r, r, c);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, uint8_t c)
{
    for (int y = (int)std::floor(cy - ry); y <= (int)std::ceil(cy + ry); y++)
        for (int x = (int)std::floor(cx - rx); x <= (int)std::ceil(cx + rx); x++) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0)
                set(x, y, c);
        }
}

void Canvas::ring(double cx, double cy, double r, double width, uint8_t c)
{
    for (int y = (int)std::floor(cy - r); y <= (int)std::ceil(cy + r); y++)
        for (int x = (int)std::floor(cx - r); x <= (int)std::ceil(cx + r); x++) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= r && d > r - width)
                set(x, y, c);
        }
}

void Canvas::sphere(double cx, double cy, double r, const Ramp& ramp, bool highlight)
{
    for (int y = (int)std::floor(cy - r); y <= (int)std::ceil(cy + r); y++)
        for (int x = (int)std::floor(cx - r); x <= (int)std::ceil(cx + r); x++) {
            double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
            double d2 = dx * dx + dy * dy;
            if (d2 > 1.0)
                continue;
            double dz = std::sqrt(1.0 - d2);
            // light from the upper left, towards the viewer
            double l = (-0.5 * dx - 0.6 * dy + 0.62 * dz);
            double t = std::clamp(0.15 + 0.85 * l, 0.0, 1.0);
            rampPixel(x, y, ramp, t);
            if (highlight && std::hypot(dx + 0.38, dy + 0.42) < 0.22)
                set(x, y, col::white);
        }
}

void Canvas::polygon(const std::vector<double>& xy, uint8_t c)
{
    int n = (int)xy.size() / 2;
    if (n < 3)
        return;
    double minY = xy[1], maxY = xy[1];
    for (int i = 0; i < n; i++) {
        minY = std::min(minY, xy[2 * i + 1]);
        maxY = std::max(maxY, xy[2 * i + 1]);
    }
    for (int y = (int)std::floor(minY); y <= (int)std::ceil(maxY); y++) {
        double sy = y + 0.5;
        std::vector<double> xs;
        for (int i = 0; i < n; i++) {
            double x0 = xy[2 * i], y0 = xy[2 * i + 1];
            double x1 = xy[2 * ((i + 1) % n)], y1 = xy[2 * ((i + 1) % n) + 1];
            if ((y0 <= sy && y1 > sy) || (y1 <= sy && y0 > sy))
                xs.push_back(x0 + (sy - y0) / (y1 - y0) * (x1 - x0));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2)
            for (int x = (int)std::ceil(xs[k] - 0.5); x <= (int)std::floor(xs[k + 1] - 0.5); x++)
                set(x, y, c);
    }
}

void Canvas::bevel(int x, int y, int width, int height, uint8_t light, uint8_t dark, int t)
{
    for (int i = 0; i < t; i++) {
        hline(x + i, x + width - 1 - i, y + i, light);
        vline(x + i, y + i, y + height - 1 - i, light);
        hline(x + i + 1, x + width - 1 - i, y + height - 1 - i, dark);
        vline(x + width - 1 - i, y + i + 1, y + height - 1 - i, dark);
    }
}

void Canvas::blit(const Canvas& src, int sx, int sy, int width, int height, int dx, int dy, bool transparent)
{
    for (int j = 0; j < height; j++)
        for (int i = 0; i < width; i++) {
            if (!src.inside(sx + i, sy + j))
                continue;
            uint8_t c = src.get(sx + i, sy + j);
            if (transparent && c == col::key)
                continue;
            set(dx + i, dy + j, c);
        }
}

Canvas Canvas::crop(int x, int y, int width, int height) const
{
    Canvas out(width, height, col::key);
    out.blit(*this, x, y, width, height, 0, 0);
    return out;
}

Canvas Canvas::flipped() const
{
    Canvas out(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            out.set(w - 1 - x, y, get(x, y));
    return out;
}

void Canvas::outline(uint8_t c, bool diagonals)
{
    Canvas before = *this;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            if (before.get(x, y) != col::key)
                continue;
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; dy++)
                for (int dx = -1; dx <= 1 && !edge; dx++) {
                    if ((dx == 0 && dy == 0) || (!diagonals && dx != 0 && dy != 0))
                        continue;
                    if (before.inside(x + dx, y + dy) && before.get(x + dx, y + dy) != col::key)
                        edge = true;
                }
            if (edge)
                set(x, y, c);
        }
}

void Canvas::recolour(uint8_t a, uint8_t b)
{
    for (uint8_t& p : px)
        if (p == a)
            p = b;
}

// ---- the 5 x 7 font ----

struct Glyph5 {
    char ch;
    const char* rows[7];
};

static const Glyph5 kFont[] = {
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
    {'/', {"....#", "...#.", "...#.", "..#..", ".#...", ".#...", "#...."}},
    {'*', {".....", "#.#.#", ".###.", "#####", ".###.", "#.#.#", "....."}},
    {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}},
    {'&', {".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#"}},
    {'^', {"..#..", ".###.", "#####", ".....", ".....", ".....", "....."}},  // up arrow head
    {'_', {".....", ".....", ".....", ".....", "#####", ".###.", "..#.."}},  // down arrow head
    {'#', {".....", "#####", "#####", "#####", "#####", "#####", "....."}},  // a block (stop sign)
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
};

static const Glyph5* glyph5(char ch)
{
    for (const Glyph5& g : kFont)
        if (g.ch == ch)
            return &g;
    return nullptr;
}

bool textGlyphsKnown(const std::string& s)
{
    for (char ch : s)
        if (!glyph5(ch))
            return false;
    return true;
}

int textWidth(const std::string& s, int scale)
{
    int n = 0;
    for (char ch : s)
        n += ch == '1' || ch == '.' || ch == '!' || ch == ':' || ch == 'I' ? 5 : 6;
    return n ? (n - 1) * scale : 0;
}

void drawText(Canvas& c, int x, int y, const std::string& s, uint8_t colour, int scale)
{
    for (char ch : s) {
        const Glyph5* g = glyph5(ch);
        int adv = ch == '1' || ch == '.' || ch == '!' || ch == ':' || ch == 'I' ? 5 : 6;
        if (g)
            for (int r = 0; r < 7; r++)
                for (int k = 0; k < 5; k++)
                    if (g->rows[r][k] == '#')
                        c.fill(x + k * scale, y + r * scale, scale, scale, colour);
        x += adv * scale;
    }
}

void drawTextOutlined(Canvas& c, int x, int y, const std::string& s, uint8_t colour, uint8_t o, int scale)
{
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy)
                drawText(c, x + dx, y + dy, s, o, scale);
    drawText(c, x, y, s, colour, scale);
}

void drawTextRamp(Canvas& c, int x, int y, const std::string& s, const Ramp& ramp, uint8_t o, int scale)
{
    Canvas mask(textWidth(s, scale) + 4, 7 * scale + 4, col::key);
    drawText(mask, 2, 2, s, col::white, scale);
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy)
                drawText(c, x + dx, y + dy, s, o, scale);
    drawText(c, x + 1, y + 1 + (scale > 1 ? 1 : 0), s, o, scale); // drop shadow
    for (int j = 0; j < mask.h; j++)
        for (int i = 0; i < mask.w; i++)
            if (mask.get(i, j) == col::white)
                c.rampPixel(x + i - 2, y + j - 2, ramp, 1.0 - (double)(j - 2) / (7 * scale - 1));
}

// ---- Japanese glyphs ----

struct JpGlyph {
    int size;
    uint32_t code;
    int width, height;
    uint32_t rows[20];
};

static const JpGlyph kJp[] = {
#include "glyphs.inc"
};

static std::vector<uint32_t> decodeUtf8(const std::string& s)
{
    std::vector<uint32_t> out;
    for (size_t i = 0; i < s.size();) {
        uint8_t b = (uint8_t)s[i];
        int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        uint32_t cp = n == 1 ? b : n == 2 ? b & 0x1F : n == 3 ? b & 0x0F : b & 0x07;
        for (int k = 1; k < n && i + k < s.size(); k++)
            cp = cp << 6 | ((uint8_t)s[i + k] & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

static const JpGlyph* jpGlyph(uint32_t cp, int size)
{
    for (const JpGlyph& g : kJp)
        if (g.code == cp && g.size == size)
            return &g;
    return nullptr;
}

// Rows 0..top-1 and bottom.. are blank in every glyph of a size.
static void jpRows(int size, int* top, int* bottom)
{
    *top = 99;
    *bottom = 0;
    for (const JpGlyph& g : kJp) {
        if (g.size != size)
            continue;
        for (int r = 0; r < g.height; r++)
            if (g.rows[r]) {
                *top = std::min(*top, r);
                *bottom = std::max(*bottom, r + 1);
            }
    }
}

int jpHeight(int size)
{
    int top, bottom;
    jpRows(size, &top, &bottom);
    return bottom - top;
}

int jpWidth(const std::string& utf8, int size, bool bold)
{
    int n = 0;
    for (uint32_t cp : decodeUtf8(utf8)) {
        const JpGlyph* g = jpGlyph(cp, size);
        n += g ? g->width - 1 : size / 2;
    }
    return n + (bold ? 1 : 0);
}

void drawJp(Canvas& c, int x, int y, const std::string& utf8, int size, uint8_t colour, bool bold)
{
    int top, bottom;
    jpRows(size, &top, &bottom);
    for (uint32_t cp : decodeUtf8(utf8)) {
        const JpGlyph* g = jpGlyph(cp, size);
        if (!g) {
            x += size / 2;
            continue;
        }
        for (int r = top; r < bottom; r++)
            for (int k = 0; k < g->width && k < 32; k++)
                if (g->rows[r] >> (31 - k) & 1) {
                    c.set(x + k, y + r - top, colour);
                    if (bold)
                        c.set(x + k + 1, y + r - top, colour);
                }
        x += g->width - 1;
    }
}

void drawJpOutlined(Canvas& c, int x, int y, const std::string& utf8, int size, uint8_t colour, uint8_t o, bool bold)
{
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy)
                drawJp(c, x + dx, y + dy, utf8, size, o, bold);
    drawJp(c, x, y, utf8, size, colour, bold);
}

void drawJpCentred(Canvas& c, int x, int y, int width, int height, const std::string& utf8, int size,
                   uint8_t colour, uint8_t shadow, bool bold)
{
    int tw = jpWidth(utf8, size, bold), th = jpHeight(size);
    int tx = x + (width - tw) / 2, ty = y + (height - th) / 2;
    drawJp(c, tx + 1, ty + 1, utf8, size, shadow, bold);
    drawJp(c, tx, ty, utf8, size, colour, bold);
}

// ---- segment digits ----

void drawSegmentDigit(Canvas& c, int x, int y, int width, int height, int digit, uint8_t on, uint8_t off, int t)
{
    // segments a b c d e f g as bits
    static const int kSegs[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    int segs = digit >= 0 && digit <= 9 ? kSegs[digit] : 0;
    int mid = y + height / 2;
    auto horiz = [&](int yy, bool lit) {
        uint8_t cc = lit ? on : off;
        c.polygon({(double)x + t, (double)yy, (double)x + width - t, (double)yy, x + width - t / 2.0,
                   yy + t / 2.0, (double)x + width - t, (double)yy + t, (double)x + t, (double)yy + t,
                   x + t / 2.0, yy + t / 2.0},
                  cc);
    };
    auto vert = [&](int xx, int y0, int y1, bool lit) {
        uint8_t cc = lit ? on : off;
        c.polygon({xx + t / 2.0, (double)y0 + t / 2.0, (double)xx + t, (double)y0 + t, (double)xx + t,
                   (double)y1 - t / 2.0, xx + t / 2.0, (double)y1, (double)xx, (double)y1 - t / 2.0,
                   (double)xx, (double)y0 + t},
                  cc);
    };
    horiz(y, segs & 1);
    vert(x + width - t, y + 1, mid, segs & 2);
    vert(x + width - t, mid, y + height - 1 - t / 2, segs & 4);
    horiz(y + height - t, segs & 8);
    vert(x, mid, y + height - 1 - t / 2, segs & 16);
    vert(x, y + 1, mid, segs & 32);
    horiz(mid - t / 2, segs & 64);
}

void drawSegmentDigits(Canvas& c, int x, int y, int pitch, int count, int width, int height, uint8_t on, uint8_t off,
                       int t)
{
    for (int d = 0; d < count; d++)
        drawSegmentDigit(c, x, y + pitch * d, width, height, d < 10 ? d : -1, on, off, t);
}

// ---- display pictures ----

void drawRays(Canvas& c, int x, int y, int w, int h, double cx, double cy, uint8_t a, uint8_t b, int count,
              double turn)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) {
            double ang = std::atan2(j + 0.5 - cy, i + 0.5 - cx) + turn;
            int sector = (int)std::floor(ang / (2 * M_PI) * count + count);
            c.set(i, j, sector % 2 ? a : b);
        }
}

void drawCellFrame(Canvas& c, int x, int y, uint8_t light, uint8_t dark) { c.bevel(x, y, 108, 80, light, dark, 2); }
