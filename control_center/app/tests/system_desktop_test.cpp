// The real desktop calls under Wine, against a stand-in program that records
// how it was started, a window of the test's own and a real dialog.
#include "desktop.h"

#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <sstream>
#include <string>

#include "child_process.h"
#include "message_dialog.h"
#include "unique_handle.h"

namespace {

using tavimo::SystemDesktop;
using testing_support::PathBesideTest;

constexpr char kRecordedEvent[] = "TavimoTestDesktopRecorded";

class SystemDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        record_ = std::string(temp) + "tavimo_desktop_record.txt";
        DeleteFileA(record_.c_str());
        SetEnvironmentVariableA("TAVIMO_URL_RECORD", record_.c_str());
        SetEnvironmentVariableA("TAVIMO_URL_RECORDED", kRecordedEvent);
    }
    void TearDown() override { DeleteFileA(record_.c_str()); }

    // What the stand-in recorded once it signalled, or "<not started>".
    std::string WaitForRecord() const {
        if (WaitForSingleObject(recorded_.get(), 20000) != WAIT_OBJECT_0) {
            return "<not started>";
        }
        std::ifstream file(record_, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    const std::string recorder_ = PathBesideTest("url_recorder.exe");
    tavimo::UniqueHandle recorded_{CreateEventA(nullptr, TRUE, FALSE, kRecordedEvent)};
    std::string record_;
};

TEST_F(SystemDesktopTest, ExecuteStartsTheFileWithItsParameters) {
    EXPECT_GT(SystemDesktop().Execute(nullptr, nullptr, recorder_.c_str(), "tavimo-test", nullptr,
                                      SW_SHOWNORMAL),
              32);
    EXPECT_NE(WaitForRecord().find("tavimo-test"), std::string::npos);
    EXPECT_LE(SystemDesktop().Execute(nullptr, nullptr, "C:\\no\\such\\program.exe", nullptr,
                                      nullptr, SW_SHOWNORMAL),
              32);
}

TEST_F(SystemDesktopTest, RunCommandLineStartsTheWholeLine) {
    const std::string line = "\"" + recorder_ + "\" from-winexec";
    EXPECT_GT(SystemDesktop().RunCommandLine(line.c_str(), SW_SHOWNORMAL), 31u);
    EXPECT_NE(WaitForRecord().find("from-winexec"), std::string::npos);
}

TEST_F(SystemDesktopTest, FindsAndRaisesATopLevelWindowByTitle) {
    const HWND window = CreateWindowExA(0, "STATIC", "Tavimo desktop test window", WS_POPUP, 0, 0,
                                        10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SystemDesktop().FindTopWindow(nullptr, "Tavimo desktop test window"), window);
    SystemDesktop().BringForward(window);
    EXPECT_TRUE(IsWindowVisible(window));
    DestroyWindow(window);
    EXPECT_EQ(SystemDesktop().FindTopWindow(nullptr, "Tavimo desktop test window"), nullptr);
}

TEST_F(SystemDesktopTest, RunModalShowsTheDialogInTheCurrentLanguageUntilAnswered) {
    // Answers the dialog as a user would, from another thread, once it is up.
    auto answer = std::async(std::launch::async, [] {
        for (int i = 0; i < 400; ++i) {
            // Shown only once its texts are set; found by caption before that.
            HWND dialog = FindWindowA("#32770", "Help for Unmapped Applications");
            if (dialog != nullptr && IsWindowVisible(dialog)) {
                char text[1024] = {};
                GetDlgItemTextA(dialog, tavimo::kDialogText, text, sizeof text);
                PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                return std::string(text);
            }
            Sleep(25);
        }
        return std::string("<no dialog>");
    });
    tavimo::MessageDialog dialog(tavimo::kUnmappedDialog, 1019, 1020);
    EXPECT_EQ(SystemDesktop().RunModal(dialog, nullptr), IDOK);
    EXPECT_EQ(answer.get().rfind("This button is not currently associated", 0), 0u);
}

}  // namespace
