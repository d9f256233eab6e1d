// Values of the common words of every machine record, by name.
#pragma once

// occupant
enum {
    kVacant = 0,
    kCustomer = 1,        // a simulated customer plays it
    kFirstPlayerSeat = 2, // 2..5: the player of slot 0..3
};

// customerState of an occupied machine.
enum {
    kCustomerPlaying = 0,
    kCustomerOutOfBalls = 2,
    kCustomerBarred = 3,  // standing up: the right to continue is lost
    kCustomerClosing = 4, // standing up: the shop has closed
};

// dirty: the play screen's redraw bits the engine sets (a model adds its own
// above these).
enum {
    kDirtyFrameLamps = 0x01,
    kDirtyFeverKind = 0x02, // the machine-top sign
    kDirtyPayoutLamp = 0x04,
    kDirtyHeldStarts = 0x08,
    kDirtyLampGroup = 0x10, // the decorative lamps (and a model's lamp-side counters)
    kDirtyAttacker = 0x20,
};

// soundRequest: 0 none, a wave id from 701, or stop all.
enum {
    kSoundRequestNone = 0,
    kSoundRequestStopAll = -10000,
    kWaveFirst = 701,
    kWaveSpinStart = 701, // every model's spin starts with its first wave
    kWaveReelStop = 702,  // and every model's reels stop with its second
};
