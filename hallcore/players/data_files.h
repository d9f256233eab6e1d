// The saved hall and players: the program's shop file and the player file
// shared by the family, read once at start-up and written once at shutdown.
//
// Each block of a file is followed by its checksum: the sum of the block's
// bytes taken as signed 8-bit values. A file that is missing, short, fails a
// checksum or cannot be read is replaced by fresh data; one that was there is
// first moved aside as "<name>.bad", and when even that fails it is never
// written over (the family's only copy of its players may be in it). Saving
// writes a temporary file and moves it over the old one, so a failure at any
// moment leaves the previous file loadable.
#pragma once
#include <cstddef>
#include <cstdint>

#include "hallcore/hall/shops.h"
#include "hallcore/players/player_record.h"

enum {
    kShopBlockSize = (int)sizeof(ShopState) + 4,
    kShopFileSize = 2 * kShopBlockSize,
    kPlayerBlockSize = (int)sizeof(PlayerRecord) + 4,
    kPlayerFileSize = kPlayerBlocks * kPlayerBlockSize,
};

extern const char kShopFileName[];   // MACHINE_SHOP_FILE: each program its own
extern const char kPlayerFileName[]; // "venko.dat": the same in all five

int32_t blockChecksum(const void* data, size_t size);

// Byte-level halves, also used by the tools that read a copy of a shop file.
// Decoding takes the bytes only when the size and every checksum are right,
// and then checks every value the game relies on (see sanitise*).
bool decodeShopFile(const uint8_t* bytes, size_t size, ShopState out[kShopCount]);
void encodeShopFile(const ShopState in[kShopCount], uint8_t out[kShopFileSize]);
bool decodePlayerFile(const uint8_t* bytes, size_t size, PlayerRecord out[kPlayerBlocks]);
void encodePlayerFile(const PlayerRecord in[kPlayerBlocks], uint8_t out[kPlayerFileSize]);

// What start-up made of each data file.
enum {
    kFileNotLoaded = -1, // start-up never got that far: nothing to save over it
    kFileRead = 0,   // read and sound
    kFileNew,        // there was none: fresh data
    kFileSetAside,   // damaged or unreadable: moved to "<name>.bad", fresh data
    kFileLeftAlone,  // damaged or unreadable and it could not be moved: fresh
                     // data, and the file is not written over in this run
};
extern int shopFileState, playerFileState;

// Start-up, before the clock check: both files into shops[] and players[],
// or fresh data (fresh machines draw their setting and reserve).
void loadData();

// Shutdown, after the tick clock stopped: the players first (their money
// matters most), then the shops; each file on its own, and neither a file
// left alone at start-up nor one never loaded (a start-up that failed before
// it) at all. Returns true when every file due was written.
bool saveData();

// Writes a whole file through a temporary file and a replace.
bool saveFileSafely(const char* name, const uint8_t* const* parts, const size_t* sizes, int count);
