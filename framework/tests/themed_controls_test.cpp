// The program's second manifest gives the windows made inside a scope, and
// only those, the version 6 controls; this test program carries it as the
// control center does.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "dialog.h"
#include "themed_controls.h"

namespace {

constexpr UINT kTestDialog = 100;

// Only the version 6 button knows its ideal size.
bool IsVersionSix(HWND button) {
    SIZE ideal = {};
    return button != nullptr &&
           SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != FALSE;
}

struct Button {
    Button()
        : window(CreateWindowExA(0, "BUTTON", "Button", WS_POPUP, 0, 0, 60, 20, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr)) {}
    ~Button() { DestroyWindow(window); }
    HWND window;
};

TEST(ThemedControls, OnlyWindowsMadeInsideTheScopeAreVersionSix) {
    const Button before;
    ASSERT_NE(before.window, nullptr);
    EXPECT_FALSE(IsVersionSix(before.window));
    {
        const framework::ThemedControls themed;
        const Button inside;
        EXPECT_TRUE(IsVersionSix(inside.window));
        {
            const framework::ThemedControls nested;
            const Button deeper;
            EXPECT_TRUE(IsVersionSix(deeper.window));
        }
        const Button afterNested;
        EXPECT_TRUE(IsVersionSix(afterNested.window));
    }
    const Button after;
    EXPECT_FALSE(IsVersionSix(after.window));
}

// Reads its OK button's version once it is up, then ends.
class LookingDialog : public framework::CDialog {
public:
    LookingDialog() : CDialog(kTestDialog) {}
    bool okIsVersionSix = false;

protected:
    BOOL OnInitDialog() override {
        okIsVersionSix = IsVersionSix(GetDlgItem(m_hWnd, IDOK));
        PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
};

TEST(ThemedControls, DialogsHaveTheSystemsLook) {
    LookingDialog dialog;
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_TRUE(dialog.okIsVersionSix);
    // The dialog's scope ended with it.
    const Button after;
    EXPECT_FALSE(IsVersionSix(after.window));
}

}  // namespace
