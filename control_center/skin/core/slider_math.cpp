#include "slider_math.h"

namespace skin {
namespace {
// Products of a position span and a travel stay within 64 bits.
int Scale(long long value, long long numerator, long long denominator) {
    return static_cast<int>(value * numerator / denominator);
}
}  // namespace

int SliderRange::ThumbOffset(int position) const {
    const long long span = static_cast<long long>(maximum) - minimum;
    const long long from = vertical ? static_cast<long long>(maximum) - position
                                    : static_cast<long long>(position) - minimum;
    return Scale(from, travel, span);
}

int SliderRange::PositionAt(int offset) const {
    const long long span = static_cast<long long>(maximum) - minimum;
    return vertical ? static_cast<int>(maximum - Scale(span, offset, travel))
                    : static_cast<int>(minimum + Scale(span, offset, travel));
}

bool SliderDrag::Follow(int coordinate, int travel, int& thumbOffset) {
    if (coordinate == last) {
        return false;
    }
    if (coordinate < grabbed) {
        thumbOffset = 0;
        last = grabbed;
    } else if (coordinate < grabbed + travel) {
        thumbOffset += coordinate - last;
        last = coordinate;
    } else {
        thumbOffset = travel;
        last = grabbed + travel;
    }
    return true;
}

}  // namespace skin
