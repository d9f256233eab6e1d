// Ball paths of machine No.4 (the table is written by its path recipe,
// machines/no4/gen/paths).
//
// 196 paths of 32 entries (x, y) in board units of 4 pixels. A path lists at
// most 30 points; the first entry whose x is 0xFF ends it and its second byte
// is the outcome code; the entries after that are zero.
//   0..127    first stage, from the rail arc to an entry zone: code 8 x zone
//   128..191  second stage, zone z on 128 + 8z .. 128 + 8z + 7: code 15 prize
//             pocket, 5 start pocket, 0 lost (lucky paths are 128 + 8z and
//             128 + 8z + 4)
//   192, 193  the attacker's runs along y 94, right to left and left to right (15)
//   194, 195  the left and right wing into the start pocket (5)
#pragma once

extern const unsigned char no4PathTable[196][32][2];
