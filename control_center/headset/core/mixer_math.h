// The arithmetic between the Windows mixer's raw control values and the
// skin's slider positions: level conversions both ways, the balance as the
// ratio of the two speaker channels, and the channel values a balance asks
// for. Integer arithmetic truncating toward zero; -1 means unknown.
#pragma once

#include <optional>

namespace headset {

inline constexpr int kUnknown = -1;
// Every level slider runs from 0 to 16; the balance centre is 8.
inline constexpr int kPositionMin = 0;
inline constexpr int kPositionMax = 16;
inline constexpr int kBalanceCentre = 8;

// raw in [rawMin, rawMax] to a position in [posMin, posMax], rounded to the
// nearest. -1 when a bound is unknown or a range is empty (max = min).
int ToPosition(int raw, int rawMin, int rawMax, int posMin = kPositionMin,
               int posMax = kPositionMax);

// The inverse: a position to the raw value of a control.
int ToRaw(int position, int rawMin, int rawMax, int posMin = kPositionMin,
          int posMax = kPositionMax);

// The balance position of the left and right channel values: 8 when equal,
// towards 0 when the left is louder, towards 16 when the right is. -1 when
// the bounds or a channel are unknown, or a channel lies outside the bounds.
int BalanceFromChannels(int left, int right, int min, int max);

struct Channels {
    int left;
    int right;
    bool operator==(const Channels&) const = default;
};

// The channel values for balance b: the louder of the current channels
// keeps its level and the other is lowered. nullopt when the bounds or a
// current channel are unknown, a channel lies outside the bounds, or b lies
// outside 0..16: nothing is to be written then.
std::optional<Channels> SplitBalance(int balance, Channels current, int min, int max);

// The channel values that set the volume to position p (clamped to 0..16)
// while keeping balance b. nullopt when bounds or balance are unknown.
std::optional<Channels> ChannelsForVolume(int position, int balance, int min, int max);

}  // namespace headset
