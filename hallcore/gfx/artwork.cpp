#include "hallcore/gfx/artwork.h"

#include "hallcore/gfx/palette.h"
#include "hallcore/machine/machine_module.h"

Picture panelSurface, sceneSurface, wideSurface;
Picture panelTabs, panelMiddle, sceneStrip, mapIcons;

// The engine's pictures of step 7 (sizes the same in every program but 523).
static const ArtEntry kEnginePictures[] = {
    {509, 120, 564, false}, {507, 120, 256, false}, {503, 16, 264, false}, {504, 10, 192, false},
    {505, 32, 168, false},  {506, 24, 112, false},  {512, 32, 96, false},  {513, 140, 272, false},
    {514, 52, 272, false},  {515, 74, 80, false},   {511, 170, 864, false}, {519, 140, 256, false},
    {521, 152, 272, false}, {522, 48, 60, false},   {524, 90, 120, false},
};
// 523, the windmills, is as wide as the model's sheet of them.
static const ArtEntry kEngineSprites[] = {
    {516, 84, 195, true}, {517, 88, 328, true}, {518, 40, 28, true},
    {510, 112, 280, true}, {520, 12, 12, true}, {523, kWindmillPictureWidth, 216, true},
};

// The loaded first (step 4), outside the table.
static const ArtEntry kFirstPictures[] = {{500, 128, 432, false}, {501, 480, 432, false}, {502, 480, 432, false}};

enum { kMaxEntries = 64 };
static ArtEntry loadTable[kMaxEntries];
static int loadCount;

// The engine's pictures, the machine's plain pictures ascending, the
// engine's sprites, then the machine's sprites.
static void buildTable()
{
    if (loadCount)
        return;
    for (const ArtEntry& e : kEnginePictures)
        loadTable[loadCount++] = e;
    for (int i = 0; i < modelPictureCount() && loadCount < kMaxEntries; i++)
        if (!modelPicture(i).sprite)
            loadTable[loadCount++] = modelPicture(i);
    for (const ArtEntry& e : kEngineSprites)
        if (loadCount < kMaxEntries) // bounded like the model's lists
            loadTable[loadCount++] = e;
    for (int i = 0; i < modelPictureCount() && loadCount < kMaxEntries; i++)
        if (modelPicture(i).sprite)
            loadTable[loadCount++] = modelPicture(i);
}

int artworkLoadCount()
{
    buildTable();
    return loadCount;
}

const ArtEntry& artworkLoadEntry(int i)
{
    buildTable();
    return loadTable[i];
}

const ArtEntry* artworkEntry(int id)
{
    for (const ArtEntry& e : kFirstPictures)
        if (e.id == id)
            return &e;
    buildTable();
    for (int i = 0; i < loadCount; i++)
        if (loadTable[i].id == id)
            return &loadTable[i];
    return nullptr;
}

// Slots by id: 500..524 and 600..612.
static Picture pictures[2][25];
static Sprite sprites[2][25];

static int slotOf(int id, int* set)
{
    if (id >= 500 && id <= 524) {
        *set = 0;
        return id - 500;
    }
    if (id >= 600 && id <= 624) {
        *set = 1;
        return id - 600;
    }
    return -1;
}

Picture& artPicture(int id)
{
    static Picture none;
    int set, slot = slotOf(id, &set);
    if (slot < 0) {
        none = Picture{};
        return none;
    }
    return pictures[set][slot];
}

const Sprite& artSprite(int id)
{
    static const Sprite none = {};
    int set, slot = slotOf(id, &set);
    return slot < 0 ? none : sprites[set][slot];
}

Picture& boardPicture()
{
    return pictures[0][2];
}

static bool sizeIs(const Picture& p, const ArtEntry& e)
{
    return p.width == e.width && p.height == e.height;
}

static bool loadEntry(const ArtEntry& e)
{
    int set, slot = slotOf(e.id, &set);
    if (slot < 0)
        return false;
    if (e.sprite) {
        Sprite& s = sprites[set][slot];
        return loadSprite(e.id, &s) && sizeIs(s.image, e);
    }
    Picture& p = pictures[set][slot];
    return loadPicture(e.id, &p) && sizeIs(p, e);
}

// Copies `rows` rows of picture 508 from `firstRow` to `targetRow` of a
// composed picture; 508 is loaded for each piece and freed after its copy.
static bool copyFrom508(Picture& target, int targetRow, int firstRow, int rows)
{
    Picture p508;
    if (!loadPicture(508, &p508))
        return false;
    bool ok = p508.width == 128 && p508.height == 246;
    if (ok)
        copyPicture(target, 0, targetRow, 128, rows, p508, 0, firstRow);
    freePicture(&p508);
    return ok;
}

static bool composePictures()
{
    if (!createSurface(128, 104, &panelTabs) || !copyFrom508(panelTabs, 0, 0, 104))
        return false;
    // The two faces under the tabs: the street's from 500, the hall's from 508.
    if (!createSurface(128, 188, &panelMiddle) || !copyFrom508(panelMiddle, 94, 104, 94))
        return false;
    copyPicture(panelMiddle, 0, 0, 128, 94, artPicture(500), 0, 196);
    if (!createSurface(128, 48, &sceneStrip) || !copyFrom508(sceneStrip, 0, 198, 48))
        return false;
    if (!createSurface(24, 72, &mapIcons))
        return false;
    for (int k = 0; k < 6; k++) {
        copyPicture(mapIcons, 0, 12 * k, 12, 12, artPicture(500), 38, 39 + 16 * k);
        copyPicture(mapIcons, 12, 12 * k, 12, 12, artPicture(500), 78, 39 + 16 * k);
    }
    return true;
}

bool createArtwork()
{
    releaseArtwork();
    bool ok = createPalette(500) && createSurface(128, 432, &panelSurface) &&
              createSurface(480, 432, &sceneSurface) && createSurface(672, 432, &wideSurface);
    for (const ArtEntry& e : kFirstPictures)
        ok = ok && loadEntry(e);
    ok = ok && composePictures();
    for (int i = 0; ok && i < artworkLoadCount(); i++)
        ok = loadEntry(loadTable[i]);
    if (!ok)
        releaseArtwork();
    return ok;
}

void releaseArtwork()
{
    Picture* made[] = {&panelSurface, &sceneSurface, &wideSurface, &panelTabs, &panelMiddle, &sceneStrip, &mapIcons};
    for (Picture* p : made)
        freePicture(p);
    for (int set = 0; set < 2; set++)
        for (int slot = 0; slot < 25; slot++) {
            freePicture(&pictures[set][slot]);
            freeSprite(&sprites[set][slot]);
        }
}
