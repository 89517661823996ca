// What the skin authors' checker reports, line by line.
#include "layout_check.h"

#include <gtest/gtest.h>

namespace {

// "line: text" of every problem, for compact comparisons.
// "line: text" of every note of the reader and problem of the checker, in
// the order they were reported.
std::vector<std::string> ProblemsIn(const std::string& text) {
    std::vector<std::string> lines;
    const skin::LineReport report = [&](int line, std::string_view problem) {
        lines.push_back(std::to_string(line) + ": " + std::string(problem));
    };
    skin::CheckLayout(skin::ReadLayoutText(text, nullptr, report), report);
    return lines;
}

using Lines = std::vector<std::string>;

constexpr char kGoodLayout[] =
    "[Layout]\r\n"
    "1=Top\r\n"
    "2=Page\r\n"
    "[Config]\r\n"
    "1=1,2\r\n"
    "2=1\r\n"
    "[Top]\r\n"
    "background=#10170\r\n"
    "1=DIButton,7,4,1,0,#10134,#10135\r\n"
    "4=GenText,10,10,1,Tahoma,11,0,#FFFFFF,,#1016\r\n"
    "[Page]\r\n"
    "size=380,110\r\n"
    "302=DIDropDown,10,10,#10160,#10161,Tahoma,11,0,#FFFFFF,#308EF5\r\n"
    "351=DropDownItem,#1025\r\n"
    "controlset=2\r\n"
    "201=DITabCtl,0,0,360,22,#10150,#10151,Tahoma,11,1,#FFFFFF,#C0C0C0,#000000,#308EF5\r\n"
    "202=TabItem,#1007\r\n";

}  // namespace

TEST(LayoutCheck, AGoodLayoutHasNoProblems) {
    EXPECT_EQ(ProblemsIn(kGoodLayout), Lines{});
}

TEST(LayoutCheck, MissingSections) {
    EXPECT_EQ(ProblemsIn("[Top]\nsize=1,1\n"), (Lines{"0: missing [Layout] section"}));
    EXPECT_EQ(ProblemsIn("[Layout]\n3=TabPanel\n"), (Lines{"2: panel 3: no section [TabPanel]"}));
    EXPECT_EQ(ProblemsIn("[Layout]\n3=\n"), (Lines{"2: [Layout] entry without a section name"}));
    EXPECT_EQ(ProblemsIn("[Layout]\nbackground=1\n"), (Lines{"1: layout has no panels"}));
}

TEST(LayoutCheck, PanelSizes) {
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n[P]\n1=DIGraphic,0,0,#1\n"),
              (Lines{"2: panel [P] has neither a background nor a size"}));
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n[P]\nsize=0,0\n"),
              (Lines{"4: panel size must be 0 to 32767 on each side, not both 0"}));
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n[P]\nsize=10\n"),
              (Lines{"2: panel [P] has neither a background nor a size"}));
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n[P]\nbackground=\n"),
              (Lines{"4: empty background bitmap"}));
}

TEST(LayoutCheck, ElementLines) {
    EXPECT_EQ(
        ProblemsIn("[Layout]\n1=P\n[P]\nsize=9,9\n"
                   "5=DIKnob,1,2\n"
                   "6=DIButton,1,2,0,0\n"
                   "7=GenText,1,2,0,Tahoma,11,0,#12345,#12GG45,x\n"
                   "8=GenText,1,2,0,abcdefghijklmnopqrstuvwxyz0123456,11,0,,,x\n"
                   "7=DIGraphic,0,0,#1\n"
                   "9\n"
                   "name=x\n"),
        (Lines{"5: unknown element type 'DIKnob'", "6: DIButton needs 7 values, has 5",
               "7: bad colour '#12345' (want #RRGGBB)", "7: bad colour '#12GG45' (want #RRGGBB)",
               "8: font face longer than 31 characters", "9: element id 7 already used on line 7",
               "10: unknown element type ''",  // a line end makes one empty value
               "11: key 'name' is not an element id; ignored"}));
}

TEST(LayoutCheck, TextFromTheLayoutIsEscapedInMessages) {
    using namespace std::string_literals;
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n2=Q\x01\n[P]\nsize=9,9\na\0b=1\n5=Gen\0Text,1,2\n"s),
              (Lines{"6: key 'a\\x00b' is not an element id; ignored",
                     "7: unknown element type 'Gen\\x00Text'", "3: panel 2: no section [Q\\x01]"}));
}

TEST(LayoutCheck, ASectionOfTwoPanelsRepeatsItsElementIds) {
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n2=Logo\n3=p\n4=Logo\n"
                         "[P]\nsize=9,9\n5=DIGraphic,0,0,#1\n7=DIKnob\n[Logo]\nsize=9,9\n"),
              (Lines{"9: unknown element type 'DIKnob'",
                     "4: panel 3: section [P] is also panel 1, so its element ids repeat"}));
}

TEST(LayoutCheck, EntryWithoutEqualsOnTheLastLineIsIgnored) {
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n[P]\nsize=9,9\n9"),
              (Lines{"5: line without '=' is ignored"}));
}

TEST(LayoutCheck, ItemsNeedTheirOwners) {
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n[P]\nsize=9,9\n"
                         "351=DropDownItem,#1025\n"
                         "202=TabItem,#1007\n"
                         "302=DIDropDown,10,10,#1,#2,Tahoma,11,0,#FFFFFF,#308EF5\n"
                         "controlset=2\n"
                         "352=DropDownItem,#1011\n"),
              (Lines{"5: DropDownItem without a DIDropDown before it in its control set",
                     "6: TabItem without a DITabCtl before it in its control set",
                     "9: DropDownItem without a DIDropDown before it in its control set"}));
}

TEST(LayoutCheck, ConfigEntries) {
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n[P]\nsize=9,9\n[Config]\n1=1\n2=1,,3\n"),
              (Lines{"7: bad [Config] entry: a key or panel id reads as 0"}));
    EXPECT_EQ(ProblemsIn("[Layout]\n1=P\n[P]\nsize=9,9\n[Config]\n"),
              (Lines{"5: [Config] lists no configuration"}));
}

TEST(LayoutCheck, ReaderNotesAreProblemsToo) {
    const std::string text =
        "[Layout]\n1=P\n[P]\nsize=9,9\n[Broken\n1=" + std::string(300, 'x') + "\n";
    EXPECT_EQ(ProblemsIn(text), (Lines{"5: section header without ']'",
                                       "6: line longer than 259 characters, ignored"}));
}

TEST(LayoutCheck, DumpShowsEveryValueInBrackets) {
    std::string dump;
    skin::DumpLayout(skin::ReadLayoutText("[P]\r\na=x,\r\n4\r\n\tb=\x01\\,y z\r\n"),
                     [&](std::string_view line) { (dump += line) += '\n'; });
    EXPECT_EQ(dump,
              "[P]\n"
              "a [x] []\n"
              "4\\r []\n"
              "b [\\x01\\\\] [y z]\n");
}
