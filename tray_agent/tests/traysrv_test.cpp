// The real traysrv.exe beside a stand-in taskbar in this process: one agent
// at a time, the ways it is told to end, its icon through a taskbar's
// restart, its menu and about box, and a missing language library.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "agent_messages.h"
#include "child_process.h"
#include "prompt_answerer.h"
#include "scratch_directory.h"
#include "stand_in_tray.h"
#include "test_registry.h"
#include "test_window.h"

namespace {

using testing_support::ChildProcess;
using testing_support::PathBesideTest;
using testing_support::PromptAnswerer;
using testing_support::StandInTray;
using testing_support::WaitPumping;

constexpr char kProductKey[] = "Software\\Quorvel\\Tavimo";
constexpr char kDirectoryKey[] = "Software\\Quorvel\\Tavimo\\Directory";

// The agent's window, or for a class a visible window of it, in process.
HWND FindOf(const ChildProcess& process, const char* windowClass = nullptr) {
    return windowClass == nullptr
               ? testing_support::FindProcessWindow(process.Id(), nullptr, tavimo::kTrayAgentTitle,
                                                    false)
               : testing_support::FindProcessWindow(process.Id(), windowClass, nullptr, true);
}

std::string AgentCommand(const std::string& arguments = "") {
    return "\"" + PathBesideTest("traysrv.exe") + "\"" + (arguments.empty() ? "" : " ") + arguments;
}

class TraysrvTest : public ::testing::Test {
protected:
    // The agent is another process: it reads the prefix's own registry. The
    // product key is this test's alone and goes with it.
    void SetUp() override {
        if (testing_support::ReadValue(HKEY_LOCAL_MACHINE, kDirectoryKey, "Path") ||
            FindWindowA(nullptr, tavimo::kTrayAgentTitle) != nullptr) {
            GTEST_SKIP() << "the prefix holds an installation or an agent of its own";
        }
        ownsProductKey_ = true;
        SetSetting("Directory", "Path", PathBesideTest(""));
    }
    void TearDown() override {
        for (const auto& agent : agents_) {
            agent->EndIfRunning();
        }
        if (ownsProductKey_) {
            testing_support::DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey);
        }
    }
    static void SetSetting(const char* section, const char* name, const std::string& text) {
        testing_support::WriteString(
            HKEY_LOCAL_MACHINE, (std::string(kProductKey) + "\\" + section).c_str(), name, text);
    }
    // Starts an agent and waits until its window is up and it waits for
    // input.
    ChildProcess& StartAgent() {
        ChildProcess& agent = *agents_.emplace_back(std::make_unique<ChildProcess>(AgentCommand()));
        EXPECT_TRUE(WaitPumping([&] { return FindOf(agent) != nullptr && agent.IsIdle(); }));
        return agent;
    }
    // Whether the agent's window is gone and its icon removed.
    bool Gone(HWND window) const {
        return !IsWindow(window) && !tray_.Shows(window, tray::kTrayIconId);
    }

    StandInTray tray_;
    std::vector<std::unique_ptr<ChildProcess>> agents_;
    bool ownsProductKey_ = false;
};

TEST_F(TraysrvTest, ASecondAgentLeavesTheFirstAlone) {
    ChildProcess& first = StartAgent();
    const HWND window = FindOf(first);
    EXPECT_TRUE(tray_.Shows(window, tray::kTrayIconId));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(testing_support::RunToExit(AgentCommand()), 1u);
    EXPECT_TRUE(first.IsRunning());
    EXPECT_TRUE(tray_.Shows(window, tray::kTrayIconId));
    EXPECT_EQ(SendMessageA(window, tray::kTrayExitMessage, 0, 0), 0);
    EXPECT_EQ(first.WaitPumpingMessages(), 0u);
    EXPECT_TRUE(Gone(window));
}

TEST_F(TraysrvTest, TheUnloadSwitchClosesTheRunningAgent) {
    for (const char* unload : {"/u", "-U"}) {
        ChildProcess& agent = StartAgent();
        const HWND window = FindOf(agent);
        EXPECT_EQ(testing_support::RunToExit(AgentCommand(unload)), 1u) << unload;
        EXPECT_EQ(agent.WaitPumpingMessages(), 0u) << unload;
        EXPECT_TRUE(Gone(window)) << unload;
    }
    // Without an agent it ends at once, showing nothing.
    tray_.Clear();
    EXPECT_EQ(testing_support::RunToExit(AgentCommand("-u")), 1u);
    EXPECT_TRUE(tray_.Calls().empty());
}

TEST_F(TraysrvTest, WithoutItsLanguageLibraryNoWindowIsMade) {
    const testing_support::ScratchDirectory alone;
    ASSERT_TRUE(CopyFileA(PathBesideTest("traysrv.exe").c_str(),
                          (alone.Path() + "traysrv.exe").c_str(), FALSE));
    SetSetting("Directory", "Path", alone.Path());
    ChildProcess& agent = *agents_.emplace_back(
        std::make_unique<ChildProcess>("\"" + alone.Path() + "traysrv.exe\""));
    EXPECT_EQ(agent.WaitPumpingMessages(), 1u);
    EXPECT_TRUE(tray_.Calls().empty());
}

TEST_F(TraysrvTest, CloseHidesTrayExitEndsAndTracesAreKept) {
    ChildProcess& agent = StartAgent();
    const HWND window = FindOf(agent);
    SendMessageA(window, tray::kTrayNotifyMessage, tray::kTrayIconId, WM_MOUSEMOVE);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(agent.IsRunning());
    char trace[256] = {};
    SendMessageA(GetDlgItem(window, tray::kTraceEditId), WM_GETTEXT, sizeof trace,
                 reinterpret_cast<LPARAM>(trace));
    EXPECT_STREQ(trace, "Tray notification: ID=3, lEvent=0x0200 WM_MOUSEMOVE\r\n");
    SendMessageA(window, tray::kTrayExitMessage, 0, 0);
    EXPECT_EQ(agent.WaitPumpingMessages(), 0u);
    EXPECT_TRUE(Gone(window));
}

TEST_F(TraysrvTest, ANewTaskbarGetsTheIconAgain) {
    // Started while no taskbar takes icons.
    tray_.Refuse(true);
    ChildProcess& agent = StartAgent();
    const HWND window = FindOf(agent);
    EXPECT_FALSE(tray_.Shows(window, tray::kTrayIconId));
    tray_.Refuse(false);
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitPumping([&] { return tray_.Shows(window, tray::kTrayIconId); }));
    // And once more, as after a restart of the shell.
    tray_.Clear();
    PostMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitPumping([&] { return tray_.Shows(window, tray::kTrayIconId); }));
    EXPECT_EQ(tray_.Calls().front().action, static_cast<DWORD>(NIM_ADD));
    SendMessageA(window, tray::kTrayExitMessage, 0, 0);
    EXPECT_EQ(agent.WaitPumpingMessages(), 0u);
}

// trayclose.exe ends the agent whatever it shows, and a new agent can
// start at once.
class TraycloseTest : public TraysrvTest {
protected:
    void EndWhileShowing(UINT message, WPARAM wParam, LPARAM lParam, const char* windowClass) {
        ChildProcess& agent = StartAgent();
        const HWND window = FindOf(agent);
        PostMessageA(window, message, wParam, lParam);
        EXPECT_TRUE(WaitPumping([&] { return FindOf(agent, windowClass) != nullptr; }));
        EXPECT_EQ(RunTrayclose(), 0u);
        EXPECT_TRUE(Gone(window));
        EXPECT_EQ(agent.WaitPumpingMessages(), 0u);
        ChildProcess& next = StartAgent();
        EXPECT_NE(FindOf(next), nullptr);
        EXPECT_EQ(RunTrayclose(), 0u);
        EXPECT_EQ(next.WaitPumpingMessages(), 0u);
    }
    static std::optional<DWORD> RunTrayclose() {
        return testing_support::RunToExit("\"" + PathBesideTest("trayclose.exe") + "\"");
    }
};

TEST_F(TraycloseTest, EndsTheAgentWhileItsMenuIsOpen) {
    EndWhileShowing(tray::kTrayNotifyMessage, tray::kTrayIconId, WM_RBUTTONUP, "#32768");
}

TEST_F(TraycloseTest, EndsTheAgentWhileItsAboutBoxIsOpen) {
    EndWhileShowing(WM_COMMAND, tray::kAboutCommand, 0, "#32770");
}

TEST_F(TraysrvTest, AMissingLanguageLibraryIsNamedAndTheAgentRunsInEnglish) {
    const testing_support::ScratchDirectory empty;
    SetSetting("Directory", "Path", empty.Path());
    SetSetting("Language", "Value", "German");
    ChildProcess& agent = *agents_.emplace_back(std::make_unique<ChildProcess>(AgentCommand()));
    PromptAnswerer answerer({}, agent.Id(), IDOK);
    EXPECT_TRUE(WaitPumping([&] { return !answerer.Prompts().empty(); }));
    EXPECT_TRUE(WaitPumping([&] { return FindOf(agent) != nullptr && agent.IsIdle(); }));
    ASSERT_EQ(answerer.Prompts().size(), 1u);
    EXPECT_EQ(answerer.Prompts()[0].text, "Loading Language DLL failed!");
    EXPECT_EQ(answerer.Prompts()[0].caption, empty.Path() + "TaviTrayResGerman.dll");
    SendMessageA(FindOf(agent), tray::kTrayExitMessage, 0, 0);
    EXPECT_EQ(agent.WaitPumpingMessages(), 0u);
}

}  // namespace
