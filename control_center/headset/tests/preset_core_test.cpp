// The newer family's preset decoding.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "codec_preset.h"

using headset::DecodeCodecPreset;
using headset::DspWrite;
using headset::kCodecPresetSize;

namespace {

std::array<std::uint8_t, kCodecPresetSize> FileOf(const std::vector<double>& values) {
    std::array<std::uint8_t, kCodecPresetSize> file{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::uint64_t bits;
        std::memcpy(&bits, &values[i], sizeof bits);
        for (std::size_t byte = 0; byte < 8; ++byte) {
            file[i * 8 + byte] = static_cast<std::uint8_t>(bits >> (8 * byte));
        }
    }
    return file;
}

}  // namespace

TEST(CodecPreset, WordsTruncateTowardZeroInTheBandsWritingOrder) {
    std::vector<double> values(16);
    values[0] = std::numeric_limits<double>::quiet_NaN();  // never looked at
    for (std::size_t i = 1; i < 16; ++i) {
        values[i] = static_cast<double>(i) * 1000 + 0.9;
    }
    values[1] = 1.9;
    values[2] = -1.9;
    values[15] = -2147483648.5;  // truncates to the lowest int
    const auto writes = DecodeCodecPreset(FileOf(values));
    ASSERT_TRUE(writes.has_value());
    EXPECT_EQ((*writes)[0], (DspWrite{33, 1}));
    EXPECT_EQ((*writes)[1], (DspWrite{34, -1}));
    EXPECT_EQ((*writes)[2], (DspWrite{32, 3000}));
    EXPECT_EQ((*writes)[5], (DspWrite{35, 6000}));
    EXPECT_EQ((*writes)[13], (DspWrite{46, 14000}));
    EXPECT_EQ((*writes)[14], (DspWrite{44, -2147483647 - 1}));
}

TEST(CodecPreset, AnyWordWithoutAnIntegerValueRefusesThePresetWhole) {
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          2147483648.0,
                          -2147483649.0,
                          1e300};
    for (double value : bad) {
        for (std::size_t word : {1u, 8u, 15u}) {
            std::vector<double> values(16, 5.0);
            values[word] = value;
            EXPECT_FALSE(DecodeCodecPreset(FileOf(values)).has_value()) << value << " at " << word;
        }
    }
    std::vector<double> edge(16, 0.0);
    edge[1] = 2147483647.9;
    ASSERT_TRUE(DecodeCodecPreset(FileOf(edge)).has_value());
    EXPECT_EQ((*DecodeCodecPreset(FileOf(edge)))[0].value, 2147483647);
}
