// artgen <dir>          writes every picture, icon and wave into <dir>
// artgen --check <dir>  draws them again and compares with the files in <dir>
// artgen --preview <dir> writes a hall view and a play view put together from
//                        the pictures by their documented layouts
// artgen --paths <file>  writes the board with every ball path over it
//
// The output is committed under programs/art/ and compiled into the programs
// by their resource scripts; a test runs the check so the committed files
// always are what this source draws.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

#include "artgen.h"

static void put16(std::vector<uint8_t>& b, uint32_t v)
{
    b.push_back((uint8_t)v);
    b.push_back((uint8_t)(v >> 8));
}
static void put32(std::vector<uint8_t>& b, uint32_t v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

static bool validIndex(uint8_t i) { return i < 32 || i >= 224; }

// Info header, colour table and rows (bottom-up) of an 8-bit picture;
// `heightField` is what the header says (an icon's is doubled).
static void dibBody(std::vector<uint8_t>& b, const Canvas& c, int heightField, uint32_t imageSize)
{
    put32(b, 40);
    put32(b, (uint32_t)c.w);
    put32(b, (uint32_t)heightField);
    put16(b, 1);
    put16(b, 8);
    put32(b, 0);
    put32(b, imageSize);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0); // colours used: 0 = 256
    put32(b, 0);
    for (int i = 0; i < 256; i++) {
        PaletteColour p = paletteColour(i);
        b.push_back(p.blue);
        b.push_back(p.green);
        b.push_back(p.red);
        b.push_back(0);
    }
    int stride = (c.w + 3) & ~3;
    for (int y = c.h - 1; y >= 0; y--)
        for (int x = 0; x < stride; x++)
            b.push_back(x < c.w ? c.get(x, y) : 0);
}

void ArtSet::picture(int id, const Canvas& c, bool sprite)
{
    for (uint8_t p : c.px) {
        if (!validIndex(p)) {
            problems.push_back("picture " + std::to_string(id) + " uses a colour outside the palette");
            break;
        }
        if (p == col::key && !sprite) {
            problems.push_back("picture " + std::to_string(id) + " uses the key colour but is no sprite");
            break;
        }
    }
    int stride = (c.w + 3) & ~3;
    uint32_t image = (uint32_t)stride * c.h;
    std::vector<uint8_t> b = {'B', 'M'};
    put32(b, 14 + 40 + 1024 + image);
    put32(b, 0);
    put32(b, 14 + 40 + 1024);
    dibBody(b, c, c.h, image);
    files.push_back({std::to_string(id) + ".bmp", b});
}

void ArtSet::wave(int id, const std::vector<uint8_t>& s, int rate)
{
    std::vector<uint8_t> b = {'R', 'I', 'F', 'F'};
    put32(b, 36 + (uint32_t)s.size() + (s.size() & 1));
    for (char ch : std::string("WAVEfmt "))
        b.push_back((uint8_t)ch);
    put32(b, 16);
    put16(b, 1); // PCM
    put16(b, 1); // mono
    put32(b, (uint32_t)rate);
    put32(b, (uint32_t)rate); // bytes a second
    put16(b, 1);              // block align
    put16(b, 8);              // bits
    for (char ch : std::string("data"))
        b.push_back((uint8_t)ch);
    put32(b, (uint32_t)s.size());
    b.insert(b.end(), s.begin(), s.end());
    if (s.size() & 1)
        b.push_back(128);
    files.push_back({std::to_string(id) + ".wav", b});
}

void ArtSet::icon(int id, const std::vector<Canvas>& images)
{
    std::vector<uint8_t> b;
    put16(b, 0);
    put16(b, 1);
    put16(b, (uint32_t)images.size());
    std::vector<std::vector<uint8_t>> bodies;
    for (const Canvas& c : images) {
        std::vector<uint8_t> body;
        int stride = (c.w + 3) & ~3, maskStride = ((c.w + 31) / 32) * 4;
        uint32_t size = (uint32_t)(stride + maskStride) * c.h;
        Canvas colour = c;
        colour.recolour(col::key, col::black);
        dibBody(body, colour, 2 * c.h, size);
        for (int y = c.h - 1; y >= 0; y--)
            for (int x = 0; x < maskStride * 8; x += 8) {
                uint8_t m = 0;
                for (int k = 0; k < 8; k++)
                    if (x + k >= c.w || c.get(x + k, y) == col::key)
                        m |= (uint8_t)(0x80 >> k);
                body.push_back(m);
            }
        bodies.push_back(body);
    }
    uint32_t offset = 6 + 16 * (uint32_t)images.size();
    for (size_t i = 0; i < images.size(); i++) {
        b.push_back((uint8_t)images[i].w);
        b.push_back((uint8_t)images[i].h);
        b.push_back(0); // 256 colours
        b.push_back(0);
        put16(b, 1);
        put16(b, 8);
        put32(b, (uint32_t)bodies[i].size());
        put32(b, offset);
        offset += (uint32_t)bodies[i].size();
    }
    for (auto& body : bodies)
        b.insert(b.end(), body.begin(), body.end());
    files.push_back({std::to_string(id) + ".ico", b});
}

void ArtSet::text(const std::string& name, const std::string& content)
{
    files.push_back({name, std::vector<uint8_t>(content.begin(), content.end())});
}

// The resource script fragments that put the files into the programs.
static void resourceScripts(ArtSet& out)
{
    std::string engine = "// Generated by tools/artgen: the engine's artwork and the icons.\n";
    std::string no3 = "// Generated by tools/artgen: machine No.3's artwork and waves.\n";
    for (const OutputFile& f : out.files) {
        int id = std::atoi(f.name.c_str());
        std::string ext = f.name.substr(f.name.find('.') + 1);
        std::string line;
        if (ext == "bmp")
            line = std::to_string(id) + " DIBITMAP \"art/" + f.name + "\"\n";
        else if (ext == "wav")
            line = std::to_string(id) + " WAVE \"art/" + f.name + "\"\n";
        else if (ext == "ico")
            line = std::to_string(id) + " ICON \"art/" + f.name + "\"\n";
        else
            continue;
        // 502 and 520..524 are engine ids whose pictures are the machine's own.
        bool machine = id == 502 || (id >= 520 && id <= 524) || id >= 600;
        (machine && ext != "ico" ? no3 : engine) += line;
    }
    out.text("engine_art.rc", engine);
    out.text("no3_art.rc", no3);
}

static std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

Canvas boardWithPaths();
bool writePreviews(const ArtSet& art, const std::string& dir);

int main(int argc, char** argv)
{
    // artgen --paths <file.bmp>: the board with every ball path over it, for
    // checking that pins, pockets and windmills sit where the balls go.
    if (argc == 3 && std::strcmp(argv[1], "--paths") == 0) {
        ArtSet one;
        one.picture(0, boardWithPaths(), false);
        std::ofstream o(argv[2], std::ios::binary);
        o.write((const char*)one.files[0].bytes.data(), (std::streamsize)one.files[0].bytes.size());
        return o ? 0 : 1;
    }
    bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    bool preview = argc == 3 && std::strcmp(argv[1], "--preview") == 0;
    if (argc != 2 && !check && !preview) {
        std::fprintf(stderr, "usage: artgen <dir> | artgen --check <dir>\n");
        return 2;
    }
    std::string dir = argv[argc - 1];

    ArtSet art;
    makeIcons(art);
    makePanel(art);
    makeStreet(art);
    makeButtons(art);
    makeHall(art);
    makeBoard(art);
    makeDisplay(art);
    makeSounds(art);
    resourceScripts(art);

    std::set<std::string> names;
    for (const OutputFile& f : art.files)
        if (!names.insert(f.name).second)
            art.problems.push_back("made twice: " + f.name);
    for (const std::string& p : art.problems)
        std::fprintf(stderr, "artgen: %s\n", p.c_str());
    if (!art.problems.empty())
        return 1;
    if (preview)
        return writePreviews(art, dir) ? 0 : 1;

    int differing = 0;
    for (const OutputFile& f : art.files) {
        std::string path = dir + "/" + f.name;
        if (check) {
            if (readFile(path) != f.bytes) {
                std::fprintf(stderr, "artgen: %s differs from what the generator draws\n", path.c_str());
                differing++;
            }
        } else {
            std::ofstream o(path, std::ios::binary);
            o.write((const char*)f.bytes.data(), (std::streamsize)f.bytes.size());
            if (!o) {
                std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    }
    if (check) {
        std::printf("artgen: %zu files checked, %d differ\n", art.files.size(), differing);
        return differing ? 1 : 0;
    }
    std::printf("artgen: %zu files written to %s\n", art.files.size(), dir.c_str());
    return 0;
}
