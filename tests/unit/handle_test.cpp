// The launch handle: strength steps and where the knobs are drawn.
#include "hall_fixture.h"
#include "hallcore/shell/handle.h"
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
    EXPECT_TRUE(handleStep());
    EXPECT_TRUE(handleStep());
    EXPECT_TRUE(handleStep());
    EXPECT_EQ(m.launchPower, 113);
    EXPECT_FALSE(handleStep()); // at the limit: no step, no redraw
    EXPECT_EQ(m.launchPower, 113);
    EXPECT_EQ(nullPresentCount[kWindowHandle], presents + 3);

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
