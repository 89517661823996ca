#include "headset_status.h"

#include <algorithm>
#include <cstdio>

#include "preset_block.h"

namespace demo {
namespace {

std::string Level(int position) {
    return position == kUnknown ? "unknown" : std::to_string(position);
}

std::string Switch(int value, const char* on, const char* off) {
    return value == kUnknown ? "unknown" : value != 0 ? on : off;
}

std::string Hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

}  // namespace

std::string StatusText(const HeadsetStatus& status) {
    std::string text = "headset: ";
    text += status.plugged ? "plugged" : "unplugged";
    text += ", product " + Hex4(status.product) + ", serial " + status.serial + "\n";
    text += "volume: " + Level(status.volume) + "\n";
    text += "balance: " + Level(status.balance) + "\n";
    text += "bass: " + Level(status.bass) + "\n";
    text += "treble: " + Level(status.treble) + "\n";
    text += "mic level: " + Level(status.mic) + "\n";
    text += "mic mute: " + Switch(status.micMute, "on", "off") + "\n";
    text += "mute button: " + Switch(status.muteButton, "lit", "dark") + "\n";
    text +=
        "headphone preset: " + (status.headphonePreset.empty() ? "none" : status.headphonePreset) +
        "\n";
    text += "last download: " + (status.lastDownload.empty() ? "none" : status.lastDownload) + "\n";
    text +=
        "last gain report: " + (status.lastGainReport.empty() ? "none" : status.lastGainReport) +
        "\n";
    return text;
}

std::string DescribePipeBlock(std::span<const std::uint8_t> block) {
    const auto decoded = presets::DecodeBlock(block);
    if (!decoded) {
        return std::to_string(block.size()) + " bytes through the pipe, no preset block";
    }
    const char* kind = decoded->kind == presets::BlockKind::Headphone ? "headphone" : "microphone";
    return std::string(kind) + " preset " + std::to_string(decoded->index) + " of model " +
           std::to_string(decoded->model) + " through the pipe";
}

std::string DescribeDspWrites(std::span<const DspWrite> writes) {
    if (writes.empty()) {
        return {};
    }
    const auto [lowest, highest] = std::minmax_element(
        writes.begin(), writes.end(),
        [](const DspWrite& a, const DspWrite& b) { return a.address < b.address; });
    return std::to_string(writes.size()) + " DSP writes, registers " +
           std::to_string(lowest->address) + " to " + std::to_string(highest->address) +
           ", first " + std::to_string(writes.front().address) + "=" +
           std::to_string(writes.front().value);
}

std::string DescribeGainReport(unsigned gain, bool mute) {
    return "gain " + std::to_string(gain) + ", mute " + (mute ? "on" : "off");
}

}  // namespace demo
