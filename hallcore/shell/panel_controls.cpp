#include "hallcore/shell/panel_controls.h"

bool panelControlShown(int id, const PlayerSlot& s)
{
    switch (s.scene) {
    case kSceneStreet:
        return id == kControlShopSign || id == kButtonEnterShop || id == kButtonPlayers || id == kButtonExit;
    case kSceneHall:
        return id == kButtonPrevMachine || id == kButtonNextMachine || id == kButtonTakeMachine
               || id == kButtonPlayers || id == kButtonLeaveShop;
    case kSceneHallKeeping:
        return id == kButtonPrevMachine || id == kButtonNextMachine || id == kButtonReturnToMachine
               || id == kButtonPlayers;
    case kScenePlaying:
        if (id == kControlPlayStrip)
            return true;
        if (s.playView == 1)
            return id == kControlHandle;
        return id == kButtonExchange || id == kButtonToHall || id == kButtonPlayers || id == kButtonStopPlaying;
    default:
        return false;
    }
}

bool choosePlayView(int view)
{
    PlayerSlot& s = activePlayerSlot();
    if (s.playView == view)
        return false;
    s.playView = view;
    return true;
}
