// A desktop for tests: it records what the control center asks of it and
// answers as the test scripts.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "desktop.h"
#include "message_dialog.h"

namespace testing_support {

class RecordingDesktop : public tavimo::Desktop {
public:
    struct Dialog {
        UINT templateId;
        UINT titleId;
        UINT textId;
        bool operator==(const Dialog&) const = default;
    };

    INT_PTR Execute(HWND, const char* verb, const char* file, const char* parameters, const char*,
                    int show) override {
        executed.push_back(std::string(verb ? verb : "") + "|" + file + "|" +
                           (parameters ? parameters : "") + "|" + std::to_string(show));
        const auto answer = startable.find(file);
        return answer == startable.end() ? SE_ERR_FNF : answer->second;
    }
    UINT RunCommandLine(const char* commandLine, UINT) override {
        commandLines.push_back(commandLine);
        return 33;
    }
    HWND FindTopWindow(const char*, const char* title) override {
        searchedTitles.push_back(title);
        return existingWindow;
    }
    void BringForward(HWND window) override { broughtForward.push_back(window); }
    INT_PTR RunModal(framework::CDialog& dialog, HWND) override {
        const auto* message = dynamic_cast<tavimo::MessageDialog*>(&dialog);
        dialogs.push_back({dialog.TemplateId(), message ? message->TitleId() : 0,
                           message ? message->TextId() : 0});
        return dialogAnswer;
    }
    void ShowHelp(HWND, const std::string& target) override { helpShown.push_back(target); }

    // Script: files that start (with ShellExecute's result), the window
    // FindTopWindow finds, the button that ends every dialog.
    std::map<std::string, INT_PTR> startable;
    HWND existingWindow = nullptr;
    INT_PTR dialogAnswer = IDCANCEL;

    // Record: "verb|file|parameters|show" per ShellExecute.
    std::vector<std::string> executed;
    std::vector<std::string> commandLines;
    std::vector<std::string> searchedTitles;
    std::vector<HWND> broughtForward;
    std::vector<Dialog> dialogs;
    std::vector<std::string> helpShown;
};

// Records like RecordingDesktop, but shows each dialog for real through the
// system desktop, for the test to answer as a user would.
class ShowingDesktop : public RecordingDesktop {
public:
    INT_PTR RunModal(framework::CDialog& dialog, HWND owner) override {
        RecordingDesktop::RunModal(dialog, owner);
        return tavimo::SystemDesktop().RunModal(dialog, owner);
    }
};

}  // namespace testing_support
