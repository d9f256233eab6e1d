// Where the board's features stand, in the art's pixels: the rail arc, the
// windmills the play screen draws, the pockets, and the points where balls
// are drawn along the committed path table (so pins stand beside them).
#pragma once
#include <utility>
#include <vector>

#if __has_include("no1_board_geometry.h") && __has_include("no1_paths.h")
#define NO1_ART_HAS_PATHS 1
#include "no1_board_geometry.h"
#include "no1_paths.h"
#endif

namespace no1plan {

struct Point {
    double x, y;
};

struct PathPoint {
    int x, y;
};
constexpr PathPoint kArcCentre = {59, 78}; // the rail arc every model shares (path units)

// Centres of the four windmills the screen draws at (130,108), (314,108),
// (130,236), (314,236).
constexpr Point kWindmillCentres[4] = {{148, 126}, {332, 126}, {148, 254}, {332, 254}};

// Pocket openings (ball centre of their path point): the start pocket,
// then the prize pockets.
constexpr int kPocketCount = 5;
constexpr Point pocketPixel(int x, int y) { return {4.0 * x + 4, 4.0 * y + 2}; }
constexpr Point kPocketPixels[kPocketCount] = {pocketPixel(59, 70), pocketPixel(16, 70), pocketPixel(102, 70),
                                               pocketPixel(36, 88), pocketPixel(82, 88)};

// Ball centres of every point of the paths that fall through the pins
// (first and second stage); none before the table exists.
inline std::vector<std::pair<int, int>> ballCentres()
{
    std::vector<std::pair<int, int>> points;
#ifdef NO1_ART_HAS_PATHS
    for (int p = 0; p < 192; p++)
        for (int i = 0; i < 32; i++) {
            const unsigned char* e = no1PathTable[p][i];
            if (e[0] == 0xFF)
                break;
            points.push_back({4 * e[0] + 4, 4 * e[1] + 2});
        }
#endif
    return points;
}

} // namespace no1plan
