// artgen_no4: machine No.4's pictures and waves.
//
//   artgen_no4 <dir>            writes them into <dir>
//   artgen_no4 --check <dir>    draws them again and compares with <dir>
//   artgen_no4 --preview <dir>  writes preview_hall.bmp and the play views
//   artgen_no4 --paths <file>   writes the board with every ball path over it
//
// The output is committed under machines/no4/art/ (the resource list art.rc
// names the files no4/art/<id>.<ext>) and compiled into Qm4104. After
// changing this program or artkit, rewrite it with
//   cmake --build <native tree> --target no4_art
// and commit both; CTest's no4.ArtUpToDate runs the check. The engine
// pictures that name the machine (500, 511, 515) are drawn by artkit from
// the title below.
#include "machine_identity.h"
#include "no4_art.h"

int main(int argc, char** argv)
{
    // the pictures in ascending id, as art.rc lists them, then the waves
    return machineArtMain(argc, argv, "no4", {MACHINE_NUMBER, MACHINE_TITLE},
                          inIdOrder({makeBoard, makeFairy, makeDisplay, makeSounds}), boardWithPaths, no4Previews);
}
