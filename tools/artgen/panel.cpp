// The info panel: its background (500, also the palette's source and the
// street face and map icons; the street face names the machine, so every
// program has its own), the clock digits (503), small digits (504), weekday
// names (505, 506), the hall map cells (507) and the tabs, hall face and
// scene strip (508).
#include <cmath>

#include "artkit.h"
#include "lamps.h"

namespace {

const int kMachineNumbers[16] = {1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 15, 16, 17, 18, 20};
const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
const uint8_t kPlayerColour[4] = {col::red, col::royal, col::green, col::orange};

uint8_t weekdayColour(int d) { return d == 0 ? col::red : d == 6 ? col::sky : col::amber; }

// Dark blue brushed metal, the panel's body.
void panelMetal(Canvas& c, int x, int y, int w, int h)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) {
            // brushed: a faint streak every third row, lighter to the left
            double t = 0.35 + 0.3 * (1.0 - (double)(i - x) / w) + ((j % 3 == 0 && (i * 7 + j) % 11 < 6) ? 0.12 : 0);
            c.rampPixel(i, j, {col::black, col::navy, col::indigo}, t);
        }
}

// An LCD window inset into the panel.
void inset(Canvas& c, int x, int y, int w, int h)
{
    c.fill(x, y, w, h, col::black);
    c.bevel(x - 1, y - 1, w + 2, h + 2, col::grey, col::silver);
    c.hline(x, x + w - 1, y, col::navy);
}

void rivet(Canvas& c, int x, int y)
{
    c.sphere(x, y, 2.2, {col::black, col::grey, col::silver, col::white}, false);
}

// Occupant icon k (0 empty seat, 1 customer, 2..5 P1..P4) at (x, y); the
// person looks towards the machine on side `dir` (-1 left, 1 right).
void occupantIcon(Canvas& c, int x, int y, int k, int dir)
{
    c.fill(x, y, 12, 12, col::black);
    double cx = x + 6, cy = y + 6;
    if (k == 0) {
        c.ring(cx, cy, 4.5, 1.5, col::grey);
        c.disc(cx, cy, 2, col::navy);
        return;
    }
    if (k == 1) {
        c.ellipse(cx - dir * 1.5, cy, 3, 5.5, col::grey);  // shoulders
        c.sphere(cx + dir * 1.0, cy, 3.2, {col::black, col::brown, col::skin}, false);
        c.set((int)(cx + dir * 3), (int)cy, col::skin);
        return;
    }
    uint8_t pc = kPlayerColour[k - 2];
    c.disc(cx, cy, 5.6, col::white);
    c.disc(cx, cy, 4.8, pc);
    std::string d(1, (char)('0' + k - 1));
    // a 3 x 5 digit
    static const char* const kDigits[4][5] = {{".#.", "##.", ".#.", ".#.", "###"},
                                              {"##.", "..#", ".#.", "#..", "###"},
                                              {"##.", "..#", ".#.", "..#", "##."},
                                              {"#.#", "#.#", "###", "..#", "..#"}};
    for (int r = 0; r < 5; r++)
        for (int q = 0; q < 3; q++)
            if (kDigits[k - 2][r][q] == '#')
                c.set(x + 5 + q, y + 4 + r - 0, col::white);
}

// A map cell: a tiny cabinet of machine index i with its number, the top
// lamp in the colour of lamp frame f (0 off, 1 open, 2, 3 fever kinds).
void mapCell(Canvas& c, int x, int y, int i, int f)
{
    c.fill(x, y, 30, 16, col::black);
    bool left = i < 8;
    roundRectGrad(c, x + 2, y + 2, 27, 13, 2, {col::silver, col::grey, col::grey});
    const LampHue& h = f == 0 ? hue::white : f == 1 ? hue::yellow : f == 2 ? hue::red : hue::violet;
    // the lamp on the aisle side
    int lx = left ? x + 22 : x + 3;
    lens(c, lx, y + 3, 5, 11, h, f != 0, 1);
    // the number plate
    int px = left ? x + 4 : x + 10;
    c.fill(px, y + 4, 16, 9, col::navy);
    std::string n = std::to_string(kMachineNumbers[i]);
    static const char* const kSmall[10][5] = {
        {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"}, {"###", "..#", "###", "#..", "###"},
        {"###", "..#", "###", "..#", "###"}, {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
        {"###", "#..", "###", "#.#", "###"}, {"###", "..#", ".#.", ".#.", ".#."}, {"###", "#.#", "###", "#.#", "###"},
        {"###", "#.#", "###", "..#", "###"}};
    int tx = px + 8 - (int)(n.size() * 4 - 1) / 2;
    for (char ch : n) {
        for (int r = 0; r < 5; r++)
            for (int q = 0; q < 3; q++)
                if (kSmall[ch - '0'][r][q] == '#')
                    c.set(tx + q, y + 6 + r, col::white);
        tx += 4;
    }
}

// The street face of the panel (rows 196..289 of 500), under the family's
// name the machine's: "NO.3 BRAVOLT".
void streetFace(Canvas& c, int y, const MachineName& name)
{
    const std::string machine = "NO." + std::to_string(name.number) + " " + name.title;
    panelMetal(c, 0, y, 128, 94);
    inset(c, 5, y + 5, 118, 84);
    c.vgrad(5, y + 5, 118, 84, {col::indigo, col::purple, col::maroon, col::black});
    drawTextRamp(c, 64 - textWidth("TAMAROW", 2) / 2, y + 12, "TAMAROW", {col::brown, col::amber, col::yellow, col::white},
                 col::black, 2);
    drawTextOutlined(c, 64 - textWidth(machine) / 2, y + 32, machine, col::cyan, col::black);
    // a heap of shiny balls
    const double balls[][2] = {{40, 72}, {52, 72}, {64, 72}, {76, 72}, {88, 72}, {46, 62},
                               {58, 62}, {70, 62}, {82, 62}, {52, 52}, {64, 52}, {76, 52}};
    for (auto& b : balls)
        c.sphere(b[0], y + b[1], 6, {col::black, col::grey, col::silver, col::ice, col::white});
    shapeLamp(c, boltShape(14, y + 46, 16, 34), 22, y + 62, 16, hue::yellow, true);
    shapeLamp(c, boltShape(98, y + 46, 16, 34), 106, y + 62, 16, hue::yellow, true);
}

// The hall and play face (rows 104..197 of 508): labels beside the figures.
void hallFace(Canvas& c, int y)
{
    panelMetal(c, 0, y, 128, 94);
    inset(c, 7, y + 6, 30, 16);  // machine plate
    for (int k = 0; k < 3; k++) {
        inset(c, 43 + 28 * k, y + 6, 24, 16); // weekdays
        inset(c, 45 + 28 * k, y + 28, 20, 16); // prizes per day
    }
    inset(c, 57, y + 50, 64, 16);
    inset(c, 57, y + 72, 64, 16);
    drawJpOutlined(c, 4, y + 30, "大当", 12, col::yellow, col::black);
    drawJpOutlined(c, 4, y + 52, "回転数", 12, col::cyan, col::black);
    drawJpOutlined(c, 4, y + 74, "持玉", 12, col::lime, col::black);
}

Canvas panelBackground(const MachineName& name)
{
    Canvas c(128, 432);
    panelMetal(c, 0, 0, 128, 432);
    c.bevel(0, 0, 128, 432, col::indigo, col::black);
    // clock
    inset(c, 3, 2, 122, 28);
    c.fill(81, 10, 3, 3, col::amber);
    c.fill(81, 19, 3, 3, col::amber);
    // map: a strip of carpet with the two rows of machines and their seats
    inset(c, 3, 34, 122, 133);
    c.dither(4, 35, 120, 131, col::maroon, col::crimson, 4);
    for (int i = 0; i < 16; i++) {
        int x = i < 8 ? 5 : 93, y = i < 8 ? 37 + (7 - i) * 16 : 37 + (i - 8) * 16;
        mapCell(c, x, y, i, 1);
    }
    // The icon columns: icons 0..5 at rows 39 + 16k, empty seats below.
    for (int k = 0; k < 8; k++) {
        occupantIcon(c, 38, 39 + 16 * k, k < 6 ? k : 0, -1);
        occupantIcon(c, 78, 39 + 16 * k, k < 6 ? k : 0, 1);
    }
    // under the tabs
    c.fill(0, 168, 128, 28, col::black);
    streetFace(c, 196, name);
    // controls area: rivets in the corners
    c.hline(0, 127, 290, col::grey);
    for (int y : {296, 424})
        for (int x : {3, 124})
            rivet(c, x, y);
    return c;
}

Canvas clockDigits()
{
    Canvas c(16, 264, col::black);
    for (int d = 0; d < 11; d++)
        drawSegmentDigit(c, 2, 24 * d + 3, 12, 18, d < 10 ? d : -1, col::amber, col::maroon, 3);
    // the unlit segments at half strength (every other pixel), so that a
    // glance reads "21" and not "28"
    for (int y = 0; y < c.h; y++)
        for (int x = (y & 1); x < c.w; x += 2)
            if (c.get(x, y) == col::maroon)
                c.set(x, y, col::black);
    return c;
}

Canvas smallDigits()
{
    Canvas c(10, 192, col::black);
    for (int d = 0; d < 10; d++) {
        std::string s(1, (char)('0' + d));
        drawText(c, 2, 16 * d + 4, s, col::cyan);
        // a one-pixel shade below each stroke for depth
        for (int y = 16 * d + 4; y < 16 * d + 12; y++)
            for (int x = 1; x < 9; x++)
                if (c.get(x, y) == col::black && c.get(x, y - 1) == col::cyan)
                    c.set(x, y, col::navy);
    }
    // 11: the thousands separator, in the first four columns
    c.fill(1, 16 * 11 + 10, 2, 2, col::cyan);
    c.set(1, 16 * 11 + 12, col::cyan);
    return c;
}

Canvas weekdayNames()
{
    Canvas c(32, 168, col::black);
    for (int d = 0; d < 7; d++)
        drawJpCentred(c, 0, 24 * d, 32, 24, kWeekdays[d], 16, weekdayColour(d), col::maroon, true);
    return c;
}

Canvas weekdayLabels()
{
    Canvas c(24, 112, col::black);
    for (int d = 0; d < 7; d++)
        drawJpCentred(c, 0, 16 * d, 24, 16, kWeekdays[d], 12, weekdayColour(d), col::navy, false);
    return c;
}

Canvas mapCells()
{
    Canvas c(120, 256);
    for (int f = 0; f < 4; f++)
        for (int i = 0; i < 16; i++)
            mapCell(c, 30 * f, 16 * i, i, f);
    return c;
}

// A tab face for slot i: `player` whether the slot has one, `active` the
// slot the user controls.
void tab(Canvas& c, int x, int y, int i, bool player, bool active)
{
    c.fill(x, y, 32, 26, col::black);
    Ramp body = active ? Ramp{col::silver, col::white, col::silver} : Ramp{col::navy, col::indigo, col::navy};
    if (active && player)
        body = {kPlayerColour[i], col::white, kPlayerColour[i]};
    roundRectGrad(c, x + 1, y + (active ? 1 : 4), 30, active ? 25 : 22, 4, body);
    if (!active)
        c.hline(x, x + 31, y + 25, col::grey);
    std::string label = "P" + std::to_string(i + 1);
    uint8_t text = player ? (active ? col::black : kPlayerColour[i]) : col::grey;
    uint8_t shade = player && !active ? col::black : (active ? col::white : col::black);
    int tx = x + 16 - textWidth(label) / 2, ty = y + (active ? 9 : 11);
    drawText(c, tx + 1, ty + 1, label, shade);
    drawText(c, tx, ty, label, text);
    if (player)
        c.disc(x + 26, y + (active ? 6 : 9), 2, active ? col::red : col::lime);
}

// One face of the scene strip: left "menu", right "handle"; `view` lit.
void strip(Canvas& c, int y, int view)
{
    for (int half = 0; half < 2; half++) {
        bool on = half == view;
        int x = 64 * half;
        c.fill(x, y, 64, 24, col::black);
        roundRectGrad(c, x + 1, y + 1, 62, 22, 5,
                      on ? Ramp{col::amber, col::yellow, col::amber} : Ramp{col::indigo, col::navy, col::black});
        drawJpCentred(c, x, y, 64, 24, half ? "ﾊﾝﾄﾞﾙ" : "ﾒﾆｭｰ", 12, on ? col::black : col::grey,
                      on ? col::cream : col::black, false);
    }
}

Canvas tabsFaceStrip()
{
    Canvas c(128, 246);
    for (int state = 0; state < 4; state++)
        for (int i = 0; i < 4; i++)
            tab(c, 32 * i, 26 * state, i, state >= 2, state % 2 == 1);
    hallFace(c, 104);
    strip(c, 198, 0);
    strip(c, 222, 1);
    return c;
}

} // namespace

void makePanelFace(ArtSet& out, const MachineName& name)
{
    out.picture(500, panelBackground(name), false);
}

void makePanel(ArtSet& out)
{
    out.picture(503, clockDigits(), false);
    out.picture(504, smallDigits(), false);
    out.picture(505, weekdayNames(), false);
    out.picture(506, weekdayLabels(), false);
    out.picture(507, mapCells(), false);
    out.picture(508, tabsFaceStrip(), false);
}
