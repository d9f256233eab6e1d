#include "hallcore/machine/big_prize.h"

#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"

enum { kRoundEnding = 17 };

int doorJoinStep(int path, int x, bool leftward)
{
    int last = 0;
    for (int step = 0; step < kPathEntries && !isPathEnd(path, step); step++) {
        int px = modelPathEntry(path, step)[0];
        if (leftward ? px <= x : px >= x)
            return step;
        last = step;
    }
    return last;
}

void joinDoorAtMouth(BallSlot& ball, const DoorMouth& mouth)
{
    int x = ballX(ball);
    bool leftward = (x & 1) != 0;
    ball.path = leftward ? mouth.leftwardPath : mouth.rightwardPath;
    ball.step = doorJoinStep(ball.path, x, leftward);
}

void sweepDoorBalls(MachineState& m, const BoardBox& sweep)
{
    for (BallSlot& b : m.ballSlot) {
        if (b.state == 0)
            continue;
        if (sweep.has(ballX(b), ballY(b))) {
            m.pendingPrizePayouts += 1;
            freeSlot(b);
        }
    }
}

void closeAttackerDoor(MachineState& m, const BoardBox& sweep, int dirtyBits)
{
    m.modeTick = 0;
    m.attackerOpen = 0;
    sweepDoorBalls(m, sweep);
    m.round = m.vHit > 0 ? m.round + 1 : kRoundEnding;
    m.dirty |= dirtyBits;
    m.vHit = 0;
    m.attackerCount = 0;
}

bool endingStep(MachineState& m, int endingSteps, int endingSound, int dirtyBits)
{
    if (m.round != kRoundEnding) {
        m.round = kRoundEnding;
        m.modeTick = 1;
    }
    if (m.modeTick == 1)
        m.soundRequest = kSoundRequestStopAll;
    if (m.modeTick == 2 && endingSound != 0)
        m.soundRequest = endingSound;
    if (m.modeTick < endingSteps)
        return false;
    m.dirty |= dirtyBits;
    m.startsSincePrize = 0;
    m.modeTick = 0;
    m.round = 0;
    m.vHit = 0;
    m.attackerCount = 0;
    m.mode = 1;
    m.soundRequest = kSoundRequestStopAll;
    return true;
}
