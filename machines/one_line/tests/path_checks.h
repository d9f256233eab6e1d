// Reading a model's path table in its tests: points, ends and outcomes by
// path number, through the engine's accessor, and the geometry the checks
// share.
#pragma once
#include <cstdlib>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "hallcore/machine/ball_flight.h"

namespace pathchecks {

struct Pt {
    int x, y;
    bool operator==(const Pt& o) const { return x == o.x && y == o.y; }
};
inline std::ostream& operator<<(std::ostream& os, const Pt& p) { return os << "(" << p.x << ", " << p.y << ")"; }

// Index of the end mark, or -1 when the block has none.
inline int endOf(int path)
{
    for (int i = 0; i < kPathEntries; i++)
        if (modelPathEntry(path, i)[0] == kPathEnd)
            return i;
    return -1;
}

inline int outcomeOf(int path) { return modelPathEntry(path, endOf(path))[1]; }

inline std::vector<Pt> pointsOf(int path)
{
    std::vector<Pt> pts;
    for (int i = 0; i < kPathEntries && modelPathEntry(path, i)[0] != kPathEnd; i++)
        pts.push_back({modelPathEntry(path, i)[0], modelPathEntry(path, i)[1]});
    return pts;
}

struct Rect {
    int x0, y0, x1, y1;
    bool has(Pt p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

// Whether the segment a-b passes through r, sampled at eighths of the way.
inline bool segmentMeets(Pt a, Pt b, const Rect& r)
{
    for (int k = 0; k <= 8; k++) {
        int x8 = 8 * a.x + (b.x - a.x) * k, y8 = 8 * a.y + (b.y - a.y) * k;
        if (x8 >= 8 * r.x0 && x8 <= 8 * r.x1 && y8 >= 8 * r.y0 && y8 <= 8 * r.y1)
            return true;
    }
    return false;
}

// Whether some lower-board path (128..191) passes p, and on which; when
// `lost` only those that end in code 0.
inline int lowerBoardPathsThrough(Pt p, bool lost = false)
{
    int n = 0;
    for (int path = 128; path <= 191; path++) {
        if (lost && outcomeOf(path) != 0)
            continue;
        for (Pt q : pointsOf(path))
            if (q == p) {
                n++;
                break;
            }
    }
    return n;
}

// The block format: 32 entries, at most 30 points, zero after the end mark.
inline void expectBlockFormat(int paths)
{
    for (int p = 0; p < paths; p++) {
        int end = endOf(p);
        ASSERT_GE(end, 1) << "path " << p << " has no points or no end mark";
        EXPECT_LE(end, 30) << "path " << p;
        for (int i = end + 1; i < kPathEntries; i++) {
            EXPECT_EQ(modelPathEntry(p, i)[0], 0) << "path " << p << " entry " << i;
            EXPECT_EQ(modelPathEntry(p, i)[1], 0) << "path " << p << " entry " << i;
        }
    }
}

// Balls move a few units a step: faster along the rail arc, slower in the
// lower pins, where a ball bounces up off a pin by two units at most.
inline void expectShortSteps(int path)
{
    std::vector<Pt> pts = pointsOf(path);
    bool first = path < 128;
    int maxDx = first ? 6 : 4, maxDy = first ? 6 : 5, maxRise = first ? 5 : 2;
    for (size_t i = 1; i < pts.size(); i++) {
        int dx = pts[i].x - pts[i - 1].x, dy = pts[i].y - pts[i - 1].y;
        EXPECT_TRUE(std::abs(dx) <= maxDx && std::abs(dy) <= maxDy && -dy <= maxRise)
            << "path " << path << " jumps from " << pts[i - 1] << " to " << pts[i];
    }
}

// ---------------------------------------------------------------- a board's rules

struct Windmill {
    Rect away, towards;
    Rect box() const { return {away.x0, away.y0, towards.x1, towards.y1}; }
};

// What a model's table must agree with; the model's test fills it from its
// geometry header, with its own copy of the zone digits.
struct Board {
    const char* zoneDigits;
    Pt railEnd, arcCentre;
    int fieldRadius;
    Pt entries[8];
    Rect display, hole;
    std::vector<Pt> pockets;             // every pocket, the start pocket first
    int (*luckyCode)(int zone, int half); // outcome of a zone's lucky path: 0, 5 or 15
    std::vector<Windmill> windmills;
    int mouthX0, mouthX1, mouthUpper, mouthLower, doorBottom;
    int hiddenPath, hiddenPoints;        // a path that starts out of sight (-1: none)

    bool inMouth(Pt p) const { return p.x >= mouthX0 && p.x <= mouthX1 && (p.y == mouthUpper || p.y == mouthLower); }
};

enum { kFirstStageCount = 128, kOwnPathsFrom = 192, kTablePaths = 196 };

// A geometry header's point and box as the checks read them.
template <class Point>
Pt pt(const Point& p)
{
    return {p.x, p.y};
}
template <class Box>
Rect rect(const Box& b)
{
    return {b.x0, b.y0, b.x1, b.y1};
}

// A board's zone entries, pockets and windmills from its geometry header's tables.
template <class Entries, class Pockets, class Windmills>
void placeFromGeometry(Board& b, const Entries& entries, const Pockets& pockets, const Windmills& windmills)
{
    for (int z = 0; z < 8; z++)
        b.entries[z] = pt(entries[z]);
    for (const auto& p : pockets)
        b.pockets.push_back(pt(p.at));
    for (const auto& w : windmills)
        b.windmills.push_back({{w.awayXMin, w.yMin, w.awayXMax, w.yMax}, {w.towardsXMin, w.yMin, w.towardsXMax, w.yMax}});
}

// Every point shown inside the board, under the rail arc, round the display;
// steps of a few units.
inline void expectPointsOnTheBoard(const Board& b)
{
    for (int p = 0; p < kTablePaths; p++) {
        std::vector<Pt> pts = pointsOf(p);
        if (p == b.hiddenPath)
            pts.erase(pts.begin(), pts.begin() + b.hiddenPoints);
        for (size_t i = 0; i < pts.size(); i++) {
            Pt q = pts[i];
            EXPECT_TRUE(q.x >= 1 && q.x <= 119 && q.y >= 1 && q.y <= 107) << "path " << p << " at " << q;
            int dx = q.x - b.arcCentre.x, dy = q.y - b.arcCentre.y;
            EXPECT_LE(dx * dx + dy * dy, b.fieldRadius * b.fieldRadius) << "path " << p << " at " << q;
            EXPECT_FALSE(b.display.has(q)) << "path " << p << " at " << q;
            if (i > 0) {
                EXPECT_FALSE(segmentMeets(pts[i - 1], q, b.display)) << "path " << p << " to " << q;
            }
        }
        if (p != b.hiddenPath)
            expectShortSteps(p);
    }
}

// First-stage paths come off the rail and end a step above their zone's
// entry, with the zone's code.
inline void expectFirstStage(const Board& b, const char* headerDigits)
{
    for (int p = 0; p < kFirstStageCount; p++) {
        int zone = b.zoneDigits[p] - '0';
        EXPECT_EQ(b.zoneDigits[p], headerDigits[p]) << "path " << p;
        EXPECT_EQ(outcomeOf(p), 8 * zone) << "path " << p;
        std::vector<Pt> pts = pointsOf(p);
        Pt first = pts.front(), rail = b.railEnd;
        EXPECT_TRUE(first.x > rail.x && first.x - rail.x <= 9 && first.y < rail.y && rail.y - first.y <= 9)
            << "path " << p << " starts at " << first;
        Pt last = pts.back(), entry = b.entries[zone];
        EXPECT_TRUE(std::abs(last.x - entry.x) <= 4 && entry.y > last.y && entry.y - last.y <= 5)
            << "path " << p << " ends at " << last << ", zone " << zone << " begins at " << entry;
    }
}

// Second-stage paths start at their zone's entry; the lucky ones end in
// their pocket (the start pocket, or a prize pocket on the zone's own side),
// the others in the hole; none runs through a pocket it does not end in.
inline void expectSecondStage(const Board& b)
{
    for (int p = kFirstStageCount; p < kOwnPathsFrom; p++) {
        int zone = (p - kFirstStageCount) / 8, half = (p - kFirstStageCount) % 8 / 4;
        int code = (p - kFirstStageCount) % 4 == 0 ? b.luckyCode(zone, half) : 0;
        std::vector<Pt> pts = pointsOf(p);
        EXPECT_EQ(pts.front(), b.entries[zone]) << "path " << p;
        EXPECT_EQ(outcomeOf(p), code) << "path " << p;
        Pt last = pts.back();
        if (code == 0) {
            EXPECT_TRUE(b.hole.has(last)) << "path " << p << " is lost at " << last;
        } else if (code == 5) {
            EXPECT_EQ(last, b.pockets.front()) << "path " << p;
        } else {
            bool prize = false;
            for (size_t k = 1; k < b.pockets.size(); k++)
                prize = prize || b.pockets[k] == last;
            EXPECT_TRUE(prize) << "path " << p << " ends at " << last;
            EXPECT_EQ(last.x < 59, zone < 4) << "path " << p;
        }
        for (Pt q : b.pockets) {
            if (code != 0 && q == last)
                continue;
            for (Pt r : pts)
                EXPECT_FALSE(std::abs(r.x - q.x) <= 2 && std::abs(r.y - q.y) <= 2)
                    << "path " << p << " runs through the pocket at " << q;
        }
    }
}

// An open door catches every lower-board ball that gets over it: the ball
// is on a row of the mouth first. Returns the columns where balls are taken.
inline std::vector<int> expectTheMouthCatchesAll(const Board& b)
{
    std::vector<int> columns;
    const Rect rows = {b.mouthX0, b.mouthUpper, b.mouthX1, b.mouthLower};
    for (int p = kFirstStageCount; p < kOwnPathsFrom; p++) {
        std::vector<Pt> pts = pointsOf(p);
        for (size_t i = 0; i < pts.size(); i++) {
            Pt q = pts[i];
            if (b.inMouth(q)) {
                columns.push_back(q.x);
                break; // taken into the door here
            }
            bool overDoor = q.x >= b.mouthX0 && q.x <= b.mouthX1 && q.y >= b.mouthUpper && q.y <= b.doorBottom;
            bool across = i > 0 && pts[i - 1].y < b.mouthUpper && q.y > b.mouthLower && segmentMeets(pts[i - 1], q, rows);
            EXPECT_FALSE(overDoor || across) << "path " << p << " passes the door at " << q;
        }
    }
    return columns;
}

// Every windmill is turned both ways, and no ball crosses one without a
// point in its hit band.
inline void expectWindmills(const Board& b)
{
    for (size_t w = 0; w < b.windmills.size(); w++) {
        const Windmill& mill = b.windmills[w];
        int away = 0, towards = 0;
        for (int p = 0; p < kOwnPathsFrom; p++) {
            std::vector<Pt> pts = pointsOf(p);
            Pt before = p < kFirstStageCount ? b.railEnd : pts.front();
            for (size_t i = 0; i < pts.size(); i++) {
                Pt from = i == 0 ? before : pts[i - 1], to = pts[i];
                away += mill.away.has(to);
                towards += mill.towards.has(to);
                if (segmentMeets(from, to, mill.box())) {
                    bool hit = mill.away.has(from) || mill.towards.has(from) || mill.away.has(to) || mill.towards.has(to);
                    EXPECT_TRUE(hit) << "path " << p << " from " << from << " to " << to << " past windmill " << w;
                }
            }
        }
        EXPECT_GT(away, 0) << "windmill " << w;
        EXPECT_GT(towards, 0) << "windmill " << w;
    }
}

} // namespace pathchecks
