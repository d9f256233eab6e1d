/* Resource ids shared by the five programs' resource scripts and the Win32
   layer (plain #defines: the resource compiler reads this file too). */
#pragma once

#define RES_ACCELERATORS 100
#define RES_ICON_LARGE 110
#define RES_ICON_SMALL 111

#define RES_MENU_STREET 301
#define RES_MENU_HALL 302
#define RES_MENU_PLAY 303
#define RES_POPUP_STREET 310
#define RES_POPUP_HALL 311
#define RES_POPUP_PLAY 312

#define RES_DIALOG_NOTICE 400

/* the string table's ids and the command ids */
#include "hallcore/players/string_ids.h"
#include "hallcore/shell/command_ids.h"

/* dialogs (the notice window is RES_DIALOG_NOTICE above) */
#define RES_DIALOG_PLAYERS 401      /* player list */
#define RES_DIALOG_REGISTER 402     /* registration */
#define RES_DIALOG_PLAYER_INFO 403  /* one player's record */
#define RES_DIALOG_SELECT 404       /* who enters the shop */
#define RES_DIALOG_HIGH_SCORES 405  /* the shop's five best */
#define RES_DIALOG_PURCHASE 406     /* buying balls */
#define RES_DIALOG_VERSION 407

/* dialog controls */
#define IDC_TEXT 1001               /* first of the static texts 1001.. */
#define IDC_NAME_EDIT 1101
#define IDC_PLAYER_LIST 1201
#define IDC_BUY_25 1301             /* 1301..1303: the three purchases */
#define IDC_BUY_125 1302
#define IDC_BUY_250 1303
#define IDC_NOTICE_SET 1501         /* notice window: set the text (lParam) */
/* the notice window's pacing, every 64 ticks, is CMD_NOTICE_PACING */
#define IDC_REGISTER 1503
#define IDC_QUERY 1504
#define IDC_DELETE 1505

