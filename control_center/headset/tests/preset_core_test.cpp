// Preset file names, the newer family's preset decoding and the microphone
// gain that goes with a preset.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "codec_preset.h"
#include "mic_gain.h"
#include "preset_files.h"

using headset::DecodeCodecPreset;
using headset::DspWrite;
using headset::GainForMicPreset;
using headset::GainReport;
using headset::kCodecPresetSize;
using headset::PresetFileName;
using headset::PresetKind;

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

TEST(PresetFiles, NamesJoinDirectoryKindModelAndIndexPlusOne) {
    EXPECT_EQ(PresetFileName(PresetKind::Headphone, "C:\\T\\", 400, 2), "C:\\T\\HS4003.BIN");
    EXPECT_EQ(PresetFileName(PresetKind::Microphone, "D\\", 200, 0), "D\\MIC2001.BIN");
    EXPECT_EQ(PresetFileName(PresetKind::CodecHeadphone, "", 500, 6), "ZHS5007.BIN");
    EXPECT_EQ(PresetFileName(PresetKind::Headphone, "", -7, -1), "HS-70.BIN");
}

TEST(PresetFiles, ANameThatDoesNotFitIsRefusedNotCut) {
    const std::string fits(259 - std::string("HS1001.BIN").size(), 'x');
    EXPECT_EQ(PresetFileName(PresetKind::Headphone, fits, 100, 0).size(), 259u);
    EXPECT_EQ(PresetFileName(PresetKind::Headphone, fits + "x", 100, 0), "");
    // The longest directory the registry gives, with a long device-supplied
    // model number.
    const std::string longest(259, 'd');
    EXPECT_EQ(PresetFileName(PresetKind::Microphone, longest, 2147483647, 3), "");
}

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

TEST(MicGain, PresetsOneAndTwoSetThreeQuartersUnmutedTheOthersSilence) {
    EXPECT_EQ(GainForMicPreset(0, 100, 1), (GainReport{75, false}));
    EXPECT_EQ(GainForMicPreset(0, 100, 2), (GainReport{75, false}));
    EXPECT_EQ(GainForMicPreset(0, 100, 0), (GainReport{0, true}));
    EXPECT_EQ(GainForMicPreset(0, 100, 3), (GainReport{0, true}));
    EXPECT_EQ(GainForMicPreset(10, 15, 1), (GainReport{3, false}));
    // Bounds are unsigned 16-bit: -1 reads as 65535.
    EXPECT_EQ(GainForMicPreset(0, -1, 1), (GainReport{49151, false}));
}

TEST(MicGain, ARangeEndingBelowItsStartSendsNothing) {
    EXPECT_FALSE(GainForMicPreset(100, 0, 1).has_value());
    EXPECT_FALSE(GainForMicPreset(-1, 0, 0).has_value());  // 65535 .. 0
}
