// Machine No.1's board: the path table, where balls go after the entry
// zones, and the door of the big prize.
#include "hallcore/machine/ball_flight.h"
#include "no1.h"
#include "no1_board_geometry.h"
#include "no1_paths.h"

const unsigned char (*const modelPathTable)[32][2] = no1PathTable;

void modelChooseSecondStage(MachineState&, BallSlot& ball, int code)
{
    int zone = code / 8;
    chooseSecondStagePath(ball, code, zone >= 0 && zone < 8 && code % 8 == 0 ? no1board::kLuckyOdds[zone] : 0);
}

int modelSecondStageBall(MachineState& m, BallSlot& ball)
{
    if (m.attackerOpen)
        doorCapture(ball);
    return kBallGoesOn;
}
