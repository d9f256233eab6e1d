// Where the art puts the pins: a staggered grid over the field, clear of
// every part of the board and of the points where balls are drawn.
#include <cstdlib>

#include "no4_art_layout.h"
#include "no4_board_shape.h"

using namespace no4art;

namespace no4shape {

namespace {

struct Keep {
    int x0, y0, x1, y1; // no pin inside
};

const Keep kClear[] = {
    {172, 64, 308, 282},  // the fairy, the crown, the display block and the chance meter
    {196, 270, 284, 322}, // wings and start pocket
    {180, 352, 300, 432}, // attacker and the small spinners
    {2, 199, 48, 281},    // side lamps
    {432, 199, 478, 281},
    {46, 332, 149, 432}, // corner lamps
    {331, 332, 434, 432},
    {120, 160, 156, 198}, // the gates
    {324, 160, 360, 198},
    {70, 290, 112, 330}, // moon and star
    {376, 292, 404, 322},
};

bool clear(int x, int y)
{
    for (const Keep& k : kClear)
        if (x >= k.x0 && x < k.x1 && y >= k.y0 && y < k.y1)
            return false;
    for (int k = 0; k < 8; k++) {
        const Spot& s = kSpinnerPlaces[k];
        int dx = x - (s.x + 18), dy = y - (s.y + 18);
        if (dx * dx + dy * dy < 21 * 21)
            return false;
    }
    return true;
}

} // namespace

std::vector<std::pair<int, int>> pinPlaces()
{
    std::vector<PathPoint> points = pathPoints();
    std::vector<std::pair<int, int>> pins;
    for (int row = 0; 40 + 10 * row < 404; row++) {
        int y = 40 + 10 * row;
        for (int x = 30 + (row % 2) * 6; x < 452; x += 12) {
            if (std::hypot(x - kArcX, y - kArcY) > kFieldR - 10 || !clear(x, y))
                continue;
            bool touched = false;
            for (const PathPoint& q : points)
                if (std::abs(q.x - x) < 2 && std::abs(q.y - y) < 2)
                    touched = true;
            if (!touched)
                pins.push_back({x, y});
        }
    }
    return pins;
}

// The board's paths are the rules' (no4_paths.cpp); none are known yet.
std::vector<PathPoint> pathPoints()
{
    return {};
}

} // namespace no4shape
