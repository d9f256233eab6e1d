// The data files' checksum: the sum of a block's bytes taken as signed.
// On a file of its own so the fuzz build can leave its byte loop untraced:
// a comparison a step is all it holds, nothing for the fuzzer to learn.
#include "hallcore/players/data_files.h"

int32_t blockChecksum(const void* data, size_t size)
{
    const int8_t* b = (const int8_t*)data;
    int32_t sum = 0;
    for (size_t i = 0; i < size; i++)
        sum += b[i];
    return sum;
}
