// The agent's registry texts and its language library.
#include "agent_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "tray_library.h"

using namespace std::string_literals;
using tray::DirectorySetting;
using tray::LanguageSetting;
using tray::PresetSetting;
using tray::SettingText;

TEST(AgentSettings, NoValuesGiveTheDefaults) {
    const tray::AgentSettings defaults;
    EXPECT_EQ(LanguageSetting(std::nullopt), defaults.language);
    EXPECT_EQ(DirectorySetting(std::nullopt), "c:\\Program Files\\Tavimo\\");
    EXPECT_EQ(DirectorySetting(std::nullopt), defaults.directory);
    EXPECT_EQ(PresetSetting(std::nullopt, 4), 1);
    EXPECT_EQ(PresetSetting(std::nullopt, 7), 1);
    EXPECT_EQ(defaults.micPreset, 1);
    EXPECT_EQ(defaults.headsetPreset, 1);
}

TEST(AgentSettings, ValuesAreTextWhateverTheirTypeCutAtTheirFirstZero) {
    EXPECT_EQ(SettingText("German\0junk"s, 80), "German");
    EXPECT_EQ(SettingText("2"s, 80), "2");  // stored without its zero
    EXPECT_EQ(SettingText(""s, 80), "");
    // A number stored as a double word reads as the text of its bytes.
    EXPECT_EQ(SettingText("\x01\0\0\0"s, 80), "\x01");
    EXPECT_EQ(PresetSetting(SettingText("\x01\0\0\0"s, 80), 4), 0);
    // A text that does not fit its setting is no value at all, not cut.
    EXPECT_EQ(SettingText(std::string(79, 'a'), 80), std::string(79, 'a'));
    EXPECT_FALSE(SettingText(std::string(80, 'a'), 80).has_value());
    EXPECT_FALSE(SettingText(std::string(100000, 'a') + '\0', 260).has_value());
}

TEST(AgentSettings, OnlyTheServedLanguagesSpelledExactly) {
    for (const char* name : {"Dutch", "English", "French", "German", "Italian", "Spanish"}) {
        EXPECT_EQ(LanguageSetting(std::string(name)), name);
    }
    for (const char* name : {"german", "GERMAN", "German ", "", "Klingon", "Deutsch"}) {
        EXPECT_EQ(LanguageSetting(std::string(name)), "English") << name;
    }
}

TEST(AgentSettings, TheDirectoryEndsWithOneBackslash) {
    EXPECT_EQ(DirectorySetting("D:\\Tavimo"s), "D:\\Tavimo\\");
    EXPECT_EQ(DirectorySetting("D:\\Tavimo\\"s), "D:\\Tavimo\\");
    EXPECT_EQ(DirectorySetting(""s), "\\");
}

TEST(AgentSettings, APresetIsExactlyOneDigitInItsRange) {
    for (int digit = 0; digit < 4; ++digit) {
        EXPECT_EQ(PresetSetting(std::to_string(digit), 4), digit);
    }
    for (int digit = 0; digit < 7; ++digit) {
        EXPECT_EQ(PresetSetting(std::to_string(digit), 7), digit);
    }
    for (const char* text : {"4", "9", "x", "", "01", "1 ", " 1", "-1", "\xB1", "/"}) {
        EXPECT_EQ(PresetSetting(std::string(text), 4), 0) << text;
    }
    EXPECT_EQ(PresetSetting("7"s, 7), 0);
    EXPECT_EQ(PresetSetting("6"s, 7), 6);
}

TEST(TrayLibrary, EnglishHasNoSuffixTheOthersTheirName) {
    EXPECT_EQ(tray::TrayLibraryName("English"), "TaviTrayRes.dll");
    EXPECT_EQ(tray::TrayLibraryName("German"), "TaviTrayResGerman.dll");
    EXPECT_EQ(tray::TrayLibraryName("Dutch"), "TaviTrayResDutch.dll");
    EXPECT_EQ(tray::TrayLibraryName("german"), "TaviTrayRes.dll");
    EXPECT_EQ(tray::TrayLibraryName("..\\..\\evil"), "TaviTrayRes.dll");
}

TEST(TrayLibrary, ThePathLiesInTheInstallationDirectoryAndFits) {
    EXPECT_EQ(tray::TrayLibraryPath(DirectorySetting(std::nullopt), "French"),
              "c:\\Program Files\\Tavimo\\TaviTrayResFrench.dll");
    const std::string name = "TaviTrayResSpanish.dll";
    const std::string fits(259 - name.size(), 'd');
    EXPECT_EQ(tray::TrayLibraryPath(fits, "Spanish")->size(), 259u);
    EXPECT_FALSE(tray::TrayLibraryPath(fits + "d", "Spanish").has_value());
}
