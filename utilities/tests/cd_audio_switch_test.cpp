#include "cd_audio_switch.h"

#include <gtest/gtest.h>

using cddswitch::DriveKeyPath;
using cddswitch::kDisableByte;
using cddswitch::kEnableByte;
using cddswitch::ParseSwitch;

TEST(CdAudioSwitch, ReadsTheFourSwitches) {
    EXPECT_EQ(ParseSwitch("cddswitch.exe -e"), kEnableByte);
    EXPECT_EQ(ParseSwitch("cddswitch.exe /e"), kEnableByte);
    EXPECT_EQ(ParseSwitch("cddswitch.exe -d"), kDisableByte);
    EXPECT_EQ(ParseSwitch("C:\\WINDOWS\\cddswitch.exe    /d"), kDisableByte);
}

TEST(CdAudioSwitch, AnythingElseAsksForNothing) {
    for (const char* line :
         {"", "cddswitch.exe", "cddswitch.exe ", "cddswitch.exe -", "cddswitch.exe -E",
          "cddswitch.exe /D", "cddswitch.exe -e ", "cddswitch.exe -en", "cddswitch.exe -x",
          "cddswitch.exe e", "cddswitch.exe --e", "cddswitch.exe -e -d", "cddswitch.exe\t-e",
          "-e"}) {
        EXPECT_FALSE(ParseSwitch(line)) << '"' << line << '"';
    }
}

TEST(CdAudioSwitch, QuotedProgramPathEndsAtItsClosingQuote) {
    EXPECT_EQ(ParseSwitch("\"C:\\Program Files\\Tavimo\\cddswitch.exe\" -e"), kEnableByte);
    EXPECT_EQ(ParseSwitch("\"C:\\Program Files\\Tavimo\\cddswitch.exe\"  /d"), kDisableByte);
    EXPECT_EQ(ParseSwitch("\"cddswitch.exe\" -e"), kEnableByte);
    EXPECT_EQ(ParseSwitch("\"\" -e"), kEnableByte);
    EXPECT_FALSE(ParseSwitch("\"C:\\Program Files\\Tavimo\\cddswitch.exe\""));
    EXPECT_FALSE(ParseSwitch("\"C:\\Program Files\\Tavimo\\cddswitch.exe\"-e"));
    EXPECT_FALSE(ParseSwitch("\"C:\\Program Files\\Tavimo\\cddswitch.exe -e"));  // no closing quote
}

TEST(CdAudioSwitch, UnquotedProgramPathEndsAtTheFirstBlank) {
    // The rest of the path is then taken for the switch, which it is not.
    EXPECT_FALSE(ParseSwitch("C:\\Program Files\\Tavimo\\cddswitch.exe -e"));
    EXPECT_EQ(ParseSwitch("C:\\Program -e"), kEnableByte);
}

TEST(CdAudioSwitch, DriveKeysHaveFourDigits) {
    EXPECT_EQ(DriveKeyPath(0), "System\\CurrentControlSet\\Services\\Class\\CDROM\\0000");
    EXPECT_EQ(DriveKeyPath(17), "System\\CurrentControlSet\\Services\\Class\\CDROM\\0017");
    EXPECT_EQ(DriveKeyPath(9999), "System\\CurrentControlSet\\Services\\Class\\CDROM\\9999");
}
