// The applet in Wine's control.exe beside the real programs it tells of a
// new language: the control center's demo (its status shows a preset name)
// and the tray agent (its icon's tooltip reaches a stand-in taskbar). A
// language picked in the dialog changes the text each shows, and Cancel
// changes it back.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "applet_ids.h"
#include "applet_test_support.h"
#include "child_process.h"
#include "prompt_answerer.h"
#include "stand_in_tray.h"
#include "test_registry.h"
#include "test_window.h"
#include "unique_handle.h"
#include "window_titles.h"

namespace {

using applet_tests::kDirectoryKey;
using applet_tests::kLanguageKey;
using applet_tests::kProductKey;
using testing_support::ChildProcess;
using testing_support::PathBesideTest;
using testing_support::WaitPumping;

constexpr unsigned kGerman = 0x07;

std::string Quoted(const char* program) {
    return "\"" + PathBesideTest(program) + "\"";
}

// The tooltip of the tray agent's first icon in a language library.
std::string TrayTip(const char* library) {
    char text[64] = {};
    const tavimo::UniqueModule module(
        LoadLibraryExA(PathBesideTest(library).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    LoadStringA(module.get(), 101, text, sizeof text);
    return text;
}

bool DemoShows(const std::string& line) {
    return testing_support::RunCaught(Quoted("demo_ctl.exe") + " status").out.find(line) !=
           std::string::npos;
}

HWND ShownDialog() {
    const HWND dialog = FindWindowA("#32770", tavimo::kAppletTitle);
    return dialog != nullptr && IsWindowVisible(dialog) ? dialog : nullptr;
}

class RealProgramsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (testing_support::ReadValue(HKEY_LOCAL_MACHINE, kDirectoryKey, "Path") ||
            FindWindowA(nullptr, tavimo::kControlCenterTitle) != nullptr ||
            FindWindowA(nullptr, tavimo::kTrayAgentTitle) != nullptr) {
            GTEST_SKIP() << "the prefix holds an installation or programs of its own";
        }
        ownsProductKey_ = true;
        // The test's folder holds the language libraries of both programs.
        ASSERT_TRUE(testing_support::WriteString(HKEY_LOCAL_MACHINE, kDirectoryKey, "Path",
                                                 PathBesideTest("")));
        ASSERT_TRUE(
            testing_support::WriteString(HKEY_LOCAL_MACHINE, kLanguageKey, "Value", "English"));
    }
    void TearDown() override {
        if (HWND frame = FindWindowA(nullptr, tavimo::kControlCenterTitle)) {
            PostMessageA(frame, WM_CLOSE, 0, 0);
        }
        if (HWND agent = FindWindowA(nullptr, tavimo::kTrayAgentTitle)) {
            SendMessageA(agent, tavimo::kTrayCloseMessage, 0, 0);
        }
        for (ChildProcess* program : {&demo_, &agent_}) {
            if (program->WaitPumpingMessages() != std::optional<DWORD>(0)) {
                ADD_FAILURE() << "a program did not end by itself";
            }
        }
        if (ownsProductKey_) {
            testing_support::DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey);
        }
    }

    testing_support::StandInTray tray_;
    ChildProcess demo_{Quoted("TavimoDemo.exe") + " --product 0B52"};
    ChildProcess agent_{Quoted("traysrv.exe")};
    bool ownsProductKey_ = false;
};

TEST_F(RealProgramsTest, APickedLanguageChangesTheTextsOfTheDemoAndTheTrayAgent) {
    const std::string english = TrayTip("TaviTrayRes.dll");
    const std::string german = TrayTip("TaviTrayResGerman.dll");
    ASSERT_NE(english, german);
    ASSERT_TRUE(WaitPumping([&] { return tray_.LastTip() == english; }));
    ASSERT_TRUE(WaitPumping([] { return DemoShows("headphone preset: None"); }));

    ChildProcess panel("control.exe " + Quoted("tavictrl.cpl"));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitPumping([&] { return (dialog = ShownDialog()) != nullptr; }));
    ASSERT_TRUE(applet_tests::PickLanguage(dialog, kGerman));
    EXPECT_TRUE(WaitPumping([&] { return tray_.LastTip() == german; })) << tray_.LastTip();
    EXPECT_TRUE(WaitPumping([] { return DemoShows("headphone preset: Keine"); }));

    // Cancel stores the language the dialog opened with, and says so.
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(panel.WaitPumpingMessages(), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitPumping([&] { return tray_.LastTip() == english; })) << tray_.LastTip();
    EXPECT_TRUE(WaitPumping([] { return DemoShows("headphone preset: None"); }));
}

}  // namespace
