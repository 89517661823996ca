#include "controller_rules.h"

#include <gtest/gtest.h>

namespace {

using namespace tavimo;

constexpr std::uint16_t kOlder = 0x0B52;
constexpr std::uint16_t kNewer = 0x0D31;

TEST(EqualizerPictures, FollowFamilyAndModel) {
    const EqualizerPicture a2 = {3, 4, 4, 3, 2, 1, 3, 6, 5, 4};
    const EqualizerPicture b2 = {4, 3, 2, 2, 1, 1, 2, 3, 5, 5};
    const EqualizerPicture flat = {};
    EXPECT_EQ(HeadphonePicture(kOlder, 200, 2), a2);
    EXPECT_EQ(HeadphonePicture(kOlder, 400, 2), b2);
    EXPECT_EQ(HeadphonePicture(kNewer, 200, 2), b2);  // "Pro" only in the older family
    EXPECT_EQ(HeadphonePicture(kOlder, 200, 0), flat);
    EXPECT_EQ(HeadphonePicture(kOlder, 200, 6), (EqualizerPicture{5, 5, 3, 1, 3, 3, 1, 5, 2, 2}));
    EXPECT_EQ(HeadphonePicture(kNewer, 100, 6), (EqualizerPicture{1, 2, 4, 5, 5, 5, 5, 4, 2, 1}));

    EXPECT_EQ(MicPicture(kOlder, 200, 1), (EqualizerPicture{1, 2, 4, 5, 5, 5, 5, 5, 3, 2}));
    EXPECT_EQ(MicPicture(kNewer, 200, 1), (EqualizerPicture{4, 4, 4, 4, 4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(MicPicture(kNewer, 0, 3), (EqualizerPicture{0, 1, 3, 4, 5, 5, 5, 4, 2, 1}));
    EXPECT_EQ(MicPicture(kNewer, 0, 0), flat);
}

TEST(EqualizerPictures, NoneOutsideTheLists) {
    for (int index : {-1, 7, 10, 255}) {
        EXPECT_EQ(HeadphonePicture(kOlder, 200, index), std::nullopt) << index;
    }
    for (int index : {-1, 4, 7}) {
        EXPECT_EQ(MicPicture(kOlder, 200, index), std::nullopt) << index;
    }
}

TEST(PresetToSelect, StoredWhenInTheListElseTheModelsDefault) {
    EXPECT_EQ(PresetToSelect(5, kHeadphonePresetCount, kNewer, 400), 5);
    EXPECT_EQ(PresetToSelect(-1, kHeadphonePresetCount, kOlder, 200), 2);
    EXPECT_EQ(PresetToSelect(-1, kHeadphonePresetCount, kOlder, 100), 0);
    EXPECT_EQ(PresetToSelect(-1, kMicPresetCount, kNewer, 200), 0);
    EXPECT_EQ(PresetToSelect(7, kHeadphonePresetCount, kOlder, 200), 2);
    EXPECT_EQ(PresetToSelect(9, kHeadphonePresetCount, kOlder, 300), 0);
    EXPECT_EQ(PresetToSelect(4, kMicPresetCount, kNewer, 300), 0);
    EXPECT_EQ(PresetToSelect(3, kMicPresetCount, kNewer, 300), 3);
}

TEST(ModelNames, KnownModelsOnly) {
    EXPECT_EQ(ModelNameId(100), 1002u);
    EXPECT_EQ(ModelNameId(200), 1006u);
    EXPECT_EQ(ModelNameId(300), 1003u);
    EXPECT_EQ(ModelNameId(400), 1004u);
    EXPECT_EQ(ModelNameId(500), 1005u);
    for (int model : {0, 150, 600, -100}) {
        EXPECT_EQ(ModelNameId(model), 0u) << model;
    }
}

TEST(HelpTopics, OnePerTab) {
    EXPECT_EQ(HelpTopic(1), "::/Headphone Settings.htm");
    EXPECT_EQ(HelpTopic(4), "::/Talk Settings.htm");
    EXPECT_EQ(HelpTopic(0), "");
    EXPECT_EQ(HelpTopic(5), "");
}

TEST(MakerPages, HomeForTheProModelOnly) {
    EXPECT_EQ(MakerPage(kOlder, 200), "https://www.quorvel.com/");
    EXPECT_NE(MakerPage(kNewer, 200), MakerPage(kOlder, 200));
    EXPECT_EQ(MakerPage(kOlder, 100), MakerPage(kNewer, 200));
}

TEST(MultimediaSettings, ArgumentByWindowsVersion) {
    EXPECT_EQ(MultimediaSettingsArgument({4, 10, " A "}), "\\mmsys.cpl,@0,0");
    EXPECT_EQ(MultimediaSettingsArgument({4, 10, ""}), "");  // first edition of 98
    EXPECT_EQ(MultimediaSettingsArgument({4, 10, "A"}), "");
    EXPECT_EQ(MultimediaSettingsArgument({4, 90, ""}), "\\mmsys.cpl,@0,1");
    EXPECT_EQ(MultimediaSettingsArgument({5, 0, "Service Pack 4"}), "\\mmsys.cpl,@0,1");
    EXPECT_EQ(MultimediaSettingsArgument({5, 1, "Service Pack 3"}), "\\mmsys.cpl,@0,2");
    EXPECT_EQ(MultimediaSettingsArgument({5, 2, ""}), "\\mmsys.cpl,@0,2");
    EXPECT_EQ(MultimediaSettingsArgument({6, 1, ""}), "");
    EXPECT_EQ(MultimediaSettingsArgument({10, 0, ""}), "");
    EXPECT_TRUE(IsWindows98SecondEdition({4, 10, " A "}));
    EXPECT_FALSE(IsWindows98SecondEdition({4, 90, " A "}));
}

}  // namespace
