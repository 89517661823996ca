// TAVIMO.EXE started as the user would: one control center per desktop.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "child_process.h"

namespace {

using testing_support::ChildProcess;
using testing_support::PathBesideTest;
using testing_support::RunToExit;

constexpr char kTitle[] = "Tavimo Audio Control Center";

BOOL CALLBACK CollectTitled(HWND window, LPARAM found) {
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(title, kTitle) == 0) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

std::vector<HWND> ControlCenters() {
    std::vector<HWND> found;
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&found));
    return found;
}

// A top-level window titled title, once it is there.
HWND WaitForWindow(const char* title) {
    for (int i = 0; i < 600; ++i) {
        if (HWND window = FindWindowA(nullptr, title)) {
            return window;
        }
        Sleep(50);
    }
    return nullptr;
}

HWND WaitForControlCenter() {
    return WaitForWindow(kTitle);
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (HWND window : ControlCenters()) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
    }
};

TEST_F(SingleInstanceTest, SecondStartRaisesTheFirstAndEnds) {
    ASSERT_TRUE(ControlCenters().empty());
    ChildProcess first(PathBesideTest("TAVIMO.exe"));
    HWND window = WaitForControlCenter();
    ASSERT_NE(window, nullptr);
    // Wine has no headset: the program says so, and is answered.
    HWND message = WaitForWindow("Help for Missing USB Headset");
    ASSERT_NE(message, nullptr);
    PostMessageA(message, WM_COMMAND, IDOK, 0);

    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));
    EXPECT_EQ(RunToExit(PathBesideTest("TAVIMO.exe") + " --ignored /x"), 0u);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(ControlCenters().size(), 1u);
    EXPECT_TRUE(first.IsRunning());

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitPumpingMessages(), 0u);
    EXPECT_TRUE(ControlCenters().empty());
}

TEST_F(SingleInstanceTest, WithoutALayoutTheProgramEndsWithoutAWindow) {
    EXPECT_EQ(RunToExit(PathBesideTest("tavimo_without_layouts.exe")), 1u);
    EXPECT_TRUE(ControlCenters().empty());
}

}  // namespace
