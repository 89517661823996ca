#include "tray_library.h"

#include "agent_settings.h"
#include "language_rules.h"

namespace tray {

std::string TrayLibraryName(std::string_view language) {
    const std::string chosen = LanguageSetting(std::string(language));
    const std::string suffix = chosen == kDefaultLanguage ? "" : chosen;
    return "TaviTrayRes" + suffix + ".dll";
}

std::optional<std::string> TrayLibraryPath(std::string_view directory, std::string_view language) {
    std::string path(directory);
    path += TrayLibraryName(language);
    if (path.size() >= tavimo::kMaxPathBytes) {
        return std::nullopt;
    }
    return path;
}

}  // namespace tray
