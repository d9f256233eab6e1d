// The pieces every model's play screen shares.
#include <gtest/gtest.h>

#include <climits>

#include "hallcore/gfx/play_screen.h"

TEST(PlayScreen, WindmillFramesForEverySpinValue)
{
    EXPECT_EQ(windmillFrame(0), 1);
    EXPECT_EQ(windmillFrame(1), 1);
    EXPECT_EQ(windmillFrame(2), 2);
    EXPECT_EQ(windmillFrame(3), 0);
    EXPECT_EQ(windmillFrame(-1), 1);
    EXPECT_EQ(windmillFrame(-2), 0);
    EXPECT_EQ(windmillFrame(-3), 2);
    // turning backwards steps the frames the other way
    EXPECT_EQ(windmillFrame(-4), 1);
    for (int v : {INT_MIN, INT_MIN + 1, INT_MAX}) {
        int f = windmillFrame(v);
        EXPECT_TRUE(f >= 0 && f <= 2) << v;
    }
}
