// The 94-byte preset block of the older headset family, as this suite's
// preset files and the virtual filter driver lay it out. The control center
// passes blocks on unread; the virtual driver decodes what it receives.
//
//   offset  size  field
//        0     4  tag "TVEQ"
//        4     1  kind: 1 headphone, 2 microphone
//        5     1  preset index, 0-based
//        6     2  model number
//        8    30  five band designs: frequency in Hz, gain in 0.1 dB
//                 (signed), Q in 0.01; 16-bit each
//       38    45  fifteen DSP words, three a band in the coefficient
//                 library's order; each 18-bit word as its high 8, middle 8
//                 and low 2 bits, one byte each
//       83     3  the input scale word, split the same way
//       86     6  zero
//       92     2  sum of bytes 0..91, modulo 65536
//
// Multi-byte numbers are little-endian.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace presets {

inline constexpr std::size_t kBlockSize = 94;
inline constexpr int kBands = 5;
inline constexpr int kWords = 15;

enum class BlockKind : std::uint8_t { Headphone = 1, Microphone = 2 };

// A band design in the units the block stores.
struct StoredBand {
    std::uint16_t frequency;  // Hz
    std::int16_t gainTenths;  // 0.1 dB
    std::uint16_t qHundredths;
    bool operator==(const StoredBand&) const = default;
};

struct PresetBlock {
    BlockKind kind = BlockKind::Headphone;
    std::uint8_t index = 0;
    std::uint16_t model = 0;
    std::array<StoredBand, kBands> bands{};
    std::array<std::int32_t, kWords> words{};  // 18-bit two's complement
    std::int32_t scale = 0;
    bool operator==(const PresetBlock&) const = default;
};

std::array<std::uint8_t, kBlockSize> EncodeBlock(const PresetBlock& block);
// Nothing unless the bytes are exactly one block with its tag, a known kind
// and a matching sum.
std::optional<PresetBlock> DecodeBlock(std::span<const std::uint8_t> bytes);

}  // namespace presets
