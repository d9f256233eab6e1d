// The drawing helpers every picture of the art generator is made with: an
// 8-bit canvas in the 64 colours of the program palette, ordered dithering,
// shaded shapes, outlines and text.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "hallcore/gfx/palette.h"

// A palette index from channel levels 0..3 (0, 128, 192, 255).
inline uint8_t rgb(int r, int g, int b) { return (uint8_t)paletteIndex(r, g, b); }

// Named colours (levels of red, green, blue).
namespace col {
const uint8_t black = rgb(0, 0, 0), white = rgb(3, 3, 3), key = rgb(0, 1, 1);
const uint8_t grey = rgb(1, 1, 1), silver = rgb(2, 2, 2);
const uint8_t red = rgb(3, 0, 0), maroon = rgb(1, 0, 0), crimson = rgb(2, 0, 0);
const uint8_t orange = rgb(3, 1, 0), amber = rgb(3, 2, 0), yellow = rgb(3, 3, 0), cream = rgb(3, 3, 2);
const uint8_t gold = rgb(2, 2, 0), olive = rgb(1, 1, 0), brown = rgb(2, 1, 0);
const uint8_t skin = rgb(3, 2, 1), peach = rgb(3, 3, 1);
const uint8_t green = rgb(0, 2, 0), lime = rgb(0, 3, 0), darkGreen = rgb(0, 1, 0), mint = rgb(2, 3, 2);
const uint8_t navy = rgb(0, 0, 1), blue = rgb(0, 0, 3), royal = rgb(0, 1, 3), sky = rgb(1, 2, 3);
const uint8_t cyan = rgb(0, 3, 3), aqua = rgb(0, 2, 2), ice = rgb(2, 3, 3), pale = rgb(2, 2, 3);
const uint8_t purple = rgb(1, 0, 1), violet = rgb(2, 0, 3), magenta = rgb(3, 0, 3), pink = rgb(3, 1, 2);
const uint8_t rose = rgb(3, 2, 2), lavender = rgb(2, 1, 3), indigo = rgb(1, 0, 2);
}

typedef std::vector<uint8_t> Ramp; // colours from dark to light

struct Canvas {
    int w, h;
    std::vector<uint8_t> px;

    Canvas() : w(0), h(0) {}
    Canvas(int width, int height, uint8_t fill = col::black) : w(width), h(height), px((size_t)width * height, fill) {}

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    uint8_t get(int x, int y) const { return inside(x, y) ? px[(size_t)y * w + x] : col::key; }
    void set(int x, int y, uint8_t c)
    {
        if (inside(x, y))
            px[(size_t)y * w + x] = c;
    }

    void fill(int x, int y, int width, int height, uint8_t c);
    void frame(int x, int y, int width, int height, uint8_t c);
    void hline(int x0, int x1, int y, uint8_t c);
    void vline(int x, int y0, int y1, uint8_t c);
    void line(int x0, int y0, int x1, int y1, uint8_t c);
    void thickLine(double x0, double y0, double x1, double y1, double width, uint8_t c);

    // Ordered (4x4 Bayer) mix of two colours: `level` of 16 pixels get b.
    void dither(int x, int y, int width, int height, uint8_t a, uint8_t b, int level);
    // Vertical / horizontal gradient through a ramp, dithered between steps.
    void vgrad(int x, int y, int width, int height, const Ramp& ramp);
    void hgrad(int x, int y, int width, int height, const Ramp& ramp);
    // Sets one pixel to the ramp colour for t in 0..1, dithered.
    void rampPixel(int x, int y, const Ramp& ramp, double t);

    void disc(double cx, double cy, double r, uint8_t c);
    void ellipse(double cx, double cy, double rx, double ry, uint8_t c);
    void ring(double cx, double cy, double r, double width, uint8_t c);
    // A sphere (or dome) lit from the upper left, shaded through the ramp,
    // with a white highlight.
    void sphere(double cx, double cy, double r, const Ramp& ramp, bool highlight = true);
    void polygon(const std::vector<double>& xy, uint8_t c);

    // Raised or sunken box: light top-left edges, dark bottom-right edges.
    void bevel(int x, int y, int width, int height, uint8_t light, uint8_t dark, int thickness = 1);

    // Copy of a rectangle; `key` pixels of src are skipped when transparent.
    void blit(const Canvas& src, int sx, int sy, int width, int height, int dx, int dy, bool transparent = false);
    void blit(const Canvas& src, int dx, int dy, bool transparent = false) { blit(src, 0, 0, src.w, src.h, dx, dy, transparent); }
    Canvas crop(int x, int y, int width, int height) const;
    Canvas flipped() const; // left-right mirror

    // Marks with `c` every key pixel next to a non-key one (sprite outlines).
    void outline(uint8_t c, bool diagonals = false);
    // Replaces colour a by b everywhere.
    void recolour(uint8_t a, uint8_t b);
};

// Deterministic pseudo-random numbers for texture (never the game's stream).
struct Noise {
    uint32_t s;
    explicit Noise(uint32_t seed) : s(seed) {}
    int next(int n)
    {
        s = s * 1103515245u + 12345u;
        return (int)((s >> 16) % (uint32_t)n);
    }
};

// ---- text ----

// Latin capitals, digits and a few signs in a 5 x 7 pixel font, scaled.
bool textGlyphsKnown(const std::string& s); // every character is in the font
int textWidth(const std::string& s, int scale = 1);
void drawText(Canvas& c, int x, int y, const std::string& s, uint8_t colour, int scale = 1);
// Text with a one-pixel outline all round (drawn first) and optional shadow.
void drawTextOutlined(Canvas& c, int x, int y, const std::string& s, uint8_t colour, uint8_t outlineColour,
                      int scale = 1);
// Text filled with a vertical ramp (shiny title letters), outlined.
void drawTextRamp(Canvas& c, int x, int y, const std::string& s, const Ramp& ramp, uint8_t outlineColour, int scale);

// Japanese text (UTF-8) from the embedded glyphs, size 12 or 16.
int jpWidth(const std::string& utf8, int size, bool bold = false);
int jpHeight(int size);
void drawJp(Canvas& c, int x, int y, const std::string& utf8, int size, uint8_t colour, bool bold = false);
void drawJpOutlined(Canvas& c, int x, int y, const std::string& utf8, int size, uint8_t colour, uint8_t outline,
                    bool bold = false);
// Centred in a box.
void drawJpCentred(Canvas& c, int x, int y, int width, int height, const std::string& utf8, int size,
                   uint8_t colour, uint8_t shadow, bool bold = true);

// Big digits 0..9 as 7-segment-like shapes with rounded, shaded segments.
void drawSegmentDigit(Canvas& c, int x, int y, int width, int height, int digit, uint8_t on, uint8_t off,
                      int thickness);
// Digits 0..count-1 down a column, one every `pitch` rows from (x, y); from
// 10 on the blank (every segment off).
void drawSegmentDigits(Canvas& c, int x, int y, int pitch, int count, int width, int height, uint8_t on, uint8_t off,
                       int thickness);

// ---- display pictures ----

// Rays round (cx, cy) over a rectangle, in two colours by turns: `count` of
// each, turned by `turn` radians.
void drawRays(Canvas& c, int x, int y, int w, int h, double cx, double cy, uint8_t a, uint8_t b, int count,
              double turn = 0);
// The two-pixel bevel round a 108 x 80 display picture at (x, y).
void drawCellFrame(Canvas& c, int x, int y, uint8_t light, uint8_t dark);
