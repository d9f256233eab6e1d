// artkit: what every picture, icon and wave of the programs is drawn and
// synthesised with, and the programs that write them. The shared drawing
// helpers are in canvas.h and lamps.h, what the machines' boards share in
// board.h, the sound helpers in synth.h.
//
// Two kinds of program use it:
//  - artgen_engine (engine_main.cpp) writes the engine's own pictures and
//    the icons, the same in every program, to programs/art/ with the
//    resource list engine_art.rc (files named art/<id>.<ext>).
//  - artgen_<model> (machines/<model>/gen/art/) writes one machine's files
//    to machines/<model>/art/ with the resource list art.rc (files named
//    <model>/art/<id>.<ext>): the engine pictures that show the machine's
//    name (500, 511, 515, drawn here from the name it gives), the engine
//    pictures whose contents are the machine's (502, 520..524), and its
//    own pictures and waves.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "canvas.h"

struct OutputFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// What a run produces, with the checks every file must pass.
struct ArtSet {
    std::vector<OutputFile> files;
    std::vector<std::string> problems;

    // An 8-bit .bmp with the program palette as its 256-entry colour table.
    // Plain pictures never use the key colour; sprites use it only for
    // transparency.
    void picture(int id, const Canvas& c, bool sprite);
    // Mono 8-bit PCM at `rate`, samples 0..255 (128 is silence).
    void wave(int id, const std::vector<uint8_t>& samples, int rate = 11025);
    // An .ico holding the given square images, 8 bits per pixel; key pixels
    // are transparent.
    void icon(int id, const std::vector<Canvas>& images);
    void text(const std::string& name, const std::string& content);
};

// The pictures of a set by id, decoded again (for previews).
typedef std::map<int, Canvas> Pictures;
Pictures decodePictures(const ArtSet& art);

// Puts a view together from pictures: copy() takes the w x h piece at
// (sx, sy) of picture `id` to (x, y), sprite() leaves its key pixels out. A
// picture not among them gives nothing.
struct Composer {
    const Pictures& pictures;
    Canvas& target;

    const Canvas& at(int id) const;
    void copy(int x, int y, int w, int h, int id, int sx, int sy) { target.blit(at(id), sx, sy, w, h, x, y); }
    void sprite(int x, int y, int w, int h, int id, int sx, int sy) { target.blit(at(id), sx, sy, w, h, x, y, true); }
};

// ---------------------------------------------------------------- the engine's families

void makePanel(ArtSet& out);   // 503..508
void makeStreet(ArtSet& out);  // 501
void makeButtons(ArtSet& out); // 509, 510
void makeHall(ArtSet& out);    // 512..514, 516..519
void makeIcons(ArtSet& out);   // icons 110, 111
// All of them, in the order of engine_art.rc.
void makeEngineArt(ArtSet& out);

// ---------------------------------------------------------------- a machine's name on them

// What the engine's pictures say about the machine a program is.
struct MachineName {
    int number;        // MACHINE_NUMBER: "NO.3"
    std::string title; // MACHINE_TITLE: Latin capitals, one to nine of them
};

void makePanelFace(ArtSet& out, const MachineName& name); // 500: the panel with "NO.3 BRAVOLT" on its street face
void makeHallSigns(ArtSet& out, const MachineName& name); // 511: row ends spelling the title; 515: the top lamp
// 500, 511, 515.
void makeTitlePictures(ArtSet& out, const MachineName& name);

// The hall view around the second machine of a row, with customers and
// ball boxes, put together from the engine's pictures and a machine's
// (for looking at them together; the programs compose their screens
// themselves).
Canvas hallPreview(const Pictures& pictures);

// ---------------------------------------------------------------- the programs

// Pictures a machine program adds to --preview, by file name.
typedef std::vector<std::pair<std::string, Canvas>> Previews;

// A machine's families of files (its board, its display, its waves...)
// made one after the other.
typedef std::function<void(ArtSet&)> ArtFamily;
ArtFamily inTurn(const std::vector<ArtFamily>& families);
// The same, then the pictures put in ascending id and the waves after them,
// for an art.rc in id order.
ArtFamily inIdOrder(const std::vector<ArtFamily>& families);

// One machine's art program.
struct MachineArt {
    std::string model; // "no3"
    MachineName name;
    // The machine's files after the title pictures, in the order of its
    // art.rc: 502, 520..524, its own pictures (601...) and waves (701...).
    std::function<void(ArtSet&)> make;
    // --paths: the board with every ball path over it (may be empty).
    std::function<Canvas()> boardWithPaths;
    // --preview: the machine's own views, given every picture of the
    // engine and the machine (may be empty).
    std::function<Previews(const Pictures&)> previews;
};

//   artgen_<model> <dir>            writes every file into <dir>
//   artgen_<model> --check <dir>    draws them again and compares with <dir>
//   artgen_<model> --preview <dir>  writes preview_hall.bmp and the machine's previews
//   artgen_<model> --paths <file>   writes the board with every ball path over it
// Checked before anything is written or compared: no file made twice, every
// picture in the palette, the machine draws every picture the engine takes
// from it and none of the engine's own.
int machineArtMain(int argc, char** argv, const MachineArt& art);
// The same for the MachineArt of these.
int machineArtMain(int argc, char** argv, const std::string& model, const MachineName& name, const ArtFamily& make,
                   const std::function<Canvas()>& boardWithPaths,
                   const std::function<Previews(const Pictures&)>& previews);

//   artgen_engine <dir> | artgen_engine --check <dir>
int engineArtMain(int argc, char** argv);
