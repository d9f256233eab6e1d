// The core's platform services on Windows.
#include "hallcore/shell/command_ids.h"
#include "hallcore/sys/sys_events.h"
#include "hallcore/sys/sys_time.h"
#include "win32/win32_app.h"

void sysLocalTime(BrokenDownTime& out)
{
    static const int daysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    SYSTEMTIME st;
    GetLocalTime(&st);
    out.second = st.wSecond;
    out.minute = st.wMinute;
    out.hour = st.wHour;
    out.dayOfMonth = st.wDay;
    out.month = st.wMonth - 1;
    out.year = st.wYear - 1900;
    out.weekday = st.wDayOfWeek;
    out.dayOfYear = daysBefore[(st.wMonth - 1) % 12] + st.wDay - 1
                    + (st.wMonth > 2 && daysInYear(out.year) == 366);
    TIME_ZONE_INFORMATION tz;
    out.isDst = GetTimeZoneInformation(&tz) == TIME_ZONE_ID_DAYLIGHT;
}

uint32_t sysSeedSeconds()
{
    // seconds since 1970 from the system's 100 ns file time
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER t;
    t.LowPart = ft.dwLowDateTime;
    t.HighPart = ft.dwHighDateTime;
    return (uint32_t)(t.QuadPart / 10000000ULL - 11644473600ULL);
}

void sysPostCommand(int command, int32_t lParam)
{
    PostMessageW(mainWindow, WM_COMMAND, (WPARAM)command, (LPARAM)lParam);
}

void sysPostNoticePacing()
{
    if (noticeWindow)
        PostMessageW(noticeWindow, WM_COMMAND, kCmdNoticePacing, 0);
}
