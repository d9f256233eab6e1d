// The one-line boards' common rules: the second stage after an entry zone,
// joining a door path, and the windmills.
#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/random.h"
#include "one_line.h"

void chooseOneLineSecondStage(BallSlot& ball, int code)
{
    ball.path = kSecondStageFirstPath + code + 4 * (randomNext() % 2);
    int zone = code / 8;
    if (code % 8 != 0 || zone < 0 || zone > 7)
        return; // no such zone in the table: the path as it is
    int odds = kOneLine.luckyOdds[zone];
    if (odds > 0 && randomNext() % odds != 0)
        ball.path += randomNext() % 3 + 1;
}

bool onLowerBoardPath(const BallSlot& ball)
{
    return ball.path >= kSecondStageFirstPath && ball.path <= kSecondStageLastPath;
}

int joinStep(int path, int x, bool leftward)
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

void hitOneLineWindmills(MachineState& m, int x, int y)
{
    for (int i = 0; i < kOneLine.windmillCount; i++) {
        const WindmillZone& z = kOneLine.windmills[i];
        if (y < z.yMin || y > z.yMax)
            continue;
        if (x >= z.awayXMin && x <= z.awayXMax)
            hitWindmill(m.spinner[z.spinner], false, z.kick);
        else if (x >= z.towardsXMin && x <= z.towardsXMax)
            hitWindmill(m.spinner[z.spinner], true, z.kick);
    }
}

void slowOneLineWindmills(MachineState& m)
{
    for (int i = 0; i < kOneLine.windmillCount; i++) {
        const WindmillZone& z = kOneLine.windmills[i];
        slowWindmill(m.spinner[z.spinner], z.still);
    }
}
