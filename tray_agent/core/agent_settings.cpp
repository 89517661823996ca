#include "agent_settings.h"

#include <algorithm>

#include "language_rules.h"
#include "settings_values.h"

namespace tray {

std::optional<std::string> SettingText(std::string_view data, std::size_t capacity) {
    return tavimo::StringSetting(tavimo::kRegString, data, capacity);
}

std::string LanguageSetting(const std::optional<std::string>& text) {
    const auto names = tavimo::LanguageNames();
    if (text && std::find(names.begin(), names.end(), *text) != names.end()) {
        return *text;
    }
    return kDefaultLanguage;
}

std::string DirectorySetting(const std::optional<std::string>& text) {
    std::string directory = text.value_or(kDefaultDirectory);
    if (directory.empty() || directory.back() != '\\') {
        directory += '\\';
    }
    return directory;
}

int PresetSetting(const std::optional<std::string>& text, int count) {
    if (!text) {
        return kDefaultPreset;
    }
    if (text->size() == 1 && (*text)[0] >= '0' && (*text)[0] - '0' < count) {
        return (*text)[0] - '0';
    }
    return 0;
}

}  // namespace tray
