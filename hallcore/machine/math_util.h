// Integer helpers of the simulation.
#pragma once

// Remainder in 0..n-1 for any sign of a (n > 0): strip and cell indexes
// walk down and must never go negative.
inline int wrapIndex(int a, int n)
{
    int r = a % n;
    return r < 0 ? r + n : r;
}
