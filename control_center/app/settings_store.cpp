#include "settings_store.h"

#include <windows.h>

#include <string_view>

#include "product_key.h"
#include "registry_value.h"
#include "settings_values.h"
#include "unique_handle.h"

namespace tavimo {
namespace {

constexpr char kHeadsetEq[] = "HeadsetEQ";
constexpr char kMicEq[] = "MicEQ";
constexpr char kUiSettings[] = "UIsettings";
constexpr char kSpeakerSelWarn[] = "SpeakerSelWarn";
constexpr char kValue[] = "Value";
constexpr std::size_t kDigitBytes = 2;

std::string KeyPath(const char* section) {
    return std::string(kProductKey) + section;
}

UniqueKey OpenSection(const char* section, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyPath(section).c_str(), 0, access, &key) !=
        ERROR_SUCCESS) {
        return UniqueKey();
    }
    return UniqueKey(key);
}

std::optional<RegistryValue> QueryValue(const char* section, const char* name,
                                        std::size_t capacity) {
    return ReadRegistryValue(HKEY_LOCAL_MACHINE, KeyPath(section), name, capacity);
}

int ReadDigit(const SettingsStore& store, const char* section) {
    // Room for a longer text than one digit: "7x" still counts as 7.
    return DigitSetting(store.ReadString(section, kValue, kPathBytes));
}

bool StoreDigit(const SettingsStore& store, const char* section, int digit) {
    if (digit < 0 || digit > 9) {
        return false;
    }
    return store.WriteString(section, kValue, std::string(1, static_cast<char>('0' + digit)));
}

}  // namespace

std::optional<std::string> SettingsStore::ReadString(const char* section, const char* name,
                                                     std::size_t capacity) const {
    return ReadRegistryString(HKEY_LOCAL_MACHINE, KeyPath(section), name, capacity);
}

bool SettingsStore::WriteString(const char* section, const char* name,
                                const std::string& text) const {
    const UniqueKey key = OpenSection(section, KEY_SET_VALUE);
    return key &&
           RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

int SettingsStore::HeadsetPreset() const {
    return ReadDigit(*this, kHeadsetEq);
}
int SettingsStore::MicPreset() const {
    return ReadDigit(*this, kMicEq);
}
bool SettingsStore::StoreHeadsetPreset(int index) const {
    return StoreDigit(*this, kHeadsetEq, index);
}
bool SettingsStore::StoreMicPreset(int index) const {
    return StoreDigit(*this, kMicEq, index);
}

bool SettingsStore::SpeakerSelectionWarning() const {
    const std::optional<RegistryValue> value =
        QueryValue(kUiSettings, kSpeakerSelWarn, sizeof(DWORD));
    const std::optional<std::uint32_t> flag =
        value ? DwordSetting(value->type, value->bytes) : std::nullopt;
    return !flag || *flag != 0;
}

bool SettingsStore::StoreSpeakerSelectionWarning(bool show) const {
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, KeyPath(kUiSettings).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const UniqueKey key(opened);
    const DWORD value = show ? 1 : 0;
    return RegSetValueExA(key.get(), kSpeakerSelWarn, 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

std::string SettingsStore::InstallDirectory() const {
    return ReadString("Directory", "Path", kPathBytes).value_or(std::string());
}

std::string SettingsStore::LanguageName() const {
    return ReadString("Language", kValue, kLanguageBytes).value_or(std::string());
}

}  // namespace tavimo
