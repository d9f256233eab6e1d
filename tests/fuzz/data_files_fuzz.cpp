// Fuzz target: any bytes as the shop file and the player file (with their
// checksums made valid, so the bytes reach the checks after them), then a
// simulated minute of the hall. Built with libFuzzer (tools/fuzz.sh) or as a
// replay of the corpus in the ordinary test run.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "hallcore/hall/hall.h"
#include "hallcore/players/data_files.h"
#include "hallcore/players/registry.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/shell/startup.h"
#include "null/sys_null.h"

// A broken rule is a crash the fuzzer reports.
static void require(bool ok)
{
    if (!ok)
        std::abort();
}

// The bytes of a file of `size`, from the input (zero-padded), with every
// block's checksum recomputed.
static std::vector<uint8_t> fileWithChecksums(const uint8_t* data, size_t available, size_t size, size_t blockData,
                                              size_t blocks)
{
    std::vector<uint8_t> bytes(size, 0);
    std::memcpy(bytes.data(), data, available < size ? available : size);
    for (size_t b = 0; b < blocks; b++) {
        uint8_t* block = bytes.data() + b * (blockData + 4);
        int32_t sum = blockChecksum(block, blockData);
        std::memcpy(block + blockData, &sum, 4);
    }
    return bytes;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    nullFilesClear();
    nullSetLocalTime(makeLocalTime(2026, 12, 8, 17, 30, 0)); // rush hours: customers come and go
    // the first byte picks whether the files are whole, or cut short as read
    bool whole = size == 0 || (data[0] & 1) == 0;
    const uint8_t* body = size ? data + 1 : data;
    size_t bodySize = size ? size - 1 : 0;
    std::vector<uint8_t> shop = fileWithChecksums(body, bodySize, kShopFileSize, sizeof(ShopState), kShopCount);
    size_t rest = bodySize > (size_t)kShopFileSize ? bodySize - kShopFileSize : 0;
    std::vector<uint8_t> player = fileWithChecksums(body + (bodySize - rest), rest, kPlayerFileSize,
                                                    sizeof(PlayerRecord), kPlayerBlocks);
    if (!whole) {
        shop.resize(bodySize < shop.size() ? bodySize : shop.size());
        player.resize(rest < player.size() ? rest : player.size());
    }
    nullFilePut(kShopFileName, shop);
    nullFilePut(kPlayerFileName, player);

    forgetClockMinute();
    startAnimClock();
    startHall(1234);
    for (int pass = 0; pass < 1200; pass++) { // a minute of the hall
        advanceAnimClock();
        advanceAnimClock();
        hallStep();
    }
    for (const ShopState& s : shops) {
        int seated = 0;
        for (const MachineState& m : s.machines) {
            require(m.balls >= 0 && m.heldStarts >= 0 && m.heldStarts <= 4);
            require(m.mode >= 0 && m.mode <= 3 && m.round >= 0 && m.round <= 17);
            require(m.occupant >= 0 && m.occupant <= 1);
            seated += m.occupant != 0;
        }
        require(s.customerCount == seated || s.openState == 0);
    }
    for (int i = 0; i < kPlayerBlocks; i++)
        require(std::strlen(players[i].name) <= (size_t)kNameMaxBytes);
    require(saveData());
    return 0;
}
