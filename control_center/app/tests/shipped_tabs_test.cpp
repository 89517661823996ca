// The tabs of the shipped layouts, painted in every state the mouse can put
// them in: never hovered, hovered, left again, selected, and deselected.
// In each, the text stands out from the tab face under it by a contrast of
// at least 4.5:1 (relative luminance, as the web's accessibility guidelines
// measure it), so the art and the layouts' colours keep every tab readable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "di_tabs.h"
#include "layout_doc.h"
#include "layout_fields.h"
#include "skin_layout.h"
#include "test_window.h"

namespace {

using testing_support::Canvas;

constexpr double kLeastContrast = 4.5;

double Linear(BYTE channel) {
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(COLORREF colour) {
    return 0.2126 * Linear(GetRValue(colour)) + 0.7152 * Linear(GetGValue(colour)) +
           0.0722 * Linear(GetBValue(colour));
}

double Contrast(COLORREF one, COLORREF other) {
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The faces the strip lends its tabs: the selected and the normal bitmap.
struct Faces {
    HBITMAP selected = nullptr;
    HBITMAP normal = nullptr;
};

Faces FacesOf(std::string_view layoutText, skin::BitmapCache& bitmaps) {
    const skin::LayoutDoc doc = skin::ReadLayoutText(layoutText);
    for (const skin::LayoutSection& section : doc.Sections()) {
        for (const skin::LayoutEntry& entry : section.entries) {
            if (entry.Value(0) == "DITabCtl") {
                const skin::BitmapFields fields(entry.Value(5));
                return {bitmaps.Get(fields.Read(entry.Value(5))),
                        bitmaps.Get(fields.Read(entry.Value(6)))};
            }
        }
    }
    return {};
}

// The text of a painted tab: the pixels it changed on the face, and the
// colour most of them have (text is smoothed: its edges blend into the face,
// its strokes show the text colour itself), with the least contrast that
// colour has against the face under it.
struct TextPixels {
    int drawn = 0;
    COLORREF colour = 0;
    int solid = 0;
    double contrast = 0;
};

TextPixels MeasureText(const skin::TabItem& tab, HBITMAP face) {
    const skin::Size size = skin::BitmapSize(face);
    Canvas painted(size.width, size.height);
    Canvas bare(size.width, size.height);
    tab.Paint(painted.dc());
    skin::DrawBitmap(bare.dc(), face, 0, 0);
    std::map<COLORREF, int> counts;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            if (painted.Pixel(x, y) != bare.Pixel(x, y)) {
                ++counts[painted.Pixel(x, y)];
            }
        }
    }
    TextPixels text;
    for (const auto& [colour, count] : counts) {
        text.drawn += count;
        if (count > text.solid) {
            text.colour = colour;
            text.solid = count;
        }
    }
    text.contrast = 21;  // the most there is: black on white
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            if (painted.Pixel(x, y) == text.colour && bare.Pixel(x, y) != text.colour) {
                text.contrast = std::min(text.contrast, Contrast(text.colour, bare.Pixel(x, y)));
            }
        }
    }
    return text;
}

class ShippedTabsTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ASSERT_TRUE(layout.Load(GetParam()));
        faces = FacesOf(skin::LayoutResourceText(GetParam()), bitmaps);
        ASSERT_NE(faces.selected, nullptr);
        ASSERT_NE(faces.normal, nullptr);
        for (const auto& panel : layout.Panels()) {
            panel->ForEachItem([this](const skin::DisplayItem& item) {
                if (const auto* tab = dynamic_cast<const skin::TabItem*>(&item)) {
                    tabs.push_back(tab);
                }
            });
        }
        ASSERT_GE(tabs.size(), 2u);
    }

    void ExpectReadable(const skin::TabItem& tab, const char* state) const {
        const TextPixels text = MeasureText(tab, tab.IsSelected() ? faces.selected : faces.normal);
        SCOPED_TRACE(std::string(state) + " tab " + std::to_string(tab.ElementId()));
        ASSERT_GT(text.drawn, 0) << "no text";
        EXPECT_GE(text.solid * 4, text.drawn) << "the text has no colour of its own";
        EXPECT_GE(text.contrast, kLeastContrast) << std::hex << "text colour 0x" << text.colour;
    }

    static void Send(const skin::TabItem& tab, UINT message, int x) {
        SendMessageA(tab.Window(), message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                     MAKELPARAM(x, 3));
        testing_support::PumpMessages();
    }

    testing_support::OwnerWindow owner;
    skin::BitmapCache bitmaps;  // the faces, loaded apart from the layout's
    skin::SkinLayout layout{owner.get()};
    Faces faces;
    std::vector<const skin::TabItem*> tabs;
};

TEST_P(ShippedTabsTest, TextStandsOutFromTheTabInEveryState) {
    ASSERT_TRUE(tabs.front()->IsSelected());
    ExpectReadable(*tabs.front(), "first selected");
    for (std::size_t i = 1; i < tabs.size(); ++i) {
        const skin::TabItem& tab = *tabs[i];
        ExpectReadable(tab, "never hovered");
        Send(tab, WM_MOUSEMOVE, 3);
        ExpectReadable(tab, "hovered");
        Send(tab, WM_MOUSEMOVE, -5);
        ExpectReadable(tab, "left");
        Send(tab, WM_LBUTTONDOWN, 3);
        Send(tab, WM_LBUTTONUP, 3);
        ASSERT_TRUE(tab.IsSelected());
        ExpectReadable(tab, "selected");
        ExpectReadable(*tabs[i - 1], "deselected");
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, ShippedTabsTest, ::testing::Values(12001, 12002, 12003));

}  // namespace
