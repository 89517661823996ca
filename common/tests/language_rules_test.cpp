#include "language_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tavimo::HelpFilePath;
using tavimo::HelpTarget;
using tavimo::LanguageIdOf;
using tavimo::LanguageLibraryPath;

TEST(LanguageRulesTest, OnlyExactNamesChooseALanguage) {
    EXPECT_EQ(LanguageIdOf("German"), tavimo::kGerman);
    EXPECT_EQ(LanguageIdOf("Dutch"), tavimo::kDutch);
    EXPECT_EQ(LanguageIdOf("Spanish"), tavimo::kSpanish);
    EXPECT_EQ(LanguageIdOf("german"), tavimo::kEnglish);
    EXPECT_EQ(LanguageIdOf("German "), tavimo::kEnglish);
    EXPECT_EQ(LanguageIdOf(""), tavimo::kEnglish);
    EXPECT_EQ(LanguageIdOf(std::string("German\0x", 8)), tavimo::kEnglish);
    EXPECT_STREQ(tavimo::LanguageLibraryName(tavimo::kItalian), "TAVI_IT.DLL");
    EXPECT_STREQ(tavimo::LanguageLibraryName(42), "TAVI_EN.DLL");
    EXPECT_EQ(tavimo::LanguageNameIndex("English"), 0u);
    EXPECT_EQ(tavimo::LanguageNameIndex("Spanish"), tavimo::LanguageNames().size() - 1);
    EXPECT_EQ(tavimo::LanguageNameIndex("spanish"), std::nullopt);
    EXPECT_EQ(tavimo::LanguageNameIndex(""), std::nullopt);
}

TEST(LanguageRulesTest, EveryIdIsStoredByANameThatChoosesItAgain) {
    for (unsigned id : {tavimo::kDutch, tavimo::kEnglish, tavimo::kFrench, tavimo::kGerman,
                        tavimo::kItalian, tavimo::kSpanish}) {
        EXPECT_EQ(LanguageIdOf(tavimo::LanguageNameOf(id)), id) << id;
    }
    EXPECT_EQ(tavimo::LanguageNameOf(tavimo::kGerman), "German");
    EXPECT_EQ(tavimo::LanguageNameOf(0), "English");
    EXPECT_EQ(tavimo::LanguageNameOf(0xFFFFu), "English");
}

TEST(LanguageRulesTest, LibraryPathKeepsTheDoubledSeparatorAndNeverUsesTheBareName) {
    // The installation writes its directory with a trailing backslash; the
    // doubled separator is what Windows has always been given.
    EXPECT_EQ(LanguageLibraryPath("C:\\Tavimo\\", "D:\\Run\\", tavimo::kFrench),
              "C:\\Tavimo\\\\TAVI_FR.DLL");
    EXPECT_EQ(LanguageLibraryPath("C:\\Tavimo", "D:\\Run\\", tavimo::kFrench),
              "C:\\Tavimo\\TAVI_FR.DLL");
    EXPECT_EQ(LanguageLibraryPath("", "D:\\Run\\", tavimo::kDutch), "D:\\Run\\TAVI_NL.DLL");
    EXPECT_FALSE(LanguageLibraryPath("", "", tavimo::kDutch));
}

TEST(LanguageRulesTest, PathsThatDoNotFitAreNotBuilt) {
    // "\TAVI_DE.DLL" is 12 bytes: a directory of 247 fills 259 and the zero.
    const std::string fits(247, 'd');
    ASSERT_TRUE(LanguageLibraryPath(fits, "", tavimo::kGerman));
    EXPECT_EQ(LanguageLibraryPath(fits, "", tavimo::kGerman)->size(), 259u);
    EXPECT_FALSE(LanguageLibraryPath(fits + "d", "", tavimo::kGerman));
    EXPECT_FALSE(LanguageLibraryPath("", std::string(260, 'p'), tavimo::kGerman));

    const std::string longName(80, 'x');
    EXPECT_FALSE(HelpFilePath(std::string(200, 'd'), 0x0D31, 0, longName));
    EXPECT_FALSE(HelpTarget(std::string(250, 'f'), "::/Audio Settings.htm"));
}

TEST(LanguageRulesTest, HelpFileIsChosenByFamilyModelAndStoredName) {
    const std::string dir = "C:\\Tavimo\\";
    EXPECT_EQ(HelpFilePath(dir, 0x0D31, 400, std::string("German")),
              "C:\\Tavimo\\Help\\\\tavi2German.chm");
    EXPECT_EQ(HelpFilePath(dir, 0x0B52, 200, std::string("French")),
              "C:\\Tavimo\\Help\\\\tavi1French.chm");
    EXPECT_EQ(HelpFilePath(dir, 0x0B52, 400, std::string("English")),
              "C:\\Tavimo\\Help\\\\taviEnglish.chm");
    EXPECT_EQ(HelpFilePath(dir, 0, 0, std::string("English")),
              "C:\\Tavimo\\Help\\\\tavi2English.chm");
    // The name is used as stored, even one that chooses English texts.
    EXPECT_EQ(HelpFilePath(dir, 0x0D31, 0, std::string("german")),
              "C:\\Tavimo\\Help\\\\tavi2german.chm");
    // No stored name: the folder alone, which shows nothing.
    EXPECT_EQ(HelpFilePath(dir, 0x0D31, 0, std::nullopt), "C:\\Tavimo\\Help\\");
    EXPECT_EQ(HelpTarget("a.chm", "::/Talk Settings.htm"), "a.chm::/Talk Settings.htm");
}

}  // namespace
