// Every translated text in its place. In each of the three layouts and each
// of the six languages, on every page and in every configuration, with every
// preset picked and every test status shown: no label covers another item
// of its panel or runs off the panel, and every tab, drop-down and button
// text fits its bitmap, measured with the item's own font.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "child_process.h"
#include "di_button.h"
#include "di_dropdown.h"
#include "di_tabs.h"
#include "element_ids.h"
#include "frame_harness.h"
#include "gen_text.h"
#include "item_text.h"
#include "language_table.h"
#include "main_frame.h"
#include "recording_desktop.h"
#include "scratch_registry.h"
#include "sound_tests.h"
#include "test_window.h"
#include "virtual_headset.h"

namespace {

using devices::VirtualHeadset;

const std::string kProduct = "Software\\Quorvel\\Tavimo\\";

// A text keeps this far from either side of its face: the faces have a
// 1 px border and rounded corners.
constexpr int kEdge = 3;
// The drop-down box's chevron takes its right 17 px; the centred text keeps
// clear of it, and so as far from the left.
constexpr int kChevron = 17;

constexpr int kEnlargeReduce = 998;
constexpr int kFirstTab = 202;
constexpr int kPages = 4;

struct LayoutCase {
    int layout;
    VirtualHeadset::Family family;
    int model;
};

const LayoutCase kLayouts[] = {
    {12001, VirtualHeadset::Family::Older, 400},
    {12002, VirtualHeadset::Family::Older, 200},
    {12003, VirtualHeadset::Family::Newer, 300},
};

struct Language {
    const char* name;
    const char* library;  // loaded while the language is in use
};

void PrintTo(const LayoutCase& layout, std::ostream* out) {
    *out << "layout " << layout.layout;
}

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.name;
}

const Language kLanguages[] = {
    {"English", "TAVI_EN.dll"}, {"Dutch", "TAVI_NL.dll"},   {"French", "TAVI_FR.dll"},
    {"German", "TAVI_DE.dll"},  {"Italian", "TAVI_IT.dll"}, {"Spanish", "TAVI_ES.dll"},
};

// An item's window in the frame's client coordinates.
RECT PlaceOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool IsShown(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string Describe(const RECT& rect) {
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

// The text's extent fits the face of the given size, kept in from both sides
// by edge.
void ExpectFits(int id, const std::string& text, skin::Size extent, skin::Size face, int edge) {
    EXPECT_LE(extent.width + 2 * edge, face.width)
        << "item " << id << " \"" << text << "\" is " << extent.width << " px wide; its "
        << face.width << " px face leaves " << face.width - 2 * edge;
    EXPECT_LE(extent.height, face.height) << "item " << id << " \"" << text << "\" is "
                                          << extent.height << " px high; its face " << face.height;
}

skin::Size SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

class TextsFitTest : public ::testing::TestWithParam<std::tuple<LayoutCase, Language>> {
protected:
    void SetUp() override {
        const auto& [layout, language] = GetParam();
        machine.SetString(kProduct + "Directory", "Path", testing_support::PathBesideTest(""));
        machine.SetString(kProduct + "Language", "Value", "English");
        headset = std::make_unique<VirtualHeadset>(layout.family, layout.model);
        frame = std::make_unique<tavimo::CMainFrame>(headset->Devices(), desktop);
        ASSERT_TRUE(frame_tests::OpenFrame(*frame));
        ASSERT_EQ(frame->LayoutId(), layout.layout);
        RememberEnglishLabels();
        // As the applet switches it: the name stored, then the frame told.
        machine.SetString(kProduct + "Language", "Value", language.name);
        PostMessageA(Frame(), tavimo::kTextsChangedMessage, 0, 0);
        testing_support::PumpMessages();
        ASSERT_NE(GetModuleHandleA(language.library), nullptr) << language.name << " is not loaded";
    }
    void TearDown() override {
        if (frame) {
            frame_tests::CloseFrame(*frame);
        }
        // Later tests see the program's English again.
        machine.SetString(kProduct + "Language", "Value", "English");
        tavimo::Languages().Reload();
    }

    HWND Frame() const { return frame->GetSafeHwnd(); }

    // Where each label's English text ends: a translation may cover what
    // the English layout already covers, and no more.
    void RememberEnglishLabels() {
        for (const auto& panel : frame->Layout().Panels()) {
            panel->ForEachItem([this](const skin::DisplayItem& item) {
                if (dynamic_cast<const skin::GenText*>(&item) != nullptr) {
                    // A hidden label's window has no size until first shown.
                    englishRight[item.ElementId()] =
                        PlaceOf(item.Window()).left + item.ItemSize().width;
                }
            });
        }
    }

    void Command(int id) const {
        SendMessageA(Frame(), WM_COMMAND, static_cast<WPARAM>(id), 0);
        testing_support::PumpMessages();
    }

    // Checks the items shown at this moment, panel by panel.
    void ExpectEverythingFits(const std::string& where) const {
        SCOPED_TRACE(where);
        int top = 0;  // panels sit at their load-time origins, stacked in order
        for (const auto& panel : frame->Layout().Panels()) {
            const skin::Size size = panel->GetSize();
            const RECT area = {0, top, size.width, top + size.height};
            top += size.height;
            if (panel->IsShown()) {
                ExpectPanelFits(*panel, area);
            }
        }
    }

    void ExpectPanelFits(const skin::SkinPanel& panel, const RECT& area) const {
        std::vector<const skin::DisplayItem*> shown;
        panel.ForEachItem([&shown](const skin::DisplayItem& item) {
            if (IsShown(item.Window())) {
                shown.push_back(&item);
            }
        });
        for (const skin::DisplayItem* item : shown) {
            if (const auto* label = dynamic_cast<const skin::GenText*>(item)) {
                ExpectLabelInPlace(*label, area, shown);
            } else if (const auto* tab = dynamic_cast<const skin::TabItem*>(item)) {
                ExpectFits(tab->ElementId(), tab->ShownText(), tab->TextExtent(),
                           SizeOf(PlaceOf(tab->Window())), kEdge);
            } else if (const auto* button = dynamic_cast<const skin::DIButton*>(item)) {
                ExpectFits(button->ElementId(), button->ShownText(), button->TextExtent(),
                           SizeOf(PlaceOf(button->Window())), kEdge);
            } else if (const auto* box = dynamic_cast<const skin::DIDropDown*>(item)) {
                ExpectFits(box->ElementId(), skin::ResolveText(box->CurrentText()),
                           box->TextExtent(), SizeOf(PlaceOf(box->Window())), kChevron);
            }
        }
    }

    void ExpectLabelInPlace(const skin::GenText& label, const RECT& area,
                            const std::vector<const skin::DisplayItem*>& shown) const {
        const RECT place = PlaceOf(label.Window());
        if (IsRectEmpty(&place)) {
            return;  // no text yet
        }
        const std::string name = "label " + std::to_string(label.ElementId()) + " \"" +
                                 label.ShownText() + "\" at " + Describe(place);
        RECT inside;
        IntersectRect(&inside, &place, &area);
        EXPECT_TRUE(EqualRect(&inside, &place)) << name << " runs off its panel " << Describe(area);
        RECT english = place;
        english.right = englishRight.at(label.ElementId());
        for (const skin::DisplayItem* other : shown) {
            const RECT otherPlace = PlaceOf(other->Window());
            RECT common;
            if (other == &label || !IntersectRect(&common, &place, &otherPlace)) {
                continue;
            }
            const bool asInEnglish =
                place.right <= english.right && IntersectRect(&common, &english, &otherPlace);
            EXPECT_TRUE(asInEnglish)
                << name << " covers item " << other->ElementId() << " at " << Describe(otherPlace)
                << " (the English text ends at x " << english.right << ")";
        }
    }

    // Opens each shown drop-down of the page, checks its entries, and picks
    // every entry in turn with the mouse, checking what the pick shows.
    void PickEveryEntry(const std::string& where) const {
        for (const int id : {tavimo::element::kHeadphonePresets, tavimo::element::kMicPresets}) {
            const HWND box = GetDlgItem(Frame(), id);
            if (box == nullptr || !IsShown(box)) {
                continue;
            }
            const auto* item =
                dynamic_cast<const skin::DIDropDown*>(skin::DisplayItem::FromWindow(box));
            ASSERT_NE(item, nullptr);
            ASSERT_NE(item->List(), nullptr);
            const skin::DropDownList& list = *item->List();
            for (std::size_t i = 0; i < list.Items().size(); ++i) {
                SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
                testing_support::PumpMessages();
                ASSERT_TRUE(item->IsOpen());
                const skin::DropDownItem& entry = list.Items()[i];
                ExpectFits(entry.elementId, skin::ResolveText(entry.written),
                           list.TextExtent(static_cast<int>(i)), SizeOf(entry.rect), kEdge);
                const LPARAM middle = MAKELPARAM((entry.rect.left + entry.rect.right) / 2,
                                                 (entry.rect.top + entry.rect.bottom) / 2);
                SendMessageA(list.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
                SendMessageA(list.GetSafeHwnd(), WM_LBUTTONUP, 0, middle);
                testing_support::PumpMessages();
                ASSERT_EQ(list.Selected(), static_cast<int>(i));
                ExpectEverythingFits(where + ", entry " + std::to_string(entry.elementId) +
                                     " picked");
            }
        }
    }

    // Shows each status the speaker and microphone tests show.
    void ShowEveryStatus(const std::string& where) const {
        auto* status = dynamic_cast<skin::GenText*>(
            skin::DisplayItem::FromWindow(GetDlgItem(Frame(), tavimo::element::kTestStatus)));
        ASSERT_NE(status, nullptr);
        for (const UINT id : {headset::kRecordingSample, headset::kPlayingSample}) {
            status->SetText("#" + std::to_string(id));
            ExpectEverythingFits(where + ", status " + std::to_string(id));
        }
        status->SetText(" ");
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    testing_support::RecordingDesktop desktop;
    std::unique_ptr<VirtualHeadset> headset;
    std::unique_ptr<tavimo::CMainFrame> frame;
    std::map<int, LONG> englishRight;  // by element id
};

TEST_P(TextsFitTest, EveryTextFitsOnEveryPageAndInEveryConfiguration) {
    const std::string in = "layout " + std::to_string(std::get<0>(GetParam()).layout) + ", " +
                           std::get<1>(GetParam()).name;
    ShowEveryStatus(in);
    for (int page = 1; page <= kPages; ++page) {
        Command(kFirstTab + page - 1);
        ASSERT_EQ(frame->CurrentPage(), page);
        const std::string where = in + ", page " + std::to_string(page);
        ExpectEverythingFits(where);
        PickEveryEntry(where);
    }
    for (const char* configuration : {"reduced", "mini"}) {
        Command(kEnlargeReduce);
        ExpectEverythingFits(in + ", " + configuration);
    }
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<LayoutCase, Language>>& info) {
    return std::to_string(std::get<0>(info.param).layout) + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(LayoutsAndLanguages, TextsFitTest,
                         ::testing::Combine(::testing::ValuesIn(kLayouts),
                                            ::testing::ValuesIn(kLanguages)),
                         CaseName);

}  // namespace
