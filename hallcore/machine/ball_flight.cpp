#include "hallcore/machine/ball_flight.h"

#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/board_field.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/random.h"

// Positions shown while a ball rises along the launch rail; (0, 0) hides it
// behind the rail cover. The same rail in every model.
static const unsigned char kRail[kRailSteps][2] = {
    {7, 107}, {1, 93}, {0, 0}, {0, 0}, {3, 36}, {10, 25},
};

void launchBall(MachineState& m)
{
    if (m.continueBarred || m.launchPower <= 0 || m.handleState == 3 || m.balls <= 0)
        return;
    for (BallSlot& b : m.ballSlot) {
        if (b.state != 0)
            continue;
        int path = m.launchPower - 1 + randomNext() % 16;
        if (path < 0)
            path = 0;
        if (path > kFirstStagePaths - 1)
            path = kFirstStagePaths - 1;
        b.state = 1;
        b.step = 0;
        b.path = path;
        m.balls -= 1;
        return; // one ball per launch beat
    }
}

// A slot whose words point outside the table (a damaged file) loses its ball
// rather than reading past the table.
static bool slotIsValid(const BallSlot& b)
{
    return b.path >= 0 && b.path < kPathCount && b.step >= 0 && b.step < kPathEntries;
}

void freeSlot(BallSlot& b)
{
    b.state = 0;
    setBallPosition(b, 0, 0);
}

bool landInStartPocket(MachineState& m)
{
    m.pendingStartPayouts += 1;
    if (m.heldStarts >= 4)
        return false;
    m.heldStarts += 1;
    m.dirty |= kDirtyHeldStarts;
    return true;
}

void chooseSecondStagePath(BallSlot& ball, int code, int luckyOdds)
{
    ball.path = board_field::kSecondStageFirstPath + code + 4 * (randomNext() % 2);
    if (luckyOdds > 0 && randomNext() % luckyOdds != 0)
        ball.path += 1 + randomNext() % 3;
}

// Moves a ball on a path to its next point. Returns false (and frees the slot)
// when the slot cannot be followed.
static bool followPath(BallSlot& b)
{
    if (!slotIsValid(b) || isPathEnd(b.path, b.step)) {
        freeSlot(b);
        return false;
    }
    const unsigned char* p = modelPathEntry(b.path, b.step);
    setBallPosition(b, p[0], p[1]);
    b.step += 1;
    if (b.step >= kPathEntries) { // no end mark: a damaged table
        freeSlot(b);
        return false;
    }
    return true;
}

void advanceBalls(MachineState& m)
{
    // unrolled: most slots are empty, and an empty one is then a load and a test
#pragma GCC unroll 8
    for (BallSlot& b : m.ballSlot) {
        if (b.state == 0)
            continue;
        switch (b.state) {
        case 1: // the launch rail
            if (b.step < 0 || b.step >= kRailSteps) {
                freeSlot(b);
                break;
            }
            setBallPosition(b, kRail[b.step][0], kRail[b.step][1]);
            b.step += 1;
            if (b.step == kRailSteps) {
                b.state = 2;
                b.step = 0;
            }
            break;
        case 2: // first stage: top of the board into an entry zone
            if (!followPath(b))
                break;
            modelUpperBoardHit(m, ballX(b), ballY(b));
            if (isPathEnd(b.path, b.step)) {
                int code = pathOutcome(b.path, b.step);
                b.step = 0;
                b.state = 3;
                modelChooseSecondStage(m, b, code);
                if (!slotIsValid(b))
                    freeSlot(b);
            }
            break;
        case 3: // second stage: through the lower board into a pocket or out
            if (!followPath(b))
                break;
            modelLowerBoardHit(m, ballX(b), ballY(b));
            // the door, wings and gates may take it onto another path, or end it
            if (modelSecondStageBall(m, b) == kBallRemoved || !slotIsValid(b)) {
                freeSlot(b);
                break;
            }
            if (isPathEnd(b.path, b.step))
                b.state = 4;
            break;
        case 4: // landed
            if (slotIsValid(b) && isPathEnd(b.path, b.step))
                modelLandBall(m, b, pathOutcome(b.path, b.step));
            freeSlot(b);
            break;
        default: // a state of the model's own (a stage)
            modelOwnBallStep(m, b);
            break;
        }
    }
}

void slowWindmills(MachineState& m)
{
    modelSlowWindmills(m);
}

void hitWindmill(int32_t& spinner, bool towards, int base)
{
    int32_t phase = spinner % 3; // truncating: keeps the sign of the value
    spinner = towards ? base + phase : -(base + phase);
}
