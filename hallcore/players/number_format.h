// Money and ball counts as the dialogs and the panel show them.
#pragma once
#include <cstdint>

enum {
    kGroupedBytes = 12, // 11 characters and the terminator
    kAmountBytes = 16,
};

// Right-aligned in 11 characters with a comma between groups of three:
// 123456 → "    123,456", returning 7 (the characters that are not leading
// blanks). Values beyond the field show its limit: above 999,999,999 as
// 999,999,999, below -99,999,999 as -99,999,999.
int formatGrouped(int64_t value, char out[kGroupedBytes]);

// The grouped text without its leading blanks: 1000 → "1,000", returning 5.
int formatAmount(int64_t value, char out[kAmountBytes]);
