// Compile-time checks shared by the machine modules.
//
// A machine record is stored raw in the shop file, so its layout is a file
// format: signed 32-bit words only, no padding, no pointers. Each module
// checks the offsets of its own words; these macros check the words every
// model has in the same place.
#pragma once
#include <cstddef>
#include <cstdint>
#include <type_traits>

// The words every model's record has, in the order the file holds them: the
// head's first five words, the rest of the head (after the one word a model
// may insert), the first words of the tail, and its last words. Each
// module's MachineState spells out its own words between these.
#define MACHINE_HEAD_FIRST_WORDS                                                                    \
    int32_t occupant;       /* 0 vacant, 1 simulated customer, 2..5 player of slot 0..3 */         \
    int32_t reserved;       /* kept in the file, never used */                                       \
    int32_t payoutToggle;   /* 1 after a paying launch beat: the next one pays nothing */           \
    int32_t attackerOpen;   /* 1 while the big-prize door is open */                                 \
    int32_t continueBarred; /* 1: the occupant lost the right to go on; nothing is launched */

#define MACHINE_HEAD_LATER_WORDS                                                                     \
    int32_t prizesTwoDaysAgo; /* big prizes two business days ago */                                 \
    int32_t prizesYesterday;  /* big prizes on the previous business day */                          \
    int32_t prizesToday;      /* big prizes today */                                                 \
    int32_t setting;          /* lottery table: 0 normal, 1 hot, 2 cold */                           \
    int32_t customerState;    /* 0 playing, 2 out of balls, 3 leaving (barred), 4 leaving (closed) */ \
    int32_t dirty;            /* play-screen redraw bits, cleared by the screen */                   \
    int32_t soundRequest;     /* 0 none, 701.. a sound to start, -10000 stop all */                   \
    int32_t feverKind;        /* 0..3, kind of the last fever */                                     \
    int32_t handleState;      /* 0 released, 1 raising, 2 lowering, 3 paused */                      \
    int32_t launchPower;      /* 0..113 for a player, 48 for customers */                            \
    int32_t boxes;            /* full ball boxes shown in the hall: balls / 2400 */                  \
    int32_t startsSincePrize; /* spins since the last fever ended */                                 \
    int32_t luckReserve;      /* hidden reserve that steers the setting */

#define MACHINE_TAIL_FIRST_WORDS                                                                     \
    int32_t heldStarts;          /* spins owed, 0..4 */                                              \
    int32_t pendingPrizePayouts; /* prize payouts owed */                                            \
    int32_t pendingStartPayouts; /* start-pocket payouts owed */                                     \
    int32_t mode;                /* 0 idle, 1 idle after play, 2 spinning, 3 fever */

#define MACHINE_TAIL_LAST_WORDS \
    BallSlot ballSlot[8];       \
    int32_t balls; /* balls in the tray: the occupant's stock while seated */

#define RECORD_FIELD_AT(Type, field, offset) \
    static_assert(offsetof(Type, field) == (offset), #Type "." #field " must lie at byte " #offset)

// Words 0..4 are the same in every model; one model inserts a word after them.
#define MACHINE_CHECK_FIRST_HEAD_WORDS(Type)          \
    static_assert(std::is_standard_layout<Type>::value && std::is_trivially_copyable<Type>::value, \
                  #Type " must be a plain record");   \
    RECORD_FIELD_AT(Type, occupant, 0);              \
    RECORD_FIELD_AT(Type, reserved, 4);              \
    RECORD_FIELD_AT(Type, payoutToggle, 8);          \
    RECORD_FIELD_AT(Type, attackerOpen, 12);         \
    RECORD_FIELD_AT(Type, continueBarred, 16)

// The rest of the head, from the prize counters on, starting at byte base
// (20 for most models, 24 for the one with an extra head word).
#define MACHINE_CHECK_HEAD_FROM(Type, base)                   \
    RECORD_FIELD_AT(Type, prizesTwoDaysAgo, (base) + 0);     \
    RECORD_FIELD_AT(Type, prizesYesterday, (base) + 4);      \
    RECORD_FIELD_AT(Type, prizesToday, (base) + 8);          \
    RECORD_FIELD_AT(Type, setting, (base) + 12);             \
    RECORD_FIELD_AT(Type, customerState, (base) + 16);       \
    RECORD_FIELD_AT(Type, dirty, (base) + 20);               \
    RECORD_FIELD_AT(Type, soundRequest, (base) + 24);        \
    RECORD_FIELD_AT(Type, feverKind, (base) + 28);           \
    RECORD_FIELD_AT(Type, handleState, (base) + 32);         \
    RECORD_FIELD_AT(Type, launchPower, (base) + 36);         \
    RECORD_FIELD_AT(Type, boxes, (base) + 40);               \
    RECORD_FIELD_AT(Type, startsSincePrize, (base) + 44);    \
    RECORD_FIELD_AT(Type, luckReserve, (base) + 48)

// The tail: balls is always the record's last word, after the eight ball slots.
#define MACHINE_CHECK_TAIL(Type, size)                                        \
    static_assert(sizeof(Type) == (size), #Type " must be " #size " bytes");  \
    RECORD_FIELD_AT(Type, ballSlot, (size) - 4 - 8 * 16);                    \
    RECORD_FIELD_AT(Type, balls, (size) - 4)
