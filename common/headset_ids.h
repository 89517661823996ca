// The USB identity of the maker's headsets.
#pragma once

#include <cstdint>

namespace tavimo {

inline constexpr std::uint16_t kVendorId = 0xA5C1;
// The older family takes equalizer presets through its filter driver's pipe.
inline constexpr std::uint16_t kOlderProductId = 0x0B52;
// The newer family has a DSP equalizer written through the codec-access library.
inline constexpr std::uint16_t kNewerProductId = 0x0D31;
// The "Pro" model of the older family.
inline constexpr int kProModel = 200;

}  // namespace tavimo
