// The No.5 play view for artgen_no5 --preview: the board with every lamp
// lit, the chance plate full, the reels on a reach, the attacker open with
// its V lit, the digit lottery's gate open, spinners and balls, put together
// from the pictures by their layout (no5_art_layout.h). For looking at the
// pieces together; the program composes its screen itself (the screen's
// tests write its real frames, see no5_screen_test.cpp).
#include "board.h"
#include "no5_art.h"
#include "no5_art_layout.h"

using namespace no5art;

namespace {

Canvas playView(const Pictures& pictures)
{
    Canvas c = boardOf(pictures);
    Composer v{pictures, c};
    composeEnginePieces(v, true, 2, true);
    for (const LampGroup& g : kLampGroups) {
        v.copy(g.left.x, g.left.y, g.w, g.h, 603, g.leftLit.x, g.leftLit.y);
        v.copy(g.right.x, g.right.y, g.w, g.h, 603, g.rightLit.x, g.rightLit.y);
    }
    v.copy(kChancePlateAt.x, kChancePlateAt.y, kChancePlateW, kChancePlateH, 604, 0, 2 * kChancePlateH);
    for (int i = 0; i < 4; i++)
        v.copy(kHeldLampAt[i].x, kHeldLampAt[i].y, 8, 8, 601, 0, i < 3 ? 8 : 0);
    v.copy(kAttackerAt.x, kAttackerAt.y, kAttackerW, kAttackerH, 605, 0, kAttackerH * kAttackerVLit);
    v.copy(kAttackerDigitAt.x, kAttackerDigitAt.y, kDigitW, kDigitH, 610, 0, kDigitH * 6);
    // the reels on a reach of 8s, the right one still running
    const int pos[3] = {7 * 42, 7 * 42, 3 * 42 + 20};
    for (int r = 0; r < 3; r++)
        v.copy(kReelX[r], kDisplay.y, kReelWidth, kCellH, 606, kReelHighlightX, pos[r] - kReelSourceAbove);
    v.sprite(kDisplay.x, kDisplay.y, 108, 80, 602, 0, 80);
    v.sprite(kDisplay.x, kDisplay.y, 108, 80, 608, 0, 0);
    v.copy(kGateAt.x, kGateAt.y, kGateW, kGateH, 609, 0, kGateH);
    v.copy(kDigitStartLampsAt.x, kDigitStartLampsAt.y, kStartLampsW, kStartLampsH, 609, 0, kStartLampsY + 2 * kStartLampsH);
    v.copy(kDigitAt.x, kDigitAt.y, kDigitW, kDigitH, 610, 0, kDigitH * 7);
    composeBalls(v, {{16, 20}, {30, 30}, {59, 101}, {90, 60}, {40, 80}});
    for (const Piece& p : kBallCovers)
        v.copy(p.x, p.y, p.w, p.h, 502, p.x, p.y);
    for (int k = 0; k < 6; k++)
        v.sprite(kSpinnerAt[k].x, kSpinnerAt[k].y, 36, 36, 523, k < 2 ? kSpinnerLitX : kSpinnerUnlitX,
                 (k < 2 ? kUpperSpinnerRow : kLowerSpinnerRow) + 36 * (k % 3));
    return c;
}

} // namespace

Previews no5Previews(const Pictures& pictures)
{
    return {{"preview_play.bmp", playView(pictures)}};
}
