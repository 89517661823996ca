// An index of positions in a caller's array by a hash of their keys: open
// addressing with linear probing in one flat table, kept at most 3/4 full.
// The caller hashes the keys and tells, for a position, whether the key
// there is the one looked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skin {

class FlatIndex {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // The position whose key isKeyAt accepts; kNone when none.
    template <typename IsKeyAt>
    std::uint32_t Find(std::uint32_t hash, IsKeyAt isKeyAt) const {
        if (slots_.empty()) {
            return kNone;
        }
        for (std::size_t i = Home(hash);; i = (i + 1) & (slots_.size() - 1)) {
            const Slot& slot = slots_[i];
            if (slot.position == kNone) {
                return kNone;
            }
            if (slot.hash == hash && isKeyAt(slot.position)) {
                return slot.position;
            }
        }
    }

    // The position of a key that isKeyAt accepts; when there is none,
    // position (anything but kNone) is indexed under hash and returned.
    template <typename IsKeyAt>
    std::uint32_t FindOrAdd(std::uint32_t hash, std::uint32_t position, IsKeyAt isKeyAt) {
        const std::uint32_t found = Find(hash, isKeyAt);
        if (found != kNone) {
            return found;
        }
        Add(hash, position);
        return position;
    }

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = kNone;
    };

    std::size_t Home(std::uint32_t hash) const;
    void Add(std::uint32_t hash, std::uint32_t position);
    void Place(Slot slot);

    std::vector<Slot> slots_;  // a power of two of them, or none
    std::size_t used_ = 0;
    unsigned shift_ = 0;  // 32 - log2(slots_.size())
};

}  // namespace skin
