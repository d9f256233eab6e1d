// The simulated customers: who sits at a machine, when they leave, and the
// catch-up for the time the program was not running.
#pragma once
#include <cstdint>

// Every hall pass, for each occupied machine.
void customerTurn(int shop, int machine);

// Every hall pass, for every machine; acts only when count1024 is 0.
void occupancyCheck(int shop, int machine);

// Start-up, for each machine of an open shop last seen open `elapsed`
// seconds ago (more than 12 hours starts a new business day).
void simulateAbsence(int32_t elapsed, int shop, int machine);
