// Intervals for the simulated figures.
#pragma once
#include <cstdint>

// z of a two-sided 95% interval.
constexpr double kZ95 = 1.959963984540054;

struct Interval {
    double low, high;
    bool contains(double x) const { return x >= low && x <= high; }
};

// Wilson score interval of a share: k successes in n trials.
Interval wilsonInterval(int64_t k, int64_t n, double z = kZ95);

// A mean with its normal interval (many independent values).
struct MeanTally {
    int64_t n = 0;
    double sum = 0, sumSquares = 0;

    void add(double x)
    {
        n++;
        sum += x;
        sumSquares += x * x;
    }
    void merge(const MeanTally& o)
    {
        n += o.n;
        sum += o.sum;
        sumSquares += o.sumSquares;
    }
    double mean() const { return n > 0 ? sum / n : 0; }
    double halfWidth(double z = kZ95) const;
};

// A ratio of two sums (balls paid over balls fired) from batches, with the
// delta-method interval of a ratio estimator: the batches are taken as
// independent, so they should be long next to a fever.
struct RatioTally {
    int64_t batches = 0;
    double x = 0, y = 0;          // sums of denominators and numerators
    double xx = 0, yy = 0, xy = 0;

    void addBatch(double denominator, double numerator)
    {
        batches++;
        x += denominator;
        y += numerator;
        xx += denominator * denominator;
        yy += numerator * numerator;
        xy += denominator * numerator;
    }
    void merge(const RatioTally& o)
    {
        batches += o.batches;
        x += o.x;
        y += o.y;
        xx += o.xx;
        yy += o.yy;
        xy += o.xy;
    }
    double ratio() const { return x > 0 ? y / x : 0; }
    double halfWidth(double z = kZ95) const;
};
