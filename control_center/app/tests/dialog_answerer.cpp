#include "dialog_answerer.h"

#include "message_dialog.h"
#include "test_window.h"

namespace frame_tests {
namespace {

DialogAnswerer* active = nullptr;

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
    if (const HWND dialog = testing_support::ShownDialog()) {
        active->Answer(dialog);
    }
}

void DialogAnswerer::Answer(HWND dialog) {
    seen_ = Seen{testing_support::WindowText(dialog),
                 testing_support::WindowText(GetDlgItem(dialog, tavimo::kDialogText)),
                 testing_support::WindowText(GetDlgItem(dialog, tavimo::kDoNotShowAgain))};
    if (tick_) {
        SendDlgItemMessageA(dialog, tavimo::kDoNotShowAgain, BM_CLICK, 0, 0);
    }
    if (whileShown) {
        whileShown();
    }
    SendDlgItemMessageA(dialog, button_, BM_CLICK, 0, 0);
}

}  // namespace frame_tests
