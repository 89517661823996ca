// The agent's hidden window in-process: its children, the icon it keeps in
// a stand-in taskbar, its commands, the trace, the language library and
// the restore after a standby on the virtual headset.
#include "main_frame.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "agent_messages.h"
#include "child_process.h"
#include "prompt_answerer.h"
#include "scratch_directory.h"
#include "scratch_registry.h"
#include "stand_in_tray.h"
#include "test_window.h"
#include "unique_handle.h"
#include "virtual_headset.h"

namespace {

using devices::VirtualHeadset;
using testing_support::PathBesideTest;
using testing_support::Pattern;
using testing_support::PromptAnswerer;
using testing_support::StandInTray;

constexpr char kKey[] = "Software\\Quorvel\\Tavimo\\";
constexpr const char* kLibraries[] = {"TaviTrayRes.dll",        "TaviTrayResGerman.dll",
                                      "TaviTrayResSpanish.dll", "TaviTrayResFrench.dll",
                                      "TaviTrayResItalian.dll", "TaviTrayResDutch.dll"};

std::string Text(const char* library, UINT id) {
    char text[64] = {};
    const tavimo::UniqueModule module(
        LoadLibraryExA(PathBesideTest(library).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    LoadStringA(module.get(), id, text, sizeof text);
    return text;
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The tray libraries loaded in this process.
std::vector<std::string> LoadedLibraries() {
    std::vector<std::string> loaded;
    for (const char* name : kLibraries) {
        if (GetModuleHandleA(name) != nullptr) {
            loaded.push_back(name);
        }
    }
    return loaded;
}

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() {
        SetSetting("Directory", "Path", PathBesideTest(""));
        language_.LoadDefault();
    }
    ~MainFrameTest() override { frame_.reset(); }

    void SetSetting(const char* section, const char* name, const std::string& text) {
        hklm_.SetString(std::string(kKey) + section, name, text);
    }
    void Create() {
        frame_ = std::make_unique<tray::CMainFrame>(
            tray::RestoreDevices{headset_.Hid(), headset_.Platform(), headset_.Pipe()}, language_,
            [this] { ++destroyed_; });
        ASSERT_TRUE(frame_->LoadFrame(tray::kFrameResource, WS_OVERLAPPEDWINDOW));
        window_ = frame_->GetSafeHwnd();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(window_, message, wParam, lParam);
    }
    void Command(UINT id) const { Send(WM_COMMAND, id); }
    HWND Trace() const { return GetDlgItem(window_, tray::kTraceEditId); }
    // The menu's states as WM_INITMENUPOPUP leaves them.
    UINT MenuState(UINT command) const {
        const tavimo::UniqueMenu menu(
            LoadMenuA(language_.Module(), MAKEINTRESOURCEA(tray::kTrayIconId)));
        const HMENU items = GetSubMenu(menu.get(), 0);
        Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(items));
        return GetMenuState(items, command, MF_BYCOMMAND);
    }

    testing_support::ScratchRegistry hklm_{HKEY_LOCAL_MACHINE};
    VirtualHeadset headset_{VirtualHeadset::Family::Older, 400};
    StandInTray tray_;
    tray::LanguageLibrary language_;
    std::unique_ptr<tray::CMainFrame> frame_;
    HWND window_ = nullptr;
    int destroyed_ = 0;
};

TEST_F(MainFrameTest, CreatedHiddenWithItsTraceStatusBarAndIcon) {
    Create();
    EXPECT_EQ(WindowText(window_), "Quorvel System Tray Icon");
    EXPECT_FALSE(IsWindowVisible(window_));
    const HWND trace = Trace();
    ASSERT_NE(trace, nullptr);
    const auto style = static_cast<DWORD>(GetWindowLongA(trace, GWL_STYLE));
    EXPECT_EQ(style & (ES_READONLY | ES_MULTILINE | WS_VSCROLL),
              static_cast<DWORD>(ES_READONLY | ES_MULTILINE | WS_VSCROLL));
    EXPECT_TRUE(tray_.Shows(window_, tray::kTrayIconId));
    EXPECT_EQ(tray_.LastTip(), Text("TaviTrayRes.dll", 101));
    EXPECT_EQ(tray_.Calls().back().callback, tray::kTrayNotifyMessage);
    EXPECT_TRUE(frame_->FirstIcon());
}

TEST_F(MainFrameTest, ShownTheWindowHasItsStatusBarAndCloseOnlyHidesIt) {
    Create();
    EXPECT_EQ(GetDlgItem(window_, tray::kStatusBarId), nullptr);
    ShowWindow(window_, SW_SHOW);
    const HWND bar = GetDlgItem(window_, tray::kStatusBarId);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 1);
    // The trace fills the rest of the client area.
    RECT client = {}, trace = {}, status = {};
    GetClientRect(window_, &client);
    GetWindowRect(Trace(), &trace);
    GetWindowRect(bar, &status);
    EXPECT_EQ(trace.bottom - trace.top + status.bottom - status.top, client.bottom);
    Send(WM_CLOSE);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_FALSE(IsWindowVisible(window_));
    ShowWindow(window_, SW_SHOW);
    EXPECT_EQ(GetDlgItem(window_, tray::kStatusBarId), bar);
}

TEST_F(MainFrameTest, CloseOnlyHidesTheExitCommandEnds) {
    Create();
    ShowWindow(window_, SW_SHOW);
    Send(WM_CLOSE);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(destroyed_, 0);
    Command(tray::kExitCommand);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_FALSE(tray_.Shows(window_, tray::kTrayIconId));
    EXPECT_EQ(destroyed_, 1);
}

TEST_F(MainFrameTest, TrayExitAndTheCloseWindowMessageEndAtOnce) {
    Create();
    Send(tray::kTrayExitMessage);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(tray_.Calls().back().action, static_cast<DWORD>(NIM_DELETE));

    Create();
    Send(tray::CloseWindowMessage(), 1234, 5678);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(destroyed_, 2);
}

TEST_F(MainFrameTest, TraceLinesWhileNotificationsAreShown) {
    Create();
    EXPECT_EQ(MenuState(tray::kClearTraceCommand) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(MenuState(tray::kShowNotificationsCommand) & MF_CHECKED,
              static_cast<UINT>(MF_CHECKED));
    Send(tray::kTrayNotifyMessage, 3, WM_MOUSEMOVE);
    Send(tray::kTrayNotifyMessage, 7, 0x20A);
    EXPECT_EQ(WindowText(Trace()),
              "Tray notification: ID=3, lEvent=0x0200 WM_MOUSEMOVE\r\n"
              "Tray notification: ID=7, lEvent=0x020a (Unknown)\r\n");
    EXPECT_EQ(MenuState(tray::kClearTraceCommand) & MF_GRAYED, 0u);

    // Lines go to the end wherever the caret was left.
    SendMessageA(Trace(), EM_SETSEL, 0, 0);
    Send(tray::kTrayNotifyMessage, 3, WM_LBUTTONUP);
    EXPECT_EQ(WindowText(Trace()).substr(WindowText(Trace()).size() - 14), "WM_LBUTTONUP\r\n");

    Command(tray::kShowNotificationsCommand);
    EXPECT_EQ(MenuState(tray::kShowNotificationsCommand) & MF_CHECKED, 0u);
    const std::string before = WindowText(Trace());
    Send(tray::kTrayNotifyMessage, 3, WM_MOUSEMOVE);
    EXPECT_EQ(WindowText(Trace()), before);

    Command(tray::kClearTraceCommand);
    EXPECT_EQ(WindowText(Trace()), "");
    EXPECT_EQ(MenuState(tray::kClearTraceCommand) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
}

TEST_F(MainFrameTest, ToggleIconTwiceReturnsToTheFirstIcon) {
    Create();
    Command(tray::kToggleIconCommand);
    EXPECT_FALSE(frame_->FirstIcon());
    EXPECT_EQ(tray_.LastTip(), Text("TaviTrayRes.dll", 102));
    Command(tray::kToggleIconCommand);
    EXPECT_TRUE(frame_->FirstIcon());
    EXPECT_EQ(tray_.LastTip(), Text("TaviTrayRes.dll", 101));
}

TEST_F(MainFrameTest, LanguageChangesLoadTheChosenLibrary) {
    Create();
    SetSetting("Language", "Value", "German");
    EXPECT_EQ(Send(tray::kTextsChangedMessage), 0);
    EXPECT_EQ(tray_.LastTip(), Text("TaviTrayResGerman.dll", 101));
    EXPECT_EQ(LoadedLibraries(), std::vector<std::string>{"TaviTrayResGerman.dll"});
    EXPECT_EQ(frame_->Fields().settings.language, "German");

    // The icon shows as the first one again, whatever the toggle holds.
    Command(tray::kToggleIconCommand);
    SetSetting("Language", "Value", "german");  // not a language: English
    Send(tray::kTextsChangedMessage);
    EXPECT_EQ(tray_.LastTip(), Text("TaviTrayRes.dll", 101));
    EXPECT_EQ(LoadedLibraries(), std::vector<std::string>{"TaviTrayRes.dll"});
}

TEST_F(MainFrameTest, AMissingLibraryIsNamedAndTheCurrentOneStays) {
    Create();
    const testing_support::ScratchDirectory empty;
    SetSetting("Directory", "Path", empty.Path());
    SetSetting("Language", "Value", "Dutch");
    const std::size_t calls = tray_.Calls().size();
    {
        PromptAnswerer answerer({}, 0, IDOK);
        Send(tray::kTextsChangedMessage);
        ASSERT_EQ(answerer.Prompts().size(), 1u);
        EXPECT_EQ(answerer.Prompts()[0].text, "Loading Language DLL failed!");
        EXPECT_EQ(answerer.Prompts()[0].caption, empty.Path() + "TaviTrayResDutch.dll");
    }
    EXPECT_EQ(tray_.Calls().size(), calls);
    EXPECT_EQ(LoadedLibraries(), std::vector<std::string>{"TaviTrayRes.dll"});
    Command(tray::kToggleIconCommand);
    EXPECT_EQ(tray_.LastTip(), Text("TaviTrayRes.dll", 102));
}

TEST_F(MainFrameTest, AHundredLanguageChangesKeepOneLibrary) {
    Create();
    const int modules = tavimo::UniqueModule::Live();
    const testing_support::ScratchDirectory empty;
    const char* languages[] = {"German", "Spanish", "French", "Italian", "Dutch", "English"};
    PromptAnswerer answerer({}, 0, IDOK);
    for (int change = 0; change < 100; ++change) {
        const bool missing = change % 10 == 9;
        SetSetting("Directory", "Path", missing ? empty.Path() : PathBesideTest(""));
        SetSetting("Language", "Value", languages[change % 6]);
        Send(tray::kTextsChangedMessage);
        EXPECT_EQ(LoadedLibraries().size(), 1u);
        EXPECT_EQ(tavimo::UniqueModule::Live(), modules);
    }
    EXPECT_EQ(answerer.Prompts().size(), 10u);
}

TEST_F(MainFrameTest, StandbyAndResumeRestoreTheHeadset) {
    const testing_support::ScratchDirectory presets;
    Create();
    SetSetting("Directory", "Path", presets.Path());
    SetSetting("MicEQ", "Value", "0");
    SetSetting("HeadsetEQ", "Value", "2");
    presets.Write("MIC4001.BIN", Pattern(94, 1));
    presets.Write("HS4003.BIN", Pattern(94, 2));
    EXPECT_EQ(Send(WM_POWERBROADCAST, PBT_APMQUERYSUSPEND), TRUE);
    EXPECT_TRUE(headset_.Pipe().Blocks().empty());
    EXPECT_EQ(Send(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND), TRUE);
    EXPECT_EQ(headset_.Pipe().Blocks(),
              (std::vector<std::vector<BYTE>>{Pattern(94, 1), Pattern(94, 2)}));
    EXPECT_TRUE(frame_->Fields().headsetAttached);
    EXPECT_EQ(Send(WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE), 0);

    const int handles = tavimo::UniqueHandle::Live();
    for (int cycle = 0; cycle < 100; ++cycle) {
        if (cycle % 2 == 0) {
            headset_.Unplug();
        } else {
            headset_.Plug();
        }
        Send(WM_POWERBROADCAST, PBT_APMQUERYSUSPEND);
        Send(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND);
    }
    EXPECT_EQ(frame_->SuspendCount(), 0);
    EXPECT_EQ(tavimo::UniqueHandle::Live(), handles);
    EXPECT_EQ(headset_.Hid().OpenHandles(), 0);
    EXPECT_EQ(headset_.Hid().LivePreparsedData(), 0);
    EXPECT_EQ(headset_.Platform().LiveRegistrations(), 0);
    EXPECT_EQ(headset_.Pipe().OpenHandles(), 0);
    EXPECT_EQ(headset_.Pipe().Blocks().size(), 2u + 2u * 50u);
}

TEST_F(MainFrameTest, DoubleClickStartsTheControlCenterOfTheInstallation) {
    const testing_support::ScratchDirectory installation;
    std::ifstream recorder(PathBesideTest("url_recorder.exe"), std::ios::binary);
    installation.Write("Tavimo.exe", std::vector<BYTE>(std::istreambuf_iterator<char>(recorder),
                                                       std::istreambuf_iterator<char>()));
    const std::string record = installation.Path() + "started.txt";
    SetEnvironmentVariableA("TAVIMO_URL_RECORD", record.c_str());
    SetEnvironmentVariableA("TAVIMO_URL_RECORDED", "TavimoTrayStarted");
    const tavimo::UniqueHandle started(CreateEventA(nullptr, TRUE, FALSE, "TavimoTrayStarted"));
    Create();
    SetSetting("Directory", "Path", installation.Path());
    Send(tray::kTrayNotifyMessage, tray::kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(testing_support::WaitPumping(
        [&] { return WaitForSingleObject(started.get(), 0) == WAIT_OBJECT_0; }));
    std::ifstream line(record);
    const std::string commandLine((std::istreambuf_iterator<char>(line)),
                                  std::istreambuf_iterator<char>());
    EXPECT_NE(commandLine.find("Tavimo.exe"), std::string::npos) << commandLine;
    // The double click is traced too.
    EXPECT_NE(WindowText(Trace()).find("WM_LBUTTONDBLCLK"), std::string::npos);
}

}  // namespace
