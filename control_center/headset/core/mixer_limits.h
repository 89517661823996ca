// How much of a mixer device the headset model reads. The counts come from
// the driver; a faulty one must not size the model's lists or keep the
// user-interface thread enumerating. A headset's mixer has two or three
// destinations of a few lines with a handful of stereo controls each.
#pragma once

namespace headset {

// Destinations read, and sources read per destination; any further ones
// are not the headset's.
inline constexpr unsigned long kMaxMixerDestinations = 16;
inline constexpr unsigned long kMaxLineSources = 32;
// A line claiming more controls or channels than these is dropped.
inline constexpr unsigned long kMaxLineControls = 64;
inline constexpr unsigned long kMaxLineChannels = 32;

}  // namespace headset
