// Machine No.1's board in numbers: the windmills' hit zones, the pockets,
// the attacker's mouth, the entry zones and where each begins. Read by the
// rules, by the path recipe, by the art generator and by the tests. Path
// units: a ball at (x, y) is drawn at pixel (4x - 2, 4y - 4).
#pragma once
#include "machines/five_line/five_line_board_types.h"

namespace no1board {

using five_line::AttackerMouth;
using five_line::BoardPoint;
using five_line::WindmillZone;

// First-stage balls at y 26..34 kick the upper windmills (set to 18 + phase),
// second-stage balls at y 59..67 the lower ones (24 + phase).
constexpr WindmillZone kUpperWindmills[4] = {
    {31, 35, 26, 34, 0, false}, {37, 41, 26, 34, 0, true}, // upper left, axle x 36
    {77, 81, 26, 34, 1, false}, {83, 87, 26, 34, 1, true}, // upper right, axle x 82
};
constexpr WindmillZone kLowerWindmills[4] = {
    {32, 35, 59, 67, 2, false}, {37, 40, 59, 67, 2, true}, // lower left, axle x 36
    {78, 81, 59, 67, 3, false}, {83, 86, 59, 67, 3, true}, // lower right, axle x 82
};
constexpr int kUpperKick = 18, kLowerKick = 24;
constexpr int kUpperSlowLimit = 5, kLowerSlowLimit = 8;
// where the play screen draws the windmills (pixels, 36 x 36)
constexpr BoardPoint kWindmillPixels[4] = {{130, 108}, {314, 108}, {130, 236}, {314, 236}};

// The attacker: caught on row 95 at x 47..71; odd x runs left on path 192
// (x 70 down to 47), even x right on path 193 (47 up to 71, the V zone),
// both along row 95 (a ball on them is in the door already); the mouth swept at the door's closing is x 47..71,
// y 90..95.
constexpr AttackerMouth kMouth = {47, 71, 95, 95, 47, 71, 90, 95, 95, 70, 47, 47, 71};

// Outcome codes at a path's end.
constexpr int kCodeLost = 0, kCodeStartPocket = 6, kCodePrizePocket = 15;

constexpr BoardPoint kStartPocket = {59, 70};
constexpr BoardPoint kPrizePockets[4] = {{16, 70}, {102, 70}, {36, 88}, {82, 88}};
// the reel window and the lamps round it: balls go round (path units)
constexpr int kFeatureX0 = 44, kFeatureY0 = 38, kFeatureX1 = 74, kFeatureY1 = 66;

// Entry zone of each first-stage path (its end code is 8 x the zone).
constexpr char kZoneDigits[] = "0023012300230023"
                               "0223122302230223"
                               "0233123302330233"
                               "0233123302330233"
                               "7544654402237554"
                               "7554655475547554"
                               "7754765477547755"
                               "7755765577757775";
// Where each zone's lower-board paths begin.
constexpr BoardPoint kEntry[8] = {{14, 50}, {25, 44}, {31, 52}, {39, 54}, {79, 54}, {87, 52}, {93, 44}, {104, 50}};
// A ball keeps the zone's lucky path (variant 0 of either half) with 1 in this ...
constexpr int kLuckyOdds[8] = {32, 32, 16, 8, 8, 16, 32, 32};
// ... which ends here; the other variants are lost.
constexpr int kLuckyCode[8] = {15, 15, 6, 6, 6, 6, 15, 15};

// The field: the rail arc over the top (the same rail as every model's),
// the inner rails, the hole where lost balls leave, the door's lowest row.
using board_field::kArcCentre, board_field::kArcRadius, board_field::kFieldRadius, board_field::kLeftEdge,
    board_field::kRightEdge, board_field::kTopRow, board_field::kBottomRow, board_field::kRailEnd,
    board_field::kMirrorX; // (hallcore/machine/board_field.h)
constexpr int kOutHoleX0 = 44, kOutHoleY0 = 104, kOutHoleX1 = 74, kOutHoleY1 = 106;
constexpr int kDoorBottomRow = 100;

} // namespace no1board
