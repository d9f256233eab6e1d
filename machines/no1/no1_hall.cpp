// Machine No.1 in the hall: the fever kind its wins give and what its
// customers lose while nobody watches.
#include "no1.h"

// By the winning symbol: 1 keeps the right to go on for good; 3 keeps it
// (unless the machine holds a kind already); 4 takes it away at the ending
// (unless the machine holds kind 3); any other gives a first fever kind 1.
int modelFeverKind(const MachineState& m)
{
    switch (m.reachSymbol) {
    case 1:
        return 3;
    case 3:
        return m.feverKind == 0 ? 2 : m.feverKind;
    case 4:
        return m.feverKind == 3 ? 3 : 1;
    default:
        return m.feverKind == 0 ? 1 : m.feverKind;
    }
}

int modelAbsenceLostBalls()
{
    return 600;
}
