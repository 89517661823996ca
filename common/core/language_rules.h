// The rules of the suite's languages that need no Windows: which language a
// stored name chooses, which library serves it, and where its library and
// help files lie. Paths are built with bounds: one that would not fit a
// Windows path is not built at all, never cut.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavimo {

// Windows primary language identifiers of the languages served.
inline constexpr unsigned kEnglish = 9;
inline constexpr unsigned kGerman = 7;
inline constexpr unsigned kSpanish = 10;
inline constexpr unsigned kFrench = 12;
inline constexpr unsigned kItalian = 16;
inline constexpr unsigned kDutch = 19;

// Longest path, terminating zero included.
inline constexpr std::size_t kMaxPathBytes = 260;

// The names a language is stored by, English first.
std::span<const std::string_view> LanguageNames();
// The position of a stored name among them; nothing for any other text.
std::optional<std::size_t> LanguageNameIndex(std::string_view name);

// The language a stored name chooses: "Dutch", "French", "German",
// "Italian" or "Spanish" exactly (case counts); English for any other text.
unsigned LanguageIdOf(std::string_view name);

// The name a language is stored by; "English" for any id without one.
std::string_view LanguageNameOf(unsigned languageId);

// The file name of the library serving a language; English's for any id
// without one.
const char* LanguageLibraryName(unsigned languageId);

// The library's path: the installation directory, a backslash when the
// directory is not empty, and the file name. With no directory the program's
// own folder (ending in a backslash) stands for it, so that the library is
// never looked for along the search path; with neither, nothing.
std::optional<std::string> LanguageLibraryPath(std::string_view directory,
                                               std::string_view programFolder, unsigned languageId);

// The help file of a headset in a language: the installation directory's
// Help folder, then "\tavi1" (older family, model 200), "\tavi" (older
// family) or "\tavi2" (any other headset), the language's stored name and
// ".chm". Without a stored name, only the folder.
std::optional<std::string> HelpFilePath(std::string_view directory, unsigned productId, int model,
                                        const std::optional<std::string>& languageName);

// What HTML Help is asked to show: the file, then the topic in its "::/"
// form (may be empty).
std::optional<std::string> HelpTarget(std::string_view file, std::string_view topic);

}  // namespace tavimo
