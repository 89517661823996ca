#include "desktop.h"

#include <shellapi.h>

#include "language_table.h"
#include "library_function.h"
#include "unique_handle.h"

namespace tavimo {
namespace {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// The shell's ShellExecuteA, loaded when a launcher first needs it: the
// control center starts without shell32 and the libraries it brings along.
ShellExecuteFunction ShellExecuteEntry() {
    static const UniqueModule shell(LoadLibraryA("shell32.dll"));
    static const auto entry = LibraryFunction<ShellExecuteFunction>(shell.get(), "ShellExecuteA");
    return entry;
}

class RealDesktop final : public Desktop {
public:
    INT_PTR Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                    const char* directory, int show) override {
        const ShellExecuteFunction execute = ShellExecuteEntry();
        if (execute == nullptr) {
            return SE_ERR_DLLNOTFOUND;
        }
        return reinterpret_cast<INT_PTR>(execute(owner, verb, file, parameters, directory, show));
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
