// Windows and dialogs bound to their objects.
#include <gtest/gtest.h>

#include <vector>

#include "dialog.h"
#include "frame_wnd.h"
#include "resource_source.h"

namespace {

constexpr UINT kTestDialog = 100;
constexpr UINT kOtherButton = 1001;

// Presses a button of itself once it is up, and records what it saw.
class ClickingDialog : public framework::CDialog {
public:
    explicit ClickingDialog(UINT button) : CDialog(kTestDialog), button_(button) {}
    bool initialised = false;
    std::vector<UINT> commands;

protected:
    BOOL OnInitDialog() override {
        initialised = m_hWnd != nullptr && GetDlgItem(m_hWnd, IDOK) != nullptr;
        PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(m_hWnd, static_cast<int>(button_))));
        return TRUE;
    }
    BOOL OnCommand(UINT id, UINT code) override {
        commands.push_back(id);
        if (id == kOtherButton) {
            EndDialog(42);
            return TRUE;
        }
        return CDialog::OnCommand(id, code);
    }

private:
    UINT button_;
};

TEST(Dialog, OkAndCancelEndTheDialogWithTheirIds) {
    ClickingDialog ok(IDOK);
    EXPECT_EQ(ok.DoModal(nullptr), IDOK);
    EXPECT_TRUE(ok.initialised);
    EXPECT_EQ(ok.GetSafeHwnd(), nullptr);
    ClickingDialog cancel(IDCANCEL);
    EXPECT_EQ(cancel.DoModal(nullptr), IDCANCEL);
}

TEST(Dialog, DerivedHandlersSeeTheirCommands) {
    ClickingDialog other(kOtherButton);
    EXPECT_EQ(other.DoModal(nullptr), 42);
    EXPECT_EQ(other.commands, std::vector<UINT>{kOtherButton});
}

TEST(Dialog, MissingTemplateFails) {
    class Missing : public framework::CDialog {
    public:
        Missing() : CDialog(9999) {}
    } missing;
    EXPECT_EQ(missing.DoModal(nullptr), -1);
}

TEST(Dialog, TemplatesComeFromTheResourceSource) {
    // A module without the template: the dialog cannot be made from it.
    framework::SetResourceSource(GetModuleHandleA("kernel32.dll"));
    ClickingDialog elsewhere(IDOK);
    EXPECT_EQ(elsewhere.DoModal(nullptr), -1);
    framework::SetResourceSource(nullptr);
    EXPECT_EQ(framework::ResourceSource(), GetModuleHandleA(nullptr));
    ClickingDialog own(IDOK);
    EXPECT_EQ(own.DoModal(nullptr), IDOK);
}

// Counts what its window procedure receives.
class CountingFrame : public framework::CFrameWnd {
public:
    int creates = 0;
    int destroys = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        creates += message == WM_CREATE;
        destroys += message == WM_NCDESTROY;
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(FrameWnd, IsBoundFromCreationToItsLastMessage) {
    CountingFrame frame;
    ASSERT_TRUE(frame.LoadFrame(1, WS_POPUP));
    EXPECT_EQ(frame.creates, 1);
    EXPECT_NE(frame.GetSafeHwnd(), nullptr);
    HWND window = frame.GetSafeHwnd();
    EXPECT_TRUE(frame.DestroyWindow());
    EXPECT_EQ(frame.destroys, 1);
    EXPECT_EQ(frame.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(IsWindow(window));
    // Not the program's main window: destroying it does not end the program.
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

}  // namespace
