// Machine No.3's board, given once: the windmills, the pockets, the door, the
// entry zones and the layout of the ball path table. Read by the rules
// (no3_board.cpp), by the path recipe that draws the table to agree with them
// (gen/paths), and by the art generator (gen/art), which puts the pins,
// pockets and windmills where the balls go.
//
// Board units as in hallcore/machine/board_field.h; boxes and ranges
// include both ends.
#pragma once
#include "hallcore/machine/board_field.h"

namespace no3board {

using Point = BoardPoint;
using Box = BoardBox;

// ---------------------------------------------------------------- path table

constexpr int kPathCount = 194;
using board_field::kFirstStagePaths, board_field::kSecondStageFirstPath; // 0..127 the rail arc to a zone
constexpr int kDoorPathLeftward = 192;     // the door runs, after the second stage
constexpr int kDoorPathRightward = 193;

// Outcome codes after a path's end mark (a first-stage path ends in 8 x zone).
constexpr int kCodeLost = 0;
constexpr int kCodeStartPocket = 7;
constexpr int kCodePrizePocket = 15; // the door runs end in it too

// ---------------------------------------------------------------- the field

// the family's (board_field.h): the rail arc, the inner rails, the rows, the mirror
using board_field::kArcCentre, board_field::kArcRadius, board_field::kFieldRadius, board_field::kLeftEdge,
    board_field::kRightEdge, board_field::kTopRow, board_field::kBottomRow, board_field::kRailEnd,
    board_field::kMirrorX;

// Top lamp, held-start lamps and reel window: balls go round them (no ball
// sprite overlaps the reel window at pixels (186, 176) 108x80).
constexpr Box kCentreFeature = {45, 24, 73, 64};

// The hole under the bottom ornament where lost balls leave.
constexpr Box kOutHole = {44, 104, 74, 106};

// ---------------------------------------------------------------- windmills

// A ball in a windmill's band of rows turns it away (left part) or towards
// (right part); the axle's column between the two parts hits nothing. A hit
// sets the spin to the kick and the phase kept (hitWindmill); a turning
// windmill slows one frame a step down to `still`, then one every 64th step.
struct Windmill {
    int spinner;                  // MachineState::spinner index
    int stage;                    // 1: hit by first-stage balls, 2: by second-stage balls
    int yMin, yMax;               // the hit band's rows
    int awayXMin, awayXMax;       // columns that turn it away
    int towardsXMin, towardsXMax; // columns that turn it towards
    int kick, still;
    int pictureX, pictureY; // centre of its plate and sprite in the play view (pixels)
};

// In the order the rules test them: a ball hits one windmill at most.
constexpr Windmill kWindmills[] = {
    {0, 1, 27, 35, 29, 33, 35, 39, 18, 5, 140, 130},    // upper left, over zones 2 and 3
    {1, 1, 27, 35, 79, 83, 85, 89, 18, 5, 340, 130},    // upper right, over zones 4 and 5
    {2, 2, 52, 60, 9, 12, 14, 17, 24, 8, 56, 226},      // far left, under zone 0
    {3, 2, 52, 60, 101, 104, 106, 109, 24, 8, 424, 226}, // far right, under zone 7
    {4, 2, 61, 65, 32, 35, 37, 40, 24, 8, 148, 246},    // inner left, under zones 2 and 3
    {5, 2, 61, 65, 78, 81, 83, 86, 24, 8, 332, 246},    // inner right, under zones 4 and 5
};
constexpr int kWindmillCount = sizeof kWindmills / sizeof kWindmills[0];

// ---------------------------------------------------------------- pockets

using Pocket = BoardPocket;

constexpr Pocket kPockets[] = {
    {{59, 73}, kCodeStartPocket},  // start pocket, under the reel window
    {{18, 71}, kCodePrizePocket},  // left side pocket
    {{100, 71}, kCodePrizePocket}, // right side pocket
    {{37, 89}, kCodePrizePocket},  // left low pocket
    {{81, 89}, kCodePrizePocket},  // right low pocket
};
constexpr int kPocketCount = sizeof kPockets / sizeof kPockets[0];
constexpr Point kStartPocket = kPockets[0].at;

// ---------------------------------------------------------------- the door

// An open door takes a second-stage ball on one of the mouth's two rows.
constexpr int kMouthXMin = 48, kMouthXMax = 70;
constexpr int kMouthUpperRow = 96, kMouthLowerRow = 98;
constexpr int kDoorBottomRow = 101; // the door covers the rows under the mouth down to here
constexpr int kDoorSweepTopRow = 93; // a closing door takes the balls in x 48..70, y 93..98

// The door runs along the row between the mouth's two rows, two columns a
// step; both end in kCodePrizePocket.
constexpr int kDoorRunRow = 97;
constexpr int kDoorLeftwardFromX = 70, kDoorLeftwardToX = 48;   // path 192, odd-column balls
constexpr int kDoorRightwardFromX = 47, kDoorRightwardToX = 69; // path 193, even-column balls, into the V zone

// ---------------------------------------------------------------- entry zones

// Where each zone's second-stage paths begin (zones 0..3 the left half).
constexpr Point kEntryPoints[8] = {
    {14, 50},  // 0: far left, over the far-left windmill
    {25, 43},  // 1: left, between the far-left and the inner left windmill
    {32, 52},  // 2: over the inner left windmill
    {37, 53},  // 3: over the inner left windmill, beside the reel window
    {81, 53},  // 4: over the inner right windmill, beside the reel window
    {86, 52},  // 5: over the inner right windmill
    {93, 43},  // 6: right, between the inner right and the far-right windmill
    {104, 50}, // 7: far right, over the far-right windmill
};

// A ball entering zone z takes one of the zone's two lucky paths with a
// chance of 1 in kLuckyOdds[z].
constexpr int kLuckyOdds[8] = {
    32, // 0: side pocket, low pocket
    24, // 1: side pocket, start pocket
    32, // 2: side pocket, low pocket
    8,  // 3: start pocket twice
    8,  // 4: start pocket twice
    32, // 5: side pocket, low pocket
    24, // 6: side pocket, start pocket
    32, // 7: side pocket, low pocket
};

// Entry zone of each first-stage path (its outcome code is 8 x the digit),
// path 0 first; the launch strength grows with the path number.
constexpr char kZoneDigits[] = "0001000100010001"                 // 0..15
                               "1223122312231223"                 // 16..31
                               "12331233123312331233123312331233" // 32..63: the middle powers
                               "1223125465546554"                 // 64..79
                               "6554655465546554"                 // 80..95
                               "6554655476557765"                 // 96..111
                               "7765776577657765";                // 112..127
static_assert(sizeof kZoneDigits == kFirstStagePaths + 1, "one zone digit per first-stage path");

} // namespace no3board
