// Preset file names and the microphone gain that goes with a preset.
#include <gtest/gtest.h>

#include <string>

#include "mic_gain.h"
#include "preset_files.h"

using headset::GainForMicPreset;
using headset::GainReport;
using headset::PresetFileName;
using headset::PresetKind;

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
