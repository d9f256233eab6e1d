#include "hallcore/players/sjis_text.h"

#include <cstring>

bool isShiftJisLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

size_t copyShiftJis(char* dst, const char* src, size_t maxBytes)
{
    size_t n = 0;
    while (n < maxBytes && src[n]) {
        size_t width = isShiftJisLead((unsigned char)src[n]) ? 2 : 1;
        if (n + width > maxBytes || (width == 2 && !src[n + 1]))
            break; // the second byte would not fit, or is missing
        n += width;
    }
    std::memmove(dst, src, n);
    dst[n] = 0;
    return n;
}

void terminateField(char* field, size_t size)
{
    char text[256];
    size_t limit = size - 1 < sizeof text - 1 ? size - 1 : sizeof text - 1;
    size_t length = 0;
    while (length < limit && field[length])
        length++;
    std::memcpy(text, field, length);
    text[length] = 0;
    std::memset(field, 0, size);
    copyShiftJis(field, text, limit);
}

bool sameText(const char* a, const char* b)
{
    return std::strcmp(a, b) == 0;
}
