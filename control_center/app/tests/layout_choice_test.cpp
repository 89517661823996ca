#include "layout_choice.h"
#include "model_number.h"

#include <gtest/gtest.h>

#include <climits>

using tavimo::ChooseLayout;

TEST(ModelNumber, IsTheLeadingNumberOfTheSerial) {
    EXPECT_EQ(headset::ModelNumber("200-0417-0102"), 200);
    EXPECT_EQ(headset::ModelNumber("300"), 300);
    EXPECT_EQ(headset::ModelNumber("200A-17"), 200);
    EXPECT_EQ(headset::ModelNumber("A200"), 0);
    EXPECT_EQ(headset::ModelNumber("0200-1"), 200);
    EXPECT_EQ(headset::ModelNumber(""), 0);
    EXPECT_EQ(headset::ModelNumber("-200"), 0);
    EXPECT_EQ(headset::ModelNumber(" 200"), 0);
    EXPECT_EQ(headset::ModelNumber("99999999999999999999"), INT_MAX);
}

TEST(LayoutChoice, ByProductAndModel) {
    EXPECT_EQ(ChooseLayout(0x0B52, "100-1-1"), 12001);
    EXPECT_EQ(ChooseLayout(0x0B52, "200-1-1"), 12002);
    EXPECT_EQ(ChooseLayout(0x0B52, "2000-1-1"), 12001);
    EXPECT_EQ(ChooseLayout(0x0B52, ""), 12001);
    EXPECT_EQ(ChooseLayout(0x0D31, "200-1-1"), 12003);
    EXPECT_EQ(ChooseLayout(0, ""), 12003);
}
