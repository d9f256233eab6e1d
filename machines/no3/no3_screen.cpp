// Machine No.3's play screen.
#include "hallcore/gfx/artwork.h"
#include "hallcore/sys/sys_present.h"
#include "no3.h"

void modelPlayTick(MachineState&) {}

void modelPlayPaint(MachineState&)
{
    sysPresent(kWindowPlay, 0, 0, 480, 432, boardPicture(), 0, 0);
}
