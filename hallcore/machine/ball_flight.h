// Balls on their recorded paths: launch, flight, landing and the windmills.
//
// A path is a block of 32 two-byte entries (x, y) in board units of 4 pixels.
// The first entry whose x is 0xFF ends the path; the byte after it is the
// path's outcome code. Balls move one point per machine step.
#pragma once
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_module.h"

enum {
    kPathEntries = 32,
    kPathEnd = 0xFF,
    kRailSteps = 6,
};

// Launch beat only: one ball at most leaves the handle.
void launchBall(MachineState& m);

// Every step: the eight ball slots move one point each, in slot order.
void advanceBalls(MachineState& m);

// Frees a ball's slot: nothing in it, hidden.
void freeSlot(BallSlot& b);

// The second-stage path of a ball from the entry zone with outcome code
// `code` (8 x zone, board_field.h): path 128 + code + 4 x (rand % 2), the zone's lucky
// path, kept with 1 in luckyOdds (always for 0, which draws no more), else
// moved on by 1 + rand % 3. Draws in that order.
void chooseSecondStagePath(BallSlot& ball, int code, int luckyOdds);

// A ball landed in the start pocket: it pays even when four starts are
// held, and holds a start (redrawing the held-start lamps) when fewer are.
// True when it held one.
bool landInStartPocket(MachineState& m);

// Every step after the balls: turning windmills slow down.
void slowWindmills(MachineState& m);

// Most machines have no ball in flight and every windmill standing most of
// the time (nobody plays them): the step asks these first, inline.
inline bool anyBallInFlight(const MachineState& m)
{
    int32_t states = 0;
    for (const BallSlot& b : m.ballSlot)
        states |= b.state;
    return states != 0;
}
inline bool anyWindmillTurning(const MachineState& m)
{
    int32_t spins = 0;
    for (int32_t spin : m.spinner)
        spins |= spin;
    return spins != 0;
}

// Whether entry `step` of a path is its end mark (the path's outcome code
// then follows it).
inline bool isPathEnd(int path, int step)
{
    return modelPathEntry(path, step)[0] == kPathEnd;
}
inline int pathOutcome(int path, int step)
{
    return modelPathEntry(path, step)[1];
}

// Windmill values: the sign is the direction, the size how long it keeps
// turning, and value % 3 the animation phase, which a hit keeps.
void hitWindmill(int32_t& spinner, bool towards, int base);
// One step of a turning windmill: beyond `limit` it slows a frame a step,
// within it a frame every 64th step. Six windmills a machine ask it every
// step, most of them standing still, so it is inline.
inline void slowWindmill(int32_t& spinner, int limit)
{
    if (spinner == 0)
        return;
    if (spinner > limit || spinner < -limit || animClock.count64 == 0)
        spinner += spinner > 0 ? -1 : 1;
}
