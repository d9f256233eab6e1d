// Where the board's features stand, in the art's pixels, from the board's
// geometry (no1_board_geometry.h, which the rules and the path recipe read
// too): the rail arc, the windmills and the pockets.
#pragma once
#include "no1_board_geometry.h"

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

} // namespace no1plan
