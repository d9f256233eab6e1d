// Shift-JIS texts in fixed-size fields of the data files.
#pragma once
#include <cstddef>

// True for the first byte of a two-byte Shift-JIS character.
bool isShiftJisLead(unsigned char c);

// Copies at most maxBytes bytes of src into dst (which holds maxBytes + 1),
// never ending in half a two-byte character, and terminates it. Returns the
// length copied.
size_t copyShiftJis(char* dst, const char* src, size_t maxBytes);

// Makes sure a field holds a terminated text of at most size - 1 bytes that
// does not end in half a character; the bytes after the text are cleared.
void terminateField(char* field, size_t size);

// Byte comparison of two terminated fields (names are case-sensitive).
bool sameText(const char* a, const char* b);
