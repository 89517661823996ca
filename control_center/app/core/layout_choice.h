// Which of the control center's layouts suits the open headset.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavimo {

inline constexpr int kLayoutHeadphone = 12001;  // older family
inline constexpr int kLayoutPro = 12002;        // older family, "Pro" model
inline constexpr int kLayoutDefault = 12003;    // newer family, or no headset

// productId 0 stands for no headset.
int ChooseLayout(std::uint16_t productId, std::string_view serial);

}  // namespace tavimo
