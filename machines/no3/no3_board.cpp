// Machine No.3's board: where balls go after the entry zones, the six
// windmills, the pockets, and the door of the big prize.
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/random.h"
#include "no3.h"
#include "no3_paths.h"

enum {
    kSecondStageFirstPath = 128,
    kDoorPathLeftward = 192,  // x 70 down to 48 along y 97
    kDoorPathRightward = 193, // x 47 up to 69, into the V zone
    kCodeLost = 0,
    kCodeStartPocket = 7,
    kCodePrizePocket = 15,
};

const unsigned char* modelPathEntry(int path, int step)
{
    return no3PathTable[path][step];
}

// Zone (code / 8) → a lucky path is taken with a chance of 1 in this.
static int luckyOdds(int code)
{
    switch (code) {
    case 0: case 16: case 40: case 56: return 32; // the far pockets
    case 8: case 48: return 24;
    case 24: case 32: return 8;                   // the zones over the start pocket
    default: return 0;
    }
}

// Draws in this order: which half, the lucky test, the unlucky path's offset.
void modelChooseSecondStage(MachineState&, BallSlot& ball, int code)
{
    ball.path = kSecondStageFirstPath + code + 4 * (randomNext() % 2);
    int odds = luckyOdds(code);
    if (odds == 0)
        return;
    if (randomNext() % odds != 0)
        ball.path += randomNext() % 3 + 1;
}

// One windmill zone: a ball at x xMin..xMax (and y in the rule's band) sets
// the spinner turning towards (or away).
struct WindmillZone {
    unsigned char yMin, yMax, xMin, xMax;
    unsigned char spinner;
    bool towards;
};

static void hitZones(MachineState& m, const WindmillZone* zones, int count, int base, int x, int y)
{
    for (int i = 0; i < count; i++) {
        const WindmillZone& z = zones[i];
        if (y >= z.yMin && y <= z.yMax && x >= z.xMin && x <= z.xMax) {
            hitWindmill(m.spinner[z.spinner], z.towards, base);
            return; // the bands do not overlap: one windmill at most
        }
    }
}

static const WindmillZone kUpperWindmills[] = {
    {27, 35, 29, 33, 0, false}, {27, 35, 35, 39, 0, true}, // upper left
    {27, 35, 79, 83, 1, false}, {27, 35, 85, 89, 1, true}, // upper right
};

// The 52..60 band is tested before the 61..65 band.
static const WindmillZone kLowerWindmills[] = {
    {52, 60, 9, 12, 2, false},   {52, 60, 14, 17, 2, true},   // far left
    {52, 60, 101, 104, 3, false}, {52, 60, 106, 109, 3, true}, // far right
    {61, 65, 32, 35, 4, false},  {61, 65, 37, 40, 4, true},   // inner left
    {61, 65, 78, 81, 5, false},  {61, 65, 83, 86, 5, true},   // inner right
};

void modelUpperBoardHit(MachineState& m, int x, int y)
{
    hitZones(m, kUpperWindmills, 4, 18, x, y);
}

void modelLowerBoardHit(MachineState& m, int x, int y)
{
    hitZones(m, kLowerWindmills, 8, 24, x, y);
}

void modelSlowWindmills(MachineState& m)
{
    slowWindmill(m.spinner[0], 5);
    slowWindmill(m.spinner[1], 5);
    for (int i = 2; i < 6; i++)
        slowWindmill(m.spinner[i], 8);
}

// Index of the first point of a door path, before its end mark, whose x is
// not above (leftward path) or not below (rightward path) the ball's x; the
// last point when none is, so the ball still lands in the door.
static int doorJoinStep(int path, int x, bool leftward)
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

// A second-stage ball crossing the door's mouth while it is open runs into
// the door.
static void doorCapture(BallSlot& ball)
{
    int x = ballX(ball), y = ballY(ball);
    if (x < 48 || x > 70 || (y != 96 && y != 98))
        return;
    ball.step = 0;
    if (x & 1) {
        ball.path = kDoorPathLeftward;
        if (x < modelPathEntry(kDoorPathLeftward, 0)[0])
            ball.step = doorJoinStep(kDoorPathLeftward, x, true);
    } else {
        ball.path = kDoorPathRightward;
        if (x > modelPathEntry(kDoorPathRightward, 0)[0])
            ball.step = doorJoinStep(kDoorPathRightward, x, false);
    }
}

int modelSecondStageBall(MachineState& m, BallSlot& ball)
{
    if (m.attackerOpen)
        doorCapture(ball);
    return kBallGoesOn;
}

void modelLandBall(MachineState& m, const BallSlot& ball, int code)
{
    switch (code) {
    case kCodeStartPocket:
        m.pendingStartPayouts += 1; // paid even when four starts are held
        if (m.heldStarts < 4) {
            m.heldStarts += 1;
            m.dirty |= kDirtyHeldStarts;
        }
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
