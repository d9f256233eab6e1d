// artgen_engine: the engine's own pictures and the icons, the same in every
// program.
//
//   artgen_engine <dir>            writes them into <dir>
//   artgen_engine --check <dir>    draws them again and compares with <dir>
//
// The output is committed under programs/art/ (the resource list
// engine_art.rc names the files art/<id>.<ext>). After changing artkit,
// rewrite it with
//   cmake --build <native tree> --target engine_art
// and commit both; CTest's engine.ArtUpToDate runs the check. The engine
// pictures that name the machine (500, 511, 515) and those whose contents
// are the machine's (502, 520..524) are each machine's program's
// (artgen_<model>).
#include "artkit.h"

int main(int argc, char** argv) { return engineArtMain(argc, argv); }
