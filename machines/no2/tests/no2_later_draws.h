// The draws No.2's reach set-ups make after the spin's set-up, for the exact
// enumerations of its spin and odds tests: a losing reach's second set-up,
// one draw % 11 on both diagonals, else oneIn(8) (one draw % 8) and on its
// miss one draw % 13; the winning ones draw nothing.
#pragma once
#include <vector>

#include "machines/five_line/tests/five_line_testing.h"
#include "no2.h"
#include "no2_lottery.h"

inline std::vector<five_line_testing::DrawCase> no2LaterDraws(int outcome, int line)
{
    using namespace five_line_testing;
    static const std::vector<DrawCase> bothDiagonals = oneDrawCases(11), none = {{1, 1.0}};
    static const std::vector<DrawCase> other = [] {
        std::vector<DrawCase> c = {{seedForDraws(8, 0), drawShare(8, 0)}};
        for (int r = 0; r < 13; r++)
            c.push_back({seedForDraws(8, 1, 13, r), (1 - drawShare(8, 0)) * drawShare(13, r)});
        return c;
    }();
    if (outcome != kReachLose)
        return none;
    return line == kLineBothDiagonals ? bothDiagonals : other;
}
