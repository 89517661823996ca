// Slider arithmetic: position and thumb both ways, and the drag rule.
#include "slider_math.h"

#include <gtest/gtest.h>

#include <climits>

using skin::SliderDrag;
using skin::SliderRange;

TEST(SliderMath, PositionAndThumbBothWays) {
    const SliderRange h{0, 16, false, 100};
    EXPECT_EQ(h.ThumbOffset(8), 50);
    EXPECT_EQ(h.ThumbOffset(5), 31);
    EXPECT_EQ(h.PositionAt(37), 5);  // 16 * 37 / 100 truncated
    EXPECT_EQ(h.PositionAt(100), 16);
    const SliderRange v{0, 100, true, 100};
    EXPECT_EQ(v.ThumbOffset(100), 0);
    EXPECT_EQ(v.ThumbOffset(0), 100);
    EXPECT_EQ(v.PositionAt(25), 75);
    EXPECT_FALSE((SliderRange{5, 5, false, 100}.CanMap()));
    EXPECT_FALSE((SliderRange{0, 16, false, 0}.CanMap()));
}

TEST(SliderMath, ExtremeRangesDoNotOverflow) {
    const SliderRange wide{INT_MIN, INT_MAX, false, 1000};
    EXPECT_EQ(wide.ThumbOffset(INT_MAX), 1000);
    EXPECT_EQ(wide.ThumbOffset(INT_MIN), 0);
    EXPECT_EQ(wide.PositionAt(1000), INT_MAX);
    EXPECT_EQ(wide.PositionAt(0), INT_MIN);
}

TEST(SliderMath, DragFollowsThePointerBetweenTheEnds) {
    SliderDrag drag{5, 55};  // grabbed 5 px into a thumb at 50
    int thumb = 50;
    EXPECT_FALSE(drag.Follow(55, 100, thumb));
    EXPECT_TRUE(drag.Follow(42, 100, thumb));
    EXPECT_EQ(thumb, 37);
    EXPECT_TRUE(drag.Follow(-30, 100, thumb));
    EXPECT_EQ(thumb, 0);
    EXPECT_EQ(drag.last, 5);
    EXPECT_TRUE(drag.Follow(300, 100, thumb));
    EXPECT_EQ(thumb, 100);
    EXPECT_EQ(drag.last, 105);
    EXPECT_TRUE(drag.Follow(100, 100, thumb));
    EXPECT_EQ(thumb, 95);
}
