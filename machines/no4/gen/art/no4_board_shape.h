// The board's shape as the art draws it: the field inside the rail arc,
// the start pocket, where pins may stand, and the ball paths' points.
#pragma once
#include <cmath>
#include <utility>
#include <vector>

namespace no4shape {

// Ball centre in pixels of board point (x, y).
inline double unitX(int x) { return 4 * x + 4; }
inline double unitY(int y) { return 4 * y + 2; }

const double kArcX = 240, kArcY = 314; // centre of the rail arc (pixels)
const double kFieldR = 288;            // inner edge of the guide rail
const int kLeftRail = 22, kRightRail = 458;
const double kStartPocketX = 240, kStartPocketY = 302; // the start pocket's mouth

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
