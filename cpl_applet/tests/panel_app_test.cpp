// The applet object's answers to the Control Panel's messages, in this
// process with the test program's resources.
#include "panel_app.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "applet_ids.h"
#include "applet_test_support.h"
#include "scratch_registry.h"
#include "virtual_hid.h"

namespace {

using applet::OsVersionRecord;

class PanelAppTest : public ::testing::Test {
protected:
    // An applet that records the system as os.
    applet::CPanelApp App(const OsVersionRecord& os) {
        return applet::CPanelApp(GetModuleHandleA(nullptr), hid, [os] { return os; });
    }
    // How many dialogs the message opens.
    int DialogsOpened(applet::CPanelApp& app, UINT message, LONG expected) {
        int opened = 0;
        const applet_tests::DialogUser user([&](HWND) { ++opened; });
        EXPECT_EQ(app.OnMessage(message, 0, 0), expected) << message;
        return opened;
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    devices::VirtualHid hid{{}};
};

TEST_F(PanelAppTest, TheClassicInquiryIsAnsweredOnWindows98SecondEditionOnly) {
    const std::pair<OsVersionRecord, bool> systems[] = {
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 10, 2222}, true},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 10, 1998}, false},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 90, 3000}, false},
        {{VER_PLATFORM_WIN32_NT, 5, 1, 2600}, false},
    };
    for (const auto& [os, answered] : systems) {
        applet::CPanelApp app = App(os);
        EXPECT_EQ(app.OnMessage(CPL_INIT, 0, 0), 1);
        EXPECT_EQ(app.OnMessage(CPL_GETCOUNT, 0, 0), 1);
        CPLINFO info;
        std::memset(&info, 0xCD, sizeof info);  // as a host hands it over
        CPLINFO untouched;
        std::memset(&untouched, 0xCD, sizeof untouched);
        EXPECT_EQ(app.OnMessage(CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info)), 0);
        if (answered) {
            EXPECT_EQ(info.idIcon, IDI_APPLET);
            EXPECT_EQ(info.idName, IDS_APPLET);
            EXPECT_EQ(info.idInfo, IDS_APPLET);
            EXPECT_EQ(info.lData, reinterpret_cast<LONG_PTR>(&app));
        } else {
            EXPECT_EQ(std::memcmp(&info, &untouched, sizeof info), 0) << os.minor;
        }
        EXPECT_EQ(app.OnMessage(CPL_INQUIRE, 0, 0), 0);  // no record to fill
    }
}

TEST_F(PanelAppTest, TheNewInquiryGivesNameDescriptionAndIcon) {
    applet::CPanelApp app = App({});
    NEWCPLINFOA info;
    std::memset(&info, 0xCD, sizeof info);
    EXPECT_EQ(app.OnMessage(CPL_NEWINQUIRE, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.dwSize, sizeof(NEWCPLINFOA));
#ifndef _WIN64
    EXPECT_EQ(info.dwSize, 244u);
#endif
    EXPECT_EQ(info.dwFlags, 0u);
    EXPECT_EQ(info.dwHelpContext, 0u);
    EXPECT_EQ(info.lData, reinterpret_cast<LONG_PTR>(&app));
    ICONINFO icon = {};
    ASSERT_TRUE(GetIconInfo(info.hIcon, &icon));
    BITMAP colour = {};
    GetObjectA(icon.hbmColor != nullptr ? icon.hbmColor : icon.hbmMask, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXICON));
    DeleteObject(icon.hbmColor);
    DeleteObject(icon.hbmMask);
    EXPECT_STREQ(info.szName, "Tavimo");
    EXPECT_STREQ(info.szInfo, "Configures Tavimo USB Audio Settings");
    EXPECT_STREQ(info.szHelpFile, "");
    EXPECT_EQ(app.OnMessage(CPL_NEWINQUIRE, 0, 0), 0);  // no record: ignored
}

TEST_F(PanelAppTest, EachWayOfStartingOpensTheDialogOnce) {
    applet::CPanelApp app = App({});
    EXPECT_EQ(DialogsOpened(app, CPL_DBLCLK, 0), 1);
    // Answered as handled, so that no CPL_DBLCLK follows.
    EXPECT_EQ(DialogsOpened(app, CPL_STARTWPARMSA, TRUE), 1);
    // The wide form is left to CPL_DBLCLK, which the host sends next.
    EXPECT_EQ(DialogsOpened(app, CPL_STARTWPARMSW, 0), 0);
    for (UINT other : {UINT{CPL_SELECT}, UINT{CPL_STOP}, UINT{CPL_EXIT}, 0u, 11u, 0xFFFFu}) {
        EXPECT_EQ(DialogsOpened(app, other, 0), 0);
    }
}

}  // namespace
