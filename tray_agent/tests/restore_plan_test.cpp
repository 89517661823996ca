// What a restore after a standby sends: the gain and both preset files.
#include "restore_plan.h"

#include <gtest/gtest.h>

#include <string>

using headset::GainReport;
using tray::GainRange;
using tray::PlanRestore;
using tray::PresetModel;

namespace {

tray::AgentSettings Settings(int mic, int headphone, std::string directory = "C:\\Tavimo\\") {
    tray::AgentSettings settings;
    settings.micPreset = mic;
    settings.headsetPreset = headphone;
    settings.directory = std::move(directory);
    return settings;
}

}  // namespace

TEST(PresetModel, TheSerialsModelNumberWhenItIsAKnownModel) {
    EXPECT_EQ(PresetModel("100-0417-0102"), 100);
    EXPECT_EQ(PresetModel("200-0417-0102"), 200);
    EXPECT_EQ(PresetModel("400-1-1"), 400);
    EXPECT_EQ(PresetModel("500"), 500);
    EXPECT_EQ(PresetModel("0300-1"), 300);
}

TEST(PresetModel, Otherwise300) {
    for (const char* serial :
         {"", "A100", "600-1-1", "10-1", "1000", "5", "-100", " 100", "99999999999999999999"}) {
        EXPECT_EQ(PresetModel(serial), 300) << serial;
    }
}

TEST(RestorePlan, TheFilesOfTheModelAndSettingsInTheInstallationDirectory) {
    const auto plan = PlanRestore(Settings(1, 1), "400-0417-0102", std::nullopt);
    EXPECT_EQ(plan.micPresetFile, "C:\\Tavimo\\MIC4002.BIN");
    EXPECT_EQ(plan.headphonePresetFile, "C:\\Tavimo\\HS4002.BIN");
    const auto other = PlanRestore(Settings(3, 6), "garbled", std::nullopt);
    EXPECT_EQ(other.micPresetFile, "C:\\Tavimo\\MIC3004.BIN");
    EXPECT_EQ(other.headphonePresetFile, "C:\\Tavimo\\HS3007.BIN");
    EXPECT_EQ(PlanRestore(tray::AgentSettings{}, "200-1-1", std::nullopt).micPresetFile,
              "c:\\Program Files\\Tavimo\\MIC2002.BIN");
}

TEST(RestorePlan, LongPathsWorkUpTo259CharactersAndLongerOnesAreSkipped) {
    const std::string mic = "MIC1002.BIN";
    const std::string deep = std::string(259 - mic.size() - 1, 'd') + "\\";
    const auto plan = PlanRestore(Settings(1, 1, deep), "100", std::nullopt);
    ASSERT_TRUE(plan.micPresetFile.has_value());
    EXPECT_EQ(plan.micPresetFile->size(), 259u);
    EXPECT_EQ(plan.micPresetFile->substr(0, deep.size()), deep);
    // "HS" is one shorter than "MIC": that name still fits.
    EXPECT_TRUE(plan.headphonePresetFile.has_value());

    const auto tooLong = PlanRestore(Settings(1, 1, "x" + deep + "xx\\"), "100", std::nullopt);
    EXPECT_FALSE(tooLong.micPresetFile.has_value());
    EXPECT_FALSE(tooLong.headphonePresetFile.has_value());
}

TEST(RestorePlan, TheGainIsTheControlCentersForTheMicrophonePreset) {
    const GainRange percent{0, 100}, byte{0, 255};
    EXPECT_EQ(PlanRestore(Settings(0, 1), "300", percent).gain, (GainReport{0, true}));
    EXPECT_EQ(PlanRestore(Settings(1, 1), "300", percent).gain, (GainReport{75, false}));
    EXPECT_EQ(PlanRestore(Settings(2, 1), "300", percent).gain, (GainReport{75, false}));
    EXPECT_EQ(PlanRestore(Settings(3, 1), "300", percent).gain, (GainReport{0, true}));
    EXPECT_EQ(PlanRestore(Settings(1, 1), "300", byte).gain, (GainReport{191, false}));
    EXPECT_EQ(PlanRestore(Settings(2, 1), "300", GainRange{10, 15}).gain, (GainReport{3, false}));
}

TEST(RestorePlan, NoGainWithoutARangeOrForOneRunningBackwards) {
    EXPECT_FALSE(PlanRestore(Settings(1, 1), "300", std::nullopt).gain.has_value());
    EXPECT_FALSE(PlanRestore(Settings(1, 1), "300", GainRange{100, 0}).gain.has_value());
    EXPECT_EQ(PlanRestore(Settings(1, 1), "300", GainRange{0, 65535}).gain,
              (GainReport{49151, false}));
    // The files go all the same.
    EXPECT_TRUE(PlanRestore(Settings(1, 1), "300", GainRange{100, 0}).micPresetFile.has_value());
}
