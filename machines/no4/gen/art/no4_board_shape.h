// The board's shape as the art draws it: the field inside the rail arc,
// the start pocket, where pins may stand, and the ball paths' points.
#pragma once
#include <cmath>
#include <utility>
#include <vector>

#include "no4_board_geometry.h"

namespace no4shape {

// Ball centre in pixels of board point (x, y).
inline double unitX(int x) { return 4 * x + 4; }
inline double unitY(int y) { return 4 * y + 2; }

const double kArcX = unitX(no4board::kArcCentre.x), kArcY = unitY(no4board::kArcCentre.y); // the rail arc's centre
const double kFieldR = 4 * no4board::kFieldRadius; // inner edge of the guide rail
const int kLeftRail = 22, kRightRail = 458;
const double kStartPocketX = unitX(no4board::kStartPocket.x), kStartPocketY = unitY(no4board::kStartPocket.y);

inline bool inField(double x, double y)
{
    return std::hypot(x - kArcX, y - kArcY) < kFieldR && x > kLeftRail && x < kRightRail;
}

// A point of a path in pixels, with its stage: 0 first, 1 second, 2 the
// attacker's and the wings'.
struct PathPoint {
    int x, y, stage;
};
std::vector<PathPoint> pathPoints();

// Where the pins stand.
std::vector<std::pair<int, int>> pinPlaces();

} // namespace no4shape
