// The art programs' driver: the command line, the checks of a whole set,
// the resource list, writing or comparing the files, the previews.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "artkit.h"

namespace {

// Pictures and icons the engine's program draws; no machine draws them.
bool engineOwns(int id)
{
    return id == 110 || id == 111 || id == 501 || (id >= 503 && id <= 510) || (id >= 512 && id <= 514) ||
           (id >= 516 && id <= 519);
}

// Engine pictures every machine's program must draw: the title pictures and
// those whose contents are the machine's.
const int kFromEveryMachine[] = {500, 502, 511, 515, 520, 521, 522, 523, 524};

int idOf(const OutputFile& f) { return std::atoi(f.name.c_str()); }
std::string extensionOf(const std::string& name)
{
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1);
}

// The resource list: one line per picture, wave and icon, in the order the
// files were made, each named `folder` + file name (relative to a folder on
// the resource compiler's include path).
std::string resourceList(const ArtSet& art, const std::string& heading, const std::string& folder)
{
    std::string list = heading + "\n";
    for (const OutputFile& f : art.files) {
        std::string ext = extensionOf(f.name), type;
        if (ext == "bmp")
            type = "DIBITMAP";
        else if (ext == "wav")
            type = "WAVE";
        else if (ext == "ico")
            type = "ICON";
        else
            continue;
        list += std::to_string(idOf(f)) + " " + type + " \"" + folder + f.name + "\"\n";
    }
    return list;
}

void checkNames(ArtSet& art)
{
    std::set<std::string> names;
    for (const OutputFile& f : art.files)
        if (!names.insert(f.name).second)
            art.problems.push_back("made twice: " + f.name);
}

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream o(path, std::ios::binary);
    o.write((const char*)bytes.data(), (std::streamsize)bytes.size());
    return bool(o);
}

// Writes the set into `dir`, or with `check` compares it with the files
// there; a file in `dir` of a kind the generators write that the set lacks
// is reported too (left over, or in the wrong folder).
int writeOrCheck(const char* program, const ArtSet& art, const std::string& dir, bool check)
{
    if (!check) {
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        for (const OutputFile& f : art.files)
            if (!writeFile(dir + "/" + f.name, f.bytes)) {
                std::fprintf(stderr, "%s: cannot write %s/%s\n", program, dir.c_str(), f.name.c_str());
                return 1;
            }
        std::printf("%s: %zu files written to %s\n", program, art.files.size(), dir.c_str());
        return 0;
    }
    int differing = 0, strays = 0;
    std::set<std::string> made;
    for (const OutputFile& f : art.files) {
        made.insert(f.name);
        std::string path = dir + "/" + f.name;
        if (readFile(path) != f.bytes) {
            std::fprintf(stderr, "%s: %s differs from what the generator draws\n", program, path.c_str());
            differing++;
        }
    }
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
        std::string name = e.path().filename().string(), ext = extensionOf(name);
        bool generated = ext == "bmp" || ext == "wav" || ext == "ico" || ext == "rc";
        if (generated && !made.count(name)) {
            std::fprintf(stderr, "%s: %s/%s is not drawn by this program\n", program, dir.c_str(), name.c_str());
            strays++;
        }
    }
    if (ec) {
        std::fprintf(stderr, "%s: cannot read %s\n", program, dir.c_str());
        return 1;
    }
    std::printf("%s: %zu files checked, %d differ, %d not ours\n", program, art.files.size(), differing, strays);
    return differing || strays ? 1 : 0;
}

bool reportProblems(const char* program, const ArtSet& art)
{
    for (const std::string& p : art.problems)
        std::fprintf(stderr, "%s: %s\n", program, p.c_str());
    return !art.problems.empty();
}

// One picture written alone, with the program palette.
bool writePicture(const std::string& path, const Canvas& c)
{
    ArtSet one;
    one.picture(0, c, false);
    return writeFile(path, one.files[0].bytes);
}

} // namespace

void makeEngineArt(ArtSet& out)
{
    makeIcons(out);
    makePanel(out);
    makeStreet(out);
    makeButtons(out);
    makeHall(out);
}

ArtFamily inTurn(const std::vector<ArtFamily>& families)
{
    return [families](ArtSet& out) {
        for (const ArtFamily& f : families)
            f(out);
    };
}

ArtFamily inIdOrder(const std::vector<ArtFamily>& families)
{
    return [families](ArtSet& out) {
        ArtSet parts;
        for (const ArtFamily& f : families)
            f(parts);
        std::stable_sort(parts.files.begin(), parts.files.end(), [](const OutputFile& a, const OutputFile& b) {
            bool aw = extensionOf(a.name) == "wav", bw = extensionOf(b.name) == "wav";
            if (aw != bw)
                return bw;
            return idOf(a) < idOf(b);
        });
        out.files.insert(out.files.end(), parts.files.begin(), parts.files.end());
        out.problems.insert(out.problems.end(), parts.problems.begin(), parts.problems.end());
    };
}

void makeTitlePictures(ArtSet& out, const MachineName& name)
{
    if (name.title.empty() || name.title.size() > 9 || !textGlyphsKnown(name.title))
        out.problems.push_back("title \"" + name.title + "\" is not one to nine letters of the picture font");
    makePanelFace(out, name);
    makeHallSigns(out, name);
}

int engineArtMain(int argc, char** argv)
{
    const char* program = "artgen_engine";
    bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s <dir> | %s --check <dir>\n"
                             "(--preview and --paths are a machine's: artgen_<model>)\n",
                     program, program);
        return 2;
    }
    ArtSet art;
    makeEngineArt(art);
    for (const OutputFile& f : art.files)
        if (!engineOwns(idOf(f)))
            art.problems.push_back(f.name + " is a machine's picture, not the engine's");
    const std::string heading = "// Generated by tools/artgen: the engine's artwork and the icons.";
    art.text("engine_art.rc", resourceList(art, heading, "art/"));
    checkNames(art);
    if (reportProblems(program, art))
        return 1;
    return writeOrCheck(program, art, argv[argc - 1], check);
}

int machineArtMain(int argc, char** argv, const std::string& model, const MachineName& name, const ArtFamily& make,
                   const std::function<Canvas()>& boardWithPaths,
                   const std::function<Previews(const Pictures&)>& previews)
{
    MachineArt art;
    art.model = model;
    art.name = name;
    art.make = make;
    art.boardWithPaths = boardWithPaths;
    art.previews = previews;
    return machineArtMain(argc, argv, art);
}

int machineArtMain(int argc, char** argv, const MachineArt& machine)
{
    const std::string name = "artgen_" + machine.model;
    const char* program = name.c_str();
    bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    bool preview = argc == 3 && std::strcmp(argv[1], "--preview") == 0;
    bool paths = argc == 3 && std::strcmp(argv[1], "--paths") == 0;
    if (argc != 2 && !check && !preview && !paths) {
        std::fprintf(stderr, "usage: %s <dir> | --check <dir> | --preview <dir> | --paths <file.bmp>\n", program);
        return 2;
    }
    const std::string target = argv[argc - 1];

    // --paths: for checking that pins, pockets and windmills sit where the
    // balls go.
    if (paths) {
        if (!machine.boardWithPaths) {
            std::fprintf(stderr, "%s: no board with paths\n", program);
            return 2;
        }
        return writePicture(target, machine.boardWithPaths()) ? 0 : 1;
    }

    ArtSet art;
    makeTitlePictures(art, machine.name);
    machine.make(art);
    std::set<int> ids;
    for (const OutputFile& f : art.files) {
        ids.insert(idOf(f));
        if (engineOwns(idOf(f)))
            art.problems.push_back(f.name + " is the engine's (artgen_engine draws it)");
    }
    for (int id : kFromEveryMachine)
        if (!ids.count(id))
            art.problems.push_back("picture " + std::to_string(id) + " is missing: every machine draws it");
    art.text("art.rc", resourceList(art,
                                    "// Generated by tools/artgen: machine No." + std::to_string(machine.name.number) +
                                        "'s artwork and waves.",
                                    machine.model + "/art/"));
    checkNames(art);
    if (reportProblems(program, art))
        return 1;

    if (preview) {
        ArtSet engine;
        makeEngineArt(engine);
        Pictures pictures = decodePictures(engine);
        for (auto& p : decodePictures(art))
            pictures[p.first] = p.second;
        Previews views = {{"preview_hall.bmp", hallPreview(pictures)}};
        if (machine.previews)
            for (auto& v : machine.previews(pictures))
                views.push_back(v);
        for (auto& v : views)
            if (!writePicture(target + "/" + v.first, v.second)) {
                std::fprintf(stderr, "%s: cannot write %s/%s\n", program, target.c_str(), v.first.c_str());
                return 1;
            }
        return 0;
    }
    return writeOrCheck(program, art, target, check);
}
