#include "preset_block.h"

#include <algorithm>
#include <numeric>

namespace presets {
namespace {

constexpr std::array<std::uint8_t, 4> kTag = {'T', 'V', 'E', 'Q'};
constexpr std::size_t kKindAt = 4, kIndexAt = 5, kModelAt = 6, kBandsAt = 8, kWordsAt = 38,
                      kScaleAt = 83, kSumAt = 92;
constexpr int kWordBits = 18;

void Put16(std::uint8_t* at, unsigned value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

unsigned Get16(const std::uint8_t* at) {
    return at[0] | (unsigned{at[1]} << 8);
}

// High 8, middle 8 and low 2 bits of an 18-bit word.
void PutWord(std::uint8_t* at, std::int32_t word) {
    const auto bits = static_cast<std::uint32_t>(word);
    at[0] = static_cast<std::uint8_t>((bits >> 10) & 0xFF);
    at[1] = static_cast<std::uint8_t>((bits >> 2) & 0xFF);
    at[2] = static_cast<std::uint8_t>(bits & 0x03);
}

std::int32_t GetWord(const std::uint8_t* at) {
    const std::uint32_t bits =
        (std::uint32_t{at[0]} << 10) | (std::uint32_t{at[1]} << 2) | (at[2] & 0x03u);
    // Sign-extend bit 17.
    const std::int32_t value = static_cast<std::int32_t>(bits);
    return (bits & (1u << (kWordBits - 1))) != 0 ? value - (1 << kWordBits) : value;
}

unsigned Sum(std::span<const std::uint8_t> bytes) {
    return std::accumulate(bytes.begin(), bytes.begin() + kSumAt, 0u) & 0xFFFF;
}

}  // namespace

std::array<std::uint8_t, kBlockSize> EncodeBlock(const PresetBlock& block) {
    std::array<std::uint8_t, kBlockSize> bytes{};
    std::copy(kTag.begin(), kTag.end(), bytes.begin());
    bytes[kKindAt] = static_cast<std::uint8_t>(block.kind);
    bytes[kIndexAt] = block.index;
    Put16(&bytes[kModelAt], block.model);
    for (std::size_t band = 0; band < kBands; ++band) {
        std::uint8_t* at = &bytes[kBandsAt + band * 6];
        Put16(at, block.bands[band].frequency);
        Put16(at + 2, static_cast<std::uint16_t>(block.bands[band].gainTenths));
        Put16(at + 4, block.bands[band].qHundredths);
    }
    for (std::size_t word = 0; word < kWords; ++word) {
        PutWord(&bytes[kWordsAt + word * 3], block.words[word]);
    }
    PutWord(&bytes[kScaleAt], block.scale);
    Put16(&bytes[kSumAt], Sum(bytes));
    return bytes;
}

std::optional<PresetBlock> DecodeBlock(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kBlockSize || !std::equal(kTag.begin(), kTag.end(), bytes.begin()) ||
        Get16(&bytes[kSumAt]) != Sum(bytes)) {
        return std::nullopt;
    }
    const auto kind = static_cast<BlockKind>(bytes[kKindAt]);
    if (kind != BlockKind::Headphone && kind != BlockKind::Microphone) {
        return std::nullopt;
    }
    PresetBlock block;
    block.kind = kind;
    block.index = bytes[kIndexAt];
    block.model = static_cast<std::uint16_t>(Get16(&bytes[kModelAt]));
    for (std::size_t band = 0; band < kBands; ++band) {
        const std::uint8_t* at = &bytes[kBandsAt + band * 6];
        block.bands[band] = {static_cast<std::uint16_t>(Get16(at)),
                             static_cast<std::int16_t>(Get16(at + 2)),
                             static_cast<std::uint16_t>(Get16(at + 4))};
    }
    for (std::size_t word = 0; word < kWords; ++word) {
        block.words[word] = GetWord(&bytes[kWordsAt + word * 3]);
    }
    block.scale = GetWord(&bytes[kScaleAt]);
    return block;
}

}  // namespace presets
