// Files that pass their checksums but hold any value at all, and files cut
// at every length: loading them never crashes the hall or breaks its rules.
#include <climits>
#include <vector>

#include "hall_fixture.h"
#include "hallcore/players/data_files.h"
#include "hallcore/players/registry.h"

namespace {

const int32_t kWildValues[] = {INT32_MIN, -1, 0, 1, 4, 17, 113, 194, 2400, INT32_MAX};

// One hall pass, as two ticks give it.
void hallPass()
{
    advanceAnimClock();
    advanceAnimClock();
    hallStep();
}

// The rules every machine must keep whatever it was loaded with.
void expectHallValid(const char* what)
{
    for (int s = 0; s < kShopCount; s++) {
        int seated = 0;
        for (const MachineState& m : shops[s].machines) {
            ASSERT_GE(m.balls, 0) << what;
            ASSERT_GE(m.heldStarts, 0) << what;
            ASSERT_LE(m.heldStarts, 4) << what;
            ASSERT_GE(m.mode, 0) << what;
            ASSERT_LE(m.mode, 3) << what;
            ASSERT_GE(m.round, 0) << what;
            ASSERT_LE(m.round, 17) << what;
            for (const BallSlot& b : m.ballSlot) {
                ASSERT_GE(b.state, 0) << what;
                // beyond the engine's states only a model's own (a stage), in words it can follow
                if (b.state > 4) {
                    ASSERT_TRUE(modelBallSlotIsValid(b)) << what << ": ball state " << b.state;
                }
            }
            ASSERT_GE(m.occupant, 0) << what;
            ASSERT_LE(m.occupant, 1) << what; // no player sits after a load
            seated += m.occupant != 0;
        }
        (void)seated;
    }
}

// Sets word w of a record's bytes to v, then stores the file with valid checksums.
template <typename Record>
void setWord(Record& r, int w, int32_t v)
{
    std::memcpy(reinterpret_cast<char*>(&r) + 4 * w, &v, 4);
}

void loadShopsFrom(const ShopState* source)
{
    std::vector<uint8_t> bytes(kShopFileSize);
    encodeShopFile(source, bytes.data());
    nullFilePut(kShopFileName, bytes);
    loadData();
    daySetUp();
}

} // namespace

TEST_F(HallTest, EveryWordOfAMachineRecordWithAnyValue)
{
    ShopState good[kShopCount];
    std::memcpy(good, shops, sizeof good);
    const int words = (int)(sizeof(MachineState) / 4);
    for (int w = 0; w < words; w++) {
        for (int32_t v : kWildValues) {
            ShopState wild[kShopCount];
            std::memcpy(wild, good, sizeof wild);
            setWord(wild[kDayShop].machines[6], w, v);
            setWord(wild[kNightShop].spareMachine, w, v);
            loadShopsFrom(wild);
            std::string what = "word " + std::to_string(w) + " = " + std::to_string(v);
            for (int pass = 0; pass < 100; pass++)
                hallPass();
            expectHallValid(what.c_str());
            if (HasFatalFailure())
                return;
        }
    }
}

TEST_F(HallTest, EveryWordOfAShopHeadWithAnyValue)
{
    ShopState good[kShopCount];
    std::memcpy(good, shops, sizeof good);
    const int headWords = 224 / 4;
    for (int w = 0; w < headWords; w++) {
        for (int32_t v : kWildValues) {
            ShopState wild[kShopCount];
            std::memcpy(wild, good, sizeof wild);
            setWord(wild[kDayShop], w, v);
            loadShopsFrom(wild);
            for (int pass = 0; pass < 20; pass++)
                hallPass();
            expectHallValid(("head word " + std::to_string(w)).c_str());
            for (const ResultEntry& e : shops[kDayShop].highScores)
                ASSERT_EQ(e.label[sizeof e.label - 1], 0);
        }
    }
}

TEST_F(HallTest, EveryWordOfAPlayerRecordWithAnyValue)
{
    registerPlayer("Aki");
    registerPlayer("Ben");
    PlayerRecord good[kPlayerBlocks];
    std::memcpy(good, players, sizeof good);
    const int words = (int)(sizeof(PlayerRecord) / 4);
    for (int w = 0; w < words; w++) {
        for (int32_t v : kWildValues) {
            PlayerRecord wild[kPlayerBlocks];
            std::memcpy(wild, good, sizeof wild);
            setWord(wild[0], w, v);
            std::vector<uint8_t> bytes(kPlayerFileSize);
            encodePlayerFile(wild, bytes.data());
            nullFilePut(kPlayerFileName, bytes);
            loadData();
            int n = registeredPlayerCount();
            for (int i = 0; i < kPlayerBlocks; i++) {
                const PlayerRecord& p = players[i];
                ASSERT_EQ(p.inUse != 0, i < n) << "registered records come first";
                ASSERT_LE(std::strlen(p.name), (size_t)kNameMaxBytes);
                ASSERT_GE(p.wins, 0);
                ASSERT_GE(p.losses, 0);
                ASSERT_GE(p.leftoverBalls, 0);
                ASSERT_LE(p.leftoverBalls, 79);
                int rate = winRatePercent(p);
                ASSERT_GE(rate, 0);
                ASSERT_LE(rate, 100);
                for (const ResultEntry& e : p.history)
                    ASSERT_EQ(e.label[sizeof e.label - 1], 0);
            }
        }
    }
}

TEST_F(HallTest, FilesCutAtEveryLengthGiveFreshDataAndAreKept)
{
    registerPlayer("Aki");
    ASSERT_TRUE(saveData());
    std::vector<uint8_t> shopFile, playerFile;
    nullFileGet(kShopFileName, &shopFile);
    nullFileGet(kPlayerFileName, &playerFile);
    ShopState scratch[kShopCount];
    for (size_t n = 0; n < shopFile.size(); n++)
        ASSERT_FALSE(decodeShopFile(shopFile.data(), n, scratch)) << n;
    PlayerRecord scratchPlayers[kPlayerBlocks];
    for (size_t n = 0; n < playerFile.size(); n++)
        ASSERT_FALSE(decodePlayerFile(playerFile.data(), n, scratchPlayers)) << n;
    for (size_t n : {(size_t)0, (size_t)1, (size_t)1855}) {
        nullFilePut(kPlayerFileName, std::vector<uint8_t>(playerFile.begin(), playerFile.begin() + (long)n));
        loadData();
        EXPECT_EQ(registeredPlayerCount(), 0) << n;
    }
}

TEST_F(HallTest, AnHourOfHallAfterLoadingWildMachines)
{
    for (int32_t v : {INT32_MAX, -1, 4}) {
        ShopState wild[kShopCount];
        std::memcpy(wild, shops, sizeof wild);
        for (ShopState& s : wild)
            for (MachineState& m : s.machines)
                for (int w = 0; w < (int)(sizeof m / 4); w += 3)
                    setWord(m, w, v);
        loadShopsFrom(wild);
        for (int pass = 0; pass < 72000; pass++) {
            hallPass();
            if (pass % 6000 == 0) {
                expectHallValid("hour");
                if (HasFatalFailure())
                    return;
            }
        }
        expectHallValid("hour end");
    }
}
