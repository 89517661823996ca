// The field forms of layout values.
#include "layout_fields.h"

#include <gtest/gtest.h>

#include <climits>

using skin::BitmapFields;
using skin::BitmapRef;

TEST(LayoutFields, NumbersReadLikeAtoi) {
    EXPECT_EQ(skin::ReadNumber("42"), 42);
    EXPECT_EQ(skin::ReadNumber("  -17px"), -17);
    EXPECT_EQ(skin::ReadNumber("+8"), 8);
    EXPECT_EQ(skin::ReadNumber("4\r"), 4);
    EXPECT_EQ(skin::ReadNumber(""), 0);
    EXPECT_EQ(skin::ReadNumber("x1"), 0);
    EXPECT_EQ(skin::ReadNumber("-"), 0);
    EXPECT_EQ(skin::ReadNumber("99999999999999999999"), INT_MAX);
    EXPECT_EQ(skin::ReadNumber("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(skin::ReadNumber("-2147483648"), INT_MIN);
    EXPECT_FALSE(skin::ReadFlag("0"));
    EXPECT_TRUE(skin::ReadFlag("2"));
}

TEST(LayoutFields, ColoursBecomeColorrefs) {
    EXPECT_EQ(skin::ReadColour("#308EF5"), 0x00F58E30u);
    EXPECT_EQ(skin::ReadColour("#308ef5"), 0x00F58E30u);
    EXPECT_EQ(skin::ReadColour("#FFF"), 0xFFFFFFu);
    EXPECT_EQ(skin::ReadColour(""), 0xFFFFFFu);
    EXPECT_EQ(skin::ReadColour("308EF5x"), 0xFFFFFFu);
    EXPECT_EQ(skin::ReadColour("#30GGF5"), 0x00F5FF30u);
    EXPECT_EQ(skin::ReadColour("#000000 trailing"), 0u);
    EXPECT_TRUE(skin::IsWellFormedColour("#a0B1c2"));
    EXPECT_FALSE(skin::IsWellFormedColour("#30GGF5"));
    EXPECT_FALSE(skin::IsWellFormedColour("#000000 "));
}

TEST(LayoutFields, TheFirstBitmapFieldDecidesForAll) {
    const BitmapFields resources("#10134");
    EXPECT_EQ(resources.Read("#10134"), (BitmapRef{BitmapRef::Kind::Resource, 10134, {}}));
    EXPECT_EQ(resources.Read("#10135"), (BitmapRef{BitmapRef::Kind::Resource, 10135, {}}));
    EXPECT_EQ(resources.Read("x10136"), (BitmapRef{BitmapRef::Kind::Resource, 10136, {}}));
    EXPECT_EQ(resources.Read(""), BitmapRef{});

    const BitmapFields files("skin\\up.bmp");
    EXPECT_EQ(files.Read("skin\\up.bmp").kind, BitmapRef::Kind::File);
    EXPECT_EQ(files.Read("#10135"), (BitmapRef{BitmapRef::Kind::File, 0, "#10135"}));
    EXPECT_EQ(files.Read(""), BitmapRef{});

    EXPECT_EQ(BitmapFields("").Read("#5").kind, BitmapRef::Kind::File);
}

TEST(LayoutFields, TextsAreStringIdsOrLiterals) {
    const skin::TextRef id = skin::ReadText("#1016");
    EXPECT_TRUE(id.isStringId);
    EXPECT_EQ(id.stringId, 1016u);
    const skin::TextRef literal = skin::ReadText("VOICE BAND");
    EXPECT_FALSE(literal.isStringId);
    EXPECT_EQ(literal.literal, "VOICE BAND");
    EXPECT_EQ(skin::ReadText("#-4").stringId, 0u);
    EXPECT_FALSE(skin::ReadText("").isStringId);
}

TEST(LayoutFields, FontFacesAreCutTo31Characters) {
    const skin::FontSpec font = skin::ReadFont("Tahoma", "13", "1");
    EXPECT_EQ(font, (skin::FontSpec{"Tahoma", 13, true}));
    EXPECT_FALSE(skin::ReadFont("", "13", "0").HasFont());
    EXPECT_EQ(skin::ReadFont(std::string(40, 'F'), "9", "0").face, std::string(31, 'F'));
}
