// The files of an art set: 8-bit pictures in the program palette, waves and
// icons, byte for byte as the resource compiler takes them.
#include <cstdlib>
#include <string>

#include "artkit.h"
#include "hallcore/gfx/bitmap.h"

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

Pictures decodePictures(const ArtSet& art)
{
    Pictures pictures;
    for (const OutputFile& f : art.files) {
        if (f.name.size() <= 4 || f.name.substr(f.name.size() - 4) != ".bmp")
            continue;
        DibView v;
        if (!decodeDib(f.bytes.data(), f.bytes.size(), &v))
            continue;
        Canvas c(v.width, v.height);
        for (int y = 0; y < v.height; y++)
            for (int x = 0; x < v.width; x++)
                c.set(x, y, dibPixel(v, x, y));
        pictures[std::atoi(f.name.c_str())] = c;
    }
    return pictures;
}
