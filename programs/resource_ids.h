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

/* string table */
#define STR_TITLE 1          /* program title, the caption of every message box */
#define STR_MACHINE_TITLE 2
#define STR_SHOP_FILE 3
#define STR_PLAYER_FILE 4
#define STR_RUNNING_ALONE 5  /* what a second program of the family shows */
#define STR_HELP_FILE 43

/* commands used in resources (the full table is hallcore/shell/command_ids.h) */
#define CMD_HELP_KEY 40000
