// The No.2 play view for artgen_no2 --preview: the board with its lamps in
// a reach and in a fever, put together from the pictures by their documented
// layout (no2_art_layout.h). For looking at the pieces together; the program
// composes its screen itself (its still states come from the screen's tests,
// NO2_SCREENSHOTS).
#include "board.h"
#include "no2_art.h"
#include "no2_art_layout.h"

using namespace no2art;

namespace {

Canvas playView(const Pictures& pictures, bool fever)
{
    Canvas c = boardOf(pictures);
    Composer v{pictures, c};
    composeEnginePieces(v, fever, fever ? 3 : 0, true);
    for (int i = 0; i < 4; i++)
        v.copy(kHeldLampX + kHeldLampStep * i, kHeldLampY, kHeldLampW, kHeldLampH, 601, i < 3 ? kHeldLampLitX : 0,
               kHeldLampH * (i == 0 ? 0 : i == 3 ? 2 : 1));
    for (int side = 0; side < 2; side++) {
        const Placed& u = kUpperSide[side];
        v.copy(u.x, u.y, u.from.w, u.from.h, 603, u.from.x + kUpperSideLitDx, u.from.y);
        const Placed& l = kLowerSide[side];
        v.copy(l.x, l.y, l.from.w, l.from.h, 603, fever ? kLowerSideFeverX : kLowerSideSpinX, l.from.y);
        const Placed& s = kSmallSide[side];
        v.copy(s.x, s.y, s.from.w, s.from.h, 603, s.from.x, s.from.y);
        const Placed& k = kCornerLamp[side];
        v.copy(k.x, k.y, k.from.w, k.from.h, 604, fever ? kCornerLampLitX : 0, k.from.y);
    }
    if (fever) {
        v.copy(kDoorOpen.x, kDoorOpen.y, 116, 42, 605, 0, 42);
        v.copy(kDoorLamp.x, kDoorLamp.y, 22, 24, 605, kDoorLampLitX, 84);
        v.copy(kDoorV.x, kDoorV.y, 32, 20, 605, kDoorVLitX, kDoorVHitY);
        v.copy(kRoundDigit.x, kRoundDigit.y, 16, 22, 608, 0, 22 * 7);
    } else {
        v.copy(kDoorClosed.x, kDoorClosed.y, 116, 42, 605, 0, 0);
    }
    // reels standing on a reach of 7s along the middle row
    const int pos[3] = {8 * 24 - 24, 8 * 24 - 24 + 12, 8 * 24 - 24};
    for (int i = 0; i < 3; i++) {
        int x = kReelX + kReelStep * i;
        v.copy(x, kReelY, kReelW, kReelH, 606, kReelW * i, pos[i] - kReelViewOffset);
    }
    const int lit[kWindowLampCount] = {fever ? 96 : 0, fever ? 96 : 0, 48, 48, fever ? 144 : 0, fever ? 144 : 0};
    for (int k = 0; k < kWindowLampCount; k++) {
        const Placed& p = kWindowLamp[k];
        v.sprite(p.x, p.y, p.from.w, p.from.h, 602, p.from.x + lit[k], p.from.y);
    }
    for (int k = 0; k < 4; k++)
        v.sprite(kWindmillAt[k][0], kWindmillAt[k][1], 36, 36, 523, k < 2 && fever ? 36 : 0, k < 2 ? 36 * k : 108 + 36 * k - 72);
    composeBalls(v, {{16, 20}, {30, 30}, {52, 71}, {90, 60}, {20, 80}, {fever ? 60 : 40, fever ? 101 : 90}});
    return c;
}

} // namespace

Previews no2Previews(const Pictures& pictures)
{
    return {{"preview_reach.bmp", playView(pictures, false)}, {"preview_fever.bmp", playView(pictures, true)}};
}
