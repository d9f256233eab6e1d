#include "machine_identity.h"
#include "hallcore/players/data_files.h"

#include <cstdio>
#include <cstring>

#include "hallcore/machine/machine_check.h"
#include "hallcore/machine/machine_words.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/players/sjis_text.h"
#include "hallcore/sys/sys_files.h"

const char kShopFileName[] = MACHINE_SHOP_FILE;
const char kPlayerFileName[] = "venko.dat";

static int32_t readWord(const uint8_t* p)
{
    return (int32_t)((uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24);
}

static void writeWord(uint8_t* p, int32_t v)
{
    uint32_t u = (uint32_t)v;
    p[0] = (uint8_t)u;
    p[1] = (uint8_t)(u >> 8);
    p[2] = (uint8_t)(u >> 16);
    p[3] = (uint8_t)(u >> 24);
}

// A block whose checksum word matches its data.
static bool blockIsIntact(const uint8_t* block, size_t dataSize)
{
    return blockChecksum(block, dataSize) == readWord(block + dataSize);
}

// --- what a checksum cannot prove ---

static bool stampIsValid(const BrokenDownTime& t)
{
    return t.second >= 0 && t.second <= 60 && t.minute >= 0 && t.minute <= 59 && t.hour >= 0 && t.hour <= 23
           && t.dayOfMonth >= 0 && t.dayOfMonth <= 31 && t.month >= 0 && t.month <= 11 && t.year >= 0
           && t.year <= 1100 && t.weekday >= 0 && t.weekday <= 6 && t.dayOfYear >= 0 && t.dayOfYear <= 365;
}

static void sanitiseResult(ResultEntry& e)
{
    terminateField(e.dateText, sizeof e.dateText);
    terminateField(e.label, sizeof e.label);
}

static void sanitiseShops(ShopState* s)
{
    for (int i = 0; i < kShopCount; i++) {
        ShopState& shop = s[i];
        if (!stampIsValid(shop.lastOpenStamp))
            std::memset(&shop.lastOpenStamp, 0, sizeof shop.lastOpenStamp); // a long absence
        for (ResultEntry& e : shop.highScores)
            sanitiseResult(e);
        for (int k = 0; k <= kSpareMachine; k++) {
            MachineState& m = k < kMachinesPerShop ? shop.machines[k] : shop.spareMachine;
            if (!repairMachineRecord(m))
                resetMachineRecord(m, kResetNew);
            else if (m.occupant >= kFirstPlayerSeat)
                resetMachineRecord(m, kResetVacate); // no player is seated at start-up
        }
    }
}

static void sanitisePlayers(PlayerRecord* p)
{
    PlayerRecord packed[kPlayerBlocks];
    std::memset(packed, 0, sizeof packed);
    int n = 0;
    for (int i = 0; i < kPlayerBlocks; i++) {
        PlayerRecord r = p[i];
        if (r.inUse != 1)
            continue; // a free block, whatever it held
        // the name stays byte for byte as the family wrote it, only its end
        // is made sure: cutting a half character off here could make two
        // players' names the same, and then one would spend the other's money
        r.name[kNameMaxBytes] = 0;
        size_t length = std::strlen(r.name);
        std::memset(r.name + length, 0, kNameBytes - length);
        if (!r.name[0])
            continue; // an empty name would stand for "no player"
        if (r.wins < 0)
            r.wins = 0;
        if (r.losses < 0)
            r.losses = 0;
        if (r.leftoverBalls < 0)
            r.leftoverBalls = 0;
        if (r.leftoverBalls > 79)
            r.leftoverBalls = 79;
        for (ResultEntry& e : r.history)
            sanitiseResult(e);
        sanitiseResult(r.best);
        packed[n++] = r; // registered records at the front, in their order
    }
    std::memcpy(p, packed, sizeof packed);
}

// --- byte level ---

bool decodeShopFile(const uint8_t* bytes, size_t size, ShopState out[kShopCount])
{
    if (size < (size_t)kShopFileSize)
        return false;
    for (int i = 0; i < kShopCount; i++)
        if (!blockIsIntact(bytes + i * kShopBlockSize, sizeof(ShopState)))
            return false;
    for (int i = 0; i < kShopCount; i++)
        std::memcpy(&out[i], bytes + i * kShopBlockSize, sizeof(ShopState));
    sanitiseShops(out);
    return true;
}

void encodeShopFile(const ShopState in[kShopCount], uint8_t out[kShopFileSize])
{
    for (int i = 0; i < kShopCount; i++) {
        uint8_t* block = out + i * kShopBlockSize;
        std::memcpy(block, &in[i], sizeof(ShopState));
        writeWord(block + sizeof(ShopState), blockChecksum(block, sizeof(ShopState)));
    }
}

bool decodePlayerFile(const uint8_t* bytes, size_t size, PlayerRecord out[kPlayerBlocks])
{
    if (size < (size_t)kPlayerFileSize)
        return false;
    for (int i = 0; i < kPlayerBlocks; i++)
        if (!blockIsIntact(bytes + i * kPlayerBlockSize, sizeof(PlayerRecord)))
            return false; // one bad record loses them all: they are judged as one file
    for (int i = 0; i < kPlayerBlocks; i++)
        std::memcpy(&out[i], bytes + i * kPlayerBlockSize, sizeof(PlayerRecord));
    sanitisePlayers(out);
    return true;
}

void encodePlayerFile(const PlayerRecord in[kPlayerBlocks], uint8_t out[kPlayerFileSize])
{
    for (int i = 0; i < kPlayerBlocks; i++) {
        uint8_t* block = out + i * kPlayerBlockSize;
        std::memcpy(block, &in[i], sizeof(PlayerRecord));
        writeWord(block + sizeof(PlayerRecord), blockChecksum(block, sizeof(PlayerRecord)));
    }
}

// --- files ---

bool saveFileSafely(const char* name, const uint8_t* const* parts, const size_t* sizes, int count)
{
    char temporary[64];
    std::snprintf(temporary, sizeof temporary, "%s.tmp", name);
    int f = sysCreateDataFile(temporary);
    if (f < 0)
        return false;
    bool ok = true;
    for (int i = 0; i < count && ok; i++)
        ok = sysWriteDataFile(f, parts[i], sizes[i]);
    ok = ok && sysFlushDataFile(f);
    sysCloseDataFile(f);
    ok = ok && sysReplaceDataFile(temporary, name);
    if (!ok)
        sysRemoveDataFile(temporary); // the old file stays as it was
    return ok;
}

int shopFileState = kFileNotLoaded;
int playerFileState = kFileNotLoaded;

// A file that is there but could not be used goes aside as "<name>.bad"
// before fresh data takes its place, whole and byte for byte, so a player's
// records can still be recovered. An earlier copy is never replaced: a
// second incident goes to "<name>.bad2" and so on (the ninth is reused).
// Returns the file's state.
static int setAside(const char* name, long bytesRead)
{
    if (bytesRead == kNoDataFile)
        return kFileNew;
    char kept[64];
    uint8_t probe[1];
    for (int k = 1; k <= 9; k++) {
        if (k == 1)
            std::snprintf(kept, sizeof kept, "%s.bad", name);
        else
            std::snprintf(kept, sizeof kept, "%s.bad%d", name, k);
        if (sysReadDataFile(kept, probe, 0) == kNoDataFile)
            break;
    }
    return sysReplaceDataFile(name, kept) ? kFileSetAside : kFileLeftAlone;
}

static uint8_t fileBuffer[kShopFileSize > kPlayerFileSize ? kShopFileSize : kPlayerFileSize];

void loadData()
{
    long n = sysReadDataFile(kShopFileName, fileBuffer, kShopFileSize);
    shopFileState = kFileRead;
    if (n < 0 || !decodeShopFile(fileBuffer, (size_t)n, shops)) {
        shopFileState = setAside(kShopFileName, n);
        // a fresh hall; openState, customerCount and the stamp stay as they
        // are (zero when nothing was read) and are recomputed
        for (int s = 0; s < kShopCount; s++) {
            for (int i = 0; i <= kSpareMachine; i++)
                resetMachine(s, i, kResetNew);
            std::memset(shops[s].highScores, 0, sizeof shops[s].highScores);
        }
    }

    n = sysReadDataFile(kPlayerFileName, fileBuffer, kPlayerFileSize);
    playerFileState = kFileRead;
    if (n < 0 || !decodePlayerFile(fileBuffer, (size_t)n, players)) {
        playerFileState = setAside(kPlayerFileName, n);
        std::memset(players, 0, sizeof players);
    }
}

bool saveData()
{
    uint8_t* bytes = fileBuffer;
    encodePlayerFile(players, bytes);
    const uint8_t* playerParts[kPlayerBlocks];
    size_t playerSizes[kPlayerBlocks];
    for (int i = 0; i < kPlayerBlocks; i++) {
        playerParts[i] = bytes + i * kPlayerBlockSize;
        playerSizes[i] = kPlayerBlockSize;
    }
    bool playersSaved = playerFileState == kFileLeftAlone || playerFileState == kFileNotLoaded ||
                        saveFileSafely(kPlayerFileName, playerParts, playerSizes, kPlayerBlocks);

    encodeShopFile(shops, bytes);
    const uint8_t* shopParts[kShopCount] = {bytes, bytes + kShopBlockSize};
    size_t shopSizes[kShopCount] = {kShopBlockSize, kShopBlockSize};
    bool shopsSaved = shopFileState == kFileLeftAlone || shopFileState == kFileNotLoaded ||
                      saveFileSafely(kShopFileName, shopParts, shopSizes, kShopCount);
    return playersSaved && shopsSaved;
}
