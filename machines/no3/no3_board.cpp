// Machine No.3's board: where balls go after the entry zones, the six
// windmills, the pockets, and the door of the big prize. The places and
// numbers are the board's (no3_board_geometry.h), which the path table was
// drawn to agree with.
#include "hallcore/machine/big_prize.h"
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/random.h"
#include "no3.h"
#include "no3_board_geometry.h"
#include "no3_paths.h"

using namespace no3board;

const unsigned char (*const modelPathTable)[32][2] = no3PathTable;

// Zone (code / 8) → a lucky path is taken with a chance of 1 in this; 0 for
// a code that is no zone's.
static int luckyOdds(int code)
{
    if (code < 0 || code % 8 != 0 || code / 8 >= int(sizeof kLuckyOdds / sizeof kLuckyOdds[0]))
        return 0;
    return kLuckyOdds[code / 8];
}

void modelChooseSecondStage(MachineState&, BallSlot& ball, int code)
{
    chooseSecondStagePath(ball, code, luckyOdds(code));
}

// A ball of `Stage` at (x, y) in a windmill's band sets it turning away or
// towards; the bands do not overlap, so it hits one windmill at most. Every
// ball in flight asks this every step: the loop is unrolled over the
// constant table so that the other stage's windmills drop out at compile time.
template <int Stage>
static void hitWindmills(MachineState& m, int x, int y)
{
#pragma GCC unroll 8
    for (const Windmill& w : kWindmills) {
        if (w.stage != Stage || y < w.yMin || y > w.yMax)
            continue;
        if (x >= w.awayXMin && x <= w.awayXMax) {
            hitWindmill(m.spinner[w.spinner], false, w.kick);
            return;
        }
        if (x >= w.towardsXMin && x <= w.towardsXMax) {
            hitWindmill(m.spinner[w.spinner], true, w.kick);
            return;
        }
    }
}

void modelUpperBoardHit(MachineState& m, int x, int y)
{
    hitWindmills<1>(m, x, y);
}

void modelLowerBoardHit(MachineState& m, int x, int y)
{
    hitWindmills<2>(m, x, y);
}

void modelSlowWindmills(MachineState& m)
{
#pragma GCC unroll 8
    for (const Windmill& w : kWindmills)
        slowWindmill(m.spinner[w.spinner], w.still);
}

// A second-stage ball crossing the door's mouth while it is open runs into
// the door.
static constexpr DoorMouth kMouth = {kMouthXMin, kMouthXMax, kMouthUpperRow, kMouthLowerRow,
                                     kDoorPathLeftward, kDoorPathRightward};

int modelSecondStageBall(MachineState& m, BallSlot& ball)
{
    if (m.attackerOpen)
        catchAtDoorMouth(ball, kMouth);
    return kBallGoesOn;
}

void modelLandBall(MachineState& m, const BallSlot& ball, int code)
{
    switch (code) {
    case kCodeStartPocket:
        landInStartPocket(m);
        break;
    case kCodePrizePocket:
        m.pendingPrizePayouts += 1;
        if (ball.path == kDoorPathLeftward || ball.path == kDoorPathRightward) {
            m.attackerCount += 1;
            // the V zone; the last round's V is not counted
            if (ball.path == kDoorPathRightward && m.vHit == 0 && m.round != 16)
                m.vHit = 1;
        }
        break;
    default: // lost at the bottom of the board
        break;
    }
}
