// The whole program on the null platform with its real pictures: a fresh
// hall (HallTest), the scripted window layer reset, no box open, and one
// player registered, for tests that run the program's own ticks.
#pragma once
#include "hall_fixture.h"
#include "hallcore/gfx/artwork.h"
#include "hallcore/players/registry.h"
#include "hallcore/shell/commands.h"
#include "program_art.h"

class ProgramTest : public HallTest {
protected:
    explicit ProgramTest(const char* player = "Aki") : player(player) {}

    void SetUp() override
    {
        HallTest::SetUp();
        nullShellReset();
        modalDepth = 0;
        ASSERT_TRUE(useProgramArt());
        ASSERT_TRUE(createArtwork());
        registerPlayer(player);
    }
    void TearDown() override
    {
        releaseArtwork();
        setResourceLookup(nullptr);
    }

private:
    const char* player;
};
