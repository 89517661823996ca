// Reading layout texts: lines, sections, entries and the format's edges.
#include "layout_doc.h"

#include <gtest/gtest.h>

#include <string>

using skin::LayoutDoc;
using skin::LayoutEntry;
using skin::ReadLayoutText;

namespace {

using Values = std::vector<std::string>;

Values ValuesOf(const LayoutEntry& entry) {
    const skin::LayoutValues values = entry.Values();
    return {values.begin(), values.end()};
}

Values ValuesOf(const LayoutDoc& doc, const char* section, const char* key) {
    const skin::LayoutSection* s = doc.Section(section);
    if (s == nullptr || s->Entry(key) == nullptr) {
        ADD_FAILURE() << section << " / " << key << " not found";
        return {};
    }
    return ValuesOf(*s->Entry(key));
}

// The reader's notes as "line: text".
struct Notes {
    std::vector<std::string> lines;
    skin::LineReport Report() {
        return [this](int line, std::string_view text) {
            lines.push_back(std::to_string(line) + ": " + std::string(text));
        };
    }
};

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
    EXPECT_EQ(p.entries[0].Key(), "4\r");  // no '=': the CR stays in the key
    EXPECT_EQ(ValuesOf(p.entries[0]), (Values{""}));
    EXPECT_EQ(p.entries[1].Key(), "k");
    EXPECT_EQ(ValuesOf(p.entries[1]), (Values{"v", "w"}));
    EXPECT_EQ(ValuesOf(p.entries[2]), (Values{"x"}));
    EXPECT_EQ(ValuesOf(p.entries[3]), (Values{"1"}));
    EXPECT_EQ(ValuesOf(p.entries[4]), (Values{"2"}));  // a lone CR ends a line too
    EXPECT_EQ(p.entries[5].Key(), "last");
    EXPECT_TRUE(p.entries[5].Values().empty());  // final line without line end
    EXPECT_EQ(p.entries[5].Line(), 7);
}

TEST(LayoutDoc, KeyOnlyLinesKeepTheirCrWhateverEndsThem) {
    const LayoutDoc doc = ReadLayoutText("[P]\r4\r5\r\n6\n");
    const skin::LayoutSection& p = *doc.Section("P");
    ASSERT_EQ(p.entries.size(), 3u);
    EXPECT_EQ(p.entries[0].Key(), "4\r");  // a lone CR
    EXPECT_EQ(ValuesOf(p.entries[0]), (Values{""}));
    EXPECT_EQ(p.entries[1].Key(), "5\r");  // CR LF
    EXPECT_EQ(ValuesOf(p.entries[1]), (Values{""}));
    EXPECT_EQ(p.entries[2].Key(), "6");
    EXPECT_EQ(ValuesOf(p.entries[2]), (Values{""}));
}

TEST(LayoutDoc, AKeyAtTheLineLimitDropsTheCrThatWouldPassIt) {
    const std::string key(259, 'k');
    const std::string text = "[P]\r\n" + key + "\r\n" + key + "\r" + key.substr(1) + "\r";
    const LayoutDoc doc = ReadLayoutText(text);
    const skin::LayoutSection& p = *doc.Section("P");
    ASSERT_EQ(p.entries.size(), 3u);
    EXPECT_EQ(p.entries[0].Key(), key);
    EXPECT_EQ(p.entries[1].Key(), key);
    EXPECT_EQ(p.entries[2].Key(), key.substr(1) + "\r");
    for (const LayoutEntry& entry : p.entries) {
        EXPECT_EQ(ValuesOf(entry), (Values{""}));
    }
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
    ASSERT_EQ(doc.Sections().size(), 2u);
    const skin::LayoutSection* top = doc.Section("TOPPANEL");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->name, "TopPanel");
    ASSERT_EQ(top->entries.size(), 2u);
    EXPECT_EQ(top->entries[1].Key(), "b");
    EXPECT_EQ(doc.Section("Other")->entries.size(), 0u);
}

TEST(LayoutDoc, SectionsAreFoundAmongManyInAnyCase) {
    std::string text;
    for (int i = 0; i < 5000; ++i) {
        text += "[Panel" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    }
    text += "[PANEL17]\nj=x\n";
    const LayoutDoc doc = ReadLayoutText(text);
    ASSERT_EQ(doc.Sections().size(), 5000u);
    for (int i = 0; i < 5000; ++i) {
        const std::string name = "panel" + std::to_string(i);
        ASSERT_NE(doc.Section(name), nullptr) << name;
        EXPECT_EQ(doc.Section(name)->name, "Panel" + std::to_string(i));
        EXPECT_EQ(ValuesOf(doc, name.c_str(), "K"), (Values{std::to_string(i)}));
    }
    EXPECT_EQ(doc.Section("Panel17")->entries.size(), 2u);
    EXPECT_EQ(doc.Section("Panel5000"), nullptr);
    EXPECT_EQ(doc.Section("Panel"), nullptr);
}

TEST(LayoutDoc, DoubleByteCharactersNameTheirOwnSections) {
    const auto leadByte = [](unsigned char c) { return c >= 0x81 && c <= 0x9F; };
    // 0x82 0x61 and 0x82 0x41 are two different double-byte characters.
    const std::string lower{'\x82', 'a'};
    const std::string upper{'\x82', 'A'};
    const std::string text = "[" + lower + "]\nk=1\n[" + upper + "]\nk=2\n[x" + lower + "]\n";
    const LayoutDoc doubleByte = ReadLayoutText(text, leadByte);
    EXPECT_EQ(doubleByte.Sections().size(), 3u);
    EXPECT_EQ(ValuesOf(doubleByte, upper.c_str(), "k"), (Values{"2"}));
    EXPECT_NE(doubleByte.Section("X" + lower), nullptr);
    EXPECT_EQ(doubleByte.Section("X" + upper), nullptr);
    const LayoutDoc singleByte = ReadLayoutText(text);
    EXPECT_EQ(singleByte.Sections().size(), 2u);
    EXPECT_EQ(ValuesOf(singleByte, lower.c_str(), "k"), (Values{"1"}));
}

TEST(LayoutDoc, ValuesAreSplitWhenAskedFor) {
    const LayoutDoc doc = ReadLayoutText("[P]\r\nk=\t a, b ,,c\r\n");
    const LayoutEntry& entry = doc.Sections()[0].entries[0];
    EXPECT_EQ(entry.Values().size(), 4u);
    EXPECT_EQ(entry.Values().Text(), "a, b ,,c");
    EXPECT_EQ(ValuesOf(entry), (Values{"a", "b ", "", "c"}));
    EXPECT_EQ(entry.Value(1), "b ");
    EXPECT_EQ(entry.Value(3), "c");
    EXPECT_EQ(entry.Value(4), "");
    EXPECT_EQ(entry.Value(100000), "");
}

// A doc views its text, so it cannot be read from a temporary string.
template <typename Text>
concept Readable = requires(Text&& text) {
    ReadLayoutText(std::forward<Text>(text));
};
static_assert(!Readable<std::string>);
static_assert(!Readable<const std::string>);
static_assert(Readable<const std::string&>);
static_assert(Readable<std::string_view>);
static_assert(Readable<const char*>);

TEST(LayoutDoc, HeaderWithoutBracketDropsLinesUntilTheNextHeader) {
    Notes notes;
    const LayoutDoc doc =
        ReadLayoutText("[A]\na=1\n[Broken\nb=2\n[C]\nc=3\n", nullptr, notes.Report());
    EXPECT_EQ(doc.Section("A")->entries.size(), 1u);
    EXPECT_EQ(doc.Section("Broken"), nullptr);
    EXPECT_EQ(doc.Section("C")->entries.size(), 1u);
    EXPECT_EQ(notes.lines, (Values{"3: section header without ']'"}));
}

TEST(LayoutDoc, CommentsAndBlankLinesAreIgnored) {
    const LayoutDoc doc =
        ReadLayoutText("[P]\r\n#303=GenText,1\r\n \t #x=1\r\n\r\n   \r\n  y=1\r\n");
    const skin::LayoutSection& p = *doc.Section("P");
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].Key(), "y");
    EXPECT_EQ(p.entries[0].Line(), 6);
}

TEST(LayoutDoc, FirstMatchingKeyWins) {
    const LayoutDoc doc = ReadLayoutText("[P]\nKey=1\nkey=2\n");
    EXPECT_EQ(ValuesOf(doc, "P", "KEY"), (Values{"1"}));
}

TEST(LayoutDoc, OverlongLinesAreDroppedWhole) {
    const std::string fits(259, 'v');
    const std::string tooLong(260, 'v');
    // Lines at the limit, and one over it, with each kind of line end.
    const std::string text = "[P]\r\na=" + fits.substr(2) + "\r\nb" + tooLong.substr(1) +
                             "\r\nc=1\rd=" + fits.substr(2) + "\re" + tooLong.substr(1) + "\nf" +
                             tooLong.substr(1);
    Notes notes;
    const LayoutDoc doc = ReadLayoutText(text, nullptr, notes.Report());
    const skin::LayoutSection& p = *doc.Section("P");
    ASSERT_EQ(p.entries.size(), 3u);
    EXPECT_EQ(p.entries[0].Values()[0].size(), 257u);
    EXPECT_EQ(p.entries[1].Key(), "c");
    EXPECT_EQ(p.entries[2].Values()[0].size(), 257u);
    EXPECT_EQ(notes.lines, (Values{"3: line longer than 259 characters, ignored",
                                   "6: line longer than 259 characters, ignored",
                                   "7: line longer than 259 characters, ignored"}));
}

TEST(LayoutDoc, EmptyAndBinaryTextsReadWithoutHarm) {
    EXPECT_TRUE(ReadLayoutText("").Sections().empty());
    const std::string binary("[\0]\n\xff\xfe=\0,\x80\n", 11);
    const LayoutDoc doc = ReadLayoutText(binary);
    ASSERT_EQ(doc.Sections().size(), 1u);
    EXPECT_EQ(doc.Sections()[0].name, std::string("\0", 1));
    ASSERT_EQ(doc.Sections()[0].entries.size(), 1u);
    EXPECT_EQ(doc.Sections()[0].entries[0].Values().size(), 2u);
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
