// artgen_no2: machine No.2's pictures and waves.
//
//   artgen_no2 <dir>            writes them into <dir>
//   artgen_no2 --check <dir>    draws them again and compares with <dir>
//   artgen_no2 --preview <dir>  writes preview_hall.bmp and the play views
//   artgen_no2 --paths <file>   writes the board with every ball path over it
//
// The output is committed under machines/no2/art/ (the resource list art.rc
// names the files no2/art/<id>.<ext>) and compiled into Qm4102. After
// changing this program or artkit, rewrite it with
//   cmake --build <native tree> --target no2_art
// and commit both; CTest's no2.ArtUpToDate runs the check. The engine
// pictures that name the machine (500, 511, 515) are drawn by artkit from
// the title below.
#include "machine_identity.h"
#include "no2_art.h"

int main(int argc, char** argv)
{
    return machineArtMain(argc, argv, "no2", {MACHINE_NUMBER, MACHINE_TITLE},
                          inTurn({makeBoard, makeReels, makeSounds}), boardWithPaths, no2Previews);
}
