// The four player slots (P1..P4): who plays, where, and at which machine.
#pragma once
#include <cstdint>

#include "hallcore/hall/shops.h"

enum { kPlayerSlots = 4 };

// Scenes of a slot.
enum {
    kSceneStreet = 0,
    kSceneHall = 1,
    kScenePlaying = 2,
    kSceneHallKeeping = 3, // walking the hall while keeping a machine
};

struct PlayerSlot {
    int32_t index;         // 0..3, constant
    int32_t shop;          // the shop the player is in, or will enter
    int32_t scene;
    int32_t cursor;        // machine shown in the hall view; 16 in the street and while playing
    int32_t seat;          // machine the player holds; 16 none
    int32_t playView;      // play scene: 0 menu buttons, 1 handle controls
    char name[24];         // empty: no player in this slot
    int32_t heldBalls;     // balls taken off the machine, not yet exchanged
    ShopState* shopState;  // always shops[shop]
    MachineState* machine; // the seated machine, or the shop's spare record: never null
};

extern PlayerSlot playerSlots[kPlayerSlots];
extern int activeSlot;

inline PlayerSlot& activePlayerSlot() { return playerSlots[activeSlot]; }

// Start-up reset: an empty slot in the street before the open shop (the night
// shop while the day shop is closed).
void initPlayerSlot(int index);
