#include "hallcore/gfx/play_screen.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/sys/sys_present.h"

const FrameLampPiece kFrameLampPieces[3] = {{0, 0, 76, 34}, {0, 34, 37, 29}, {0, 63, 49, 73}};

// Where the pieces stand on the play view, left side then right side.
static const FrameLampPiece kFrameLampPlaces[2][3] = {
    {{94, 0, 76, 34}, {54, 37, 37, 29}, {0, 68, 49, 73}},
    {{310, 0, 76, 34}, {389, 37, 37, 29}, {430, 68, 49, 73}},
};

void playScreenTick(MachineState& m, const PlayScreenParts& parts)
{
    modelServeSound(m, animClock.count512 == 0);
    parts.clockRedraws(m, animClock);
    parts.redrawLayers(m, animClock, m.dirty);
    m.dirty = 0;
    copyPicture(sceneSurface, 0, 0, 480, 432, boardPicture(), 0, 0);
    parts.composeMovingParts(m, animClock, sceneSurface, true);
    sysPresent(kWindowPlay, 0, 0, 480, 432, sceneSurface, 0, 0);
}

void playScreenPaint(MachineState& m, const PlayScreenParts& parts)
{
    parts.redrawLayers(m, animClock, parts.allLayers);
    copyPicture(sceneSurface, 0, 0, 480, 432, boardPicture(), 0, 0);
    // The moving parts as they stand, so a window uncovered while the ticks
    // wait (a dialog, a menu) does not lose its reels and balls; animations
    // are counted by the drawing ticks only.
    parts.composeMovingParts(m, animClock, sceneSurface, false);
    sysPresent(kWindowPlay, 0, 0, 480, 432, sceneSurface, 0, 0);
}

void drawFrameLamps(Picture& board, bool lit)
{
    int sx = lit ? kFrameLampLitX : 0;
    for (int side = 0; side < 2; side++)
        for (int k = 0; k < 3; k++) {
            const FrameLampPiece& at = kFrameLampPlaces[side][k];
            copyPicture(board, at.x, at.y, at.w, at.h, artPicture(521), sx,
                        kFrameLampPieces[k].y + side * kFrameLampRightY);
        }
}

void drawMachineTopSign(Picture& board, int feverKind)
{
    int kind = (feverKind % 4 + 4) % 4; // a wild word never indexes past the four signs
    copyPicture(board, 386, 4, 90, 30, artPicture(524), 0, 30 * kind);
}

void drawPayoutLamp(Picture& board, bool lit)
{
    copyPicture(board, 4, 38, 48, 30, artPicture(522), 0, lit ? 30 : 0);
}

void drawCabinetLayers(Picture& board, const MachineState& m, int layers, bool frameLampsLit)
{
    if (layers & kDirtyFrameLamps)
        drawFrameLamps(board, frameLampsLit);
    if (layers & kDirtyFeverKind)
        drawMachineTopSign(board, m.feverKind);
    if (layers & kDirtyPayoutLamp)
        drawPayoutLamp(board, m.payoutToggle == 1);
}

void drawBalls(Picture& view, const MachineState& m)
{
    const Sprite& ball = artSprite(520);
    for (const BallSlot& b : m.ballSlot)
        if (ballX(b) > 0)
            drawSprite(view, 4 * ballX(b) - 2, 4 * ballY(b) - 4, 12, 12, 0, 0, ball);
}

int windmillFrame(int spin)
{
    long long v = spin;
    if (v > 0)
        return (int)(v % 3);
    if (v < 0)
        return 2 - (int)((-v) % 3);
    return 1;
}

void drawWindmill(Picture& view, int x, int y, int sourceX, int firstRow, int spin)
{
    drawSprite(view, x, y, 36, 36, sourceX, firstRow + 36 * windmillFrame(spin), artSprite(523));
}
