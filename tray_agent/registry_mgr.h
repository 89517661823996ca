// CRegistryMgr: the tray agent's settings, read from the product key under
// HKEY_LOCAL_MACHINE. The agent only reads: every key is opened for reading
// alone and none is created, so an account without write access reads the
// same settings, and a missing key stays missing. Whatever cannot be read
// gives its default.
#pragma once

#include <optional>
#include <string>

#include "agent_settings.h"

namespace tray {

class CRegistryMgr {
public:
    // The language and both preset settings.
    void ReadSettings();
    // The language alone.
    void ReadLanguage();
    // The installation directory, ending with a backslash; kept in the
    // settings too.
    std::string InstallationDirectory();

    const AgentSettings& Settings() const { return settings_; }

private:
    AgentSettings settings_;
};

// One value of a section of the product key as text; nothing when it is
// missing or too long for capacity bytes with its terminating zero.
std::optional<std::string> ReadSettingText(const SettingName& setting, std::size_t capacity);

}  // namespace tray
