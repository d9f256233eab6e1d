#include "hallcore/hall/clock.h"

#include <cstdint>
#include <cstdio>

BrokenDownTime clockNow;

int daysInYear(int64_t yearsSince1900)
{
    int64_t y = yearsSince1900 + 1900;
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return leap ? 366 : 365;
}

int32_t secondsBetween(const BrokenDownTime& a, const BrokenDownTime& b)
{
    if (b.year < a.year)
        return -1;

    // 64-bit throughout: the fields of a damaged file can be anything
    int64_t s = ((((int64_t)b.dayOfYear - a.dayOfYear) * 24 + ((int64_t)b.hour - a.hour)) * 60
                 + ((int64_t)b.minute - a.minute)) * 60
                + ((int64_t)b.second - a.second);

    // Each year boundary crossed adds the length of the year it leaves. More
    // than a century apart is a long absence whatever the other fields say.
    int64_t years = (int64_t)b.year - a.year;
    if (years > 100)
        return INT32_MAX;
    for (int64_t y = a.year; y < b.year; y++)
        s += (int64_t)daysInYear(y) * 86400;

    if (s > INT32_MAX)
        return INT32_MAX;
    if (s < INT32_MIN)
        return INT32_MIN;
    return (int32_t)s;
}

void formatMonthDay(const BrokenDownTime& t, char out[6])
{
    unsigned month = (unsigned)(t.month + 1) % 100u, day = (unsigned)t.dayOfMonth % 100u;
    std::snprintf(out, 6, "%02u/%02u", month, day);
}
