// The art generator: every picture, icon and wave of the programs, drawn
// and synthesised from code. One file per family of pictures; the shared
// drawing helpers are in canvas.h, the sound helpers in synth.h.
#pragma once
#include <cstdint>
#include <string>
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

// The families.
void makePanel(ArtSet& out);    // 500, 503..508
void makeStreet(ArtSet& out);   // 501
void makeHall(ArtSet& out);     // 511..519
void makeButtons(ArtSet& out);  // 509, 510
void makeBoard(ArtSet& out);    // 502, 520..524, 601, 602
void makeDisplay(ArtSet& out);  // 603..610
void makeIcons(ArtSet& out);    // icons 110, 111
void makeSounds(ArtSet& out);   // waves 701..708
