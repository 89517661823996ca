// The tray agent's settings as it reads them from the product key: only
// read, whatever is stored there.
#include "registry_mgr.h"

#include <gtest/gtest.h>

#include <string>

#include "scratch_registry.h"
#include "test_registry.h"

namespace {

constexpr char kKey[] = "Software\\Quorvel\\Tavimo\\";

class RegistryMgrTest : public ::testing::Test {
protected:
    void Set(const char* section, const char* name, const std::string& text) {
        hklm_.SetString(std::string(kKey) + section, name, text);
    }
    tray::AgentSettings Read() {
        tray::CRegistryMgr registry;
        registry.ReadSettings();
        registry.InstallationDirectory();
        return registry.Settings();
    }

    testing_support::ScratchRegistry hklm_{HKEY_LOCAL_MACHINE};
};

TEST_F(RegistryMgrTest, AnEmptyRegistryGivesTheDefaultsAndStaysEmpty) {
    const auto before = testing_support::SnapshotTree(HKEY_LOCAL_MACHINE);
    const tray::AgentSettings settings = Read();
    EXPECT_EQ(settings.language, "English");
    EXPECT_EQ(settings.directory, "c:\\Program Files\\Tavimo\\");
    EXPECT_EQ(settings.micPreset, 1);
    EXPECT_EQ(settings.headsetPreset, 1);
    EXPECT_EQ(testing_support::SnapshotTree(HKEY_LOCAL_MACHINE), before);
    EXPECT_TRUE(testing_support::SnapshotTree(HKEY_LOCAL_MACHINE, "Software").empty());
}

TEST_F(RegistryMgrTest, KeysWithoutValuesStayAsTheyAre) {
    hklm_.CreateKey(std::string(kKey) + "Language");
    const auto before = testing_support::SnapshotTree(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(Read().language, "English");
    EXPECT_EQ(testing_support::SnapshotTree(HKEY_LOCAL_MACHINE), before);
}

TEST_F(RegistryMgrTest, StoredTextsAndTheirRules) {
    struct Case {
        const char* mic;  // section names as the peers spell them
        const char* headset;
        const char *language, *directory, *micValue, *headsetValue;
        const char *expectedLanguage, *expectedDirectory;
        int expectedMic, expectedHeadset;
    };
    const Case cases[] = {
        {"MicEQ", "HeadsetEQ", "German", "D:\\Audio", "3", "6", "German", "D:\\Audio\\", 3, 6},
        {"MicEq", "HeadsetEq", "german", "", "4", "x", "English", "\\", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        Set("Language", "Value", c.language);
        Set("Directory", "Path", c.directory);
        Set(c.mic, "Value", c.micValue);
        Set(c.headset, "Value", c.headsetValue);
        const tray::AgentSettings settings = Read();
        EXPECT_EQ(settings.language, c.expectedLanguage);
        EXPECT_EQ(settings.directory, c.expectedDirectory);
        EXPECT_EQ(settings.micPreset, c.expectedMic);
        EXPECT_EQ(settings.headsetPreset, c.expectedHeadset);
    }
}

TEST_F(RegistryMgrTest, ValuesOfAnyTypeAndSizeAreReadAsBoundedText) {
    const DWORD two = 2;
    hklm_.Set(std::string(kKey) + "MicEq", "Value", REG_DWORD, &two, sizeof two);
    const std::string huge(100000, 'a');
    hklm_.Set(std::string(kKey) + "Directory", "Path", REG_BINARY, huge.data(),
              static_cast<DWORD>(huge.size()));
    const char unterminated[] = {'2'};
    hklm_.Set(std::string(kKey) + "HeadsetEq", "Value", REG_SZ, unterminated, 1);
    const tray::AgentSettings settings = Read();
    EXPECT_EQ(settings.micPreset, 0);  // the bytes 02 00 00 00 are no digit
    EXPECT_EQ(settings.directory, "c:\\Program Files\\Tavimo\\");
    EXPECT_EQ(settings.headsetPreset, 2);
}

}  // namespace
