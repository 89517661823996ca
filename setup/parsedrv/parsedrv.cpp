// PARSEDRV: completes (or, with /remove, takes away) the headset's driver
// installation from the installation directory. It runs the installation
// library of the Windows line it finds itself on, SetupHs9x.dll or
// SetupHsNT.dll beside it, with the "Driver" folder beside it (the driver,
// the codec-access library, the coefficient library and the INF) as the
// current directory, and exits with the library's result: 0 done, 1 done
// once Windows restarts, 2 not done.
#include <windows.h>

#include <string>

#include "language_rules.h"
#include "library_function.h"
#include "parsedrv_rules.h"
#include "product_key.h"
#include "registry_value.h"
#include "unique_handle.h"

namespace {

constexpr int kNotDone = 2;
// The language value holds at most this many bytes.
constexpr std::size_t kLanguageBytes = 80;

using SetupFunction = int(__cdecl*)(int*, const char*, int);

// This program's folder with a trailing backslash; empty when unknown.
std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return {};
    }
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool OnWindows9x() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

const char* RetryTextForSuite() {
    const auto language = tavimo::ReadRegistryString(
        HKEY_LOCAL_MACHINE, std::string(tavimo::kProductKey) + "Language", "Value", kLanguageBytes);
    return setup::RetryText(tavimo::LanguageIdOf(language.value_or("")));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    const std::string folder = ProgramFolder();
    if (folder.empty() || !SetCurrentDirectoryA((folder + "Driver").c_str())) {
        return kNotDone;
    }
    const bool windows9x = OnWindows9x();
    const tavimo::UniqueModule library(
        LoadLibraryA((folder + (windows9x ? "SetupHs9x.dll" : "SetupHsNT.dll")).c_str()));
    const auto setupFunction = tavimo::LibraryFunction<SetupFunction>(
        library.get(), windows9x ? "SetupHs9x" : "SetupHsNT");
    if (setupFunction == nullptr) {
        return kNotDone;
    }
    int detail = 0;
    const bool remove = setup::WantsRemoval(arguments != nullptr ? arguments : "");
    return setupFunction(&detail, RetryTextForSuite(), remove ? 1 : 0);
}
