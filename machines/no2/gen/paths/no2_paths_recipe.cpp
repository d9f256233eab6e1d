// Machine No.2's ball path recipe: pathgen_no2 draws the table and writes it
// as C++ source.
//
//   pathgen_no2 [-v] [output.cpp]    (standard output without an argument)
//
// The committed machines/no2/no2_paths.cpp is its output; after changing the
// recipe, pathkit or the board, rewrite it with
//   cmake --build <tree> --target no2_paths
// and commit both (CTest's no2.PathTableUpToDate compares them).
//
// The board is no2_board_geometry.h's. The paths:
//  - First stage (0..127): off the rail along the arc and down through the
//    pins to just above the entry point of the zone the zone digits give;
//    zones 3 and 4 are the two entrances of the stage under the reel window.
//  - Second stage (128..191): zones 0, 1, 6 and 7 from their entry point
//    through the lower pins and windmills, the lucky paths (128 + 8z and
//    128 + 8z + 4) into a side pocket (first half) or a low pocket (second
//    half); zones 2 and 5 the same with their lucky paths in the start
//    pocket. Zones 3 and 4 (152..167) are where a ball drops off the stage,
//    rolling right at x 57 (zone 3) or left at x 61 (zone 4): straight down
//    into the start pocket (the lucky ones) or round it and out. The lost
//    ones leave by the hole under the bottom ornament, several over the
//    door's mouth. The routes below are the left half's; the right half
//    mirrors them (x -> 118 - x).
//  - The door's runs (192, 193) along row 101, between the mouth's rows.
#include "machine_identity.h"
#include "machines/five_line/gen/five_line_paths.h"
#include "no2_board_geometry.h"

using namespace pathkit;
using namespace five_line_paths;

namespace {

namespace g = no2board;

const Board kBoard = FIVE_LINE_BOARD_OF(g, (std::vector<Rect>{{g::kFeatureX0, g::kFeatureY0, g::kFeatureX1, g::kFeatureY1},
                                                             {g::kShelfX0, g::kShelfY0, g::kShelfX1, g::kShelfY1}}));
const int kMirror = g::kMirrorX;
const Pt kStartPocket = pt(g::kStartPocket);
const Pt kSidePocketLeft = pt(g::kPrizePockets[0]);
const Pt kLowPocketLeft = pt(g::kPrizePockets[2]);
const int kStageZoneLeft = 3, kStageZoneRight = 4;

// Route of a lost ball of a left-half zone (0..2) from its entry point.
Path lostRoute(int zone, int variant, bool overMouth, Lcg& rng)
{
    Path r;
    switch (zone) {
    case 0: // down the far left, past the side pocket
        r.push_back(pick(rng, 10, 12, 55, 59));
        if (variant == 0)
            pickEach(r, rng, {{9, 11, 63, 67}, {14, 18, 80, 84}});
        else
            pickEach(r, rng, {{18, 21, 63, 67}, {22, 25, 78, 82}});
        r.push_back(pick(rng, 26, 29, 92, 95));
        break;
    case 1:
        if (variant == 0) { // over the lower windmill, left of the low pocket
            pickEach(r, rng, {{25, 26, 54, 57}, {29, 31, 62, 65}, {26, 28, 78, 82}, {27, 29, 92, 95}});
        } else if (variant == 1) { // down the left of the side pocket
            pickEach(r, rng, {{18, 20, 54, 57}, {9, 11, 63, 67}, {16, 19, 82, 85}, {26, 29, 93, 95}});
        } else { // right of the lower windmill and of the low pocket
            pickEach(r, rng, {{24, 26, 54, 57}, {34, 36, 72, 76}, {40, 42, 84, 87}, {43, 45, 92, 95}});
        }
        break;
    default: // 2, over the lower windmill
        if (variant == 0) {
            pickEach(r, rng, {{30, 32, 61, 64}, {27, 29, 78, 82}, {27, 30, 92, 95}});
        } else if (variant == 1) {
            pickEach(r, rng, {{34, 36, 58, 62}, {38, 41, 76, 80}, {41, 44, 88, 92}});
        } else {
            pickEach(r, rng, {{25, 27, 60, 63}, {21, 24, 76, 80}, {26, 29, 92, 95}});
        }
        break;
    }
    exitRoute(r, kBoard, overMouth, rng);
    return r;
}

// Route of a lucky ball of a left-half zone (0..2) into `pocket`.
Path luckyRoute(int zone, Pt pocket, Lcg& rng)
{
    Path r;
    if (pocket == kStartPocket) { // past the lower windmill and along under the stage
        pickEach(r, rng, {{31, 32, 60, 63}, {36, 38, 71, 73}, {43, 44, 75, 76}, {50, 52, 77, 78}, {55, 56, 77, 78}});
    } else if (pocket == kSidePocketLeft) {
        r.push_back(zone == 1 ? pick(rng, 19, 20, 53, 56) : pick(rng, 12, 13, 55, 58));
        pickEach(r, rng, {{zone == 1 ? 16 : 13, zone == 1 ? 17 : 14, 62, 65}, {14, 15, 68, 69}});
    } else { // the low pocket
        if (zone == 0)
            pickEach(r, rng, {{13, 14, 55, 58}, {19, 20, 66, 68}, {25, 27, 77, 80}});
        else
            pickEach(r, rng, {{25, 27, 55, 58}, {29, 31, 62, 65}, {31, 33, 76, 79}});
        r.push_back(pick(rng, 33, 35, 85, 86));
    }
    r.push_back(pocket);
    return r;
}

// Off the stage rolling right at x 57: down into the start pocket, or round
// it to the left and out.
Path stageExitRoute(bool lucky, int variant, bool overMouth, Lcg& rng)
{
    Path r;
    if (lucky) {
        r.push_back(kStartPocket);
        return r;
    }
    r.push_back(pick(rng, 54, 55, 75, 76));
    if (variant == 0)
        r.push_back(pick(rng, 50, 53, 84, 88));
    else
        r.push_back(pick(rng, 45, 48, 82, 86));
    exitRoute(r, kBoard, overMouth, rng);
    return r;
}

const Pt kLuckyPocket[3][2] = {
    {kSidePocketLeft, kLowPocketLeft},
    {kSidePocketLeft, kLowPocketLeft},
    {kStartPocket, kStartPocket},
};

Path secondStagePath(int zone, int index, Lcg& rng, int& code)
{
    SecondStageSlot s(zone, index, kMirror);
    const bool stage = zone == kStageZoneLeft || zone == kStageZoneRight;
    Pt start = stage ? pt(g::kStageExit[zone - kStageZoneLeft]) : kBoard.entries[zone];
    s.aim(kBoard, !s.lucky ? nullptr : stage ? &kStartPocket : &kLuckyPocket[s.leftZone][s.half]);
    code = s.code;
    const int variants = stage ? 2 : 3;
    const int variant = (s.half * 3 + s.k - 1 + s.leftZone) % variants;
    return drawLowerPath(kBoard, s, start, [&](Lcg& rng) {
        bool overMouth = (s.k == 2 && s.leftZone != 0 && !(s.leftZone == 1 && variant == 1)) || rng.chance(35);
        if (stage)
            return stageExitRoute(s.lucky, variant, overMouth, rng);
        if (s.lucky)
            return luckyRoute(s.leftZone, s.leftPocket, rng);
        return lostRoute(s.leftZone, variant, overMouth, rng);
    }, rng);
}

Recipe no2Recipe()
{
    Recipe r;
    r.format = {"no2", MACHINE_NUMBER, 194};
    r.seed = 0x4E6F3032u;
    r.board = kBoard;
    r.firstStage = fieldFirstStage({-1, 0, 0, -1, -1, 1, 1, -1}); // the upper windmills over zones 1, 2 and 5, 6
    r.secondStage = secondStagePath;
    r.extraPaths = [] {
        return Table{
            {doorRun(g::kMouth, true), g::kCodePrizePocket, "door, right to left", Role::Door, 0},
            {doorRun(g::kMouth, false), g::kCodePrizePocket, "door, left to right over the V zone", Role::Door, 0},
        };
    };
    // the paths of zones 3 and 4 begin where a ball drops off the stage, not
    // at the zone's entry: they are checked as the model's own
    r.afterDrawing = [](Table& table) {
        for (int p = 128 + 8 * kStageZoneLeft; p < 128 + 8 * (kStageZoneRight + 1); p++) {
            table[size_t(p)].role = Role::Special;
            table[size_t(p)].note = "off the stage, " + table[size_t(p)].note;
        }
    };
    return r;
}

} // namespace

int main(int argc, char** argv) { return pathgenMain(argc, argv, no2Recipe()); }
