// artgen_no3: machine No.3's pictures and waves.
//
//   artgen_no3 <dir>            writes them into <dir>
//   artgen_no3 --check <dir>    draws them again and compares with <dir>
//   artgen_no3 --preview <dir>  writes preview_hall.bmp and preview_play.bmp
//   artgen_no3 --paths <file>   writes the board with every ball path over it
//
// The output is committed under machines/no3/art/ (the resource list art.rc
// names the files no3/art/<id>.<ext>) and compiled into Qm4103. After
// changing this program or artkit, rewrite it with
//   cmake --build <native tree> --target no3_art
// and commit both; CTest's no3.ArtUpToDate runs the check. The engine
// pictures that name the machine (500, 511, 515) are drawn by artkit from
// the title below.
#include "machine_identity.h"
#include "no3_art.h"

int main(int argc, char** argv)
{
    return machineArtMain(argc, argv, "no3", {MACHINE_NUMBER, MACHINE_TITLE},
                          inTurn({makeBoard, makeDisplay, makeSounds}), boardWithPaths, no3Previews);
}
