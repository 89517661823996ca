// The gain and mute report that goes with a microphone preset.
#pragma once

#include <cstdint>
#include <optional>

namespace headset {

struct GainReport {
    std::uint16_t value;
    bool mute;
    bool operator==(const GainReport&) const = default;
};

// For the gain usage's logical range, both bounds taken as unsigned 16-bit
// numbers: presets 1 and 2 set three quarters of the range, unmuted; the
// others silence the microphone. Nothing for a range whose maximum lies
// below its minimum.
std::optional<GainReport> GainForMicPreset(long minimum, long maximum, int preset);

}  // namespace headset
