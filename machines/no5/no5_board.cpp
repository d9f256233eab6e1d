// Machine No.5's board: the second stage after the entry zones, the digit
// lottery's start points and its gate, the attacker's three channels with
// the V in the centre, the pockets and the six windmills.
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"
#include "no5.h"
#include "no5_board_geometry.h"
#include "no5_paths.h"

namespace g = no5board;

const unsigned char (*const modelPathTable)[32][2] = no5PathTable;

void modelChooseSecondStage(MachineState&, BallSlot& ball, int code)
{
    chooseOneLineSecondStage(ball, code);
}

static bool nextPointIs(const BallSlot& ball, g::Point q)
{
    const unsigned char* p = modelPathEntry(ball.path, ball.step);
    return p[0] == q.x && p[1] == q.y;
}

// An open door takes a lower-board ball on the mouth's row into a channel.
static bool doorCapture(BallSlot& ball)
{
    int x = ballX(ball), y = ballY(ball);
    if (y != g::kMouthRow || x < g::kMouthXMin || x > g::kMouthXMax)
        return false;
    if (x == g::kVColumn) {
        ball.path = g::kVChannelPath;
        ball.step = 0;
    } else if (x > g::kVColumn) {
        ball.path = g::kRightChannelPath;
        ball.step = doorJoinStep(ball.path, x, false);
    } else {
        ball.path = g::kLeftChannelPath;
        ball.step = doorJoinStep(ball.path, x, true);
    }
    return true;
}

int modelSecondStageBall(MachineState& m, BallSlot& ball)
{
    if (!onLowerBoardPath(ball))
        return kBallGoesOn; // the channels and the gate's path are taken already
    for (const g::Point& p : g::kDigitStartPoints)
        if (nextPointIs(ball, p) && m.digitStarts < kMostDigitStarts)
            m.digitStarts += 1;
    if (m.attackerOpen && doorCapture(ball))
        return kBallGoesOn;
    if (m.digitGate == kGateOpen && nextPointIs(ball, g::kGatePoint)) {
        m.digitTick = kDigitCaught;
        m.digitGate = kGateCaught;
        ball.path = g::kGatePath;
        ball.step = 0;
    }
    return kBallGoesOn;
}

void modelLandBall(MachineState& m, const BallSlot& ball, int code)
{
    if (ball.path == g::kVChannelPath && vCountsNow(m)) {
        m.vHit = 1; // the V: the round goes on
        m.dirty |= kDirtyAttacker;
    }
    if (landOneLineBall(m, ball, code))
        m.spare = 0;
}
