// The board's shape as the art draws it: the field inside the rail arc,
// the start pocket, where pins may stand, and the ball paths' points.
#pragma once
#include <vector>

#include "board.h"
#include "no4_board_geometry.h"

namespace no4shape {

// The field round the rail arc (the guide rail's inner edge at the radius no
// ball passes) between the inner rails at x 22 and 458.
const Field kField = fieldRoundArc(no4board::kArcCentre.x, no4board::kArcCentre.y, 4 * no4board::kFieldRadius);
const double kStartPocketX = ballX(no4board::kStartPocket.x), kStartPocketY = ballY(no4board::kStartPocket.y);

inline bool inField(double x, double y) { return kField.inside(x, y); }

// A point of a path in pixels, with its stage: 0 first, 1 second, 2 the
// attacker's and the wings'.
struct PathPoint {
    int x, y, stage;
};
std::vector<PathPoint> pathPoints();

// Where the pins stand.
PixelList pinPlaces();

} // namespace no4shape
