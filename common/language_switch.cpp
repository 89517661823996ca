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

bool StoreLanguage(std::string_view name, LanguageKey which) {
    HKEY opened = nullptr;
    const std::string path = std::string(kProductKey) + "Language";
    const LONG result = which == LanguageKey::kCreate
                            ? RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                                              KEY_SET_VALUE, nullptr, &opened, nullptr)
                            : RegOpenKeyA(HKEY_LOCAL_MACHINE, path.c_str(), &opened);
    if (result != ERROR_SUCCESS) {
        return false;
    }
    const UniqueKey key(opened);
    const std::string text(name);
    return RegSetValueExA(key.get(), "Value", 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

void AnnounceLanguage() {
    if (const HWND controlCenter = FindWindowA(nullptr, kControlCenterTitle)) {
        if (IsIconic(controlCenter)) {
            ShowWindow(controlCenter, SW_RESTORE);
        }
        SetForegroundWindow(controlCenter);
        PostMessageA(controlCenter, kLanguageChangedMessage, 0, 0);
    }
    if (const HWND trayAgent = FindWindowA(nullptr, kTrayAgentTitle)) {
        PostMessageA(trayAgent, kLanguageChangedMessage, 0, 0);
    }
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
