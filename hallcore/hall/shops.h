// The two shops of the hall and their opening hours.
#pragma once
#include <cstdint>

#include "hallcore/hall/clock.h"
#include "hallcore/hall/result_entry.h"
#include "hallcore/machine/machine_module.h"

enum {
    kDayShop = 0,        // open 10:00 to 22:00
    kNightShop = 1,      // open 22:00 to 10:00
    kShopCount = 2,
    kMachinesPerShop = 16,
    kSpareMachine = 16,  // index of the record a slot without a machine points at
};

// openState values; 2, 3 and 4 are the busy hours.
enum {
    kShopClosed = 0,
    kShopOpen = 1,
    kShopOpeningHour = 2,
    kShopEveningHour = 3,
    kShopRushHours = 4,
};

// One shop, laid out exactly as its block in the shop file (without the
// checksum that follows it there).
struct ShopState {
    int32_t openState;
    int32_t customerCount;         // machines whose occupant is not 0
    BrokenDownTime lastOpenStamp;  // when the hall loop last saw the shop open
    ResultEntry highScores[5];     // best first
    MachineState machines[kMachinesPerShop];
    MachineState spareMachine;     // never stepped
};
RECORD_FIELD_AT(ShopState, customerCount, 4);
RECORD_FIELD_AT(ShopState, lastOpenStamp, 8);
RECORD_FIELD_AT(ShopState, highScores, 44);
RECORD_FIELD_AT(ShopState, machines, 224);
RECORD_FIELD_AT(ShopState, spareMachine, 224 + 16 * sizeof(MachineState));
static_assert(sizeof(ShopState) == 224 + 17 * sizeof(MachineState), "shop block layout");

extern ShopState shops[kShopCount];

// Machine index 0..15, or kSpareMachine for the spare record.
inline MachineState& shopMachine(int shop, int machine)
{
    ShopState& s = shops[shop];
    return machine >= 0 && machine < kMachinesPerShop ? s.machines[machine] : s.spareMachine;
}

// openState of a shop whose timetable hour is h (the night shop runs the day
// shop's timetable twelve hours later).
int openStateForHour(int h);

// The clock check: on a new minute, takes the time into clockNow and sets both
// shops' openState. Returns true when the minute was new.
bool updateShopHours();

// Counts the occupied machines of a shop into its customerCount.
int recountCustomers(int shop);

// The number shown for machine index 0..15: 1 to 20 without 4, 9, 14 and 19.
int machineNumber(int index);

// Resets machine 0..15 (or the spare, 16) of a shop; see resetMachineRecord.
void resetMachine(int shop, int machine, int kind);
