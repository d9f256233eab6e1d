// The saved hall and players: the program's shop file and the player file
// shared by the family, read once at start-up and written once at shutdown.
//
// Each block of a file is followed by its checksum: the sum of the block's
// bytes taken as signed 8-bit values. A file that is missing, short or fails
// a checksum is replaced by fresh data, after its bytes are kept aside as
// "<name>.bad". Saving writes a temporary file and moves it over the old one,
// so a failure at any moment leaves the previous file loadable.
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

extern const char kShopFileName[];   // "Qm4103.dat": each program its own
extern const char kPlayerFileName[]; // "venko.dat": the same in all five

int32_t blockChecksum(const void* data, size_t size);

// Byte-level halves, also used by the tools that read a copy of a shop file.
// Decoding takes the bytes only when the size and every checksum are right,
// and then checks every value the game relies on (see sanitise*).
bool decodeShopFile(const uint8_t* bytes, size_t size, ShopState out[kShopCount]);
void encodeShopFile(const ShopState in[kShopCount], uint8_t out[kShopFileSize]);
bool decodePlayerFile(const uint8_t* bytes, size_t size, PlayerRecord out[kPlayerBlocks]);
void encodePlayerFile(const PlayerRecord in[kPlayerBlocks], uint8_t out[kPlayerFileSize]);

// Start-up, before the clock check: both files into shops[] and players[],
// or fresh data (fresh machines draw their setting and reserve).
void loadData();

// Shutdown, after the tick clock stopped: the players first (their money
// matters most), then the shops; each file on its own. Returns true when
// both were written.
bool saveData();

// Writes a whole file through a temporary file and a replace.
bool saveFileSafely(const char* name, const uint8_t* const* parts, const size_t* sizes, int count);
