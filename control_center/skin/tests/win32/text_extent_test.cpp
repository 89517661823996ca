// The extent an item gives for its text is the extent of the text it
// paints: the ink of the painted text lies inside the extent, centred on the
// face, and fills it but for the glyphs' side bearings. Checks that texts
// fit their bitmaps rely on it, so a measurement in another font than the
// painting's (bold against normal, or none at all) must show here.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "di_button.h"
#include "di_dropdown.h"
#include "di_tabs.h"
#include "item_harness.h"
#include "skin_layout.h"
#include "test_window.h"

namespace {

using testing_support::Canvas;
using testing_support::WriteBitmapFile;

constexpr COLORREF kFace = RGB(20, 30, 40);
// What the side bearings of a text's first and last glyph may leave bare,
// or, where a glyph reaches back beyond its start ('J'), overhang.
constexpr int kBearings = 4;
constexpr int kOverhang = 2;

struct Files {
    std::string tab = WriteBitmapFile("x_tab.bmp", 160, 24, kFace);
    std::string box = WriteBitmapFile("x_box.bmp", 150, 22, kFace);
    std::string entry = WriteBitmapFile("x_entry.bmp", 150, 20, kFace);
    std::string button = WriteBitmapFile("x_button.bmp", 120, 26, kFace);
};
const Files& F() {
    static const Files files;
    return files;
}

// The box around the pixels that differ from the face within area.
RECT InkIn(const Canvas& canvas, const RECT& area) {
    RECT ink = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (canvas.Pixel(x, y) != kFace) {
                ink = {std::min(ink.left, static_cast<LONG>(x)),
                       std::min(ink.top, static_cast<LONG>(y)),
                       std::max(ink.right, static_cast<LONG>(x + 1)),
                       std::max(ink.bottom, static_cast<LONG>(y + 1))};
            }
        }
    }
    return ink;
}

// The text painted into area fills the extent, centred there.
void ExpectExtentOfInk(const Canvas& canvas, const RECT& area, skin::Size extent) {
    ASSERT_FALSE(extent.IsEmpty());
    const int left = area.left + (area.right - area.left - extent.width) / 2;
    const int top = area.top + (area.bottom - area.top - extent.height) / 2;
    const RECT ink = InkIn(canvas, area);
    EXPECT_GE(ink.left, left - kOverhang);
    EXPECT_LE(ink.right, left + extent.width + kOverhang);
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom, top + extent.height);
    EXPECT_GE(ink.right - ink.left, extent.width - kBearings);
}

class TextExtentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            layout.LoadText("[Layout]\r\n1=P\r\n[P]\r\nsize=400,200\r\n"
                            "201=DITabCtl,0,0,360,24," +
                            F().tab + "," + F().tab +
                            ",Tahoma,11,1,#FFFFFF,#FFFFFF,#FFFFFF,#FFFFFF\r\n"
                            "202=TabItem,Headphone Settings\r\n"
                            "302=DIDropDown,0,40," +
                            F().box + "," + F().entry +
                            ",Tahoma,11,0,#FFFFFF,#FFFFFF\r\n"
                            "351=DropDownItem,Jazz\r\n352=DropDownItem,Voice Recognition\r\n"
                            "309=DIButton,0,80,0,0," +
                            F().button + "," + F().button +
                            ",Tahoma,11,1,#FFFFFF,#FFFFFF,Speaker Test\r\n"
                            "310=DIButton,0,120,0,0," +
                            F().button + "," + F().button + "\r\n"));
    }
    template <typename Item>
    Item* ItemOf(int id) const {
        return dynamic_cast<Item*>(skin::DisplayItem::FromWindow(GetDlgItem(harness.Parent(), id)));
    }

    skin_testing::ItemHarness harness;
    skin::SkinLayout layout{harness.Parent()};
};

TEST_F(TextExtentTest, TabTextIsMeasuredInTheTabsBoldFont) {
    const auto* tab = ItemOf<skin::TabItem>(202);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->ShownText(), "Headphone Settings");
    Canvas canvas(160, 24);
    tab->Paint(canvas.dc());
    ExpectExtentOfInk(canvas, {0, 0, 160, 24}, tab->TextExtent());
}

TEST_F(TextExtentTest, ButtonLabelIsMeasuredInTheButtonsFont) {
    auto* button = ItemOf<skin::DIButton>(309);
    ASSERT_NE(button, nullptr);
    Canvas canvas(120, 26);
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.hwndItem = button->Window();
    draw.hDC = canvas.dc();
    draw.rcItem = {0, 0, 120, 26};
    button->OnDrawItem(draw);
    ExpectExtentOfInk(canvas, draw.rcItem, button->TextExtent());

    const auto* plain = ItemOf<skin::DIButton>(310);
    ASSERT_NE(plain, nullptr);
    EXPECT_TRUE(plain->TextExtent().IsEmpty());  // no label
}

TEST_F(TextExtentTest, BoxAndListMeasureTheEntriesTheyShow) {
    auto* box = ItemOf<skin::DIDropDown>(302);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->TextExtent().IsEmpty());  // nothing chosen yet
    box->SelectEntry(1);
    Canvas boxCanvas(150, 22);
    box->Paint(boxCanvas.dc());
    ExpectExtentOfInk(boxCanvas, {0, 0, 150, 22}, box->TextExtent());

    SendMessageA(box->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));  // lays out the list
    const skin::DropDownList& list = *box->List();
    Canvas listCanvas(150, 40);
    list.Paint(listCanvas.dc());
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        ExpectExtentOfInk(listCanvas, list.Items()[static_cast<std::size_t>(i)].rect,
                          list.TextExtent(i));
    }
    EXPECT_TRUE(list.TextExtent(2).IsEmpty());
    EXPECT_TRUE(list.TextExtent(-1).IsEmpty());
    SendMessageA(box->Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
}

}  // namespace
