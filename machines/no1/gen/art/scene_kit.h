// Small drawings the display's scenes are made of: stars, planets, the
// moon's ground, comets, rocks and crystals.
#pragma once
#include "canvas.h"
#include "lamps.h"

namespace scene {

// Stars scattered over a rectangle; `wrapX` draws across the left and right
// edges of a periodic canvas.
void stars(Canvas& c, int x, int y, int w, int h, uint32_t seed, int count, bool wrapX);
// A planet with a tilted ring; the ring's back half behind it.
void ringedPlanet(Canvas& c, double cx, double cy, double r, const Ramp& body, uint8_t ring);
// A small blue and green world.
void world(Canvas& c, double cx, double cy, double r);
void crescent(Canvas& c, double cx, double cy, double r, uint8_t colour);
// A little rocket standing on the ground (its base at y).
void rocket(Canvas& c, double x, int base);
// Grey moon ground with craters, from row y down `h` rows; `periodic`
// keeps it seamless across a canvas' width.
void moonGround(Canvas& c, int x, int y, int w, int h, uint32_t seed, bool periodic);
void rock(Canvas& c, double cx, double base, double r, const Ramp& ramp);
void crystal(Canvas& c, double cx, double base, double h);
// A comet flying to the lower left, its tail behind it.
void comet(Canvas& c, double hx, double hy, const LampHue& h);

} // namespace scene
