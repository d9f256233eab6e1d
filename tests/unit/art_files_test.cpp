// The committed artwork and waves (the engine's in programs/art, the model's
// in machines/<model>/art) against what the program expects of them: every
// picture it loads at its documented size, 8 bits, 256 colours, only the 64
// colours of the palette, black at 0 and white at 255; the key colour only in
// sprites; every wave of the model's table RIFF PCM mono 8-bit at its rate
// and of about its length, the looped ones joining without a click; the
// resource scripts naming every file once.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/bitmap.h"
#include "hallcore/gfx/palette.h"
#include "null/sys_null.h"
#include "program_art.h"

namespace {

std::string artPath(const std::string& name) { return programArtPath(name); }

uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }
uint16_t le16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }

// Every picture the program loads: 500..502 first, then the table.
std::vector<ArtEntry> allPictures()
{
    std::vector<ArtEntry> all;
    for (int id : {500, 501, 502})
        all.push_back(*artworkEntry(id));
    all.push_back({508, 128, 246, false});
    for (int i = 0; i < artworkLoadCount(); i++)
        all.push_back(artworkLoadEntry(i));
    return all;
}

} // namespace

TEST(ArtFiles, EveryPictureHasItsSizeDepthAndPalette)
{
    for (const ArtEntry& e : allPictures()) {
        SCOPED_TRACE(e.id);
        std::vector<uint8_t> b = nullReadHostFile(artPath(std::to_string(e.id) + ".bmp"));
        DibView v;
        ASSERT_TRUE(decodeDib(b.data(), b.size(), &v));
        EXPECT_EQ(v.width, e.width);
        EXPECT_EQ(v.height, e.height);
        EXPECT_TRUE(v.bottomUp);
        EXPECT_EQ(le16(v.header + 14), 8);
        EXPECT_EQ(v.colours, 256);
        EXPECT_EQ(le32(b.data() + 2), b.size()) << "file size in the header";
        // The program palette's table in every picture: black 0, key 20, white 255.
        for (int i = 0; i < 256; i++) {
            PaletteColour c = paletteColour(i);
            const uint8_t* t = v.colourTable + 4 * i;
            ASSERT_EQ(t[0], c.blue) << i;
            ASSERT_EQ(t[1], c.green) << i;
            ASSERT_EQ(t[2], c.red) << i;
        }
        EXPECT_EQ(v.colourTable[0] + v.colourTable[1] + v.colourTable[2], 0);
        EXPECT_EQ(v.colourTable[4 * 255], 255);
        bool keySeen = false;
        for (int y = 0; y < v.height; y++)
            for (int x = 0; x < v.width; x++) {
                uint8_t p = dibPixel(v, x, y);
                ASSERT_TRUE(p < 32 || p >= 224) << "colour " << int(p) << " at " << x << "," << y;
                keySeen = keySeen || p == kPaletteKey;
            }
        if (e.sprite)
            EXPECT_TRUE(keySeen) << "a sprite with nothing transparent";
        else
            EXPECT_FALSE(keySeen) << "the key colour in a picture drawn without transparency";
    }
}

TEST(ArtFiles, PaletteSourceIsTheColourCube)
{
    std::vector<uint8_t> b = nullReadHostFile(artPath("500.bmp"));
    DibView v;
    ASSERT_TRUE(decodeDib(b.data(), b.size(), &v));
    const uint8_t levels[4] = {0, 128, 192, 255};
    for (int i = 0; i < 256; i++) {
        const uint8_t* t = v.colourTable + 4 * i;
        if (i >= 32 && i < 224) {
            EXPECT_EQ(t[0] | t[1] | t[2], 0) << i;
            continue;
        }
        int cube = i < 32 ? i : i - 192;
        EXPECT_EQ(t[2], levels[cube & 3]) << i;
        EXPECT_EQ(t[1], levels[(cube >> 2) & 3]) << i;
        EXPECT_EQ(t[0], levels[cube >> 4]) << i;
    }
}

TEST(ArtFiles, WavesArePcmMonoEightBitOfTheirLengths)
{
    ASSERT_GT(modelWaveCount(), 0);
    for (int k = 0; k < modelWaveCount(); k++) {
        const ModelWave& w = modelWave(k);
        SCOPED_TRACE(w.id);
        std::vector<uint8_t> b = nullReadHostFile(artPath(std::to_string(w.id) + ".wav"));
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
        EXPECT_EQ(le32(b.data() + 4), b.size() - 8);
        EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0);
        EXPECT_EQ(le32(b.data() + 16), 16u);
        EXPECT_EQ(le16(b.data() + 20), 1) << "PCM";
        EXPECT_EQ(le16(b.data() + 22), 1) << "mono";
        EXPECT_EQ(le32(b.data() + 24), (uint32_t)kWaveSampleRate);
        EXPECT_EQ(le32(b.data() + 28), (uint32_t)kWaveSampleRate);
        EXPECT_EQ(le16(b.data() + 32), 1);
        EXPECT_EQ(le16(b.data() + 34), 8);
        EXPECT_EQ(std::memcmp(b.data() + 36, "data", 4), 0);
        uint32_t n = le32(b.data() + 40);
        ASSERT_LE(44 + n, b.size());
        double seconds = w.tenths / 10.0;
        EXPECT_NEAR(n / (double)kWaveSampleRate, seconds, seconds * 0.05 + 0.01);
        // Not silent, and not clipped flat for long stretches.
        int loud = 0;
        for (uint32_t i = 0; i < n; i++)
            loud += std::abs(b[44 + i] - 128) > 20;
        EXPECT_GT(loud, (int)n / 50);
    }
}

TEST(ArtFiles, LoopedWavesJoinWithoutAClick)
{
    for (int k = 0; k < modelWaveCount(); k++) {
        if (!modelWave(k).looped)
            continue;
        SCOPED_TRACE(modelWave(k).id);
        std::vector<uint8_t> b = nullReadHostFile(artPath(std::to_string(modelWave(k).id) + ".wav"));
        ASSERT_GE(b.size(), 44u + 100);
        uint32_t n = le32(b.data() + 40);
        ASSERT_LE(44 + n, b.size());
        const uint8_t* s = b.data() + 44;
        // The join of the loop: last sample to first, no bigger than the steps
        // inside the music, and both ends at rest.
        EXPECT_LE(std::abs(s[n - 1] - s[0]), 3);
        EXPECT_LE(std::abs(s[0] - 128), 3);
        EXPECT_LE(std::abs(s[n - 1] - 128), 3);
    }
}

TEST(ArtFiles, ResourceScriptsNameEveryFileOnce)
{
    // The engine's shared files are named from programs/, the model's own
    // (the pictures that show its title, its board and its machine pictures
    // and waves) from machines/.
    std::vector<uint8_t> e = nullReadHostFile(TAMAROW_ENGINE_ART "/engine_art.rc"),
                         m = nullReadHostFile(TAMAROW_MODEL_ART "/art.rc");
    const std::string engine(e.begin(), e.end()), model(m.begin(), m.end());
    auto count = [](const std::string& text, const std::string& line) {
        size_t n = 0;
        for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
            n++;
        return n;
    };
    auto named = [&](int id, const char* type, const char* ext) {
        std::string file = std::to_string(id) + "." + ext;
        return count(engine, std::to_string(id) + " " + type + " \"art/" + file + "\"") +
               count(model, std::to_string(id) + " " + type + " \"" TAMAROW_MODEL "/art/" + file + "\"");
    };
    for (const ArtEntry& a : allPictures())
        EXPECT_EQ(named(a.id, "DIBITMAP", "bmp"), 1u) << a.id;
    for (int k = 0; k < modelWaveCount(); k++)
        EXPECT_EQ(count(model, std::to_string(modelWave(k).id) + " WAVE \"" TAMAROW_MODEL "/art/"), 1u)
            << modelWave(k).id;
    for (int id : {110, 111})
        EXPECT_EQ(count(engine, std::to_string(id) + " ICON \"art/" + std::to_string(id) + ".ico\""), 1u) << id;
}
