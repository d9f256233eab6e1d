#include "machine_identity.h"
#include "hallcore/players/registry.h"

#include <cstdio>
#include <cstring>

#include "hallcore/players/sjis_text.h"

PlayerRecord players[kPlayerBlocks];

int registerPlayer(const char* name)
{
    char cut[kNameBytes] = {0}; // a free block is all zero, past the name too
    copyShiftJis(cut, name, kNameMaxBytes);
    if (!cut[0])
        return -STR_NAME_EMPTY;
    if (findPlayer(cut))
        return -STR_NAME_EXISTS;
    for (int i = 0; i < kPlayerBlocks; i++) {
        PlayerRecord& p = players[i];
        if (p.inUse)
            continue;
        std::memset(&p, 0, sizeof p);
        p.inUse = 1;
        std::memcpy(p.name, cut, sizeof cut);
        p.money = kStartingMoney;
        return i + 1;
    }
    return 0; // no free block: the dialog is not offered then
}

void deletePlayer(int index)
{
    if (index < 0 || index >= kPlayerBlocks)
        return;
    for (int i = index; i < kPlayerBlocks - 1; i++)
        players[i] = players[i + 1];
    std::memset(&players[kPlayerBlocks - 1], 0, sizeof players[0]);
}

int findPlayerIndex(const char* name)
{
    if (!name[0])
        return -1;
    for (int i = 0; i < kPlayerBlocks; i++)
        if (players[i].inUse && sameText(players[i].name, name))
            return i;
    return -1;
}

PlayerRecord* findPlayer(const char* name)
{
    int i = findPlayerIndex(name);
    return i < 0 ? nullptr : &players[i];
}

PlayerSlot* findSlotOfPlayer(const char* name)
{
    if (!name[0])
        return nullptr;
    for (PlayerSlot& s : playerSlots)
        if (sameText(s.name, name))
            return &s;
    return nullptr;
}

int registeredPlayerCount()
{
    int n = 0;
    for (const PlayerRecord& p : players)
        n += p.inUse != 0;
    return n;
}

int slotsWithPlayerCount()
{
    int n = 0;
    for (const PlayerSlot& s : playerSlots)
        n += s.name[0] != 0;
    return n;
}

bool playerIsFree(int index)
{
    return index >= 0 && index < kPlayerBlocks && players[index].inUse && !findSlotOfPlayer(players[index].name);
}

void playerListRow(int index, char* out, int capacity)
{
    // "Ｐ１".."Ｐ４" in Shift-JIS
    static const char* const kSlotLabels[kPlayerSlots] = {
        "\x82\x6F\x82\x50", "\x82\x6F\x82\x51", "\x82\x6F\x82\x52", "\x82\x6F\x82\x53"};
    const PlayerRecord& p = players[index];
    const PlayerSlot* slot = findSlotOfPlayer(p.name);
    std::snprintf(out, (size_t)capacity, "%s\t%s", slot ? kSlotLabels[slot->index & 3] : "    ", p.name);
}

int winRatePercent(const PlayerRecord& p)
{
    int64_t visits = (int64_t)p.wins + p.losses;
    if (visits <= 0)
        return 100;
    return (int)((int64_t)p.wins * 100 / visits);
}

void startVisit(int index, PlayerSlot& slot)
{
    PlayerRecord& p = players[index];
    std::memcpy(slot.name, p.name, sizeof slot.name);
    for (int r = kHistoryRows - 1; r > 0; r--)
        p.history[r] = p.history[r - 1];
    ResultEntry& row = p.history[0];
    std::memset(&row, 0, sizeof row);
    formatMonthDay(clockNow, row.dateText);
    copyShiftJis(row.label, MACHINE_HISTORY_LABEL, 23);
}
