// The simulated customers: who sits at a machine, when they leave, and the
// catch-up for the time the program was not running.
#pragma once
#include <cstdint>

#include "hallcore/machine/machine_words.h"


// What a customer buys, keeps and plays with.
enum {
    kCustomerBuys = 125,  // balls bought at a time
    kExchangeUnit = 80,   // balls kept over an exchange: balls mod 80
    kCustomerPower = 48,  // handle strength of every customer
    kRichBalls = 12500,   // more than this and a customer may leave rich
};

// Every hall pass, for each occupied machine: out of balls, the fever's
// books, closing time, standing up, and broke customers in a crowd.
void customerTurn(int shop, int machine);

// Every hall pass, for every machine; acts only when count1024 is 0: rich
// customers leave, new ones arrive.
void occupancyCheck(int shop, int machine);

// Start-up, for each machine of an open shop last seen open `elapsed`
// seconds ago (more than 12 hours starts a new business day).
void simulateAbsence(int32_t elapsed, int shop, int machine);

// Customers a shop admits (players included): 0 closed, 8 open, 12 busy.
int maxCustomers(int shop);

// Above this many customers a broke one may leave: 0 closed, 4 open, 8 busy.
int crowdLimit(int shop);
