// The newer family's headphone preset: sixteen little-endian doubles, of
// which v[1] .. v[15] are the DSP words of the five equalizer bands, each
// band written to its middle, high and low address.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "preset_files.h"

namespace headset {

struct DspWrite {
    std::uint32_t address;
    std::int32_t value;
    bool operator==(const DspWrite&) const = default;
};

inline constexpr std::size_t kDspWordCount = 15;
using DspWrites = std::array<DspWrite, kDspWordCount>;

// The DSP address of v[1] .. v[15], in writing order.
inline constexpr std::array<std::uint32_t, kDspWordCount> kDspAddresses = {
    33, 34, 32, 36, 37, 35, 39, 40, 38, 42, 43, 41, 45, 46, 44};

// The fifteen writes, each word truncated toward zero. Nothing when a word is
// not a number, infinite or outside the 32-bit range: a preset is written
// whole or not at all. v[0] is not looked at.
std::optional<DspWrites> DecodeCodecPreset(std::span<const std::uint8_t, kCodecPresetSize> file);

// The double at position index of a preset file.
double PresetValue(std::span<const std::uint8_t, kCodecPresetSize> file, std::size_t index);

}  // namespace headset
