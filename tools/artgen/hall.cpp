// The hall: row ends (511), floor tiles (512), the cabinet (513) and its
// front in four states (519), the divider with the ball lender (514), the
// cabinet's top lamp (515), the empty stool (516), a seated customer seen
// from behind (517) and a full ball box (518). The row ends and the top
// lamp show the machine's name, so every program has its own (makeHallSigns);
// the rest are the engine's.
//
// The floor is one carpet pattern laid on a 32-pixel grid that starts at
// each column's left edge; pictures that show floor draw it in the same
// phase, so no seam shows where they meet the tiles.
#include <cmath>

#include "artkit.h"
#include "lamps.h"

namespace {

// Carpet pixel at tile coordinates (u, v), u and v taken mod 32.
uint8_t carpetPixel(int u, int v)
{
    u &= 31;
    v &= 31;
    // a gold-edged diamond on deep red, with a small flower in its middle
    int du = std::abs(u - 16), dv = std::abs(v - 16);
    int d = du + dv;
    if (d == 15 || d == 14)
        return ((u + v) & 1) ? col::amber : col::brown;
    if (d < 4)
        return d < 2 ? col::amber : col::orange;
    if (d > 15)
        return ((u ^ v) & 3) == 0 ? col::crimson : col::maroon;
    return ((u + 2 * v) % 5 == 0) ? col::red : col::crimson;
}

// Carpet over a rectangle; `phase` is the picture's x offset from a column's
// left edge (tiles are 32 wide).
void carpet(Canvas& c, int x, int y, int w, int h, int phase)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            c.set(i, j, carpetPixel(i + phase, j));
}

// The front trim of the floor: a brass step edge, then dark.
void floorEdge(Canvas& c, int x, int y, int w)
{
    c.fill(x, y, w, 16, col::black);
    c.fill(x, y, w, 3, col::amber);
    c.hline(x, x + w - 1, y, col::yellow);
    c.hline(x, x + w - 1, y + 3, col::brown);
    c.dither(x, y + 4, w, 12, col::black, col::maroon, 3);
}

Canvas floorTiles()
{
    Canvas c(32, 96);
    // 0: the carpet in shadow (under the islands)
    for (int j = 0; j < 32; j++)
        for (int i = 0; i < 32; i++)
            c.set(i, j, (i + j) % 2 ? col::maroon : col::black);
    carpet(c, 0, 32, 32, 32, 0);
    for (int j = 64; j < 96; j++)
        for (int i = 0; i < 32; i++)
            c.set(i, j, carpetPixel(i, j - 64));
    floorEdge(c, 0, 64, 32);
    return c;
}

// ---------------------------------------------------------------- cabinet

const LampHue& feverHue(int frame) { return frame <= 1 ? hue::yellow : frame == 2 ? hue::red : hue::violet; }

// The top lamp of a cabinet with the machine's title: frame 0 off, 1 open,
// 2 and 3 fever kinds.
void topLamp(Canvas& c, int x, int y, int frame, const std::string& title)
{
    c.fill(x, y, 74, 20, col::black);
    const LampHue& h = feverHue(frame);
    lens(c, x, y, 74, 20, h, frame != 0, 8);
    uint8_t text = frame == 0 ? col::grey : frame == 1 ? col::maroon : col::white;
    drawTextOutlined(c, x + 37 - textWidth(title) / 2, y + 7, title, text, frame == 0 ? col::black : h.on[0]);
}

// The cabinet's upper board with its display: 0 nobody, 1 nobody but the
// fever flashing, 2 playing, 3 playing with the fever flashing.
void cabinetFront(Canvas& c, int x, int y, int frame)
{
    bool playing = frame >= 2, flash = frame % 2 == 1;
    // board face inside the glass
    for (int j = 0; j < 64; j++)
        for (int i = 0; i < 140; i++) {
            double d = std::hypot(i - 70.0, j - 78.0) / 80.0;
            c.rampPixel(x + i, y + j, {col::black, col::navy, col::blue}, 0.9 - d);
        }
    // pins
    for (int j = 6; j < 60; j += 7)
        for (int i = 14 + (j / 7 % 2) * 4; i < 128; i += 9)
            if (std::abs(i - 70) > 26 || j < 10)
                c.set(x + i, y + j, col::gold);
    // the display and its frame
    int dx = x + 46, dy = y + 12;
    roundRectGrad(c, dx - 4, dy - 4, 56, 48, 4, {col::white, col::silver, col::grey});
    if (!playing && !flash) {
        c.fill(dx, dy, 48, 40, col::black);
        c.dither(dx, dy, 48, 40, col::black, col::navy, 3);
    } else if (flash) {
        for (int j = 0; j < 40; j++)
            for (int i = 0; i < 48; i++)
                c.set(dx + i, dy + j, ((i / 6 + j / 6) % 2) ? col::red : col::yellow);
        drawTextOutlined(c, dx + 24 - textWidth("FEVER") / 2, dy + 16, "FEVER", col::white, col::black);
    } else {
        c.fill(dx, dy, 48, 40, col::white);
        static const int kSyms[9] = {2, 1, 3, 3, 1, 2, 1, 2, 3};
        for (int k = 0; k < 9; k++) {
            int cx = dx + 3 + 15 * (k % 3), cy = dy + 2 + 13 * (k / 3);
            c.fill(cx, cy, 12, 11, col::ice);
            std::string s(1, (char)('0' + kSyms[k]));
            drawText(c, cx + 4, cy + 2, s, kSyms[k] == 1 ? col::red : kSyms[k] == 2 ? col::blue : col::green);
        }
    }
    // side lamps of the display
    for (int s = 0; s < 2; s++) {
        int lx = s ? x + 106 : x + 22;
        for (int k = 0; k < 3; k++)
            bulb(c, lx + 6, y + 14 + 14 * k, 4, k == 1 ? hue::blue : hue::red, playing || flash);
    }
}

// The cabinet picture (513) has a lit top lamp drawn in. The hall always
// copies the machine's own lamp (515) over it, so its word never shows; it
// keeps the word the picture was first drawn with, and 513 stays one file
// for every program.
const char* const kCabinetLampWord = "BRAVOLT";

void cabinet(Canvas& c, int front)
{
    // red lacquer body with chrome trim
    c.vgrad(0, 0, 140, 272, {col::crimson, col::red, col::crimson, col::maroon});
    c.fill(0, 0, 140, 8, col::black);
    c.dither(0, 0, 140, 8, col::black, col::grey, 4);
    c.bevel(0, 0, 140, 272, col::pink, col::maroon, 2);
    topLamp(c, 33, 8, 1, kCabinetLampWord);
    // glass with the board: upper part is the front (32..96), lower below
    roundRect(c, 4, 30, 132, 150, 10, col::black);
    cabinetFront(c, 0 + 0, 32, front);
    c.fill(0, 32, 4, 64, col::crimson);
    c.fill(136, 32, 4, 64, col::crimson);
    for (int j = 96; j < 176; j++)
        for (int i = 6; i < 134; i++) {
            double d = std::hypot(i - 70.0, j - 78.0) / 100.0;
            c.rampPixel(i, j, {col::black, col::navy, col::blue}, 0.9 - d);
        }
    for (int j = 100; j < 170; j += 7)
        for (int i = 12 + (j / 7 % 2) * 4; i < 130; i += 9)
            c.set(i, j, col::gold);
    // attacker and pockets on the lower board
    c.fill(52, 150, 36, 10, col::silver);
    c.hline(52, 87, 150, col::white);
    c.fill(66, 130, 8, 5, col::yellow);
    c.fill(24, 138, 7, 5, col::lime);
    c.fill(109, 138, 7, 5, col::lime);
    // glass reflection
    for (int k = 0; k < 40; k++)
        c.set(100 + k / 2, 40 + k * 3, col::ice);
    // ball trays: upper tray full of balls, lower tray
    int ty = 186;
    roundRectGrad(c, 6, ty, 128, 30, 6, {col::white, col::silver, col::grey, col::black});
    c.fill(14, ty + 6, 96, 12, col::black);
    for (int k = 0; k < 12; k++)
        c.sphere(18 + 8 * k, ty + 12, 4, {col::black, col::grey, col::silver, col::white}, false);
    roundRectGrad(c, 10, 226, 120, 26, 6, {col::silver, col::grey, col::black});
    c.fill(18, 232, 70, 10, col::black);
    // the launch handle at the bottom right
    c.disc(118, 240, 12, col::black);
    c.sphere(118, 240, 11, {col::black, col::grey, col::silver, col::white});
    c.disc(118, 240, 4, col::red);
    c.fill(0, 258, 140, 14, col::black);
    c.dither(0, 258, 140, 14, col::black, col::maroon, 4);
}

Canvas divider()
{
    Canvas c(52, 272);
    c.vgrad(0, 0, 52, 272, {col::grey, col::silver, col::grey, col::black});
    c.fill(0, 0, 52, 8, col::black);
    // data counter: big prizes and starts in small red digits
    c.fill(6, 20, 40, 34, col::black);
    c.bevel(5, 19, 42, 36, col::grey, col::white);
    drawText(c, 9, 24, "12", col::red);
    drawText(c, 9, 36, "345", col::amber);
    bulb(c, 40, 26, 3, hue::red, true);
    // ball lender: card slot, buttons, ball nozzle
    roundRectGrad(c, 6, 70, 40, 110, 4, {col::white, col::silver, col::grey});
    c.fill(12, 80, 28, 4, col::black);
    c.hline(12, 39, 84, col::white);
    lens(c, 10, 96, 32, 12, hue::blue, true, 3);
    drawText(c, 14, 99, "LEND", col::white);
    lens(c, 10, 112, 32, 12, hue::green, false, 3);
    c.fill(14, 132, 24, 20, col::black);
    c.sphere(26, 146, 5, {col::black, col::grey, col::white}, false);
    // money slot and the lower panel
    c.fill(10, 192, 32, 3, col::black);
    c.fill(4, 210, 44, 62, col::grey);
    c.dither(4, 210, 44, 62, col::grey, col::black, 6);
    c.bevel(0, 0, 52, 272, col::white, col::black);
    return c;
}

Canvas lamps(const std::string& title)
{
    Canvas c(74, 80);
    for (int f = 0; f < 4; f++)
        topLamp(c, 0, 20 * f, f, title);
    return c;
}

// ---------------------------------------------------------------- row ends

// The end of an island (the side that faces the aisle): a decorated pillar
// 52 pixels wide with a vertical sign spelling the title, a letter every 26
// rows (closer for more than seven), centred on the seven-letter sign.
void islandEnd(Canvas& c, int x, const std::string& title)
{
    c.vgrad(x, 0, 52, 272, {col::maroon, col::crimson, col::maroon});
    c.bevel(x, 0, 52, 272, col::red, col::black, 2);
    lens(c, x + 10, 16, 32, 200, hue::yellow, true, 10);
    const int n = int(title.size());
    const int pitch = n > 7 ? 156 / (n - 1) : 26;
    const int top = n > 7 ? 28 : 28 + 13 * (7 - n);
    for (int k = 0; k < n; k++)
        drawTextOutlined(c, x + 26 - textWidth(std::string(1, title[k]), 2) / 2, top + pitch * k,
                         std::string(1, title[k]), col::crimson, col::cream, 2);
    c.fill(x, 228, 52, 44, col::black);
    c.dither(x, 228, 52, 44, col::black, col::maroon, 5);
}

// The hall wall beyond the island, with a poster of the machine and a lamp.
void hallWall(Canvas& c, int x, int w, int phase, int number)
{
    const std::string machine = "NO." + std::to_string(number);
    c.vgrad(x, 0, w, 272, {col::brown, col::amber, col::brown});
    for (int i = x; i < x + w; i += 16)
        c.vline(i, 0, 271, col::brown);
    // wainscot
    c.fill(x, 200, w, 72, col::maroon);
    c.hline(x, x + w - 1, 200, col::amber);
    // poster
    int px = x + w / 2 - 40, py = 40;
    c.fill(px - 2, py - 2, 84, 124, col::black);
    c.vgrad(px, py, 80, 120, {col::navy, col::blue, col::violet});
    drawTextRamp(c, px + 40 - textWidth("FEVER", 2) / 2, py + 12, "FEVER", {col::maroon, col::red, col::yellow, col::white},
                 col::black, 2);
    shapeLamp(c, boltShape(px + 24, py + 36, 32, 56), px + 40, py + 64, 30, hue::yellow, true);
    drawTextOutlined(c, px + 40 - textWidth(machine) / 2, py + 100, machine, col::white, col::black);
    // floor
    carpet(c, x, 272, w, 144, phase);
    floorEdge(c, x, 416, w);
}

Canvas rowEnds(const MachineName& name)
{
    Canvas c(170, 864);
    // 0: row start, drawn with its right edge at the first cabinet (at
    // column x + 52 - 170: the carpet phase there is -118).
    Canvas start(170, 432);
    hallWall(start, 0, 118, -118, name.number);
    islandEnd(start, 118, name.title);
    carpet(start, 118, 272, 52, 144, -118);
    floorEdge(start, 118, 416, 52);
    // 1: row end, drawn at the column after the last machine.
    Canvas end(170, 432);
    islandEnd(end, 0, name.title);
    hallWall(end, 52, 118, 0, name.number);
    carpet(end, 0, 272, 52, 144, 0);
    floorEdge(end, 0, 416, 52);
    c.blit(start, 0, 0);
    c.blit(end, 0, 432);
    return c;
}

// ---------------------------------------------------------------- people

// A dithered shadow on the floor (black every other pixel; the carpet
// shows between).
void shadow(Canvas& c, double cx, double cy, double rx, double ry)
{
    for (int y = (int)(cy - ry); y <= (int)(cy + ry); y++)
        for (int x = (int)(cx - rx); x <= (int)(cx + rx); x++) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1 && ((x + y) & 1) && c.get(x, y) == col::key)
                c.set(x, y, col::black);
        }
}

// A round stool: red padded seat on a chrome pole; its top at `top`.
void stool(Canvas& c, double cx, int top, int bottom)
{
    c.fill((int)cx - 3, top + 14, 7, bottom - top - 22, col::grey);
    c.vline((int)cx - 2, top + 14, bottom - 9, col::white);
    c.vline((int)cx + 2, top + 14, bottom - 9, col::black);
    c.ellipse(cx, bottom - 6, 22, 5, col::black);
    c.ellipse(cx, bottom - 7, 20, 4, col::silver);
    c.ellipse(cx, top + 9, 30, 10, col::black);
    c.ellipse(cx, top + 8, 29, 9, col::maroon);
    c.ellipse(cx, top + 6, 27, 7, col::crimson);
    c.ellipse(cx - 4, top + 4, 14, 3, col::red);
    c.hline((int)cx - 10, (int)cx - 2, top + 2, col::pink);
}

Canvas emptyStool()
{
    Canvas c(84, 195, col::key);
    stool(c, 42, 118, 195);
    shadow(c, 42, 190, 36, 5);
    // a floor ashtray stand beside it
    c.fill(74, 150, 4, 40, col::grey);
    c.ellipse(76, 150, 7, 3, col::silver);
    c.outline(col::black);
    return c;
}

Canvas customer()
{
    Canvas c(88, 328, col::key);
    double cx = 44;
    stool(c, cx, 246, 328);
    shadow(c, cx, 322, 40, 6);
    // lower legs hanging either side of the stool, shoes on the footrest
    c.fill(8, 236, 15, 62, col::navy);
    c.fill(65, 236, 15, 62, col::navy);
    c.vline(9, 236, 296, col::blue);
    c.vline(66, 236, 296, col::blue);
    c.fill(6, 294, 19, 9, col::black);
    c.fill(63, 294, 19, 9, col::black);
    // back: a jacket lit by the machine in front, hem over the seat
    std::vector<double> back = {cx - 28, 150, cx + 28, 150, cx + 35, 176, cx + 32, 226, cx + 36, 254, cx - 36, 254,
                                cx - 32, 226, cx - 35, 176};
    Canvas body(c.w, c.h, col::key);
    body.polygon(back, col::white);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            if (body.get(x, y) == col::white)
                c.rampPixel(x, y, {col::navy, col::blue, col::royal, col::sky}, 0.8 - (y - 150) / 140.0 + (x - cx) / 150.0);
    c.vline((int)cx, 158, 252, col::navy); // centre seam
    c.hline((int)cx - 33, (int)cx + 33, 230, col::navy); // belt line
    c.ellipse(cx, 150, 17, 6, col::white); // collar
    // right arm out to the handle at the machine's lower right
    c.thickLine(cx + 27, 158, cx + 39, 150, 13, col::royal);
    c.thickLine(cx + 39, 150, cx + 41, 146, 11, col::blue);
    c.sphere(cx + 40, 146, 5.5, {col::brown, col::skin, col::peach}, false);
    // left arm on the tray
    c.thickLine(cx - 27, 158, cx - 36, 186, 13, col::navy);
    c.sphere(cx - 36, 189, 5, {col::brown, col::skin, col::peach}, false);
    // neck and the back of the head
    c.fill((int)cx - 8, 128, 17, 20, col::skin);
    c.dither((int)cx - 8, 138, 17, 10, col::skin, col::brown, 6);
    c.ellipse(cx - 23, 108, 4, 7, col::skin); // ears
    c.ellipse(cx + 23, 108, 4, 7, col::skin);
    for (int y = 72; y < 136; y++)
        for (int x = 18; x < 70; x++) {
            double dx = (x + 0.5 - cx) / 23, dy = (y + 0.5 - 102) / 30;
            if (dx * dx + dy * dy <= 1)
                c.rampPixel(x, y, {col::black, col::black, col::brown, col::maroon}, 0.55 - dy * 0.35 + dx * 0.3);
        }
    // strands of hair catching the light
    for (int k = 0; k < 5; k++)
        c.line((int)cx - 8 + 5 * k, 78, (int)cx - 11 + 6 * k, 98, col::brown);
    c.outline(col::black);
    return c;
}

Canvas ballBox()
{
    Canvas c(40, 28, col::key);
    roundRectGrad(c, 1, 8, 38, 20, 2, {col::red, col::orange, col::brown});
    c.hline(2, 37, 9, col::amber);
    drawText(c, 6, 16, "TAMA", col::cream);
    for (int row = 0; row < 2; row++)
        for (int k = 0; k < 6; k++)
            c.sphere(5 + 6 * k + 3 * row, 7 - 3 * row + 1, 3.3, {col::black, col::grey, col::silver, col::white}, false);
    c.outline(col::black);
    return c;
}

} // namespace

void makeHallSigns(ArtSet& out, const MachineName& name)
{
    out.picture(511, rowEnds(name), false);
    out.picture(515, lamps(name.title), false);
}

void makeHall(ArtSet& out)
{
    out.picture(512, floorTiles(), false);
    Canvas cab(140, 272);
    cabinet(cab, 0);
    out.picture(513, cab, false);
    out.picture(514, divider(), false);
    out.picture(516, emptyStool(), true);
    out.picture(517, customer(), true);
    out.picture(518, ballBox(), true);
    Canvas fronts(140, 256);
    for (int f = 0; f < 4; f++) {
        Canvas one(140, 272);
        cabinet(one, f);
        fronts.blit(one, 0, 32, 140, 64, 0, 64 * f);
    }
    out.picture(519, fronts, false);
}
