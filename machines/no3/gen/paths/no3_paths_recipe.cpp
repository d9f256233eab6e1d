// Machine No.3's ball path recipe: pathgen_no3 draws the table and writes it
// as C++ source.
//
//   pathgen_no3 [-v] [output.cpp]    (standard output without an argument)
//
// The committed machines/no3/no3_paths.cpp is its output; after changing the
// recipe, pathkit or the board, rewrite it with
//   cmake --build <tree> --target no3_paths
// and commit both (CTest's no3.PathTableUpToDate compares them).
//
// The board is no3_board_geometry.h's. The paths:
//  - First stage (0..127, the launch strength grows with the number): off the
//    rail along the arc and down through the pins to just above the entry
//    point of the zone the zone digits give (pathkit's firstStagePath); path
//    3 is a fixed telling row.
//  - Second stage (128..191): from the zone's entry point through the lower
//    pins and windmills, into a pocket (the lucky paths, 128 + 8z and
//    128 + 8z + 4) or out at the hole under the bottom ornament (the lost
//    ones, several over the door's mouth). The routes below are the left
//    half's; the right half mirrors them (x -> 118 - x). Paths 128 and 140
//    and their mirror images are fixed telling rows.
//  - Door runs (192, 193) along the row between the mouth's two rows.
#include "machine_identity.h"
#include "no3_board_geometry.h"
#include "pathkit.h"

using namespace pathkit;

namespace {

namespace g = no3board;

const Board kBoard = PATHKIT_BOARD_OF(g, (Mouth{g::kMouthXMin, g::kMouthXMax, g::kMouthUpperRow, g::kMouthLowerRow, g::kDoorBottomRow}));
const int kMirror = g::kMirrorX;
constexpr Pt kStartPocket = pt(g::kStartPocket);
constexpr Pt kSidePocketLeft = pt(g::kPockets[1].at);
constexpr Pt kLowPocketLeft = pt(g::kPockets[3].at);

// ---------------------------------------------------------------- fixed rows

// The telling rows: these paths are given.
const Path kPath3 = {{16, 20}, {19, 18}, {22, 18}, {25, 20}, {26, 22}, {24, 25}, {22, 29}, {23, 28},
                     {24, 29}, {24, 32}, {24, 34}, {22, 35}, {23, 37}, {24, 38}, {25, 40}, {25, 41}};
const Path kPath128 = {{14, 50}, {14, 53}, {16, 56}, {15, 59}, {14, 62}, {15, 65},
                       {16, 67}, {17, 66}, {18, 67}, {18, 69}, {18, 71}};
const Path kPath140 = {{25, 43}, {25, 47}, {25, 51}, {28, 52}, {31, 54}, {34, 55}, {37, 58},
                       {40, 61}, {42, 64}, {44, 68}, {47, 68}, {50, 69}, {53, 72}, {55, 70},
                       {57, 70}, {59, 71}, {59, 70}, {59, 72}, {59, 73}};

// ---------------------------------------------------------------- second stage

// The way out from the lower left: over the door's mouth or past its left end
// into the hole under the bottom ornament.
void exitRoute(Path& r, bool overMouth, Lcg& rng)
{
    if (overMouth) {
        Pt m = {rng.range(49, 58), rng.chance(50) ? g::kMouthUpperRow : g::kMouthLowerRow};
        r.push_back(m);
        r.push_back({m.x + rng.range(2, 6), rng.range(104, 106)});
    } else {
        pickEach(r, rng, {{36, 40, 98, 100}, {44, 46, 104, 106}});
    }
}

// Route of a lost ball of a left-half zone (0..3) from its entry point.
Path lostRoute(int zone, int variant, bool overMouth, Lcg& rng)
{
    Path r;
    switch (zone) {
    case 0: // through the far-left windmill (either side of its axle), down
            // the left past the side pocket
        r.push_back(variant == 1 ? pick(rng, 10, 12, 53, 57) : pick(rng, 14, 16, 53, 57));
        if (variant == 0)
            pickEach(r, rng, {{11, 13, 66, 70}, {17, 21, 81, 85}});
        else
            pickEach(r, rng, {{22, 25, 66, 69}, {27, 30, 80, 84}});
        r.push_back(pick(rng, 29, 33, 90, 93));
        break;
    case 1:
        if (variant == 0) { // over the inner windmill, left of the low pocket
            pickEach(r, rng, {{26, 28, 52, 56}, {32, 34, 62, 64}, {30, 32, 76, 80}, {31, 33, 89, 92}});
        } else if (variant == 1) { // into the far-left windmill
            pickEach(r, rng, {{16, 17, 55, 59}, {12, 13, 67, 70}, {19, 22, 82, 85}, {29, 32, 91, 93}});
        } else { // between the windmills, then right of the low pocket
            pickEach(r, rng, {{23, 26, 57, 61}, {26, 29, 73, 77}, {41, 43, 82, 86}, {44, 46, 90, 92}});
        }
        break;
    case 2:
        if (variant == 0) {
            pickEach(r, rng, {{32, 34, 62, 64}, {29, 32, 76, 80}, {30, 33, 90, 92}});
        } else if (variant == 1) {
            pickEach(r, rng, {{37, 39, 62, 64}, {41, 44, 76, 81}, {43, 46, 88, 91}});
        } else {
            pickEach(r, rng, {{28, 29, 59, 62}, {24, 27, 75, 79}, {29, 32, 90, 93}});
        }
        break;
    default: // 3, right above the inner windmill
        if (variant == 1)
            pickEach(r, rng, {{33, 35, 62, 64}, {30, 33, 76, 80}, {31, 33, 90, 93}});
        else
            pickEach(r, rng, {{37, 40, 62, 64}, {41, 44, 76, 82}, {44, 46, 88, 91}});
        break;
    }
    exitRoute(r, overMouth, rng);
    return r;
}

// Route of a lucky ball of a left-half zone into `pocket`.
Path luckyRoute(int zone, Pt pocket, Lcg& rng)
{
    Path r;
    if (pocket.x == kStartPocket.x) { // along under the reel window
        if (zone != 3)
            r.push_back(pick(rng, 32, 34, 55, 57));
        pickEach(r, rng, {{38, 40, 61, 63}, {43, 45, 67, 69}, {50, 53, 70, 71}, {56, 57, 71, 72}});
    } else if (pocket.x == kSidePocketLeft.x) {
        pickEach(r, rng, {{zone == 1 ? 23 : 28, zone == 1 ? 24 : 29, 55, 59}, {21, 22, 63, 65}, {18, 19, 68, 69}});
    } else { // the low pocket
        if (zone == 0) {
            pickEach(r, rng, {{15, 16, 55, 58}, {21, 22, 64, 66}, {26, 28, 76, 79}});
        } else {
            r.push_back(rng.chance(50) ? pick(rng, 33, 35, 62, 64) : pick(rng, 37, 38, 62, 64));
            r.push_back(pick(rng, 35, 37, 75, 78));
        }
        r.push_back(pick(rng, 36, 38, 85, 86));
    }
    r.push_back(pocket);
    return r;
}

// Pockets of the lucky paths of the left-half zones, first half then second.
constexpr Pt kLuckyPocket[4][2] = {
    {kSidePocketLeft, kLowPocketLeft}, // zone 0 (the first is the fixed path 128)
    {kSidePocketLeft, kStartPocket},   // zone 1 (the second is the fixed path 140)
    {kSidePocketLeft, kLowPocketLeft},
    {kStartPocket, kStartPocket},
};

Path secondStagePath(int zone, int index, Lcg& rng, int& code)
{
    SecondStageSlot s(zone, index, kMirror);
    s.aim(kBoard, s.lucky ? &kLuckyPocket[s.leftZone][s.half] : nullptr);
    code = s.code;
    // the telling rows, and their mirror images on the right
    if (s.lucky && s.leftZone == 0 && s.half == 0)
        return s.right ? mirrored(kPath128, kMirror) : kPath128;
    if (s.lucky && s.leftZone == 1 && s.half == 1)
        return s.right ? mirrored(kPath140, kMirror) : kPath140;
    // Lost balls: the middle one of each half goes over the door's mouth
    // (except from the far zones), the others do so now and then.
    const int variants = s.leftZone == 3 ? 2 : 3;
    return drawLowerPath(kBoard, s, kBoard.entries[zone], [&](Lcg& rng) {
        if (s.lucky)
            return luckyRoute(s.leftZone, s.leftPocket, rng);
        int variant = (s.half * 3 + s.k - 1 + zone) % variants;
        bool overMouth = (s.k == 2 && s.leftZone != 0) || rng.chance(35);
        return lostRoute(s.leftZone, variant, overMouth, rng);
    }, rng);
}

Recipe no3Recipe()
{
    Recipe r;
    r.format = {"no3", MACHINE_NUMBER, g::kPathCount};
    r.seed = 0x4E6F3033u;
    r.board = kBoard;
    r.firstStage = fieldFirstStage({-1, -1, 0, 0, 1, 1, -1, -1}); // the upper windmills over zones 2..5
    r.fixedFirstStage = [](int p) { return p == 3 ? kPath3 : Path(); };
    r.secondStage = secondStagePath;
    r.extraPaths = [] {
        return Table{
            {rowRun(g::kDoorRunRow, g::kDoorLeftwardFromX, g::kDoorLeftwardToX, 2), g::kCodePrizePocket,
             "door, right to left", Role::Door, 0},
            {rowRun(g::kDoorRunRow, g::kDoorRightwardFromX, g::kDoorRightwardToX, 2), g::kCodePrizePocket,
             "door, left to right into the V zone", Role::Door, 0},
        };
    };
    return r;
}

} // namespace

int main(int argc, char** argv) { return pathgenMain(argc, argv, no3Recipe()); }
