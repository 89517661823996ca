// The usages of a range group, and the cut a faulty descriptor meets.
#include "hid_usages.h"

#include <gtest/gtest.h>

using headset::kMaxGroupUsages;
using headset::RangeUsages;
using Usages = std::vector<std::uint16_t>;

TEST(HidUsages, ARangeListsEveryUsageInOrder) {
    EXPECT_EQ(RangeUsages(0xE9, 0xEA), (Usages{0xE9, 0xEA}));
    EXPECT_EQ(RangeUsages(0xE2, 0xE2), (Usages{0xE2}));
}

TEST(HidUsages, ARangeIsCutToTheCapacity) {
    EXPECT_EQ(RangeUsages(0xE0, 0xEA, 3), (Usages{0xE0, 0xE1, 0xE2}));
    EXPECT_EQ(RangeUsages(0xE0, 0xEA, 0), Usages{});
}

TEST(HidUsages, AWideRangeIsCutToTheLimit) {
    const Usages all = RangeUsages(0, 0xFFFF, 0xFFFFFFFF);
    ASSERT_EQ(all.size(), kMaxGroupUsages);
    EXPECT_EQ(all.front(), 0);
    EXPECT_EQ(all.back(), kMaxGroupUsages - 1);
    EXPECT_EQ(RangeUsages(0xFFF0, 0xFFFF).back(), 0xFFFF);  // the last usage, no wrap
    EXPECT_EQ(RangeUsages(0xFFF0, 0xFFFF).size(), 16u);
}

TEST(HidUsages, ABackwardRangeHasNoUsages) {
    EXPECT_EQ(RangeUsages(0xEA, 0xE9), Usages{});
}
