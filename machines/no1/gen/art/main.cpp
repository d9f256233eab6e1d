// artgen_no1: machine No.1's pictures and waves.
//
//   artgen_no1 <dir>            writes them into <dir>
//   artgen_no1 --check <dir>    draws them again and compares with <dir>
//   artgen_no1 --preview <dir>  writes preview_hall.bmp and the play views
//   artgen_no1 --paths <file>   writes the board with every ball path over it
//
// The output is committed under machines/no1/art/ (the resource list art.rc
// names the files no1/art/<id>.<ext>) and compiled into Qm4101. After
// changing this program or artkit, rewrite it with
//   cmake --build <native tree> --target no1_art
// and commit both; CTest's no1.ArtUpToDate runs the check. The engine
// pictures that name the machine (500, 511, 515) are drawn by artkit from
// the title below.
#include "machine_identity.h"
#include "no1_art.h"

int main(int argc, char** argv)
{
    return machineArtMain(argc, argv, "no1", {MACHINE_NUMBER, MACHINE_TITLE},
                          inTurn({makeBoard, makeDisplay, makeSounds}), boardWithPaths, no1Previews);
}
