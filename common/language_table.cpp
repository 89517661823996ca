#include "language_table.h"

#include <utility>

#include "language_rules.h"
#include "language_switch.h"
#include "library_function.h"
#include "outside_library.h"
#include "product_key.h"
#include "registry_value.h"
#include "settings_values.h"

// The module this code is linked into: the program, or the applet's library.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace tavimo {
namespace {

constexpr std::size_t kTextBytes = 1024;
constexpr char kHelpControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpOrdinal = 14;
constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC

HMODULE OwnModule() {
    return reinterpret_cast<HMODULE>(&__ImageBase);
}

std::string InstallDirectory() {
    return ReadRegistryString(HKEY_LOCAL_MACHINE, std::string(kProductKey) + "Directory", "Path",
                              kPathBytes)
        .value_or("");
}

// The folder of module's file, ending in a backslash; empty when unknown.
std::string ModuleFolder(HMODULE module) {
    char path[kMaxPathBytes] = {};
    const DWORD length = GetModuleFileNameA(module, path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return "";
    }
    const std::string program(path, length);
    const std::size_t slash = program.find_last_of('\\');
    return slash == std::string::npos ? "" : program.substr(0, slash + 1);
}

// The HTML Help control as registered, else by its file name.
UniqueModule LoadHelpControl() {
    if (const auto path =
            ReadRegistryString(HKEY_CLASSES_ROOT, kHelpControlKey, nullptr, kPathBytes)) {
        if (UniqueModule control{LoadLibraryA(path->c_str())}) {
            return control;
        }
    }
    return LoadOutsideLibrary("hhctrl.ocx");
}

}  // namespace

LanguageTable::LanguageTable() : LanguageTable(OwnModule()) {}

LanguageTable::LanguageTable(HMODULE resources) : resources_(resources), languageId_(kEnglish) {
    Reload();
}

int LanguageTable::Reload() {
    if (const std::optional<std::string> name = StoredLanguage()) {
        languageId_ = LanguageIdOf(*name);
    }
    return Load();
}

int LanguageTable::SwitchTo(unsigned languageId) {
    if (languageId == languageId_) {
        return 1;
    }
    const unsigned previous = std::exchange(languageId_, languageId);
    if (Load() != 0) {
        return 1;
    }
    languageId_ = previous;
    Load();
    return 0;
}

int LanguageTable::Load() {
    // No entry may outlive the library it points into.
    getString_ = nullptr;
    library_.reset();
    directory_ = InstallDirectory();
    // Without a directory the library lies beside the file that holds the
    // texts (the program, or a library running inside another program).
    const std::optional<std::string> path =
        LanguageLibraryPath(directory_, ModuleFolder(resources_), languageId_);
    if (!path) {
        return 1;
    }
    library_.reset(LoadLibraryA(path->c_str()));
    if (!library_) {
        return 1;
    }
    getString_ = LibraryFunction<GetStringEntry>(library_.get(), "GetString");
    if (getString_ == nullptr) {
        library_.reset();
        return 0;
    }
    return 1;
}

std::string LanguageTable::Text(unsigned id) const {
    char text[kTextBytes] = {};
    if (getString_ != nullptr && getString_(id, text, sizeof text) != 0) {
        text[sizeof text - 1] = '\0';  // whatever the library did
        return text;
    }
    const int length = LoadStringA(resources_, id, text, sizeof text);
    return length > 0 ? std::string(text, static_cast<std::size_t>(length)) : std::string();
}

std::optional<std::string> LanguageTable::HelpPath(unsigned productId, int model) const {
    return HelpFilePath(InstallDirectory(), productId, model, StoredLanguage());
}

LanguageTable& Languages() {
    static LanguageTable table;
    return table;
}

bool HelpControl::Show(HWND window, const std::string& target) {
    if (!tried_) {
        tried_ = true;
        module_ = LoadHelpControl();
        entry_ = LibraryFunction<HtmlHelpEntry>(module_.get(), MAKEINTRESOURCEA(kHtmlHelpOrdinal));
        if (entry_ == nullptr) {
            module_.reset();
        }
    }
    if (entry_ == nullptr) {
        return false;
    }
    entry_(window, target.c_str(), kDisplayTopic, 0);
    return true;
}

bool ShowHelp(HWND window, const std::string& target) {
    static HelpControl control;
    return control.Show(window, target);
}

}  // namespace tavimo
