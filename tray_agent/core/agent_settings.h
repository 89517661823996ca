// What the tray agent makes of its registry values (CRegistryMgr's rules).
// Every value is taken as text whatever its stored type; a missing value,
// or one too long for its setting, gives the default.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tray {

inline constexpr char kDefaultLanguage[] = "English";
inline constexpr char kDefaultDirectory[] = "c:\\Program Files\\Tavimo";
inline constexpr int kDefaultPreset = 1;

// Where each value lies: the section key below the product key, and the
// value's name.
struct SettingName {
    const char* section;
    const char* value;
};
inline constexpr SettingName kLanguageSetting = {"Language", "Value"};
inline constexpr SettingName kDirectorySetting = {"Directory", "Path"};
inline constexpr SettingName kMicPresetSetting = {"MicEq", "Value"};
inline constexpr SettingName kHeadsetPresetSetting = {"HeadsetEq", "Value"};

// The value's text: its bytes before the first zero, all of them when there
// is none; nothing when the text and its zero need more than capacity bytes.
std::optional<std::string> SettingText(std::string_view data, std::size_t capacity);

struct AgentSettings {
    std::string language = kDefaultLanguage;
    // Ends with a backslash.
    std::string directory = std::string(kDefaultDirectory) + "\\";
    int micPreset = kDefaultPreset;
    int headsetPreset = kDefaultPreset;
};

// The stored language when it is exactly one the suite serves (case counts),
// else English.
std::string LanguageSetting(const std::optional<std::string>& text);
// The installation directory with a backslash at its end (an empty text
// becomes "\").
std::string DirectorySetting(const std::optional<std::string>& text);
// A preset index: exactly one digit below count gives its value, any other
// text 0, no text the default.
int PresetSetting(const std::optional<std::string>& text, int count);

}  // namespace tray
