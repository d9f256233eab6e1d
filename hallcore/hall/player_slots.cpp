#include "hallcore/hall/player_slots.h"

PlayerSlot playerSlots[kPlayerSlots];
int activeSlot = 0;

void initPlayerSlot(int index)
{
    PlayerSlot& p = playerSlots[index];
    p = PlayerSlot{};
    p.index = index;
    p.shop = shops[kDayShop].openState != kShopClosed ? kDayShop : kNightShop;
    p.scene = kSceneStreet;
    p.playView = 0;
    p.heldBalls = 0;
    p.cursor = kSpareMachine;
    p.seat = kSpareMachine;
    p.shopState = &shops[p.shop];
    p.machine = &shops[p.shop].spareMachine;
}
