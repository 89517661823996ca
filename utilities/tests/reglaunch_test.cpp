// reglaunch.exe with the https association of the test prefix pointed at a
// stand-in browser, or at a program that does not exist.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "child_process.h"
#include "unique_handle.h"

namespace {

using testing_support::PathBesideTest;
using testing_support::RunToExit;

constexpr char kHttpsCommandKey[] = "Software\\Classes\\https\\shell\\open\\command";
constexpr char kRecordedEvent[] = "TavimoTestUrlRecorded";

class ReglaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        char value[1024] = {};
        DWORD size = sizeof value;
        hadCommand_ = RegGetValueA(HKEY_LOCAL_MACHINE, kHttpsCommandKey, nullptr, RRF_RT_REG_SZ,
                                   nullptr, value, &size) == ERROR_SUCCESS;
        savedCommand_ = value;
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        recordPath_ = std::string(temp) + "tavimo_url_record.txt";
        DeleteFileA(recordPath_.c_str());
    }
    void TearDown() override {
        if (hadCommand_) {
            SetHttpsCommand(savedCommand_);
        } else {
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, kHttpsCommandKey);
        }
        DeleteFileA(recordPath_.c_str());
    }

    static void SetHttpsCommand(const std::string& command) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, kHttpsCommandKey, nullptr, REG_SZ,
                                  command.c_str(), static_cast<DWORD>(command.size() + 1)),
                  ERROR_SUCCESS);
    }

    std::string Recorded() const {
        std::ifstream in(recordPath_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    bool hadCommand_ = false;
    std::string savedCommand_;
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
