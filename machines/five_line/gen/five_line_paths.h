// What the five-line machines' path recipes share (header only, with
// pathkit): the board built from a model's geometry header, the door's two
// runs and the ways out at the bottom. A recipe gives its zones' routes.
#pragma once
#include "machines/five_line/five_line_board_types.h"
#include "pathkit.h"

namespace five_line_paths {

using namespace pathkit;

// The board of a geometry namespace G (no1board, no2board): a macro, since
// a namespace is no template argument.
#define FIVE_LINE_BOARD_OF(G, featureList) five_line_paths::makeBoard(                                  \
        five_line_paths::Geometry{G::kArcCentre, G::kArcRadius, G::kFieldRadius, G::kLeftEdge, G::kRightEdge, \
                                  G::kTopRow, G::kBottomRow, G::kRailEnd, G::kUpperWindmills,               \
                                  G::kLowerWindmills, G::kStartPocket, G::kPrizePockets,                    \
                                  {G::kOutHoleX0, G::kOutHoleY0, G::kOutHoleX1, G::kOutHoleY1}, G::kMouth,  \
                                  G::kDoorBottomRow, G::kEntry, G::kZoneDigits, G::kCodeLost,               \
                                  G::kCodeStartPocket, G::kCodePrizePocket},                                \
        featureList)

struct Geometry {
    five_line::BoardPoint arcCentre;
    int arcRadius, fieldRadius, leftEdge, rightEdge, topRow, bottomRow;
    five_line::BoardPoint railEnd;
    const five_line::WindmillZone* upper; // four zones: away and towards of each windmill
    const five_line::WindmillZone* lower;
    five_line::BoardPoint startPocket;
    const five_line::BoardPoint* prizePockets; // four
    Rect outHole;
    five_line::AttackerMouth mouth;
    int doorBottomRow;
    const five_line::BoardPoint* entries; // eight
    const char* zoneDigits;
    int lost, start, prize;
};

inline Board makeBoard(const Geometry& g, const std::vector<Rect>& features)
{
    Board b;
    b.arcCentre = pt(g.arcCentre);
    b.arcRadius = g.arcRadius;
    b.fieldRadius = g.fieldRadius;
    b.leftEdge = g.leftEdge;
    b.rightEdge = g.rightEdge;
    b.topRow = g.topRow;
    b.bottomRow = g.bottomRow;
    b.railEnd = pt(g.railEnd);
    b.features = features;
    // a windmill's box spans its two zones; the column between them is its axle
    for (int w = 0; w < 4; w++) {
        const five_line::WindmillZone* zones = w < 2 ? g.upper : g.lower;
        const five_line::WindmillZone& away = zones[(w % 2) * 2];
        const five_line::WindmillZone& towards = zones[(w % 2) * 2 + 1];
        b.windmills.push_back({{away.xMin, away.yMin, towards.xMax, towards.yMax}, away.xMax + 1, w < 2 ? 1 : 2});
    }
    b.startPocket = pt(g.startPocket);
    for (int i = 0; i < 4; i++)
        b.prizePockets.push_back(pt(g.prizePockets[i]));
    b.outHole = g.outHole;
    b.hasMouth = true;
    b.mouth = {g.mouth.catchX0, g.mouth.catchX1, g.mouth.catchRowA, g.mouth.catchRowB, g.doorBottomRow};
    for (int z = 0; z < 8; z++)
        b.entries.push_back(pt(g.entries[z]));
    b.zoneDigits = g.zoneDigits;
    b.codes = {g.lost, g.start, g.prize};
    b.firstStage = kFirstStageSteps;
    b.secondStage = kSecondStageSteps;
    return b;
}

// The door's runs: 192 from leftwardFrom down to leftwardTo in steps of 2,
// the last point included even off the step; 193 from rightwardFrom up.
inline Path doorRun(const five_line::AttackerMouth& m, bool leftward)
{
    const int to = leftward ? m.leftwardTo : m.rightwardTo; // rightward, the last points are the V zone
    Path p = rowRun(m.runRow, leftward ? m.leftwardFrom : m.rightwardFrom, to, 2);
    if (p.back().x != to)
        p.push_back({to, m.runRow});
    return p;
}

// The way out of the lower left: over the door's mouth (on one of its rows)
// or past its left end, into the hole under the bottom ornament.
inline void exitRoute(Path& r, const Board& b, bool overMouth, Lcg& rng)
{
    if (overMouth) {
        Pt m = {rng.range(b.mouth.x0 + 2, b.mouth.x0 + 11), rng.chance(50) ? b.mouth.upperRow : b.mouth.lowerRow};
        r.push_back(m);
        r.push_back({m.x + rng.range(2, 6), rng.range(b.outHole.y0, b.outHole.y1)});
    } else {
        r.push_back(pick(rng, b.mouth.x0 - 11, b.mouth.x0 - 7, b.mouth.bottomRow - 2, b.mouth.bottomRow));
        r.push_back(pick(rng, b.outHole.x0, b.outHole.x0 + 2, b.outHole.y0, b.outHole.y1));
    }
}

} // namespace five_line_paths
