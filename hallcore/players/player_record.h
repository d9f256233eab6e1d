// Registered players: eight blocks, shared by every program of the family
// through the player file.
#pragma once
#include <cstdint>

#include "hallcore/hall/result_entry.h"
#include "hallcore/machine/machine_layout.h"

enum {
    kPlayerBlocks = 8,
    kNameBytes = 24,        // the field, with its terminator
    kNameMaxBytes = 21,     // the longest name kept
    kHistoryRows = 4,       // row 0 the current or latest visit
    kStartingMoney = 10000, // yen at registration
};

struct PlayerRecord {
    int32_t inUse;          // 1 registered, 0 free block (all zero)
    char name[kNameBytes];  // Shift-JIS, zero-terminated
    int32_t wins;           // visits that ended with a positive result
    int32_t losses;         // ... with a negative one
    int32_t leftoverBalls;  // 0..79 kept from the last cash-out
    int32_t unused;         // kept as read
    int32_t money;          // yen
    ResultEntry history[kHistoryRows];
    ResultEntry best;       // empty until a visit ends with a win
};
RECORD_FIELD_AT(PlayerRecord, name, 4);
RECORD_FIELD_AT(PlayerRecord, wins, 28);
RECORD_FIELD_AT(PlayerRecord, leftoverBalls, 36);
RECORD_FIELD_AT(PlayerRecord, money, 44);
RECORD_FIELD_AT(PlayerRecord, history, 48);
RECORD_FIELD_AT(PlayerRecord, best, 192);
static_assert(sizeof(PlayerRecord) == 228, "stored raw in the player file");

extern PlayerRecord players[kPlayerBlocks];
