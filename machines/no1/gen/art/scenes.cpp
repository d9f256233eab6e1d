// Machine No.1's display pictures (607): fifteen scenes of 108 x 80 for the
// display window. The top row is one space panorama over a moon's surface
// whose right third repeats its left third, so it scrolls endlessly behind
// the character; below it the V picture, the fanfare and the ending (two
// frames each) and the backdrops of the walking rounds. Every backdrop the
// character stands on has its ground from row 70, where its feet are.
#include <cmath>

#include "lamps.h"
#include "no1_art.h"
#include "no1_art_layout.h"
#include "scene_kit.h"

using namespace no1art;

namespace {

// ---------------------------------------------------------------- the panorama

Canvas panorama()
{
    const int W = kPanoramaPeriod;
    Canvas c(W, 80);
    c.vgrad(0, 0, W, 70, {col::black, col::black, col::navy, col::indigo});
    scene::stars(c, 0, 0, W, 66, 607, 70, true);
    // a ringed planet, a small blue world and a crescent moon, each drawn
    // twice where it crosses the seam
    for (int shift : {0, -W, W}) {
        scene::ringedPlanet(c, 52 + shift, 30, 15, {col::black, col::brown, col::orange, col::amber, col::cream},
                            col::yellow);
        scene::world(c, 150 + shift, 18, 8);
        scene::crescent(c, 196 + shift, 40, 6, col::cream);
        scene::rocket(c, 108 + shift, 48);
    }
    scene::moonGround(c, 0, 66, W, 14, 1607, true);
    return c;
}

// ---------------------------------------------------------------- the fever's pictures

void vPicture(Canvas& c, int x, int y, int frame)
{
    Canvas p(108, 80);
    drawRays(p, 0, 0, 108, 80, 54, 42, frame ? col::darkGreen : col::navy, frame ? col::green : col::royal, 14,
                frame * 0.22);
    // the orbit round the V
    for (int i = 0; i < 400; i++) {
        double a = i * 2 * M_PI / 400;
        int ox = (int)std::lround(54 + 46 * std::cos(a)), oy = (int)std::lround(42 + 14 * std::sin(a));
        p.set(ox, oy, frame ? col::yellow : col::cyan);
        p.set(ox, oy + 1, col::black);
    }
    std::vector<double> vee = {22, 6, 42, 6, 54, 44, 66, 6, 86, 6, 63, 66, 45, 66};
    std::vector<double> shade;
    for (size_t k = 0; k < vee.size(); k += 2) {
        shade.push_back(vee[k] + 3);
        shade.push_back(vee[k + 1] + 3);
    }
    p.polygon(shade, col::black);
    shapeLamp(p, vee, 48, 18, 48, frame ? hue::yellow : hue::green, true);
    // the front of the orbit passes over the V
    for (int i = 0; i < 400; i++) {
        double a = i * 2 * M_PI / 400;
        if (std::sin(a) <= 0.2)
            continue;
        int ox = (int)std::lround(54 + 46 * std::cos(a)), oy = (int)std::lround(42 + 14 * std::sin(a));
        p.set(ox, oy, frame ? col::yellow : col::cyan);
    }
    p.sphere(54 + 46 * std::cos(frame ? 0.9 : 2.3), 42 + 14 * std::sin(frame ? 0.9 : 2.3), 4,
             {col::maroon, col::red, col::orange, col::white});
    drawTextOutlined(p, 54 - textWidth("V GO!") / 2, 70, "V GO!", frame ? col::white : col::yellow, col::black);
    drawCellFrame(p, 0, 0, frame ? col::yellow : col::white, col::black);
    c.blit(p, x, y);
}

void fanfarePicture(Canvas& c, int x, int y, int frame)
{
    Canvas p(108, 80);
    // rays that turn half a sector between the two frames: shown on
    // alternate steps they spin
    drawRays(p, 0, 0, 108, 80, 54, 40, frame ? col::crimson : col::amber, frame ? col::amber : col::crimson, 18, 0);
    for (int j = 0; j < 80; j++)
        for (int i = 0; i < 108; i++) {
            double d = std::hypot(i - 54.0, j - 40.0);
            if (d < 20)
                p.rampPixel(i, j, {col::yellow, col::cream, col::white}, 1.0 - d / 20);
        }
    for (int k = 0; k < 12; k++) {
        double a = k * M_PI / 6 + frame * M_PI / 12;
        bulb(p, 54 + 48 * std::cos(a), 40 + 34 * std::sin(a), 2.5, k % 2 ? hue::white : hue::yellow, (k + frame) % 2 == 0);
    }
    drawCellFrame(p, 0, 0, col::yellow, col::maroon);
    c.blit(p, x, y);
}

void endingPicture(Canvas& c, int x, int y, int lit)
{
    Canvas p(108, 80);
    p.vgrad(0, 0, 108, 70, lit ? Ramp{col::navy, col::purple, col::crimson, col::orange}
                               : Ramp{col::black, col::navy, col::purple, col::crimson});
    scene::stars(p, 0, 0, 108, 40, lit ? 71 : 72, 20, false);
    // a sun setting behind the moon's hills
    p.sphere(80, 62, 14, {col::orange, col::amber, col::yellow, col::cream}, false);
    scene::moonGround(p, 0, 66, 108, 14, 2607, false);
    const char* top = "THANK";
    const char* bottom = "YOU!";
    Ramp a = lit ? Ramp{col::amber, col::yellow, col::cream, col::white} : Ramp{col::brown, col::amber, col::yellow};
    drawTextRamp(p, 54 - textWidth(top, 2) / 2, 10, top, a, col::black, 2);
    drawTextRamp(p, 54 - textWidth(bottom, 2) / 2, 30, bottom, a, col::black, 2);
    for (int k = 0; k < 5; k++)
        shapeLamp(p, starShape(10 + 22 * k, 54, 4, 1.8), 10 + 22 * k, 54, 4, hue::yellow, (k + lit) % 2 == 0);
    drawCellFrame(p, 0, 0, lit ? col::white : col::silver, col::black);
    c.blit(p, x, y);
}

// ---------------------------------------------------------------- the walking rounds

void moonBase(Canvas& c, int x, int y)
{
    Canvas p(108, 80);
    p.vgrad(0, 0, 108, 70, {col::black, col::navy, col::royal});
    scene::stars(p, 0, 0, 108, 60, 3607, 30, false);
    scene::world(p, 86, 16, 10);
    scene::moonGround(p, 0, 64, 108, 16, 3608, false);
    // two domes and an antenna mast
    for (int k = 0; k < 2; k++) {
        double cx = k ? 30 : 74, r = k ? 14 : 10;
        for (int j = 0; j < 80; j++)
            for (int i = 0; i < 108; i++) {
                double dx = (i + 0.5 - cx) / r, dy = (j + 0.5 - 68) / r;
                if (j < 68 && dx * dx + dy * dy <= 1)
                    p.rampPixel(i, j, {col::grey, col::silver, col::ice, col::white}, 1 - 0.6 * dx - 0.3 * dy);
            }
        for (int w = 0; w < 3; w++)
            p.fill((int)(cx - r * 0.6 + w * r * 0.45), 60, 3, 3, col::amber);
    }
    p.vline(52, 36, 67, col::silver);
    p.line(46, 40, 58, 40, col::silver);
    bulb(p, 52, 34, 2.5, hue::red, true);
    c.blit(p, x, y);
}

void redPlanet(Canvas& c, int x, int y)
{
    Canvas p(108, 80);
    p.vgrad(0, 0, 108, 70, {col::maroon, col::crimson, col::rose, col::peach});
    p.sphere(24, 18, 6, {col::brown, col::amber, col::cream}, false);
    p.sphere(84, 26, 3, {col::grey, col::silver, col::white}, false);
    // dunes
    for (int i = 0; i < 108; i++) {
        int top = 60 + (int)(4 * std::sin(i / 9.0) + 2 * std::sin(i / 3.7));
        for (int j = top; j < 80; j++)
            p.rampPixel(i, j, {col::orange, col::brown, col::maroon}, (j - top) / 18.0);
        p.set(i, top, col::amber);
    }
    scene::rock(p, 16, 68, 6, {col::maroon, col::brown, col::orange});
    scene::rock(p, 92, 72, 5, {col::maroon, col::brown, col::orange});
    c.blit(p, x, y);
}

void icePlanet(Canvas& c, int x, int y)
{
    Canvas p(108, 80);
    p.vgrad(0, 0, 108, 70, {col::black, col::navy, col::indigo});
    // aurora curtains
    for (int i = 0; i < 108; i++) {
        int top = 8 + (int)(6 * std::sin(i / 11.0));
        for (int j = top; j < top + 26; j++)
            if (((i + j) & 1) == 0 || j < top + 8)
                p.set(i, j, (j - top) < 10 ? col::lime : (j - top) < 18 ? col::green : col::violet);
    }
    scene::stars(p, 0, 30, 108, 30, 4607, 14, false);
    p.vgrad(0, 66, 108, 14, {col::ice, col::pale, col::sky});
    p.hline(0, 107, 66, col::white);
    for (int k = 0; k < 6; k++)
        scene::crystal(p, 6 + 19 * k, 68, 5 + (k * 7) % 9);
    c.blit(p, x, y);
}

void cometStorm(Canvas& c, int x, int y)
{
    Canvas p(108, 80);
    p.vgrad(0, 0, 108, 70, {col::black, col::indigo, col::purple});
    scene::stars(p, 0, 0, 108, 60, 5607, 24, false);
    const double comets[][3] = {{20, 10, 1}, {70, 6, 0}, {96, 30, 1}, {44, 34, 0}};
    for (auto& k : comets)
        scene::comet(p, k[0], k[1], k[2] ? hue::cyan : hue::yellow);
    p.vgrad(0, 66, 108, 14, {col::violet, col::purple, col::indigo});
    p.hline(0, 107, 66, col::lavender);
    for (int i = 3; i < 108; i += 11)
        p.set(i, 70 + (i % 3), col::pink);
    c.blit(p, x, y);
}

void goldenGalaxy(Canvas& c, int x, int y)
{
    Canvas p(108, 80);
    p.vgrad(0, 0, 108, 70, {col::black, col::navy, col::purple});
    // a spiral of two golden arms
    for (int arm = 0; arm < 2; arm++)
        for (int i = 0; i < 420; i++) {
            double t = i / 420.0 * 3.2 * M_PI;
            double r = 3 + t * 4.2;
            double a = t + arm * M_PI;
            int sx = (int)std::lround(54 + r * std::cos(a)), sy = (int)std::lround(32 + 0.55 * r * std::sin(a));
            p.set(sx, sy, i % 5 ? col::amber : col::white);
            if (i % 2)
                p.set(sx + 1, sy, col::gold);
        }
    for (int j = 0; j < 70; j++)
        for (int i = 0; i < 108; i++) {
            double d = std::hypot(i - 54.0, (j - 32.0) * 1.8);
            if (d < 9)
                p.rampPixel(i, j, {col::amber, col::yellow, col::cream, col::white}, 1 - d / 9);
        }
    scene::stars(p, 0, 0, 108, 62, 6607, 22, false);
    // a golden stage to stand on
    p.vgrad(0, 68, 108, 12, {col::yellow, col::amber, col::brown});
    p.hline(0, 107, 68, col::white);
    drawTextOutlined(p, 104 - textWidth("FINAL"), 4, "FINAL", col::yellow, col::maroon);
    c.blit(p, x, y);
}

void stationWindow(Canvas& c, int x, int y)
{
    Canvas p(108, 80);
    p.vgrad(0, 0, 108, 80, {col::grey, col::silver, col::grey});
    roundRect(p, 10, 8, 88, 56, 14, col::black);
    Canvas sky(108, 80);
    sky.vgrad(0, 0, 108, 80, {col::black, col::navy, col::indigo});
    scene::stars(sky, 0, 0, 108, 80, 7607, 20, false);
    scene::world(sky, 66, 40, 16);
    for (int j = 10; j < 62; j++)
        for (int i = 12; i < 96; i++)
            if (std::hypot(std::max(0.0, std::fabs(i - 54.0) - 28), std::max(0.0, std::fabs(j - 36.0) - 12)) < 13)
                p.set(i, j, sky.get(i, j));
    p.vgrad(0, 68, 108, 12, {col::silver, col::grey, col::black});
    for (int i = 4; i < 108; i += 16)
        p.set(i, 72, col::white);
    c.blit(p, x, y);
}

} // namespace

Canvas displayPictures()
{
    Canvas c(324, 400);
    Canvas pano = panorama();
    c.blit(pano, 0, 0);
    c.blit(pano, 0, 0, 108, 80, kPanoramaPeriod, 0); // the repeat
    for (int f = 0; f < 2; f++) {
        vPicture(c, kVPicture[f].x, kVPicture[f].y, f);
        fanfarePicture(c, kFanfarePicture[f].x, kFanfarePicture[f].y, f);
        endingPicture(c, kEndingPicture[f].x, kEndingPicture[f].y, f);
    }
    moonBase(c, kBackdropRounds1to4.x, kBackdropRounds1to4.y);
    redPlanet(c, kBackdropRounds5to8.x, kBackdropRounds5to8.y);
    icePlanet(c, kBackdropRounds9to12.x, kBackdropRounds9to12.y);
    cometStorm(c, kBackdropRound15.x, kBackdropRound15.y);
    goldenGalaxy(c, kBackdropFinal.x, kBackdropFinal.y);
    stationWindow(c, kSpareCell.x, kSpareCell.y);
    return c;
}
