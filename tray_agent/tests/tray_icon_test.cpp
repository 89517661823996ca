// The hook chain in front of a window's procedure, and the tray icon on a
// stand-in taskbar: what reaches the shell, and what the icon's mouse
// events do.
#include "tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language_library.h"
#include "stand_in_tray.h"
#include "subclass_wnd.h"
#include "test_window.h"

namespace {

using testing_support::StandInTray;
using tray::CSubclassWnd;

constexpr UINT kProbe = WM_APP + 5;
constexpr UINT kCallback = WM_USER;
std::vector<std::string> g_seen;

// Notes each probe it sees under its name, then passes it on.
class NamedHook : public CSubclassWnd {
public:
    explicit NamedHook(std::string name) : name_(std::move(name)) {}

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kProbe || message == WM_NCDESTROY) {
            g_seen.push_back(name_);
        }
        return PassOn(message, wParam, lParam);
    }

private:
    std::string name_;
};

LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe || message == WM_NCDESTROY) {
        g_seen.push_back(message == kProbe ? "window" : "window destroyed");
        return message == kProbe ? 42 : 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = OwnProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TrayHookProbe";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "TrayHookProbe", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

std::vector<std::string> Probe(HWND window) {
    g_seen.clear();
    EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 42);
    return g_seen;
}

TEST(SubclassWnd, HooksSeeMessagesNewestFirstThenTheWindow) {
    const HWND window = MakeWindow();
    const auto own = GetWindowLongPtrA(window, GWLP_WNDPROC);
    {
        NamedHook first("first"), second("second"), third("third");
        ASSERT_TRUE(first.Hook(window));
        ASSERT_TRUE(second.Hook(window));
        ASSERT_TRUE(third.Hook(window));
        EXPECT_FALSE(second.Hook(window));  // already on a window
        EXPECT_EQ(Probe(window), (std::vector<std::string>{"third", "second", "first", "window"}));
        second.Unhook();  // from the middle
        EXPECT_EQ(Probe(window), (std::vector<std::string>{"third", "first", "window"}));
        third.Unhook();  // the newest
        EXPECT_EQ(Probe(window), (std::vector<std::string>{"first", "window"}));
        EXPECT_NE(GetWindowLongPtrA(window, GWLP_WNDPROC), own);
    }
    // The last hook gone, the window has its own procedure back.
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), own);
    EXPECT_EQ(Probe(window), std::vector<std::string>{"window"});
    DestroyWindow(window);
}

TEST(SubclassWnd, DestroyingTheWindowTakesOffEveryHookFirst) {
    const HWND window = MakeWindow();
    NamedHook first("first"), second("second");
    first.Hook(window);
    second.Hook(window);
    g_seen.clear();
    DestroyWindow(window);
    EXPECT_EQ(g_seen, std::vector<std::string>{"window destroyed"});
    EXPECT_EQ(first.Hooked(), nullptr);
    EXPECT_EQ(second.Hooked(), nullptr);
    // A hook that is off its window may go on another.
    const HWND other = MakeWindow();
    EXPECT_TRUE(first.Hook(other));
    EXPECT_EQ(Probe(other), (std::vector<std::string>{"first", "window"}));
    DestroyWindow(other);
    EXPECT_FALSE(first.Hook(nullptr));
}

// The icon with the English tray library as the resource source.
class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library_.LoadDefault()); }
    std::vector<DWORD> Actions() const {
        std::vector<DWORD> actions;
        for (const auto& call : tray_.Calls()) {
            actions.push_back(call.action);
        }
        return actions;
    }
    static std::string Text(UINT id) {
        char text[64] = {};
        LoadStringA(GetModuleHandleA("TaviTrayRes.dll"), id, text, sizeof text);
        return text;
    }

    tray::LanguageLibrary library_;
    StandInTray tray_;
    testing_support::OwnerWindow window_;
};

TEST_F(TrayIconTest, AddsThenModifiesThenDeletes) {
    tray::CTrayIcon icon(3);
    EXPECT_EQ(std::string(icon.Tooltip()), Text(3));
    icon.SetNotifyWindow(window_.get(), kCallback);
    ASSERT_TRUE(icon.ShowIcon(101u));
    ASSERT_TRUE(icon.ShowIcon(102u));
    ASSERT_TRUE(icon.ShowIcon(0u));
    EXPECT_TRUE(icon.ShowIcon(0u));  // nothing shown: nothing to do
    EXPECT_EQ(Actions(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE}));
    const auto& add = tray_.Calls()[0];
    EXPECT_EQ(add.window, window_.get());
    EXPECT_EQ(add.id, 3u);
    EXPECT_EQ(add.flags, static_cast<UINT>(NIF_ICON | NIF_TIP | NIF_MESSAGE));
    EXPECT_EQ(add.callback, kCallback);
    EXPECT_EQ(add.tip, Text(101));
    EXPECT_EQ(tray_.Calls()[1].tip, Text(102));
    EXPECT_FALSE(tray_.Shows(window_.get(), 3));
}

TEST_F(TrayIconTest, AMissingIconChangesNothing) {
    tray::CTrayIcon icon(3);
    icon.SetNotifyWindow(window_.get(), kCallback);
    icon.ShowIcon(101u);
    EXPECT_FALSE(icon.ShowIcon(999u));
    EXPECT_EQ(Actions(), std::vector<DWORD>{NIM_ADD});
    EXPECT_TRUE(icon.Shown());
    EXPECT_EQ(std::string(icon.Tooltip()), Text(101));
}

TEST_F(TrayIconTest, IconRefusedByTheShellIsAddedWithTheNextTaskbar) {
    tray::CTrayIcon icon(3);
    icon.SetNotifyWindow(window_.get(), kCallback);
    tray_.Refuse(true);
    EXPECT_FALSE(icon.ShowIcon(101u));
    EXPECT_FALSE(icon.Shown());
    EXPECT_NE(icon.Icon(), nullptr);  // still wanted
    tray_.Refuse(false);
    SendMessageA(window_.get(), tray::CTrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(tray_.Shows(window_.get(), 3));
    // A later change modifies the icon the new taskbar holds.
    icon.ShowIcon(102u);
    EXPECT_EQ(Actions(), (std::vector<DWORD>{NIM_ADD, NIM_ADD, NIM_MODIFY}));
}

TEST_F(TrayIconTest, ANewTaskbarGetsTheShownIconAgain) {
    tray::CTrayIcon icon(3);
    icon.SetNotifyWindow(window_.get(), kCallback);
    icon.ShowIcon(102u);
    SendMessageA(window_.get(), tray::CTrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_EQ(Actions(), (std::vector<DWORD>{NIM_ADD, NIM_ADD}));
    EXPECT_EQ(tray_.Calls()[1].tip, Text(102));
    // Without an icon a new taskbar adds nothing.
    icon.ShowIcon(0u);
    tray_.Clear();
    SendMessageA(window_.get(), tray::CTrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(tray_.Calls().empty());
}

TEST_F(TrayIconTest, DestructionRemovesTheIconAndTheHooks) {
    const auto own = GetWindowLongPtrA(window_.get(), GWLP_WNDPROC);
    {
        tray::CTrayIcon icon(3);
        icon.SetNotifyWindow(window_.get(), kCallback);
        icon.ShowIcon(101u);
        EXPECT_NE(GetWindowLongPtrA(window_.get(), GWLP_WNDPROC), own);
    }
    EXPECT_EQ(Actions(), (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
    EXPECT_EQ(GetWindowLongPtrA(window_.get(), GWLP_WNDPROC), own);
}

// Runs inside the icon's menu loop: notes the open menu, then closes it.
struct OpenMenu {
    bool seen = false;
    UINT defaultItem = 0;
};
OpenMenu g_menu;

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND menuWindow = FindWindowA("#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) {
        return;
    }
    KillTimer(nullptr, timer);
    const auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    g_menu.seen = true;
    g_menu.defaultItem = GetMenuDefaultItem(menu, FALSE, 0);
    EndMenu();
}

// Notes the commands its window receives.
class CommandRecorder : public CSubclassWnd {
public:
    std::vector<WPARAM> commands;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) {
            commands.push_back(wParam);
        }
        return PassOn(message, wParam, lParam);
    }
};

TEST_F(TrayIconTest, MouseEventsOnTheIcon) {
    CommandRecorder recorder;
    recorder.Hook(window_.get());
    tray::CTrayIcon icon(3);
    icon.SetNotifyWindow(window_.get(), kCallback);
    icon.ShowIcon(101u);
    testing_support::PumpMessages();

    // A double click runs the menu's first item.
    SendMessageA(window_.get(), kCallback, 3, WM_LBUTTONDBLCLK);
    EXPECT_EQ(recorder.commands, std::vector<WPARAM>{0x8007});
    MSG message;

    // A right click shows the menu with its first item as default, and
    // leaves a message behind it.
    g_menu = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, CloseMenu);
    SendMessageA(window_.get(), kCallback, 3, WM_RBUTTONUP);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_menu.seen);
    EXPECT_EQ(g_menu.defaultItem, 0x8007u);
    EXPECT_TRUE(PeekMessageA(&message, window_.get(), WM_NULL, WM_NULL, PM_REMOVE));

    // Other events, and other icons' events, show nothing.
    g_menu = {};
    const UINT_PTR idle = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, CloseMenu);
    for (LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK}) {
        SendMessageA(window_.get(), kCallback, 3, event);
    }
    SendMessageA(window_.get(), kCallback, 4, WM_RBUTTONUP);
    testing_support::PumpMessages();
    KillTimer(nullptr, idle);
    EXPECT_FALSE(g_menu.seen);
    EXPECT_EQ(recorder.commands.size(), 1u);
}

}  // namespace
