// The panel list, the configurations and the element types.
#include "layout_rules.h"

#include <gtest/gtest.h>

using skin::PanelConfig;
using skin::ReadLayoutText;

namespace {

std::optional<std::vector<PanelConfig>> ConfigsOf(const char* text, int* badLine = nullptr) {
    const skin::LayoutDoc doc = ReadLayoutText(text);
    int line = 0;
    const auto panels = skin::ReadPanelList(*doc.Section("Layout"), &line);
    EXPECT_TRUE(panels);
    return skin::ReadPanelConfigs(doc.Section("Config"), *panels, badLine);
}

}  // namespace

TEST(LayoutRules, PanelListSkipsKeysThatAreNotNumbers) {
    const skin::LayoutDoc doc =
        ReadLayoutText("[Layout]\r\nbackground=#1\r\n1=TopPanel\r\n0=Zero\r\n3=TabPanel\r\n");
    int line = 0;
    const auto panels = skin::ReadPanelList(*doc.Section("Layout"), &line);
    ASSERT_TRUE(panels);
    ASSERT_EQ(panels->size(), 2u);
    EXPECT_EQ((*panels)[0].id, 1);
    EXPECT_EQ((*panels)[0].section, "TopPanel");
    EXPECT_EQ((*panels)[1].id, 3);
}

TEST(LayoutRules, PanelWithoutSectionNameFailsTheList) {
    const skin::LayoutDoc doc = ReadLayoutText("[Layout]\n1=Top\n2=\n");
    int line = 0;
    EXPECT_FALSE(skin::ReadPanelList(*doc.Section("Layout"), &line));
    EXPECT_EQ(line, 3);
}

TEST(LayoutRules, ConfigsInOrder) {
    const auto configs =
        ConfigsOf("[Layout]\r\n1=A\r\n2=B\r\n[Config]\r\n1=1,2\r\n2=1\r\n3=2,1\r\n");
    ASSERT_TRUE(configs);
    EXPECT_EQ(*configs, (std::vector<PanelConfig>{{1, {1, 2}}, {2, {1}}, {3, {2, 1}}}));
}

TEST(LayoutRules, MissingConfigShowsEveryPanel) {
    const auto configs = ConfigsOf("[Layout]\n4=A\n2=B\n");
    ASSERT_TRUE(configs);
    EXPECT_EQ(*configs, (std::vector<PanelConfig>{{1, {4, 2}}}));
}

TEST(LayoutRules, ZeroKeysAndZeroValuesFailTheConfigs) {
    int line = 0;
    EXPECT_FALSE(ConfigsOf("[Layout]\n1=A\n[Config]\n1=1\n2=1,,3\n", &line));
    EXPECT_EQ(line, 5);
    EXPECT_FALSE(ConfigsOf("[Layout]\n1=A\n[Config]\n4\r\n", &line));  // one empty value
    EXPECT_FALSE(ConfigsOf("[Layout]\n1=A\n[Config]\nx=1\n", &line));
    EXPECT_FALSE(ConfigsOf("[Layout]\n1=A\n[Config]\n1=one\n", &line));
}

TEST(LayoutRules, FinalLineWithoutValuesShowsNoPanel) {
    const auto configs = ConfigsOf("[Layout]\n1=A\n[Config]\n1=1\n2");
    ASSERT_TRUE(configs);
    EXPECT_EQ(*configs, (std::vector<PanelConfig>{{1, {1}}, {2, {}}}));
}

TEST(LayoutRules, ElementTypesByExactName) {
    ASSERT_NE(skin::FindElementType("DITabCtl"), nullptr);
    EXPECT_EQ(skin::FindElementType("DITabCtl")->minValues, 14u);
    EXPECT_EQ(skin::FindElementType("GenText")->minValues, 10u);
    EXPECT_EQ(skin::FindElementType("DropDownItem")->minValues, 2u);
    EXPECT_EQ(skin::FindElementType("dibutton"), nullptr);
    EXPECT_EQ(skin::FindElementType("DIButton "), nullptr);
    EXPECT_EQ(skin::FindElementType(""), nullptr);
}
