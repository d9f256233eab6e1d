#include "hallcore/gfx/bitmap.h"

#include <cstdlib>
#include <cstring>

#include "hallcore/gfx/palette.h"

// --- backends ---

static bool heapCreate(int width, int height, const uint8_t*, Picture* out)
{
    int stride = rowBytes(width);
    uint8_t* block = (uint8_t*)calloc((size_t)stride * height, 1);
    if (!block)
        return false;
    out->handle = block;
    out->bits = block;
    out->pitch = stride;
    out->width = width;
    out->height = height;
    return true;
}

static void heapDestroy(Picture* p)
{
    free(p->handle);
}

static const BitmapBackend kHeapBackend = {heapCreate, heapDestroy};
static const BitmapBackend* backend = &kHeapBackend;
static ResourceLookup resourceLookup;

void setBitmapBackend(const BitmapBackend* b)
{
    backend = b ? b : &kHeapBackend;
}

void setResourceLookup(ResourceLookup lookup)
{
    resourceLookup = lookup;
}

const uint8_t* findResource(const char* type, int id, uint32_t* size)
{
    *size = 0;
    return resourceLookup ? resourceLookup(type, id, size) : nullptr;
}

// --- decoding ---

static uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }
static uint16_t le16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }

bool decodeDib(const uint8_t* data, size_t size, DibView* out)
{
    if (!data || size < 14 + 40 || data[0] != 'B' || data[1] != 'M')
        return false;
    const uint8_t* h = data + 14;
    uint32_t headerSize = le32(h);
    int32_t width = (int32_t)le32(h + 4);
    int32_t height = (int32_t)le32(h + 8);
    uint16_t planes = le16(h + 12), bits = le16(h + 14);
    uint32_t compression = le32(h + 16), used = le32(h + 32);
    if (headerSize < 40 || headerSize > size - 14 || planes != 1 || bits != 8 || compression != 0)
        return false;
    if (width <= 0 || width > 32768 || height == 0 || height > 32768 || height < -32768)
        return false;
    if (used > 256)
        return false;
    int colours = used ? (int)used : 256;
    size_t tableAt = 14 + (size_t)headerSize;
    size_t pixelsAt = tableAt + 4 * (size_t)colours;
    int stride = rowBytes(width);
    int rows = height < 0 ? -height : height;
    if (pixelsAt > size || (size - pixelsAt) / stride < (size_t)rows)
        return false;
    out->header = h;
    out->colourTable = data + tableAt;
    out->colours = colours;
    out->pixels = data + pixelsAt;
    out->width = width;
    out->height = rows;
    out->bottomUp = height > 0;
    out->stride = stride;
    return true;
}

uint8_t dibPixel(const DibView& v, int x, int y)
{
    int stored = v.bottomUp ? v.height - 1 - y : y;
    return v.pixels[(size_t)stored * v.stride + x];
}

// --- pictures ---

static bool createBitmap(int width, int height, const uint8_t table[1024], Picture* out)
{
    *out = Picture{};
    if (width <= 0 || height <= 0)
        return false;
    Picture p = {};
    if (!backend->create(width, height, table, &p))
        return false;
    p.width = width;
    p.height = height;
    *out = p;
    return true;
}

bool createSurface(int width, int height, Picture* out)
{
    uint8_t table[1024];
    paletteColourTable(table);
    return createBitmap(width, height, table, out);
}

// Finds and checks DIBITMAP `id`.
static bool findDib(int id, DibView* v)
{
    uint32_t size = 0;
    const uint8_t* data = findResource("DIBITMAP", id, &size);
    return data && decodeDib(data, size, v);
}

// A new bitmap with the picture's own colour table and its pixels.
static bool loadInto(const DibView& v, Picture* out)
{
    uint8_t table[1024] = {};
    memcpy(table, v.colourTable, 4 * (size_t)v.colours);
    if (!createBitmap(v.width, v.height, table, out))
        return false;
    for (int y = 0; y < v.height; y++) {
        int stored = v.bottomUp ? v.height - 1 - y : y;
        memcpy(pixelRow(*out, y), v.pixels + (size_t)stored * v.stride, (size_t)v.stride);
    }
    return true;
}

bool loadPicture(int id, Picture* out)
{
    *out = Picture{};
    DibView v;
    return findDib(id, &v) && loadInto(v, out);
}

bool loadSprite(int id, Sprite* out)
{
    *out = Sprite{};
    DibView v;
    Picture image, mask;
    if (!findDib(id, &v) || !loadInto(v, &image))
        return false;
    uint8_t table[1024] = {};
    memcpy(table, v.colourTable, 4 * (size_t)v.colours);
    if (!createBitmap(image.width, image.height, table, &mask)) {
        freePicture(&image);
        return false;
    }
    // Every byte, row padding included, so a mask never lets padding through.
    uint8_t key = (uint8_t)programPalette.keyIndex;
    uint8_t black = (uint8_t)programPalette.blackIndex, white = (uint8_t)programPalette.whiteIndex;
    int bytes = rowBytes(image.width);
    for (int y = 0; y < image.height; y++) {
        uint8_t* ip = pixelRow(image, y);
        uint8_t* mp = pixelRow(mask, y);
        for (int x = 0; x < bytes; x++) {
            if (ip[x] == key) {
                ip[x] = black;
                mp[x] = white;
            } else {
                mp[x] = black;
            }
        }
    }
    out->image = image;
    out->mask = mask;
    return true;
}

void freePicture(Picture* p)
{
    if (p->handle)
        backend->destroy(p);
    *p = Picture{};
}

void freeSprite(Sprite* s)
{
    freePicture(&s->image);
    freePicture(&s->mask);
}

// --- blits ---

// Clips a w x h copy from (sx, sy) of a source of sw x sh to (x, y) of a
// target of tw x th; false when nothing is left.
static bool clip(int& x, int& y, int& w, int& h, int& sx, int& sy, int sw, int sh, int tw, int th)
{
    if (sx < 0) { x -= sx; w += sx; sx = 0; }
    if (sy < 0) { y -= sy; h += sy; sy = 0; }
    if (x < 0) { sx -= x; w += x; x = 0; }
    if (y < 0) { sy -= y; h += y; y = 0; }
    if (sx + w > sw) w = sw - sx;
    if (sy + h > sh) h = sh - sy;
    if (x + w > tw) w = tw - x;
    if (y + h > th) h = th - y;
    return w > 0 && h > 0;
}

void copyPicture(Picture& target, int x, int y, int w, int h, const Picture& source, int sx, int sy)
{
    if (!target.bits || !source.bits)
        return;
    if (!clip(x, y, w, h, sx, sy, source.width, source.height, target.width, target.height))
        return;
    bool upward = target.bits == source.bits && sy < y; // overlapping copy within one bitmap
    for (int i = 0; i < h; i++) {
        int r = upward ? h - 1 - i : i;
        memmove(pixelRow(target, y + r) + x, pixelRow(source, sy + r) + sx, (size_t)w);
    }
}

void andPicture(Picture& target, int x, int y, int w, int h, const Picture& source, int sx, int sy)
{
    if (!target.bits || !source.bits)
        return;
    if (!clip(x, y, w, h, sx, sy, source.width, source.height, target.width, target.height))
        return;
    for (int r = 0; r < h; r++) {
        uint8_t* t = pixelRow(target, y + r) + x;
        const uint8_t* s = pixelRow(source, sy + r) + sx;
        for (int c = 0; c < w; c++)
            t[c] &= s[c];
    }
}

void drawSprite(Picture& target, int x, int y, int w, int h, int sx, int sy, const Sprite& sprite)
{
    if (!target.bits || !sprite.image.bits || !sprite.mask.bits)
        return;
    if (!clip(x, y, w, h, sx, sy, sprite.image.width, sprite.image.height, target.width, target.height))
        return;
    for (int r = 0; r < h; r++) {
        uint8_t* t = pixelRow(target, y + r) + x;
        const uint8_t* m = pixelRow(sprite.mask, sy + r) + sx;
        const uint8_t* i = pixelRow(sprite.image, sy + r) + sx;
        for (int c = 0; c < w; c++)
            t[c] = (uint8_t)((t[c] & m[c]) ^ i[c]);
    }
}

void fillRect(Picture& target, int x, int y, int w, int h, uint8_t index)
{
    int sx = 0, sy = 0;
    if (!target.bits || !clip(x, y, w, h, sx, sy, 1 << 30, 1 << 30, target.width, target.height))
        return;
    for (int r = 0; r < h; r++)
        memset(pixelRow(target, y + r) + x, index, (size_t)w);
}

void frameRect(Picture& target, int x0, int y0, int x1, int y1, int t, uint8_t index)
{
    fillRect(target, x0, y0, x1 - x0, t, index);
    fillRect(target, x0, y1 - t, x1 - x0, t, index);
    fillRect(target, x0, y0 + t, t, y1 - y0 - 2 * t, index);
    fillRect(target, x1 - t, y0 + t, t, y1 - y0 - 2 * t, index);
}
