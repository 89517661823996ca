// Handle owners release exactly once and count what they hold.
#include "unique_handle.h"

#include <gtest/gtest.h>

#include <utility>

using tavimo::UniqueHandle;

namespace {

HANDLE NewEvent() {
    return CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

}  // namespace

TEST(UniqueHandle, ReleasesOnceThroughMovesAndResets) {
    const int before = UniqueHandle::Live();
    HANDLE first = NewEvent();
    {
        UniqueHandle a(first);
        EXPECT_EQ(UniqueHandle::Live(), before + 1);
        UniqueHandle b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(b.get(), first);
        UniqueHandle c(NewEvent());
        EXPECT_EQ(UniqueHandle::Live(), before + 2);
        HANDLE second = c.get();
        c = std::move(b);  // c's own event is released, b's moves over
        EXPECT_FALSE(IsOpen(second));
        EXPECT_EQ(UniqueHandle::Live(), before + 1);
        c = std::move(c);
        EXPECT_TRUE(IsOpen(first));
        c.reset(NewEvent());
        EXPECT_FALSE(IsOpen(first));
        EXPECT_EQ(UniqueHandle::Live(), before + 1);
    }
    EXPECT_EQ(UniqueHandle::Live(), before);
}

TEST(UniqueHandle, EmptyOwnersHoldNothing) {
    const int before = UniqueHandle::Live();
    UniqueHandle empty;
    UniqueHandle alsoEmpty(nullptr);
    empty.reset();
    EXPECT_FALSE(empty);
    EXPECT_EQ(UniqueHandle::Live(), before);
}
