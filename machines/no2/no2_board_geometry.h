// Machine No.2's board in numbers: the windmills' hit zones, the pockets,
// the attacker's mouth and V zone, the stage, the entry zones and where each
// begins. Read by the rules, by the path recipe, by the art generator and by
// the tests. Path units: a ball at (x, y) is drawn at pixel (4x - 2, 4y - 4).
#pragma once
#include "machines/five_line/five_line_board_types.h"

namespace no2board {

using five_line::AttackerMouth;
using five_line::BoardPoint;
using five_line::WindmillZone;

// First-stage balls at y 29..37 kick the upper windmills (set to 18 + phase),
// second-stage balls at y 60..68 the lower ones (24 + phase).
constexpr WindmillZone kUpperWindmills[4] = {
    {21, 25, 29, 37, 0, false}, {27, 31, 29, 37, 0, true}, // upper left, axle x 26
    {87, 91, 29, 37, 1, false}, {93, 97, 29, 37, 1, true}, // upper right, axle x 92
};
constexpr WindmillZone kLowerWindmills[4] = {
    {24, 27, 60, 68, 2, false}, {29, 32, 60, 68, 2, true}, // lower left, axle x 28
    {86, 89, 60, 68, 3, false}, {91, 94, 60, 68, 3, true}, // lower right, axle x 90
};
constexpr int kUpperKick = 18, kLowerKick = 24;
constexpr int kUpperSlowLimit = 5, kLowerSlowLimit = 8;
// where the play screen draws the windmills (pixels, 36 x 36)
constexpr BoardPoint kWindmillPixels[4] = {{90, 120}, {354, 120}, {98, 240}, {346, 240}};

// The attacker: caught on rows 100 and 102 at x 47..71; odd x runs left on
// path 192 (x 70 down to 47), even x right on path 193 (47 up to 71), both
// along row 101; the mouth swept at the door's closing is x 47..71, y 97..102.
constexpr AttackerMouth kMouth = {47, 71, 100, 102, 47, 71, 97, 102, 101, 70, 47, 47, 71};
// A door ball whose next point lies at x 57..61 falls into the V zone.
constexpr int kVZoneX0 = 57, kVZoneX1 = 61;

// Outcome codes at a path's end.
constexpr int kCodeLost = 0, kCodeStartPocket = 7, kCodePrizePocket = 15;

constexpr BoardPoint kStartPocket = {59, 77};
constexpr BoardPoint kPrizePockets[4] = {{14, 72}, {104, 72}, {34, 90}, {84, 90}};
// the reel window and its lamps: balls go round (path units)
constexpr int kFeatureX0 = 38, kFeatureY0 = 42, kFeatureX1 = 81, kFeatureY1 = 69; // no ball sprite over the window

// The stage: a shelf under the reel window on which balls of zones 3 and 4
// roll to and fro. Its words in a ball slot (state 5): step counts the
// ball's steps on it, path holds its direction (24 rolling right, 32 left),
// the position where it is shown.
constexpr int kStageRow = 71;
constexpr int kStageLeft = 47, kStageRight = 71;    // the first run turns at these ends
constexpr int kStageInnerLeft = 51, kStageInnerRight = 67; // the later runs turn here
constexpr int kStageFastFrom = 51, kStageFastTo = 67; // the first run rolls 4 a step strictly between these
constexpr int kStageSlowLeft = 53, kStageSlowRight = 65; // the later runs roll 1 a step beyond these
constexpr int kStageHiddenSteps = 8;   // hidden until this step, then shown at an end
constexpr int kStageFirstRunSteps = 18; // the first run, to and fro, until this step
constexpr int kStageDropRight = 57;    // rolling right over this x, the ball may drop ...
constexpr int kStageDropLeft = 61;     // ... rolling left over this one
constexpr int kStageDropOdds = 3;      // 1 in 3, or surely from ...
constexpr int kStageForcedDrop = 64;   // ... this step on
constexpr int kStageGiveUp = 100;      // a ball still on the stage at this step drops wherever it is
constexpr int kStageRightward = 24, kStageLeftward = 32; // directions (the zone codes)
constexpr int kStageLuckyOdds = 32;    // a dropped ball keeps its lucky path 1 in 32

// Entry zone of each first-stage path (its end code is 8 x the zone).
constexpr char kZoneDigits[] = "0112011201120112"
                               "1122011211221122"
                               "1223122212231222"
                               "1223122212231222"
                               "1223655412556554"
                               "6655665566556655"
                               "6655665566556655"
                               "7665766576657665";
// Where each zone's lower-board paths begin; zones 3 and 4 are the stage's
// two entrances, and their paths start where a ball drops off the stage.
constexpr BoardPoint kEntry[8] = {{12, 50}, {22, 46}, {30, 52}, {37, 41}, {81, 41}, {88, 52}, {96, 46}, {106, 50}};
constexpr BoardPoint kStageExit[2] = {{58, 73}, {60, 73}}; // first points of zone 3's and zone 4's paths
// A ball keeps the zone's lucky path (variant 0 of either half) with 1 in this
// (0: the zone leads onto the stage) ...
constexpr int kLuckyOdds[8] = {32, 32, 10, 0, 0, 10, 32, 32};
// ... which ends here; the other variants are lost.
constexpr int kLuckyCode[8] = {15, 15, 7, 7, 7, 7, 15, 15};

// The field: the rail arc over the top (the same rail as every model's),
// the inner rails, the hole where lost balls leave, the door's lowest row.
using board_field::kArcCentre, board_field::kArcRadius, board_field::kFieldRadius, board_field::kLeftEdge,
    board_field::kRightEdge, board_field::kTopRow, board_field::kBottomRow, board_field::kRailEnd,
    board_field::kMirrorX; // (hallcore/machine/board_field.h)
constexpr int kOutHoleX0 = 44, kOutHoleY0 = 104, kOutHoleX1 = 74, kOutHoleY1 = 106;
constexpr int kDoorBottomRow = 103;
// the shelf of the stage: balls of the lower board go round it
constexpr int kShelfX0 = 45, kShelfY0 = 70, kShelfX1 = 73, kShelfY1 = 72;

} // namespace no2board
