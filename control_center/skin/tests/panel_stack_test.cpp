// Panel configurations, the window's bounding size and the hit test.
#include "panel_stack.h"

#include <gtest/gtest.h>

#include <climits>

using skin::PanelStack;
using skin::Size;

namespace {

// The shipped arrangement: top, output, tabs, pages, logo bar, mini logo bar;
// full, reduced and mini configurations.
PanelStack ShippedStack() {
    PanelStack stack;
    stack.Add(1, {380, 56});
    stack.Add(2, {380, 120});
    stack.Add(3, {380, 26});
    stack.Add(4, {380, 110});
    stack.Add(5, {380, 18});
    stack.Add(6, {300, 18});
    stack.SetConfigs({{1, {1, 2, 3, 4, 5}}, {2, {1, 2, 3, 5}}, {3, {1, 6}}});
    return stack;
}

}  // namespace

TEST(PanelStack, OriginsFollowTheLayoutOrder) {
    const PanelStack stack = ShippedStack();
    EXPECT_EQ(stack.Panels()[0].originY, 0);
    EXPECT_EQ(stack.Panels()[3].originY, 56 + 120 + 26);
    EXPECT_EQ(stack.Panels()[5].originY, 56 + 120 + 26 + 110 + 18);
}

TEST(PanelStack, NothingIsShownBeforeTheFirstSelection) {
    const PanelStack stack = ShippedStack();
    EXPECT_EQ(stack.CurrentConfig(), -1);
    EXPECT_FALSE(stack.IsShown(1));
    EXPECT_TRUE(stack.BoundingSize().IsEmpty());
}

TEST(PanelStack, NextConfigCyclesFullReducedMini) {
    PanelStack stack = ShippedStack();
    EXPECT_EQ(stack.NextConfig(), 0);
    EXPECT_EQ(stack.BoundingSize(), (Size{380, 330}));
    EXPECT_EQ(stack.NextConfig(), 1);
    EXPECT_EQ(stack.BoundingSize(), (Size{380, 220}));
    EXPECT_FALSE(stack.IsShown(4));
    EXPECT_EQ(stack.NextConfig(), 2);
    EXPECT_EQ(stack.BoundingSize(), (Size{380, 74}));
    EXPECT_TRUE(stack.IsShown(6));
    EXPECT_EQ(stack.NextConfig(), 0);
}

TEST(PanelStack, SelectConfigRejectsIndexesOutOfRange) {
    PanelStack stack = ShippedStack();
    EXPECT_EQ(stack.SelectConfig(2), 2);
    EXPECT_EQ(stack.SelectConfig(3), -1);
    EXPECT_EQ(stack.SelectConfig(-1), -1);
    EXPECT_EQ(stack.CurrentConfig(), 2);
    PanelStack empty;
    EXPECT_EQ(empty.NextConfig(), -1);
}

TEST(PanelStack, HitTestUsesLoadTimeOrigins) {
    const PanelStack stack = ShippedStack();
    EXPECT_EQ(stack.HitTest(0, 0), 1);
    EXPECT_EQ(stack.HitTest(379, 55), 1);
    EXPECT_EQ(stack.HitTest(10, 56), 2);
    EXPECT_EQ(stack.HitTest(380, 10), -1);
    EXPECT_EQ(stack.HitTest(-1, 10), -1);
    EXPECT_EQ(stack.HitTest(299, 330), 6);
    EXPECT_EQ(stack.HitTest(300, 330), -1);
    EXPECT_EQ(stack.HitTest(10, 10000), -1);
}

TEST(PanelStack, UsablePanelSizes) {
    EXPECT_TRUE(skin::IsUsablePanelSize({380, 0}));
    EXPECT_FALSE(skin::IsUsablePanelSize({0, 0}));
    EXPECT_FALSE(skin::IsUsablePanelSize({-1, 20}));
    EXPECT_FALSE(skin::IsUsablePanelSize({40000, 20}));
}

TEST(PanelStack, HugeStacksSaturate) {
    PanelStack stack;
    for (int i = 1; i <= 70000; ++i) {
        stack.Add(i, {10, skin::kMaxPanelSide});
    }
    EXPECT_EQ(stack.Panels().back().originY, INT_MAX);
    // 65538 full panels end at INT_MAX - 1; every later one starts at INT_MAX.
    EXPECT_EQ(stack.HitTest(5, INT_MAX - 1), 65539);
}
