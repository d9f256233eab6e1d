// Wall-clock time as the hall sees it.
#pragma once
#include <cstdint>

// The C library's broken-down local time, stored raw (36 bytes) in the shop file.
struct BrokenDownTime {
    int32_t second;     // 0..59
    int32_t minute;     // 0..59
    int32_t hour;       // 0..23
    int32_t dayOfMonth; // 1..31
    int32_t month;      // 0..11
    int32_t year;       // years since 1900
    int32_t weekday;    // 0..6, Sunday 0
    int32_t dayOfYear;  // 0..365
    int32_t isDst;      // daylight-saving flag
};
static_assert(sizeof(BrokenDownTime) == 36, "stored raw in the shop file");

// The local time as of the last new minute the clock check saw.
extern BrokenDownTime clockNow;

// Seconds from earlier to later, by day of year, hour, minute and second.
// -1 when later lies in an earlier year. Wild stamps (a damaged or foreign
// file) saturate instead of overflowing.
int32_t secondsBetween(const BrokenDownTime& earlier, const BrokenDownTime& later);

// "MM/DD" (month 1..12) of a time, for the visit and high-score dates.
void formatMonthDay(const BrokenDownTime& t, char out[6]);

// Days in the calendar year (years since 1900).
int daysInYear(int64_t yearsSince1900);
