// Arithmetic on layout values (origins plus offsets, stacked heights, cell
// counts times cell sizes) that saturates at the int range instead of
// overflowing: a layout may hold any number, and a result past the range
// is simply far out of sight.
#pragma once

#include <climits>

namespace skin {

constexpr int Saturate(long long value) {
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

constexpr int SaturatingAdd(int a, int b) {
    return Saturate(static_cast<long long>(a) + b);
}

constexpr int SaturatingMultiply(int a, int b) {
    return Saturate(static_cast<long long>(a) * b);
}

}  // namespace skin
