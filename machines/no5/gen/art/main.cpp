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
#include <algorithm>
#include <cstdlib>

#include "machine_identity.h"
#include "no5_art.h"

int main(int argc, char** argv)
{
    MachineArt art;
    art.model = "no5";
    art.name = {MACHINE_NUMBER, MACHINE_TITLE};
    art.make = [](ArtSet& out) {
        ArtSet parts;
        makeBoard(parts);
        makeReels(parts);
        makeDisplay(parts);
        makeSounds(parts);
        // art.rc lists the pictures in ascending id, then the waves
        std::stable_sort(parts.files.begin(), parts.files.end(), [](const OutputFile& a, const OutputFile& b) {
            bool aw = a.name.find(".wav") != std::string::npos, bw = b.name.find(".wav") != std::string::npos;
            if (aw != bw)
                return bw;
            return std::atoi(a.name.c_str()) < std::atoi(b.name.c_str());
        });
        out.files.insert(out.files.end(), parts.files.begin(), parts.files.end());
        out.problems.insert(out.problems.end(), parts.problems.begin(), parts.problems.end());
    };
    art.boardWithPaths = boardWithPaths;
    art.previews = no5Previews;
    return machineArtMain(argc, argv, art);
}
