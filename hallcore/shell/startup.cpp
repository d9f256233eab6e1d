#include "hallcore/shell/startup.h"

#include "hallcore/hall/hall.h"
#include "hallcore/hall/shops.h"
#include "hallcore/machine/random.h"
#include "hallcore/players/data_files.h"
#include "hallcore/players/string_ids.h"
#include "hallcore/shell/options.h"
#include "hallcore/shell/tick.h"
#include "hallcore/sys/sys_shell.h"

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

void reportDataFiles()
{
    const int states[2] = {playerFileState, shopFileState};
    const char* names[2] = {kPlayerFileName, kShopFileName};
    for (int i = 0; i < 2; i++) {
        if (states[i] == kFileSetAside)
            sysTellDataFile(STR_DATA_FILE_SET_ASIDE, names[i]);
        else if (states[i] == kFileLeftAlone)
            sysTellDataFile(STR_DATA_FILE_LEFT_ALONE, names[i]);
    }
}

bool stopHall(bool mayAsk)
{
    shutdownBegun = 1;
    while (!saveData()) {
        if (!mayAsk || !sysAskRetrySave())
            return false;
    }
    return true;
}

int announceOn = 1;
