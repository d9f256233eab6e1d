// Machine No.2's reel strips (606: three columns of 21 cells and the shading
// band the play screen ANDs over each reel's edges) and the round digits
// (608) in the open door's window.
#include <cmath>
#include <string>
#include <vector>

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

// The strokes of the numbers 1..8 on a 10 x 14 grid: polylines drawn with a
// round pen, so the figures are bold and soft like printed reel numbers.
typedef std::vector<std::vector<double>> Strokes;
const Strokes& numberStrokes(int n)
{
    static const Strokes kStrokes[9] = {
        {},
        {{2.6, 3.4, 5.4, 1, 5.4, 13}, {2.6, 13, 8.2, 13}},
        {{1.4, 4, 2.4, 1.6, 5, 0.9, 7.8, 1.6, 8.8, 4, 7.8, 6.6, 1.2, 13, 9, 13}},
        {{1.4, 1, 8.8, 1, 5, 5.8, 7.8, 6.8, 9, 9.8, 7.6, 12.6, 4.6, 13.3, 1.2, 11.8}},
        {{7, 13.2, 7, 1, 1, 9.6, 9.6, 9.6}},
        {{8.8, 1, 2.2, 1, 1.6, 6.4, 4.8, 5.5, 8, 6.6, 9, 9.8, 7.6, 12.6, 4.6, 13.3, 1.2, 11.8}},
        {{8.2, 1.6, 5.4, 0.9, 2.4, 3.4, 1.2, 7.6, 1.6, 11.4, 4.2, 13.2, 7, 12.8, 8.8, 10.4, 8.2, 7.6, 5.4, 6.6, 2.6,
          7.4, 1.4, 9}},
        {{1, 1, 9, 1, 7.2, 5.2, 4.6, 13.2}},
        {{5, 0.9, 7.8, 1.9, 8.4, 4, 7.2, 5.9, 5, 6.8, 2.8, 5.9, 1.6, 4, 2.2, 1.9, 5, 0.9},
         {5, 6.8, 8, 8.1, 9, 10.4, 7.6, 12.8, 5, 13.3, 2.4, 12.8, 1, 10.4, 2, 8.1, 5, 6.8}},
    };
    return kStrokes[n];
}

// A number symbol centred in the 48 x 24 cell at (x, y): a bold figure shaded
// down through its colours, a dark outline and a halo of its own colour.
void number(Canvas& strip, int x, int y, int n)
{
    const double scale = 1.4, pen = 3.6, ox = 24 - 5 * scale, oy = 12 - 7 * scale;
    Canvas shape(48, 24, col::key);
    for (const std::vector<double>& line : numberStrokes(n))
        for (size_t k = 0; k + 3 < line.size() + 2 && k + 1 < line.size(); k += 2) {
            double x0 = ox + line[k] * scale, y0 = oy + line[k + 1] * scale;
            shape.disc(x0, y0, pen / 2, col::white);
            if (k + 3 < line.size()) {
                double x1 = ox + line[k + 2] * scale, y1 = oy + line[k + 3] * scale;
                shape.thickLine(x0, y0, x1, y1, pen, col::white);
            }
        }
    Canvas g(48, 24, col::key);
    for (int j = 0; j < 24; j++)
        for (int i = 0; i < 48; i++)
            if (shape.get(i, j) != col::key)
                g.rampPixel(i, j, kNumberRamp[n], 1.0 - (j - 2) / 19.0);
    // a glint on the upper strokes
    for (int j = 0; j < 24; j++)
        for (int i = 0; i < 48; i++)
            if (shape.get(i, j) != col::key && shape.get(i - 1, j - 1) == col::key && j < 12)
                g.set(i, j, col::white);
    g.outline(col::black);
    g.outline(kNumberRamp[n][n == 7 ? 0 : 1]);
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
    drawSegmentDigits(digits, 2, 2, 22, kDigitBlank + 1, 12, 18, col::orange, rgb(1, 0, 0), 3); // and the blank
    out.picture(608, digits, false);
}
