// The field every model's board is laid in, in board units: a ball at
// (x, y) is drawn with its sprite corner at pixel (4x - 2, 4y - 4) of the
// 480x432 play view, its centre at (4x + 4, 4y + 2). The rail arc over the top that the launch rail leads
// onto, the inner rails, the rows, the mirror line of the two halves, and
// the path table's stages. Plain numbers and types, with no machine record,
// so the models' board geometry, path recipes and art read them too; each
// model names them in its own board namespace.
#pragma once

// A board point.
struct BoardPoint {
    int x, y;
};

// Board points x0..x1, y0..y1, both ends included.
struct BoardBox {
    int x0, y0, x1, y1;
    bool has(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// A pocket, and the outcome code of a path that ends in it.
struct BoardPocket {
    BoardPoint at;
    int code;
};

namespace board_field {

// ---------------------------------------------------------------- path table

constexpr int kFirstStagePaths = 128;      // 0..127: rail arc to an entry zone
constexpr int kSecondStageFirstPath = 128; // zone z runs on 128 + 8z .. 128 + 8z + 7

// ---------------------------------------------------------------- the field

constexpr BoardPoint kArcCentre = {59, 78}; // the rail arc over the top of the board
constexpr int kArcRadius = 72;              // first-stage balls run along it
constexpr int kFieldRadius = 73;            // no ball is ever further from the arc's centre
constexpr int kLeftEdge = 6;                // the inner rails
constexpr int kRightEdge = 112;
constexpr int kTopRow = 1;
constexpr int kBottomRow = 107;
constexpr BoardPoint kRailEnd = {10, 25}; // last point of the launch rail (ball_flight.cpp's rail table)
constexpr int kMirrorX = 118;             // the right half of the board is the left one at x -> 118 - x

} // namespace board_field
