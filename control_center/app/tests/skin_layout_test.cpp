// Loading layout texts into panels and items, switching configurations and
// control sets, painting, and what bad layouts do.
#include "skin_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "test_window.h"

namespace {

using skin::SkinLayout;
using testing_support::Canvas;
using testing_support::CountChildren;
using testing_support::OwnerWindow;

// Three panels of the given sizes with graphics in two control sets of the
// middle one; full, reduced and mini configurations.
std::string ThreePanels(const std::string& topBackground = "size=100,20") {
    return "[Layout]\r\n1=Top\r\n2=Middle\r\n3=Bottom\r\n"
           "[Config]\r\n1=1,2,3\r\n2=1,3\r\n3=1\r\n"
           "[Top]\r\n" +
           topBackground +
           "\r\n"
           "[Middle]\r\nsize=120,30\r\n"
           "21=DIGraphic,0,0,#1\r\n"
           "22=DIGraphic,10,5,#1\r\n"
           "controlset=2\r\n"
           "23=DIGraphic,0,0,#1\r\n"
           "[Bottom]\r\nsize=80,10\r\n";
}

bool Visible(HWND owner, int id) {
    return IsWindowVisible(GetDlgItem(owner, id)) != FALSE;
}

class SkinLayoutTest : public ::testing::Test {
protected:
    // Visibility is judged on the items alone, so the owner is shown.
    void SetUp() override { ShowWindow(owner.get(), SW_SHOWNOACTIVATE); }

    OwnerWindow owner;
    SkinLayout layout{owner.get()};
};

TEST_F(SkinLayoutTest, PanelsStackAndItemsSitAtTheirPanelsOrigins) {
    ASSERT_TRUE(layout.LoadText(ThreePanels()));
    ASSERT_EQ(layout.Panels().size(), 3u);
    EXPECT_EQ(CountChildren(owner.get()), 3);
    RECT item;
    GetWindowRect(GetDlgItem(owner.get(), 22), &item);
    MapWindowPoints(nullptr, owner.get(), reinterpret_cast<POINT*>(&item), 2);
    EXPECT_EQ(item.left, 10);
    EXPECT_EQ(item.top, 20 + 5);
}

TEST_F(SkinLayoutTest, ConfigurationsShowAndHideTheirPanelsItems) {
    ASSERT_TRUE(layout.LoadText(ThreePanels()));
    // After loading, set 1 of every panel is shown, whatever is configured.
    EXPECT_TRUE(Visible(owner.get(), 21));
    EXPECT_FALSE(Visible(owner.get(), 23));
    EXPECT_EQ(layout.NextConfig(), 0);
    EXPECT_EQ(layout.BoundingSize(), (skin::Size{120, 60}));
    EXPECT_TRUE(Visible(owner.get(), 21));
    EXPECT_EQ(layout.NextConfig(), 1);
    EXPECT_FALSE(Visible(owner.get(), 21));
    EXPECT_EQ(layout.BoundingSize(), (skin::Size{100, 30}));
    EXPECT_EQ(layout.SelectConfig(5), -1);
    EXPECT_EQ(layout.SelectConfig(0), 0);
    EXPECT_TRUE(Visible(owner.get(), 22));
}

TEST_F(SkinLayoutTest, ControlSetsSwitchEvenWhileTheirPanelIsHidden) {
    ASSERT_TRUE(layout.LoadText(ThreePanels()));
    layout.SelectConfig(1);  // middle panel hidden
    EXPECT_TRUE(layout.SwitchControlSet(2, 2));
    EXPECT_TRUE(Visible(owner.get(), 23));
    EXPECT_FALSE(Visible(owner.get(), 21));
    layout.SelectConfig(0);
    EXPECT_TRUE(Visible(owner.get(), 23));
    EXPECT_FALSE(Visible(owner.get(), 22));
    EXPECT_FALSE(layout.SwitchControlSet(9, 1));
}

TEST_F(SkinLayoutTest, ShownPanelsPaintStackedWithoutGaps) {
    const std::string red =
        testing_support::WriteBitmapFile("tavimo_red.bmp", 100, 20, RGB(255, 0, 0));
    const std::string blue =
        testing_support::WriteBitmapFile("tavimo_blue.bmp", 80, 10, RGB(0, 0, 255));
    std::string text = ThreePanels("background=" + red);
    text.replace(text.find("[Bottom]\r\nsize=80,10"), 20, "[Bottom]\r\nbackground=" + blue);
    ASSERT_TRUE(layout.LoadText(text));
    layout.SelectConfig(1);  // top and bottom: the bottom panel paints right below the top
    Canvas canvas(120, 60);
    layout.Paint(canvas.dc());
    EXPECT_EQ(canvas.Pixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(canvas.Pixel(5, 25), RGB(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(5, 45), RGB(0, 0, 0));  // the middle panel has no background
    DeleteFileA(red.c_str());
    DeleteFileA(blue.c_str());
}

TEST_F(SkinLayoutTest, LayoutsThatCannotBeBuiltLeaveNothing) {
    const char* bad[] = {
        "",
        "[Top]\r\nsize=10,10\r\n",                                // no [Layout]
        "[Layout]\r\n1=Top\r\n",                                  // no panel section
        "[Layout]\r\n1=Top\r\n2=\r\n[Top]\r\nsize=9,9\r\n",       // panel without section name
        "[Layout]\r\n1=Top\r\n[Top]\r\n21=DIGraphic,0,0,#1\r\n",  // no size
        "[Layout]\r\n1=Top\r\n[Top]\r\nbackground=#31999\r\n",    // background that does not load
        "[Layout]\r\n1=Top\r\n[Top]\r\nsize=0,0\r\n",             // empty size
        "[Layout]\r\n1=Top\r\n[Config]\r\n1=1\r\n2=1,,3\r\n[Top]\r\nsize=9,9\r\n",
        "[Layout]\r\n1=Top\r\n[Config]\r\n4\r\n[Top]\r\nsize=9,9\r\n",
        "[Layout]\r\n1=Top\r\n[Config]\r\n[Top]\r\nsize=9,9\r\n",  // no configuration
        "[Layout]\r\nbackground=#1\r\n",                           // no panels
    };
    for (const char* text : bad) {
        ASSERT_TRUE(layout.LoadText(ThreePanels()));
        EXPECT_FALSE(layout.LoadText(text)) << text;
        EXPECT_TRUE(layout.Panels().empty());
        EXPECT_EQ(CountChildren(owner.get()), 0) << text;
        EXPECT_EQ(layout.NextConfig(), -1);
    }
}

TEST_F(SkinLayoutTest, FailedElementLinesAreSkippedWhereverTheyStand) {
    ASSERT_TRUE(
        layout.LoadText("[Layout]\r\n1=Top\r\n[Top]\r\nsize=50,50\r\n"
                        "21=DIKnob,0,0\r\n"
                        "22=DIGraphic,0,0,#1\r\n"
                        "23=DIGraphic,0,0\r\n"
                        "0=DIGraphic,0,0,#1\r\n"
                        "24=DIGraphic\r\n"));
    EXPECT_EQ(CountChildren(owner.get()), 1);
    EXPECT_NE(GetDlgItem(owner.get(), 22), nullptr);
}

// The top corner of an item in its owner's client area.
POINT Corner(HWND owner, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(owner, id), &r);
    MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&r), 1);
    return {r.left, r.top};
}

TEST_F(SkinLayoutTest, PositionsFarOutStayFarOut) {
    const std::string tab =
        testing_support::WriteBitmapFile("tavimo_tab.bmp", 40, 20, RGB(1, 2, 3));
    ASSERT_TRUE(
        layout.LoadText("[Layout]\r\n1=Top\r\n2=Bottom\r\n[Top]\r\nsize=100,20\r\n"
                        "[Bottom]\r\nsize=100,20\r\n"
                        "21=DIGraphic,0,2147483647,#1\r\n"
                        "201=DITabCtl,2147483647,0,360,22," +
                        tab + "," + tab + ",Tahoma,11,1,#FFFFFF,#808080,#000000,#00FF00\r\n" +
                        "202=TabItem,One\r\n203=TabItem,Two\r\n"));
    // Origin plus offset saturates instead of wrapping round to the far side.
    EXPECT_GT(Corner(owner.get(), 21).y, 0);
    EXPECT_GT(Corner(owner.get(), 203).x, 0);
    DeleteFileA(tab.c_str());
}

// A layout whose panels and items show two bitmap files, each several times.
class SharedBitmapsTest : public SkinLayoutTest {
protected:
    void SetUp() override {
        SkinLayoutTest::SetUp();
        baseline = tavimo::UniqueBitmap::Live();
    }
    void TearDown() override {
        layout.Clear();
        DeleteFileA(face.c_str());
        DeleteFileA(knob.c_str());
    }
    std::string Text() const {
        return "[Layout]\r\n1=Top\r\n2=Bottom\r\n"
               "[Top]\r\nbackground=" +
               face +
               "\r\n"
               "21=DIGraphic,0,0," +
               knob + "\r\n22=DIGraphic,10,0," + knob + "\r\n3=DIButton,20,0,0,0," + knob + "," +
               face +
               "\r\n"
               "controlset=2\r\n23=DIGraphic,0,0," +
               knob +
               "\r\n"
               "[Bottom]\r\nbackground=" +
               face + "\r\n";
    }
    HBITMAP Shown(int id) const {
        return reinterpret_cast<HBITMAP>(
            SendMessageA(GetDlgItem(owner.get(), id), STM_GETIMAGE, IMAGE_BITMAP, 0));
    }

    std::string face = testing_support::WriteBitmapFile("tavimo_face.bmp", 100, 20, RGB(1, 2, 3));
    std::string knob = testing_support::WriteBitmapFile("tavimo_knob.bmp", 8, 8, RGB(4, 5, 6));
    int baseline = 0;
};

TEST_F(SharedBitmapsTest, EachBitmapIsLoadedOnceForAllThatShowIt) {
    ASSERT_TRUE(layout.LoadText(Text()));
    EXPECT_EQ(tavimo::UniqueBitmap::Live(), baseline + 2);
    EXPECT_NE(Shown(21), nullptr);
    EXPECT_EQ(Shown(22), Shown(21));
    EXPECT_EQ(Shown(23), Shown(21));
    EXPECT_EQ(layout.Panels()[1]->Background(), layout.Panels()[0]->Background());
}

TEST_F(SharedBitmapsTest, ReloadsKeepNoWindowOrBitmap) {
    ASSERT_TRUE(layout.LoadText(Text()));
    const int windows = CountChildren(owner.get());
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(layout.LoadText(Text()));
        layout.NextConfig();
    }
    EXPECT_EQ(CountChildren(owner.get()), windows);
    EXPECT_EQ(tavimo::UniqueBitmap::Live(), baseline + 2);
    layout.Clear();
    EXPECT_EQ(CountChildren(owner.get()), 0);
    EXPECT_EQ(tavimo::UniqueBitmap::Live(), baseline);
}

TEST_F(SharedBitmapsTest, AFailedLoadKeepsNoBitmap) {
    ASSERT_TRUE(layout.LoadText(Text()));
    EXPECT_FALSE(layout.LoadText(Text() + "[Layout]\r\n3=Missing\r\n"));
    EXPECT_EQ(CountChildren(owner.get()), 0);
    EXPECT_EQ(tavimo::UniqueBitmap::Live(), baseline);
}

}  // namespace
