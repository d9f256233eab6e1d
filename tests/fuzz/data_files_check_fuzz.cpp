// Fast fuzz target: any bytes as the shop file and the player file (their
// checksums made valid so the bytes reach the checks), read and checked
// only, with no hall run: millions of inputs an hour. What is read must be
// what the game can play: every machine record passes the record check
// again, every name ends in its field, and writing the data back and reading
// it again gives the same data (the checks repair once and for all).
#include <cstdlib>
#include <cstring>

#include "hallcore/machine/machine_check.h"
#include "hallcore/players/data_files.h"

static void require(bool ok)
{
    if (!ok)
        std::abort();
}

// The bytes of a file of `size` from the input (zero-padded), with every
// block's checksum recomputed, into `bytes` (no allocation per input).
static void withChecksums(uint8_t* bytes, const uint8_t* data, size_t available, size_t size, size_t blockData,
                          size_t blocks)
{
    size_t n = available < size ? available : size;
    std::memcpy(bytes, data, n);
    std::memset(bytes + n, 0, size - n);
    for (size_t b = 0; b < blocks; b++) {
        uint8_t* block = bytes + b * (blockData + 4);
        int32_t sum = blockChecksum(block, blockData);
        std::memcpy(block + blockData, &sum, 4);
    }
}

static ShopState shopsRead[kShopCount], shopsAgain[kShopCount];
static PlayerRecord playersRead[kPlayerBlocks], playersAgain[kPlayerBlocks];
static uint8_t shopIn[kShopFileSize], playerIn[kPlayerFileSize];
static uint8_t shopBytes[kShopFileSize], playerBytes[kPlayerFileSize];

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    withChecksums(shopIn, data, size, kShopFileSize, sizeof(ShopState), kShopCount);
    size_t rest = size > (size_t)kShopFileSize ? size - kShopFileSize : 0;
    withChecksums(playerIn, data + (size - rest), rest, kPlayerFileSize, sizeof(PlayerRecord), kPlayerBlocks);

    if (decodeShopFile(shopIn, sizeof shopIn, shopsRead)) {
        for (ShopState& s : shopsRead) {
            for (int i = 0; i <= kSpareMachine; i++) {
                MachineState copy = i < kMachinesPerShop ? s.machines[i] : s.spareMachine;
                require(repairMachineRecord(copy));
                require(std::memcmp(&copy, i < kMachinesPerShop ? &s.machines[i] : &s.spareMachine,
                                    sizeof copy) == 0);
            }
            for (const ResultEntry& r : s.highScores)
                require(std::memchr(r.label, 0, sizeof r.label) && std::memchr(r.dateText, 0, sizeof r.dateText));
        }
        encodeShopFile(shopsRead, shopBytes);
        require(decodeShopFile(shopBytes, sizeof shopBytes, shopsAgain));
        require(std::memcmp(shopsRead, shopsAgain, sizeof shopsRead) == 0);
    }
    if (decodePlayerFile(playerIn, sizeof playerIn, playersRead)) {
        for (const PlayerRecord& p : playersRead)
            require(std::memchr(p.name, 0, sizeof p.name) != nullptr);
        encodePlayerFile(playersRead, playerBytes);
        require(decodePlayerFile(playerBytes, sizeof playerBytes, playersAgain));
        require(std::memcmp(playersRead, playersAgain, sizeof playersRead) == 0);
    }
    return 0;
}
