#include "settings_values.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;
using tavimo::DigitSetting;
using tavimo::DwordSetting;
using tavimo::StringSetting;

TEST(StringSetting, EndsAtTheFirstZeroAndMustFitWithIt) {
    EXPECT_EQ(StringSetting(1, "C:\\Tavimo\\\0"s, 260), "C:\\Tavimo\\");
    EXPECT_EQ(StringSetting(1, "unterminated"s, 260), "unterminated");
    EXPECT_EQ(StringSetting(1, "ab\0cd"s, 260), "ab");
    EXPECT_EQ(StringSetting(1, ""s, 260), "");
    // 79 characters and the zero fill an 80-byte setting; 80 do not fit.
    EXPECT_EQ(StringSetting(1, std::string(79, 'x'), 80), std::string(79, 'x'));
    EXPECT_EQ(StringSetting(1, std::string(80, 'x'), 80), std::nullopt);
    EXPECT_EQ(StringSetting(1, std::string(80, 'x') + '\0', 80), std::nullopt);
}

TEST(StringSetting, OtherTypesAreMissing) {
    EXPECT_EQ(StringSetting(3, "text\0"s, 260), std::nullopt);    // REG_BINARY
    EXPECT_EQ(StringSetting(2, "%PATH%\0"s, 260), std::nullopt);  // REG_EXPAND_SZ
    EXPECT_EQ(StringSetting(4, "\1\0\0\0"s, 260), std::nullopt);
}

TEST(DigitSetting, CountsTheFirstByteOnly) {
    EXPECT_EQ(DigitSetting("0"s), 0);
    EXPECT_EQ(DigitSetting("6"s), 6);
    EXPECT_EQ(DigitSetting("7x"s), 7);
    EXPECT_EQ(DigitSetting("9"s), 9);
    EXPECT_EQ(DigitSetting("x"s), -1);
    EXPECT_EQ(DigitSetting("/"s), -1);
    EXPECT_EQ(DigitSetting(":"s), -1);
    EXPECT_EQ(DigitSetting(" 3"s), -1);
    EXPECT_EQ(DigitSetting(""s), -1);
    EXPECT_EQ(DigitSetting(std::nullopt), -1);
}

TEST(DwordSetting, OnlyFourBytesOfDoubleWord) {
    EXPECT_EQ(DwordSetting(4, "\0\0\0\0"s), 0u);
    EXPECT_EQ(DwordSetting(4, "\1\0\0\0"s), 1u);
    EXPECT_EQ(DwordSetting(4, "\1\2\0\0"s), 0x201u);
    EXPECT_EQ(DwordSetting(4, "\1\0"s), std::nullopt);
    EXPECT_EQ(DwordSetting(4, "\0\0\0\0\0\0\0\0"s), std::nullopt);
    EXPECT_EQ(DwordSetting(3, "\0\0\0\0"s), std::nullopt);
    EXPECT_EQ(DwordSetting(1, "0\0\0\0"s), std::nullopt);
}
