// The screen half of machine No.5's module until its play screen comes: no
// pictures of its own, sound requests dropped, nothing drawn.
#include "no5.h"

int modelPictureCount()
{
    return 0;
}

const ModelPicture& modelPicture(int)
{
    static const ModelPicture none = {0, 0, 0, false};
    return none;
}

int modelWaveCount()
{
    return 0;
}

const ModelWave& modelWave(int)
{
    static const ModelWave none = {0, 0, false};
    return none;
}

void modelServeSound(MachineState& m, bool)
{
    m.soundRequest = 0;
}

void modelPlayTick(MachineState&)
{
}

void modelPlayPaint(MachineState&)
{
}
