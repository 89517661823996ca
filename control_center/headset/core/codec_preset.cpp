#include "codec_preset.h"

#include <bit>
#include <cmath>

namespace headset {
namespace {

// Truncation toward zero is defined only for values whose whole part fits.
constexpr double kBelowInt32 = -2147483649.0;
constexpr double kAboveInt32 = 2147483648.0;

}  // namespace

double PresetValue(std::span<const std::uint8_t, kCodecPresetSize> file, std::size_t index) {
    std::uint64_t bits = 0;
    for (std::size_t byte = 0; byte < sizeof bits; ++byte) {
        bits |= std::uint64_t{file[index * sizeof bits + byte]} << (8 * byte);
    }
    return std::bit_cast<double>(bits);
}

std::optional<DspWrites> DecodeCodecPreset(std::span<const std::uint8_t, kCodecPresetSize> file) {
    DspWrites writes{};
    for (std::size_t word = 0; word < kDspWordCount; ++word) {
        const double value = PresetValue(file, word + 1);
        if (!std::isfinite(value) || value <= kBelowInt32 || value >= kAboveInt32) {
            return std::nullopt;
        }
        writes[word] = {kDspAddresses[word], static_cast<std::int32_t>(value)};
    }
    return writes;
}

}  // namespace headset
