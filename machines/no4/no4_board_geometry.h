// Machine No.4's board, given once: the windmills, the pockets, the wings,
// the attacker with its V, the entry zones and the layout of the ball path
// table. Read by the rules (no4_board.cpp), by the path recipe that draws the
// table to agree with them (gen/paths), by the tests and, later, by the art.
//
// Board units as in hallcore/machine/board_field.h; boxes and ranges
// include both ends.
#pragma once
#include "hallcore/machine/board_field.h"
#include "machines/one_line/one_line_board_types.h"

namespace no4board {

using Point = BoardPoint;
using Box = BoardBox;

// ---------------------------------------------------------------- path table

constexpr int kPathCount = 196;
using board_field::kFirstStagePaths, board_field::kSecondStageFirstPath; // 0..127 the rail arc to a zone
constexpr int kDoorPathLeftward = 192;     // the attacker's runs
constexpr int kDoorPathRightward = 193;
constexpr int kLeftWingPath = 194;         // the wings' runs into the start pocket
constexpr int kRightWingPath = 195;

// Outcome codes after a path's end mark (a first-stage path ends in 8 x zone).
constexpr int kCodeLost = 0;
constexpr int kCodeStartPocket = 5;
constexpr int kCodePrizePocket = 15; // the attacker's runs end in it too

// ---------------------------------------------------------------- the field

// the family's (board_field.h): the rail arc, the inner rails, the rows, the mirror
using board_field::kArcCentre, board_field::kArcRadius, board_field::kFieldRadius, board_field::kLeftEdge,
    board_field::kRightEdge, board_field::kTopRow, board_field::kBottomRow, board_field::kRailEnd,
    board_field::kMirrorX;

// The display (three reel windows), its lamps and the held-start lamps:
// balls go round them.
constexpr Box kCentreFeature = {45, 24, 73, 63};

// The hole under the bottom windmills where lost balls leave.
constexpr Box kOutHole = {44, 104, 74, 107};

// ---------------------------------------------------------------- windmills

// (machines/one_line/one_line_board_types.h: bands, kick and decay)
using Windmill = one_line::Windmill;

constexpr Windmill kWindmills[] = {
    {0, 102, 108, 49, 53, 55, 59, 18, 5, 202, 412},  // bottom left, under the attacker
    {1, 102, 108, 59, 63, 65, 69, 18, 5, 242, 412},  // bottom right
    {2, 25, 31, 30, 34, 36, 40, 24, 8, 126, 104},    // upper left
    {3, 25, 31, 78, 82, 84, 98, 24, 8, 318, 104},    // upper right (its towards side reaches x 98)
    {4, 52, 58, 34, 38, 40, 44, 24, 8, 142, 212},    // inner left, beside the display
    {5, 52, 58, 74, 78, 80, 84, 24, 8, 302, 212},    // inner right
    {6, 59, 60, 11, 15, 17, 21, 24, 8, 50, 220},     // far left
    {7, 59, 60, 97, 101, 103, 107, 24, 8, 394, 220}, // far right
};
constexpr int kWindmillCount = sizeof kWindmills / sizeof kWindmills[0];

// ---------------------------------------------------------------- pockets

using Pocket = BoardPocket;

constexpr Pocket kPockets[] = {
    {{59, 78}, kCodeStartPocket},  // start pocket, between the wings under the display
    {{18, 71}, kCodePrizePocket},  // left side pocket
    {{100, 71}, kCodePrizePocket}, // right side pocket
    {{37, 89}, kCodePrizePocket},  // left low pocket
    {{81, 89}, kCodePrizePocket},  // right low pocket
};
constexpr int kPocketCount = sizeof kPockets / sizeof kPockets[0];
constexpr Point kStartPocket = kPockets[0].at;

// ---------------------------------------------------------------- the wings

// While the wings are open (and not in the last two steps of an opening),
// a lower-board ball whose next point is one of a wing's catch points runs
// along that wing's path from its first point into the start pocket.
constexpr Point kLeftWingCatch[2] = {{51, 70}, {55, 69}};
constexpr Point kRightWingCatch[2] = {{67, 70}, {63, 69}};
constexpr int kWingCatchWindow = 158; // within each 160 steps of the hit period: 112..157 catch
constexpr Point kLeftWingRun[] = {{53, 71}, {55, 73}, {56, 75}, {58, 77}, {59, 78}};
constexpr Point kRightWingRun[] = {{65, 71}, {63, 73}, {62, 75}, {60, 77}, {59, 78}};
constexpr int kWingRunPoints = sizeof kLeftWingRun / sizeof kLeftWingRun[0];

// ---------------------------------------------------------------- the attacker

// An open door takes a lower-board ball on one of the mouth's two rows: an
// odd column joins the leftward run, an even one the rightward run, at its
// first point at or beyond the ball's column.
constexpr int kMouthXMin = 48, kMouthXMax = 70;
constexpr int kMouthUpperRow = 93, kMouthLowerRow = 95;
constexpr int kDoorBottomRow = 101;  // the door covers the rows under the mouth down to here
constexpr Box kClosingSweep = {48, 90, 70, 95}; // a closing door takes the balls here

// The runs along the row between the mouth's rows, two columns a step, all
// inside the closing sweep; both end in kCodePrizePocket.
constexpr int kDoorRunRow = 94;
constexpr int kDoorLeftwardFromX = 70, kDoorLeftwardToX = 48;   // path 192, odd-column balls
constexpr int kDoorRightwardFromX = 48, kDoorRightwardToX = 70; // path 193, even-column balls

// The V inside the attacker: a ball on a door run whose next point lies in
// these columns takes it (once a round, rounds 1..15).
constexpr int kVXMin = 57, kVXMax = 61;

// ---------------------------------------------------------------- entry zones

// Where each zone's second-stage paths begin (zones 0..3 the left half).
constexpr Point kEntryPoints[8] = {
    {14, 50},  // 0: far left, over the far-left windmill
    {25, 43},  // 1: left
    {32, 50},  // 2: the left gate of the wing lottery
    {38, 51},  // 3: over the inner left windmill, beside the display
    {80, 51},  // 4: over the inner right windmill, beside the display
    {86, 50},  // 5: the right gate of the wing lottery
    {93, 43},  // 6: right
    {104, 50}, // 7: far right, over the far-right windmill
};

// Zones whose balls add a wing-lottery start (their outcome codes).
constexpr int kWingGateCodes[2] = {16, 40};

// A ball entering zone z takes its lucky path (the first of each half of
// four) with a chance of 1 in kLuckyOdds[z]: into a prize pocket from zones
// 0, 1, 6 and 7, into the start pocket from zones 2 to 5.
constexpr int kLuckyOdds[8] = {32, 32, 12, 8, 8, 12, 32, 32};

// Entry zone of each first-stage path (its outcome code is 8 x the digit),
// path 0 first; the launch strength grows with the path number.
constexpr char kZoneDigits[] = "0001001100110001"  // 0..15
                               "2113113321331133"  // 16..31
                               "2133113321331133"  // 32..47
                               "2333133323331333"  // 48..63
                               "2333163426346644"  // 64..79
                               "5644664456441644"  // 80..95
                               "5644664456447766"  // 96..111
                               "7766777677767776"; // 112..127
static_assert(sizeof kZoneDigits == kFirstStagePaths + 1, "one zone digit per first-stage path");

} // namespace no4board
