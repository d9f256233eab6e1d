// Machine No.4 in the hall: the fever kind its big prizes give. The chance
// state and the catch-up are the one-line mechanism's (one_line_hall.cpp).
#include "no4.h"

// 8 keeps the right for good; 4 keeps it; 5 and 10 take it away unless a
// chance state goes on (or the kind is 3); any other symbol takes it away
// on a machine that had none.
int modelFeverKind(const MachineState& m)
{
    const int kind = m.feverKind;
    switch (m.reachSymbol) {
    case 8:
        return 3;
    case 4:
        return kind == 0 ? 2 : kind;
    case 5:
    case 10:
        return m.chanceCount < 1 && kind != 3 ? 1 : kind;
    default:
        return kind == 0 ? 1 : kind;
    }
}
