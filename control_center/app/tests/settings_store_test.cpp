// The settings store against the registry, with HKEY_LOCAL_MACHINE redirected
// to a scratch key that each test fills itself.
#include "settings_store.h"

#include <gtest/gtest.h>

#include <string>

#include "scratch_registry.h"

namespace {

using tavimo::SettingsStore;
using testing_support::ScratchRegistry;

const std::string kProduct = "Software\\Quorvel\\Tavimo\\";

class SettingsStoreTest : public ::testing::Test {
protected:
    // The raw bytes and type of a value below the product key.
    std::string Raw(const std::string& section, const char* name, DWORD* type = nullptr) const {
        char data[512];
        DWORD size = sizeof data;
        DWORD found = 0;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, (kProduct + section).c_str(), name,
                         RRF_RT_ANY | RRF_NOEXPAND, &found, data, &size) != ERROR_SUCCESS) {
            return "<missing>";
        }
        if (type != nullptr) {
            *type = found;
        }
        return std::string(data, size);
    }

    ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    SettingsStore store;
};

TEST_F(SettingsStoreTest, DigitsCountByTheirFirstByte) {
    EXPECT_EQ(store.HeadsetPreset(), -1);  // no key at all
    machine.SetString(kProduct + "HeadsetEQ", "Value", "7x");
    machine.SetString(kProduct + "MicEQ", "Value", "x");
    EXPECT_EQ(store.HeadsetPreset(), 7);
    EXPECT_EQ(store.MicPreset(), -1);
    machine.SetString(kProduct + "MicEQ", "Value", "");
    EXPECT_EQ(store.MicPreset(), -1);
    const DWORD three = 3;
    machine.Set(kProduct + "MicEQ", "Value", REG_DWORD, &three, sizeof three);
    EXPECT_EQ(store.MicPreset(), -1);
    machine.Set(kProduct + "MicEQ", "Value", REG_SZ, "2", 1);  // unterminated
    EXPECT_EQ(store.MicPreset(), 2);
}

TEST_F(SettingsStoreTest, PresetWritesStoreADigitAndItsZeroIntoExistingKeysOnly) {
    EXPECT_FALSE(store.StoreHeadsetPreset(3));
    EXPECT_EQ(Raw("HeadsetEQ", "Value"), "<missing>");

    machine.CreateKey(kProduct + "HeadsetEQ");
    EXPECT_TRUE(store.StoreHeadsetPreset(3));
    DWORD type = 0;
    EXPECT_EQ(Raw("HeadsetEQ", "Value", &type), std::string("3\0", 2));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(store.HeadsetPreset(), 3);

    EXPECT_FALSE(store.StoreHeadsetPreset(-1));
    EXPECT_FALSE(store.StoreHeadsetPreset(10));
    EXPECT_EQ(store.HeadsetPreset(), 3);
}

TEST_F(SettingsStoreTest, TextsThatDoNotFitCountAsMissing) {
    const std::string fits(259, 'p');
    machine.SetString(kProduct + "Directory", "Path", fits);
    EXPECT_EQ(store.InstallDirectory(), fits);
    machine.SetString(kProduct + "Directory", "Path", fits + "q");
    EXPECT_EQ(store.InstallDirectory(), "");
    // 260 bytes with no terminator leave no room for one.
    machine.Set(kProduct + "Directory", "Path", REG_SZ, std::string(260, 'p').data(), 260);
    EXPECT_EQ(store.InstallDirectory(), "");

    machine.SetString(kProduct + "Language", "Value", std::string(79, 'L'));
    EXPECT_EQ(store.LanguageName(), std::string(79, 'L'));
    machine.SetString(kProduct + "Language", "Value", std::string(80, 'L'));
    EXPECT_EQ(store.LanguageName(), "");
    machine.Set(kProduct + "Language", "Value", REG_BINARY, "German", 6);
    EXPECT_EQ(store.LanguageName(), "");
}

TEST_F(SettingsStoreTest, StringsReadBackAsWritten) {
    EXPECT_FALSE(store.WriteString("Audio", "MP3Player0", "player.exe"));
    machine.CreateKey(kProduct + "Audio");
    EXPECT_TRUE(store.WriteString("Audio", "MP3Player0", "C:\\Players\\player.exe"));
    EXPECT_EQ(Raw("Audio", "MP3Player0"), std::string("C:\\Players\\player.exe\0", 22));
    EXPECT_EQ(store.ReadString("Audio", "MP3Player0", 260), "C:\\Players\\player.exe");
    EXPECT_EQ(store.ReadString("Audio", "MP3Player0", 21), std::nullopt);
    EXPECT_EQ(store.ReadString("Audio", "CDPlayer0", 260), std::nullopt);
}

TEST_F(SettingsStoreTest, SpeakerWarningIsShownUnlessADoubleWordSaysNo) {
    EXPECT_TRUE(store.SpeakerSelectionWarning());
    const DWORD zero = 0;
    machine.Set(kProduct + "UIsettings", "SpeakerSelWarn", REG_BINARY, &zero, sizeof zero);
    EXPECT_TRUE(store.SpeakerSelectionWarning());
    machine.Set(kProduct + "UIsettings", "SpeakerSelWarn", REG_DWORD, &zero, 2);
    EXPECT_TRUE(store.SpeakerSelectionWarning());
    machine.Set(kProduct + "UIsettings", "SpeakerSelWarn", REG_DWORD, &zero, sizeof zero);
    EXPECT_FALSE(store.SpeakerSelectionWarning());
}

TEST_F(SettingsStoreTest, DialogOkRecreatesTheWarningKey) {
    machine.CreateKey(kProduct + "UIsettings");
    machine.DeleteKey(kProduct + "UIsettings");
    EXPECT_TRUE(store.SpeakerSelectionWarning());
    EXPECT_TRUE(store.StoreSpeakerSelectionWarning(false));
    DWORD type = 0;
    EXPECT_EQ(Raw("UIsettings", "SpeakerSelWarn", &type), std::string(4, '\0'));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_FALSE(store.SpeakerSelectionWarning());
    EXPECT_TRUE(store.StoreSpeakerSelectionWarning(true));
    EXPECT_TRUE(store.SpeakerSelectionWarning());
}

}  // namespace
