#include "hid_usages.h"

#include <algorithm>
#include <numeric>

namespace headset {

std::vector<std::uint16_t> RangeUsages(std::uint16_t first, std::uint16_t last,
                                       std::size_t capacity) {
    if (last < first) {
        return {};
    }
    const std::size_t span = static_cast<std::size_t>(last - first) + 1;
    std::vector<std::uint16_t> usages(std::min({span, capacity, kMaxGroupUsages}));
    std::iota(usages.begin(), usages.end(), first);
    return usages;
}

}  // namespace headset
