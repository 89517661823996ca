#include "flat_index.h"

#include <bit>
#include <utility>

namespace skin {
namespace {
constexpr std::size_t kFirstSize = 16;
}

std::size_t FlatIndex::Home(std::uint32_t hash) const {
    // Fibonacci hashing: the top bits of the product mix every bit of the hash.
    return static_cast<std::uint32_t>(hash * 2654435769u) >> shift_;
}

void FlatIndex::Add(std::uint32_t hash, std::uint32_t position) {
    if ((used_ + 1) * 4 > slots_.size() * 3) {
        std::vector<Slot> old = std::exchange(slots_, {});
        slots_.resize(old.empty() ? kFirstSize : old.size() * 2);
        shift_ = 32u - static_cast<unsigned>(std::countr_zero(slots_.size()));
        for (const Slot& slot : old) {
            if (slot.position != kNone) {
                Place(slot);
            }
        }
    }
    Place({hash, position});
    ++used_;
}

void FlatIndex::Place(Slot slot) {
    std::size_t i = Home(slot.hash);
    while (slots_[i].position != kNone) {
        i = (i + 1) & (slots_.size() - 1);
    }
    slots_[i] = slot;
}

}  // namespace skin
