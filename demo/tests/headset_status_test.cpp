// The status lines that the window shows and scripts read: every line
// present whatever is unknown, and downloads described as the headset took
// them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headset_status.h"
#include "preset_block.h"

namespace {

TEST(HeadsetStatus, EveryLineIsThereWhenNothingIsKnown) {
    demo::HeadsetStatus status;
    status.product = 0x0D31;
    status.serial = "500-1";
    EXPECT_EQ(demo::StatusText(status),
              "headset: unplugged, product 0D31, serial 500-1\n"
              "volume: unknown\n"
              "balance: unknown\n"
              "bass: unknown\n"
              "treble: unknown\n"
              "mic level: unknown\n"
              "mic mute: unknown\n"
              "mute button: unknown\n"
              "headphone preset: none\n"
              "last download: none\n"
              "last gain report: none\n");
}

TEST(HeadsetStatus, KnownValues) {
    demo::HeadsetStatus status;
    status.plugged = true;
    status.product = 0x0B52;
    status.serial = "400-0417-0102";
    status.volume = 0;
    status.balance = 8;
    status.bass = 16;
    status.treble = 3;
    status.mic = 12;
    status.micMute = 1;
    status.muteButton = 0;
    status.lastDownload = "x";
    status.lastGainReport = demo::DescribeGainReport(7, true);
    const std::string text = demo::StatusText(status);
    EXPECT_NE(text.find("headset: plugged, product 0B52, serial 400-0417-0102\n"),
              std::string::npos);
    EXPECT_NE(text.find("volume: 0\n"), std::string::npos);
    EXPECT_NE(text.find("bass: 16\n"), std::string::npos);
    EXPECT_NE(text.find("mic mute: on\n"), std::string::npos);
    EXPECT_NE(text.find("mute button: dark\n"), std::string::npos);
    EXPECT_NE(text.find("last download: x\n"), std::string::npos);
    EXPECT_NE(text.find("last gain report: gain 7, mute on\n"), std::string::npos);
}

TEST(HeadsetStatus, APipeBlockIsNamedByWhatItHolds) {
    presets::PresetBlock block;
    block.kind = presets::BlockKind::Microphone;
    block.index = 2;
    block.model = 200;
    const auto bytes = presets::EncodeBlock(block);
    EXPECT_EQ(demo::DescribePipeBlock(bytes), "microphone preset 2 of model 200 through the pipe");
    std::vector<std::uint8_t> damaged(bytes.begin(), bytes.end());
    damaged[10] ^= 1;
    EXPECT_EQ(demo::DescribePipeBlock(damaged), "94 bytes through the pipe, no preset block");
    EXPECT_EQ(demo::DescribePipeBlock({}), "0 bytes through the pipe, no preset block");
}

TEST(HeadsetStatus, DspWritesByCountAndRegisters) {
    const std::vector<demo::DspWrite> writes = {{20, 1}, {16, -5}, {30, 0}};
    EXPECT_EQ(demo::DescribeDspWrites(writes), "3 DSP writes, registers 16 to 30, first 20=1");
    EXPECT_EQ(demo::DescribeDspWrites({}), "");
}

}  // namespace
