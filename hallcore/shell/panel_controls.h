// The info panel's controls and which of them each scene shows. The window
// layer creates them with these ids and shows what panelControlShown says.
#pragma once
#include "hallcore/hall/player_slots.h"

enum {
    kControlShopSign = 5,   // "MiseBtn", the street's shop sign
    kControlPlayStrip = 6,  // "Tab", the play scene's strip: buttons or handle
    kButtonEnterShop = 7,
    kButtonPlayers = 8,
    kButtonExit = 9,
    kButtonPrevMachine = 10,
    kButtonNextMachine = 11,
    kButtonTakeMachine = 12,
    kButtonReturnToMachine = 13,
    kButtonLeaveShop = 14,
    kButtonExchange = 15,
    kButtonToHall = 16,
    kButtonStopPlaying = 17,
    kControlHandle = 18,    // "PlayBtn", the launch handle
    kControlHandleUp = 19,  // "UpBtn", inside the handle
    kControlHandleDown = 20, // "DownBtn"
    kControlHandlePause = 21, // "PauseBtn"
    kFirstPanelControl = kControlShopSign,
    kLastPanelControl = kControlHandle,
};

// Whether control `id` of the panel shows in the slot's scene (and, while
// playing, in its view of the strip: 0 the buttons, 1 the handle).
bool panelControlShown(int id, const PlayerSlot& s);

// The strip was clicked on one of its halves: the active slot's play view
// becomes `view`. Returns whether it changed (the controls then follow).
bool choosePlayView(int view);
