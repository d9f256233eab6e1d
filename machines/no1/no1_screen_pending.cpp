// The play screen's hooks until No.1's screen and art exist: no pictures or
// waves of its own, no sounds, nothing drawn. The screen's author replaces this file.
#include "hallcore/machine/machine_module.h"

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
