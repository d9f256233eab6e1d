#include "hallcore/players/data_files.h"

#include <cstring>

#include "hallcore/hall/shops.h"
#include "hallcore/machine/machine_step.h"

// Until the files are kept, every start is a fresh hall: new machines with a
// random setting and reserve, no high scores. openState, customerCount and
// lastOpenStamp stay zero; the clock check and the day set-up recompute them.
void loadData()
{
    for (int s = 0; s < kShopCount; s++) {
        for (int i = 0; i <= kSpareMachine; i++)
            resetMachine(s, i, kResetNew);
        std::memset(shops[s].highScores, 0, sizeof shops[s].highScores);
    }
}

void saveData() {}
