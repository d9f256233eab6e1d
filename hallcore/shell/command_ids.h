/* Command ids: menus, popup menus, panel buttons, the accelerator and the
   events the hall delivers all arrive as these. Plain #defines, so the
   resource scripts' menus use the same names; the code uses the k names. */
#pragma once

#define CMD_HELP_KEY 40000          /* F1 */
#define CMD_NOTICE 40100            /* posted: fever announcement or no-balls notice */
#define CMD_FORCED_STOP 40101       /* posted: stand the active player up */
#define CMD_INSTALL_MENU 40102      /* posted once at the end of start-up */
#define CMD_SLOT_P1 40201           /* .. 40204 */
#define CMD_SLOT_P2 40202
#define CMD_SLOT_P3 40203
#define CMD_SLOT_P4 40204
#define CMD_DAY_SHOP 40301
#define CMD_NIGHT_SHOP 40302
#define CMD_ENTER_SHOP 40303
#define CMD_PLAYERS 40304
#define CMD_EXIT 40305
#define CMD_PREV_MACHINE 40306
#define CMD_NEXT_MACHINE 40307
#define CMD_TAKE_MACHINE 40308
#define CMD_RETURN_TO_MACHINE 40309
#define CMD_LEAVE_SHOP 40310
#define CMD_EXCHANGE 40311
#define CMD_TO_HALL 40312
#define CMD_STOP_PLAYING 40313
#define CMD_SOUND 40500
#define CMD_ANNOUNCE 40501
#define CMD_HIGH_SCORES 40600
#define CMD_HELP 40700
#define CMD_VERSION 40701
#define CMD_NOTICE_PACING 1502      /* to the notice window, every 64 ticks */

#ifdef __cplusplus
enum {
    kCmdHelpKey = CMD_HELP_KEY,
    kCmdNotice = CMD_NOTICE,
    kCmdForcedStop = CMD_FORCED_STOP,
    kCmdInstallMenu = CMD_INSTALL_MENU,
    kCmdSlotP1 = CMD_SLOT_P1,
    kCmdDayShop = CMD_DAY_SHOP,
    kCmdNightShop = CMD_NIGHT_SHOP,
    kCmdEnterShop = CMD_ENTER_SHOP,
    kCmdPlayers = CMD_PLAYERS,
    kCmdExit = CMD_EXIT,
    kCmdPrevMachine = CMD_PREV_MACHINE,
    kCmdNextMachine = CMD_NEXT_MACHINE,
    kCmdTakeMachine = CMD_TAKE_MACHINE,
    kCmdReturnToMachine = CMD_RETURN_TO_MACHINE,
    kCmdLeaveShop = CMD_LEAVE_SHOP,
    kCmdExchange = CMD_EXCHANGE,
    kCmdToHall = CMD_TO_HALL,
    kCmdStopPlaying = CMD_STOP_PLAYING,
    kCmdSound = CMD_SOUND,
    kCmdAnnounce = CMD_ANNOUNCE,
    kCmdHighScores = CMD_HIGH_SCORES,
    kCmdHelp = CMD_HELP,
    kCmdVersion = CMD_VERSION,
    kCmdNoticePacing = CMD_NOTICE_PACING,
};
#endif
