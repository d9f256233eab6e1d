/* The ids of the program's string table, shared by the resource scripts
   (plain #defines: the resource compiler reads this file) and the code. The
   players' refusals are the lowest users, so the table's ids live here. */
#pragma once

#define STR_TITLE 1                  /* program title, the caption of every message box */
#define STR_MACHINE_TITLE 2          /* also the history label of a visit */
#define STR_SHOP_FILE 3
#define STR_PLAYER_FILE 4
#define STR_RUNNING_ALONE 5          /* what a second program of the family shows */
#define STR_HELP_MISSING 6
#define STR_SAVE_FAILED 7            /* with the data folder; Retry or Cancel */
#define STR_DATA_FILE_SET_ASIDE 8    /* with the file name and the data folder */
#define STR_NO_FREE_PLAYER 9
#define STR_DAY_SHOP_HOURS 10
#define STR_NIGHT_SHOP_HOURS 11
#define STR_MACHINE_TAKEN 12
#define STR_NOT_ENOUGH_MONEY 13
#define STR_FEVER_START 14           /* with the machine number */
#define STR_NO_BALLS 15
#define STR_CLOSING_TIME 16
#define STR_STOP_QUESTION 17         /* with the player's name */
#define STR_CASH_OUT 18              /* name, balls, yen, balls kept */
#define STR_FAREWELL 19
#define STR_NO_RIGHT_TO_CONTINUE 20
#define STR_NAME_UNWRITABLE 21       /* a name Shift-JIS cannot hold */
/* 22..31 and 39: the family's spare texts, shown by no program today */
#define STR_BUY_BALLS 22
#define STR_SHOP_PREPARING 23
#define STR_OTHER_PLAYER_PLAYS 24
#define STR_EIGHT_PLAYERS 25
#define STR_ALL_PLAYERS_IN 26
#define STR_PRIZES_TODAY 27
#define STR_PRIZES_YESTERDAY 28
#define STR_PRIZES_DAY_BEFORE 29
#define STR_SPINS 30
#define STR_BALLS_HELD 31
#define STR_NAME_EXISTS 32
#define STR_NAME_EMPTY 33
#define STR_DELETE_PLAYER 34
#define STR_SLOT_P1 35               /* 35..38: "Ｐ１".."Ｐ４" */
#define STR_SLOT_P2 36
#define STR_SLOT_P3 37
#define STR_SLOT_P4 38
#define STR_BLANK_FIGURE 39
#define STR_NO_SLOT 40
#define STR_WIN 41
#define STR_LOSS 42
#define STR_HELP_FILE 43
#define STR_DATA_FILE_LEFT_ALONE 44  /* with the file name and the data folder */
