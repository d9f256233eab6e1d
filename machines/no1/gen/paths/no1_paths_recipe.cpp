// Machine No.1's ball path recipe: pathgen_no1 draws the table and writes it
// as C++ source.
//
//   pathgen_no1 [-v] [output.cpp]    (standard output without an argument)
//
// The committed machines/no1/no1_paths.cpp is its output; after changing the
// recipe, pathkit or the board, rewrite it with
//   cmake --build <tree> --target no1_paths
// and commit both (CTest's no1.PathTableUpToDate compares them).
//
// The board is no1_board_geometry.h's. The paths:
//  - First stage (0..127): off the rail along the arc and down through the
//    pins to just above the entry point of the zone the zone digits give.
//  - Second stage (128..191): from the zone's entry point through the lower
//    pins and windmills. Zones 0, 1, 6 and 7 have their lucky paths (128 +
//    8z and 128 + 8z + 4) in a side pocket (first half) and a low pocket
//    (second half); zones 2 to 5 in the start pocket under the reel window.
//    The lost ones leave by the hole under the bottom ornament, several over
//    the door's mouth. The routes below are the left half's; the right half
//    mirrors them (x -> 118 - x).
//  - The door's runs (192, 193) along its mouth's row.
#include "machine_identity.h"
#include "machines/five_line/gen/five_line_paths.h"
#include "no1_board_geometry.h"

using namespace pathkit;
using namespace five_line_paths;

namespace {

namespace g = no1board;

const Board kBoard = FIVE_LINE_BOARD_OF(g, (std::vector<Rect>{{g::kFeatureX0, g::kFeatureY0, g::kFeatureX1, g::kFeatureY1}}));
const int kMirror = g::kMirrorX;
const Pt kStartPocket = pt(g::kStartPocket);
const Pt kSidePocketLeft = pt(g::kPrizePockets[0]);
const Pt kLowPocketLeft = pt(g::kPrizePockets[2]);

// Route of a lost ball of a left-half zone (0..3) from its entry point.
Path lostRoute(int zone, int variant, bool overMouth, Lcg& rng)
{
    Path r;
    switch (zone) {
    case 0: // down the far left, past the side pocket
        r.push_back(pick(rng, 12, 14, 55, 59));
        if (variant == 0)
            pickEach(r, rng, {{10, 12, 64, 68}, {16, 20, 80, 84}});
        else
            pickEach(r, rng, {{20, 23, 64, 68}, {25, 28, 78, 82}});
        r.push_back(pick(rng, 28, 32, 90, 93));
        break;
    case 1:
        if (variant == 0) { // over the lower windmill, left of the low pocket
            pickEach(r, rng, {{27, 29, 52, 55}, {32, 34, 61, 64}, {29, 31, 76, 80}, {30, 32, 90, 92}});
        } else if (variant == 1) { // down the left of the side pocket
            pickEach(r, rng, {{20, 22, 54, 58}, {11, 13, 63, 67}, {18, 21, 81, 84}, {28, 31, 90, 93}});
        } else { // between the pockets, then right of the low pocket
            pickEach(r, rng, {{23, 26, 56, 60}, {25, 28, 72, 76}, {40, 42, 82, 86}, {43, 45, 89, 91}});
        }
        break;
    case 2:
        if (variant == 0) {
            pickEach(r, rng, {{32, 34, 61, 64}, {29, 31, 76, 80}, {30, 32, 90, 92}});
        } else if (variant == 1) {
            pickEach(r, rng, {{37, 39, 61, 64}, {41, 43, 76, 80}, {43, 45, 88, 91}});
        } else {
            pickEach(r, rng, {{28, 29, 58, 61}, {24, 27, 74, 78}, {28, 31, 90, 93}});
        }
        break;
    default: // 3, right above the lower windmill
        if (variant == 1)
            pickEach(r, rng, {{33, 35, 61, 64}, {30, 32, 76, 80}, {30, 32, 90, 93}});
        else
            pickEach(r, rng, {{37, 40, 61, 64}, {41, 43, 76, 81}, {43, 45, 88, 91}});
        break;
    }
    exitRoute(r, kBoard, overMouth, rng);
    return r;
}

// Route of a lucky ball of a left-half zone into `pocket`.
Path luckyRoute(int zone, Pt pocket, Lcg& rng)
{
    Path r;
    if (pocket == kStartPocket) { // past the lower windmill and along under the reel window
        if (zone == 2)
            r.push_back(pick(rng, 33, 35, 55, 57));
        pickEach(r, rng, {{38, 40, 61, 63}, {41, 43, 67, 68}, {49, 52, 68, 69}, {55, 56, 69, 70}});
    } else if (pocket == kSidePocketLeft) {
        pickEach(r, rng, {{zone == 1 ? 21 : 14, zone == 1 ? 22 : 15, 53, 57}, {17, 18, 61, 63}, {16, 17, 66, 67}});
    } else { // the low pocket
        if (zone == 0)
            pickEach(r, rng, {{15, 16, 55, 58}, {21, 22, 64, 66}, {26, 28, 75, 78}});
        else
            pickEach(r, rng, {{28, 30, 54, 57}, {32, 34, 61, 64}, {33, 35, 74, 77}});
        r.push_back(pick(rng, 35, 37, 83, 84));
    }
    r.push_back(pocket);
    return r;
}

// Pockets of the lucky paths of the left-half zones, first half then second.
const Pt kLuckyPocket[4][2] = {
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
    // the middle lost path of each half goes over the door's mouth (but from
    // the far zones), the others do so now and then
    const int variants = s.leftZone == 3 ? 2 : 3;
    const int variant = (s.half * 3 + s.k - 1 + s.leftZone) % variants;
    return drawLowerPath(kBoard, s, kBoard.entries[zone], [&](Lcg& rng) {
        if (s.lucky)
            return luckyRoute(s.leftZone, s.leftPocket, rng);
        bool overMouth = (s.k == 2 && s.leftZone != 0 && !(s.leftZone == 1 && variant == 1)) || rng.chance(35);
        return lostRoute(s.leftZone, variant, overMouth, rng);
    }, rng);
}

Recipe no1Recipe()
{
    Recipe r;
    r.format = {"no1", MACHINE_NUMBER, 194};
    r.seed = 0x4E6F3031u;
    r.board = kBoard;
    r.firstStage = fieldFirstStage({-1, -1, 0, 0, 1, 1, -1, -1}); // the upper windmills over zones 2..5
    r.secondStage = secondStagePath;
    r.extraPaths = [] {
        return Table{
            {doorRun(g::kMouth, true), g::kCodePrizePocket, "door, right to left", Role::Door, 0},
            {doorRun(g::kMouth, false), g::kCodePrizePocket, "door, left to right into the V zone", Role::Door, 0},
        };
    };
    return r;
}

} // namespace

int main(int argc, char** argv) { return pathgenMain(argc, argv, no1Recipe()); }
