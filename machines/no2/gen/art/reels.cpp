// Machine No.2's reel strips (606: three columns of 21 cells and the shading
// band the play screen ANDs over each reel's edges) and the round digits
// (608) in the open door's window.
#include <cmath>
#include <string>

#include "lamps.h"
#include "no2_art.h"
#include "no2_art_layout.h"

using namespace no2art;

namespace {

// Each number's colours, dark to light: 1 red, 2 blue, 3 green, 4 orange,
// 5 violet, 6 sea green, 7 gold, 8 pink.
const Ramp kNumberRamp[9] = {
    {},
    {col::maroon, col::crimson, col::red, col::orange},
    {col::navy, col::blue, col::royal, col::sky},
    {col::darkGreen, col::green, col::lime},
    {col::brown, col::orange, col::amber},
    {col::indigo, col::violet, col::lavender},
    {col::darkGreen, rgb(0, 2, 1), col::cyan},
    {col::brown, col::amber, col::yellow, col::cream},
    {col::purple, col::magenta, col::pink},
};

// A number symbol centred in the 48 x 24 cell at (x, y): a shiny digit with a
// dark outline and a coloured halo, so each reads at a glance.
void number(Canvas& strip, int x, int y, int n)
{
    Canvas g(48, 24, col::key);
    std::string s = std::to_string(n);
    int w = textWidth(s, 3);
    drawTextRamp(g, 24 - w / 2, 2, s, kNumberRamp[n], col::black, 3);
    g.outline(kNumberRamp[n][n == 7 ? 0 : 1]);
    if (n == 7) // the lucky seven gets a red ring of its own
        g.outline(col::red);
    strip.blit(g, 0, 0, 48, 24, x, y, true);
}

// The blank of each reel: a small star, a small heart, a small ball.
void blank(Canvas& strip, int x, int y, int reel)
{
    double cx = x + 24, cy = y + 12;
    if (reel == 0) {
        shapeLamp(strip, starShape(cx, cy + 0.5, 6, 2.6), cx, cy, 7, hue::yellow, true);
    } else if (reel == 1) {
        std::vector<double> heart;
        for (int i = 0; i < 32; i++) {
            double t = i * 2 * M_PI / 32;
            heart.push_back(cx + 0.42 * 16 * std::pow(std::sin(t), 3));
            heart.push_back(cy - 0.42 * (13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t)));
        }
        shapeLamp(strip, heart, cx - 2, cy - 2, 8, hue::violet, true);
    } else {
        strip.sphere(cx, cy, 5.5, {col::grey, col::silver, col::ice, col::white});
        strip.ring(cx, cy, 6, 1, col::grey);
    }
}

} // namespace

Canvas reelStripSheet()
{
    Canvas sheet(144, 632, col::black);
    for (int reel = 0; reel < 3; reel++) {
        Canvas s(kReelW, kStripRows);
        // an ivory drum, a little darker towards its sides
        for (int y = 0; y < s.h; y++)
            for (int x = 0; x < kReelW; x++) {
                double u = (x + 0.5) / kReelW * 2 - 1;
                s.rampPixel(x, y, {col::silver, col::cream, col::white, col::white}, 1.0 - u * u);
            }
        s.vline(0, 0, s.h - 1, col::grey);
        s.vline(kReelW - 1, 0, s.h - 1, col::grey);
        for (int cell = 0; cell < kReelCells; cell++) {
            int v = kStrip[reel][cell];
            if (v >= 1 && v <= 8)
                number(s, 0, kCellRows * cell, v);
            else
                blank(s, 0, kCellRows * cell, reel);
        }
        int x = kReelW * reel;
        sheet.blit(s, 0, 0, kReelW, kStripRows, x, 0);
        // the first rows again after the last cell, so a window anywhere reads on
        sheet.blit(s, 0, 0, kReelW, kBandY - kStripRows, x, kStripRows);
        // The shading band: the same row all down (the top and the bottom edge
        // share it); one channel level down, two at the drum's sides.
        for (int y = kBandY; y < kBandY + kBandH; y++)
            for (int i = 0; i < kReelW; i++) {
                double u = std::abs((i + 0.5) / kReelW * 2 - 1); // 0 in the middle, 1 at a side
                sheet.rampPixel(x + i, y, {col::silver, col::silver, col::grey}, u * u);
            }
    }
    return sheet;
}

void makeReels(ArtSet& out)
{
    out.picture(606, reelStripSheet(), false);
    Canvas digits(16, 242, col::black);
    for (int d = 0; d <= kDigitBlank; d++)
        drawSegmentDigit(digits, 2, 22 * d + 2, 12, 18, d < kDigitBlank ? d : -1, col::orange, rgb(1, 0, 0), 3);
    out.picture(608, digits, false);
}
