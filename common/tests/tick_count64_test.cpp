// The 64-bit tick count that stands in for kernel32's on Windows XP.
#include "tick_count64.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using tavimo::ExtendTickCount;

constexpr std::uint64_t kWrap = std::uint64_t{1} << 32;

TEST(TickCount64, KeepsTheHighPartWhileTheCounterRises) {
    EXPECT_EQ(ExtendTickCount(0, 0), 0u);
    EXPECT_EQ(ExtendTickCount(1000, 1000), 1000u);
    EXPECT_EQ(ExtendTickCount(1000, 5000), 5000u);
    EXPECT_EQ(ExtendTickCount(3 * kWrap + 7, 0xFFFFFFFFu), 3 * kWrap + 0xFFFFFFFFu);
}

TEST(TickCount64, CountsAWrapOfTheCounter) {
    EXPECT_EQ(ExtendTickCount(0xFFFFFFF0u, 5), kWrap + 5);
    EXPECT_EQ(ExtendTickCount(2 * kWrap + 0xFFFFFFFFu, 0), 3 * kWrap);
}

// What the runtime calls: this program links the stand-in, and whether it
// reaches the system's function or extends the 32-bit count, the result is
// the tick count.
TEST(TickCount64, TheImportAnswersWithTheTickCount) {
    const DWORD before = GetTickCount();
    const ULONGLONG now = tavimoTickCount64Import();
    const DWORD after = GetTickCount();
    EXPECT_LE(static_cast<DWORD>(now) - before, after - before);
}

}  // namespace
