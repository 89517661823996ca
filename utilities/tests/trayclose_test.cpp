// trayclose.exe against stand-ins for the tray agent's window.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "child_process.h"
#include "window_titles.h"

namespace {

using testing_support::ChildProcess;
using testing_support::PathBesideTest;

struct Received {
    HWND window;
    WPARAM wParam;
    LPARAM lParam;
    bool senderStillRunning;
};

// What the stand-in windows saw; the window procedure has no other way in.
std::vector<Received> g_received;
const ChildProcess* g_sender = nullptr;

LRESULT CALLBACK AgentStandIn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == tavimo::kTrayCloseMessage) {
        g_received.push_back(
            {window, wParam, lParam, g_sender != nullptr && g_sender->IsRunning()});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class TraycloseTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_received.clear();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = AgentStandIn;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassA(&windowClass);
    }
    void TearDown() override {
        for (HWND window : windows_) {
            DestroyWindow(window);
        }
        UnregisterClassA(kClass, GetModuleHandleA(nullptr));
        g_sender = nullptr;
    }

    HWND AddAgentWindow() {
        HWND window = CreateWindowExA(0, kClass, tavimo::kTrayAgentTitle, WS_OVERLAPPED, 0, 0, 10,
                                      10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        windows_.push_back(window);
        return window;
    }

    static std::optional<DWORD> RunTrayclose() {
        ChildProcess trayclose(PathBesideTest("trayclose.exe"));
        g_sender = &trayclose;
        const std::optional<DWORD> exitCode = trayclose.WaitPumpingMessages();
        g_sender = nullptr;
        return exitCode;
    }

    static constexpr char kClass[] = "TavimoTrayAgentStandIn";
    std::vector<HWND> windows_;
};

TEST_F(TraycloseTest, SendsTheCloseRequestAndWaitsForItsHandling) {
    HWND agent = AddAgentWindow();
    ASSERT_NE(agent, nullptr);
    EXPECT_EQ(RunTrayclose(), 0u);
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].window, agent);
    EXPECT_EQ(g_received[0].wParam, 0u);
    EXPECT_EQ(g_received[0].lParam, 0);
    EXPECT_TRUE(g_received[0].senderStillRunning);  // sent, not posted
}

TEST_F(TraycloseTest, ReachesOnlyTheWindowThatIsFoundFirst) {
    AddAgentWindow();
    AddAgentWindow();
    HWND found = FindWindowA(nullptr, tavimo::kTrayAgentTitle);
    EXPECT_EQ(RunTrayclose(), 0u);
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].window, found);
}

TEST_F(TraycloseTest, WithoutAnAgentEndsWithZero) {
    ASSERT_EQ(FindWindowA(nullptr, tavimo::kTrayAgentTitle), nullptr);
    EXPECT_EQ(RunTrayclose(), 0u);
    EXPECT_TRUE(g_received.empty());
}

}  // namespace
