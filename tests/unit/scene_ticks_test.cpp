// Whole ticks of the program in each scene, on the null platform with the
// real pictures: once the program runs no tick allocates from the heap, and
// a seeded hall after a fixed number of ticks composes the same play and
// hall frames as the recorded ones (tests/unit/golden/*_frame.bmp, the scene
// and the info panel side by side). Rewrite those only on purpose, with
// TAMAROW_UPDATE_GOLDEN=1; a frame that differs is written beside the test
// program as <name>.actual.bmp for a person to compare.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "golden.h"
#include "program_fixture.h"
#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/players/registry.h"
#include "hallcore/shell/commands.h"
#include "heap_count.h"

namespace {

const char* const kSceneNames[] = {"street", "hall", "play", "hall keeping"};

class SceneTicks : public ProgramTest {
protected:
    static PlayerSlot& slot() { return activePlayerSlot(); }

    static void toScene(int scene) { ASSERT_TRUE(nullWalkToScene(scene, 0)) << kSceneNames[scene]; }
    static void paintScene() { nullPaintScene(); }

    static void ticks(int n)
    {
        for (int i = 0; i < n; i++)
            onTick();
    }
};

// The scene and the panel side by side, 608 x 432.
std::vector<uint8_t> composedFrame()
{
    std::vector<uint8_t> frame((size_t)608 * 432);
    for (int y = 0; y < 432; y++) {
        std::memcpy(&frame[(size_t)y * 608], pixelRow(sceneSurface, y), 480);
        std::memcpy(&frame[(size_t)y * 608 + 480], pixelRow(panelSurface, y), 128);
    }
    return frame;
}

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; i++)
        b[at + i] = (uint8_t)(v >> (8 * i));
}

// An 8-bit bottom-up BMP with the program palette.
void writeFrame(const std::string& path, const std::vector<uint8_t>& frame)
{
    const size_t headers = 14 + 40 + 1024, pixels = frame.size();
    std::vector<uint8_t> b(headers + pixels, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, (uint32_t)b.size());
    put32(b, 10, (uint32_t)headers);
    put32(b, 14, 40);
    put32(b, 18, 608);
    put32(b, 22, 432);
    b[26] = 1;
    b[28] = 8;
    put32(b, 34, (uint32_t)pixels);
    for (int i = 0; i < 256; i++) {
        PaletteColour c = paletteColour(i);
        b[54 + 4 * i] = c.blue;
        b[54 + 4 * i + 1] = c.green;
        b[54 + 4 * i + 2] = c.red;
    }
    for (int y = 0; y < 432; y++)
        std::memcpy(&b[headers + (size_t)(431 - y) * 608], &frame[(size_t)y * 608], 608);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
}

// Compares the composed frame with the recorded one, pixel by pixel.
void expectGoldenFrame(const std::string& name)
{
    const std::string path = goldenPath(name + "_frame.bmp");
    std::vector<uint8_t> frame = composedFrame();
    if (updatingGolden()) {
        writeFrame(path, frame);
        GTEST_SKIP() << "golden frame rewritten: " << path;
    }
    std::vector<uint8_t> bytes = nullReadHostFile(path);
    DibView v;
    ASSERT_TRUE(decodeDib(bytes.data(), bytes.size(), &v)) << "missing or unreadable " << path;
    ASSERT_EQ(v.width, 608);
    ASSERT_EQ(v.height, 432);
    long differing = 0;
    for (int y = 0; y < 432; y++)
        for (int x = 0; x < 608; x++)
            differing += dibPixel(v, x, y) != frame[(size_t)y * 608 + x];
    if (differing) {
        writeFrame(name + ".actual.bmp", frame);
        ADD_FAILURE() << differing << " pixels differ from " << path << "; this run's frame is " << name
                      << ".actual.bmp beside the test program";
    }
}

} // namespace

TEST_F(SceneTicks, NoTickAllocatesFromTheHeapInAnyScene)
{
    long probe = heapAllocations; // the counter sees what the program allocates
    std::vector<int>* v = new std::vector<int>(100);
    delete v;
    ASSERT_GT(heapAllocations, probe);

    for (int scene : {kSceneStreet, kSceneHall, kScenePlaying, kSceneHallKeeping}) {
        SetUp(); // a fresh hall for each scene
        toScene(scene);
        paintScene();
        ticks(200); // the first redraws of everything
        std::memset(nullPresentCount, 0, sizeof nullPresentCount);
        long before = heapAllocations;
        ticks(10000);
        EXPECT_EQ(heapAllocations - before, 0) << "allocations in 10,000 ticks of the " << kSceneNames[scene]
                                               << " scene";
        int presented = 0;
        for (int n : nullPresentCount)
            presented += n;
        EXPECT_GT(presented, 100) << "the " << kSceneNames[scene] << " scene drew almost nothing";
        TearDown();
    }
}

TEST_F(SceneTicks, SeededPlayFrameMatchesTheRecordedOne)
{
    toScene(kScenePlaying);
    paintScene();
    long fired = slot().machine->balls;
    ticks(4000); // 100 seconds of play
    EXPECT_NE(slot().machine->balls, fired) << "the machine did not play";
    expectGoldenFrame("play");
}

TEST_F(SceneTicks, SeededHallFrameMatchesTheRecordedOne)
{
    toScene(kSceneHall);
    paintScene();
    ticks(4000);
    expectGoldenFrame("hall");
}
