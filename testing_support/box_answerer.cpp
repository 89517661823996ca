#include "box_answerer.h"

#include "test_window.h"

namespace testing_support {
namespace {

constexpr DWORD kSafetyLimitMs = 20000;
constexpr int kMessageBoxText = 0xFFFF;

BoxAnswerer* active = nullptr;

std::string TextOf(HWND window) {
    char text[1024] = {};
    if (window != nullptr) {
        GetWindowTextA(window, text, sizeof text);
    }
    return text;
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK NoteBox(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<Search*>(search);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == wanted.processId && std::string(className) == "#32770" &&
        IsWindowVisible(window)) {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

BoxAnswerer::BoxAnswerer(DWORD processId)
    : processId_(processId), timer_(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer)) {
    active = this;
}

BoxAnswerer::~BoxAnswerer() {
    KillTimer(nullptr, timer_);
    active = nullptr;
}

void CALLBACK BoxAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (active == nullptr) {
        return;
    }
    Search search = {active->processId_, nullptr};
    EnumWindows(NoteBox, reinterpret_cast<LPARAM>(&search));
    // A box already answered may still be closing.
    if (search.found != nullptr && search.found != active->last_) {
        active->last_ = search.found;
        active->seen_.push_back(
            {TextOf(search.found), TextOf(GetDlgItem(search.found, kMessageBoxText))});
        PostMessageA(search.found, WM_COMMAND, IDOK, 0);
    }
}

bool WaitPumping(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > kSafetyLimitMs) {
            return done();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

}  // namespace testing_support
