#include "mic_gain.h"

namespace headset {

std::optional<GainReport> GainForMicPreset(long minimum, long maximum, int preset) {
    const int low = static_cast<std::uint16_t>(minimum);
    const int high = static_cast<std::uint16_t>(maximum);
    if (high < low) {
        return std::nullopt;
    }
    if (preset == 1 || preset == 2) {
        return GainReport{static_cast<std::uint16_t>((high - low) * 75 / 100), false};
    }
    return GainReport{0, true};
}

}  // namespace headset
