// Machine No.5 played for real: the hall runs, the player sits at a machine
// with the handle held, and its rules and its screen go through every
// performance together. The lottery's outcome of each spin is chosen (the
// reels are set up for it by the rules' own set-up); everything after is
// the machine's. The screen must show each performance's pictures at its
// moments, and the chance state after a fever on a chance symbol.
//
// NO5_SCREENSHOTS=<dir> also writes the frames of those moments as
// real-NN-<what>.bmp for looking at.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "program_fixture.h"
#include "screen_fixture.h"

#include "hallcore/gfx/artwork.h"
#include "hallcore/gfx/palette.h"
#include "hallcore/players/registry.h"
#include "no5.h"
#include "no5_art_layout.h"
#include "no5_screen.h"

using namespace no5screen;

namespace {

class No5RealPlay : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(nullWalkToScene(kScenePlaying, 0));
        nullPaintScene();
        m = activePlayerSlot().machine;
        ASSERT_NE(m, nullptr);
        m->balls = 50000;
        dir = std::getenv("NO5_SCREENSHOTS");
    }

    // The spin that has just begun gets the outcome asked for (and, when
    // `chance` says so, a reach symbol that is or is not a chance symbol).
    void steer(int outcome, int chance)
    {
        MachineState before = *m;
        for (int tries = 0; tries < 200; tries++) {
            *m = before;
            setSpinTravel(*m);
            m->creepRest = 0;
            no5SetUpSpin(*m, outcome);
            if (chance < 0 || isChanceSymbol(m->reachSymbol) == (chance == 1))
                return;
            randomNext();
        }
    }

    // What the display shows now, as the pieces it draws from 608 and 607.
    void look()
    {
        DisplayPlan p = displayPlan(*m, animClock);
        for (int i = 0; i < p.count; i++) {
            const Draw& d = p.items[i];
            if (d.id != 608 && d.id != 607)
                continue;
            // a figure cut by the window's edge still counts as its image
            int sx = d.id == 608 ? d.sx - d.sx % 54 : d.sx, sy = d.id == 608 ? d.sy - d.sy % 80 : d.sy;
            seen.insert(std::to_string(d.id) + ":" + std::to_string(sx) + "," + std::to_string(sy));
        }
    }

    void shoot(const char* what)
    {
        if (!dir || shot.count(what))
            return;
        shot.insert(what);
        modelPlayPaint(*m);
        char name[160];
        std::snprintf(name, sizeof name, "%s/real-%02d-%s.bmp", dir, (int)shot.size(), what);
        writeStill(sceneSurface, name);
    }

    // Ticks through one spin steered to `outcome`, then until the machine is
    // idle again (a won spin through its whole big prize), looking at every
    // drawn frame and shooting its moments.
    void playSpin(int outcome, int chance, const char* tag)
    {
        while (m->mode > 1)
            onTick();
        m->heldStarts = 1;
        while (!(m->mode == 2 && m->modeTick == 0))
            onTick();
        steer(outcome, chance);
        std::string t = tag;
        int stage = -1, tick = 0; // frames drawn since the spin's stage changed
        for (long n = 0; n < 400000 && (m->mode >= 2 || n < 4); n++) {
            onTick();
            if (animClock.halfPhase != 0)
                continue;
            look();
            int now = m->mode * 100 + m->spinPhase * 10 + (m->creepRest < 0) * 2 + (m->reelTravel[2] == -1);
            tick = now == stage ? tick + 1 : 0;
            stage = now;
            if (m->mode == 3)
                tick = m->modeTick;
            if (m->mode == 2) {
                if (m->spinPhase == kNo5Running && tick == 60)
                    shoot((t + "-running").c_str());
                if (m->spinPhase == kNo5Creep && tick == 20)
                    shoot((t + "-creep").c_str());
                if (m->spinPhase == kNo5FastSpin && m->reelTravel[2] > 42 && tick == 10)
                    shoot((t + "-fast-drop").c_str());
                if (m->spinPhase == kNo5FastSpin && m->reelTravel[2] > 42 && tick == 40)
                    shoot((t + "-fast-slash").c_str());
                if (m->spinPhase == kNo5FastSpin && m->reelTravel[2] > 0 && m->reelTravel[2] <= 42)
                    shoot((t + "-fast-near-stop").c_str());
                if (m->spinPhase == kNo5FastSpin && m->reelTravel[2] == -1 && tick == 90)
                    shoot((t + "-fast-stood").c_str());
                if (m->spinPhase == kNo5Revival && m->creepRest == 0 && m->reelTravel[2] > 0 && tick == 30)
                    shoot((t + "-revival-walk").c_str());
                if (m->spinPhase == kNo5Revival && m->creepRest == 0 && m->reelTravel[2] > 0 && tick == 60)
                    shoot((t + "-revival-wait").c_str());
                if (m->spinPhase == kNo5Revival && m->creepRest == 0 && m->reelTravel[2] == -1 && tick == 12)
                    shoot((t + "-revival-stopped").c_str());
                if (m->spinPhase == kNo5Revival && m->creepRest == 0 && m->reelTravel[2] == -1 && tick == 44)
                    shoot((t + "-revival-walk-on").c_str());
                if (m->spinPhase == kNo5Revival && m->creepRest == -1 && m->reelTravel[2] > 0 && tick == 20)
                    shoot((t + "-revival-spin").c_str());
                if (m->spinPhase == kNo5Revival && m->creepRest == -1 && m->reelTravel[2] == -1 && tick == 90)
                    shoot((t + "-revival-end").c_str());
            }
            if (m->mode == 3) {
                if (m->round == 0 && tick == 40)
                    shoot("fanfare");
                if (m->round >= 1 && m->round <= 16 && tick == 200 && m->vHit == 0)
                    shoot("round");
                if (m->vHit >= 4 && m->vHit <= 31)
                    shoot("v");
                if (m->attackerOpen && m->vHit >= 32 && tick % 64 == 0)
                    shoot("round-after-v");
                if (m->round == 17 && tick == 100)
                    shoot("ending");
            }
            if (m->digitGate == kGateOpen && m->digitTick >= 140)
                shoot(m->chanceCount > 0 ? "chance-gate-open" : "gate-open");
            if (m->mode <= 1 && m->chanceCount > 0 && animClock.blink256 && m->digitTick > 130)
                shoot("chance-state");
        }
    }

    MachineState* m = nullptr;
    const char* dir = nullptr;
    std::set<std::string> seen, shot;
};

TEST_F(No5RealPlay, EveryPerformanceShowsItsPicturesAndAChanceWinLightsTheChanceState)
{
    playSpin(kNo5CreepLose, 1, "chance-reach");
    EXPECT_TRUE(seen.count("608:0,0")) << "a chance symbol's creep shows the chance overlay";
    EXPECT_EQ(m->mode, 1);

    seen.clear();
    playSpin(kNo5FastLose, 0, "fast-lose");
    EXPECT_TRUE(seen.count("608:0,80")) << "the figure drops in";
    EXPECT_TRUE(seen.count("608:54,80")) << "and lands";
    EXPECT_TRUE(seen.count("608:108,80") && seen.count("608:162,80")) << "and slashes";
    EXPECT_TRUE(seen.count("608:0,160")) << "the near stop";
    EXPECT_TRUE(seen.count("608:108,160")) << "the loss is told";
    EXPECT_FALSE(seen.count("608:0,0")) << "no chance overlay on another symbol";

    seen.clear();
    playSpin(kNo5RevivalLose, 0, "revival-lose");
    for (const char* piece : {"608:54,240", "608:0,240", "608:162,240", "608:108,240", "608:0,320", "608:162,320",
                              "608:108,320", "608:54,320", "608:0,400", "608:108,400"})
        EXPECT_TRUE(seen.count(piece)) << piece;
    EXPECT_EQ(m->mode, 1);

    seen.clear();
    playSpin(kNo5FastWin, 1, "fast-win");
    EXPECT_FALSE(seen.count("608:108,160")) << "a win is not told as a loss";
    EXPECT_TRUE(seen.count("607:0,80") || seen.count("607:108,80")) << "the fanfare";
    EXPECT_TRUE(seen.count("607:0,720") || seen.count("607:108,720") || seen.count("607:216,720")) << "the ending";
    EXPECT_EQ(m->chanceCount, 2) << "a win on a chance symbol starts the chance state";
    EXPECT_EQ(m->mode, 1);

    // In the chance state the reels are drawn highlighted and the frame lamps flash.
    DisplayPlan p = displayPlan(*m, animClock);
    ASSERT_GE(p.count, 3);
    EXPECT_EQ(p.items[0].sx, no5art::kReelHighlightX);
    AnimClock lit = animClock;
    lit.blink256 = 1;
    EXPECT_TRUE(frameLampsLit(*m, lit));

    seen.clear();
    playSpin(kNo5RevivalWin, -1, "revival-win");
    EXPECT_FALSE(seen.count("608:0,400")) << "a revival that wins shows no loss";
    EXPECT_TRUE(seen.count("607:0,80") || seen.count("607:108,80"));

    if (dir) { // the chance state between spins, for its pictures
        for (int n = 0; n < 4000 && !shot.count("chance-state"); n++) {
            onTick();
            if (m->mode <= 1 && animClock.blink256 && animClock.halfPhase == 0)
                shoot("chance-state");
        }
        playSpin(kNo5CreepLose, 0, "chance-creep");
    }
}

} // namespace
