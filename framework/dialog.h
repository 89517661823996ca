// A dialog is an object too: CDialog runs a dialog template modally with the
// object bound to the dialog window, and forwards its messages to short
// virtual handlers.
#pragma once

#include <windows.h>

namespace framework {

class CDialog {
public:
    // The template is loaded from resources, or from the framework's
    // resource source when none is given.
    explicit CDialog(UINT templateId, HINSTANCE resources = nullptr)
        : templateId_(templateId), resources_(resources) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until EndDialog; its result, or -1 when the dialog
    // could not be created.
    INT_PTR DoModal(HWND parent);

    HWND GetSafeHwnd() const { return m_hWnd; }
    UINT TemplateId() const { return templateId_; }

protected:
    // After the controls exist. TRUE gives the default control the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A command from a control or menu; the default ends the dialog on OK
    // and Cancel with that id as the result.
    virtual BOOL OnCommand(UINT id, UINT code);
    // Any other message; FALSE leaves it to the dialog manager.
    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    UINT templateId_;
    HINSTANCE resources_;
};

}  // namespace framework
