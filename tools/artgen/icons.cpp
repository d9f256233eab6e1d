// The program icon (110, large and small) and its small form (111): a
// shining pachinko ball struck by a lightning bolt on a red disc.
#include "artkit.h"
#include "lamps.h"

namespace {

Canvas icon(int size)
{
    Canvas c(size, size, col::key);
    double s = size / 32.0;
    c.disc(16 * s, 16 * s, 15.5 * s, col::black);
    c.sphere(16 * s, 16 * s, 14.5 * s, {col::maroon, col::crimson, col::red, col::orange}, false);
    c.sphere(14 * s, 15 * s, 9 * s, {col::black, col::grey, col::silver, col::ice, col::white});
    shapeLamp(c, boltShape(17 * s, 6 * s, 12 * s, 22 * s), 23 * s, 17 * s, 12 * s, hue::yellow, true);
    return c;
}

} // namespace

void makeIcons(ArtSet& out)
{
    out.icon(110, {icon(32), icon(16)});
    out.icon(111, {icon(16)});
}
