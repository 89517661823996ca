// The built applet in Wine's own Control Panel: "control.exe tavictrl.cpl"
// opens one dialog, which shows the installation and tells the running
// programs (windows of this test with their captions) of a new language.
// control.exe is another process: the settings are written to the prefix's
// own registry and removed again.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "applet_ids.h"
#include "applet_test_support.h"
#include "child_process.h"
#include "test_registry.h"
#include "test_window.h"
#include "window_titles.h"

namespace {

using applet_tests::kDirectoryKey;
using applet_tests::kLanguageKey;
using applet_tests::kProductKey;
using applet_tests::ProgramWindow;
using testing_support::PathBesideTest;
using testing_support::WindowText;

// A bound on waiting for another process, so that a hang fails the test
// rather than the run; never a measure of speed.
constexpr int kPatienceSteps = 600;
constexpr DWORD kStepMs = 50;

class ControlPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The test's own folder holds TAVIMO.exe and the language libraries.
        ASSERT_TRUE(
            testing_support::WriteString(HKEY_LOCAL_MACHINE, kDirectoryKey, "Path", directory));
        ASSERT_TRUE(
            testing_support::WriteString(HKEY_LOCAL_MACHINE, kLanguageKey, "Value", "English"));
    }
    // The whole product key goes: a key left behind would be an installation
    // to the next test program.
    void TearDown() override { testing_support::DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey); }
    std::optional<std::string> StoredLanguage() const {
        return testing_support::ReadString(HKEY_LOCAL_MACHINE, kLanguageKey, "Value");
    }
    // The applet's dialog once it shows; null when it never does.
    static HWND AwaitDialog(const testing_support::ChildProcess& panel) {
        for (int step = 0; step < kPatienceSteps && panel.IsRunning(); ++step) {
            const HWND dialog = FindWindowA("#32770", tavimo::kAppletTitle);
            if (dialog != nullptr && IsWindowVisible(dialog)) {
                return dialog;
            }
            testing_support::PumpMessages();
            Sleep(kStepMs);
        }
        return nullptr;
    }
    // Waits for messages to arrive at window (bounded as above).
    static std::size_t AwaitMessages(const ProgramWindow& window, std::size_t count) {
        for (int step = 0; step < kPatienceSteps && window.Messages().size() < count; ++step) {
            Sleep(kStepMs);
        }
        return window.Messages().size();
    }
    // Closes each dialog the Control Panel shows with button until it ends;
    // how many there were.
    static int CloseEveryDialog(testing_support::ChildProcess& panel, HWND first, int button) {
        int shown = 0;
        for (HWND dialog = first; dialog != nullptr; dialog = AwaitDialog(panel)) {
            ++shown;
            PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
            for (int step = 0; step < kPatienceSteps && IsWindow(dialog); ++step) {
                Sleep(kStepMs);
            }
        }
        EXPECT_EQ(panel.WaitPumpingMessages(), std::optional<DWORD>(0));
        return shown;
    }

    const std::string directory = PathBesideTest("");
    const std::string command = "control.exe \"" + PathBesideTest("tavictrl.cpl") + "\"";
};

TEST_F(ControlPanelTest, OneDialogShowsTheInstallationAndOkEndsTheControlPanel) {
    testing_support::ChildProcess panel(command);
    const HWND dialog = AwaitDialog(panel);
    ASSERT_NE(dialog, nullptr) << "no dialog from " << command;
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_LOCATION)), directory);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SOFTWARE_VERSION)), "2.00.000");
    // Wine's own HID devices are another vendor's.
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_FIRMWARE_VERSION)), "N/A");
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_LANGUAGE_LIST), CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(CloseEveryDialog(panel, dialog, IDOK), 1);
    EXPECT_EQ(StoredLanguage(), "English");
}

TEST_F(ControlPanelTest, APickIsStoredAndAnnouncedAndCancelTakesItBack) {
    ProgramWindow controlCenter(tavimo::kControlCenterTitle);
    ProgramWindow trayAgent(tavimo::kTrayAgentTitle);
    ShowWindow(controlCenter.get(), SW_MINIMIZE);
    testing_support::ChildProcess panel(command);
    const HWND dialog = AwaitDialog(panel);
    ASSERT_NE(dialog, nullptr) << "no dialog from " << command;
    ASSERT_TRUE(applet_tests::PickLanguage(dialog, 7));
    EXPECT_EQ(StoredLanguage(), "German");
    const auto value = testing_support::ReadValue(HKEY_LOCAL_MACHINE, kLanguageKey, "Value");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->data.size(), 7u);  // with its terminating zero
    const ProgramWindow::Received changed = {0x464, 0, 0};
    ASSERT_EQ(AwaitMessages(controlCenter, 1), 1u);
    ASSERT_EQ(AwaitMessages(trayAgent, 1), 1u);
    EXPECT_EQ(controlCenter.Messages().front(), changed);
    EXPECT_EQ(trayAgent.Messages().front(), changed);
    EXPECT_FALSE(IsIconic(controlCenter.get()));
    EXPECT_EQ(CloseEveryDialog(panel, dialog, IDCANCEL), 1);
    EXPECT_EQ(StoredLanguage(), "English");
    EXPECT_EQ(AwaitMessages(trayAgent, 2), 2u);
}

TEST_F(ControlPanelTest, HelpThroughWinesOwnControlNeitherHangsNorCrashes) {
    testing_support::ChildProcess panel(command);
    const HWND dialog = AwaitDialog(panel);
    ASSERT_NE(dialog, nullptr) << "no dialog from " << command;
    // The help file is missing: whatever the control shows, the dialog
    // still answers and closes.
    PostMessageA(GetDlgItem(dialog, IDC_HELP_BUTTON), BM_CLICK, 0, 0);
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer), 0);
    EXPECT_GE(CloseEveryDialog(panel, dialog, IDOK), 1);
}

}  // namespace
