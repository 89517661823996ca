#include "dsp_word.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace bandcalc {
namespace {

// 2^fracBits as the DSP arithmetic uses it: computed in floating point and
// truncated to an integer, with the count kept where the result fits.
int ScaleFactor(int fracBits) {
    const int bits = std::clamp(fracBits, kMinFractionBits, kMaxFractionBits);
    return TruncateToInt(std::pow(2.0, bits));
}

void Store(int* out, int value) {
    if (out != nullptr) {
        *out = value;
    }
}

}  // namespace

int TruncateToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // Both bounds are exact doubles; everything strictly between them
    // truncates into the int range.
    if (value <= static_cast<double>(INT_MIN) - 1.0) {
        return INT_MIN;
    }
    if (value >= static_cast<double>(INT_MAX) + 1.0) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

int ScaleCof(double value, int fracBits) {
    const double scaled = value * ScaleFactor(fracBits);
    return TruncateToInt(value < 0 ? scaled - 0.5 : scaled + 0.5);
}

double UnscaleCof(int word, int fracBits) {
    return static_cast<double>(word) / ScaleFactor(fracBits);
}

int PutCof(int word, int* high, int* middle, int* low) {
    Store(high, (word & 0x3FC00) >> 10);
    Store(middle, (word & 0x3FC) >> 2);
    Store(low, word & 3);
    return 0;
}

}  // namespace bandcalc
