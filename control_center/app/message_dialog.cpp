#include "message_dialog.h"

#include "language_table.h"

namespace tavimo {
namespace {

// The system icon that tells what kind of message a dialog is.
LPCSTR IconOf(UINT templateId) {
    switch (templateId) {
        case kUnmappedDialog:
            return IDI_QUESTION;
        case kErrorDialog:
            return IDI_EXCLAMATION;
        default:
            return IDI_INFORMATION;
    }
}

}  // namespace

BOOL MessageDialog::OnInitDialog() {
    SetWindowTextA(m_hWnd, Languages().Text(titleId_).c_str());
    SetDlgItemTextA(m_hWnd, kDialogText, Languages().Text(textId_).c_str());
    SendDlgItemMessageA(m_hWnd, kDialogIcon, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconA(nullptr, IconOf(TemplateId()))), 0);
    return TRUE;
}

}  // namespace tavimo
