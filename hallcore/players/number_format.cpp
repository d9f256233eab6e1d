#include "hallcore/players/number_format.h"

#include <cstring>

int formatGrouped(int64_t value, char out[kGroupedBytes])
{
    if (value > 999999999)
        value = 999999999;
    if (value < -99999999)
        value = -99999999;
    bool negative = value < 0;
    uint64_t v = negative ? (uint64_t)(-value) : (uint64_t)value;

    // digits right-aligned in 9 places, blanks before them
    char digits[9];
    for (int i = 8; i >= 0; i--) {
        if (v == 0 && i < 8) {
            digits[i] = ' ';
        } else {
            digits[i] = (char)('0' + v % 10);
            v /= 10;
        }
    }
    // c0 c1 c2 S1 c3 c4 c5 S2 c6 c7 c8: a comma only between digits
    char* o = out;
    for (int i = 0; i < 9; i++) {
        *o++ = digits[i];
        if (i == 2 || i == 5)
            *o++ = digits[i] != ' ' ? ',' : ' ';
    }
    *o = 0;
    int first = 0;
    while (out[first] == ' ')
        first++;
    if (negative) // the sign takes the blank before the first digit
        out[--first] = '-';
    return 11 - first;
}

int formatAmount(int64_t value, char out[kAmountBytes])
{
    char grouped[kGroupedBytes];
    int length = formatGrouped(value, grouped);
    std::memcpy(out, grouped + (11 - length), (size_t)length + 1);
    return length;
}
