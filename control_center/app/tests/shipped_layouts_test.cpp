// The shipped layouts, loaded from the program's resources as the frame
// loads them: every element line they hold becomes an item (or a drop-down
// entry), and every bitmap they name is loaded, once. The loader skips a
// line that fails without a word, so a mistyped type or a lost entry would
// otherwise ship unnoticed.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "di_dropdown.h"
#include "layout_doc.h"
#include "layout_fields.h"
#include "layout_rules.h"
#include "skin_layout.h"
#include "test_window.h"

namespace {

// What the panels that [Layout] lists name: their element lines, and the
// bitmap ids of the lines and of the panels' backgrounds. In the shipped
// layouts every bitmap field is a resource "#N" with a five-digit N; texts
// name four-digit strings and colours have six hexadecimal digits.
struct Named {
    int elementLines = 0;
    std::set<std::string> bitmaps;
};

bool IsBitmapField(std::string_view value) {
    return value.size() == 6 && value[0] == '#' &&
           value.find_first_not_of("0123456789", 1) == std::string_view::npos;
}

Named NamedIn(const skin::LayoutDoc& doc) {
    Named named;
    int badLine = 0;
    const auto panels = skin::ReadPanelList(*doc.Section("Layout"), &badLine);
    for (const skin::PanelDecl& panel : *panels) {
        for (const skin::LayoutEntry& entry : doc.Section(panel.section)->entries) {
            const bool element = skin::ReadNumber(entry.Key()) != 0 && !entry.Values().empty();
            const bool background = skin::EqualsIgnoringCase(entry.Key(), skin::kBackgroundKey);
            named.elementLines += element;
            for (const std::string_view value : entry.Values()) {
                if ((element || background) && IsBitmapField(value)) {
                    named.bitmaps.insert(std::string(value));
                }
            }
        }
    }
    return named;
}

// Items of every control set of every panel, with the drop-downs' entries.
int BuiltElements(const skin::SkinLayout& layout) {
    int built = 0;
    for (const auto& panel : layout.Panels()) {
        panel->ForEachItem([&built](const skin::DisplayItem& item) {
            ++built;
            if (const auto* box = dynamic_cast<const skin::DIDropDown*>(&item)) {
                built += box->List() != nullptr ? static_cast<int>(box->List()->Items().size()) : 0;
            }
        });
    }
    return built;
}

class ShippedLayoutTest : public ::testing::TestWithParam<int> {
protected:
    testing_support::OwnerWindow owner;
    skin::SkinLayout layout{owner.get()};
};

TEST_P(ShippedLayoutTest, BuildsEveryElementLineAndLoadsEveryBitmapOnce) {
    const std::string_view text = skin::LayoutResourceText(GetParam());
    ASSERT_FALSE(text.empty());
    const Named named = NamedIn(skin::ReadLayoutText(text));
    ASSERT_GT(named.elementLines, 0);

    const int baseline = tavimo::UniqueBitmap::Live();
    ASSERT_TRUE(layout.Load(GetParam()));
    EXPECT_EQ(BuiltElements(layout), named.elementLines);
    EXPECT_EQ(tavimo::UniqueBitmap::Live() - baseline, static_cast<int>(named.bitmaps.size()));
    layout.Clear();
    EXPECT_EQ(tavimo::UniqueBitmap::Live(), baseline);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ShippedLayoutTest, ::testing::Values(12001, 12002, 12003, 12004));

}  // namespace
