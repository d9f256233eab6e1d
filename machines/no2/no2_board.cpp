// Machine No.2's board: the path table, where balls go after the entry
// zones, the stage, the door of the big prize and its V zone.
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/random.h"
#include "no2.h"
#include "no2_board_geometry.h"
#include "no2_paths.h"

using namespace no2board;

const unsigned char (*const modelPathTable)[32][2] = no2PathTable;

void modelChooseSecondStage(MachineState&, BallSlot& ball, int code)
{
    if (code == kStageRightward || code == kStageLeftward) {
        enterStage(ball, code);
        return;
    }
    int zone = code / 8;
    chooseSecondStagePath(ball, code, zone >= 0 && zone < 8 && code % 8 == 0 ? kLuckyOdds[zone] : 0);
}

// ---------------------------------------------------------------- the stage

void enterStage(BallSlot& ball, int code)
{
    ball.state = kStageState;
    ball.step = 0;
    ball.path = code; // the direction: 24 rolls right first, 32 left
    setBallPosition(ball, 0, 0);
}

static void dropOffStage(BallSlot& ball)
{
    chooseSecondStagePath(ball, ball.path, kStageLuckyOdds);
    ball.state = 3;
    ball.step = 0;
}

// One step: hidden at first, then shown at its end of the shelf; a first
// run to and fro between the ends, quick in the middle; then shorter runs
// between the inner marks, where it may drop each time it passes the middle
// (rolling right over x 57, left over x 61), surely from step 64 on. A ball
// moves by its step and turns when it reached the mark, so it keeps passing
// over the drop points.
void stageStep(MachineState&, BallSlot& ball)
{
    int c = ball.step + 1;
    ball.step = c;
    const bool right = ball.path == kStageRightward;
    if (c < kStageHiddenSteps) {
        setBallPosition(ball, 0, 0);
        return;
    }
    if (c == kStageHiddenSteps) {
        setBallPosition(ball, right ? kStageLeft : kStageRight, kStageRow);
        return;
    }
    int x = ballX(ball);
    if (c >= kStageGiveUp) { // long past the forced drop (a ball from a damaged record): down now
        dropOffStage(ball);
        return;
    }
    int step;
    bool turns;
    if (c <= kStageFirstRunSteps) {
        step = (x > kStageFastFrom && x < kStageFastTo) ? 4 : 2;
        turns = right ? x + step >= kStageRight : x - step <= kStageLeft;
    } else {
        step = right ? (x < kStageSlowRight ? 2 : 1) : (x > kStageSlowLeft ? 2 : 1);
        turns = right ? x + step >= kStageInnerRight : x - step <= kStageInnerLeft;
        bool overDrop = right ? x == kStageDropRight : x == kStageDropLeft;
        if (overDrop && (c >= kStageForcedDrop || oneIn(kStageDropOdds))) {
            dropOffStage(ball);
            return;
        }
    }
    setBallPosition(ball, right ? x + step : x - step, kStageRow);
    if (turns)
        ball.path = right ? kStageLeftward : kStageRightward;
}

void modelOwnBallStep(MachineState& m, BallSlot& ball)
{
    if (ball.state == kStageState && modelBallSlotIsValid(ball))
        stageStep(m, ball);
    else
        freeSlot(ball);
}

bool modelBallSlotIsValid(const BallSlot& b)
{
    if (b.state != kStageState || (b.path != kStageRightward && b.path != kStageLeftward))
        return false;
    if (b.step < 0 || b.step >= kStageGiveUp)
        return false;
    if (b.step < kStageHiddenSteps)
        return true; // hidden: its position is not read
    int x = ballX(b);
    return ballY(b) == kStageRow && x >= kStageLeft && x <= kStageRight;
}

// ---------------------------------------------------------------- the door

int modelSecondStageBall(MachineState& m, BallSlot& ball)
{
    if (m.attackerOpen)
        doorCapture(ball);
    // the first door ball of a round over the V zone falls in: unpaid, uncounted
    if (onDoorPath(ball) && m.vHit == 0 && !isPathEnd(ball.path, ball.step)) {
        int next = modelPathEntry(ball.path, ball.step)[0];
        if (next >= kVZoneX0 && next <= kVZoneX1) {
            m.vHit = 1;
            m.dirty |= kDirtyAttacker;
            return kBallRemoved;
        }
    }
    return kBallGoesOn;
}
