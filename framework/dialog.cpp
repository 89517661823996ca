#include "dialog.h"

#include "resource_source.h"
#include "themed_controls.h"

namespace framework {

INT_PTR CDialog::DoModal(HWND parent) {
    // The dialog's controls have the system's look.
    const ThemedControls themed;
    return DialogBoxParamA(resources_ != nullptr ? resources_ : ResourceSource(),
                           MAKEINTRESOURCEA(templateId_), parent, StaticDialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnCommand(UINT id, UINT /*code*/) {
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(static_cast<INT_PTR>(id));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CDialog::DialogProc(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = dialog;
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    }
    if (self == nullptr) {
        return FALSE;
    }
    const INT_PTR result = self->DialogProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->m_hWnd = nullptr;
    }
    return result;
}

}  // namespace framework
