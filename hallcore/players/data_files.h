// The saved hall and players.
#pragma once

// Start-up, before the clock check: fills the shops (and later the players)
// from the data files, or starts them fresh.
void loadData();

// Shutdown, after the tick clock stopped.
void saveData();
