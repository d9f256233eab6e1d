// Lamps and glass: the lit and unlit looks every lamp of the board, the hall
// and the panel shares, so a lamp layer copied over the board always matches.
#pragma once
#include "canvas.h"

// A lamp colour: its glass when off (dark to light) and its glow when on.
struct LampHue {
    Ramp off;
    Ramp on;
};

namespace hue {
const LampHue red = {{col::black, col::maroon, col::crimson}, {col::crimson, col::red, col::orange, col::amber, col::yellow, col::white}};
const LampHue yellow = {{col::black, col::olive, col::gold}, {col::gold, col::amber, col::yellow, col::cream, col::white}};
const LampHue orange = {{col::black, col::maroon, col::brown}, {col::brown, col::orange, col::amber, col::yellow, col::white}};
const LampHue blue = {{col::black, col::navy, col::royal}, {col::blue, col::royal, col::sky, col::ice, col::white}};
const LampHue green = {{col::black, col::darkGreen, col::green}, {col::green, col::lime, col::mint, col::white}};
const LampHue violet = {{col::black, col::purple, col::indigo}, {col::violet, col::magenta, col::pink, col::rose, col::white}};
const LampHue cyan = {{col::black, col::navy, col::aqua}, {col::aqua, col::cyan, col::ice, col::white}};
const LampHue white = {{col::black, col::grey, col::silver}, {col::silver, col::ice, col::white}};
}

// A round bulb: lit, a glowing sphere with a hot white core; unlit, dark glass
// with a small reflection.
void bulb(Canvas& c, double cx, double cy, double r, const LampHue& h, bool lit);

// A rounded-rectangle lamp lens, shaded top to bottom, with a rim.
void lens(Canvas& c, int x, int y, int w, int h, const LampHue& hue, bool lit, int radius = 4);

// A polygonal lamp lens (star, bolt, arrow): the polygon filled with the glass
// or the glow, shaded by its distance from (cx, cy).
void shapeLamp(Canvas& c, const std::vector<double>& xy, double cx, double cy, double r, const LampHue& h, bool lit);

// A rounded rectangle.
void roundRect(Canvas& c, int x, int y, int w, int h, int r, uint8_t colour);
// A rounded rectangle filled with a vertical ramp.
void roundRectGrad(Canvas& c, int x, int y, int w, int h, int r, const Ramp& ramp);

// A five-pointed star polygon.
std::vector<double> starShape(double cx, double cy, double outer, double inner, double turn = 0);
// A lightning bolt inside a w x h box at (x, y).
std::vector<double> boltShape(double x, double y, double w, double h);
