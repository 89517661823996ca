#include "slider_math.h"

namespace skin {
// Spans of positions and offsets along a window multiply within 64 bits,
// and a mapped position lies between minimum and maximum again.
int SliderRange::ThumbOffset(int position) const {
    const long long span = static_cast<long long>(maximum) - minimum;
    const long long from = vertical ? static_cast<long long>(maximum) - position
                                    : static_cast<long long>(position) - minimum;
    return static_cast<int>(from * travel / span);
}

int SliderRange::PositionAt(int offset) const {
    const long long moved = (static_cast<long long>(maximum) - minimum) * offset / travel;
    return static_cast<int>(vertical ? maximum - moved : minimum + moved);
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
