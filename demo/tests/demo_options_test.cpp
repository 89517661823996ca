// The demo's command line: defaults, each option in both spellings, and the
// errors that name what is wrong instead of starting some other headset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "demo_options.h"

namespace {

demo::OptionsResult Parse(std::vector<std::string> args) {
    return demo::ParseOptions(args);
}

demo::DemoOptions Options(std::vector<std::string> args) {
    const demo::OptionsResult result = Parse(std::move(args));
    EXPECT_TRUE(result.options.has_value()) << result.error;
    return result.options.value_or(demo::DemoOptions{});
}

std::string Error(std::vector<std::string> args) {
    const demo::OptionsResult result = Parse(std::move(args));
    EXPECT_FALSE(result.options.has_value());
    return result.error;
}

TEST(DemoOptions, NoArgumentsGiveAPluggedOlderModel400) {
    const demo::DemoOptions options = Options({});
    EXPECT_EQ(options.product, 0x0B52);
    EXPECT_EQ(options.model, 400);
    EXPECT_EQ(options.serial, "");
    EXPECT_TRUE(options.headset);
    EXPECT_FALSE(options.driverMissing);
    EXPECT_FALSE(options.soundCard);
    EXPECT_FALSE(options.help);
}

TEST(DemoOptions, ProductInAnyCaseWithOrWithoutItsPrefix) {
    EXPECT_EQ(Options({"--product", "0D31"}).product, 0x0D31);
    EXPECT_EQ(Options({"--product", "0d31"}).product, 0x0D31);
    EXPECT_EQ(Options({"--product=0x0D31"}).product, 0x0D31);
    EXPECT_EQ(Options({"--product", "0X0b52"}).product, 0x0B52);
}

TEST(DemoOptions, OnlyTheTwoFamiliesAreProducts) {
    EXPECT_EQ(Error({"--product", "1234"}), "--product must be 0B52 or 0D31, not '1234'");
    Error({"--product", "0x0D3"});
    Error({"--product", "0x00D31"});
    Error({"--product", "xx0D31"});
    Error({"--product", ""});
}

TEST(DemoOptions, ModelIsUpToFiveDigits) {
    EXPECT_EQ(Options({"--model", "200"}).model, 200);
    EXPECT_EQ(Options({"--model=0"}).model, 0);
    EXPECT_EQ(Options({"--model", "99999"}).model, 99999);
    EXPECT_EQ(Error({"--model", "100000"}), "--model wants a number from 0 to 99999, not '100000'");
    Error({"--model", "-1"});
    Error({"--model", "+2"});
    Error({"--model", "2x"});
    Error({"--model", " 200"});
    Error({"--model="});
}

TEST(DemoOptions, TheSerialNamesTheModel) {
    const demo::DemoOptions options = Options({"--serial", "200B-77 x"});
    EXPECT_EQ(options.serial, "200B-77 x");
    EXPECT_EQ(options.model, 200);
    EXPECT_EQ(Options({"--serial=X-1"}).model, 0);
    // '=' inside the value is part of it.
    EXPECT_EQ(Options({"--serial=a=b"}).serial, "a=b");
}

TEST(DemoOptions, TheSerialIsPrintableAsciiOfAUsbStringsLength) {
    EXPECT_EQ(Options({"--serial", std::string(126, '7')}).serial.size(), 126u);
    Error({"--serial", std::string(127, '7')});
    Error({"--serial", ""});
    Error({"--serial", "400\t1"});
    Error({"--serial", "400\xC3\xA9"});
}

TEST(DemoOptions, ModelAndSerialCannotBothNameTheModel) {
    EXPECT_NE(Error({"--model", "200", "--serial", "300-1"}).find("cannot go together"),
              std::string::npos);
}

TEST(DemoOptions, Switches) {
    const demo::DemoOptions options =
        Options({"--no-headset", "--driver-missing", "--sound-card", "--product", "0D31"});
    EXPECT_FALSE(options.headset);
    EXPECT_TRUE(options.driverMissing);
    EXPECT_TRUE(options.soundCard);
    EXPECT_EQ(options.product, 0x0D31);
    EXPECT_TRUE(Options({"--help"}).help);
    EXPECT_TRUE(Options({"-h"}).help);
    EXPECT_TRUE(Options({"/?"}).help);
}

TEST(DemoOptions, ALanguageIsOneOfTheSixNamesExactly) {
    EXPECT_EQ(Options({}).language, "");
    EXPECT_EQ(Options({"--language", "German"}).language, "German");
    EXPECT_EQ(Options({"--language=Dutch"}).language, "Dutch");
    EXPECT_NE(Error({"--language", "german"}).find("not 'german'"), std::string::npos);
    EXPECT_FALSE(Error({"--language", "Klingon"}).empty());
    EXPECT_FALSE(Error({"--language", "German", "--language", "French"}).empty());
}

TEST(DemoOptions, ErrorsNameTheArgument) {
    EXPECT_EQ(Error({"--products", "0D31"}), "unknown option '--products'");
    EXPECT_EQ(Error({"0D31"}), "unknown option '0D31'");
    EXPECT_EQ(Error({""}), "unknown option ''");
    EXPECT_EQ(Error({"--model"}), "--model needs a value");
    EXPECT_EQ(Error({"--sound-card=yes"}), "--sound-card takes no value");
    EXPECT_EQ(Error({"--model", "200", "--model=300"}), "--model is given twice");
    EXPECT_EQ(Error({"--sound-card", "--sound-card"}), "--sound-card is given twice");
}

TEST(DemoOptions, AValueIsNotTakenForAnOption) {
    // "--model --sound-card": the model is missing, not "--sound-card".
    EXPECT_EQ(Error({"--model", "--sound-card"}),
              "--model wants a number from 0 to 99999, not '--sound-card'");
}

TEST(DemoOptions, BadValuesAreRepeatedPrintableAndShort) {
    const std::string error = Error({"--product", "\x1b[2J" + std::string(100, 'x')});
    EXPECT_EQ(error.find('\x1b'), std::string::npos);
    EXPECT_LT(error.size(), 100u);
    EXPECT_NE(error.find("...'"), std::string::npos);
}

TEST(DemoOptions, UsageNamesEveryOption) {
    const std::string usage(demo::Usage());
    for (const char* option : {"--product", "--model", "--serial", "--no-headset",
                               "--driver-missing", "--sound-card", "--help"}) {
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(usage.back(), '\n');
}

}  // namespace
