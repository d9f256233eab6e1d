// The player registry: registering, deleting and finding players, and the
// start of a visit.
#pragma once
#include "hallcore/players/string_ids.h"
#include "hallcore/players/player_record.h"
#include "hallcore/hall/player_slots.h"

// Registers a name (its first 21 bytes, cut between characters) in the first
// free block with the starting money. Returns the block index + 1, or the
// negated message id of the refusal (-33 empty, -32 already registered).
int registerPlayer(const char* name);

// Deletes record i: the later ones move up, the last block is cleared.
void deletePlayer(int index);

// The first registered record with exactly this name (bytes), or null.
PlayerRecord* findPlayer(const char* name);
int findPlayerIndex(const char* name);

// The first slot holding this player, or null. An empty name is nobody.
PlayerSlot* findSlotOfPlayer(const char* name);

int registeredPlayerCount();
int slotsWithPlayerCount();

// The player list's row for record i: "<label>\t<name>" for a player in
// slot s (label "Ｐ１".."Ｐ４" in Shift-JIS), "    \t<name>" otherwise; a row
// that starts with a blank is a player free to choose or delete.
void playerListRow(int index, char* out, int capacity);
bool playerIsFree(int index);

// Win rate in percent for the information dialog; 100 before any visit.
int winRatePercent(const PlayerRecord& p);

// A player enters a shop in a slot: the history moves down a row, and row 0
// starts the visit with today's date ("%02d/%02d", month 1..12) and the
// machine's title.
void startVisit(int index, PlayerSlot& slot);
