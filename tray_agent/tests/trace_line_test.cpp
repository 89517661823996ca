// The trace line of a tray icon notification.
#include "trace_line.h"

#include <gtest/gtest.h>

using tray::TraceLine;

TEST(TraceLine, NamesTheTenMouseMessages) {
    EXPECT_EQ(TraceLine(3, 0x200), "Tray notification: ID=3, lEvent=0x0200 WM_MOUSEMOVE\r\n");
    EXPECT_EQ(TraceLine(3, 0x205), "Tray notification: ID=3, lEvent=0x0205 WM_RBUTTONUP\r\n");
    EXPECT_EQ(TraceLine(3, 0x209), "Tray notification: ID=3, lEvent=0x0209 WM_MBUTTONDBLCLK\r\n");
    EXPECT_STREQ(tray::MouseEventName(0x203), "WM_LBUTTONDBLCLK");
}

TEST(TraceLine, AnyOtherEventIsUnknownAndPrintedWhole) {
    EXPECT_EQ(TraceLine(3, 0x1FF), "Tray notification: ID=3, lEvent=0x01ff (Unknown)\r\n");
    EXPECT_EQ(TraceLine(3, 0x20A), "Tray notification: ID=3, lEvent=0x020a (Unknown)\r\n");
    EXPECT_EQ(TraceLine(0, 0), "Tray notification: ID=0, lEvent=0x0000 (Unknown)\r\n");
    EXPECT_EQ(TraceLine(-1, 0xFFFFFFFF),
              "Tray notification: ID=-1, lEvent=0xffffffff (Unknown)\r\n");
    EXPECT_EQ(TraceLine(2147483647, 0x12345),
              "Tray notification: ID=2147483647, lEvent=0x12345 (Unknown)\r\n");
}
