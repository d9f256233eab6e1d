// The play screen's blits from its pictures: the source rectangle is kept
// inside the picture whatever a record's words made of it (a damaged file,
// a count past its last frame), so no piece is ever cut short or shifted
// by the blit's clipping and nothing is read beside a picture.
#pragma once
#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/bitmap.h"

namespace no1screen {

// value mod modulus in 0..modulus-1, for any value.
inline int wrap(long long value, int modulus)
{
    long long r = value % modulus;
    return (int)(r < 0 ? r + modulus : r);
}

inline int clampInt(long long v, int lo, int hi)
{
    return (int)(v < lo ? lo : v > hi ? hi : v);
}

// Moves (sx, sy) so that w x h from it lies inside a picture of pw x ph.
inline void keepInside(int& sx, int& sy, int w, int h, int pw, int ph)
{
    sx = clampInt(sx, 0, pw > w ? pw - w : 0);
    sy = clampInt(sy, 0, ph > h ? ph - h : 0);
}

// w x h at (sx, sy) of picture `id` to (x, y) of `target`.
inline void cut(Picture& target, int x, int y, int w, int h, int id, int sx, int sy)
{
    const Picture& source = artPicture(id);
    keepInside(sx, sy, w, h, source.width, source.height);
    copyPicture(target, x, y, w, h, source, sx, sy);
}

// The same from sprite `id`, its key colour leaving the target unchanged.
inline void cutSprite(Picture& target, int x, int y, int w, int h, int id, int sx, int sy)
{
    const Sprite& sprite = artSprite(id);
    keepInside(sx, sy, w, h, sprite.image.width, sprite.image.height);
    drawSprite(target, x, y, w, h, sx, sy, sprite);
}

} // namespace no1screen
