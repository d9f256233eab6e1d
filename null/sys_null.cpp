#include "null/sys_null.h"

#include "hallcore/sys/sys_events.h"
#include "hallcore/sys/sys_sound.h"
#include "hallcore/sys/sys_time.h"

static BrokenDownTime fakeNow = makeLocalTime(2026, 12, 8, 12, 0, 0);
static PostedCommand posted[64];
static int postedCount;
static int pacingCount;

BrokenDownTime makeLocalTime(int year, int month, int day, int hour, int minute, int second)
{
    static const int daysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    BrokenDownTime t{};
    t.second = second;
    t.minute = minute;
    t.hour = hour;
    t.dayOfMonth = day;
    t.month = month - 1;
    t.year = year - 1900;
    t.dayOfYear = daysBefore[month - 1] + day - 1 + (month > 2 && daysInYear(t.year) == 366);
    // Zeller-like count from 1 Jan 1900, a Monday
    int64_t days = 0;
    for (int y = 0; y < t.year; y++)
        days += daysInYear(y);
    days += t.dayOfYear;
    t.weekday = (int)((days + 1) % 7);
    return t;
}

void nullSetLocalTime(const BrokenDownTime& t) { fakeNow = t; }

void sysLocalTime(BrokenDownTime& out) { out = fakeNow; }

uint32_t sysSeedSeconds() { return 1; }

void (*nullSoundHook)(int waveId, uint32_t flags) = nullptr;

void sysPlaySound(int waveId, uint32_t flags)
{
    if (nullSoundHook)
        nullSoundHook(waveId, flags);
}

void sysPostCommand(int command, int32_t lParam)
{
    if (postedCount < 64)
        posted[postedCount] = {command, lParam};
    postedCount++;
}

void sysPostNoticePacing() { pacingCount++; }

int nullPostedCount() { return postedCount; }
PostedCommand nullPosted(int i) { return posted[i]; }
int nullNoticePacingCount() { return pacingCount; }
void nullClearPosted()
{
    postedCount = 0;
    pacingCount = 0;
}
