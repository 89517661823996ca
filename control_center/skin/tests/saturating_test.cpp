// Sums and products of layout values stop at the int range.
#include "saturating.h"

#include <gtest/gtest.h>

#include <climits>

using skin::SaturatingAdd;
using skin::SaturatingMultiply;

TEST(Saturating, SumsStopAtBothEnds) {
    EXPECT_EQ(SaturatingAdd(20, 5), 25);
    EXPECT_EQ(SaturatingAdd(20, INT_MAX), INT_MAX);
    EXPECT_EQ(SaturatingAdd(INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(SaturatingAdd(-20, INT_MIN), INT_MIN);
    EXPECT_EQ(SaturatingAdd(INT_MIN, INT_MAX), -1);
}

TEST(Saturating, ProductsStopAtBothEnds) {
    EXPECT_EQ(SaturatingMultiply(1000, 8), 8000);
    EXPECT_EQ(SaturatingMultiply(1000, 3000000), INT_MAX);
    EXPECT_EQ(SaturatingMultiply(-1000, 3000000), INT_MIN);
    EXPECT_EQ(SaturatingMultiply(INT_MIN, -1), INT_MAX);
    EXPECT_EQ(SaturatingMultiply(0, INT_MAX), 0);
}
