// The tray agent's language library, which holds every resource it shows:
// "TaviTrayRes.dll" for English, "TaviTrayRes<Language>.dll" for the others.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tray {

// The library of a language as LanguageSetting gives it; English's for any
// name the suite does not serve.
std::string TrayLibraryName(std::string_view language);

// The library in the installation directory (a plain prefix, ending with a
// backslash); nothing when the path would not fit a Windows path.
std::optional<std::string> TrayLibraryPath(std::string_view directory, std::string_view language);

}  // namespace tray
