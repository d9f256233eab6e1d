// The launch handle: strength steps and where the knobs are drawn.
#include "hall_fixture.h"
#include "hallcore/gfx/handle_screen.h"
#include "hallcore/gfx/screens.h"
#include "hallcore/hall/launch_handle.h"
#include "hallcore/sys/sys_present.h"

TEST_F(HallTest, HandleMovesOneStepATickBetweenItsLimits)
{
    MachineState& m = shops[kDayShop].machines[0];
    PlayerSlot& s = activePlayerSlot();
    s.scene = kScenePlaying;
    s.machine = &m;
    s.playView = 1;
    m.handleState = kHandleRaising;
    m.launchPower = 110;
    int presents = nullPresentCount[kWindowHandle];
    for (int tick = 0; tick < 4; tick++)
        panelTick(); // the handle step comes first in the panel's tick
    EXPECT_EQ(m.launchPower, 113);
    EXPECT_FALSE(handleStep()); // at the limit: no step
    EXPECT_EQ(nullPresentCount[kWindowHandle], presents + 3); // drawn only when it moved

    m.handleState = kHandleLowering;
    m.launchPower = 1;
    EXPECT_TRUE(handleStep());
    EXPECT_FALSE(handleStep());
    EXPECT_EQ(m.launchPower, 0);
    m.handleState = kHandlePaused;
    EXPECT_FALSE(handleStep());
    m.handleState = kHandleReleased;
    EXPECT_FALSE(handleStep());
}

TEST(Handle, KnobsTurnOneDegreePerStepAroundTheCentre)
{
    int x, y;
    handleKnobCorner(0, 1, &x, &y); // 20 degrees
    EXPECT_EQ(x, 42 + 14);          // trunc(42 sin 20°) = 14
    EXPECT_EQ(y, 42 - 39);          // trunc(42 cos 20°) = 39
    handleKnobCorner(70, 1, &x, &y); // 90 degrees: straight right
    EXPECT_EQ(x, 84);
    EXPECT_EQ(y, 42);
    handleKnobCorner(0, 0, &x, &y); // 290 degrees: up and left
    EXPECT_EQ(x, 42 - 39);          // trunc toward zero of -39.47
    EXPECT_EQ(y, 42 - 14);
    handleKnobCorner(70, 2, &x, &y); // 180 degrees: straight down
    EXPECT_EQ(x, 42);
    EXPECT_EQ(y, 84);
}

// What the window layer's mouse and keys do to the handle.
TEST(Handle, ButtonsHoldReleaseAndPause)
{
    MachineState m{};
    EXPECT_TRUE(pressHandleButton(m, kHandleRaising));
    EXPECT_FALSE(pressHandleButton(m, kHandleRaising)); // a key's repeat changes nothing
    EXPECT_FALSE(releaseHandleButton(m, kHandleLowering)); // not the button held
    EXPECT_EQ(m.handleState, kHandleRaising);
    EXPECT_TRUE(releaseHandleButton(m, kHandleRaising));
    EXPECT_EQ(m.handleState, kHandleReleased);

    toggleHandlePause(m);
    EXPECT_EQ(m.handleState, kHandlePaused);
    EXPECT_FALSE(letGoOfHandle(m)); // a paused handle stays paused
    EXPECT_TRUE(pressHandleButton(m, kHandleLowering)); // a press ends the pause
    EXPECT_TRUE(letGoOfHandle(m));
    EXPECT_EQ(m.handleState, kHandleReleased);
    toggleHandlePause(m);
    toggleHandlePause(m);
    EXPECT_EQ(m.handleState, kHandleReleased);
}
