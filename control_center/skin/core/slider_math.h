// The arithmetic of a bitmap slider: where the thumb sits for a position,
// which position a thumb offset means, and how a drag moves the thumb.
// Integer arithmetic, divisions truncating towards zero.
#pragma once

namespace skin {

struct SliderRange {
    int minimum = 0;
    int maximum = 0;
    bool vertical = false;
    int travel = 0;  // track length minus thumb length along the axis

    // Positions and offsets are only mapped when there is room to move.
    bool CanMap() const { return travel > 0 && maximum > minimum; }
    // Offset of the thumb along the axis (a vertical slider has its maximum
    // at the top).
    int ThumbOffset(int position) const;
    int PositionAt(int offset) const;
};

// A drag in progress along the slider's axis.
struct SliderDrag {
    int grabbed;  // pointer coordinate minus thumb offset when the drag began
    int last;     // the pointer coordinate last taken

    // Moves the thumb for a pointer at coordinate: the thumb follows the
    // pointer, stopping at 0 and at travel. Returns false when the pointer
    // did not move.
    bool Follow(int coordinate, int travel, int& thumbOffset);
};

}  // namespace skin
