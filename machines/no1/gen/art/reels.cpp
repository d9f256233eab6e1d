// Machine No.1's reel strips (610), round numbers (611) and attacker-count
// digits (612), and the display family in id order.
//
// The number symbols 1..6 are shiny planets of six colours, each with its
// white digit; the blanks are small and pale (a star on the left reel, a
// crescent on the middle one, a ringed planet on the right one), so a line
// of numbers reads at a glance. The second colour is a golden reel face
// for the slow action's blink.
#include <cmath>

#include "lamps.h"
#include "no1_art.h"
#include "no1_art_layout.h"
#include "scene_kit.h"

using namespace no1art;

namespace {

const Ramp kPlanetRamps[6] = {
    {col::black, col::maroon, col::crimson, col::red, col::rose},       // 1
    {col::black, col::brown, col::orange, col::amber, col::cream},      // 2
    {col::black, col::olive, col::gold, col::yellow, col::cream},       // 3
    {col::black, col::darkGreen, col::green, col::lime, col::mint},     // 4
    {col::black, col::navy, col::blue, col::royal, col::sky},           // 5
    {col::black, col::purple, col::violet, col::lavender, col::pale},   // 6
};

// Symbol 1..9 centred in the 36 x 24 cell at (x, y).
void symbol(Canvas& c, int x, int y, int s)
{
    double cx = x + 18, cy = y + 12;
    Canvas g(36, 24, col::key);
    double gx = 18, gy = 12;
    if (s >= 1 && s <= 6) {
        g.sphere(gx, gy, 10.5, kPlanetRamps[s - 1]);
        std::string d(1, (char)('0' + s));
        int w = textWidth(d, 2);
        drawTextOutlined(g, (int)gx - w / 2, (int)gy - 7, d, col::white, col::black, 2);
        // the digit's own shadow inside its outline, for weight
        g.outline(col::black);
    } else if (s == 7) {
        shapeLamp(g, starShape(gx, gy + 0.5, 7, 3), gx, gy, 7, hue::yellow, false);
        g.outline(col::grey);
    } else if (s == 8) {
        scene::crescent(g, gx, gy, 6, col::silver);
        g.outline(col::grey);
    } else {
        scene::ringedPlanet(g, gx, gy, 5.5, {col::maroon, col::crimson, col::pink, col::rose}, col::silver);
        g.outline(col::grey);
    }
    c.blit(g, 0, 0, 36, 24, (int)cx - 18, (int)cy - 12, true);
}

// One reel's column: its face shaded like a drum, then every cell's symbol
// (each inside its own 24 rows, so the 14-cell repeat is exact).
void reelColumn(Canvas& sheet, int x, int reel, const Ramp& face)
{
    for (int y = 0; y < sheet.h; y++)
        for (int i = 0; i < kReelColumnW; i++) {
            double u = (i + 0.5) / kReelColumnW * 2 - 1;
            sheet.rampPixel(x + i, y, face, 1.0 - u * u);
        }
    for (int y = 0; y < sheet.h; y++) {
        sheet.set(x, y, col::grey);
        sheet.set(x + kReelColumnW - 1, y, col::grey);
    }
    for (int cell = 0; cell * kStripCellH < sheet.h; cell++)
        symbol(sheet, x, cell * kStripCellH, kStripSymbols[reel][cell % kStripCells]);
}

} // namespace

Canvas reelStrips()
{
    Canvas c(216, 480);
    for (int reel = 0; reel < 3; reel++) {
        reelColumn(c, kReelColumnW * reel, reel, {col::silver, col::white, col::white});
        reelColumn(c, kSecondColourX + kReelColumnW * reel, reel, {col::gold, col::yellow, col::cream});
    }
    return c;
}

Canvas roundNumbers()
{
    Canvas c(kRoundNumberW, 16 * kRoundNumberH);
    for (int r = 1; r <= 16; r++) {
        int y = kRoundNumberH * (r - 1);
        bool last = r == 16;
        c.fill(0, y, kRoundNumberW, kRoundNumberH, col::navy);
        roundRectGrad(c, 0, y, kRoundNumberW, kRoundNumberH, 6,
                      last ? Ramp{col::yellow, col::orange, col::red, col::maroon}
                           : Ramp{col::sky, col::royal, col::blue, col::navy});
        roundRect(c, 2, y + 9, kRoundNumberW - 4, kRoundNumberH - 11, 4, col::black);
        drawText(c, 22 - textWidth("ROUND") / 2, y + 1, "ROUND", last ? col::maroon : col::white);
        std::string n = std::to_string(r);
        drawTextRamp(c, 22 - textWidth(n, 2) / 2, y + 12, n,
                     last ? Ramp{col::red, col::orange, col::yellow, col::white}
                          : Ramp{col::amber, col::yellow, col::cream, col::white},
                     col::black, 2);
    }
    return c;
}

Canvas countDigits()
{
    Canvas c(kDigitW, 11 * kDigitH, col::black);
    drawSegmentDigits(c, 2, 2, kDigitH, 11, 11, 17, col::red, col::black, 3); // 10: the blank, every segment dark
    return c;
}

void makeDisplay(ArtSet& out)
{
    out.picture(607, displayPictures(), false);
    out.picture(608, overlays(), true);
    out.picture(609, character(), true);
    out.picture(610, reelStrips(), false);
    out.picture(611, roundNumbers(), false);
    out.picture(612, countDigits(), false);
}
