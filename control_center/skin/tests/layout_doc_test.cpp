// Reading layout texts: lines, sections, entries and the format's edges.
#include "layout_doc.h"

#include <gtest/gtest.h>

#include <string>

using skin::LayoutDoc;
using skin::LayoutEntry;
using skin::ReadLayoutText;

namespace {

std::vector<std::string> ValuesOf(const LayoutDoc& doc, const char* section, const char* key) {
    const skin::LayoutSection* s = doc.Section(section);
    if (s == nullptr || s->Entry(key) == nullptr) {
        ADD_FAILURE() << section << " / " << key << " not found";
        return {};
    }
    return s->Entry(key)->values;
}

using Values = std::vector<std::string>;

}  // namespace

TEST(LayoutDoc, ValuesSplitAtCommasAndEndWithTheLine) {
    const LayoutDoc doc = ReadLayoutText(
        "[P]\r\n"
        "a=x,\r\n"
        "b=\r\n"
        "1=DIButton,7,4,1,0,#10134,#10135,,,\r\n"
        "f=GenText, 1,\t2,Arial Narrow ,x y\r\n");
    EXPECT_EQ(ValuesOf(doc, "P", "a"), (Values{"x", ""}));
    EXPECT_EQ(ValuesOf(doc, "P", "b"), (Values{""}));
    EXPECT_EQ(ValuesOf(doc, "P", "1").size(), 10u);
    EXPECT_EQ(ValuesOf(doc, "P", "f"), (Values{"GenText", "1", "2", "Arial Narrow ", "x y"}));
}

TEST(LayoutDoc, KeyDelimitersAndLineEnds) {
    const LayoutDoc doc = ReadLayoutText("[P]\r\n4\r\nk v,w\r\nt\tx\nlf=1\ncr=2\rlast");
    const skin::LayoutSection& p = *doc.Section("P");
    ASSERT_EQ(p.entries.size(), 6u);
    EXPECT_EQ(p.entries[0].key, "4\r");  // no '=': the CR stays in the key
    EXPECT_EQ(p.entries[0].values, (Values{""}));
    EXPECT_EQ(p.entries[1].key, "k");
    EXPECT_EQ(p.entries[1].values, (Values{"v", "w"}));
    EXPECT_EQ(p.entries[2].values, (Values{"x"}));
    EXPECT_EQ(p.entries[3].values, (Values{"1"}));
    EXPECT_EQ(p.entries[4].values, (Values{"2"}));  // a lone CR ends a line too
    EXPECT_EQ(p.entries[5].key, "last");
    EXPECT_TRUE(p.entries[5].values.empty());  // final line without line end
    EXPECT_EQ(p.entries[5].line, 7);
}

TEST(LayoutDoc, BlanksBeforeAValueAreSkippedButAnEqualsIsNot) {
    const LayoutDoc doc = ReadLayoutText("[P]\nkey = value\n");
    EXPECT_EQ(ValuesOf(doc, "P", "key"), (Values{"= value"}));
}

TEST(LayoutDoc, SectionsContinueUnderTheSameNameInAnyCase) {
    const LayoutDoc doc = ReadLayoutText(
        "dropped=1\n"
        "[TopPanel]\n"
        "a=1\n"
        "[Other]\n"
        "  [toppanel] trailing text\n"
        "b=2\n");
    ASSERT_EQ(doc.sections.size(), 2u);
    const skin::LayoutSection* top = doc.Section("TOPPANEL");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->name, "TopPanel");
    ASSERT_EQ(top->entries.size(), 2u);
    EXPECT_EQ(top->entries[1].key, "b");
    EXPECT_EQ(doc.Section("Other")->entries.size(), 0u);
}

TEST(LayoutDoc, HeaderWithoutBracketDropsLinesUntilTheNextHeader) {
    const LayoutDoc doc = ReadLayoutText("[A]\na=1\n[Broken\nb=2\n[C]\nc=3\n");
    EXPECT_EQ(doc.Section("A")->entries.size(), 1u);
    EXPECT_EQ(doc.Section("Broken"), nullptr);
    EXPECT_EQ(doc.Section("C")->entries.size(), 1u);
    ASSERT_EQ(doc.notes.size(), 1u);
    EXPECT_EQ(doc.notes[0].line, 3);
}

TEST(LayoutDoc, CommentsAndBlankLinesAreIgnored) {
    const LayoutDoc doc =
        ReadLayoutText("[P]\r\n#303=GenText,1\r\n \t #x=1\r\n\r\n   \r\n  y=1\r\n");
    const skin::LayoutSection& p = *doc.Section("P");
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].key, "y");
    EXPECT_EQ(p.entries[0].line, 6);
}

TEST(LayoutDoc, FirstMatchingKeyWins) {
    const LayoutDoc doc = ReadLayoutText("[P]\nKey=1\nkey=2\n");
    EXPECT_EQ(ValuesOf(doc, "P", "KEY"), (Values{"1"}));
}

TEST(LayoutDoc, OverlongLinesAreDroppedWhole) {
    const std::string fits(259, 'v');
    const std::string tooLong(260, 'v');
    const LayoutDoc doc =
        ReadLayoutText("[P]\r\na=" + fits.substr(2) + "\r\nb" + tooLong.substr(1) + "\r\nc=1\r\n");
    const skin::LayoutSection& p = *doc.Section("P");
    ASSERT_EQ(p.entries.size(), 2u);
    EXPECT_EQ(p.entries[0].values[0].size(), 257u);
    EXPECT_EQ(p.entries[1].key, "c");
    ASSERT_EQ(doc.notes.size(), 1u);
    EXPECT_EQ(doc.notes[0].line, 3);
}

TEST(LayoutDoc, EmptyAndBinaryTextsReadWithoutHarm) {
    EXPECT_TRUE(ReadLayoutText("").sections.empty());
    const std::string binary("[\0]\n\xff\xfe=\0,\x80\n", 11);
    const LayoutDoc doc = ReadLayoutText(binary);
    ASSERT_EQ(doc.sections.size(), 1u);
    EXPECT_EQ(doc.sections[0].name, std::string("\0", 1));
    ASSERT_EQ(doc.sections[0].entries.size(), 1u);
    EXPECT_EQ(doc.sections[0].entries[0].values.size(), 2u);
}

TEST(LayoutDoc, CaseFoldingLeavesDoubleByteCharactersAlone) {
    const auto leadByte = [](unsigned char c) { return c >= 0x81 && c <= 0x9F; };
    EXPECT_TRUE(skin::EqualsIgnoringCase("TopPanel", "toppanel"));
    EXPECT_FALSE(skin::EqualsIgnoringCase("Top", "Tops"));
    // 0x82 0x61 and 0x82 0x41 are two different double-byte characters.
    EXPECT_FALSE(
        skin::EqualsIgnoringCase("\x82"
                                 "a",
                                 "\x82"
                                 "A",
                                 leadByte));
    EXPECT_TRUE(
        skin::EqualsIgnoringCase("\x82"
                                 "a",
                                 "\x82"
                                 "A"));
    EXPECT_TRUE(
        skin::EqualsIgnoringCase("x\x82"
                                 "az",
                                 "X\x82"
                                 "aZ",
                                 leadByte));
}
