#include "hallcore/shell/startup.h"

#include "hallcore/hall/hall.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/random.h"
#include "hallcore/players/data_files.h"
#include "hallcore/shell/options.h"
#include "hallcore/shell/tick.h"

void forgetClockMinute()
{
    clockNow.minute = 60; // no clock reading has this minute
}

void startHall(uint32_t seedSeconds)
{
    seedRandom(seedSeconds);
    loadData();
    updateShopHours();
    daySetUp();
}

void stopHall()
{
    shutdownBegun = 1;
    saveData();
}

int soundAvailable = 0;
int soundOn = 0;
int announceOn = 1;
