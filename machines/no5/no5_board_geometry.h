// Machine No.5's board, given once: the windmills, the pockets, the digit
// lottery's start points and gate, the three-channel attacker with the V in
// its centre, the entry zones and the layout of the ball path table. Read by
// the rules (no5_board.cpp), by the path recipe that draws the table to agree
// with them (gen/paths), by the tests and, later, by the art.
//
// Board units as in hallcore/machine/board_field.h; boxes and ranges
// include both ends.
#pragma once
#include "hallcore/machine/board_field.h"
#include "machines/one_line/one_line_board_types.h"

namespace no5board {

using Point = BoardPoint;
using Box = BoardBox;

// ---------------------------------------------------------------- path table

constexpr int kPathCount = 196;
using board_field::kFirstStagePaths, board_field::kSecondStageFirstPath; // 0..127 the rail arc to a zone
constexpr int kLeftChannelPath = 192;      // the attacker's channels
constexpr int kVChannelPath = 193;
constexpr int kRightChannelPath = 194;
constexpr int kGatePath = 195;             // the digit gate into the start pocket

// Outcome codes after a path's end mark (a first-stage path ends in 8 x zone).
constexpr int kCodeLost = 0;
constexpr int kCodeStartPocket = 5;
constexpr int kCodePrizePocket = 15; // the attacker's channels end in it too

// ---------------------------------------------------------------- the field

// the family's (board_field.h): the rail arc, the inner rails, the rows, the mirror
using board_field::kArcCentre, board_field::kArcRadius, board_field::kFieldRadius, board_field::kLeftEdge,
    board_field::kRightEdge, board_field::kTopRow, board_field::kBottomRow, board_field::kRailEnd,
    board_field::kMirrorX;

// The digit, its start lamps, the held-start lamps and the display: balls
// go round them.
constexpr Box kCentreFeature = {44, 30, 74, 66};

// The hole at the bottom where lost balls leave, with the digit gate in it.
constexpr Box kOutHole = {44, 104, 74, 107};

// ---------------------------------------------------------------- windmills

// (machines/one_line/one_line_board_types.h: bands, kick and decay)
using Windmill = one_line::Windmill;

constexpr Windmill kWindmills[] = {
    {0, 32, 38, 28, 32, 34, 38, 18, 5, 118, 132},    // upper left
    {1, 32, 38, 80, 84, 86, 90, 18, 5, 326, 132},    // upper right
    {2, 58, 64, 9, 13, 15, 19, 24, 8, 42, 236},      // far left
    {3, 58, 64, 99, 103, 105, 109, 24, 8, 402, 236}, // far right
    {4, 58, 64, 33, 37, 39, 43, 24, 8, 138, 236},    // inner left
    {5, 58, 64, 75, 79, 81, 85, 24, 8, 306, 236},    // inner right
};
constexpr int kWindmillCount = sizeof kWindmills / sizeof kWindmills[0];

// ---------------------------------------------------------------- pockets

using Pocket = BoardPocket;

constexpr Pocket kPockets[] = {
    {{59, 70}, kCodeStartPocket},  // start pocket, under the display
    {{18, 71}, kCodePrizePocket},  // left side pocket
    {{100, 71}, kCodePrizePocket}, // right side pocket
    {{37, 89}, kCodePrizePocket},  // left low pocket
    {{81, 89}, kCodePrizePocket},  // right low pocket
};
constexpr int kPocketCount = sizeof kPockets / sizeof kPockets[0];
constexpr Point kStartPocket = kPockets[0].at;

// ---------------------------------------------------------------- the digit lottery

// A lower-board ball whose next point is one of these adds a digit start.
constexpr Point kDigitStartPoints[4] = {{39, 80}, {40, 80}, {78, 80}, {79, 80}};
// While the gate is open, a lower-board ball whose next point is this one
// is caught and runs the gate's path (hidden, then the start pocket).
constexpr Point kGatePoint = {59, 106};
constexpr int kGateHiddenPoints = 4;

// ---------------------------------------------------------------- the attacker

// An open door takes a lower-board ball on the mouth's row: column 59 into
// the V channel, the columns right of it into the right channel and those
// left of it into the left one, each at its first point at or beyond the
// ball's column. Every channel lies on the mouth's row, inside the closing
// sweep, so no ball is left in the door when it closes.
constexpr int kMouthXMin = 49, kMouthXMax = 69;
constexpr int kMouthRow = 101;
constexpr int kVColumn = 59;
constexpr int kDoorTopRow = 98;     // the door covers the rows from here ...
constexpr int kDoorBottomRow = 104; // ... to here
constexpr Box kClosingSweep = {49, 101, 69, 101};
constexpr int kLeftChannelFromX = 68, kLeftChannelToX = 49;   // path 192, a column a step
constexpr int kRightChannelFromX = 49, kRightChannelToX = 69; // path 194
constexpr int kVChannelPoints = 2;                            // path 193: two points at (59, 101)

// ---------------------------------------------------------------- entry zones

// Where each zone's second-stage paths begin (zones 0..3 the left half).
constexpr Point kEntryPoints[8] = {
    {14, 50},  // 0: far left, over the far-left windmill
    {25, 43},  // 1: left
    {32, 52},  // 2: over the inner left windmill
    {38, 53},  // 3: beside the display
    {80, 53},  // 4: beside the display
    {86, 52},  // 5: over the inner right windmill
    {93, 43},  // 6: right
    {104, 50}, // 7: far right, over the far-right windmill
};

// A ball entering zone z takes its lucky path (the first of each half of
// four) with a chance of 1 in kLuckyOdds[z]: into a prize pocket from zones
// 0 and 7 and from the first half of zones 1 and 6 (their second half's is
// lost), into the start pocket from zones 2 to 5.
constexpr int kLuckyOdds[8] = {32, 32, 12, 8, 8, 12, 32, 32};

// Entry zone of each first-stage path (its outcome code is 8 x the digit),
// path 0 first; the launch strength grows with the path number.
constexpr char kZoneDigits[] = "0002001200020013"  // 0..15
                               "0203021302230213"  // 16..31
                               "0223021303232313"  // 32..47
                               "2323231323235413"  // 48..63
                               "7454026475547513"  // 64..79
                               "7554756475547564"  // 80..95
                               "7554756475547765"  // 96..111
                               "7777776577777765"; // 112..127
static_assert(sizeof kZoneDigits == kFirstStagePaths + 1, "one zone digit per first-stage path");

} // namespace no5board
