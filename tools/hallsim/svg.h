// A few lines of SVG for the simulator's charts.
#pragma once
#include <cmath>
#include <string>

#include <cstdarg>
#include <cstdio>

// printf into a string.
inline std::string format(const char* f, ...)
{
    va_list args, again;
    va_start(args, f);
    va_copy(again, args);
    int n = std::vsnprintf(nullptr, 0, f, args);
    va_end(args);
    std::string out(n > 0 ? (size_t)n : 0, '\0');
    if (n > 0)
        std::vsnprintf(&out[0], (size_t)n + 1, f, again);
    va_end(again);
    return out;
}

struct Svg {
    std::string s;

    void add(const std::string& text) { s += text + "\n"; }
    void line(double x1, double y1, double x2, double y2, const char* style)
    {
        add(format("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" style=\"%s\"/>", x1, y1, x2, y2, style));
    }
    void rect(double x, double y, double w, double h, const char* style)
    {
        add(format("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" style=\"%s\"/>", x, y, w, h, style));
    }
    void text(double x, double y, const std::string& t, const char* anchor = "start", int size = 12,
              const char* extra = "")
    {
        add(format("<text x=\"%.1f\" y=\"%.1f\" font-size=\"%d\" text-anchor=\"%s\" %s>", x, y, size, anchor, extra)
            + t + "</text>");
    }
};


// A round step for an axis that spans `range` in about `ticks` steps.
inline double niceStep(double range, int ticks)
{
    double raw = range / ticks, p = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (raw <= m * p)
            return m * p;
    return 10 * p;
}
