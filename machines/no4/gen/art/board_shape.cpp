// Where the art puts the pins: a staggered grid over the field, clear of
// every part of the board and of the points where balls are drawn.
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
        double dx = x - ballX(p.at.x), dy = y - ballY(p.at.y);
        if (dx * dx + dy * dy < 18 * 18)
            return false;
    }
    return true;
}

} // namespace

PixelList pinPlaces()
{
    PixelList pins = pinGrid({40, 10, 404, 30, 12, 452, 10, 2}, kField,
                             pathBallCentres(no4PathTable, no4board::kPathCount), clear);
    // the gate pins either side of every prize pocket
    for (int k = 1; k < no4board::kPocketCount; k++)
        gatePins(pins, (int)ballX(no4board::kPockets[k].at.x), (int)ballY(no4board::kPockets[k].at.y), -10);
    return pins;
}

std::vector<PathPoint> pathPoints()
{
    std::vector<PathPoint> points;
    forEachPathPoint(no4PathTable, no4board::kPathCount, [&](int p, int x, int y) {
        int stage = p < no4board::kFirstStagePaths ? 0 : p < no4board::kDoorPathLeftward ? 1 : 2;
        points.push_back({(int)ballX(x), (int)ballY(y), stage});
    });
    return points;
}

} // namespace no4shape
