#include "parsedrv_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "language_rules.h"

namespace setup {
namespace {

TEST(ParsedrvRules, OnlyTheWordRemoveAsksForRemoval) {
    EXPECT_TRUE(WantsRemoval("/remove"));
    EXPECT_TRUE(WantsRemoval("  -REMOVE\t"));
    EXPECT_TRUE(WantsRemoval("/quiet /Remove"));
    EXPECT_FALSE(WantsRemoval(""));
    EXPECT_FALSE(WantsRemoval("/removeall"));
    EXPECT_FALSE(WantsRemoval("remove"));
    EXPECT_FALSE(WantsRemoval("x/remove"));
}

TEST(ParsedrvRules, EachServedLanguageHasItsOwnRetryText) {
    const std::string english = RetryText(tavimo::kEnglish);
    EXPECT_NE(english.find("Retry"), std::string::npos);
    EXPECT_EQ(RetryText(0), english);
    EXPECT_EQ(RetryText(tavimo::LanguageIdOf("Klingon")), english);
    for (const unsigned id :
         {tavimo::kGerman, tavimo::kFrench, tavimo::kSpanish, tavimo::kItalian, tavimo::kDutch}) {
        EXPECT_NE(RetryText(id), english) << id;
    }
    // Windows-1252: the French "Réessayer" whole.
    EXPECT_NE(std::string(RetryText(tavimo::kFrench))
                  .find("R\xE9"
                        "essayer"),
              std::string::npos);
}

}  // namespace
}  // namespace setup
