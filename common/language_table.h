// The texts of the suite by string id, in the user's language: the program's
// own English table, or the language library of the stored language, which
// serves each id it knows through its one export "GetString". Also the help
// files of that language and the HTML Help control that shows them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "unique_handle.h"

namespace tavimo {

class LanguageTable {
public:
    // English, then the stored language; the program's own texts come from
    // resources (the module this code is linked into when none is given).
    LanguageTable();
    explicit LanguageTable(HMODULE resources);

    // Reads the stored language and the installation directory again and
    // loads that language's library. 1 when the program's texts are served
    // (by the library, or its own English when the library does not load);
    // 0 when the library loaded but lacked "GetString".
    int Reload();
    // Serves languageId from now on: nothing when it is already served;
    // otherwise its library is loaded, and when that fails (a library
    // without "GetString") the previous language's is loaded again. The
    // result as Reload's for the new language.
    int SwitchTo(unsigned languageId);

    // The text of string id: the library's when it serves the id, else the
    // program's own; empty when neither has it. At most 1023 characters.
    std::string Text(unsigned id) const;

    unsigned LanguageId() const { return languageId_; }
    // The installation directory as read at the last load.
    const std::string& Directory() const { return directory_; }
    // The help file for a headset in the stored language; only the help
    // folder when no language is stored; nothing when the path is too long.
    std::optional<std::string> HelpPath(unsigned productId, int model) const;

private:
    using GetStringEntry = int(__cdecl*)(unsigned id, char* buffer, unsigned size);

    // Loads the current language's library.
    int Load();

    HMODULE resources_;
    unsigned languageId_;
    std::string directory_;
    UniqueModule library_;
    GetStringEntry getString_ = nullptr;
};

// The control center's one table.
LanguageTable& Languages();

// The HTML Help control: the library registered for its class, else
// "hhctrl.ocx", bound by its entry HtmlHelpA (ordinal 14) on the first
// request. When that fails, this and every later request show nothing
// without trying again.
class HelpControl {
public:
    // Shows `target` (a help file with its "::/" topic), owned by window;
    // true when the control was called.
    bool Show(HWND window, const std::string& target);

private:
    using HtmlHelpEntry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

    UniqueModule module_;
    HtmlHelpEntry entry_ = nullptr;
    bool tried_ = false;
};

// Help through the process's one control.
bool ShowHelp(HWND window, const std::string& target);

}  // namespace tavimo
