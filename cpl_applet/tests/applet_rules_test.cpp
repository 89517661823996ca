// The applet's portable rules: serial numbers, the classic inquiry's
// systems, the Control Panel's text fields and the language rows.
#include "applet_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "language_rules.h"

namespace {

using applet::ParseSerialNumber;

struct SerialCase {
    const char* serial;
    int model;
    const char* firmware;  // null: none
};

TEST(AppletRulesTest, SerialNumbersGiveModelAndFirmware) {
    const SerialCase cases[] = {
        {"300-0412-1.07", 300, "1.07"},
        {"300-0412-", 300, nullptr},
        {"300", 300, nullptr},
        {"200-17-2-b", 200, "2-b"},
        {"", 0, nullptr},
        {"-", 0, nullptr},
        {"--", 0, nullptr},
        {"--x", 0, "x"},
        {"X200-1-2", 0, "2"},
        {"  \t200-1-9", 200, "9"},
        {"+200-1-9", 200, "9"},
        {"-200-1-9", -200, "1-9"},  // the sign's '-' is the first one counted
        {"2147483647-1-1", INT_MAX, "1"},
        {"2147483648-1-1", INT_MAX, "1"},
        {"99999999999999999999999-1-1", INT_MAX, "1"},
        {"-2147483648", INT_MIN, nullptr},
        {"-99999999999999999999999", INT_MIN, nullptr},
        {"200 -1-2", 200, "2"},
    };
    for (const SerialCase& c : cases) {
        const applet::SerialFields fields = ParseSerialNumber(c.serial);
        EXPECT_EQ(fields.model, c.model) << c.serial;
        if (c.firmware == nullptr) {
            EXPECT_EQ(fields.firmware, std::nullopt) << c.serial;
        } else {
            EXPECT_EQ(fields.firmware, std::optional<std::string>(c.firmware)) << c.serial;
        }
    }
}

TEST(AppletRulesTest, OnlyWindows98SecondEditionGetsTheClassicInquiry) {
    using applet::OsVersionRecord;
    constexpr std::uint32_t k9x = applet::kPlatformWindows9x, kNt = 2;
    EXPECT_TRUE(applet::AnswersClassicInquire(OsVersionRecord{k9x, 4, 10, 2222}));
    EXPECT_TRUE(applet::AnswersClassicInquire(OsVersionRecord{k9x, 4, 10, 2183}));
    EXPECT_FALSE(applet::AnswersClassicInquire(OsVersionRecord{k9x, 4, 10, 2182}));  // 98
    EXPECT_FALSE(applet::AnswersClassicInquire(OsVersionRecord{k9x, 4, 10, 1998}));
    EXPECT_FALSE(applet::AnswersClassicInquire(OsVersionRecord{k9x, 4, 90, 3000}));  // Me
    EXPECT_FALSE(applet::AnswersClassicInquire(OsVersionRecord{k9x, 4, 0, 2183}));   // 95
    EXPECT_FALSE(applet::AnswersClassicInquire(OsVersionRecord{kNt, 4, 10, 2222}));
    EXPECT_FALSE(applet::AnswersClassicInquire(OsVersionRecord{kNt, 5, 1, 2600}));  // XP
    EXPECT_FALSE(applet::AnswersClassicInquire(OsVersionRecord{}));
}

TEST(AppletRulesTest, TextFieldsAreSplitAtNewlinesAndCutToTheirRoom) {
    const std::string text = "Tavimo\nConfigures Tavimo USB Audio Settings\n\n";
    EXPECT_EQ(applet::FieldOf(text, 0, 32), "Tavimo");
    EXPECT_EQ(applet::FieldOf(text, 1, 64), "Configures Tavimo USB Audio Settings");
    EXPECT_EQ(applet::FieldOf(text, 2, 128), "");
    EXPECT_EQ(applet::FieldOf(text, 3, 128), "");
    EXPECT_EQ(applet::FieldOf(text, 4, 128), "");
    EXPECT_EQ(applet::FieldOf("abcdef", 0, 4), "abc");
    EXPECT_EQ(applet::FieldOf("abc", 0, 4), "abc");
    EXPECT_EQ(applet::FieldOf("abcd", 0, 4), "abc");
    EXPECT_EQ(applet::FieldOf("abcd", 0, 1), "");
    EXPECT_EQ(applet::FieldOf("abcd", 0, 0), "");
    EXPECT_EQ(applet::FieldOf("", 0, 32), "");
    EXPECT_EQ(applet::FieldOf("a\nb", 1, 32), "b");
    EXPECT_EQ(applet::FieldOf("a\nb", 2, 32), "");
    EXPECT_EQ(applet::FieldOf(std::string(100, 'x'), 0, 32), std::string(31, 'x'));
}

TEST(AppletRulesTest, LanguageRowsCarryTheirCodeAndTextInTheItemData) {
    const auto rows = applet::LanguageRows();
    ASSERT_EQ(rows.size(), 6u);
    const unsigned codes[] = {19, 9, 12, 7, 16, 10};
    std::set<unsigned> names;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].code, codes[i]);
        EXPECT_EQ(rows[i].stringId, 1049 + i);
        EXPECT_EQ(applet::ItemData(rows[i]), (codes[i] << 16) | (1049 + i));
        EXPECT_EQ(applet::CodeOfItemData(applet::ItemData(rows[i])), codes[i]);
        names.insert(tavimo::LanguageIdOf(tavimo::LanguageNameOf(rows[i].code)));
    }
    EXPECT_EQ(names.size(), 6u);  // each row stores a name of its own
}

}  // namespace
