// What the applet's tests share: a user acting on the dialog of this thread
// while it runs, windows standing in for the programs the applet tells of a
// new language, and an installation folder.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "scratch_directory.h"

namespace applet_tests {

// The product key and its sections in the prefix's own registry, which the
// tests that run control.exe write for it.
inline constexpr char kProductKey[] = "Software\\Quorvel\\Tavimo";
inline constexpr char kDirectoryKey[] = "Software\\Quorvel\\Tavimo\\Directory";
inline constexpr char kLanguageKey[] = "Software\\Quorvel\\Tavimo\\Language";

// Calls act with the first visible dialog of this thread once it shows; act
// ends it (or the runner presses Cancel when act did not). Works from a
// timer, inside the dialog's own message loop.
class DialogUser {
public:
    explicit DialogUser(std::function<void(HWND dialog)> act);
    ~DialogUser();
    DialogUser(const DialogUser&) = delete;
    DialogUser& operator=(const DialogUser&) = delete;

    bool Acted() const { return acted_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    std::function<void(HWND)> act_;
    UINT_PTR timer_;
    bool acted_ = false;
};

// A top-level window with a program's caption that notes the messages it
// receives in the range WM_USER .. WM_APP.
class ProgramWindow {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool operator==(const Received&) const = default;
    };

    explicit ProgramWindow(const char* title);
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    HWND get() const { return window_; }
    // What arrived so far; the pending messages are dispatched first.
    std::vector<Received> Messages() const;

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);

    HWND window_;
    std::vector<Received> received_;
};

// The selected list text of the dialog's language list, and every text in
// list order.
std::string SelectedLanguage(HWND dialog);
std::vector<std::string> ListedLanguages(HWND dialog);
// Selects the list item whose data carries languageId and tells the dialog,
// as a user's pick does; false when no item has it.
bool PickLanguage(HWND dialog, unsigned languageId);

// Copies the built file beside the test into folder under name.
void CopyBeside(const testing_support::ScratchDirectory& folder, const char* built,
                const char* name);

}  // namespace applet_tests
