// The one-line boards' common rules: the second stage after an entry zone,
// the V's round, the landing, and the windmills.
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/band_rows.h"
#include "hallcore/machine/random.h"
#include "one_line.h"

void chooseOneLineSecondStage(BallSlot& ball, int code)
{
    int zone = code / 8;
    bool isZone = code % 8 == 0 && zone >= 0 && zone <= 7; // else the path as it is
    chooseSecondStagePath(ball, code, isZone ? kOneLine.luckyOdds[zone] : 0);
}

bool onLowerBoardPath(const BallSlot& ball)
{
    return ball.path >= kSecondStageFirstPath && ball.path <= kSecondStageLastPath;
}

static void hitRowWindmills(MachineState& m, int x, unsigned in)
{
    for (; in != 0; in = BandRows::rest(in)) {
        const WindmillZone& z = kOneLine.windmills[BandRows::first(in)];
        if (x >= z.awayXMin && x <= z.awayXMax)
            hitWindmill(m.spinner[z.spinner], false, z.kick);
        else if (x >= z.towardsXMin && x <= z.towardsXMax)
            hitWindmill(m.spinner[z.spinner], true, z.kick);
    }
}

// Sorted at start-up (the model's table is a constant, there before it).
// Every ball in flight asks on every step and most rows hold no windmill:
// with the rows outside the function, that test is small enough to be
// inlined into the ball's step.
static const BandRows windmillRows(kOneLine.windmills, kOneLine.windmillCount);

void hitOneLineWindmills(MachineState& m, int x, int y)
{
    if (unsigned in = windmillRows.at(y))
        hitRowWindmills(m, x, in);
}

void slowOneLineWindmills(MachineState& m)
{
    for (int i = 0; i < kOneLine.windmillCount; i++) {
        const WindmillZone& z = kOneLine.windmills[i];
        slowWindmill(m.spinner[z.spinner], z.still);
    }
}

bool vCountsNow(const MachineState& m)
{
    return m.mode == 3 && m.round >= 1 && m.round <= kOneLine.lastVRound && m.vHit == 0;
}

bool landOneLineBall(MachineState& m, const BallSlot& ball, int code)
{
    switch (code) {
    case kCodeStartPocket:
        return landInStartPocket(m);
    case kCodePrizePocket:
        m.pendingPrizePayouts += 1;
        if (ball.path >= kOneLine.attackerPathFirst && ball.path <= kOneLine.attackerPathLast)
            countAttackerBall(m);
        return false;
    default: // lost at the bottom of the board
        return false;
    }
}

void modelUpperBoardHit(MachineState& m, int x, int y)
{
    hitOneLineWindmills(m, x, y);
}

void modelLowerBoardHit(MachineState& m, int x, int y)
{
    hitOneLineWindmills(m, x, y);
}

void modelSlowWindmills(MachineState& m)
{
    slowOneLineWindmills(m);
}

bool modelBallSlotIsValid(const BallSlot&)
{
    return false; // the one-line balls know only the engine's states
}

void modelOwnBallStep(MachineState&, BallSlot& ball)
{
    freeSlot(ball);
}
