// Where the board's features stand, in the art's pixels, from the board's
// geometry (no1_board_geometry.h, which the rules and the path recipe read
// too) and the committed path table: the rail arc, the windmills, the
// pockets, and the points where balls are drawn (so pins stand beside them).
#pragma once
#include <utility>
#include <vector>

#include "no1_board_geometry.h"
#include "no1_paths.h"

namespace no1plan {

namespace g = no1board;

struct Point {
    double x, y;
};

// Ball centre in pixels of a board point: a ball at (x, y) is drawn at
// (4x - 2, 4y - 4), 12 x 12.
constexpr Point ballCentre(int x, int y) { return {4.0 * x + 4, 4.0 * y + 2}; }

constexpr g::BoardPoint kArcCentre = g::kArcCentre;

// Centres of the four windmills the screen draws (36 x 36 at their pixels).
constexpr Point millCentre(g::BoardPoint p) { return {p.x + 18.0, p.y + 18.0}; }
constexpr Point kWindmillCentres[4] = {millCentre(g::kWindmillPixels[0]), millCentre(g::kWindmillPixels[1]),
                                       millCentre(g::kWindmillPixels[2]), millCentre(g::kWindmillPixels[3])};

// Pocket openings: the start pocket, then the prize pockets.
constexpr int kPocketCount = 5;
constexpr Point kPocketPixels[kPocketCount] = {
    ballCentre(g::kStartPocket.x, g::kStartPocket.y),         ballCentre(g::kPrizePockets[0].x, g::kPrizePockets[0].y),
    ballCentre(g::kPrizePockets[1].x, g::kPrizePockets[1].y), ballCentre(g::kPrizePockets[2].x, g::kPrizePockets[2].y),
    ballCentre(g::kPrizePockets[3].x, g::kPrizePockets[3].y)};

// Ball centres of every point of the paths that fall through the pins
// (first and second stage; the attacker's runs are inside the door).
inline std::vector<std::pair<int, int>> ballCentres()
{
    std::vector<std::pair<int, int>> points;
    for (int p = 0; p < 192; p++)
        for (int i = 0; i < 32; i++) {
            const unsigned char* e = no1PathTable[p][i];
            if (e[0] == 0xFF)
                break;
            Point c = ballCentre(e[0], e[1]);
            points.push_back({(int)c.x, (int)c.y});
        }
    return points;
}

} // namespace no1plan
