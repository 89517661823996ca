#include "applet_test_support.h"

#include "applet_ids.h"
#include "child_process.h"
#include "test_window.h"

namespace applet_tests {
namespace {

DialogUser* activeUser = nullptr;

constexpr char kProgramClass[] = "TavimoAppletTestProgram";

}  // namespace

DialogUser::DialogUser(std::function<void(HWND)> act)
    : act_(std::move(act)), timer_(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer)) {
    activeUser = this;
}

DialogUser::~DialogUser() {
    KillTimer(nullptr, timer_);
    activeUser = nullptr;
}

void CALLBACK DialogUser::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (activeUser == nullptr || activeUser->acted_) {
        return;
    }
    const HWND dialog = testing_support::ShownDialog();
    if (dialog == nullptr) {
        return;
    }
    activeUser->acted_ = true;
    activeUser->act_(dialog);
    if (IsWindow(dialog) && IsWindowVisible(dialog)) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

ProgramWindow::ProgramWindow(const char* title) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kProgramClass;
    RegisterClassA(&windowClass);  // fails harmlessly once registered
    window_ = CreateWindowExA(0, kProgramClass, title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                              nullptr, GetModuleHandleA(nullptr), this);
}

ProgramWindow::~ProgramWindow() {
    DestroyWindow(window_);
}

std::vector<ProgramWindow::Received> ProgramWindow::Messages() const {
    testing_support::PumpMessages();
    return received_;
}

LRESULT CALLBACK ProgramWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<ProgramWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && message >= WM_USER && message < WM_APP) {
        self->received_.push_back({message, wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::vector<std::string> ListedLanguages(HWND dialog) {
    std::vector<std::string> texts;
    const LRESULT count = SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, CB_GETLBTEXT, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(text));
        texts.emplace_back(text);
    }
    return texts;
}

std::string SelectedLanguage(HWND dialog) {
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? std::string("(none)")
                           : ListedLanguages(dialog).at(static_cast<std::size_t>(index));
}

bool PickLanguage(HWND dialog, unsigned languageId) {
    const HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto data =
            static_cast<DWORD>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
        if ((data >> 16) == languageId) {
            SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            return true;
        }
    }
    return false;
}

void CopyBeside(const testing_support::ScratchDirectory& folder, const char* built,
                const char* name) {
    CopyFileA(testing_support::PathBesideTest(built).c_str(), (folder.Path() + name).c_str(),
              FALSE);
}

}  // namespace applet_tests
