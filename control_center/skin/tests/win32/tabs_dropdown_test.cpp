// Tab strips and drop-downs, loaded from layout lines and driven with the
// mouse.
#include <gtest/gtest.h>

#include <string>

#include "di_dropdown.h"
#include "di_tabs.h"
#include "item_harness.h"
#include "skin_layout.h"
#include "test_window.h"

namespace {

using skin_testing::ItemHarness;
using skin_testing::Posted;
using testing_support::WriteBitmapFile;
using Messages = std::vector<Posted>;

struct Files {
    std::string selected = WriteBitmapFile("t_tabsel.bmp", 40, 20, RGB(1, 1, 1));
    std::string normal = WriteBitmapFile("t_tab.bmp", 40, 18, RGB(2, 2, 2));
    std::string box = WriteBitmapFile("t_box.bmp", 60, 12, RGB(3, 3, 3));
    std::string entry = WriteBitmapFile("t_entry.bmp", 60, 10, RGB(4, 4, 4));
};
const Files& F() {
    static const Files files;
    return files;
}

template <typename Item>
Item* ItemOf(HWND parent, int id) {
    return dynamic_cast<Item*>(skin::DisplayItem::FromWindow(GetDlgItem(parent, id)));
}

void Send(HWND window, UINT message, int x, int y) {
    SendMessageA(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

Posted Command(int id) {
    return {WM_COMMAND, static_cast<WPARAM>(id), 0};
}

class TabsTest : public ::testing::Test {
protected:
    void Load(const std::string& font = "Tahoma,11,1") {
        ASSERT_TRUE(
            layout.LoadText("[Layout]\r\n1=P\r\n[P]\r\nsize=400,100\r\n"
                            "201=DITabCtl,10,5,360,22," +
                            F().selected + "," + F().normal + "," + font +
                            ",#FFFFFF,#808080,#000000,#00FF00\r\n"
                            "202=TabItem,One\r\n203=TabItem,Two\r\n204=TabItem,Three\r\n"));
    }
    skin::TabItem* Tab(int id) { return ItemOf<skin::TabItem>(harness.Parent(), id); }
    void Click(int id) {
        Send(Tab(id)->Window(), WM_LBUTTONDOWN, 3, 3);
        Send(Tab(id)->Window(), WM_LBUTTONUP, 3, 3);
    }

    ItemHarness harness;
    skin::SkinLayout layout{harness.Parent()};
};

TEST_F(TabsTest, FirstTabIsSelectedAndTabsSitSideBySide) {
    Load();
    EXPECT_TRUE(Tab(202)->IsSelected());
    EXPECT_EQ(Tab(202)->CurrentColour(), RGB(255, 255, 255));
    EXPECT_EQ(Tab(203)->CurrentColour(), RGB(0, 0, 0));  // never selected or hovered
    RECT r;
    GetWindowRect(Tab(203)->Window(), &r);
    MapWindowPoints(nullptr, harness.Parent(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10 + 40);
    EXPECT_EQ(r.top, 5);
    EXPECT_EQ(r.bottom - r.top, 18);  // the normal tab's height
}

TEST_F(TabsTest, ClickSelectsThenTellsTheFrame) {
    Load();
    Click(203);
    EXPECT_EQ(harness.Received(), (Messages{Command(203)}));
    EXPECT_TRUE(Tab(203)->IsSelected());
    EXPECT_FALSE(Tab(202)->IsSelected());
    EXPECT_EQ(Tab(202)->CurrentColour(), RGB(0x80, 0x80, 0x80));
    harness.Clear();
    Click(203);  // the selected tab takes no press
    EXPECT_TRUE(harness.Received().empty());
}

TEST_F(TabsTest, PressOnOneTabAndReleaseOnAnotherDoesNothing) {
    Load();
    Send(Tab(203)->Window(), WM_LBUTTONDOWN, 3, 3);
    Send(Tab(203)->Window(), WM_LBUTTONUP, 300, 3);  // released outside it
    Send(Tab(204)->Window(), WM_LBUTTONUP, 3, 3);    // on a tab that was not pressed
    EXPECT_TRUE(harness.Received().empty());
    EXPECT_TRUE(Tab(202)->IsSelected());
}

TEST_F(TabsTest, HoverTakesTheMouseAndGivesItBack) {
    Load();
    Send(Tab(204)->Window(), WM_MOUSEMOVE, 3, 3);
    EXPECT_EQ(Tab(204)->CurrentColour(), RGB(0, 255, 0));
    EXPECT_EQ(GetCapture(), Tab(204)->Window());
    Send(Tab(204)->Window(), WM_MOUSEMOVE, -5, 3);
    EXPECT_EQ(Tab(204)->CurrentColour(), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TabsTest, ATabLeftWhileSelectedHighlightsAtTheNextHover) {
    Load();
    Send(Tab(203)->Window(), WM_MOUSEMOVE, 3, 3);  // hovered, then chosen
    Click(203);
    Click(204);
    EXPECT_EQ(harness.Received(), (Messages{Command(203), Command(204)}));
    EXPECT_EQ(Tab(203)->CurrentColour(), RGB(0x80, 0x80, 0x80));
    Send(Tab(203)->Window(), WM_MOUSEMOVE, 3, 3);
    EXPECT_EQ(Tab(203)->CurrentColour(), RGB(0, 255, 0));
    Send(Tab(203)->Window(), WM_MOUSEMOVE, -5, 3);
}

TEST_F(TabsTest, StripWithoutAFontLeavesItsTabsMute) {
    Load(",0,0");
    Click(203);
    EXPECT_TRUE(harness.Received().empty());
}

class DropDownTest : public ::testing::Test {
protected:
    void Load(int y = 20) {
        ASSERT_TRUE(
            layout.LoadText("[Layout]\r\n1=P\r\n[P]\r\nsize=400,400\r\n"
                            "351=DropDownItem,orphan\r\n"
                            "302=DIDropDown,10," +
                            std::to_string(y) + "," + F().box + "," + F().entry +
                            ",Tahoma,11,0,#FFFFFF,#2FA4E7\r\n"
                            "352=DropDownItem,A\r\n353=DropDownItem,B\r\n354=DropDownItem,C\r\n"));
        box = ItemOf<skin::DIDropDown>(harness.Parent(), 302);
        ASSERT_NE(box, nullptr);
        list = box->List()->GetSafeHwnd();
    }
    void Open() {
        Send(box->Window(), WM_LBUTTONDOWN, 5, 5);
        Send(box->Window(), WM_LBUTTONUP, 5, 5);
    }
    RECT ListRect() const {
        RECT r;
        GetWindowRect(list, &r);
        return r;
    }

    ItemHarness harness;
    skin::SkinLayout layout{harness.Parent()};
    skin::DIDropDown* box = nullptr;
    HWND list = nullptr;
};

TEST_F(DropDownTest, OpensBelowTheBoxHoldingTheMouse) {
    Load();
    EXPECT_EQ(box->List()->Items().size(), 3u);  // the entry before the box is dropped
    Open();
    EXPECT_TRUE(box->IsOpen());
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), list);
    RECT boxRect;
    GetWindowRect(box->Window(), &boxRect);
    const RECT r = ListRect();
    EXPECT_EQ(r.left, boxRect.left);
    EXPECT_EQ(r.top, boxRect.bottom);
    EXPECT_EQ(r.bottom - r.top, 30);
}

TEST_F(DropDownTest, PickTellsTheFrameAndCloses) {
    Load();
    Open();
    Send(list, WM_LBUTTONDOWN, 5, 15);
    Send(list, WM_LBUTTONUP, 6, 16);
    EXPECT_EQ(harness.Received(), (Messages{Command(353)}));
    EXPECT_FALSE(box->IsOpen());
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(box->CurrentText(), "B");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DropDownTest, PressOnOneEntryAndReleaseOnAnotherPicksNothing) {
    Load();
    Open();
    Send(list, WM_LBUTTONDOWN, 5, 5);
    Send(list, WM_LBUTTONUP, 5, 25);
    EXPECT_TRUE(harness.Received().empty());
    EXPECT_TRUE(IsWindowVisible(list));  // still shown, without the mouse
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(box->CurrentText(), "");
    SendMessageA(box->Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_TRUE(harness.Received().empty());
}

TEST_F(DropDownTest, ClickOutsideCancelsWithoutTellingTheFrame) {
    Load();
    Open();
    Send(list, WM_LBUTTONDOWN, -40, -40);
    EXPECT_TRUE(harness.Received().empty());
    EXPECT_FALSE(box->IsOpen());
    EXPECT_FALSE(IsWindowVisible(list));
}

TEST_F(DropDownTest, DisablingTheBoxClosesItsListAndForgetsThePress) {
    Load();
    Open();
    Send(list, WM_MOUSEMOVE, 5, 15);
    Send(list, WM_LBUTTONDOWN, 5, 15);  // held down on B
    EnableWindow(box->Window(), FALSE);
    EXPECT_FALSE(box->IsOpen());
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), nullptr);
    Send(list, WM_LBUTTONUP, 5, 15);  // the button comes up where B was
    EXPECT_TRUE(harness.Received().empty());
    EXPECT_EQ(box->CurrentText(), "");

    EnableWindow(box->Window(), TRUE);
    Open();
    EXPECT_TRUE(box->IsOpen());
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), list);
    Send(list, WM_LBUTTONDOWN, 5, 25);
    Send(list, WM_LBUTTONUP, 5, 25);
    EXPECT_EQ(harness.Received(), (Messages{Command(354)}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DropDownTest, DisablingAClosedBoxKeepsItsChoice) {
    Load();
    box->SelectEntry(1);
    EnableWindow(box->Window(), FALSE);
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(box->CurrentText(), "B");
    EXPECT_TRUE(harness.Received().empty());
}

TEST_F(DropDownTest, OpensUpwardsWithoutRoomBelow) {
    Load();
    const int screen = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(harness.Parent(), nullptr, 0, screen - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Open();
    RECT boxRect;
    GetWindowRect(box->Window(), &boxRect);
    EXPECT_EQ(ListRect().bottom, boxRect.top);
}

TEST_F(DropDownTest, FrameSelectsEntriesWithinRange) {
    Load();
    EXPECT_EQ(box->SelectEntry(2), 2);
    EXPECT_EQ(box->CurrentText(), "C");
    EXPECT_EQ(box->SelectEntry(3), 2);
    EXPECT_EQ(box->SelectEntry(-1), 2);
    EXPECT_TRUE(harness.Received().empty());
}

}  // namespace
