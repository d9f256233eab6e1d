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

} // namespace pathchecks
