// The five-line board: the lower-board path a ball takes from its entry
// zone, the door's capture, the landing rule, the windmills, and the hall's
// hooks both models share.
#include "five_line.h"

#include <cstdint>

#include "hallcore/machine/big_prize.h"
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/band_rows.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/random.h"

bool onDoorPath(const BallSlot& ball)
{
    return ball.path == kDoorLeftward || ball.path == kDoorRightward;
}

int doorJoinStep(int path, int x)
{
    return doorJoinStep(path, x, path == kDoorLeftward);
}

void doorCapture(BallSlot& ball)
{
    if (onDoorPath(ball))
        return; // already in the door
    const five_line::AttackerMouth& a = *kFiveLine.mouth;
    catchAtDoorMouth(ball, {a.catchX0, a.catchX1, a.catchRowA, a.catchRowB, kDoorLeftward, kDoorRightward});
}

void modelLandBall(MachineState& m, const BallSlot& ball, int code)
{
    if (code == kFiveLine.startPocketCode) {
        landInStartPocket(m);
    } else if (code == kCodePrizePocket) {
        m.pendingPrizePayouts += 1;
        if (onDoorPath(ball)) {
            m.attackerCount += 1;
            m.dirty |= kFiveLine.doorBallDirty;
            if (kFiveLine.vOnRightwardDoor && ball.path == kDoorRightward && m.vHit == 0)
                m.vHit = 1;
        }
    }
    // anything else: lost at the bottom of the board
}

// ---------------------------------------------------------------- windmills

// The zones do not overlap: a ball hits one windmill at most, the first of
// its row's zones whose columns it is in.
static void hitZones(MachineState& m, const BandRows& rows, const five_line::WindmillZone* zones, int base, int x,
                     int y)
{
    for (unsigned in = rows.at(y); in != 0; in = BandRows::rest(in)) {
        const five_line::WindmillZone& z = zones[BandRows::first(in)];
        if (x >= z.xMin && x <= z.xMax) {
            hitWindmill(m.spinner[z.spinner], z.towards, base);
            return;
        }
    }
}

void modelUpperBoardHit(MachineState& m, int x, int y)
{
    static const BandRows rows(kFiveLine.upperZones, kFiveLine.upperZoneCount);
    hitZones(m, rows, kFiveLine.upperZones, kFiveLine.upperBase, x, y);
}

void modelLowerBoardHit(MachineState& m, int x, int y)
{
    static const BandRows rows(kFiveLine.lowerZones, kFiveLine.lowerZoneCount);
    hitZones(m, rows, kFiveLine.lowerZones, kFiveLine.lowerBase, x, y);
}

void modelSlowWindmills(MachineState& m)
{
    slowWindmill(m.spinner[0], kFiveLine.upperLimit);
    slowWindmill(m.spinner[1], kFiveLine.upperLimit);
    slowWindmill(m.spinner[2], kFiveLine.lowerLimit);
    slowWindmill(m.spinner[3], kFiveLine.lowerLimit);
}

// ---------------------------------------------------------------- the hall

// By the winning symbol: one keeps the right to go on for good; one keeps it
// (unless the machine holds a kind already); one takes it away at the
// ending (unless the machine holds kind 3); any other gives a first fever
// kind 1.
int modelFeverKind(const MachineState& m)
{
    const FiveLineModel& f = kFiveLine;
    if (m.reachSymbol == f.keepForGoodSymbol)
        return 3;
    if (m.reachSymbol == f.keepSymbol)
        return m.feverKind == 0 ? 2 : m.feverKind;
    if (m.reachSymbol == f.takeAwaySymbol)
        return m.feverKind == 3 ? 3 : 1;
    return m.feverKind == 0 ? 1 : m.feverKind;
}

// No chance states: once a fever is over, the odds are the plain ones.
bool modelInChanceState(const MachineState&)
{
    return false;
}

int modelNewLuckReserve()
{
    return randomNext() % 16;
}

// A prize period needs a reserve and a one-in-three draw. The fever kind
// comes out 2 on an even draw (unless the machine already holds 3), 3
// otherwise; the fever leaves the customer 1248 to 1880 balls up.
bool modelAbsencePrize(MachineState& m)
{
    if (!(m.luckReserve > 0 && oneIn(3)))
        return false;
    m.prizesToday += 1;
    m.luckReserve -= 1;
    m.feverKind = (randomNext() % 2 == 0 && m.feverKind != 3) ? 2 : 3;
    int g = randomNext() % 80;
    int64_t balls = (int64_t)m.balls + 1880 - 8 * g; // a tray from a file may hold anything
    m.balls = balls > INT32_MAX ? INT32_MAX : (int32_t)balls;
    m.startsSincePrize = g + 40;
    return true;
}

int modelAbsenceLostBalls()
{
    return kFiveLine.absenceLostBalls;
}
