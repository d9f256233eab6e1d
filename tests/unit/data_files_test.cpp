// The data files: formats, checksums, damaged files, and saving that never
// loses the previous file.
#include <vector>

#include "hall_fixture.h"
#include "hallcore/players/data_files.h"
#include "hallcore/players/registry.h"

namespace {

std::vector<uint8_t> playerFileBytes()
{
    std::vector<uint8_t> b(kPlayerFileSize);
    encodePlayerFile(players, b.data());
    return b;
}

std::vector<uint8_t> shopFileBytes()
{
    std::vector<uint8_t> b(kShopFileSize);
    encodeShopFile(shops, b.data());
    return b;
}

void registerSome(int n)
{
    static const char* const names[] = {"Aki", "Ben", "Chie", "Dai", "Emi", "Fumi", "Gen", "Hana"};
    for (int i = 0; i < n; i++)
        ASSERT_EQ(registerPlayer(names[i]), i + 1);
}

} // namespace

TEST(Checksum, SignedBytesSummedIntoAWord)
{
    uint8_t block[228] = {0};
    EXPECT_EQ(blockChecksum(block, sizeof block), 0);
    block[17] = 0xFF;
    EXPECT_EQ(blockChecksum(block, sizeof block), -1);
    block[3] = 0x7F;
    EXPECT_EQ(blockChecksum(block, sizeof block), 126);
    // stored little-endian after the block: FF FF FF FF for -1
    std::memset(players, 0, sizeof players);
    players[0].name[0] = (char)0xFF;
    std::vector<uint8_t> b = playerFileBytes();
    EXPECT_EQ(b[228], 0xFF);
    EXPECT_EQ(b[231], 0xFF);
}

// The family's files: each program's shop file, by the size of its machine
// record, and the one player file all five share.
TEST(DataFileSizes, AsEveryProgramOfTheFamilyExpects)
{
    const struct {
        int recordBytes, shopFileBytes;
    } kFamily[] = {{424, 14872}, {308, 10928}, {356, 12560}, {340, 12016}};
    int found = 0;
    for (auto f : kFamily)
        if (f.recordBytes == MACHINE_RECORD_BYTES) {
            EXPECT_EQ(kShopFileSize, f.shopFileBytes);
            found++;
        }
    EXPECT_EQ(found, 1) << "a record size no program of the family has";
    EXPECT_EQ(kPlayerFileSize, 1856);
    EXPECT_STREQ(kShopFileName, MACHINE_PROGRAM ".dat");
    EXPECT_STREQ(kPlayerFileName, "venko.dat");
}

TEST_F(HallTest, SavedHallAndPlayersComeBackAsTheyWere)
{
    registerSome(3);
    players[1].money = 123456;
    shops[1].machines[9].prizesToday = 7;
    shops[0].highScores[0].amount = 5000;
    std::vector<uint8_t> beforeShops = shopFileBytes(), beforePlayers = playerFileBytes();
    ASSERT_TRUE(saveData());

    std::memset(players, 0, sizeof players);
    std::memset(shops, 0, sizeof shops);
    loadData();
    EXPECT_EQ(players[1].money, 123456);
    EXPECT_STREQ(players[2].name, "Chie");
    EXPECT_EQ(shops[1].machines[9].prizesToday, 7);
    EXPECT_EQ(shopFileBytes(), beforeShops);
    EXPECT_EQ(playerFileBytes(), beforePlayers);
    std::vector<uint8_t> onDisk;
    ASSERT_TRUE(nullFileGet("venko.dat", &onDisk));
    EXPECT_EQ(onDisk.size(), 1856u);
    ASSERT_TRUE(nullFileGet(MACHINE_SHOP_FILE, &onDisk));
    EXPECT_EQ(onDisk.size(), 2u * (224 + 17 * MACHINE_RECORD_BYTES + 4)); // two shop blocks
}

TEST_F(HallTest, DamagedPlayerFileLosesAllPlayersButIsKeptAside)
{
    registerSome(6);
    ASSERT_TRUE(saveData());
    std::vector<uint8_t> good;
    nullFileGet("venko.dat", &good);

    // one byte short
    std::vector<uint8_t> shortFile(good.begin(), good.end() - 1);
    nullFilePut("venko.dat", shortFile);
    loadData();
    EXPECT_EQ(registeredPlayerCount(), 0);
    std::vector<uint8_t> kept;
    ASSERT_TRUE(nullFileGet("venko.dat.bad", &kept));
    EXPECT_EQ(kept, shortFile);

    // one changed byte in record 5: no players at all, not seven
    std::vector<uint8_t> changed = good;
    changed[5 * kPlayerBlockSize + 40] ^= 0x10;
    nullFilePut("venko.dat", changed);
    loadData();
    EXPECT_EQ(registeredPlayerCount(), 0);
    nullFileGet("venko.dat.bad2", &kept); // the first copy stays
    EXPECT_EQ(kept, changed);
    // the hall was kept: the two files are judged separately
    EXPECT_NE(shops[0].machines[0].setting, -1);

    // all zero: eight free blocks, valid
    nullFilePut("venko.dat", std::vector<uint8_t>(1856, 0));
    nullFilePut("venko.dat.bad", {});
    loadData();
    EXPECT_EQ(registeredPlayerCount(), 0);
    nullFileGet("venko.dat.bad", &kept);
    EXPECT_TRUE(kept.empty()); // nothing to keep aside
}

TEST_F(HallTest, DamagedShopFileGivesAFreshHallAndKeepsThePlayers)
{
    registerSome(2);
    shops[0].machines[4].prizesYesterday = 9;
    ASSERT_TRUE(saveData());
    std::vector<uint8_t> shop;
    nullFileGet(MACHINE_SHOP_FILE, &shop);
    shop[kShopBlockSize + 500] ^= 1; // the night shop's block
    nullFilePut(MACHINE_SHOP_FILE, shop);
    loadData();
    EXPECT_EQ(shops[0].machines[4].prizesYesterday, 0); // fresh: both shops
    EXPECT_EQ(registeredPlayerCount(), 2);
    std::vector<uint8_t> kept;
    ASSERT_TRUE(nullFileGet(MACHINE_SHOP_FILE ".bad", &kept));
    EXPECT_EQ(kept, shop);
}

TEST_F(HallTest, SavingSurvivesAFaultAtEveryStep)
{
    registerSome(4);
    ASSERT_TRUE(saveData());
    std::vector<uint8_t> oldPlayers, oldShop;
    nullFileGet("venko.dat", &oldPlayers);
    nullFileGet(MACHINE_SHOP_FILE, &oldShop);

    players[2].money = 777;
    shops[0].machines[1].prizesToday = 3;
    std::vector<uint8_t> newPlayers = playerFileBytes(), newShop = shopFileBytes();

    nullFilesFailAt(0);
    saveData();
    nullFilePut("venko.dat", oldPlayers);
    nullFilePut(MACHINE_SHOP_FILE, oldShop);
    int operations = nullFilesOperations();
    ASSERT_GT(operations, 10); // writes per block, flushes and replaces

    for (int n = 1; n <= operations; n++) {
        nullFilePut("venko.dat", oldPlayers);
        nullFilePut(MACHINE_SHOP_FILE, oldShop);
        nullFilesFailAt(n);
        EXPECT_FALSE(saveData()) << "fault " << n;
        std::vector<uint8_t> p, s;
        ASSERT_TRUE(nullFileGet("venko.dat", &p));
        ASSERT_TRUE(nullFileGet(MACHINE_SHOP_FILE, &s));
        EXPECT_TRUE(p == oldPlayers || p == newPlayers) << "fault " << n;
        EXPECT_TRUE(s == oldShop || s == newShop) << "fault " << n;
        // the players are saved even when the shop file fails
        bool playerFault = n <= kPlayerBlocks + 2;
        EXPECT_EQ(p == newPlayers, !playerFault) << "fault " << n;
        for (const std::string& name : nullFileNames())
            EXPECT_EQ(name.find(".tmp"), std::string::npos) << name << " after fault " << n;
    }
    nullFilesFailAt(0);

    // a folder where nothing can be created: both files stay as they were
    nullFilePut("venko.dat", oldPlayers);
    players[2].money = 778;
    nullFilesFailCreate(true);
    EXPECT_FALSE(saveData());
    nullFilesFailCreate(false);
    std::vector<uint8_t> p;
    nullFileGet("venko.dat", &p);
    EXPECT_EQ(p, oldPlayers);
}

TEST_F(HallTest, LoadedValuesOutOfRangeAreRepaired)
{
    registerSome(3);
    MachineState& seated = shops[0].machines[2];
    seated.occupant = 3; // a player seat: nobody sits after start-up
    seated.balls = 900;
    seated.heldStarts = 2;
    MachineState& wild = shops[0].machines[5];
    wild.setting = 7;
    wild.prizesToday = 4;
    MachineState& slot = shops[1].machines[0];
    slot.ballSlot[2].state = 2;
    slot.ballSlot[2].path = 150; // a second-stage path on the first stage
    MachineState& counters = shops[1].machines[1];
    counters.balls = -5;
    counters.luckReserve = -3;
    counters.setting = 1;
    shops[0].lastOpenStamp.hour = 99;
    std::memset(shops[1].highScores[0].label, 'x', sizeof shops[1].highScores[0].label);
    players[0].inUse = 2;                  // not a registered record
    players[1].leftoverBalls = 500;
    players[1].wins = -4;
    std::memset(players[2].name, 'n', sizeof players[2].name); // no terminator
    ASSERT_TRUE(saveData());

    loadData();
    EXPECT_EQ(seated.occupant, 0);
    EXPECT_EQ(seated.balls, 0);
    EXPECT_EQ(seated.heldStarts, 2); // vacated, not cleared
    EXPECT_LE(wild.setting, 2);
    EXPECT_EQ(wild.prizesToday, 0); // a new machine
    EXPECT_EQ(slot.ballSlot[2].state, 0);
    EXPECT_EQ(counters.balls, 0);
    EXPECT_EQ(counters.luckReserve, 0);
    EXPECT_EQ(counters.setting, 1); // kept: only the counters were repaired
    EXPECT_EQ(shops[0].lastOpenStamp.year, 0);
    EXPECT_EQ(shops[1].highScores[0].label[25], 0);
    // the bad block is dropped and the others move to the front
    EXPECT_EQ(registeredPlayerCount(), 2);
    EXPECT_STREQ(players[0].name, "Ben");
    EXPECT_EQ(players[0].leftoverBalls, 79);
    EXPECT_EQ(players[0].wins, 0);
    EXPECT_EQ(std::strlen(players[1].name), (size_t)kNameMaxBytes);
    EXPECT_EQ(players[2].inUse, 0);
}

// A file that is there but cannot be used is moved aside whole, and the user
// is told once the window shows; a file that cannot even be moved is never
// written over, since it may hold the family's only copy of its players.
TEST_F(HallTest, UnusableFilesAreSetAsideOrLeftAloneAndTheUserIsTold)
{
    registerSome(3);
    ASSERT_TRUE(saveData());
    std::vector<uint8_t> good;
    nullFileGet("venko.dat", &good);

    // a fresh folder: nothing to tell
    nullShellReset();
    nullFilesClear();
    loadData();
    EXPECT_EQ(playerFileState, kFileNew);
    EXPECT_EQ(shopFileState, kFileNew);
    reportDataFiles();
    EXPECT_EQ(nullShellLog(), "");

    // damaged and longer than a player file: the whole file goes aside
    std::vector<uint8_t> damaged = good;
    damaged[40] ^= 1;
    damaged.resize(damaged.size() + 10, 0x55);
    nullFilePut("venko.dat", damaged);
    loadData();
    EXPECT_EQ(playerFileState, kFileSetAside);
    std::vector<uint8_t> kept;
    ASSERT_TRUE(nullFileGet("venko.dat.bad", &kept));
    EXPECT_EQ(kept, damaged);
    reportDataFiles();
    EXPECT_EQ(nullShellLog(), "box 8 venko.dat;");

    // there but unreadable and locked: fresh players in memory, the file
    // keeps its bytes through a save, which still writes the shop file
    nullShellReset();
    nullFilesClear();
    nullFilePut("venko.dat", good);
    nullFilesLock("venko.dat", true);
    loadData();
    EXPECT_EQ(playerFileState, kFileLeftAlone);
    EXPECT_EQ(registeredPlayerCount(), 0);
    EXPECT_TRUE(registerPlayer("Nao") > 0);
    EXPECT_TRUE(saveData());
    nullFilesLock("venko.dat", false);
    std::vector<uint8_t> after;
    nullFileGet("venko.dat", &after);
    EXPECT_EQ(after, good);
    EXPECT_TRUE(nullFileGet(MACHINE_SHOP_FILE, nullptr));
    EXPECT_FALSE(nullFileGet("venko.dat.bad", nullptr));
    reportDataFiles();
    EXPECT_EQ(nullShellLog(), "box 44 venko.dat;");

    // unlocked again at the next start: the players are all back
    loadData();
    EXPECT_EQ(playerFileState, kFileRead);
    EXPECT_EQ(registeredPlayerCount(), 3);
}

// A save that fails at shutdown is not the end: the user may try again (the
// disk freed, the file closed elsewhere) or give up; at session end nobody
// is asked.
TEST_F(HallTest, FailedSaveAtShutdownCanBeTriedAgain)
{
    registerSome(2);
    players[1].money = 4321;
    nullShellReset();

    nullFilesFailCreate(true);
    EXPECT_FALSE(stopHall(false));
    EXPECT_EQ(nullShellLog(), "");

    nullShellRetrySaves(1); // Retry once, then Cancel
    EXPECT_FALSE(stopHall(true));
    EXPECT_EQ(nullShellLog(), "retry save;retry save;");
    EXPECT_FALSE(nullFileGet("venko.dat", nullptr));

    // the user frees the disk while the question is open, then retries
    nullShellReset();
    nullShellRetrySaves(1);
    nullShellModalHook = [] { nullFilesFailCreate(false); };
    EXPECT_TRUE(stopHall(true));
    EXPECT_EQ(nullShellLog(), "retry save;");
    loadData();
    EXPECT_EQ(players[1].money, 4321);
}

// A second damaged file does not replace the copy of the first: that one may
// hold the family's real players while the second is an almost empty file.
TEST_F(HallTest, EverySetAsideCopyIsKept)
{
    registerSome(4);
    ASSERT_TRUE(saveData());
    std::vector<uint8_t> first;
    nullFileGet("venko.dat", &first);
    first[100] ^= 1;
    nullFilePut("venko.dat", first);
    loadData();
    ASSERT_EQ(playerFileState, kFileSetAside);
    ASSERT_TRUE(saveData()); // the fresh, empty family
    std::vector<uint8_t> second;
    nullFileGet("venko.dat", &second);
    second[7] ^= 1;
    nullFilePut("venko.dat", second);
    loadData();
    EXPECT_EQ(playerFileState, kFileSetAside);
    std::vector<uint8_t> kept;
    ASSERT_TRUE(nullFileGet("venko.dat.bad", &kept));
    EXPECT_EQ(kept, first);
    ASSERT_TRUE(nullFileGet("venko.dat.bad2", &kept));
    EXPECT_EQ(kept, second);
}

// Names are loaded byte for byte: two names that differ only in a last half
// character (written by another program of the family) stay two players.
TEST_F(HallTest, NamesEndingInHalfACharacterStayApart)
{
    std::memset(players, 0, sizeof players);
    const char a[] = "Kana\x82", b[] = "Kana\x83"; // lone lead bytes at the end
    players[0].inUse = players[1].inUse = 1;
    std::memcpy(players[0].name, a, sizeof a);
    std::memcpy(players[1].name, b, sizeof b);
    players[0].money = 50;
    players[1].money = 90000;
    ASSERT_TRUE(saveData());
    loadData();
    ASSERT_EQ(registeredPlayerCount(), 2);
    ASSERT_NE(findPlayer(b), nullptr);
    EXPECT_EQ(findPlayer(b)->money, 90000);
    EXPECT_EQ(findPlayer(a)->money, 50);
}

// A start-up that failed before the files were read (no artwork, no
// windows) still ends through the shutdown: it must not save the empty
// hall and family over the files the whole family shares.
TEST_F(HallTest, FilesNeverLoadedAreNeverWritten)
{
    registerSome(2);
    ASSERT_TRUE(saveData());
    std::vector<uint8_t> before;
    nullFileGet("venko.dat", &before);
    std::memset(players, 0, sizeof players);
    playerFileState = shopFileState = kFileNotLoaded;
    EXPECT_TRUE(stopHall(true)); // nothing was due
    std::vector<uint8_t> after;
    nullFileGet("venko.dat", &after);
    EXPECT_EQ(after, before);
}
