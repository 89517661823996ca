// The window's commands as text: each word, levels at their bounds, and
// anything else refused whole (the text comes from another process).
#include <gtest/gtest.h>

#include <string>

#include "demo_command.h"

namespace {

using demo::Action;
using demo::DemoCommand;
using demo::ParseCommand;

TEST(DemoCommand, WordsWithoutValues) {
    EXPECT_EQ(ParseCommand("mute"), DemoCommand{Action::PressMute});
    EXPECT_EQ(ParseCommand("unplug"), DemoCommand{Action::Unplug});
    EXPECT_EQ(ParseCommand("plug"), DemoCommand{Action::Plug});
    EXPECT_EQ(ParseCommand("  status\t"), DemoCommand{Action::Status});
    EXPECT_EQ(ParseCommand("mute now"), std::nullopt);
}

TEST(DemoCommand, LevelsRunFromZeroToSixteen) {
    EXPECT_EQ(ParseCommand("volume 0"), (DemoCommand{Action::Volume, 0}));
    EXPECT_EQ(ParseCommand("balance 8"), (DemoCommand{Action::Balance, 8}));
    EXPECT_EQ(ParseCommand("bass\t16"), (DemoCommand{Action::Bass, 16}));
    EXPECT_EQ(ParseCommand("treble 09"), (DemoCommand{Action::Treble, 9}));
    EXPECT_EQ(ParseCommand("mic 12"), (DemoCommand{Action::Mic, 12}));
    EXPECT_EQ(ParseCommand("volume 17"), std::nullopt);
    EXPECT_EQ(ParseCommand("volume 99"), std::nullopt);
    EXPECT_EQ(ParseCommand("volume 100"), std::nullopt);
    EXPECT_EQ(ParseCommand("volume -1"), std::nullopt);
    EXPECT_EQ(ParseCommand("volume +1"), std::nullopt);
    EXPECT_EQ(ParseCommand("volume"), std::nullopt);
    EXPECT_EQ(ParseCommand("volume 1 2"), std::nullopt);
    EXPECT_EQ(ParseCommand("volume x"), std::nullopt);
}

TEST(DemoCommand, ALanguageIsChosenByItsExactName) {
    EXPECT_EQ(ParseCommand("language English"), (DemoCommand{Action::Language, 0}));
    EXPECT_EQ(ParseCommand("language  Spanish"), (DemoCommand{Action::Language, 5}));
    EXPECT_EQ(ParseCommand("language spanish"), std::nullopt);
    EXPECT_EQ(ParseCommand("language"), std::nullopt);
    EXPECT_EQ(ParseCommand("language German French"), std::nullopt);
}

TEST(DemoCommand, MicMuteIsOnOrOff) {
    EXPECT_EQ(ParseCommand("mic-mute on"), (DemoCommand{Action::MicMute, 1}));
    EXPECT_EQ(ParseCommand("mic-mute off"), (DemoCommand{Action::MicMute, 0}));
    EXPECT_EQ(ParseCommand("mic-mute"), std::nullopt);
    EXPECT_EQ(ParseCommand("mic-mute 1"), std::nullopt);
    EXPECT_EQ(ParseCommand("mic-mute on off"), std::nullopt);
}

TEST(DemoCommand, OtherTextIsNoCommand) {
    EXPECT_EQ(ParseCommand(""), std::nullopt);
    EXPECT_EQ(ParseCommand("   "), std::nullopt);
    EXPECT_EQ(ParseCommand("MUTE"), std::nullopt);
    EXPECT_EQ(ParseCommand("mutex"), std::nullopt);
    EXPECT_EQ(ParseCommand(std::string("mute\0", 5)), std::nullopt);
}

TEST(DemoCommand, TextsOverTheBoundAreRefusedWhole) {
    const std::string padded = "mute" + std::string(demo::kMaxCommandLength - 4, ' ');
    EXPECT_EQ(ParseCommand(padded), DemoCommand{Action::PressMute});
    EXPECT_EQ(ParseCommand(padded + " "), std::nullopt);
}

TEST(DemoCommand, UsageNamesEveryWord) {
    const std::string usage(demo::CommandUsage());
    for (const char* word : {"mute", "unplug", "plug", "volume", "balance", "bass", "treble",
                             "mic ", "mic-mute", "status"}) {
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    }
}

}  // namespace
