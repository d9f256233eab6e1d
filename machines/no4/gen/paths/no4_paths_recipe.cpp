// Machine No.4's ball path recipe: pathgen_no4 draws the table and writes it
// as C++ source.
//
//   pathgen_no4 [-v] [output.cpp]    (standard output without an argument)
//
// The committed machines/no4/no4_paths.cpp is its output; after changing the
// recipe, pathkit or the board, rewrite it with
//   cmake --build <tree> --target no4_paths
// and commit both (CTest's no4.PathTableUpToDate compares them).
//
// The board is no4_board_geometry.h's. The paths:
//  - First stage (0..127): off the rail along the arc and down through the
//    pins to just above the entry point of the zone the zone digits give
//    (pathkit's firstStagePath); balls into zones 2..5 go through the upper
//    windmills.
//  - Second stage (128..191): from the zone's entry point through the lower
//    pins and windmills. The lucky paths (128 + 8z and 128 + 8z + 4) end in
//    a prize pocket from zones 0, 1, 6 and 7 and in the start pocket from
//    zones 2..5; the others are lost through the hole under the bottom
//    windmills, some over the attacker's mouth, some past the wings' catch
//    points in front of the start pocket. The routes below are the left
//    half's; the right half mirrors them (x -> 118 - x).
//  - The attacker's runs (192, 193) along the row between the mouth's rows,
//    inside the closing sweep, past the V; the wings' runs (194, 195) from
//    the catch points into the start pocket.
#include <string>

#include "machine_identity.h"
#include "no4_board_geometry.h"
#include "pathkit.h"

using namespace pathkit;

namespace {

namespace g = no4board;

const Board kBoard = PATHKIT_BOARD_OF(g, (Mouth{g::kMouthXMin, g::kMouthXMax, g::kMouthUpperRow, g::kMouthLowerRow, g::kDoorBottomRow}));
const int kMirror = g::kMirrorX;
constexpr Pt kStartPocket = pt(g::kStartPocket);
constexpr Pt kSidePocketLeft = pt(g::kPockets[1].at);
constexpr Pt kLowPocketLeft = pt(g::kPockets[3].at);

// ---------------------------------------------------------------- own paths

Path wingRun(const g::Point (&run)[g::kWingRunPoints])
{
    Path p;
    for (const g::Point& q : run)
        p.push_back(pt(q));
    return p;
}

// ---------------------------------------------------------------- second stage

// The way out from the lower left: over the attacker's mouth, or past its
// left end, into the hole under the bottom windmills.
void exitRoute(Path& r, bool overMouth, Lcg& rng)
{
    if (overMouth) {
        Pt m = {rng.range(49, 58), rng.chance(50) ? g::kMouthUpperRow : g::kMouthLowerRow};
        r.push_back(m);
        r.push_back({m.x + rng.range(2, 6), rng.range(104, 106)});
    } else {
        pickEach(r, rng, {{38, 42, 97, 100}, {44, 46, 104, 106}});
    }
}

// From a wing's catch point (the ball missed the closed wings) down and away
// from the start pocket to the attacker's mouth.
void pastTheWings(Path& r, Pt catchPoint, Lcg& rng)
{
    r.push_back(catchPoint);
    pickEach(r, rng, {{catchPoint.x - 5, catchPoint.x - 3, 76, 79}, {49, 53, 85, 88}});
}

// Route of a lost ball of a left-half zone (0..3) from its entry point.
Path lostRoute(int zone, int variant, bool overMouth, Lcg& rng)
{
    Path r;
    const Pt outerCatch = pt(g::kLeftWingCatch[0]), innerCatch = pt(g::kLeftWingCatch[1]);
    switch (zone) {
    case 0: // through the far-left windmill, down the left past the side pocket
        r.push_back(variant == 1 ? pick(rng, 12, 14, 59, 60) : pick(rng, 17, 19, 59, 60));
        if (variant == 0)
            pickEach(r, rng, {{23, 25, 68, 71}, {28, 31, 80, 83}});
        else
            pickEach(r, rng, {{11, 13, 70, 74}, {17, 21, 82, 86}});
        r.push_back(pick(rng, 28, 31, 91, 94));
        exitRoute(r, overMouth, rng);
        break;
    case 1:
        if (variant == 0) { // between the windmills, left of the low pocket
            pickEach(r, rng, {{26, 28, 52, 56}, {28, 31, 66, 70}, {30, 32, 79, 82}, {30, 33, 91, 94}});
            exitRoute(r, overMouth, rng);
        } else if (variant == 1) { // into the far-left windmill
            pickEach(r, rng, {{17, 19, 59, 60}, {12, 14, 70, 73}, {19, 22, 82, 85}, {28, 31, 91, 94}});
            exitRoute(r, overMouth, rng);
        } else { // under the display, past the left wing
            pickEach(r, rng, {{29, 31, 56, 58}, {38, 41, 64, 66}, {45, 47, 67, 68}});
            pastTheWings(r, outerCatch, rng);
            exitRoute(r, true, rng);
        }
        break;
    case 2:
        if (variant == 0) { // along under the display into the wings' way
            pickEach(r, rng, {{36, 38, 59, 62}, {44, 46, 66, 68}});
            pastTheWings(r, outerCatch, rng);
            exitRoute(r, true, rng);
        } else if (variant == 1) {
            pickEach(r, rng, {{30, 32, 59, 63}, {28, 32, 76, 80}, {30, 33, 91, 94}});
            exitRoute(r, overMouth, rng);
        } else {
            pickEach(r, rng, {{40, 42, 60, 63}, {41, 44, 76, 81}, {43, 46, 88, 91}});
            exitRoute(r, overMouth, rng);
        }
        break;
    default: // 3, beside the display
        if (variant == 1) {
            pickEach(r, rng, {{40, 43, 60, 63}, {47, 49, 67, 68}});
            pastTheWings(r, innerCatch, rng);
            exitRoute(r, true, rng);
        } else {
            pickEach(r, rng, {{37, 39, 60, 63}, {41, 44, 76, 81}, {44, 46, 88, 91}});
            exitRoute(r, overMouth, rng);
        }
        break;
    }
    return r;
}

// Route of a lucky ball of a left-half zone into `pocket`.
Path luckyRoute(int zone, Pt pocket, Lcg& rng)
{
    Path r;
    if (pocket == kStartPocket) { // along under the display, between the wings
        if (zone == 2)
            r.push_back(pick(rng, 36, 38, 59, 61));
        else
            r.push_back(pick(rng, 41, 43, 59, 61));
        pickEach(r, rng, {{45, 47, 66, 68}, {51, 53, 72, 73}, {55, 56, 76, 77}});
    } else if (pocket == kSidePocketLeft) {
        if (zone == 1)
            pickEach(r, rng, {{22, 23, 51, 55}, {19, 21, 59, 60}});
        else
            r.push_back(pick(rng, 12, 14, 59, 60));
        r.push_back(pick(rng, 17, 18, 65, 67));
    } else { // the low pocket
        if (zone == 0)
            pickEach(r, rng, {{17, 19, 59, 60}, {23, 25, 69, 72}, {29, 31, 79, 82}});
        else
            pickEach(r, rng, {{27, 29, 52, 55}, {31, 33, 66, 70}, {34, 35, 79, 83}});
        r.push_back(pick(rng, 36, 37, 85, 86));
    }
    r.push_back(pocket);
    return r;
}

// Pockets of the lucky paths of the left-half zones, first half then second.
constexpr Pt kLuckyPocket[4][2] = {
    {kSidePocketLeft, kLowPocketLeft},
    {kSidePocketLeft, kLowPocketLeft},
    {kStartPocket, kStartPocket},
    {kStartPocket, kStartPocket},
};

Path secondStagePath(int zone, int index, Lcg& rng, int& code)
{
    SecondStageSlot s(zone, index, kMirror);
    s.aim(kBoard, s.lucky ? &kLuckyPocket[s.leftZone][s.half] : nullptr);
    code = s.code;
    // Lost balls: the middle one of each half goes over the attacker's mouth
    // (except from the far zones), the others do so now and then.
    return drawLowerPath(kBoard, s, kBoard.entries[zone], [&](Lcg& rng) {
        if (s.lucky)
            return luckyRoute(s.leftZone, s.leftPocket, rng);
        int variant = (s.half * 3 + s.k - 1 + zone) % 3;
        bool overMouth = (s.k == 2 && s.leftZone != 0) || rng.chance(35);
        return lostRoute(s.leftZone, variant, overMouth, rng);
    }, rng);
}

Recipe no4Recipe()
{
    Recipe r;
    r.format = {"no4", MACHINE_NUMBER, g::kPathCount};
    r.seed = 0x4E6F3034u;
    r.board = kBoard;
    r.firstStage = fieldFirstStage({-1, -1, 2, 2, 3, 3, -1, -1}); // the upper windmills over zones 2..5
    r.fixedFirstStage = [](int) { return Path(); };
    r.secondStage = secondStagePath;
    r.extraPaths = [] {
        return Table{
            {rowRun(g::kDoorRunRow, g::kDoorLeftwardFromX, g::kDoorLeftwardToX, 2), g::kCodePrizePocket,
             "attacker, right to left past the V", Role::Door, 0},
            {rowRun(g::kDoorRunRow, g::kDoorRightwardFromX, g::kDoorRightwardToX, 2), g::kCodePrizePocket,
             "attacker, left to right past the V", Role::Door, 0},
            {wingRun(g::kLeftWingRun), g::kCodeStartPocket, "left wing into the start pocket", Role::Special, 0},
            {wingRun(g::kRightWingRun), g::kCodeStartPocket, "right wing into the start pocket", Role::Special, 0},
        };
    };
    return r;
}

} // namespace

int main(int argc, char** argv) { return pathgenMain(argc, argv, no4Recipe()); }
