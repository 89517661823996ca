#include "language_switch.h"

#include <windows.h>

#include <string>

#include "product_key.h"
#include "registry_value.h"
#include "settings_values.h"
#include "unique_handle.h"
#include "window_titles.h"

namespace tavimo {

std::optional<std::string> StoredLanguage() {
    return ReadRegistryString(HKEY_LOCAL_MACHINE, std::string(kProductKey) + "Language", "Value",
                              kLanguageBytes);
}

bool StoreLanguage(std::string_view name) {
    HKEY opened = nullptr;
    const std::string path = std::string(kProductKey) + "Language";
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const UniqueKey key(opened);
    const std::string text(name);
    return RegSetValueExA(key.get(), "Value", 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool SwitchLanguage(std::string_view name) {
    if (!StoreLanguage(name)) {
        return false;
    }
    if (const HWND controlCenter = FindWindowA(nullptr, kControlCenterTitle)) {
        PostMessageA(controlCenter, kLanguageChangedMessage, 0, 0);
    }
    return true;
}

}  // namespace tavimo
