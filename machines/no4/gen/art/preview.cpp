// The No.4 play view for artgen_no4 --preview: the board with its lamps
// lit, the reels on a reach of 8, the wings open, spinners, balls and the
// fairy, put together from the pictures by their documented layouts
// (no4_art_layout.h). For looking at the pieces together; the program
// composes its screen itself (the unit tests' stills show its states).
#include "board.h"
#include "no4_art.h"
#include "no4_art_layout.h"

using namespace no4art;

namespace {

Canvas playView(const Pictures& pictures)
{
    Canvas c = boardOf(pictures);
    Composer v{pictures, c};
    composeEnginePieces(v, true, 3, true);
    auto lamp = [&](const LampPiece& p) { v.copy(p.place.x, p.place.y, p.unlit.w, p.unlit.h, 603, p.litX, p.litY); };
    for (const LampPiece& p : kLampA)
        lamp(p);
    lamp(kLampC[0]);
    for (const LampPiece& p : kLampD)
        lamp(p);
    for (const LampPiece& p : kLampG)
        lamp(p);
    lamp(kLampH[0]);
    v.copy(kChancePlace.x, kChancePlace.y, kChanceW, kChanceH, 604, 0, 2 * kChanceH);
    for (int i = 0; i < 4; i++)
        v.copy(kHeldLampPlaces[i].x, kHeldLampPlaces[i].y, 12, 12, 601, 0, 12 * (i < 2 ? kHeldOn : i == 2 ? kHeldNewest : kHeldOff));
    v.copy(kAttackerPlace.x, kAttackerPlace.y, kAttackerW, kAttackerH, 605, 0, kAttackerH * kAttackerV);
    const int reelRows[3] = {40 * 7 - 4, 40 * 7 - 4, 40 * 9 - 4 + 17};
    for (int w = 0; w < 3; w++)
        v.copy(kWindowX[w], kWindowY, kWindowW, kWindowH, 606, kStripX, reelRows[w]);
    v.sprite(kWindowX[2], kWindowY, kWindowW, kWindowH, 607, kFlashPlusX, 48 * 10);
    v.copy(kWingsPlace.x, kWingsPlace.y, kWingsW, kWingsH, 609, 0, kWingsH);
    v.copy(kWingLampPlace.x, kWingLampPlace.y, kWingLampW, kWingLampH, 610, 0, 3 * kWingLampH);
    composeBalls(v, {{16, 20}, {34, 45}, {59, 72}, {90, 60}, {40, 80}, {84, 44}});
    for (const Piece& g : kGateFronts)
        v.copy(g.x, g.y, g.w, g.h, 502, g.x, g.y);
    for (int k = 0; k < 8; k++)
        v.sprite(kSpinnerPlaces[k].x, kSpinnerPlaces[k].y, 36, 36, 523, 0, (k < 2 ? 0 : 108) + 36 * (k % 3));
    v.sprite(kFairyPlace.x, kFairyPlace.y, kFairySize, kFairySize, 602, 0, kFairySize * kFairyCheerA);
    return c;
}

} // namespace

Previews no4Previews(const Pictures& pictures)
{
    return {{"preview_play.bmp", playView(pictures)}};
}
