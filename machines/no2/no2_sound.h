// Machine No.2's waves by name (701 and 702 are every model's spin start
// and reel stop) and what its play screen plays for a request.
#pragma once

namespace no2wave {
enum {
    kSpinStart = 701,
    kReelStop = 702,
    kReach = 703,        // looped while the middle reel makes its reach turn
    kDoubleReach = 704,  // ... on both diagonals at once
    kAction = 705,       // the reach action: the middle reel's last, slow run
    kFanfare = 706,
    kRoundStart = 707,   // looped until the door opens
    kRoundMusic = 708,   // looped while the door is open, rounds 1..15
    kLastRound = 709,    // ... in round 16
    kEnding = 710,
};
}
