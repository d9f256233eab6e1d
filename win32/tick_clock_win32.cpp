// The multimedia tick clock: 25 ms, or the timer's minimum period if larger.
// Its callback runs on the timer's own thread and only posts the tick.
#include "hallcore/machine/anim_clock.h"
#include "hallcore/shell/tick.h"
#include "win32/win32_app.h"

#include <mmsystem.h>

static UINT timerId;
static UINT timerPeriod;

static void CALLBACK tickCallback(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR)
{
    if (!tickClaim()) {
        // The last tick is still waiting: drop this one. A tick message
        // can be lost (seen under Wine while a message box runs its own
        // loop); if none has been handled for a second, post another one.
        if (tickWaitTooLong(40))
            PostMessageW(mainWindow, WM_USER, 0, 0);
        return;
    }
    if (!PostMessageW(mainWindow, WM_USER, 0, 0))
        tickRelease(); // nothing will handle it, so the next tick may go
}

bool startTickClock()
{
    TIMECAPS caps;
    if (timeGetDevCaps(&caps, sizeof caps) != TIMERR_NOERROR)
        caps.wPeriodMin = 1;
    timerPeriod = caps.wPeriodMin;
    timeBeginPeriod(timerPeriod);
    startAnimClock();
    UINT delay = timerPeriod > 25 ? timerPeriod : 25;
    timerId = timeSetEvent(delay, timerPeriod, tickCallback, 0, TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    if (!timerId)
        timeEndPeriod(timerPeriod); // stopTickClock will have nothing to end
    return timerId != 0;
}

void stopTickClock()
{
    if (!timerId)
        return;
    timeKillEvent(timerId);
    timerId = 0;
    timeEndPeriod(timerPeriod);
}
