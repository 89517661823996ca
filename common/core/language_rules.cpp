#include "language_rules.h"

#include <array>
#include <initializer_list>

#include "headset_ids.h"

namespace tavimo {
namespace {

struct Language {
    std::string_view name;
    unsigned id;
    const char* library;
};

constexpr std::array<Language, 6> kLanguages = {{
    {"English", kEnglish, "TAVI_EN.DLL"},
    {"Dutch", kDutch, "TAVI_NL.DLL"},
    {"French", kFrench, "TAVI_FR.DLL"},
    {"German", kGerman, "TAVI_DE.DLL"},
    {"Italian", kItalian, "TAVI_IT.DLL"},
    {"Spanish", kSpanish, "TAVI_ES.DLL"},
}};

// The parts joined, or nothing when the path and its terminator would not
// fit a Windows path.
std::optional<std::string> Joined(std::initializer_list<std::string_view> parts) {
    std::size_t length = 0;
    for (std::string_view part : parts) {
        length += part.size();
    }
    if (length >= kMaxPathBytes) {
        return std::nullopt;
    }
    std::string path;
    path.reserve(length);
    for (std::string_view part : parts) {
        path += part;
    }
    return path;
}

constexpr std::array<std::string_view, kLanguages.size()> kNames = [] {
    std::array<std::string_view, kLanguages.size()> names;
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        names[i] = kLanguages[i].name;
    }
    return names;
}();

}  // namespace

std::span<const std::string_view> LanguageNames() {
    return kNames;
}

std::optional<std::size_t> LanguageNameIndex(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) {
            return i;
        }
    }
    return std::nullopt;
}

unsigned LanguageIdOf(std::string_view name) {
    for (const Language& language : kLanguages) {
        if (language.name == name) {
            return language.id;
        }
    }
    return kEnglish;
}

namespace {

// The language of an id; English for any id without one.
const Language& LanguageOf(unsigned languageId) {
    for (const Language& language : kLanguages) {
        if (language.id == languageId) {
            return language;
        }
    }
    return kLanguages.front();
}

}  // namespace

std::string_view LanguageNameOf(unsigned languageId) {
    return LanguageOf(languageId).name;
}

const char* LanguageLibraryName(unsigned languageId) {
    return LanguageOf(languageId).library;
}

std::optional<std::string> LanguageLibraryPath(std::string_view directory,
                                               std::string_view programFolder,
                                               unsigned languageId) {
    const std::string_view library = LanguageLibraryName(languageId);
    if (directory.empty()) {
        if (programFolder.empty()) {
            return std::nullopt;
        }
        return Joined({programFolder, library});
    }
    return Joined({directory, "\\", library});
}

std::optional<std::string> HelpFilePath(std::string_view directory, unsigned productId, int model,
                                        const std::optional<std::string>& languageName) {
    if (!languageName) {
        return Joined({directory, "Help\\"});
    }
    std::string_view file = "\\tavi2";
    if (productId == kOlderProductId) {
        file = model == kProModel ? "\\tavi1" : "\\tavi";
    }
    return Joined({directory, "Help\\", file, *languageName, ".chm"});
}

std::optional<std::string> HelpTarget(std::string_view file, std::string_view topic) {
    return Joined({file, topic});
}

}  // namespace tavimo
