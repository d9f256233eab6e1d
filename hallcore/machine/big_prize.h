// The parts of the big prize (mode 3) every model runs the same way: the
// door (the attacker): where a ball joins a door path, the catch of a door
// with two runs, the balls a closing door takes and the close itself; and
// the ending. The model says when its door opens and closes, what its V is,
// and what its intro and rounds do.
#pragma once
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/board_field.h"
#include "hallcore/machine/machine_module.h"

// The mouth of a door with two runs: an open door takes a ball in columns
// xMin..xMax on row rowA or rowB (the same row twice for a mouth of one).
struct DoorMouth {
    int xMin, xMax;
    int rowA, rowB;
    int leftwardPath;  // an odd column joins this run ...
    int rightwardPath; // ... an even one this
};

// The first step of `path`, before its end mark, whose x is at or beyond `x`
// in the path's direction (not above it for a leftward path, not below it
// for a rightward one); the path's last point when none is, so a ball
// joining it still lands in the door.
int doorJoinStep(int path, int x, bool leftward);

// A ball crossing the mouth runs into the door from its own column on:
// the leftward run for an odd column, the rightward one for an even one,
// at its join step. True when the mouth took it. Asked of every
// second-stage ball on every step the door is open, so the test is inline.
void joinDoorAtMouth(BallSlot& ball, const DoorMouth& mouth);
inline bool catchAtDoorMouth(BallSlot& ball, const DoorMouth& mouth)
{
    int x = ballX(ball), y = ballY(ball);
    if (x < mouth.xMin || x > mouth.xMax || (y != mouth.rowA && y != mouth.rowB))
        return false;
    joinDoorAtMouth(ball, mouth);
    return true;
}

// The balls in flight in `sweep` as the door closes are taken: each pays as
// a prize entry, but counts neither for the round nor for the V.
void sweepDoorBalls(MachineState& m, const BoardBox& sweep);

// The door closes: modeTick back to 0, the door shut, the sweep, the next
// round after a V in this one, else the ending (round 17; a V in round 16
// leads there too); the redraw bits `dirtyBits`; the round's V and count
// start again at 0.
void closeAttackerDoor(MachineState& m, const BoardBox& sweep, int dirtyBits);

// One step of the ending, round 17 (a round no rule sets becomes it, at its
// first step): all sound stops at its first step, and `endingSound` (0:
// none) is asked for at its second; from `endingSteps` on the machine goes
// back to mode 1, idle after play: the redraw bits `dirtyBits`, the spins
// since the prize, modeTick, the round, the V and the count back to 0, and
// all sound stops again. True on the step it ends.
bool endingStep(MachineState& m, int endingSteps, int endingSound, int dirtyBits);
