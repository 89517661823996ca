#include "mixer_math.h"

#include <algorithm>

namespace headset {
namespace {

bool Known(int a, int b) {
    return a != kUnknown && b != kUnknown;
}

bool Within(int value, int min, int max) {
    return value != kUnknown && value >= min && value <= max;
}

// Mixer bounds are device reports: the products are taken in 64 bits.
int Scale(long long value, long long valueMin, long long valueMax, long long toMin,
          long long toMax) {
    const long long span = valueMax - valueMin;
    return static_cast<int>(((value - valueMin) * (toMax - toMin) + span / 2) / span + toMin);
}

}  // namespace

int ToPosition(int raw, int rawMin, int rawMax, int posMin, int posMax) {
    if (!Known(rawMin, rawMax) || !Known(posMin, posMax) || rawMax == rawMin) {
        return kUnknown;
    }
    return Scale(raw, rawMin, rawMax, posMin, posMax);
}

int ToRaw(int position, int rawMin, int rawMax, int posMin, int posMax) {
    if (!Known(rawMin, rawMax) || !Known(posMin, posMax) || posMax == posMin) {
        return kUnknown;
    }
    return Scale(position, posMin, posMax, rawMin, rawMax);
}

int BalanceFromChannels(int left, int right, int min, int max) {
    if (!Known(min, max) || !Within(left, min, max) || !Within(right, min, max)) {
        return kUnknown;
    }
    const long long l = static_cast<long long>(left) - min;
    const long long r = static_cast<long long>(right) - min;
    const long long c = kBalanceCentre;
    const long long divisor = 2 * (c - kPositionMin);
    if (l == r) {
        return kBalanceCentre;
    }
    if (l > r) {
        return r == 0 ? kPositionMin : static_cast<int>((r + l / divisor) * c / l);
    }
    return l == 0 ? kPositionMax : static_cast<int>(kPositionMax - (l + r / divisor) * c / r);
}

std::optional<Channels> SplitBalance(int balance, Channels current, int min, int max) {
    if (!Known(min, max) || balance < kPositionMin || balance > kPositionMax ||
        !Within(current.left, min, max) || !Within(current.right, min, max)) {
        return std::nullopt;
    }
    const long long loud = std::max(current.left, current.right);
    const long long lowered = balance < kBalanceCentre
                                  ? balance * (loud - min) / kBalanceCentre + min
                                  : (loud - min) * (kPositionMax - balance) / kBalanceCentre + min;
    const int louder = static_cast<int>(loud);
    if (balance == kBalanceCentre) {
        return Channels{louder, louder};
    }
    return balance < kBalanceCentre ? Channels{louder, static_cast<int>(lowered)}
                                    : Channels{static_cast<int>(lowered), louder};
}

std::optional<Channels> ChannelsForVolume(int position, int balance, int min, int max) {
    const int raw = ToRaw(std::clamp(position, kPositionMin, kPositionMax), min, max);
    if (raw == kUnknown || balance == kUnknown) {
        return std::nullopt;
    }
    return SplitBalance(balance, {raw, raw}, min, max);
}

}  // namespace headset
