// The language switched while the control center runs, as the applet does
// it: the name stored, then the texts-changed message posted to the frame.
// Every text follows, from the language libraries built beside the test.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "child_process.h"
#include "frame_harness.h"
#include "gen_text.h"
#include "item_access.h"
#include "language_table.h"
#include "main_frame.h"
#include "recording_desktop.h"
#include "scratch_registry.h"
#include "test_window.h"
#include "virtual_headset.h"

namespace {

using devices::VirtualHeadset;

const std::string kProduct = "Software\\Quorvel\\Tavimo\\";
constexpr int kBassLabel = 106;  // "#1017"
constexpr int kHeadphonePresetText = 113;

class LanguageSwitchTest : public ::testing::Test {
protected:
    void SetUp() override {
        machine.SetString(kProduct + "Directory", "Path", testing_support::PathBesideTest(""));
        Switch("English");
        headset = std::make_unique<VirtualHeadset>(VirtualHeadset::Family::Older, 400);
        frame = std::make_unique<tavimo::CMainFrame>(headset->Devices(), desktop);
        ASSERT_TRUE(frame_tests::OpenFrame(*frame));
    }
    void TearDown() override {
        if (frame) {
            frame_tests::CloseFrame(*frame);
        }
        // Later tests see the program's English again.
        machine.SetString(kProduct + "Language", "Value", "English");
        tavimo::Languages().Reload();
    }

    void Switch(const char* language) const {
        machine.SetString(kProduct + "Language", "Value", language);
        if (frame) {
            PostMessageA(frame->GetSafeHwnd(), tavimo::kTextsChangedMessage, 0, 0);
            testing_support::PumpMessages();
        }
    }
    std::string Label(int id) const {
        auto* text = tavimo::FindItem<skin::GenText>(frame->GetSafeHwnd(), id);
        return text != nullptr ? text->ShownText() : "<missing>";
    }
    int Width(int id) const {
        RECT r = {};
        GetWindowRect(GetDlgItem(frame->GetSafeHwnd(), id), &r);
        return r.right - r.left;
    }
    std::string ToolTip(int id) const {
        NMTTDISPINFOA info = {};
        info.hdr.idFrom = static_cast<UINT_PTR>(id);
        info.hdr.code = TTN_NEEDTEXTA;
        SendMessageA(frame->GetSafeHwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText == info.szText ? info.szText : "";
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    testing_support::RecordingDesktop desktop;
    std::unique_ptr<VirtualHeadset> headset;
    std::unique_ptr<tavimo::CMainFrame> frame;
};

TEST_F(LanguageSwitchTest, EveryTextFollowsTheLanguageAndAMissingLibraryGivesEnglish) {
    ASSERT_EQ(Label(kBassLabel), "Bass");
    const int englishWidth = Width(kBassLabel);
    EXPECT_EQ(ToolTip(1), "Mute Microphone");
    EXPECT_EQ(Label(kHeadphonePresetText), "None");

    Switch("German");
    EXPECT_EQ(Label(kBassLabel), "Tiefen");
    EXPECT_GT(Width(kBassLabel), englishWidth);  // the label fits its new text
    EXPECT_EQ(ToolTip(1), "Mikrofon stummschalten");
    EXPECT_EQ(Label(kHeadphonePresetText), "Keine");

    // Dutch is not installed beside the test: the program's own English.
    const std::string dutch = testing_support::PathBesideTest("TAVI_NL.dll");
    const std::string away = dutch + ".away";
    ASSERT_TRUE(MoveFileA(dutch.c_str(), away.c_str()));
    Switch("Dutch");
    MoveFileA(away.c_str(), dutch.c_str());
    EXPECT_EQ(Label(kBassLabel), "Bass");
    EXPECT_EQ(Width(kBassLabel), englishWidth);
    EXPECT_EQ(ToolTip(1), "Mute Microphone");
    EXPECT_EQ(Label(kHeadphonePresetText), "None");

    Switch("English");
    EXPECT_EQ(Label(kBassLabel), "Bass");
}

TEST_F(LanguageSwitchTest, HelpShowsTheTopicOfTheCurrentTabInTheStoredLanguage) {
    Switch("French");
    const std::string help = testing_support::PathBesideTest("") + "Help\\\\taviFrench.chm";
    SendMessageA(frame->GetSafeHwnd(), WM_COMMAND, 8, 0);
    SendMessageA(frame->GetSafeHwnd(), WM_COMMAND, 205, 0);  // the talk tab
    SendMessageA(frame->GetSafeHwnd(), WM_COMMAND, 8, 0);
    ASSERT_EQ(desktop.helpShown.size(), 2u);
    EXPECT_EQ(desktop.helpShown[0], help + "::/Headphone Settings.htm");
    EXPECT_EQ(desktop.helpShown[1], help + "::/Talk Settings.htm");
}

TEST_F(LanguageSwitchTest, ManySwitchesLeaveOneLanguageLibraryLoaded) {
    for (int i = 0; i < 100; ++i) {
        Switch(i % 2 == 0 ? "German" : "Italian");
    }
    EXPECT_NE(GetModuleHandleA("TAVI_IT.dll"), nullptr);
    EXPECT_EQ(GetModuleHandleA("TAVI_DE.dll"), nullptr);
    Switch("English");
    EXPECT_EQ(GetModuleHandleA("TAVI_IT.dll"), nullptr);
}

}  // namespace
