#include "registry_mgr.h"

#include <windows.h>

#include "preset_files.h"
#include "product_key.h"
#include "registry_value.h"

namespace tray {
namespace {

// Room for a language name and a preset digit, and for a path.
constexpr std::size_t kTextCapacity = 80;
constexpr std::size_t kPathCapacity = MAX_PATH;

}  // namespace

std::optional<std::string> ReadSettingText(const SettingName& setting, std::size_t capacity) {
    const auto value = tavimo::ReadRegistryValue(HKEY_LOCAL_MACHINE,
                                                 std::string(tavimo::kProductKey) + setting.section,
                                                 setting.value, capacity);
    if (!value) {
        return std::nullopt;
    }
    return SettingText(value->bytes, capacity);
}

void CRegistryMgr::ReadLanguage() {
    settings_.language = LanguageSetting(ReadSettingText(kLanguageSetting, kTextCapacity));
}

void CRegistryMgr::ReadSettings() {
    ReadLanguage();
    settings_.micPreset = PresetSetting(ReadSettingText(kMicPresetSetting, kTextCapacity),
                                        headset::kMicrophonePresets);
    settings_.headsetPreset = PresetSetting(ReadSettingText(kHeadsetPresetSetting, kTextCapacity),
                                            headset::kHeadphonePresets);
}

std::string CRegistryMgr::InstallationDirectory() {
    settings_.directory = DirectorySetting(ReadSettingText(kDirectorySetting, kPathCapacity));
    return settings_.directory;
}

}  // namespace tray
