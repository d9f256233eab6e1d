// The hall preview (artgen_<model> --preview): machines 0, 1 and 2 of a row
// with the cursor on 1, customers and ball boxes, put together from the
// pictures by the hall screen's layout.
#include "artkit.h"

const Canvas& Composer::at(int id) const
{
    static const Canvas none;
    auto p = pictures.find(id);
    return p == pictures.end() ? none : p->second;
}

Canvas hallPreview(const Pictures& pictures)
{
    Canvas c(480, 432);
    Composer k{pictures, c};
    const int occupant[4] = {0, 1, 1, 0};
    const int boxes[4] = {0, 5, 2, 0};
    for (int col = 0; col < 3; col++) {
        int b = col; // machines 0, 1, 2 with the cursor on 1
        int x = 192 * col - 74;
        for (int t = 0; t < 6; t++) {
            for (int y = 32; y < 416; y += 32)
                k.copy(x + 32 * t, y, 32, 32, 512, 0, 32);
            k.copy(x + 32 * t, 416, 32, 16, 512, 0, 64);
        }
        if (b == 0)
            k.copy(x + 52 - 170, 0, 170, 432, 511, 0, 0);
        else
            k.copy(x, 0, 52, 272, 514, 0, 0);
        k.copy(x + 52, 0, 140, 272, 513, 0, 0);
        k.copy(x + 85, 8, 74, 20, 515, 0, 20 * (b == 2 ? 2 : 1));
        if (occupant[b])
            k.sprite(x + 52 + 70 - 44, 416 - 328, 88, 328, 517, 0, 0);
        else
            k.sprite(x + 52 + 70 - 42, 416 - 195, 84, 195, 516, 0, 0);
        for (int n = 0; n < boxes[b]; n++) {
            int d = n < 4 ? 10 : n < 8 ? -30 : 90;
            int a = n % 4;
            k.sprite(x + 52 + d, 416 + a - 28 * (a + 1), 40, 28, 518, 0, 0);
        }
        k.copy(x + 52, 32, 140, 64, 519, 0, 64 * (occupant[b] ? 2 : 0));
    }
    return c;
}
