// What the play-screen tests of every model share: a fixture with the
// program's real pictures loaded and the sound switches kept, comparisons of
// the composed pixels, and the writer of the still states a person looks at
// (the <MODEL>_SCREENSHOTS folders).
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/gfx/sound.h"
#include "hallcore/machine/anim_clock.h"
#include "program_art.h"

// A picture as an 8-bit bottom-up BMP with the program palette; false when
// the file cannot be written.
inline bool writeStill(const Picture& p, const std::string& path)
{
    uint8_t table[1024];
    paletteColourTable(table);
    int stride = rowBytes(p.width);
    uint32_t pixels = (uint32_t)(stride * p.height), offset = 14 + 40 + 1024;
    std::vector<uint8_t> b(offset, 0);
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; i++)
            b[at + i] = (uint8_t)(v >> (8 * i));
    };
    b[0] = 'B', b[1] = 'M';
    put32(2, offset + pixels);
    put32(10, offset);
    put32(14, 40);
    put32(18, (uint32_t)p.width);
    put32(22, (uint32_t)p.height);
    b[26] = 1, b[28] = 8;
    put32(34, pixels);
    put32(46, 256);
    std::memcpy(b.data() + 54, table, 1024);
    for (int y = p.height - 1; y >= 0; y--) {
        const uint8_t* row = pixelRow(p, y);
        b.insert(b.end(), row, row + p.width);
        b.insert(b.end(), stride - p.width, 0);
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
    return true;
}

// A still state for looking at; a test fails when it cannot be written.
inline void writeBmp(const Picture& p, const std::string& path)
{
    EXPECT_TRUE(writeStill(p, path)) << path;
}

// The play screen of the model under test over its committed pictures: a
// model's fixture derives from it, sets up its machine `m` and composes the
// view with its own screen's calls. The sound switches are put back after
// each test.
class PlayScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setBitmapBackend(nullptr);
        ASSERT_TRUE(useProgramArt());
        ASSERT_TRUE(createArtwork());
        startAnimClock();
        savedSoundOn = soundOn;
        savedAvailable = soundAvailable;
    }
    void TearDown() override
    {
        releaseArtwork();
        setResourceLookup(nullptr);
        soundOn = savedSoundOn;
        soundAvailable = savedAvailable;
    }

    static int at(const Picture& p, int x, int y) { return pixelRow(p, y)[x]; }

    // Whether w x h at (x, y) of `a` equals the same at (sx, sy) of `b`.
    static bool same(const Picture& a, int x, int y, int w, int h, const Picture& b, int sx, int sy)
    {
        for (int r = 0; r < h; r++)
            if (std::memcmp(pixelRow(a, y + r) + x, pixelRow(b, sy + r) + sx, w) != 0)
                return false;
        return true;
    }

    // Whether the sprite's w x h at (sx, sy) shows at (x, y) of `view`:
    // every opaque pixel of it is there.
    static bool spriteShows(const Picture& view, int x, int y, int w, int h, const Sprite& s, int sx, int sy)
    {
        for (int r = 0; r < h; r++)
            for (int c = 0; c < w; c++)
                if (at(s.mask, sx + c, sy + r) == 0 && at(view, x + c, y + r) != at(s.image, sx + c, sy + r))
                    return false;
        return true;
    }

    MachineState m;

private:
    int savedSoundOn = 0, savedAvailable = 0;
};
