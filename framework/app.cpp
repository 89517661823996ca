#include "app.h"

namespace framework {

CWinApp* CWinApp::current_ = nullptr;

CWinApp::CWinApp() {
    current_ = this;
}

CWinApp::~CWinApp() {
    current_ = nullptr;
}

void CWinApp::OnMainWindowGone() {
    mainWindowGone_ = true;
    PostQuitMessage(0);
}

void CWinApp::AfterModalLoop() {
    if (current_ != nullptr && current_->mainWindowGone_) {
        PostQuitMessage(0);
    }
}

int CWinApp::Run() {
    if (!InitInstance()) {
        return exitCode_;
    }
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    m_pMainWnd.reset();
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace framework
