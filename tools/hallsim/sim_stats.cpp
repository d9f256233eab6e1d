#include "tools/hallsim/sim_stats.h"

#include <algorithm>
#include <cmath>

Interval wilsonInterval(int64_t k, int64_t n, double z)
{
    if (n <= 0)
        return {0, 1};
    double p = (double)k / n, z2 = z * z, nn = (double)n;
    double centre = (p + z2 / (2 * nn)) / (1 + z2 / nn);
    double half = z / (1 + z2 / nn) * std::sqrt(p * (1 - p) / nn + z2 / (4 * nn * nn));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

double MeanTally::halfWidth(double z) const
{
    if (n < 2)
        return 0;
    double m = mean();
    double variance = std::max(0.0, (sumSquares - n * m * m) / (n - 1));
    return z * std::sqrt(variance / n);
}

double RatioTally::halfWidth(double z) const
{
    if (batches < 2 || x <= 0)
        return 0;
    double r = ratio();
    // spread of the residuals y - r x of the batches
    double residuals = std::max(0.0, yy - 2 * r * xy + r * r * xx);
    double n = (double)batches;
    return z * std::sqrt(residuals * n / (n - 1)) / x;
}
