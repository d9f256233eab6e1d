// The one-line mechanism, run against each model's numbers: the strip and
// the reel arithmetic, the chance state, the big prize's rounds, the
// windmills, the catch-up and the record check of the shared words.
#include <cmath>
#include <cstdlib>
#include <set>

#include "hallcore/machine/ball_flight.h"
#include "hallcore/machine/machine_words.h"

#include "machines/one_line/tests/one_line_fixture.h"
#include "tools/odds/exact_odds.h"

namespace {

const int kCell = kOneLine.cellPixels, kTurn = kOneLine.turnPixels, kFloor = kOneLine.positionFloor;

// ---------------------------------------------------------------- the strip

TEST(OneLineReels, StripCellsHoldFifteenDownToOneAndIndexesWrapBothWays)
{
    for (int c = 0; c < kStripCells; c++) {
        EXPECT_EQ(stripSymbol(c), 15 - c);
        EXPECT_EQ(symbolCell(15 - c), c);
        EXPECT_EQ(stripSymbol(c - 15), 15 - c) << c; // a true modulo below 0
        EXPECT_EQ(stripSymbol(c + 45), 15 - c) << c;
    }
    EXPECT_EQ(symbolCell(0), -1);
}

TEST(OneLineReels, PositionsStayInOneTurnWithCellZeroAtTheStripsEnd)
{
    for (int64_t p = -3 * kTurn - 7; p <= 3 * kTurn + 7; p += 13) {
        int32_t w = wrapPosition(p);
        EXPECT_TRUE(positionInRange(w)) << p;
        EXPECT_EQ(((w - p) % kTurn + kTurn) % kTurn, 0) << p; // the same place on the strip
    }
    // a reset's 0, or a cell back from cell 0: drawn from the strip's end, never above it
    EXPECT_EQ(wrapPosition(0), kTurn);
    EXPECT_EQ(wrapPosition(-kCell), kTurn - kCell);
    EXPECT_EQ(positionCell(wrapPosition(0)), 0);
    EXPECT_EQ(positionCell(-1), 14); // floor division, then a true modulo
    EXPECT_EQ(roundToCell(kFloor + 3 * kCell + kCell - 1), kFloor + 3 * kCell);
    EXPECT_EQ(roundToCell(kFloor + 5), kFloor);
}

TEST(OneLineReels, WrapsExactlyAtTheEdgesOfATurn)
{
    // a move lands on the turn or within one turn below it, which is wrapped
    // without a division; the edges of those two ranges and the ones next to them
    for (int64_t p : {kFloor - kTurn - 1, kFloor - kTurn, kFloor - kTurn + 1, kFloor - 1, kFloor, kFloor + 1,
                      kFloor + kTurn - 1, kFloor + kTurn, kFloor + kTurn + 1}) {
        int32_t w = wrapPosition(p);
        EXPECT_TRUE(positionInRange(w)) << p;
        EXPECT_EQ(((w - p) % kTurn + kTurn) % kTurn, 0) << p;
    }
    EXPECT_EQ(wrapPosition(kFloor - kTurn), kFloor);
    EXPECT_EQ(wrapPosition(kFloor - 1), kFloor + kTurn - 1);
    EXPECT_EQ(wrapPosition(kFloor + kTurn), kFloor);
}

TEST(OneLineReels, CellsToSymbolIsTheNearestCellBelowAndFifteenForNoSymbol)
{
    for (int c = 0; c < kStripCells; c++) {
        int32_t p = wrapPosition(int64_t(c) * kCell);
        for (int s = 1; s <= 15; s++) {
            int k = cellsToSymbol(p, s);
            ASSERT_TRUE(k >= 0 && k < 15);
            EXPECT_EQ(stripSymbol(c - k), s);
        }
        EXPECT_EQ(cellsToSymbol(p, 0), 15);
    }
}

TEST(OneLineReels, ARunningReelStopsOnTheSymbolItWasToStopOn)
{
    seedRandom(99);
    for (int trial = 0; trial < 200; trial++) {
        MachineState m = idleMachine();
        int r = trial % 3;
        m.reelPos[r] = wrapPosition(int64_t(randomNext() % kStripCells) * kCell);
        m.reelTravel[r] = (trial % 2 ? kOneLine.longTravel : kOneLine.shortTravel)[r];
        m.reelBoost[r] = randomNext() % 16;
        int coming = comingSymbol(m, r);
        int steps = 0;
        while (!moveRunningReel(m, r, nullptr) && steps < 1000) {
            ASSERT_TRUE(positionInRange(m.reelPos[r]));
            steps++;
        }
        EXPECT_EQ(m.reelTravel[r], -1);
        EXPECT_EQ(m.reelBoost[r], 0) << "the boost runs out before the travel";
        EXPECT_TRUE(onCellBoundary(m.reelPos[r]));
        EXPECT_EQ(shownSymbol(m, r), coming) << "trial " << trial;
    }
}

// ---------------------------------------------------------------- the chance state

TEST(OneLineChance, AWinOnAChanceSymbolGivesTwoAndAnyOtherUsesOne)
{
    MachineState m = idleMachine();
    for (int s = 1; s <= 15; s++) {
        for (int before : {0, 1, 2}) {
            m.reachSymbol = s;
            m.chanceCount = before;
            bookChanceState(m);
            int expected = isChanceSymbol(s) ? 2 : (before > 0 ? before - 1 : 0);
            EXPECT_EQ(m.chanceCount, expected) << "symbol " << s << " from " << before;
        }
    }
    EXPECT_TRUE(modelInChanceState([] { MachineState c = idleMachine(); c.chanceCount = 1; return c; }()));
    EXPECT_FALSE(modelInChanceState(idleMachine()));
}

TEST(OneLineChance, APrizeNeverTakesTheReserveBelowZero)
{
    seedRandom(4242);
    MachineState m = idleMachine();
    int prizes = 0;
    for (int k = 0; k < 20000; k++) {
        m.luckReserve = 0;
        m.chanceCount = 1;
        m.setting = 0;
        if (drawOneLineLottery(m) == kDrawWin)
            prizes++;
        ASSERT_GE(m.luckReserve, 0);
    }
    EXPECT_GT(prizes, 0);
}

// ---------------------------------------------------------------- the big prize

class OneLineFever : public ::testing::Test {
protected:
    MachineState m = idleMachine();
    void SetUp() override
    {
        m.mode = 3;
        m.reachSymbol = 1; // not a chance symbol on either model
    }
    void step() { stepOffBeat(m); }
    void stepTo(int tick)
    {
        while (m.modeTick < tick)
            step();
    }
};

TEST_F(OneLineFever, RoundZeroBooksTheChanceStateOnceThenTheFirstRoundFollows)
{
    m.chanceCount = 2;
    step();
    EXPECT_EQ(m.chanceCount, 1);
    EXPECT_EQ(m.soundRequest, kOneLine.introSound);
    stepTo(kOneLine.introSteps - 1);
    EXPECT_EQ(m.chanceCount, 1); // once only
    EXPECT_EQ(m.round, 0);
    step();
    EXPECT_EQ(m.round, 1);
    EXPECT_EQ(m.modeTick, 0);
}

TEST_F(OneLineFever, TheDoorOpensOnTimeAndClosesOnTheTenthBall)
{
    m.round = 2;
    stepTo(kOneLine.doorOpensAt - 1);
    EXPECT_EQ(m.attackerOpen, 0);
    step();
    EXPECT_EQ(m.attackerOpen, 1);
    EXPECT_NE(m.dirty & 0x20, 0);
    m.attackerCount = kOneLine.ballsPerRound - 1;
    step();
    EXPECT_EQ(m.attackerOpen, 1);
    m.attackerCount = kOneLine.ballsPerRound;
    m.vHit = 1;
    step();
    EXPECT_EQ(m.attackerOpen, 0);
    EXPECT_EQ(m.round, 3); // a V: the next round
    EXPECT_EQ(m.attackerCount + m.vHit + m.modeTick, 0);
}

TEST_F(OneLineFever, WithoutAVTheDoorClosesAtItsTimeLimitIntoTheEnding)
{
    m.round = 5;
    stepTo(kOneLine.doorClosesAt - 1);
    EXPECT_EQ(m.attackerOpen, 1);
    step();
    EXPECT_EQ(m.attackerOpen, 0);
    EXPECT_EQ(m.round, 17);
    // the ending: stop all at once, then idle after play at its end
    step();
    EXPECT_EQ(m.soundRequest, kSoundRequestStopAll);
    m.startsSincePrize = 9;
    int steps = 1;
    while (m.mode == 3 && steps < 1000) {
        step();
        steps++;
    }
    EXPECT_EQ(steps, kOneLine.endingSteps);
    EXPECT_EQ(m.mode, 1);
    EXPECT_EQ(m.startsSincePrize, 0);
    EXPECT_EQ(m.round + m.modeTick, 0);
}

TEST_F(OneLineFever, TheFirstRoundsDoorFollowsTheModelsEarlyOpening)
{
    m.round = 1;
    if (kOneLine.firstRoundOpensAt > 0) {
        stepTo(kOneLine.firstRoundOpensAt);
        EXPECT_EQ(m.attackerOpen, 1);
        EXPECT_EQ(m.modeTick, kOneLine.doorOpensAt); // the break is skipped
    } else {
        stepTo(kOneLine.doorOpensAt - 1);
        EXPECT_EQ(m.attackerOpen, 0);
        step();
        EXPECT_EQ(m.attackerOpen, 1);
    }
}

TEST_F(OneLineFever, ClosingTakesTheBallsInTheMouthAsPrizeEntriesOnly)
{
    m.round = 4;
    stepTo(kOneLine.doorOpensAt + 1);
    const BoardBox& box = kOneLine.closingSweep;
    m.ballSlot[0].state = 3;
    setBallPosition(m.ballSlot[0], box.x0, box.y1);
    m.ballSlot[1].state = 3;
    setBallPosition(m.ballSlot[1], box.x1, box.y0);
    m.ballSlot[2].state = 3;
    setBallPosition(m.ballSlot[2], box.x1 + 1, box.y0); // beside the mouth
    m.ballSlot[0].path = m.ballSlot[1].path = m.ballSlot[2].path = 128;
    m.ballSlot[0].step = m.ballSlot[1].step = m.ballSlot[2].step = 0;
    closeDoor(m);
    EXPECT_EQ(m.pendingPrizePayouts, 2);
    EXPECT_EQ(m.ballSlot[0].state, 0);
    EXPECT_EQ(m.ballSlot[1].state, 0);
    EXPECT_EQ(m.ballSlot[2].state, 3);
    EXPECT_EQ(m.attackerCount, 0);
}

TEST_F(OneLineFever, TimersFireOnLoadedValuesPastTheirMark)
{
    m.modeTick = kOneLine.introSteps + 40; // round 0 read from a file late
    step();
    EXPECT_EQ(m.round, 1);
    m.round = 6;
    m.modeTick = 500; // a round whose door should be open
    step();
    EXPECT_EQ(m.attackerOpen, 1);
    m.round = 17;
    m.modeTick = kOneLine.endingSteps + 100;
    step();
    EXPECT_EQ(m.mode, 1);
    EXPECT_EQ(m.attackerOpen, 0);
}

// ---------------------------------------------------------------- the board

TEST(OneLineBoard, LuckyPathsComeAtTheirZonesOddsAfterTheHalfDraw)
{
    // The lucky test is the second draw of a ball's choice, rand % n == 0:
    // a single 15-bit draw passes for ceil(32768 / n) of its 32768 values.
    // Draws after a first one are as even (docs/random.md), so the share is
    // compared with that within 5 binomial standard deviations.
    seedRandom(777);
    for (int zone = 0; zone < 8; zone++) {
        const int n = 200000, odds = kOneLine.luckyOdds[zone];
        int lucky = 0;
        std::set<int> paths;
        for (int k = 0; k < n; k++) {
            BallSlot b{};
            chooseOneLineSecondStage(b, 8 * zone);
            int offset = b.path - 128 - 8 * zone;
            ASSERT_TRUE(offset >= 0 && offset < 8) << b.path;
            lucky += offset % 4 == 0;
            paths.insert(b.path);
        }
        const double p = double((32768 + odds - 1) / odds) / 32768;
        EXPECT_NEAR(double(lucky) / n, p, 5 * std::sqrt(p * (1 - p) / n)) << "zone " << zone;
        EXPECT_EQ(paths.size(), 8u) << "zone " << zone; // both halves, every variant
    }
}

TEST(OneLineBoard, WindmillsKickBothWaysAndSlowToAStillThenEverySecondStep)
{
    for (int i = 0; i < kOneLine.windmillCount; i++) {
        const WindmillZone& z = kOneLine.windmills[i];
        MachineState m = idleMachine();
        m.spinner[z.spinner] = 4; // phase 1 kept
        hitOneLineWindmills(m, z.awayXMin, z.yMin);
        EXPECT_EQ(m.spinner[z.spinner], -(z.kick + 1)) << "windmill " << i;
        hitOneLineWindmills(m, z.towardsXMax, z.yMax);
        EXPECT_EQ(m.spinner[z.spinner], z.kick - 1) << "windmill " << i; // -(k+1) % 3 is -1: the phase goes on
        int before = m.spinner[z.spinner];
        hitOneLineWindmills(m, z.awayXMin, z.yMin - 1);
        EXPECT_EQ(m.spinner[z.spinner], before); // outside its band
        // fast down to the still zone, then only on steps where count64 is 0
        animClock = AnimClock{};
        animClock.count64 = 16;
        m.spinner[z.spinner] = z.still + 3;
        for (int k = 0; k < 10; k++)
            slowOneLineWindmills(m);
        EXPECT_EQ(m.spinner[z.spinner], z.still);
        animClock.count64 = 0;
        slowOneLineWindmills(m);
        EXPECT_EQ(m.spinner[z.spinner], z.still - 1);
    }
}

TEST(OneLineBoard, ADoorJoinStopsAtTheEndMark)
{
    // every door path: a column beyond all its points joins at its last point
    for (int path = kOneLine.attackerPathFirst; path <= kOneLine.attackerPathLast; path++) {
        int last = 0;
        while (!isPathEnd(path, last + 1))
            last++;
        int firstX = modelPathEntry(path, 0)[0], lastX = modelPathEntry(path, last)[0];
        bool leftward = lastX < firstX;
        if (firstX == lastX)
            continue; // the V's two points
        EXPECT_EQ(doorJoinStep(path, leftward ? 0 : 200, leftward), last) << path;
        EXPECT_EQ(doorJoinStep(path, firstX, leftward), 0) << path;
        for (int s = 0; s <= last; s++)
            EXPECT_EQ(modelPathEntry(path, doorJoinStep(path, modelPathEntry(path, s)[0], leftward))[0],
                      modelPathEntry(path, s)[0]);
    }
}

// ---------------------------------------------------------------- the catch-up

TEST(OneLineCatchUp, APrizePeriodNeedsAReserveAboveTenElseTheChanceStatePaysOne)
{
    seedRandom(31);
    MachineState m = idleMachine();
    for (int k = 0; k < 500; k++) { // a reserve of ten: never a prize, a draw of nothing
        m.luckReserve = 10;
        m.chanceCount = 0;
        uint32_t seed = randomSeed;
        EXPECT_FALSE(modelAbsencePrize(m));
        EXPECT_EQ(randomSeed, seed);
    }
    // the chance state pays one a period, and the reserve stays at 0 or above
    m.luckReserve = 0;
    m.chanceCount = 3;
    m.balls = 100;
    m.prizesToday = 0;
    EXPECT_TRUE(modelAbsencePrize(m));
    EXPECT_EQ(m.chanceCount, 2);
    EXPECT_EQ(m.luckReserve, 0);
    EXPECT_EQ(m.balls, 2300);
    EXPECT_EQ(m.prizesToday, 1);
    EXPECT_TRUE(m.startsSincePrize >= 16 && m.startsSincePrize < 32);
    EXPECT_EQ(modelAbsenceLostBalls(), 500);
}

TEST(OneLineCatchUp, APrizePeriodStartsChanceStatesOfTwoToNine)
{
    seedRandom(32);
    MachineState m = idleMachine();
    int prizes = 0, chains = 0;
    std::set<int> counts;
    for (int k = 0; k < 4000; k++) {
        m.luckReserve = 40;
        m.chanceCount = 0;
        m.feverKind = k % 4;
        m.balls = 0;
        if (!modelAbsencePrize(m))
            continue;
        prizes++;
        EXPECT_EQ(m.luckReserve, 39);
        if (m.chanceCount > 0) {
            chains++;
            counts.insert(m.chanceCount);
            EXPECT_TRUE(m.feverKind == 2 || m.feverKind == 3);
            EXPECT_TRUE(m.balls >= 2072 - 8 * 15 && m.balls <= 2072);
            EXPECT_EQ(m.startsSincePrize, (2072 - m.balls) / 8 + 16);
        } else {
            EXPECT_TRUE(m.balls >= 40 && m.balls < 120);
        }
    }
    EXPECT_EQ(counts, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    // 1 in 4, then one in two of those: 4000 / 4 = 1000 +- 5 sd (27)
    EXPECT_NEAR(prizes, 1000, 140);
    EXPECT_NEAR(chains, prizes / 2.0, 5 * std::sqrt(prizes / 4.0));
}

// ---------------------------------------------------------------- records

TEST(OneLineRecord, LoadedWordsAreWrappedOrRefused)
{
    MachineState m = freshMachine(5);
    m.reelPos[0] = 0;
    m.reelPos[1] = -kCell;
    m.chanceCount = 9; // what the catch-up can leave
    ASSERT_TRUE(modelRecordIsValid(m));
    EXPECT_EQ(m.reelPos[0], kTurn);
    EXPECT_EQ(m.reelPos[1], kTurn - kCell);

    auto refused = [](void (*damage)(MachineState&)) {
        MachineState d = freshMachine(6);
        damage(d);
        return !modelRecordIsValid(d);
    };
    EXPECT_TRUE(refused([](MachineState& d) { d.chanceCount = 10; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.chanceCount = -1; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.reelTravel[2] = -2; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.reelBoost[1] = -1; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.reachSymbol = 16; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.spinPhase = 9; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.drawOutcome = 6; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.vHit = 100; }));
    EXPECT_TRUE(refused([](MachineState& d) { d.spinner[0] = 1000; }));
    // an open door outside the rounds of a big prize would never close
    EXPECT_TRUE(refused([](MachineState& d) { d.attackerOpen = 1; }));
    EXPECT_TRUE(refused([](MachineState& d) {
        d.attackerOpen = 1;
        d.mode = 3;
        d.round = 17;
    }));
    EXPECT_FALSE(refused([](MachineState& d) {
        d.attackerOpen = 1;
        d.mode = 3;
        d.round = 16;
    }));
}

} // namespace

#include "hallcore/gfx/screens.h"

namespace {

TEST(OneLineHall, AMachineInAChanceStateBlinksInTheHallAsInItsFever)
{
    MachineState m = idleMachine();
    m.occupant = 1;
    animClock = AnimClock{};
    animClock.blink256 = 1;
    EXPECT_EQ(hallFrontFrame(m), 2);
    m.chanceCount = 1;
    EXPECT_EQ(hallFrontFrame(m), 3);
    animClock.blink256 = 0;
    EXPECT_EQ(hallFrontFrame(m), 2);
}

} // namespace
