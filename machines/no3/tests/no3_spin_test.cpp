// Machine No.3's lottery and reels, played out step by step.
#include <cmath>

#include "hall_fixture.h"
#include "no3.h"

namespace {

// What a spin did, step by step.
struct SpinRecord {
    int centreStopTick = -1; // modeTick when reel 4 stopped (counted from the spin's start)
    int endTick = -1;        // steps from the centre's stop to the end of the spin
    bool sideReach = false;  // reelPhase 1 was seen
    bool centreReach = false;
    int finalMode = -1;
};

// A spinning machine with these stop symbols, its reels set up as the
// lottery would.
MachineState spinningMachine(const int (&symbols)[9])
{
    MachineState m = idleMachine();
    for (int k = 0; k < 9; k++)
        m.stopSymbol[k] = symbols[k];
    reachMask(m);
    setUpReels(m);
    m.mode = 2;
    return m;
}

SpinRecord runSpin(MachineState& m)
{
    SpinRecord r;
    int tick = 0;
    for (int guard = 0; guard < 5000 && m.mode == 2; guard++) {
        m.modeTick += 1;
        tick += 1;
        bool wasStopped = m.reelPhase == 3;
        spinStep(m);
        r.sideReach |= m.reelPhase == 1;
        r.centreReach |= m.reelPhase == 2;
        if (!wasStopped && m.reelPhase == 3)
            r.centreStopTick = tick;
    }
    if (r.centreStopTick >= 0)
        r.endTick = tick - r.centreStopTick;
    r.finalMode = m.mode;
    return r;
}

int shownCell(const MachineState& m, int k)
{
    return m.reelPos[k] / kCellUnits;
}

} // namespace

TEST(No3Spin, PlainMissStopsTheCentreAt230AndEnds48StepsLater)
{
    seedRandom(11);
    MachineState m = spinningMachine({3, 2, 3, 2, 3, 2, 3, 2, 3});
    ASSERT_EQ(m.lineMask, 0);
    SpinRecord r = runSpin(m);
    EXPECT_EQ(r.centreStopTick, 230);
    EXPECT_EQ(r.endTick, 48);
    EXPECT_FALSE(r.sideReach);
    EXPECT_FALSE(r.centreReach);
    EXPECT_EQ(r.finalMode, 1);
    for (int k = 0; k < 9; k++) // every reel stands on its symbol
        EXPECT_EQ(stripSymbol(k, shownCell(m, k)), m.stopSymbol[k]) << "reel " << k;
}

TEST(No3Spin, AllTwosRunTheCentreReachAndStopOnCell48)
{
    seedRandom(5);
    MachineState m = spinningMachine({2, 2, 2, 2, 2, 2, 2, 2, 2});
    ASSERT_NE(m.lineMask & kLineAllTwos, 0);
    SpinRecord r = runSpin(m);
    EXPECT_TRUE(r.centreReach);
    EXPECT_EQ(shownCell(m, 4), 48);
    EXPECT_EQ(r.finalMode, 3); // the fever
    EXPECT_EQ(m.lineMask, kLineAllTwos);
    EXPECT_EQ(m.round, 0);
}

TEST(No3Spin, TopRowWinStopsTheCentreWithoutItsReach)
{
    seedRandom(9);
    // top row wins; the middle row (3, 5) is a reach through the centre
    MachineState m = spinningMachine({1, 1, 1, 1, 3, 1, 3, 2, 3});
    ASSERT_NE(m.lineMask & kLineMiddleRow, 0);
    SpinRecord r = runSpin(m);
    EXPECT_TRUE(r.sideReach);
    EXPECT_FALSE(r.centreReach);
    EXPECT_EQ(r.finalMode, 3);
    EXPECT_NE(m.lineMask & kLineTopRow, 0);
    EXPECT_EQ(stripSymbol(4, shownCell(m, 4)), 3);
}

TEST(No3Spin, ReachesAlwaysEndOnTheirSymbols)
{
    // every outcome, many draws: the reels stop on the chosen symbols, the
    // spin ends, and a win is a fever
    for (uint32_t seed = 1; seed <= 300; seed++) {
        seedRandom(seed);
        MachineState m = idleMachine();
        m.stopStage = seed % 3;
        int outcome = m.stopStage;
        chooseSymbols(m);
        m.stopStage = 0;
        m.mode = 2;
        SpinRecord r = runSpin(m);
        ASSERT_NE(r.finalMode, 2) << "seed " << seed << " never ended";
        for (int k = 0; k < 9; k++)
            ASSERT_EQ(stripSymbol(k, shownCell(m, k)), m.stopSymbol[k]) << "seed " << seed << " reel " << k;
        EXPECT_EQ(r.finalMode == 3, outcome == 2) << "seed " << seed;
    }
}

TEST(No3Symbols, OutcomesShowWhatTheLotteryDecided)
{
    for (uint32_t seed = 1; seed <= 20000; seed++) {
        seedRandom(seed);
        MachineState m = idleMachine();
        m.stopStage = seed % 3;
        chooseSymbols(m);
        MachineState w = m;
        bool won = winMask(w);
        bool reach = m.lineMask != 0;
        switch (seed % 3) {
        case 0: // a miss never wins, and no reach is left standing
            EXPECT_FALSE(won) << seed;
            EXPECT_EQ(m.lineMask & ~kLineAllTwos, 0) << seed;
            break;
        case 1: // a reach that never completes
            EXPECT_FALSE(won) << seed;
            EXPECT_TRUE(reach) << seed;
            break;
        case 2:
            EXPECT_TRUE(won) << seed;
            break;
        }
    }
}

TEST(No3Symbols, StopCellsWrapOnEachStripsOwnLength)
{
    // from every start cell, with the random shift walking below 0, the reel
    // set-up lands each reel on its symbol on its own strip
    for (uint32_t seed = 1; seed <= 2000; seed++) {
        seedRandom(seed);
        MachineState m = idleMachine();
        for (int k = 0; k < 9; k++)
            m.reelPos[k] = (int)((seed * 7 + k * 13) % reelCells(k)) * kCellUnits;
        showRandomMiss(m);
        for (int k = 0; k < 9; k++) {
            ASSERT_GE(m.reelPos[k], 0);
            ASSERT_LT(m.reelPos[k], reelCells(k) * kCellUnits);
            ASSERT_EQ(stripSymbol(k, shownCell(m, k)), m.stopSymbol[k]) << "seed " << seed << " reel " << k;
        }
    }
}

TEST(No3Lottery, LuckReserveForcesTheSetting)
{
    for (uint32_t seed = 1; seed < 500; seed++) {
        seedRandom(seed);
        MachineState m = idleMachine();
        m.luckReserve = 40;
        m.setting = 2;
        drawLottery(m);
        EXPECT_EQ(m.setting, 1);
        m.luckReserve = 5;
        drawLottery(m);
        EXPECT_EQ(m.setting, 2);
    }
}

namespace {

struct Frequencies {
    double prize, reach;
};

Frequencies measure(int setting, bool barred, int spins, uint32_t seed)
{
    seedRandom(seed);
    int prizes = 0, reaches = 0;
    MachineState m = idleMachine();
    for (int i = 0; i < spins; i++) {
        m.setting = setting;
        m.luckReserve = 20; // neither forces a setting
        m.continueBarred = barred;
        m.startsSincePrize = 0;
        drawLottery(m);
        MachineState w = m;
        if (winMask(w))
            prizes++;
        else if (m.lineMask != 0)
            reaches++;
    }
    return {(double)prizes / spins, (double)reaches / spins};
}

// Within five binomial standard deviations: a fault in the odds moves a
// figure by far more, a fair run almost never leaves it.
void expectRate(double measured, double p, int n, const char* what)
{
    double sd = std::sqrt(p * (1 - p) / n);
    EXPECT_NEAR(measured, p, 5 * sd) << what;
}

} // namespace

TEST(No3Lottery, PrizeAndReachFrequenciesBySetting)
{
    const int n = 100000;
    // the 1/80 redraw of the setting mixes a little of the other settings in
    struct {
        int setting;
        double prize, reach;
    } const rows[] = {
        {0, 1.0 / 64, 63.0 / 64 / 8},
        {1, 1.0 / 32, 31.0 / 32 / 4},
        {2, 1.0 / 480, 479.0 / 480 / 16},
    };
    for (auto r : rows) {
        Frequencies f = measure(r.setting, false, n, 100 + r.setting);
        // expected with the 1/80 redraw to a uniformly drawn setting
        double mixPrize = (79.0 / 80) * r.prize + (1.0 / 80) * (1.0 / 64 + 1.0 / 32 + 1.0 / 480) / 3;
        double mixReach = (79.0 / 80) * r.reach + (1.0 / 80) * (63.0 / 64 / 8 + 31.0 / 32 / 4 + 479.0 / 480 / 16) / 3;
        expectRate(f.prize, mixPrize, n, "prize");
        expectRate(f.reach, mixReach, n, "reach");
    }
}

TEST(No3Lottery, LostRightGivesOneIn16ButNotInTheColdSetting)
{
    const int n = 100000;
    Frequencies normal = measure(0, true, n, 7);
    expectRate(normal.prize, (79.0 / 80) * (1.0 / 16) + (1.0 / 80) * (2 * (1.0 / 16) + 1.0 / 480) / 3, n, "barred normal");
    Frequencies cold = measure(2, true, n, 8);
    expectRate(cold.prize, (79.0 / 80) * (1.0 / 480) + (1.0 / 80) * (2 * (1.0 / 16) + 1.0 / 480) / 3, n, "barred cold");
}
