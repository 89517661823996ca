#include "desktop.h"

#include <shellapi.h>

#include "language_table.h"

namespace tavimo {
namespace {

class RealDesktop final : public Desktop {
public:
    INT_PTR Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                    const char* directory, int show) override {
        return reinterpret_cast<INT_PTR>(
            ShellExecuteA(owner, verb, file, parameters, directory, show));
    }
    UINT RunCommandLine(const char* commandLine, UINT show) override {
        return WinExec(commandLine, show);
    }
    HWND FindTopWindow(const char* className, const char* title) override {
        return FindWindowA(className, title);
    }
    void BringForward(HWND window) override {
        ShowWindow(window, SW_RESTORE);
        BringWindowToTop(window);
        SetForegroundWindow(window);
    }
    INT_PTR RunModal(framework::CDialog& dialog, HWND owner) override {
        return dialog.DoModal(owner);
    }
    void ShowHelp(HWND owner, const std::string& target) override {
        tavimo::ShowHelp(owner, target);
    }
};

}  // namespace

Desktop& SystemDesktop() {
    static RealDesktop desktop;
    return desktop;
}

}  // namespace tavimo
