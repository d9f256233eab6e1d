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
