// Command ids: menus, popup menus, panel buttons, the accelerator and the
// events the hall simulation posts all arrive as these.
#pragma once

enum {
    kCmdHelpKey = 40000,      // F1
    kCmdNotice = 40100,       // posted: fever announcement or no-balls notice
    kCmdForcedStop = 40101,   // posted: stand the active player up
    kCmdInstallMenu = 40102,  // posted once at the end of start-up
    kCmdSlotP1 = 40201,       // .. 40204
    kCmdDayShop = 40301,
    kCmdNightShop = 40302,
    kCmdEnterShop = 40303,
    kCmdPlayers = 40304,
    kCmdExit = 40305,
    kCmdPrevMachine = 40306,
    kCmdNextMachine = 40307,
    kCmdTakeMachine = 40308,
    kCmdReturnToMachine = 40309,
    kCmdLeaveShop = 40310,
    kCmdExchange = 40311,
    kCmdToHall = 40312,
    kCmdStopPlaying = 40313,
    kCmdSound = 40500,
    kCmdAnnounce = 40501,
    kCmdHighScores = 40600,
    kCmdHelp = 40700,
    kCmdVersion = 40701,
    kCmdNoticePacing = 1502,  // to the notice window, every 64 ticks
};
