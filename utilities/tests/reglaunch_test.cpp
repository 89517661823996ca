// reglaunch.exe with the https association of the test prefix pointed at a
// stand-in browser, or at a program that does not exist.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "child_process.h"
#include "test_registry.h"
#include "unique_handle.h"

namespace {

using testing_support::DeleteKeyTree;
using testing_support::PathBesideTest;
using testing_support::ReadString;
using testing_support::RunToExit;
using testing_support::WriteString;

constexpr char kHttpsCommandKey[] = "Software\\Classes\\https\\shell\\open\\command";
constexpr char kRecordedEvent[] = "TavimoTestUrlRecorded";

class ReglaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedCommand_ = ReadString(HKEY_LOCAL_MACHINE, kHttpsCommandKey, nullptr);
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        recordPath_ = std::string(temp) + "tavimo_url_record.txt";
        DeleteFileA(recordPath_.c_str());
    }
    void TearDown() override {
        if (savedCommand_) {
            SetHttpsCommand(*savedCommand_);
        } else {
            DeleteKeyTree(HKEY_LOCAL_MACHINE, kHttpsCommandKey);
        }
        DeleteFileA(recordPath_.c_str());
    }

    static void SetHttpsCommand(const std::string& command) {
        ASSERT_TRUE(WriteString(HKEY_LOCAL_MACHINE, kHttpsCommandKey, nullptr, command));
    }

    std::string Recorded() const {
        std::ifstream in(recordPath_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::optional<std::string> savedCommand_;
    std::string recordPath_;
};

TEST_F(ReglaunchTest, OpensTheRegistrationPageInTheBrowser) {
    SetHttpsCommand("\"" + PathBesideTest("url_recorder.exe") + "\" \"%1\"");
    SetEnvironmentVariableA("TAVIMO_URL_RECORD", recordPath_.c_str());
    SetEnvironmentVariableA("TAVIMO_URL_RECORDED", kRecordedEvent);
    const tavimo::UniqueHandle recorded(CreateEventA(nullptr, TRUE, FALSE, kRecordedEvent));

    const std::optional<DWORD> exitCode = RunToExit(PathBesideTest("reglaunch.exe"));
    ASSERT_TRUE(exitCode);
    EXPECT_GT(*exitCode, 32u);
    ASSERT_EQ(WaitForSingleObject(recorded.get(), 60000), WAIT_OBJECT_0);
    const std::string line = Recorded();
    EXPECT_NE(line.find("https://"), std::string::npos) << line;
    EXPECT_NE(line.find("/productregistration/dsp/"), std::string::npos) << line;
}

TEST_F(ReglaunchTest, ExitCodeIsTheShellsFailureValue) {
    SetHttpsCommand("\"C:\\no such folder\\browser.exe\" \"%1\"");
    const auto expected = static_cast<DWORD>(reinterpret_cast<INT_PTR>(ShellExecuteA(
        nullptr, "open", "https://example.invalid/", nullptr, nullptr, SW_SHOWDEFAULT)));
    ASSERT_LE(expected, 32u);
    EXPECT_EQ(RunToExit(PathBesideTest("reglaunch.exe")), expected);
}

}  // namespace
