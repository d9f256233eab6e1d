// 8-bit palettised bitmaps: pictures, sprites, the DIBITMAP decoder and the
// two blits every screen is built from (plain rectangle copy, transparent
// sprite).
//
// The core composes into pixel memory: on Windows that memory is the bits of
// a DIB section (presented with one blit per window), natively a plain heap
// buffer. Which one is decided by the installed bitmap backend.
#pragma once
#include <cstddef>
#include <cstdint>

// A bitmap with its pixels. `bits` points at the top row and `pitch` is the
// distance in bytes from a row to the one below it: negative for bitmaps
// stored bottom-up (DIB sections), positive for top-down buffers. Every row
// is padded to a multiple of 4 bytes, so |pitch| = (width + 3) & ~3.
struct Picture {
    void* handle;  // the platform's bitmap (HBITMAP on Windows), or the heap block
    uint8_t* bits;
    int pitch;
    int width, height;
};

// A transparent picture: the image has black where the key colour was, the
// mask white there and black everywhere else (both computed at load).
struct Sprite {
    Picture image;
    Picture mask;
};

inline uint8_t* pixelRow(const Picture& p, int y) { return p.bits + (ptrdiff_t)y * p.pitch; }
inline int rowBytes(int width) { return (width + 3) & ~3; }

// --- the platform's bitmaps and resources ---

struct BitmapBackend {
    // A blank 8-bit bitmap of w x h pixels with this 256-entry colour table
    // (blue, green, red, 0 per entry); fills `handle`, `bits` and `pitch`.
    bool (*create)(int width, int height, const uint8_t colourTable[1024], Picture* out);
    void (*destroy)(Picture* picture);
};

// The bytes of resource `id` of `type` ("DIBITMAP", "WAVE"), or null.
typedef const uint8_t* (*ResourceLookup)(const char* type, int id, uint32_t* size);

// Installs the platform's bitmaps (null: plain heap buffers, the default).
void setBitmapBackend(const BitmapBackend* backend);
// Installs where resources come from (the default finds nothing).
void setResourceLookup(ResourceLookup lookup);
const uint8_t* findResource(const char* type, int id, uint32_t* size);

// --- DIBITMAP bytes ---

// What the decoder found in the bytes of a .bmp file.
struct DibView {
    const uint8_t* header;       // the 40-byte (or longer) info header
    const uint8_t* colourTable;  // `colours` entries of blue, green, red, 0
    int colours;
    const uint8_t* pixels;       // the first stored row
    int width, height;           // height positive
    bool bottomUp;               // rows stored bottom row first (the usual case)
    int stride;                  // bytes per stored row, padding included
};

// Checks and takes apart the bytes of an 8-bit uncompressed .bmp: 14-byte
// file header, info header of at least 40 bytes, colour table (colours used
// 0 meaning 256), pixel rows padded to 4 bytes. Refuses anything else and
// anything whose pixels would lie past `size`.
bool decodeDib(const uint8_t* data, size_t size, DibView* out);

// Pixel (x, y), counted from the top-left, of a decoded picture.
uint8_t dibPixel(const DibView& v, int x, int y);

// --- pictures ---

// A blank bitmap with the colour table of the program palette (all pixels 0).
bool createSurface(int width, int height, Picture* out);
// Bitmap `id` of the program's DIBITMAP resources, with its own colour table.
bool loadPicture(int id, Picture* out);
// Sprite `id`: the picture and its mask (key index -> black in the image,
// white in the mask; any other index stays and the mask is black).
bool loadSprite(int id, Sprite* out);
// Releases the bitmaps; safe on an empty or already released one.
void freePicture(Picture* picture);
void freeSprite(Sprite* sprite);

// --- blits (clipped to both bitmaps) ---

// Copies w x h from (sx, sy) of `source` to (x, y) of `target`.
void copyPicture(Picture& target, int x, int y, int width, int height, const Picture& source, int sx, int sy);

// Copies w x h from (sx, sy) of `source` onto (x, y) of `target` with the
// raster operation AND (SRCAND): each target pixel keeps only the index bits
// the source pixel has. With the colour cube's indices a white source leaves
// the target as it is, black blacks it out and the greys in between take
// each channel a level or two down: a shading laid over a finished picture.
void andPicture(Picture& target, int x, int y, int width, int height, const Picture& source, int sx, int sy);

// The transparent blit: AND the mask, then XOR the image, so key-coloured
// pixels leave the target unchanged and every other colour, black included,
// covers it.
void drawSprite(Picture& target, int x, int y, int width, int height, int sx, int sy, const Sprite& sprite);

// Fills a rectangle with one palette index.
void fillRect(Picture& target, int x, int y, int width, int height, uint8_t index);

// A rectangle outline of the given thickness from (x0, y0) to (x1, y1)
// exclusive, drawn inside that rectangle.
void frameRect(Picture& target, int x0, int y0, int x1, int y1, int thickness, uint8_t index);
