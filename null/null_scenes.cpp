// Walks the active player slot into a scene through the user's own commands,
// for the tests and benchmarks that run whole ticks headless.
#include "hallcore/gfx/screens.h"
#include "hallcore/shell/command_ids.h"
#include "hallcore/shell/commands.h"
#include "hallcore/hall/player_slots.h"
#include "null/sys_null.h"

bool nullWalkToScene(int scene, int record)
{
    PlayerSlot& s = activePlayerSlot();
    if (scene == kSceneStreet)
        return s.scene == kSceneStreet;
    nullShellSelect(record);
    dispatchCommand(kCmdEnterShop, 0);
    if (s.scene != kSceneHall)
        return false;
    if (scene == kSceneHall)
        return true;
    for (int tries = 0; tries < 16 && s.scene != kScenePlaying; tries++) {
        dispatchCommand(kCmdTakeMachine, 0);
        if (s.scene != kScenePlaying)
            dispatchCommand(kCmdNextMachine, 0);
    }
    if (s.scene != kScenePlaying)
        return false;
    s.machine->balls = 3000; // as if bought
    s.machine->launchPower = 60;
    if (scene == kSceneHallKeeping)
        dispatchCommand(kCmdToHall, 0);
    return s.scene == scene;
}

void nullPaintScene()
{
    switch (activePlayerSlot().scene) {
    case kSceneStreet: paintStreet(); break;
    case kScenePlaying: paintPlay(); break;
    default: paintHall(); break;
    }
    paintPanel();
}
