// Machine No.2's screen over its real rules: spins that the test plans (a
// slide-back, a slide-forward, a revival), a fever whose door is open, balls
// on the stage, run step by step through the machine step and drawn by the
// play screen as the program does it, on the null platform. The strips the
// art paints are the rules' strips, and what the reels show at a stop is the
// rules' symbol.
//
// NO2_SCREENSHOTS=<dir> writes the frames at the moments worth seeing
// (real-*.bmp).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "screen_fixture.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/machine/anim_clock.h"
#include "hallcore/machine/machine_step.h"
#include "hallcore/machine/random.h"
#include "no2.h"
#include "no2_art_layout.h"
#include "no2_board_geometry.h"
#include "no2_screen.h"
#include "null/sys_null.h"

using namespace no2art;

namespace {

class No2RealPlay : public PlayScreenTest {
protected:
    void SetUp() override
    {
        PlayScreenTest::SetUp();
        seedRandom(20261209);
        std::memset(&m, 0, sizeof m);
        resetMachineRecord(m, kResetNew);
        m.occupant = kFirstPlayerSeat;
        m.balls = 500;
        m.launchPower = 40;
        m.handleState = 1;
        dir = std::getenv("NO2_SCREENSHOTS");
        modelPlayPaint(m);
    }

    // One tick of the program: the clock, the screen on its drawing ticks,
    // the machine on every second tick after it.
    void tick()
    {
        advanceAnimClock();
        modelPlayTick(m);
        if (animClock.halfPhase == 0)
            machineStep(m);
    }
    // Ticks until `done` holds (at most `limit` ticks); false when it never did.
    template <typename F>
    bool tickUntil(F done, int limit = 20000)
    {
        for (int i = 0; i < limit; i++) {
            if (done())
                return true;
            tick();
        }
        return done();
    }
    // The view as the machine stands now (a repaint draws the current state;
    // a drawing tick shows the state before its own step).
    void shoot(const std::string& name)
    {
        modelPlayPaint(m);
        if (dir)
            writeStill(sceneSurface, std::string(dir) + "/real-" + name + ".bmp");
    }

    // A spin with the outcome the test wants, set up by the rules' own reel set-up.
    void plannedSpin(int outcome)
    {
        m.mode = 2;
        m.modeTick = 0;
        m.spinPhase = 0;
        m.drawOutcome = outcome;
        setUpReels(m);
    }

    const char* dir = nullptr;
};

TEST_F(No2RealPlay, TheArtsStripsAndWindmillsAreTheRulesOwn)
{
    for (int k = 0; k < 4; k++) {
        EXPECT_EQ(kWindmillAt[k][0], no2board::kWindmillPixels[k].x) << k;
        EXPECT_EQ(kWindmillAt[k][1], no2board::kWindmillPixels[k].y) << k;
    }
    for (int reel = 0; reel < 3; reel++)
        for (int cell = 0; cell < kReelCells; cell++)
            EXPECT_EQ(kStrip[reel][cell], stripSymbol(reel, cell)) << "reel " << reel << " cell " << cell;
}

TEST_F(No2RealPlay, EachActionEndsOnTheWinningLineAndTheLampsMarkIt)
{
    const char* names[6] = {"", "", "", "slide-back", "slide-forward", "revival"};
    for (int outcome : {3, 4, 5}) {
        SCOPED_TRACE(names[outcome]);
        plannedSpin(outcome);
        ASSERT_GE(m.reachLine, 1);
        ASSERT_TRUE(tickUntil([&] { return m.spinPhase == kPhaseReachTurn; }));
        for (int i = 0; i < 40; i++) // into the reach turn, on the bright blink
            tick();
        ASSERT_TRUE(tickUntil([&] { return animClock.blink256 != 0; }));
        shoot(std::string(names[outcome]) + "-1-reach");
        // on the slow blink the reach line's lamps are lit, the others not (the
        // right reel's stop may have found the line again, or both diagonals)
        ASSERT_TRUE(tickUntil([&] { return animClock.blink256 && animClock.halfPhase == 0; }));
        int line = m.reachLine;
        int lamps = no2screen::lineLamps(line);
        no2screen::WindowLamps w = no2screen::windowLamps(m, animClock);
        for (int k = 0; k < kWindowLampCount; k++)
            EXPECT_EQ(w.column[k], (lamps & (1 << k)) ? kLampLit : kLampOff) << k;
        // the action's stop: one cell off the line, standing
        ASSERT_TRUE(tickUntil([&] { return m.spinPhase == kPhaseAction && m.reelTravel[1] < 0 && m.reelTravel[1] > -20; }));
        ASSERT_TRUE(tickUntil([&] { return animClock.halfPhase == 0; }));
        shoot(std::string(names[outcome]) + "-2-stop");
        int middleRow = reachMiddleRow(line);
        EXPECT_NE(stripSymbol(kMiddleReel, shownCell(m, kMiddleReel, middleRow)), m.reachSymbol)
            << "the action stops a cell off the symbol";
        // the middle reel comes to the symbol and the spin is won
        ASSERT_TRUE(tickUntil([&] { return m.spinPhase == kPhaseSettle; }));
        for (int i = 0; i < 8; i++)
            tick();
        shoot(std::string(names[outcome]) + "-3-won");
        EXPECT_EQ(stripSymbol(kMiddleReel, shownCell(m, kMiddleReel, middleRow)), m.reachSymbol);
        // what the view shows in the middle reel's row is the strip's cell
        int rowY = kReelY + kReelViewOffset + kCellRows * middleRow;
        const Picture& strips = artPicture(606);
        int cell = shownCell(m, kMiddleReel, middleRow);
        int x = kReelX + kReelStep;
        bool same = true;
        for (int r = 0; r < kCellRows; r++)
            same = same && std::memcmp(pixelRow(sceneSurface, rowY + r) + x, pixelRow(strips, kCellRows * cell + r) + kReelW,
                                       kReelW) == 0;
        EXPECT_TRUE(same) << "the middle reel shows cell " << cell << " in row " << middleRow;
        ASSERT_TRUE(tickUntil([&] { return m.mode == 3; }));
        m.mode = 1; // the next planned spin starts from idle
        m.modeTick = 0;
        m.round = 0;
    }
}

TEST_F(No2RealPlay, StageBallsAndAnOpenDoorWithItsVLit)
{
    // balls on the stage: two of them rolling to and fro
    enterStage(m.ballSlot[0], 24);
    enterStage(m.ballSlot[1], 32);
    bool seen = false;
    for (int i = 0; i < 60 && !seen; i++) {
        tick();
        seen = animClock.halfPhase == 0 && ballX(m.ballSlot[0]) > 0 && ballX(m.ballSlot[1]) > 0 &&
               m.ballSlot[0].state == kStageState && m.ballSlot[1].state == kStageState;
    }
    ASSERT_TRUE(seen) << "both balls show on the stage";
    shoot("stage");
    // a fever: the second round, its door open, the first ball through the V
    m.mode = 3;
    m.round = 2;
    m.modeTick = 60;
    m.reachLine = 3;
    m.reachSymbol = 7;
    ASSERT_TRUE(tickUntil([&] { return m.attackerOpen == 1; }));
    m.vHit = 1;
    m.dirty |= no2screen::kLayerAttacker;
    ASSERT_TRUE(tickUntil([&] { return animClock.blink256 && animClock.halfPhase == 0 && m.modeTick > 120; }));
    shoot("fever-v-lit");
    const Picture& door = artPicture(605);
    bool lit = true;
    for (int r = 0; r < kDoorV.from.h; r++)
        lit = lit && std::memcmp(pixelRow(sceneSurface, kDoorV.y + r) + kDoorV.x, pixelRow(door, kDoorVHitY + r) + kDoorVLitX,
                                 kDoorV.from.w) == 0;
    EXPECT_TRUE(lit) << "the V part shows lit and hit";
    ASSERT_TRUE(tickUntil([&] { return !animClock.blink256 && animClock.halfPhase == 0; }));
    shoot("fever-v-dark");
}

} // namespace
