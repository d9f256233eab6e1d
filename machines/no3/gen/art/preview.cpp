// The No.3 play view for artgen_no3 --preview: the board with every lamp
// lit, reels showing a reach, the door open with its V lit, windmills, balls
// and ornaments, put together from the pictures by their documented layouts
// (no3_art_layout.h). For looking at the pieces together; the program
// composes its screen itself.
#include "board.h"
#include "no3_art.h"
#include "no3_art_layout.h"
#include "no3_board_geometry.h"

using namespace no3art;

namespace {

Canvas playView(const Pictures& pictures)
{
    Canvas c = boardOf(pictures);
    Composer v{pictures, c};
    // every lamp lit
    composeEnginePieces(v, true, 2, true);
    v.copy(194, 157, 48, 16, 601, kHeldLamps.x, kHeldLampsLitY); // two held starts
    v.copy(198, 264, 84, 12, 601, kLampStrip.x, kLampStrip.y + 12);
    const LampPair* pairs[] = {&kSideLamps, &kCornerLamps, &kTopLamp, &kPocketLamps, &kReelSideLamps, &kBottomLamp};
    const int at[][3] = {{9, 184, 443}, {89, 381, 319}, {204, 104, 0}, {56, 308, 384}, {169, 181, 298}, {219, 412, 0}};
    for (int i = 0; i < 6; i++) {
        const Piece& u = pairs[i]->unlit;
        v.copy(at[i][0], at[i][1], u.w, u.h, 601, u.x + pairs[i]->litDx, u.y);
        if (pairs[i]->rightDx)
            v.copy(at[i][2], at[i][1], u.w, u.h, 601, u.x + pairs[i]->rightDx + pairs[i]->litDx, u.y);
    }
    v.copy(186, 372, 108, 36, 601, kDoorOpen.x, kDoorOpen.y);
    v.copy(186, 374, 108, 10, 601, kVStrip.x, kVStrip.y + 10 * 4);
    v.copy(232, 410, 16, 22, 610, 0, 22 * 3);
    // reels: a reach on the top row
    const int pos[9] = {0, 0, 60, 24, 12, 36, 48, 30, 66};
    for (int k = 0; k < 9; k++) {
        int strip = k == 4 ? 2 : (k == 2 || k == 6) ? 1 : 0;
        v.copy(198 + 29 * (k % 3), 177 + 27 * (k / 3), 26, 24, 601, kReelStrip[strip].x, pos[k]);
    }
    // windmills, balls, ornaments
    for (int w = 0; w < no3board::kWindmillCount; w++) {
        const no3board::Windmill& m = no3board::kWindmills[w];
        v.sprite(m.pictureX - 18, m.pictureY - 18, 36, 36, 523, w < 2 ? 36 : 0, 36 * (w % 3) + (w >= 2 ? 108 : 0));
    }
    composeBalls(v, {{16, 20}, {30, 30}, {59, 72}, {90, 60}, {40, 80}});
    v.sprite(82, 168, 44, 66, 602, kTopOrnament[1].x, 0);
    v.sprite(354, 168, 44, 66, 602, kTopOrnament[3].x, 0);
    v.sprite(169, 404, 142, 28, 602, kBottomOrnament.x, kBottomOrnament.y);
    return c;
}

} // namespace

Previews no3Previews(const Pictures& pictures)
{
    return {{"preview_play.bmp", playView(pictures)}};
}
