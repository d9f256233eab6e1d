// The No.1 play view for artgen_no1 --preview: the board with every lamp
// lit, the reels showing a reach on the middle row with its marks, the
// attacker open, the windmills and a few balls, put together from the
// pictures by their documented layouts (no1_art_layout.h). For looking at
// the pieces together; the program composes its screen itself (and the
// screen tests write its real frames, NO1_SCREENSHOTS).
#include "board.h"
#include "no1_art.h"
#include "no1_art_layout.h"

using namespace no1art;

namespace {

Canvas playView(const Pictures& pictures)
{
    Canvas c = boardOf(pictures);
    Composer v{pictures, c};
    composeEnginePieces(v, true, 3, true);
    for (int i = 0; i < 4; i++)
        v.copy(205 + 18 * i, 165, 16, 10, 601, i < 3 ? kHeldLampLitX : 0, 0);
    const struct {
        LampPair p;
        int leftX, rightX, y;
    } pairs[] = {{kReelLamps, 166, 299, 173}, {kSideLamps, 3, 435, 177}, {kPocketLamps, 65, 369, 327},
                 {kCornerLamps, 109, 325, 371}};
    for (auto& p : pairs) {
        v.copy(p.leftX, p.y, p.p.w, p.p.h, p.p.id, p.p.w, 0);
        v.copy(p.rightX, p.y, p.p.w, p.p.h, p.p.id, p.p.w, p.p.h);
    }
    v.copy(182, 360, 116, 40, 606, kAttackerOpen.x, kAttackerOpen.y);
    v.copy(233, 402, 15, 21, 612, 0, 21 * 7);
    // reels: the left and right reels stopped on a reach of 5s on the middle row
    const int pos[3] = {11 * 24, 3 * 24 + 10, 1 * 24};
    for (int r = 0; r < 3; r++)
        v.copy(186 + 36 * r, 180, 36, 80, 610, 36 * r, pos[r] - 4);
    for (int r = 0; r < 3; r++)
        v.sprite(186 + 36 * r, 204, 36, 32, 608, kLineMark.x, kLineMark.y);
    const int mills[4][2] = {{130, 108}, {314, 108}, {130, 236}, {314, 236}};
    for (int w = 0; w < 4; w++)
        v.sprite(mills[w][0], mills[w][1], 36, 36, 523, 0, (w < 2 ? 0 : 108) + 36 * w % 3);
    composeBalls(v, {{16, 20}, {30, 30}, {59, 72}, {90, 60}, {52, 95}});
    return c;
}

} // namespace

Previews no1Previews(const Pictures& pictures)
{
    return {{"preview_play.bmp", playView(pictures)}};
}
