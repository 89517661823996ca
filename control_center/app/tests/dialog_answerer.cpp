#include "dialog_answerer.h"

#include "message_dialog.h"

namespace frame_tests {
namespace {

DialogAnswerer* active = nullptr;

BOOL CALLBACK NoteShownDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The first visible dialog of this thread.
HWND ShownDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), NoteShownDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string TextOf(HWND window) {
    char text[2048] = {};
    if (window != nullptr) {
        GetWindowTextA(window, text, sizeof text);
    }
    return text;
}

}  // namespace

DialogAnswerer::DialogAnswerer(int button, bool tickCheckBox)
    : button_(button),
      tick_(tickCheckBox),
      timer_(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer)) {
    active = this;
}

DialogAnswerer::~DialogAnswerer() {
    KillTimer(nullptr, timer_);
    active = nullptr;
}

void CALLBACK DialogAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (active == nullptr || active->seen_) {
        return;
    }
    if (const HWND dialog = ShownDialog()) {
        active->Answer(dialog);
    }
}

void DialogAnswerer::Answer(HWND dialog) {
    seen_ = Seen{TextOf(dialog), TextOf(GetDlgItem(dialog, tavimo::kDialogText)),
                 TextOf(GetDlgItem(dialog, tavimo::kDoNotShowAgain))};
    if (tick_) {
        SendDlgItemMessageA(dialog, tavimo::kDoNotShowAgain, BM_CLICK, 0, 0);
    }
    if (whileShown) {
        whileShown();
    }
    SendDlgItemMessageA(dialog, button_, BM_CLICK, 0, 0);
}

}  // namespace frame_tests
