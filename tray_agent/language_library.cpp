#include "language_library.h"

#include <utility>

#include "resource_source.h"
#include "tray_library.h"

namespace tray {

LanguageLibrary::~LanguageLibrary() {
    if (module_) {
        framework::SetResourceSource(nullptr);
    }
}

bool LanguageLibrary::LoadDefault() {
    return Adopt(LoadLibraryA(TrayLibraryName("English").c_str()), nullptr);
}

bool LanguageLibrary::LoadChosen(const std::string& directory, const std::string& language,
                                 const std::function<void()>& adopted) {
    const auto path = TrayLibraryPath(directory, language);
    if (path && Adopt(LoadLibraryA(path->c_str()), adopted)) {
        return true;
    }
    const std::string named = directory + TrayLibraryName(language);
    MessageBoxA(nullptr, "Loading Language DLL failed!", named.c_str(), MB_OK);
    return false;
}

bool LanguageLibrary::Adopt(HMODULE module, const std::function<void()>& adopted) {
    if (module == nullptr) {
        return false;
    }
    const tavimo::UniqueModule previous(std::exchange(module_, tavimo::UniqueModule(module)));
    framework::SetResourceSource(module);
    if (adopted) {
        adopted();
    }
    return true;
}

}  // namespace tray
