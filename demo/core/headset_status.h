// What the "Virtual headset" window shows and demo_ctl status prints: the
// virtual headset's state, the control center's mute button, the last preset
// download and the last gain report, as "name: value" lines.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace demo {

inline constexpr int kUnknown = -1;

struct HeadsetStatus {
    bool plugged = false;
    std::uint16_t product = 0;
    std::string serial;
    // Slider positions 0..16 (balance centre 8); kUnknown when unknown.
    int volume = kUnknown, balance = kUnknown, bass = kUnknown, treble = kUnknown, mic = kUnknown;
    // 1 on, 0 off, kUnknown.
    int micMute = kUnknown;
    // The control center's mute button: 1 lit, 0 not, kUnknown when it
    // shows none.
    int muteButton = kUnknown;
    // The headphone preset's name as the control center shows it, in its
    // language; empty when it shows none.
    std::string headphonePreset;
    std::string lastDownload;    // empty: none yet
    std::string lastGainReport;  // empty: none yet
};

std::string StatusText(const HeadsetStatus& status);

// The last download, as the headset took it.
std::string DescribePipeBlock(std::span<const std::uint8_t> block);
struct DspWrite {
    std::uint32_t address;
    std::int32_t value;
};
std::string DescribeDspWrites(std::span<const DspWrite> writes);
std::string DescribeGainReport(unsigned gain, bool mute);

}  // namespace demo
