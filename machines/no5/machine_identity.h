/* Machine No.5's names, given once. Plain #defines: the resource script,
   CMake, the art generator, the simulator and the test scripts read them. */
#pragma once

#define MACHINE_NUMBER 5
#define MACHINE_PROGRAM "Qm4105"
#define MACHINE_PROGRAM_TITLE "TAMAROW No.5" /* string 1, the caption of every box */
#define MACHINE_TITLE "ZANPORO"             /* string 2 */
#define MACHINE_HISTORY_LABEL MACHINE_TITLE /* what a visit is called in a player's history */
#define MACHINE_MAIN_CLASS "Qm4105Main" /* No.5 has a main class of its own */
#define MACHINE_SHOP_FILE "Qm4105.dat"
#define MACHINE_HELP_FILE "Qm4105.chm"
#define MACHINE_RECORD_BYTES 340 /* sizeof (MachineState): the shop file is 2 x (228 + 17 x this) bytes */
