// A visit result, stored raw in both data files: a row of a shop's five best
// results and of a player's history. It does not depend on the machine model,
// so the player file is the same for every program of the family.
#pragma once
#include <cstdint>

struct ResultEntry {
    char dateText[6]; // "MM/DD", zero-terminated
    char label[26];   // player name (shop) or machine title (player), Shift-JIS
    int32_t amount;   // yen won (or lost, negative)
};
static_assert(sizeof(ResultEntry) == 36, "stored raw in the data files");
