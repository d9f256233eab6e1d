// The drawing engine: .bmp decoding, sprites and their masks, the two blits
// with clipping, the program palette and the artwork's creation and release.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/bitmap.h"
#include "hallcore/gfx/palette.h"
#include "null/sys_null.h"
#include "program_art.h"

namespace {

// A .bmp file of w x h, 8 bits, pixels given top row first.
std::vector<uint8_t> makeBmp(int w, int h, const std::vector<uint8_t>& topDown, int coloursUsed = 0,
                             bool bottomUp = true, int bits = 8)
{
    int colours = coloursUsed ? coloursUsed : 256;
    int stride = (w + 3) & ~3;
    std::vector<uint8_t> b(14 + 40 + 4 * colours + (size_t)stride * h, 0);
    auto put32 = [&](size_t at, uint32_t v) { for (int i = 0; i < 4; i++) b[at + i] = (uint8_t)(v >> 8 * i); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, (uint32_t)b.size());
    put32(10, 14 + 40 + 4 * colours);
    put32(14, 40);
    put32(18, (uint32_t)w);
    put32(22, (uint32_t)(bottomUp ? h : -h));
    b[26] = 1;
    b[28] = (uint8_t)bits;
    put32(46, (uint32_t)coloursUsed);
    for (int i = 0; i < colours; i++) {
        PaletteColour c = paletteColour(i);
        b[54 + 4 * i] = c.blue;
        b[55 + 4 * i] = c.green;
        b[56 + 4 * i] = c.red;
    }
    size_t pixels = 14 + 40 + 4 * (size_t)colours;
    for (int y = 0; y < h; y++) {
        int stored = bottomUp ? h - 1 - y : y;
        for (int x = 0; x < w; x++)
            b[pixels + (size_t)stored * stride + x] = topDown[(size_t)y * w + x];
        for (int x = w; x < stride; x++)
            b[pixels + (size_t)stored * stride + x] = kPaletteKey; // padding the loader must not trust
    }
    return b;
}

std::map<int, std::vector<uint8_t>> fakeResources;
std::vector<int> lookedUp;

const uint8_t* fakeLookup(const char* type, int id, uint32_t* size)
{
    lookedUp.push_back(id);
    auto it = fakeResources.find(id);
    if (std::strcmp(type, "DIBITMAP") != 0 || it == fakeResources.end())
        return nullptr;
    *size = (uint32_t)it->second.size();
    return it->second.data();
}

// Counts the bitmaps made and freed, on plain heap buffers.
int liveBitmaps;
bool countingCreate(int w, int h, const uint8_t*, Picture* out)
{
    int stride = rowBytes(w);
    uint8_t* block = new uint8_t[(size_t)stride * h]();
    out->handle = block;
    out->bits = block + (size_t)(h - 1) * stride; // stored bottom-up, like a DIB section
    out->pitch = -stride;
    liveBitmaps++;
    return true;
}
void countingDestroy(Picture* p)
{
    delete[] (uint8_t*)p->handle;
    liveBitmaps--;
}
const BitmapBackend kCounting = {countingCreate, countingDestroy};

class Gfx : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakeResources.clear();
        lookedUp.clear();
        setResourceLookup(fakeLookup);
        // The program palette of the delivered artwork: the 64-colour cube.
        std::vector<uint8_t> px(1, 0);
        fakeResources[500] = makeBmp(1, 1, px);
        ASSERT_TRUE(createPalette(500));
    }
    void TearDown() override
    {
        releaseArtwork();
        setResourceLookup(nullptr);
        setBitmapBackend(nullptr);
    }

    Picture surface(int w, int h, uint8_t fill)
    {
        Picture p;
        EXPECT_TRUE(createSurface(w, h, &p));
        fillRect(p, 0, 0, w, h, fill);
        return p;
    }
};

uint8_t at(const Picture& p, int x, int y) { return pixelRow(p, y)[x]; }

} // namespace

TEST_F(Gfx, DecodesOddWidthsWithRowPaddingBottomUpAndTopDown)
{
    for (int w : {1, 2, 3, 5, 7, 13}) {
        for (bool bottomUp : {true, false}) {
            int h = 3;
            std::vector<uint8_t> px(w * h);
            for (size_t i = 0; i < px.size(); i++)
                px[i] = (uint8_t)(i * 7 + 1);
            std::vector<uint8_t> bytes = makeBmp(w, h, px, 0, bottomUp);
            DibView v;
            ASSERT_TRUE(decodeDib(bytes.data(), bytes.size(), &v)) << w;
            EXPECT_EQ(v.width, w);
            EXPECT_EQ(v.height, h);
            EXPECT_EQ(v.stride % 4, 0);
            EXPECT_EQ(v.colours, 256); // colours used 0 means 256
            for (int y = 0; y < h; y++)
                for (int x = 0; x < w; x++)
                    ASSERT_EQ(dibPixel(v, x, y), px[y * w + x]) << "w " << w << " at " << x << "," << y;

            fakeResources[900] = bytes;
            Picture p;
            ASSERT_TRUE(loadPicture(900, &p));
            for (int y = 0; y < h; y++)
                for (int x = 0; x < w; x++)
                    ASSERT_EQ(at(p, x, y), px[y * w + x]);
            freePicture(&p);
        }
    }
}

TEST_F(Gfx, ColoursUsedCountPlacesThePixelsAfterAShortTable)
{
    std::vector<uint8_t> px = {3, 9, 15};
    std::vector<uint8_t> bytes = makeBmp(3, 1, px, 16);
    DibView v;
    ASSERT_TRUE(decodeDib(bytes.data(), bytes.size(), &v));
    EXPECT_EQ(v.colours, 16);
    EXPECT_EQ(dibPixel(v, 0, 0), 3);
    EXPECT_EQ(dibPixel(v, 2, 0), 15);
}

TEST_F(Gfx, RefusesBytesThatAreNotAnEightBitPicture)
{
    std::vector<uint8_t> px(4 * 4, 1);
    std::vector<uint8_t> good = makeBmp(4, 4, px);
    DibView v;
    ASSERT_TRUE(decodeDib(good.data(), good.size(), &v));

    EXPECT_FALSE(decodeDib(good.data(), good.size() - 1, &v)) << "a pixel row cut short";
    EXPECT_FALSE(decodeDib(good.data(), 30, &v)) << "header cut short";
    EXPECT_FALSE(decodeDib(nullptr, 0, &v));
    std::vector<uint8_t> bad = good;
    bad[0] = 'X';
    EXPECT_FALSE(decodeDib(bad.data(), bad.size(), &v)) << "no BM mark";
    bad = makeBmp(4, 4, px, 0, true, 24);
    EXPECT_FALSE(decodeDib(bad.data(), bad.size(), &v)) << "24 bits per pixel";
    bad = good;
    bad[30] = 1; // run-length compressed
    EXPECT_FALSE(decodeDib(bad.data(), bad.size(), &v));
    bad = good;
    bad[46] = 0x01;
    bad[47] = 0x01; // 257 colours used
    EXPECT_FALSE(decodeDib(bad.data(), bad.size(), &v));
    bad = good;
    bad[18 + 3] = 0x7f; // a width that would run far past the data
    EXPECT_FALSE(decodeDib(bad.data(), bad.size(), &v));
    bad = good;
    std::memset(&bad[18], 0, 4); // width 0
    EXPECT_FALSE(decodeDib(bad.data(), bad.size(), &v));

    fakeResources[901] = makeBmp(4, 4, px, 0, true, 24);
    Picture p;
    EXPECT_FALSE(loadPicture(901, &p));
    EXPECT_EQ(p.bits, nullptr);
    EXPECT_FALSE(loadPicture(902, &p)) << "missing resource";
}

TEST_F(Gfx, PaletteFromPicture500HasKeyWhiteAndBlackIndices)
{
    EXPECT_EQ(programPalette.count, 256);
    EXPECT_EQ(programPalette.keyIndex, 20);
    EXPECT_EQ(programPalette.whiteIndex, 255);
    EXPECT_EQ(programPalette.blackIndex, 0); // the first of the many black entries
    PaletteColour k = programPalette.entries[20];
    EXPECT_EQ(k.red, 0);
    EXPECT_EQ(k.green, 128);
    EXPECT_EQ(k.blue, 128);
    // Nearest-colour lookup, first entry on a tie.
    EXPECT_EQ(nearestPaletteIndex(programPalette, 250, 250, 250), 255);
    EXPECT_EQ(nearestPaletteIndex(programPalette, 10, 120, 135), 20);
    EXPECT_EQ(nearestPaletteIndex(programPalette, 200, 0, 0), paletteIndex(2, 0, 0));

    fakeResources.erase(500);
    EXPECT_FALSE(createPalette(500));
}

TEST_F(Gfx, SpriteMaskIsComputedAtLoadFromTheKeyIndex)
{
    // 3 x 2 with the key in two places; padding bytes hold the key too.
    std::vector<uint8_t> px = {kPaletteKey, 0, 200, 7, kPaletteKey, 255};
    fakeResources[903] = makeBmp(3, 2, px);
    Sprite s;
    ASSERT_TRUE(loadSprite(903, &s));
    const uint8_t image[6] = {0, 0, 200, 7, 0, 255};
    const uint8_t mask[6] = {255, 0, 0, 0, 255, 0};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(at(s.image, i % 3, i / 3), image[i]) << i;
        EXPECT_EQ(at(s.mask, i % 3, i / 3), mask[i]) << i;
    }
    // The row padding went through the same rule.
    EXPECT_EQ(pixelRow(s.mask, 0)[3], 255);
    EXPECT_EQ(pixelRow(s.image, 0)[3], 0);
    freeSprite(&s);
    EXPECT_EQ(s.image.bits, nullptr);
    freeSprite(&s); // twice is harmless
}

TEST_F(Gfx, TransparentBlitKeepsTargetUnderKeyAndCoversItWithEveryOtherColour)
{
    std::vector<uint8_t> px = {kPaletteKey, kPaletteBlack, 201, kPaletteWhite};
    fakeResources[904] = makeBmp(2, 2, px);
    Sprite s;
    ASSERT_TRUE(loadSprite(904, &s));
    Picture t = surface(4, 4, 77);
    drawSprite(t, 1, 1, 2, 2, 0, 0, s);
    EXPECT_EQ(at(t, 1, 1), 77) << "key colour leaves the target";
    EXPECT_EQ(at(t, 2, 1), 0) << "black covers";
    EXPECT_EQ(at(t, 1, 2), 201);
    EXPECT_EQ(at(t, 2, 2), 255);
    EXPECT_EQ(at(t, 0, 0), 77);
    EXPECT_EQ(at(t, 3, 3), 77);
    freePicture(&t);
    freeSprite(&s);
}

TEST_F(Gfx, BlitsClipAtEverySurfaceEdge)
{
    std::vector<uint8_t> px(4 * 4);
    for (int i = 0; i < 16; i++)
        px[i] = (uint8_t)(100 + i);
    fakeResources[905] = makeBmp(4, 4, px);
    Sprite s;
    ASSERT_TRUE(loadSprite(905, &s));
    Picture src;
    ASSERT_TRUE(loadPicture(905, &src));

    struct Case { int x, y; };
    for (Case c : {Case{-2, -2}, Case{3, -1}, Case{-3, 4}, Case{4, 4}, Case{5, 0}, Case{-4, 0}, Case{0, 6}}) {
        for (int useSprite = 0; useSprite < 2; useSprite++) {
            Picture t = surface(6, 6, 9);
            if (useSprite)
                drawSprite(t, c.x, c.y, 4, 4, 0, 0, s);
            else
                copyPicture(t, c.x, c.y, 4, 4, src, 0, 0);
            for (int y = 0; y < 6; y++)
                for (int x = 0; x < 6; x++) {
                    int sx = x - c.x, sy = y - c.y;
                    uint8_t want = (sx >= 0 && sx < 4 && sy >= 0 && sy < 4) ? px[sy * 4 + sx] : 9;
                    ASSERT_EQ(at(t, x, y), want) << "at " << c.x << "," << c.y << " pixel " << x << "," << y;
                }
            freePicture(&t);
        }
    }
    // A source rectangle reaching past the source is cut to it.
    Picture t = surface(6, 6, 9);
    copyPicture(t, 0, 0, 6, 6, src, 2, 2);
    EXPECT_EQ(at(t, 0, 0), px[2 * 4 + 2]);
    EXPECT_EQ(at(t, 1, 1), px[3 * 4 + 3]);
    EXPECT_EQ(at(t, 2, 0), 9);
    EXPECT_EQ(at(t, 0, 2), 9);
    // Nor does a negative source corner read outside it.
    drawSprite(t, 0, 0, 3, 3, -1, -1, s);
    EXPECT_EQ(at(t, 0, 0), px[2 * 4 + 2]);
    EXPECT_EQ(at(t, 1, 1), px[0]);
    freePicture(&t);
    freePicture(&src);
    freeSprite(&s);
}

TEST_F(Gfx, AndCopyKeepsTheTargetUnderWhiteDarkensUnderGreysAndClips)
{
    const uint8_t white = kPaletteWhite, silver = (uint8_t)paletteIndex(2, 2, 2), grey = (uint8_t)paletteIndex(1, 1, 1);
    const uint8_t red = (uint8_t)paletteIndex(3, 0, 0), sky = (uint8_t)paletteIndex(1, 2, 3);
    std::vector<uint8_t> px = {white, silver, grey, kPaletteBlack};
    fakeResources[906] = makeBmp(4, 1, px);
    Picture band;
    ASSERT_TRUE(loadPicture(906, &band));
    for (uint8_t under : {white, red, sky}) {
        Picture t = surface(6, 3, under);
        andPicture(t, 1, 1, 4, 1, band, 0, 0);
        EXPECT_EQ(at(t, 1, 1), under) << "white keeps every bit";
        EXPECT_EQ(at(t, 4, 1), kPaletteBlack) << "black clears every bit";
        EXPECT_EQ(at(t, 0, 1), under) << "nothing left of the copy";
        EXPECT_EQ(at(t, 5, 1), under) << "nothing right of the copy";
        EXPECT_EQ(at(t, 1, 0), under);
        EXPECT_EQ(at(t, 1, 2), under);
        // every result is still a colour of the cube, never one of the unused indices
        for (int x = 1; x < 5; x++)
            EXPECT_TRUE(at(t, x, 1) < 32 || at(t, x, 1) >= 224) << int(at(t, x, 1));
        freePicture(&t);
    }
    // silver takes white to silver and red a level down; grey takes them lower still
    Picture t = surface(4, 1, white);
    andPicture(t, 0, 0, 4, 1, band, 0, 0);
    EXPECT_EQ(at(t, 1, 0), silver);
    EXPECT_EQ(at(t, 2, 0), grey);
    fillRect(t, 0, 0, 4, 1, red);
    andPicture(t, 0, 0, 4, 1, band, 0, 0);
    EXPECT_EQ(at(t, 1, 0), paletteIndex(2, 0, 0));
    EXPECT_EQ(at(t, 2, 0), paletteIndex(1, 0, 0));
    // clipped at the target's edges and to the source, like every blit
    fillRect(t, 0, 0, 4, 1, white);
    andPicture(t, -2, 0, 4, 1, band, 0, 0);
    EXPECT_EQ(at(t, 0, 0), grey);
    EXPECT_EQ(at(t, 1, 0), kPaletteBlack);
    EXPECT_EQ(at(t, 2, 0), white);
    fillRect(t, 0, 0, 4, 1, white);
    andPicture(t, 0, 0, 4, 1, band, 3, 0);
    EXPECT_EQ(at(t, 0, 0), kPaletteBlack);
    EXPECT_EQ(at(t, 1, 0), white) << "a source rectangle past the source's edge reads nothing";
    freePicture(&t);
    freePicture(&band);
}

TEST_F(Gfx, CopyWithinOnePictureMovesRowsDownWithoutSmearing)
{
    Picture p = surface(2, 4, 0);
    for (int y = 0; y < 4; y++)
        fillRect(p, 0, y, 2, 1, (uint8_t)(10 + y));
    copyPicture(p, 0, 1, 2, 3, p, 0, 0);
    EXPECT_EQ(at(p, 0, 0), 10);
    EXPECT_EQ(at(p, 0, 1), 10);
    EXPECT_EQ(at(p, 0, 2), 11);
    EXPECT_EQ(at(p, 0, 3), 12);
    frameRect(p, 0, 0, 2, 4, 1, 3);
    EXPECT_EQ(at(p, 1, 3), 3);
    freePicture(&p);
}

TEST_F(Gfx, SurfacesCarryTheProgramPaletteAndStartBlank)
{
    uint8_t table[1024];
    paletteColourTable(table);
    EXPECT_EQ(table[4 * 20 + 0], 128); // key: blue
    EXPECT_EQ(table[4 * 20 + 1], 128); // green
    EXPECT_EQ(table[4 * 20 + 2], 0);   // red
    EXPECT_EQ(table[4 * 255 + 2], 255);
    setBitmapBackend(&kCounting);
    Picture p;
    ASSERT_TRUE(createSurface(5, 3, &p));
    EXPECT_EQ(p.pitch, -8);
    EXPECT_EQ(at(p, 4, 2), 0);
    EXPECT_EQ(liveBitmaps, 1);
    freePicture(&p);
    EXPECT_EQ(liveBitmaps, 0);
}

// The committed artwork, loaded as the program loads it.
class DeliveredArt : public Gfx {
protected:
    void SetUp() override
    {
        Gfx::SetUp();
        fakeResources.clear();
        for (int id = 500; id <= 624; id++) {
            std::vector<uint8_t> bytes = nullReadHostFile(programArtPath(std::to_string(id) + ".bmp"));
            if (!bytes.empty())
                fakeResources[id] = bytes;
        }
        liveBitmaps = 0;
        setBitmapBackend(&kCounting);
    }
};

TEST_F(DeliveredArt, LoadsEveryPictureInTheDocumentedOrderAndReleasesAll)
{
    lookedUp.clear();
    ASSERT_TRUE(createArtwork());
    // 500 for the palette, 500 501 502, the three pieces of 508, then the table.
    // The machine's plain pictures come after the engine's, its sprites after the engine's sprites.
    std::vector<int> want = {500, 500, 501, 502, 508, 508, 508, 509, 507, 503, 504, 505, 506, 512, 513, 514,
                             515, 511, 519, 521, 522, 524};
    for (int i = 0; i < modelPictureCount(); i++)
        if (!modelPicture(i).sprite)
            want.push_back(modelPicture(i).id);
    for (int id : {516, 517, 518, 510, 520, 523})
        want.push_back(id);
    for (int i = 0; i < modelPictureCount(); i++)
        if (modelPicture(i).sprite)
            want.push_back(modelPicture(i).id);
    EXPECT_EQ(lookedUp, want);

    EXPECT_EQ(programPalette.keyIndex, 20);
    EXPECT_EQ(programPalette.whiteIndex, 255);
    EXPECT_EQ(programPalette.blackIndex, 0);
    EXPECT_EQ(panelSurface.width, 128);
    EXPECT_EQ(sceneSurface.width, 480);
    EXPECT_EQ(wideSurface.width, 672);
    EXPECT_EQ(wideSurface.height, 432);
    EXPECT_EQ(boardPicture().width, 480);
    EXPECT_EQ(artPicture(508).bits, nullptr) << "508 is not kept";
    for (int i = 0; i < artworkLoadCount(); i++) {
        const ArtEntry& e = artworkLoadEntry(i);
        int w = e.sprite ? artSprite(e.id).image.width : artPicture(e.id).width;
        EXPECT_EQ(w, e.width) << e.id;
    }
    releaseArtwork();
    EXPECT_EQ(liveBitmaps, 0);
    releaseArtwork();
    EXPECT_EQ(liveBitmaps, 0);
}

TEST_F(DeliveredArt, ComposedPicturesHoldTheirPieces)
{
    ASSERT_TRUE(createArtwork());
    Picture p508, p500;
    ASSERT_TRUE(loadPicture(508, &p508));
    ASSERT_TRUE(loadPicture(500, &p500));
    for (int y = 0; y < 104; y++)
        ASSERT_EQ(std::memcmp(pixelRow(panelTabs, y), pixelRow(p508, y), 128), 0) << y;
    for (int y = 0; y < 94; y++) {
        ASSERT_EQ(std::memcmp(pixelRow(panelMiddle, y), pixelRow(p500, 196 + y), 128), 0) << y;
        ASSERT_EQ(std::memcmp(pixelRow(panelMiddle, 94 + y), pixelRow(p508, 104 + y), 128), 0) << y;
    }
    for (int y = 0; y < 48; y++)
        ASSERT_EQ(std::memcmp(pixelRow(sceneStrip, y), pixelRow(p508, 198 + y), 128), 0) << y;
    for (int k = 0; k < 6; k++)
        for (int y = 0; y < 12; y++) {
            ASSERT_EQ(std::memcmp(pixelRow(mapIcons, 12 * k + y), pixelRow(p500, 39 + 16 * k + y) + 38, 12), 0);
            ASSERT_EQ(std::memcmp(pixelRow(mapIcons, 12 * k + y) + 12, pixelRow(p500, 39 + 16 * k + y) + 78, 12), 0);
        }
    freePicture(&p508);
    freePicture(&p500);
}

TEST_F(DeliveredArt, AMissingOrMisshapenPictureFailsCreationAndLeavesNothing)
{
    // an engine picture, an engine sprite, and the machine's last picture
    std::vector<int> ids = {500, 509, 523};
    if (modelPictureCount() > 0)
        ids.push_back(modelPicture(modelPictureCount() - 1).id);
    for (int id : ids) {
        std::vector<uint8_t> kept = fakeResources[id];
        fakeResources.erase(id);
        EXPECT_FALSE(createArtwork()) << id;
        EXPECT_EQ(liveBitmaps, 0) << id;
        fakeResources[id] = kept;
    }
    // The right depth but the wrong size.
    std::vector<uint8_t> kept = fakeResources[503];
    fakeResources[503] = makeBmp(16, 240, std::vector<uint8_t>(16 * 240, 0));
    EXPECT_FALSE(createArtwork());
    EXPECT_EQ(liveBitmaps, 0);
    fakeResources[503] = kept;
    EXPECT_TRUE(createArtwork());
}
