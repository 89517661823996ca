// Mixer values and slider positions, both ways, and the balance rules.
#include "mixer_math.h"

#include <gtest/gtest.h>

#include <climits>

using headset::BalanceFromChannels;
using headset::Channels;
using headset::ChannelsForVolume;
using headset::SplitBalance;
using headset::ToPosition;
using headset::ToRaw;

TEST(MixerMath, LevelsConvertBothWaysRoundingToTheNearest) {
    EXPECT_EQ(ToPosition(0, 0, 65535), 0);
    EXPECT_EQ(ToPosition(65535, 0, 65535), 16);
    EXPECT_EQ(ToPosition(32768, 0, 65535), (32768 * 16 + 32767) / 65535);
    EXPECT_EQ(ToRaw(8, 0, 65535), (8 * 65535 + 8) / 16);
    EXPECT_EQ(ToRaw(16, 0, 65535), 65535);
    EXPECT_EQ(ToRaw(4, -600, 600), -300);
    for (int p = 0; p <= 16; ++p) {
        EXPECT_EQ(ToPosition(ToRaw(p, 0, 65535), 0, 65535), p);
    }
    // Bass and treble positions are not clamped: the conversion extrapolates.
    EXPECT_EQ(ToRaw(20, 0, 1600), 2000);
}

TEST(MixerMath, UnknownOrEmptyRangesGiveUnknown) {
    EXPECT_EQ(ToPosition(5, -1, 100), -1);
    EXPECT_EQ(ToPosition(5, 0, -1), -1);
    EXPECT_EQ(ToPosition(5, 7, 7), -1);
    EXPECT_EQ(ToRaw(5, 7, 7), 7);  // a position range is never empty
    EXPECT_EQ(ToRaw(5, -1, 100), -1);
    EXPECT_EQ(ToRaw(5, 0, 100, 3, 3), -1);
}

TEST(MixerMath, DeviceBoundsAtTheEdgesOfIntDoNotOverflow) {
    EXPECT_EQ(ToPosition(INT_MAX, INT_MIN, INT_MAX), 16);
    EXPECT_EQ(ToPosition(INT_MIN, INT_MIN, INT_MAX), 0);
    EXPECT_EQ(ToRaw(16, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(BalanceFromChannels(INT_MAX, INT_MIN, INT_MIN, INT_MAX), 0);
}

TEST(MixerMath, BalanceFromChannels) {
    EXPECT_EQ(BalanceFromChannels(30000, 30000, 0, 65535), 8);
    EXPECT_EQ(BalanceFromChannels(30000, 0, 0, 65535), 0);   // silent right
    EXPECT_EQ(BalanceFromChannels(0, 30000, 0, 65535), 16);  // silent left
    EXPECT_EQ(BalanceFromChannels(40000, 20000, 0, 65535), (20000 + 40000 / 16) * 8 / 40000);
    EXPECT_EQ(BalanceFromChannels(20000, 40000, 0, 65535), 16 - (20000 + 40000 / 16) * 8 / 40000);
    EXPECT_EQ(BalanceFromChannels(70000, 100, 0, 65535), -1);  // outside the bounds
    EXPECT_EQ(BalanceFromChannels(100, 100, -1, 65535), -1);
}

TEST(MixerMath, BalanceKeepsTheLouderChannel) {
    EXPECT_EQ(SplitBalance(8, {40000, 20000}, 0, 65535), (Channels{40000, 40000}));
    EXPECT_EQ(SplitBalance(4, {40000, 20000}, 0, 65535), (Channels{40000, 20000}));
    EXPECT_EQ(SplitBalance(12, {40000, 20000}, 0, 65535), (Channels{20000, 40000}));
    EXPECT_EQ(SplitBalance(0, {40000, 20000}, 0, 65535), (Channels{40000, 0}));
    EXPECT_EQ(SplitBalance(16, {100, 40000}, 100, 65535), (Channels{100, 40000}));
    EXPECT_FALSE(SplitBalance(17, {1, 1}, 0, 65535));
    EXPECT_FALSE(SplitBalance(-1, {1, 1}, 0, 65535));
    EXPECT_FALSE(SplitBalance(8, {1, 1}, -1, 65535));
}

TEST(MixerMath, NoSplitWhileAChannelIsUnknownOrOutOfBounds) {
    EXPECT_FALSE(SplitBalance(4, {-1, -1}, 0, 65535));
    EXPECT_FALSE(SplitBalance(4, {40000, -1}, 0, 65535));
    EXPECT_FALSE(SplitBalance(8, {-1, 20000}, 0, 65535));
    EXPECT_FALSE(SplitBalance(4, {70000, 100}, 0, 65535));
    EXPECT_FALSE(SplitBalance(12, {50, 40000}, 100, 65535));
    EXPECT_EQ(SplitBalance(4, {100, 65535}, 100, 65535), (Channels{65535, 32817}));
}

TEST(MixerMath, VolumeWithBalance) {
    const int raw10 = ToRaw(10, 0, 65535);
    EXPECT_EQ(ChannelsForVolume(10, 4, 0, 65535), (Channels{raw10, 4 * raw10 / 8}));
    EXPECT_EQ(ChannelsForVolume(17, 8, 0, 65535), (Channels{65535, 65535}));  // clamped to 16
    EXPECT_EQ(ChannelsForVolume(-3, 8, 0, 65535), (Channels{0, 0}));
    EXPECT_FALSE(ChannelsForVolume(10, -1, 0, 65535));  // balance unknown
    EXPECT_FALSE(ChannelsForVolume(10, 8, -1, 65535));
}
