// Machine No.4's board: the second stage after the entry zones with the
// wing lottery's gates, the wings, the attacker and its V, the pockets and
// the eight windmills.
#include "hallcore/machine/big_prize.h"
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"
#include "no4.h"
#include "no4_board_geometry.h"
#include "no4_paths.h"

namespace g = no4board;

const unsigned char (*const modelPathTable)[32][2] = no4PathTable;

void modelChooseSecondStage(MachineState& m, BallSlot& ball, int code)
{
    if ((code == g::kWingGateCodes[0] || code == g::kWingGateCodes[1]) && m.wingDrawStarts < kMostWingStarts)
        m.wingDrawStarts += 1; // through a gate of the wing lottery
    chooseOneLineSecondStage(ball, code);
}

static bool nextPointIs(const BallSlot& ball, const g::Point (&points)[2])
{
    const unsigned char* p = modelPathEntry(ball.path, ball.step);
    for (const g::Point& q : points)
        if (p[0] == q.x && p[1] == q.y)
            return true;
    return false;
}

// Open wings take a lower-board ball whose next point is at one of their
// catch points; not in the last two steps of an opening, when they close.
static void wingCatch(const MachineState& m, BallSlot& ball)
{
    if (m.wingsOpen != 1 || m.wingDrawTick % kWingOpeningPeriod >= g::kWingCatchWindow)
        return;
    if (nextPointIs(ball, g::kLeftWingCatch)) {
        ball.path = g::kLeftWingPath;
        ball.step = 0;
    } else if (nextPointIs(ball, g::kRightWingCatch)) {
        ball.path = g::kRightWingPath;
        ball.step = 0;
    }
}

// An open door takes a lower-board ball on a row of its mouth onto a run:
// odd columns leftward, even ones rightward, from its own column on.
static constexpr DoorMouth kMouth = {g::kMouthXMin, g::kMouthXMax, g::kMouthUpperRow, g::kMouthLowerRow,
                                     g::kDoorPathLeftward, g::kDoorPathRightward};

// The V inside the attacker: in rounds 1..15 the first ball of the round to
// reach it ends there as a prize entry that counts for the round.
static bool takesTheV(MachineState& m, const BallSlot& ball)
{
    if (!vCountsNow(m))
        return false;
    if (isPathEnd(ball.path, ball.step))
        return false;
    int x = modelPathEntry(ball.path, ball.step)[0];
    if (x < g::kVXMin || x > g::kVXMax)
        return false;
    m.pendingPrizePayouts += 1;
    countAttackerBall(m);
    m.vHit = 1;
    m.dirty |= kDirtyAttacker;
    return true;
}

int modelSecondStageBall(MachineState& m, BallSlot& ball)
{
    if (onLowerBoardPath(ball))
        wingCatch(m, ball);
    if (m.attackerOpen && onLowerBoardPath(ball))
        catchAtDoorMouth(ball, kMouth);
    bool onDoor = ball.path == g::kDoorPathLeftward || ball.path == g::kDoorPathRightward;
    if (onDoor && takesTheV(m, ball))
        return kBallRemoved; // counted once, it lands nowhere else
    return kBallGoesOn;
}

void modelLandBall(MachineState& m, const BallSlot& ball, int code)
{
    if (landOneLineBall(m, ball, code))
        m.heldLampTick = 0; // the newest held-start lamp blinks
}
