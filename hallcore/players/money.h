// Balls and money: buying balls at the machine, exchanging them when the
// player stands up, and the books of a visit when the player leaves.
#pragma once
#include <cstdint>

#include "hallcore/players/string_ids.h"
#include "hallcore/players/player_record.h"

enum {
    kPurchaseChoices = 3,
    kBallsPerExchange = 80,    // every full 80 balls ...
    kYenPerExchange = 200,     // ... give 200 yen; the rest is kept
};

// 100, 500 and 1000 yen for 25, 125 and 250 balls.
extern const int32_t ballPrices[kPurchaseChoices];

// The purchase dialog's choice, remembered for the run (0..2).
extern int rememberedPurchase;

// Buys balls for the active slot's seated machine. Returns 0, or message 13
// when the player's money is short (then nothing changes).
int buyBalls(int slot, int choice);

// Sitting down: the machine gets the balls kept from the last exchange; a
// machine with none waits for a purchase.
void sitDown(int slot);

// What an exchange paid, for message 18.
struct CashOut {
    int32_t balls; // exchanged
    int32_t yen;   // paid
    int32_t rest;  // kept for the next machine
};

// Exchanges the slot's held balls. Returns false (and pays nothing, shows
// nothing) when there are none.
bool cashOut(int slot, CashOut* out);

// Leaving the shop: wins and losses, the shop's five best, the personal best.
// Returns the visit's result in yen.
int32_t closeVisit(int slot);
