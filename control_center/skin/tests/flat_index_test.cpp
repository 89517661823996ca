// The hash index of positions that section and element-id lookups use.
#include "flat_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using skin::FlatIndex;

TEST(FlatIndex, AnEmptyIndexFindsNothing) {
    const FlatIndex index;
    EXPECT_EQ(index.Find(7, [](std::uint32_t) { return true; }), FlatIndex::kNone);
}

TEST(FlatIndex, FindOrAddKeepsTheFirstPosition) {
    std::vector<int> keys = {40, 41};
    FlatIndex index;
    const auto isKey = [&](int key) {
        return [&keys, key](std::uint32_t position) { return keys[position] == key; };
    };
    EXPECT_EQ(index.FindOrAdd(40, 0, isKey(40)), 0u);
    EXPECT_EQ(index.FindOrAdd(41, 1, isKey(41)), 1u);
    EXPECT_EQ(index.FindOrAdd(40, 2, isKey(40)), 0u);  // already there
    EXPECT_EQ(index.Find(41, isKey(41)), 1u);
}

TEST(FlatIndex, EqualHashesAreToldApartByTheirKeys) {
    const std::vector<int> keys = {1, 2, 3};
    FlatIndex index;
    for (std::uint32_t i = 0; i < keys.size(); ++i) {
        const int key = keys[i];
        index.FindOrAdd(99, i, [&](std::uint32_t position) { return keys[position] == key; });
    }
    for (std::uint32_t i = 0; i < keys.size(); ++i) {
        const int key = keys[i];
        EXPECT_EQ(index.Find(99, [&](std::uint32_t position) { return keys[position] == key; }), i);
    }
    EXPECT_EQ(index.Find(99, [&](std::uint32_t position) { return keys[position] == 4; }),
              FlatIndex::kNone);
}

TEST(FlatIndex, EveryPositionSurvivesGrowth) {
    constexpr std::uint32_t kCount = 100000;
    FlatIndex index;
    const auto always = [](std::uint32_t) { return true; };
    for (std::uint32_t key = 0; key < kCount; ++key) {
        // Keys that share their low bits, as element ids often do.
        ASSERT_EQ(index.FindOrAdd(key * 1024, key, always), key);
    }
    for (std::uint32_t key = 0; key < kCount; ++key) {
        ASSERT_EQ(index.Find(key * 1024, always), key);
    }
    EXPECT_EQ(index.Find(kCount * 1024, always), FlatIndex::kNone);
}
