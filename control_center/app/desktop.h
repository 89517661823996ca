// What the control center asks of the desktop: starting programs, documents
// and addresses, finding and raising other programs' windows, and running
// modal dialogs. The program uses the system desktop, which forwards each
// call unchanged; tests record the calls and script the answers.
#pragma once

#include <windows.h>

#include <string>

#include "dialog.h"

namespace tavimo {

class Desktop {
public:
    virtual ~Desktop() = default;
    // ShellExecuteA; its result as a number, greater than 32 when started.
    virtual INT_PTR Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int show) = 0;
    // WinExec.
    virtual UINT RunCommandLine(const char* commandLine, UINT show) = 0;
    // FindWindowA.
    virtual HWND FindTopWindow(const char* className, const char* title) = 0;
    // Restores a window and brings it to the top and to the foreground.
    virtual void BringForward(HWND window) = 0;
    // Runs a dialog modally; its result.
    virtual INT_PTR RunModal(framework::CDialog& dialog, HWND owner) = 0;
    // Shows a help file at a topic ("file::/topic") through HTML Help.
    virtual void ShowHelp(HWND owner, const std::string& target) = 0;
};

// The real calls.
Desktop& SystemDesktop();

}  // namespace tavimo
