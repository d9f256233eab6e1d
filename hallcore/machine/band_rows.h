// Which of a board's bands (windmill zones) hold each row: bit i of the
// row's mask for band i, at most sixteen bands. Every ball in flight asks
// on every step whether it hits a windmill, and most rows hold none, so the
// bands are sorted into rows once and a ball looks at its row's bands only.
#pragma once
#include <cstdint>

class BandRows {
public:
    // `Band` has yMin and yMax; bands past the sixteenth are never asked of.
    template <class Band>
    BandRows(const Band* bands, int count)
    {
        for (int i = 0; i < count && i < 16; i++)
            for (int y = bands[i].yMin; y <= bands[i].yMax; y++)
                if (y >= 0 && y < 256)
                    rows[y] |= uint16_t(1u << i);
    }

    unsigned at(int y) const { return y >= 0 && y < 256 ? rows[y] : 0u; }

    // The lowest band of a mask, then the mask without it.
    static int first(unsigned mask) { return __builtin_ctz(mask); }
    static unsigned rest(unsigned mask) { return mask & (mask - 1); }

private:
    uint16_t rows[256] = {};
};
