#include "layout_choice.h"

#include <gtest/gtest.h>

#include <climits>

using tavimo::ChooseLayout;
using tavimo::SerialPrefix;

TEST(LayoutChoice, SerialPrefixIsTheLeadingNumber) {
    EXPECT_EQ(SerialPrefix("200-0417-0102"), 200);
    EXPECT_EQ(SerialPrefix("300"), 300);
    EXPECT_EQ(SerialPrefix("0200-1"), 200);
    EXPECT_EQ(SerialPrefix(""), 0);
    EXPECT_EQ(SerialPrefix("-200"), 0);
    EXPECT_EQ(SerialPrefix(" 200"), 0);
    EXPECT_EQ(SerialPrefix("99999999999999999999"), INT_MAX);
}

TEST(LayoutChoice, ByProductAndModel) {
    EXPECT_EQ(ChooseLayout(0x0B52, "100-1-1"), 12001);
    EXPECT_EQ(ChooseLayout(0x0B52, "200-1-1"), 12002);
    EXPECT_EQ(ChooseLayout(0x0B52, "2000-1-1"), 12001);
    EXPECT_EQ(ChooseLayout(0x0B52, ""), 12001);
    EXPECT_EQ(ChooseLayout(0x0D31, "200-1-1"), 12003);
    EXPECT_EQ(ChooseLayout(0, ""), 12003);
}
