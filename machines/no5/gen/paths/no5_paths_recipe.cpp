// Machine No.5's ball path recipe: pathgen_no5 draws the table and writes it
// as C++ source.
//
//   pathgen_no5 [-v] [output.cpp]    (standard output without an argument)
//
// The committed machines/no5/no5_paths.cpp is its output; after changing the
// recipe, pathkit or the board, rewrite it with
//   cmake --build <tree> --target no5_paths
// and commit both (CTest's no5.PathTableUpToDate compares them).
//
// The board is no5_board_geometry.h's. The paths:
//  - First stage (0..127): off the rail along the arc and down through the
//    pins to just above the entry point of the zone the zone digits give
//    (pathkit's firstStagePath); balls into zones 2..5 go through the upper
//    windmills.
//  - Second stage (128..191): from the zone's entry point through the lower
//    pins and windmills. The lucky paths (128 + 8z and 128 + 8z + 4) end in
//    a prize pocket from zones 0 and 7 and from the first half of zones 1
//    and 6 (their second half is lost), and in the start pocket from zones
//    2..5; the others are lost through the hole at the bottom, many over the
//    attacker's mouth, several past the digit lottery's start points, and
//    some into the digit gate. The routes below are the left half's; the
//    right half mirrors them (x -> 118 - x).
//  - The attacker's channels (192..194) lie on the mouth's row, so the
//    closing sweep takes every ball still in them; the gate's path (195)
//    runs hidden inside the board into the start pocket.
#include <string>

#include "machine_identity.h"
#include "no5_board_geometry.h"
#include "pathkit.h"

using namespace pathkit;

namespace {

namespace g = no5board;

const Board kBoard = PATHKIT_BOARD_OF(g, (Mouth{g::kMouthXMin, g::kMouthXMax, g::kMouthRow, g::kMouthRow, g::kDoorBottomRow}));
const int kMirror = g::kMirrorX;
constexpr Pt kStartPocket = pt(g::kStartPocket);
constexpr Pt kSidePocketLeft = pt(g::kPockets[1].at);
constexpr Pt kLowPocketLeft = pt(g::kPockets[3].at);
constexpr Pt kGate = pt(g::kGatePoint);
const Pt kLost = {0, 0}; // a lucky path of a zone whose lucky path is lost

// ---------------------------------------------------------------- own paths

Path vChannel()
{
    return Path(g::kVChannelPoints, Pt{g::kVColumn, g::kMouthRow});
}

Path gatePath()
{
    Path p(g::kGateHiddenPoints, Pt{0, 0}); // inside the board, out of sight
    p.push_back(kStartPocket);
    return p;
}

// ---------------------------------------------------------------- second stage

// The way out from the lower left: over the attacker's mouth (now and then
// on into the digit gate), or past its left end, into the hole at the bottom.
void exitRoute(Path& r, bool overMouth, bool intoGate, Lcg& rng)
{
    if (intoGate) { // straight down over the V into the gate
        r.push_back({g::kVColumn, g::kMouthRow});
        r.push_back(kGate);
    } else if (overMouth) {
        // a ball in four crosses the mouth at the V's column
        Pt m = {rng.chance(25) ? g::kVColumn : rng.range(49, 58), g::kMouthRow};
        r.push_back(m);
        r.push_back({m.x + rng.range(0, 4), rng.range(104, 106)});
    } else {
        pickEach(r, rng, {{39, 43, 97, 100}, {44, 46, 104, 106}});
    }
}

// Past a digit lottery start point, then down towards the attacker.
void pastTheDigitStart(Path& r, Lcg& rng)
{
    r.push_back(pt(g::kDigitStartPoints[rng.chance(50) ? 0 : 1]));
    r.push_back(pick(rng, 44, 47, 90, 94));
}

// Route of a lost ball of a left-half zone (0..3) from its entry point.
Path lostRoute(int zone, int variant, bool overMouth, bool intoGate, Lcg& rng)
{
    Path r;
    switch (zone) {
    case 0: // through the far-left windmill, down the left past the side pocket
        r.push_back(variant == 1 ? pick(rng, 10, 12, 59, 62) : pick(rng, 16, 18, 59, 62));
        if (variant == 0)
            pickEach(r, rng, {{23, 25, 70, 73}, {28, 31, 80, 83}});
        else
            pickEach(r, rng, {{11, 13, 72, 76}, {18, 22, 84, 88}});
        r.push_back(pick(rng, 28, 32, 93, 96));
        exitRoute(r, overMouth, false, rng);
        break;
    case 1:
        if (variant == 0) { // between the windmills, left of the low pocket
            pickEach(r, rng, {{26, 28, 52, 56}, {27, 30, 68, 72}, {29, 32, 80, 83}, {30, 33, 92, 95}});
            exitRoute(r, overMouth, false, rng);
        } else if (variant == 1) { // into the far-left windmill
            pickEach(r, rng, {{16, 18, 59, 62}, {12, 14, 72, 75}, {19, 22, 84, 87}, {28, 31, 93, 96}});
            exitRoute(r, overMouth, false, rng);
        } else { // through the inner windmill past a digit start
            pickEach(r, rng, {{29, 31, 55, 57}, {34, 36, 60, 63}, {36, 38, 72, 75}});
            pastTheDigitStart(r, rng);
            exitRoute(r, true, intoGate, rng);
        }
        break;
    case 2:
        if (variant == 0) {
            pickEach(r, rng, {{35, 37, 60, 63}, {37, 39, 72, 75}});
            pastTheDigitStart(r, rng);
            exitRoute(r, true, intoGate, rng);
        } else if (variant == 1) {
            pickEach(r, rng, {{30, 32, 59, 63}, {28, 31, 76, 80}, {30, 33, 92, 95}});
            exitRoute(r, overMouth, false, rng);
        } else {
            pickEach(r, rng, {{40, 42, 60, 63}, {42, 44, 70, 74}, {44, 47, 84, 88}});
            exitRoute(r, overMouth, intoGate, rng);
        }
        break;
    default: // 3, beside the display
        if (variant == 1) {
            pickEach(r, rng, {{39, 42, 60, 63}, {39, 41, 72, 75}});
            pastTheDigitStart(r, rng);
            exitRoute(r, true, intoGate, rng);
        } else {
            pickEach(r, rng, {{35, 37, 60, 63}, {42, 44, 72, 76}, {44, 47, 86, 90}});
            exitRoute(r, overMouth, intoGate, rng);
        }
        break;
    }
    return r;
}

// Route of a lucky ball of a left-half zone into `pocket`.
Path luckyRoute(int zone, Pt pocket, Lcg& rng)
{
    Path r;
    if (pocket == kStartPocket) { // along under the display
        if (zone == 2)
            r.push_back(pick(rng, 35, 37, 59, 62));
        else
            r.push_back(pick(rng, 40, 42, 59, 62));
        pickEach(r, rng, {{42, 43, 66, 67}, {47, 49, 68, 69}, {52, 54, 69, 70}, {56, 57, 70, 70}});
    } else if (pocket == kSidePocketLeft) {
        if (zone == 1)
            pickEach(r, rng, {{22, 23, 51, 55}, {18, 19, 59, 62}});
        else
            r.push_back(pick(rng, 10, 12, 59, 62));
        r.push_back(pick(rng, 17, 18, 66, 68));
    } else { // the low pocket
        pickEach(r, rng, {{16, 18, 59, 62}, {23, 25, 70, 73}, {29, 31, 79, 82}, {35, 36, 85, 86}});
    }
    r.push_back(pocket);
    return r;
}

// Pockets of the lucky paths of the left-half zones, first half then second
// (kLost: the lucky path of that half is lost).
constexpr Pt kLuckyPocket[4][2] = {
    {kSidePocketLeft, kLowPocketLeft},
    {kSidePocketLeft, {0, 0}},
    {kStartPocket, kStartPocket},
    {kStartPocket, kStartPocket},
};

Path secondStagePath(int zone, int index, Lcg& rng, int& code)
{
    SecondStageSlot s(zone, index, kMirror);
    const Pt& luckyPocket = kLuckyPocket[s.leftZone][s.half];
    s.aim(kBoard, s.lucky && luckyPocket != kLost ? &luckyPocket : nullptr);
    code = s.code;
    // Lost balls: the middle one of each half goes over the attacker's mouth
    // (except from the far zones), the others do so now and then; the last
    // of each half of the inner zones ends in the digit gate.
    return drawLowerPath(kBoard, s, kBoard.entries[zone], [&](Lcg& rng) {
        if (s.toPocket)
            return luckyRoute(s.leftZone, s.leftPocket, rng);
        int variant = (s.half * 3 + s.k + 2 + zone) % 3;
        bool overMouth = (s.k == 2 && s.leftZone != 0) || rng.chance(40);
        bool intoGate = s.k == 3 && s.leftZone >= 1;
        return lostRoute(s.leftZone, variant, overMouth, intoGate, rng);
    }, rng);
}

Recipe no5Recipe()
{
    Recipe r;
    r.format = {"no5", MACHINE_NUMBER, g::kPathCount};
    r.seed = 0x4E6F3035u;
    r.board = kBoard;
    r.firstStage = fieldFirstStage({-1, -1, 0, 0, 1, 1, -1, -1}); // the upper windmills over zones 2..5
    r.fixedFirstStage = [](int) { return Path(); };
    r.secondStage = secondStagePath;
    r.extraPaths = [] {
        return Table{
            {rowRun(g::kMouthRow, g::kLeftChannelFromX, g::kLeftChannelToX, 1), g::kCodePrizePocket,
             "attacker, left channel", Role::Door, 0},
            {vChannel(), g::kCodePrizePocket, "attacker, the V in the centre", Role::Door, 0},
            {rowRun(g::kMouthRow, g::kRightChannelFromX, g::kRightChannelToX, 1), g::kCodePrizePocket,
             "attacker, right channel", Role::Door, 0},
            {gatePath(), g::kCodeStartPocket, "digit gate: hidden, then the start pocket", Role::Special, 0},
        };
    };
    return r;
}

} // namespace

int main(int argc, char** argv) { return pathgenMain(argc, argv, no5Recipe()); }
