// The invariants of a five-line machine's ball path table, checked against
// a description the model's test writes out on its own (the zone list, the
// pockets, the door and the windmills as the rules state them), so a table
// and a geometry header that drifted together still fail.
#pragma once
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace five_line_path_checks {

struct Pt {
    int x, y;
    bool operator==(const Pt& o) const { return x == o.x && y == o.y; }
};
inline std::ostream& operator<<(std::ostream& os, const Pt& p) { return os << "(" << p.x << ", " << p.y << ")"; }

struct Rect {
    int x0, y0, x1, y1;
    bool has(Pt p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

struct Windmill {
    int stage; // 1 first-stage balls, 2 second-stage balls
    Rect away, towards;
    Rect box() const { return {away.x0, away.y0, towards.x1, towards.y1}; }
    bool hit(Pt p) const { return away.has(p) || towards.has(p); }
};

typedef const unsigned char (*Table)[32][2];

struct Expected {
    Table table;
    const char* zoneDigits;     // 128 digits
    Pt entry[8];                // first point of each zone's second stage
    bool ownStart[8];           // zones whose paths start elsewhere (a stage's exits)
    Pt ownStartAt[8];
    int luckyCode[8];           // outcome of a zone's lucky paths
    Pt startPocket;
    Pt prizePockets[4];
    int startCode;
    Windmill windmills[4];
    int catchX0, catchX1, catchRowA, catchRowB, doorBottomRow;
    int runRow;
    std::vector<Pt> leftward, rightward; // the door runs as the rules state them
    Rect reelWindow;            // no ball sprite over it (pixels)
};

enum { kPaths = 194, kEntries = 32, kEnd = 0xFF, kFirstStage = 128, kDoorLeftward = 192, kDoorRightward = 193 };

inline int endOf(Table t, int path)
{
    for (int i = 0; i < kEntries; i++)
        if (t[path][i][0] == kEnd)
            return i;
    return -1;
}
inline int outcomeOf(Table t, int path) { return t[path][endOf(t, path)][1]; }
inline std::vector<Pt> pointsOf(Table t, int path)
{
    std::vector<Pt> pts;
    for (int i = 0; i < kEntries && t[path][i][0] != kEnd; i++)
        pts.push_back({t[path][i][0], t[path][i][1]});
    return pts;
}

inline bool segmentMeets(Pt a, Pt b, const Rect& r)
{
    for (int k = 0; k <= 8; k++) {
        int x8 = 8 * a.x + (b.x - a.x) * k, y8 = 8 * a.y + (b.y - a.y) * k;
        if (x8 >= 8 * r.x0 && x8 <= 8 * r.x1 && y8 >= 8 * r.y0 && y8 <= 8 * r.y1)
            return true;
    }
    return false;
}

inline bool spriteOverlaps(Pt p, const Rect& px)
{
    int x = 4 * p.x - 2, y = 4 * p.y - 4;
    return x + 12 > px.x0 && x < px.x1 && y + 12 > px.y0 && y < px.y1;
}

inline void checkBlocks(const Expected& e)
{
    for (int p = 0; p < kPaths; p++) {
        int end = endOf(e.table, p);
        ASSERT_GE(end, 1) << "path " << p;
        EXPECT_LE(end, 30) << "path " << p;
        for (int i = end + 1; i < kEntries; i++)
            EXPECT_TRUE(e.table[p][i][0] == 0 && e.table[p][i][1] == 0) << "path " << p << " entry " << i;
        for (Pt q : pointsOf(e.table, p)) {
            EXPECT_TRUE(q.x >= 1 && q.x <= 119 && q.y >= 1 && q.y <= 107) << "path " << p << " at " << q;
            int dx = q.x - 59, dy = q.y - 78; // under the rail arc
            EXPECT_LE(dx * dx + dy * dy, 73 * 73) << "path " << p << " at " << q;
        }
    }
}

inline void checkZonesAndOutcomes(const Expected& e)
{
    ASSERT_EQ(std::string(e.zoneDigits).size(), size_t(kFirstStage));
    for (int p = 0; p < kFirstStage; p++) {
        int zone = e.zoneDigits[p] - '0';
        EXPECT_EQ(outcomeOf(e.table, p), 8 * zone) << "path " << p;
        std::vector<Pt> pts = pointsOf(e.table, p);
        Pt first = pts.front(), last = pts.back(), entry = e.entry[zone];
        EXPECT_TRUE(first.x > 10 && first.x - 10 <= 9 && first.y < 25 && 25 - first.y <= 9) << "path " << p;
        EXPECT_TRUE(std::abs(last.x - entry.x) <= 4 && entry.y > last.y && entry.y - last.y <= 5)
            << "path " << p << " ends at " << last << ", zone " << zone << " at " << entry;
    }
    for (int p = kFirstStage; p < kDoorLeftward; p++) {
        int zone = (p - kFirstStage) / 8;
        std::vector<Pt> pts = pointsOf(e.table, p);
        EXPECT_EQ(pts.front(), e.ownStart[zone] ? e.ownStartAt[zone] : e.entry[zone]) << "path " << p;
        bool lucky = (p - kFirstStage) % 4 == 0;
        Pt last = pts.back();
        if (!lucky) {
            EXPECT_EQ(outcomeOf(e.table, p), 0) << "path " << p;
            EXPECT_GE(last.y, 100) << "path " << p << " is lost at " << last;
            continue;
        }
        EXPECT_EQ(outcomeOf(e.table, p), e.luckyCode[zone]) << "path " << p;
        if (e.luckyCode[zone] == e.startCode) {
            EXPECT_EQ(last, e.startPocket) << "path " << p;
        } else {
            bool inPocket = false;
            for (Pt q : e.prizePockets)
                inPocket = inPocket || q == last;
            EXPECT_TRUE(inPocket) << "path " << p << " ends at " << last;
            EXPECT_EQ(last.x < 59, zone < 4) << "path " << p << ": a pocket on its own side";
        }
        // lost or lucky, no path runs through another pocket
        std::vector<Pt> pockets(e.prizePockets, e.prizePockets + 4);
        pockets.push_back(e.startPocket);
        for (Pt pocket : pockets)
            for (size_t i = 0; i + 1 < pts.size(); i++)
                EXPECT_FALSE(std::abs(pts[i].x - pocket.x) <= 2 && std::abs(pts[i].y - pocket.y) <= 2 &&
                             !(lucky && last == pocket))
                    << "path " << p << " runs through the pocket at " << pocket;
    }
}

inline void checkMotionAndWindow(const Expected& e)
{
    for (int p = 0; p < kPaths; p++) {
        std::vector<Pt> pts = pointsOf(e.table, p);
        bool first = p < kFirstStage;
        int maxDx = first ? 6 : 4, maxDy = first ? 6 : 5, maxRise = first ? 5 : 2;
        for (size_t i = 0; i < pts.size(); i++) {
            EXPECT_FALSE(spriteOverlaps(pts[i], e.reelWindow)) << "path " << p << " at " << pts[i];
            if (i == 0)
                continue;
            int dx = pts[i].x - pts[i - 1].x, dy = pts[i].y - pts[i - 1].y;
            EXPECT_TRUE(std::abs(dx) <= maxDx && std::abs(dy) <= maxDy && -dy <= maxRise)
                << "path " << p << " jumps from " << pts[i - 1] << " to " << pts[i];
        }
    }
}

inline void checkWindmills(const Expected& e)
{
    for (int w = 0; w < 4; w++) {
        const Windmill& mill = e.windmills[w];
        int away = 0, towards = 0;
        for (int p = 0; p < kDoorLeftward; p++) {
            bool firstStage = p < kFirstStage;
            std::vector<Pt> pts = pointsOf(e.table, p);
            for (size_t i = 0; i < pts.size(); i++) {
                Pt b = pts[i];
                if ((mill.stage == 1) != firstStage) {
                    EXPECT_FALSE(mill.box().has(b)) << "path " << p << " in the other stage's windmill " << w;
                    continue;
                }
                away += mill.away.has(b);
                towards += mill.towards.has(b);
                Pt a = i == 0 ? (firstStage ? Pt{10, 25} : b) : pts[i - 1];
                if (segmentMeets(a, b, mill.box())) {
                    EXPECT_TRUE(mill.hit(a) || mill.hit(b)) << "path " << p << " slips past windmill " << w << " at " << b;
                }
            }
        }
        EXPECT_GT(away, 0) << "windmill " << w;
        EXPECT_GT(towards, 0) << "windmill " << w;
    }
}

inline void checkDoor(const Expected& e)
{
    auto inMouth = [&](Pt q) { return q.x >= e.catchX0 && q.x <= e.catchX1 && (q.y == e.catchRowA || q.y == e.catchRowB); };
    int parity[2] = {0, 0};
    for (int p = kFirstStage; p < kDoorLeftward; p++) {
        std::vector<Pt> pts = pointsOf(e.table, p);
        for (size_t i = 0; i < pts.size(); i++) {
            Pt b = pts[i];
            if (inMouth(b)) {
                parity[b.x % 2]++;
                break; // an open door takes it here
            }
            bool overDoor = b.x >= e.catchX0 && b.x <= e.catchX1 && b.y >= e.catchRowA && b.y <= e.doorBottomRow;
            bool across = i > 0 && pts[i - 1].y < e.catchRowA && b.y > e.catchRowB &&
                          segmentMeets(pts[i - 1], b, {e.catchX0, e.catchRowA, e.catchX1, e.catchRowB});
            EXPECT_FALSE(overDoor || across) << "path " << p << " passes the door uncaught at " << b;
        }
    }
    EXPECT_GT(parity[0], 0); // even columns join the rightward run
    EXPECT_GT(parity[1], 0); // odd ones the leftward
    auto points = [&](int path) { return pointsOf(e.table, path); };
    EXPECT_EQ(points(kDoorLeftward), e.leftward);
    EXPECT_EQ(points(kDoorRightward), e.rightward);
    EXPECT_EQ(outcomeOf(e.table, kDoorLeftward), 15);
    EXPECT_EQ(outcomeOf(e.table, kDoorRightward), 15);
}

} // namespace five_line_path_checks
