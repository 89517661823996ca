// The agent's language library: the module every resource it shows comes
// from (frame title, icons, tooltips, menu, about box). It is the
// framework's resource source while it is loaded; a library replaces the
// previous one only once it has loaded, and the last is freed at the end.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "unique_handle.h"

namespace tray {

class LanguageLibrary {
public:
    LanguageLibrary() = default;
    ~LanguageLibrary();
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;

    // "TaviTrayRes.dll" as the system's library search finds it.
    bool LoadDefault();
    // The library of language in the installation directory (ending with a
    // backslash). adopted runs once it is the source, before the previous
    // library is freed (what was taken from that one can be replaced). When
    // it does not load, a message box names it and the current library
    // stays.
    bool LoadChosen(const std::string& directory, const std::string& language,
                    const std::function<void()>& adopted);

    HMODULE Module() const { return module_.get(); }

private:
    bool Adopt(HMODULE module, const std::function<void()>& adopted);

    tavimo::UniqueModule module_;
};

}  // namespace tray
