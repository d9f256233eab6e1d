// Where the art puts the pins: a staggered grid over the field, clear of
// every part of the board and of the points where balls are drawn.
#include <cstdlib>

#include "no4_art_layout.h"
#include "no4_board_shape.h"
#include "no4_paths.h"

using namespace no4art;

namespace no4shape {

namespace {

struct Keep {
    int x0, y0, x1, y1; // no pin inside
};

const Keep kClear[] = {
    {172, 64, 308, 282},  // the fairy, the crown, the display block and the chance meter
    {196, 270, 284, 330}, // wings and start pocket
    {180, 352, 300, 432}, // attacker, the small spinners and the out hole
    {2, 199, 48, 281},    // side lamps
    {432, 199, 478, 281},
    {46, 332, 149, 432}, // corner lamps
    {331, 332, 434, 432},
    {120, 160, 156, 198}, // the gates
    {324, 160, 360, 198},
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
    for (const no4board::Pocket& p : no4board::kPockets) { // the prize pockets and their gate pins
        double dx = x - unitX(p.at.x), dy = y - unitY(p.at.y);
        if (dx * dx + dy * dy < 18 * 18)
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
    // the gate pins either side of every prize pocket
    for (int k = 1; k < no4board::kPocketCount; k++) {
        int x = (int)unitX(no4board::kPockets[k].at.x), y = (int)unitY(no4board::kPockets[k].at.y);
        pins.push_back({x - 14, y - 10});
        pins.push_back({x + 14, y - 10});
    }
    return pins;
}

std::vector<PathPoint> pathPoints()
{
    std::vector<PathPoint> points;
    for (int p = 0; p < no4board::kPathCount; p++)
        for (int i = 0; i < 32; i++) {
            const unsigned char* e = no4PathTable[p][i];
            if (e[0] == 0xFF)
                break;
            int stage = p < no4board::kFirstStagePaths ? 0 : p < no4board::kDoorPathLeftward ? 1 : 2;
            points.push_back({(int)unitX(e[0]), (int)unitY(e[1]), stage});
        }
    return points;
}

} // namespace no4shape
