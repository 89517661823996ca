// The usages of the headset's report groups as the HID reader keeps them,
// and how much of a report descriptor it takes. The descriptor comes from
// the device: a faulty one must not size the reader's lists or have it
// query tens of thousands of usages on every report. The headset's reports
// carry a few consumer-page buttons and values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace headset {

// Button or value groups kept for one report type; further ones are ignored.
inline constexpr std::size_t kMaxReportGroups = 16;
// Usages kept for one group: a longer range is cut.
inline constexpr std::size_t kMaxGroupUsages = 32;
// Room for the pressed usages of one input report.
inline constexpr unsigned long kMaxPressedUsages = 64;

// The usages first, first + 1, ... last of a range group, at most capacity
// and kMaxGroupUsages of them; none for a range that runs backwards.
std::vector<std::uint16_t> RangeUsages(std::uint16_t first, std::uint16_t last,
                                       std::size_t capacity = kMaxGroupUsages);

}  // namespace headset
