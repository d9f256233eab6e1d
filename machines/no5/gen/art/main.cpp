// artgen_no5: machine No.5's pictures and waves.
//
//   artgen_no5 <dir>            writes them into <dir>
//   artgen_no5 --check <dir>    draws them again and compares with <dir>
//   artgen_no5 --preview <dir>  writes preview_hall.bmp and preview_play.bmp
//   artgen_no5 --paths <file>   writes the board with every ball path over it
//
// The output is committed under machines/no5/art/ (the resource list art.rc
// names the files no5/art/<id>.<ext>) and compiled into Qm4105. After
// changing this program or artkit, rewrite it with
//   cmake --build <native tree> --target no5_art
// and commit both; CTest's no5.ArtUpToDate runs the check. The engine
// pictures that name the machine (500, 511, 515) are drawn by artkit from
// the title below.
#include "machine_identity.h"
#include "no5_art.h"

int main(int argc, char** argv)
{
    // the pictures in ascending id, as art.rc lists them, then the waves
    return machineArtMain(argc, argv, "no5", {MACHINE_NUMBER, MACHINE_TITLE},
                          inIdOrder({makeBoard, makeReels, makeDisplay, makeSounds}), boardWithPaths, no5Previews);
}
